#pragma once
// Whole-file reads and crash-safe whole-file saves.
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

#include "core/byte_io.h"
#include "core/write_result.h"

namespace sc {

// The whole file, or nothing when it cannot be read.
std::optional<Bytes> readFileBytes(const std::filesystem::path& file);
// Reads the whole file or throws FileError (offset 0) when it is missing.
Bytes readFileOrThrow(const std::filesystem::path& file);

// Writes to a temporary file in the same folder and renames it over the old
// one, so a crash never leaves half a file; on failure the old file stays and
// the result carries errno. The file and its folder are synced before the
// rename, the folder after it.
WriteResult writeFileAtomic(const std::filesystem::path& file, const Bytes& data);
WriteResult writeFileAtomic(const std::filesystem::path& file, const std::string& text);
// Builds the content and saves it as writeFileAtomic does; a builder that
// throws std::invalid_argument (a text with no Windows-1252 form) gives
// kTextNotWritable before the file is touched.
template <typename Build>
WriteResult writeBuiltFile(const std::filesystem::path& file, Build build);

// Writes bytes at an offset of an existing (or new) file without truncating it.
WriteResult writeInPlace(const std::filesystem::path& file, std::size_t offset, const Bytes& data);

// fsync of the folder holding `file`, so a new name or a rename survives a power cut.
[[nodiscard]] bool syncFolderOf(const std::filesystem::path& file);

bool fileExists(const std::filesystem::path& file);
bool folderExists(const std::filesystem::path& folder);

// The entry of `folder` whose name equals `name` ignoring case, for files that
// users provide; `folder / name` when none matches.
std::filesystem::path findCaseInsensitive(const std::filesystem::path& folder, const std::string& name);

template <typename Build>
WriteResult writeBuiltFile(const std::filesystem::path& file, Build build) {
    Bytes data;
    try {
        data = build();
    } catch (const std::invalid_argument&) {
        return WriteResult::failed(file, kTextNotWritable);
    }
    return writeFileAtomic(file, data);
}

}  // namespace sc
