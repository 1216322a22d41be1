#pragma once
// What the commands on a program folder share: its state with the language
// of its settings, a race number argument, and progress on a terminal.
#include <filesystem>
#include <string>

#include "core/race_state.h"
#include "output/race_archive.h"

namespace sc::tool {

// The program folder's state; a damaged settings file only costs the language.
RaceState stateFor(const std::filesystem::path& appFolder);
// RACE as a race number whose folder exists in the program folder.
int raceArgument(const std::filesystem::path& appFolder, const std::string& raceText);
// One rewritten line on a terminal; nothing when stderr is a file or a pipe.
ArchiveListener terminalProgress();
void endProgress();

}  // namespace sc::tool
