#include "tools/program_folder.h"

#include <unistd.h>

#include <charconv>
#include <iostream>

#include "core/file_error.h"
#include "core/file_io.h"
#include "core/race_store.h"
#include "core/settings_files.h"
#include "tools/commands.h"

namespace sc::tool {
namespace fs = std::filesystem;

RaceState stateFor(const fs::path& appFolder) {
    if (!folderExists(appFolder)) throw ToolError("no program folder " + appFolder.string());
    RaceState state;
    state.AppFolder = appFolder;
    if (fileExists(appFolder / kSettingsFileName)) {
        try {
            state.Settings = loadProgramSettings(appFolder / kSettingsFileName);
        } catch (const FileError&) {
        }
    }
    return state;
}

int raceArgument(const fs::path& appFolder, const std::string& raceText) {
    int race = 0;
    const char* last = raceText.data() + raceText.size();
    auto [end, ec] = std::from_chars(raceText.data(), last, race);
    if (ec != std::errc() || end != last || race < 1 || race > 999)
        throw ToolError("RACE must be a race number, not '" + raceText + "'");
    const fs::path folder = appFolder / raceFolderName(race);
    if (!folderExists(folder))
        throw ToolError("no race " + std::to_string(race) + " (" + folder.string() + ")");
    return race;
}

ArchiveListener terminalProgress() {
    if (::isatty(STDERR_FILENO) == 0) return {};
    return [](const ArchiveProgress& p) {
        std::cerr << "\r\033[K" << p.InfoArxiu << "  " << p.percent() << "  " << p.InfoTreball << std::flush;
        return true;
    };
}

void endProgress() {
    if (::isatty(STDERR_FILENO) != 0) std::cerr << "\r\033[K" << std::flush;
}

}  // namespace sc::tool
