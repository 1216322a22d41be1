#pragma once
// The serial port over QSerialPort: receive-only, opened with a settings text
// such as "56000,n,8,1" on the device a port number stands for.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "acquisition/serial_port.h"

class QSerialPort;

namespace sc {

class QtSerialPort : public SerialPort {
public:
    // Gives the device name of a port number (see port_devices.h).
    using DeviceOf = std::function<std::string(int port)>;

    explicit QtSerialPort(DeviceOf deviceOf);
    ~QtSerialPort() override;

    bool open(int port, const std::string& settings) override;
    void close() override;
    bool isOpen() const override;
    Bytes readAll() override;

private:
    bool apply(const SerialSettings& settings);

    DeviceOf deviceOf_;
    std::unique_ptr<QSerialPort> port_;
};

// Port objects for the lap-counter connections and the port search, naming
// devices from the program folder's PORTS.TXT where there is no COMn.
std::unique_ptr<SerialPort> makeQtSerialPort(const std::filesystem::path& programFolder);

// The port search of the track configuration window over a port object of its
// own, so an open lap-counter connection is never disturbed (it is busy and not listed).
std::function<bool(int port)> qtPortProbe(const std::filesystem::path& programFolder);

}  // namespace sc
