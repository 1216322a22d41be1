#include "core/file_io.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

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
    if (!data) throw FileError(file, 0, FileFault::Unreadable, "file missing or unreadable");
    return std::move(*data);
}

namespace {
bool writeAll(int fd, const uint8_t* p, std::size_t n) {
    while (n > 0) {
        ssize_t w = ::write(fd, p, n);
        if (w < 0) return false;
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}
}  // namespace

bool writeFileAtomic(const fs::path& file, const Bytes& data) {
    fs::path tmp = file;
    tmp += ".~tmp";
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    bool ok = writeAll(fd, data.data(), data.size()) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
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
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT, 0644);
    if (fd < 0) return false;
    bool ok = ::lseek(fd, static_cast<off_t>(offset), SEEK_SET) >= 0 && writeAll(fd, data.data(), data.size());
    return (::close(fd) == 0) && ok;
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
