#include "core/file_io.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <system_error>

#include "core/platform.h"

namespace sc {
namespace fs = std::filesystem;

std::optional<Bytes> readFileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::error_code ec;
    if (fs::is_directory(file, ec)) return std::nullopt;
    Bytes data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return data;
}

Bytes readFileOrThrow(const fs::path& file) {
    auto data = readFileBytes(file);
    if (!data) throw FileError(file, 0, "file missing or unreadable");
    return std::move(*data);
}

bool writeFileAtomic(const fs::path& file, const Bytes& data) {
    fs::path tmp = file;
    tmp += ".~tmp";
    int fd = platform::openFile(tmp, platform::OpenMode::WriteTruncate);
    if (fd < 0) return false;
    bool ok = platform::writeAll(fd, data.data(), data.size()) && platform::syncFile(fd);
    ok = platform::closeFile(fd) && ok;
    std::error_code ec;
    if (ok) fs::rename(tmp, file, ec);
    if (!ok || ec) {
        fs::remove(tmp, ec);
        return false;
    }
    return true;
}

bool writeFileAtomic(const fs::path& file, const std::string& text) {
    return writeFileAtomic(file, Bytes(text.begin(), text.end()));
}

bool writeInPlace(const fs::path& file, std::size_t offset, const Bytes& data) {
    int fd = platform::openFile(file, platform::OpenMode::Write);
    if (fd < 0) return false;
    bool ok = platform::seekTo(fd, offset) && platform::writeAll(fd, data.data(), data.size());
    return platform::closeFile(fd) && ok;
}

bool fileExists(const fs::path& file) {
    std::error_code ec;
    return fs::is_regular_file(file, ec);
}

bool folderExists(const fs::path& folder) {
    std::error_code ec;
    return fs::is_directory(folder, ec);
}

fs::path findCaseInsensitive(const fs::path& folder, const std::string& name) {
    auto lower = [](std::string s) {
        for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    const std::string wanted = lower(name);
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (lower(entry.path().filename().string()) == wanted) return entry.path();
    }
    return folder / name;
}

}  // namespace sc
