#include "app/race_series_command.h"

#include "app/portada_commands.h"
#include "results/qualification_command.h"

namespace sc {

namespace {
constexpr int kOfficialPractice = 2;
constexpr int kRaceModality = 4;
}  // namespace

void MnuNouCursa_Click(Portada& portada, RaceState& state, Prompter& prompter,
                       const std::function<void()>& openProgramme) {
    RaceSeriesBuild build;
    MnuNou_Click(portada, state, prompter, kRaceModality, [&build](Portada& p, RaceState& s, Prompter& box) {
        // "BotoCls(2)" is enabled when official practice has series.
        const bool classified = p.raceControlsEnabled && p.modalityEnabled[kOfficialPractice];
        build = BuildRaceSeries(s, box, p.LlSeries[kRaceModality].items, classified);
        return build.ran;
    });
    const ListControl& list = portada.LlSeries[kRaceModality];
    // Nothing built, or the race header did not take the new count.
    if (build.stage == QualificationStage::None || state.SeriesCount[kRaceModality] != list.count()) return;
    portada.LlSeries_Click(kRaceModality, build.firstSeries - 1);
    if (openProgramme) openProgramme();
}

}  // namespace sc
