#include "results/series_folder.h"

#include "core/file_error.h"
#include "core/race_store.h"
#include "core/settings_files.h"

namespace sc {
namespace fs = std::filesystem;

fs::path SeriesFolder::file(int series, const char* extension) const {
    return folder / (seriesBaseName(modality, series) + extension);
}

SeriesFolder RaceSeriesFolder(const RaceState& state, int modality) {
    SeriesFolder source{state.AppFolder / raceFolderName(state.CurrentRace), modality, state.Track, {}};
    const fs::path pista = source.folder / kTrackFileName;
    if (!fs::exists(pista)) return source;
    try {
        source.track = loadTrackConfig(pista);
    } catch (const FileError& e) {
        source.trackProblem = e.describe();
    }
    return source;
}

SeriesFolder ProgrammeSeriesFolder(const RaceState& state) {
    return SeriesFolder{state.WorkingFolder, state.CurrentModality, state.Track, {}};
}

std::string FileProblemsMessage(const RaceState& state, const std::vector<std::string>& problems) {
    std::string text = state.Msg[7][10];
    for (const auto& p : problems) text += "\n" + p;
    return text;
}

}  // namespace sc
