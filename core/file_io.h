#pragma once
// Whole-file reads and crash-safe whole-file saves.
#include <filesystem>
#include <optional>
#include <string>

#include "core/byte_io.h"

namespace sc {

// The whole file, or nothing when it cannot be read.
std::optional<Bytes> readFileBytes(const std::filesystem::path& file);
// Reads the whole file or throws FileError (offset 0) when it is missing.
Bytes readFileOrThrow(const std::filesystem::path& file);

// Writes to a temporary file in the same folder and renames it over the old
// one, so a crash never leaves half a file. Returns false on failure.
// The file and its folder are synced before the rename, the folder after it.
[[nodiscard]] bool writeFileAtomic(const std::filesystem::path& file, const Bytes& data);
[[nodiscard]] bool writeFileAtomic(const std::filesystem::path& file, const std::string& text);

// Writes bytes at an offset of an existing (or new) file without truncating it.
[[nodiscard]] bool writeInPlace(const std::filesystem::path& file, std::size_t offset, const Bytes& data);

// fsync of the folder holding `file`, so a new name or a rename survives a power cut.
[[nodiscard]] bool syncFolderOf(const std::filesystem::path& file);

bool fileExists(const std::filesystem::path& file);
bool folderExists(const std::filesystem::path& folder);

// The entry of `folder` whose name equals `name` ignoring case, for files that
// users provide; `folder / name` when none matches.
std::filesystem::path findCaseInsensitive(const std::filesystem::path& folder, const std::string& name);

}  // namespace sc
