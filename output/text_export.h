#pragma once
// Text export of a race's results (`ExportarProva`, the export window's mode
// 0): for official practice, SuperPole and the race, the lap quadrants and the
// classifications the results table gives under its filters and criteria, as
// one text for a spreadsheet: Windows-1252, CR LF, a tab before every table
// cell. Written whole under a temporary name, so a failure or a cancel leaves
// no half file.

#include <filesystem>
#include <string>

#include "core/race_state.h"
#include "output/race_archive.h"
#include "output/race_results_state.h"

namespace sc {

inline constexpr int kTextExportSteps = 18;  // six sections of three modalities

// The export of race state.CurrentRace of state.AppFolder as text (UTF-8,
// CR LF line ends); the progress goes to `listener` (Percent "step/18").
// `separateQuadrants` is the QuaSep box. Throws RaceResultsStop.
std::string TextExportContent(const RaceState& state, bool separateQuadrants,
                              const ArchiveListener& listener = {});

// Writes TextExportContent to `file` in Windows-1252.
ArchiveOutcome ExportarProva(const RaceState& state, const std::filesystem::path& file,
                             bool separateQuadrants, const ArchiveListener& listener = {});

}  // namespace sc
