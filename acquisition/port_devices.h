#pragma once
// Which device a port number stands for. On Windows port n is COMn; elsewhere
// the program folder's optional PORTS.TXT names it ("3=/dev/ttyUSB0"), else the
// first of the usual serial devices for n that exists.

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace sc {

inline constexpr std::string_view kPortsFileName = "PORTS.TXT";

enum class PortNaming { Windows, Unix };

#ifdef _WIN32
inline constexpr PortNaming kHostPortNaming = PortNaming::Windows;
#else
inline constexpr PortNaming kHostPortNaming = PortNaming::Unix;
#endif

using DeviceExists = std::function<bool(const std::filesystem::path&)>;

// The "n=DEVICE" lines of a PORTS.TXT text: blanks around both parts trimmed,
// '#' starts a comment, lines without a positive port number or a device are
// ignored; the first line for a number wins.
std::map<int, std::string> parsePortsFile(std::string_view text);

// The candidates tried in order when PORTS.TXT does not name the port.
std::vector<std::string> fallbackDevices(int port);

// The device to open for port number `port` (1 is the first); empty for a
// number below 1. When nothing exists, the first candidate, so that the open
// fails naming a device.
std::string portDevice(int port, const std::filesystem::path& programFolder,
                       PortNaming naming = kHostPortNaming, const DeviceExists& exists = {});

}  // namespace sc
