#include "core/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>

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

bool writeAll(int fd, const uint8_t* p, std::size_t n) {
    while (n > 0) {
        const ssize_t w = ::write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

bool syncFolderOf(const fs::path& file) {
    fs::path folder = file.parent_path();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    return (::close(fd) == 0) && ok;
}

bool writeFileAtomic(const fs::path& file, const Bytes& data) {
    fs::path tmp = file;
    tmp += ".~tmp";
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    bool ok = writeAll(fd, data.data(), data.size()) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    // The new file and its name are on the disk before the rename, the rename
    // after it: a power cut leaves the old file or the new one, whole.
    ok = ok && syncFolderOf(tmp);
    std::error_code ec;
    if (ok) fs::rename(tmp, file, ec);
    if (!ok || ec || !syncFolderOf(file)) {
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
    bool ok =
        ::lseek(fd, static_cast<off_t>(offset), SEEK_SET) >= 0 && writeAll(fd, data.data(), data.size());
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
