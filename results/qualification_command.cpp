#include "results/qualification_command.h"

#include <algorithm>

#include "localisation/file_problem_texts.h"
#include "organisation/distribution_file.h"
#include "organisation/race_manager.h"
#include "results/series_folder.h"

namespace sc {

namespace {

constexpr int kOfficialPractice = 2;
constexpr int kRaceModality = 4;

using Builder = QualificationStage (*)(const QualificationPlan&, Resultats&, RaceSeriesWriter&);

// The stage follows from the race series there are: none yet, the semi-finals
// run (final), series 1 and the repechages run (semi-finals), series 1 run.
Builder BuilderFor(int raceSeries, int repechages) {
    if (raceSeries == 0) return AutoInscritsClass;
    if (raceSeries == repechages + 3) return AutoInscritsFinal;
    if (raceSeries == repechages + 1) return AutoInscritsSemis;
    if (raceSeries == 1) return AutoInscritsRepes;
    return nullptr;
}

// CurrentModality as the results source wants it while the build runs.
class ModalityGuard {
public:
    ModalityGuard(RaceState& state, int modality) : state_(state), previous_(state.CurrentModality) {
        state_.CurrentModality = static_cast<int16_t>(modality);
    }
    ~ModalityGuard() { state_.CurrentModality = previous_; }
    ModalityGuard(const ModalityGuard&) = delete;
    ModalityGuard& operator=(const ModalityGuard&) = delete;

private:
    RaceState& state_;
    int16_t previous_;
};

}  // namespace

RaceSeriesBuild BuildRaceSeries(RaceState& state, Prompter& prompter, std::vector<std::string>& raceSeries,
                                bool officialPracticeClassified) {
    const int built = static_cast<int>(raceSeries.size());
    if (built == 0 && !officialPracticeClassified) return {};
    // Before the first race series the official practice is the source.
    const int source = built == 0 ? kOfficialPractice : kRaceModality;
    const SeriesFolder folder = RaceSeriesFolder(state, source);
    const int lanes = folder.track.LaneCount;
    if (!distributionFileExists(state.AppFolder, lanes)) return {};

    ModalityGuard modality(state, source);
    Resultats results(state, folder);
    results.Load(1);
    const int16_t language = state.Settings.Language;
    if (!results.problems.empty()) {
        // Rows left out would qualify the wrong people: nothing is built.
        std::string files;
        for (const auto& p : results.problems) files += "\n" + p;
        prompter.inform(fileProblemText(language, FileProblemText::QualificationNotBuilt, {files}),
                        msgText(state, "Portada", 0, 3), MessageIcon::Exclamation);
        return {true};
    }
    const int field = results.Participant.count() - 1;
    if (field < 1) return {};
    const DistributionLookup lookup = readDistributionRecord(state.AppFolder, lanes, field);
    const std::string problem = distributionProblemMessage(language, lookup);
    if (!problem.empty()) prompter.inform(problem, "", MessageIcon::Exclamation);
    if (!lookup.record) return {};

    const int direct = lookup.record->directPlaces;
    const QualificationPlan plan{lanes, std::max(repechageCount(lanes, direct), 0), direct};
    const Builder builder = BuilderFor(built, plan.repechages);
    if (!builder) return {};
    RaceSeriesWriter out(state, prompter, raceSeries);
    const QualificationStage stage = builder(plan, results, out);
    if (stage == QualificationStage::None) raceSeries.resize(built);
    return {true, stage, built + 1};
}

}  // namespace sc
