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
    Append,             // created when missing, every write at the end
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
// The data on the disk, without the file's times (cheaper, once per pass).
bool syncData(int fd);
// The folder's entries on the disk, so a new name or a rename survives a power cut.
bool syncFolder(const std::filesystem::path& folder);

std::tm localTime(std::time_t t);

}  // namespace sc::platform
