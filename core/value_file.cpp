#include "core/value_file.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <system_error>

#include "core/file_io.h"
#include "core/platform.h"

namespace sc {
namespace fs = std::filesystem;

namespace {

constexpr const char* kLineEnd = "\r\n";

template <typename Number>
std::string shortest(Number value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string withSign(const std::string& text) { return text.starts_with('-') ? text : " " + text; }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string valueText(int value) { return withSign(std::to_string(value)); }
std::string valueText(long value) { return withSign(std::to_string(value)); }
std::string valueText(float value) { return withSign(shortestText(value)); }
std::string valueText(double value) { return withSign(shortestText(value)); }

std::string shortestText(float value) { return shortest(value); }
std::string shortestText(double value) { return shortest(value); }

std::vector<std::string> splitValueLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::optional<std::vector<std::string>> readValueLines(const fs::path& file) {
    if (!fileExists(file)) return std::nullopt;
    auto data = readFileBytes(file);
    if (!data) return std::nullopt;
    return splitValueLines(std::string_view(reinterpret_cast<const char*>(data->data()), data->size()));
}

double lineValue(const std::string& line) {
    std::size_t i = 0;
    while (i < line.size() && isBlank(line[i])) ++i;
    double sign = 1;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) sign = line[i++] == '-' ? -1 : 1;
    std::string number = line.substr(i);
    if (auto comma = number.find(','); comma != std::string::npos) number[comma] = '.';
    // Plain decimal text only: no second sign, "inf", "nan" or hexadecimal forms.
    if (number.empty() || !(std::isdigit(static_cast<unsigned char>(number[0])) || number[0] == '.'))
        return 0;
    double value = 0;
    auto result =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value)) return 0;
    return sign * value;
}

WriteResult writeValueLines(const fs::path& file, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + kLineEnd;
    return writeFileAtomic(file, text);
}

WriteResult appendValueLine(const fs::path& file, const std::string& line) {
    const bool created = !fileExists(file);
    const int fd = platform::openFile(file, platform::OpenMode::Append);
    if (fd < 0) return WriteResult::failed(file, errno);
    const std::string text = line + kLineEnd;
    int error = 0;
    if (!(platform::writeAll(fd, reinterpret_cast<const uint8_t*>(text.data()), text.size()) &&
          platform::syncData(fd)))
        error = errno ? errno : EIO;
    if (!platform::closeFile(fd) && error == 0) error = errno ? errno : EIO;
    if (error == 0 && created && !syncFolderOf(file)) error = errno ? errno : EIO;
    if (error != 0) return WriteResult::failed(file, error);
    return {};
}

}  // namespace sc
