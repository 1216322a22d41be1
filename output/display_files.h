#pragma once
// The files an outside scoreboard program reads (the main window's button
// Command1): ENTRENAMENTS.TXT (official practice), REPESQUES.TXT (the
// repechages the distribution file gives the race) and CURSA.TXT (a race
// series), written into the race folder from the results. One line per
// participant in ranked order, tab-separated, Windows-1252, CR LF; the
// columns are described in docs/DISPLAY_FILES.md.
#include <string>

#include "core/race_state.h"
#include "output/race_archive.h"

namespace sc {

inline constexpr const char* kPracticeDisplayFile = "ENTRENAMENTS.TXT";
inline constexpr const char* kRepechagesDisplayFile = "REPESQUES.TXT";
inline constexpr const char* kRaceDisplayFile = "CURSA.TXT";

struct DisplayFiles {
    std::string practice, repechages, race;  // UTF-8 texts
};

// The three texts of race state.CurrentRace; CURSA.TXT shows race series
// `raceSeries`. Throws RaceResultsStop.
DisplayFiles DisplayFilesContent(const RaceState& state, int raceSeries);

// Writes the three files into the race folder, each whole or not at all.
ArchiveOutcome WriteDisplayFiles(const RaceState& state, int raceSeries);
// "ENTRENAMENTS.TXT, REPESQUES.TXT and CURSA.TXT written in PROVAnnn." in the language.
std::string DisplayFilesWrittenText(int16_t language, int race);

}  // namespace sc
