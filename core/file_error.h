#pragma once
#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace sc {

// A file that is missing, truncated or inconsistent. Carries the byte offset
// where reading went wrong so the message can point at it.
class FileError : public std::runtime_error {
public:
    FileError(std::filesystem::path file, std::size_t offset, const std::string& what)
        : std::runtime_error(what), file_(std::move(file)), offset_(offset) {}
    const std::filesystem::path& file() const { return file_; }
    std::size_t offset() const { return offset_; }
    // "FILE: offset N: what"
    std::string describe() const {
        return file_.string() + ": offset " + std::to_string(offset_) + ": " + what();
    }

private:
    std::filesystem::path file_;
    std::size_t offset_;
};

}  // namespace sc
