#pragma once
#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace sc {

// What is wrong with a file, as a person is told it (the technical text of
// `what()` keeps the numbers for the tools).
enum class FileFault { Damaged, Unreadable, Truncated, BadText, PartialRecord, BadHeatBlock, TooManyEntries };

// A file that is missing, truncated or inconsistent. Carries the byte offset
// where reading went wrong so the message can point at it.
class FileError : public std::runtime_error {
public:
    FileError(std::filesystem::path file, std::size_t offset, const std::string& what)
        : FileError(std::move(file), offset, FileFault::Damaged, what) {}
    FileError(std::filesystem::path file, std::size_t offset, FileFault fault, const std::string& what)
        : std::runtime_error(what), file_(std::move(file)), offset_(offset), fault_(fault) {}
    const std::filesystem::path& file() const { return file_; }
    std::size_t offset() const { return offset_; }
    FileFault fault() const { return fault_; }
    // "FILE: offset N: what"
    std::string describe() const {
        return file_.string() + ": offset " + std::to_string(offset_) + ": " + what();
    }

private:
    std::filesystem::path file_;
    std::size_t offset_;
    FileFault fault_;
};

}  // namespace sc
