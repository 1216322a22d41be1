#include "acquisition/port_devices.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <system_error>

#include "core/file_io.h"

namespace sc {
namespace {

// A PORTS.TXT is a few lines; anything far larger is not one.
constexpr std::uintmax_t kMaxPortsFileSize = 64 * 1024;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n\f\v");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n\f\v");
    return text.substr(first, last - first + 1);
}

int positiveNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 1) return 0;
    return value;
}

std::string portsFileText(const std::filesystem::path& programFolder) {
    const auto file = findCaseInsensitive(programFolder, std::string(kPortsFileName));
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return {};
    const auto size = std::filesystem::file_size(file, ec);
    if (ec || size > kMaxPortsFileSize) return {};
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool deviceExists(const std::filesystem::path& device) {
    std::error_code ec;
    return std::filesystem::exists(device, ec);
}

}  // namespace

std::map<int, std::string> parsePortsFile(std::string_view text) {
    std::map<int, std::string> devices;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        line = line.substr(0, line.find('#'));
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const int port = positiveNumber(trimmed(line.substr(0, equals)));
        const std::string_view device = trimmed(line.substr(equals + 1));
        if (port == 0 || device.empty()) continue;
        devices.emplace(port, std::string(device));
    }
    return devices;
}

std::vector<std::string> fallbackDevices(int port) {
    const std::string index = std::to_string(port - 1);
    return {"/dev/ttyUSB" + index, "/dev/ttyACM" + index, "/dev/ttyS" + index};
}

std::string portDevice(int port, const std::filesystem::path& programFolder, PortNaming naming,
                       const DeviceExists& exists) {
    if (port < 1) return {};
    if (naming == PortNaming::Windows) return "COM" + std::to_string(port);
    const auto named = parsePortsFile(portsFileText(programFolder));
    if (const auto it = named.find(port); it != named.end()) return it->second;
    const auto candidates = fallbackDevices(port);
    const DeviceExists& test = exists ? exists : DeviceExists(deviceExists);
    for (const auto& device : candidates)
        if (test(device)) return device;
    return candidates.front();
}

}  // namespace sc
