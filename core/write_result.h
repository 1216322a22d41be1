#pragma once
// The outcome of a write: nothing when it happened, else the file and the
// system's reason (errno), so the message box can name both in the person's
// language (FileWriteText, core/file_fault_text.h).

#include <filesystem>
#include <optional>
#include <utility>

namespace sc {

// errno of the failed call; kTextNotWritable when the content itself cannot be
// stored (a text without a Windows-1252 form, or too long for its field).
inline constexpr int kTextNotWritable = 0;

struct WriteError {
    std::filesystem::path file;
    int error = kTextNotWritable;
};

class [[nodiscard]] WriteResult {
public:
    WriteResult() = default;  // written
    WriteResult(WriteError error) : error_(std::move(error)) {}
    static WriteResult failed(std::filesystem::path file, int error) {
        return WriteError{std::move(file), error};
    }
    // True when the write happened.
    explicit operator bool() const { return !error_; }
    // Only when the write failed.
    const WriteError& error() const { return *error_; }

private:
    std::optional<WriteError> error_;
};

}  // namespace sc
