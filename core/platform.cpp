#include "core/platform.h"

#include <fcntl.h>

#include <cerrno>
#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

namespace sc::platform {

#ifdef _WIN32
namespace {
int flagsOf(OpenMode mode) {
    switch (mode) {
        case OpenMode::Read:
            return _O_RDONLY | _O_BINARY;
        case OpenMode::Write:
            return _O_WRONLY | _O_CREAT | _O_BINARY;
        case OpenMode::WriteTruncate:
            return _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY;
        case OpenMode::ReadWriteTruncate:
            return _O_RDWR | _O_CREAT | _O_TRUNC | _O_BINARY;
    }
    return _O_RDONLY | _O_BINARY;
}
}  // namespace

int openFile(const std::filesystem::path& file, OpenMode mode) {
    return ::_wopen(file.c_str(), flagsOf(mode), _S_IREAD | _S_IWRITE);
}
bool closeFile(int fd) { return ::_close(fd) == 0; }
static long long writeSome(int fd, const uint8_t* p, std::size_t n) {
    return ::_write(fd, p, static_cast<unsigned>(n));
}
static long long readSome(int fd, uint8_t* p, std::size_t n) {
    return ::_read(fd, p, static_cast<unsigned>(n));
}
bool seekTo(int fd, std::size_t offset) {
    return ::_lseeki64(fd, static_cast<long long>(offset), SEEK_SET) == static_cast<long long>(offset);
}
bool syncFile(int fd) { return ::_commit(fd) == 0; }
std::tm localTime(std::time_t t) {
    std::tm local{};
    localtime_s(&local, &t);
    return local;
}
#else
namespace {
int flagsOf(OpenMode mode) {
    switch (mode) {
        case OpenMode::Read:
            return O_RDONLY;
        case OpenMode::Write:
            return O_WRONLY | O_CREAT;
        case OpenMode::WriteTruncate:
            return O_WRONLY | O_CREAT | O_TRUNC;
        case OpenMode::ReadWriteTruncate:
            return O_RDWR | O_CREAT | O_TRUNC;
    }
    return O_RDONLY;
}
}  // namespace

int openFile(const std::filesystem::path& file, OpenMode mode) {
    return ::open(file.c_str(), flagsOf(mode), 0644);
}
bool closeFile(int fd) { return ::close(fd) == 0; }
static long long writeSome(int fd, const uint8_t* p, std::size_t n) { return ::write(fd, p, n); }
static long long readSome(int fd, uint8_t* p, std::size_t n) { return ::read(fd, p, n); }
bool seekTo(int fd, std::size_t offset) {
    return ::lseek(fd, static_cast<off_t>(offset), SEEK_SET) == static_cast<off_t>(offset);
}
bool syncFile(int fd) { return ::fsync(fd) == 0; }
std::tm localTime(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    return local;
}
#endif

bool writeAll(int fd, const uint8_t* p, std::size_t n) {
    while (n > 0) {
        const long long w = writeSome(fd, p, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

long long readUpTo(int fd, uint8_t* p, std::size_t n) {
    std::size_t got = 0;
    while (got < n) {
        const long long r = readSome(fd, p + got, n - got);
        if (r < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        if (r == 0) break;
        got += static_cast<std::size_t>(r);
    }
    return static_cast<long long>(got);
}

}  // namespace sc::platform
