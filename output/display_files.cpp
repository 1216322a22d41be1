#include "output/display_files.h"

#include <algorithm>
#include <set>

#include "core/race_store.h"
#include "localisation/language_tables.h"
#include "organisation/distribution_file.h"
#include "output/race_results_state.h"
#include "results/results_table.h"

namespace sc {

namespace {

constexpr int kPractice = static_cast<int>(Modality::OfficialPractice);
constexpr int kRace = static_cast<int>(Modality::Race);

Resultats loaded(const RaceState& state, int modality, int series) {
    Resultats results(state, RaceSeriesFolder(state, modality));
    results.Load(series);
    if (!results.problems.empty()) throw RaceResultsStop{FileProblemsMessage(state, results.problems)};
    return results;
}

// Ranks by `criterion` and keeps each participant's best row, so the
// positions and gaps are those between participants.
void onePerParticipant(Resultats& results, Criterion criterion) {
    results.criterion = criterion;
    results.Filtrar();
    std::set<std::pair<double, double>> seen;
    Grid& grid = results.LlistaVoltes;
    for (int row : results.VisibleRows())
        if (!seen.emplace(grid.Number(row, rc::Series), grid.Number(row, rc::Number)).second)
            grid.SetRowHeight(row, 0);
    results.CriteriOrdre_Click(criterion);
}

// position, number, name, value, gap to the first, gap to the previous.
void appendLines(std::string& out, Resultats& results, Criterion criterion, int valueCol,
                 const std::string& prefix = "") {
    onePerParticipant(results, criterion);
    const Grid& grid = results.LlistaVoltes;
    for (int row : results.VisibleRows()) {
        std::string position = grid.TextMatrix(row, rc::Position);
        if (position.ends_with(".-")) position.resize(position.size() - 2);
        out += prefix + position;
        for (int col : {rc::Number, rc::Name, valueCol, rc::GapFirst, rc::GapPrevious})
            out += "\t" + grid.TextMatrix(row, col);
        out += "\r\n";
    }
}

// Repechage k is race series k + 1 for the R = 2 x lanes - direct places of
// the distribution record of the field of race series 1.
std::string repechages(const RaceState& state) {
    std::string out;
    const int seriesCount = state.SeriesCount[kRace];
    if (seriesCount < 2) return out;
    Resultats first = loaded(state, kRace, 1);
    const int lanes = RaceSeriesFolder(state, kRace).track.LaneCount;
    const DistributionLookup lookup =
        readDistributionRecord(state.AppFolder, lanes, first.Participant.count() - 1);
    if (lookup.problem != DistributionProblem::None)
        throw RaceResultsStop{distributionProblemMessage(state.Settings.Language, lookup)};
    if (!lookup.record) return out;
    const int count = std::min(repechageCount(lanes, lookup.record->directPlaces), seriesCount - 1);
    for (int k = 1; k <= count; ++k) {
        Resultats results = loaded(state, kRace, k + 1);
        appendLines(out, results, Criterion::TotalLaps, rc::TotalLaps, std::to_string(k) + "\t");
    }
    return out;
}

}  // namespace

DisplayFiles DisplayFilesContent(const RaceState& caller, int raceSeries) {
    RaceHeader header;
    const RaceState state = RaceResultsState(caller, header);
    DisplayFiles files;
    if (state.SeriesCount[kPractice] > 0) {
        Resultats practice = loaded(state, kPractice, 0);
        appendLines(files.practice, practice, Criterion::FastestLap, rc::Fastest);
    }
    files.repechages = repechages(state);
    if (raceSeries >= 1 && raceSeries <= state.SeriesCount[kRace]) {
        Resultats race = loaded(state, kRace, raceSeries);
        appendLines(files.race, race, Criterion::TotalLaps, rc::TotalLaps);
    }
    return files;
}

ArchiveOutcome WriteDisplayFiles(const RaceState& state, int raceSeries) {
    try {
        const DisplayFiles files = DisplayFilesContent(state, raceSeries);
        const auto folder = state.AppFolder / raceFolderName(state.CurrentRace);
        WriteWindowsText(state, folder / kPracticeDisplayFile, files.practice);
        WriteWindowsText(state, folder / kRepechagesDisplayFile, files.repechages);
        WriteWindowsText(state, folder / kRaceDisplayFile, files.race);
    } catch (const RaceResultsStop& stop) {
        return {stop.message};
    }
    return {};
}

std::string DisplayFilesWrittenText(int16_t language, int race) {
    const std::string files = std::string(kPracticeDisplayFile) + ", " + kRepechagesDisplayFile;
    return language == kSpanish
               ? files + " y " + kRaceDisplayFile + " escritos en " + raceFolderName(race) + "."
               : files + " i " + kRaceDisplayFile + " escrits a " + raceFolderName(race) + ".";
}

}  // namespace sc
