#pragma once
// Where the results, penalties and lap-listing windows read a modality's
// series files: the current race's folder and that race's track (for the
// comas). Kept by the windows, so they never depend on the working folder of
// the moment.
#include <filesystem>
#include <string>
#include <vector>

#include "core/race_state.h"

namespace sc {

struct SeriesFolder {
    std::filesystem::path folder;
    int modality = 0;
    TrackConfig track;
    std::string trackProblem;  // the race's PISTA.CFG could not be read; the program's track is used

    std::filesystem::path file(int series, const char* extension) const;
};

// The current race's folder and its PISTA.CFG (the state's track when the
// race has none or it is damaged).
SeriesFolder RaceSeriesFolder(const RaceState& state, int modality);

// The open programme's folder, modality and track (the heat menu's listing).
SeriesFolder ProgrammeSeriesFolder(const RaceState& state);

// The message for files that could not be read: Msg(7, 10) of the window,
// then one line per file.
std::string FileProblemsMessage(const RaceState& state, const std::vector<std::string>& problems);

}  // namespace sc
