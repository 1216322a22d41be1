#pragma once
// The offset a reader names when it refuses a file; none when it reads it.
#include <cstddef>
#include <optional>

#include "core/file_error.h"

namespace sc::test {

template <typename Read>
std::optional<std::size_t> failureOffset(Read&& read) {
    try {
        read();
    } catch (const FileError& e) {
        return e.offset();
    }
    return std::nullopt;
}

}  // namespace sc::test
