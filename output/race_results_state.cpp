#include "output/race_results_state.h"

#include "core/cp1252.h"
#include "core/file_error.h"
#include "core/file_io.h"
#include "localisation/language_tables.h"
#include "organisation/race_manager.h"

namespace sc {

RaceState RaceResultsState(const RaceState& state, RaceHeader& header) {
    const auto file = state.AppFolder / raceFolderName(state.CurrentRace) / kRaceHeaderFileName;
    try {
        header = readRaceHeader(file);
    } catch (const FileError& e) {
        throw RaceResultsStop{
            raceFileMessage(state.Settings.Language, RaceFileText::DamagedFile, e.describe())};
    }
    RaceState local = state;
    for (int m = 1; m <= 4; ++m) local.SeriesCount[m] = header.SeriesCount[m - 1];
    // The laps and seconds suffixes of the gaps.
    for (int item : {0, 1})
        if (local.Msg[0][item].empty())
            local.Msg[0][item] = tableMessage(state.Settings.Language, "Portada", 0, item).value_or("");
    return local;
}

void WriteWindowsText(const RaceState& state, const std::filesystem::path& file, const std::string& text) {
    const auto raw = utf8ToCp1252(text);
    if (!raw || !writeFileAtomic(file, *raw))
        throw RaceResultsStop{
            raceFileMessage(state.Settings.Language, RaceFileText::FileNotWritten, file.filename().string())};
}

}  // namespace sc
