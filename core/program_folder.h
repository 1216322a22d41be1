#pragma once
// Where the program keeps all its files: the folder given with --folder, else
// the executable's folder when it can be written, else the user's data folder.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace sc {

struct ProgramFolderChoice {
    std::filesystem::path folder;  // empty when no usable folder was found
    std::string problem;           // message for the user when folder is empty
    bool ok() const { return problem.empty(); }
};

using WritableTest = std::function<bool(const std::filesystem::path&)>;

// Pure choice: `requested` (from --folder) wins and must be writable; otherwise
// the executable's folder, then the data folder, the first writable one.
ProgramFolderChoice chooseProgramFolder(const std::optional<std::filesystem::path>& requested,
                                        const std::filesystem::path& executableFolder,
                                        const std::filesystem::path& dataFolder,
                                        const WritableTest& writable);

// Creates the folder when missing and proves it writable by creating and
// removing a probe file in it.
bool isWritableFolder(const std::filesystem::path& folder);

}  // namespace sc
