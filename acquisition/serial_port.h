#pragma once
// A serial port the program listens to, behind a small interface so tests and
// the tool hand bytes over without hardware. The lap counters are only listened
// to: there is no write.

#include <charconv>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include "core/byte_io.h"

namespace sc {

// A settings text "baud,parity,data bits,stop bits" such as "56000,n,8,1".
struct SerialSettings {
    int baud = 0;
    char parity = 'n';  // n, e, o, m or s
    int dataBits = 8;   // 5..8
    int stopBits = 1;   // 1 or 2
    bool operator==(const SerialSettings&) const = default;
};

// Nothing for a text that is not four fields with values a port accepts.
inline std::optional<SerialSettings> parseSerialSettings(std::string_view text) {
    std::string_view fields[4];
    for (int i = 0; i < 4; ++i) {
        const auto comma = text.find(',');
        if ((comma == std::string_view::npos) != (i == 3)) return std::nullopt;
        fields[i] = text.substr(0, comma);
        text = i == 3 ? std::string_view{} : text.substr(comma + 1);
    }
    auto number = [](std::string_view field) -> std::optional<int> {
        int value = 0;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (field.empty() || error != std::errc{} || end != field.data() + field.size()) return std::nullopt;
        return value;
    };
    SerialSettings settings;
    const auto baud = number(fields[0]);
    const auto data = number(fields[2]);
    const auto stop = number(fields[3]);
    if (!baud || *baud < 50 || *baud > 4000000) return std::nullopt;
    if (fields[1].size() != 1 ||
        std::string_view("neoms").find(fields[1][0] | 0x20) == std::string_view::npos)
        return std::nullopt;
    if (!data || *data < 5 || *data > 8 || !stop || (*stop != 1 && *stop != 2)) return std::nullopt;
    settings.baud = *baud;
    settings.parity = static_cast<char>(fields[1][0] | 0x20);
    settings.dataBits = *data;
    settings.stopBits = *stop;
    return settings;
}

class SerialPort {
public:
    using Notification = std::function<void()>;

    virtual ~SerialPort() = default;

    // Opens port number `port` (COM1 is 1) with a settings text such as
    // "56000,n,8,1". False when it cannot be opened or the settings are refused.
    virtual bool open(int port, const std::string& settings) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Everything received since the last read, in order.
    virtual Bytes readAll() = 0;

    // Called whenever received bytes are waiting; set by the port's owner.
    void setNotification(Notification notification) { notification_ = std::move(notification); }

protected:
    void notify() {
        if (notification_) notification_();
    }

private:
    Notification notification_;
};

// A port driven by its test or script: it opens unless told to fail, and
// `receive` queues bytes and notifies as a real port would.
class ScriptedSerialPort : public SerialPort {
public:
    bool open(int port, const std::string& settings) override {
        ++openAttempts;
        if (failOpens > 0) {
            --failOpens;
            return false;
        }
        if (failAlways || port < 1 || !parseSerialSettings(settings)) return false;
        openPort = port;
        openSettings = settings;
        open_ = true;
        return true;
    }
    void close() override {
        if (open_) ++closes;
        open_ = false;
        pending_.clear();
    }
    bool isOpen() const override { return open_; }
    Bytes readAll() override {
        Bytes all(pending_.begin(), pending_.end());
        pending_.clear();
        return all;
    }

    // Bytes from the device; a closed port hears nothing.
    void receive(const Bytes& bytes) {
        if (!open_) return;
        pending_.insert(pending_.end(), bytes.begin(), bytes.end());
        notify();
    }

    int failOpens = 0;        // the next this many opens fail
    bool failAlways = false;  // every open fails
    int openAttempts = 0;
    int closes = 0;
    int openPort = 0;
    std::string openSettings;

private:
    bool open_ = false;
    std::deque<uint8_t> pending_;
};

}  // namespace sc
