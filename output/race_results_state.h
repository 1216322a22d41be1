#pragma once
// The state the exports read a race's results with: the race's own series
// counts from its PROVA.DAD and the texts the results table needs, whoever
// calls (a window, the tool).
#include <string>

#include "core/race_state.h"
#include "core/race_store.h"

namespace sc {

struct RaceResultsStop {
    std::string message;  // for the user, current language
};

// Race state.CurrentRace of state.AppFolder; `header` receives its PROVA.DAD.
// Throws RaceResultsStop when PROVA.DAD cannot be read.
RaceState RaceResultsState(const RaceState& state, RaceHeader& header);

// Writes `text` (UTF-8, CR LF) to `file` in Windows-1252, whole or not at all.
// Throws RaceResultsStop with the user's message when it cannot.
void WriteWindowsText(const RaceState& state, const std::filesystem::path& file, const std::string& text);

}  // namespace sc
