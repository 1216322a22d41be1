#pragma once
// The few operating-system calls of the logic: file descriptors with
// write-through and in-place updates, and the local time. POSIX here, the
// Windows C runtime under _WIN32.

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <filesystem>

namespace sc::platform {

enum class OpenMode {
    Read,
    Write,              // created when missing, kept otherwise
    WriteTruncate,      // created or emptied
    ReadWriteTruncate,  // created or emptied
};

// A descriptor, or -1 with errno set.
int openFile(const std::filesystem::path& file, OpenMode mode);
bool closeFile(int fd);
// Every byte, retried when interrupted.
bool writeAll(int fd, const uint8_t* p, std::size_t n);
// Bytes read, fewer than n only at the end of the file; -1 on error.
long long readUpTo(int fd, uint8_t* p, std::size_t n);
bool seekTo(int fd, std::size_t offset);
// The data on the disk, not only handed to the system.
bool syncFile(int fd);

std::tm localTime(std::time_t t);

}  // namespace sc::platform
