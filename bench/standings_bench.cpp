// One accepted passing to a re-ranked, recoloured live classification.
#include <benchmark/benchmark.h>

#include <string>

#include "core/number_format.h"
#include "core/race_state.h"
#include "standings/classification_columns.h"
#include "standings/standings_engine.h"

namespace {

sc::RaceState raceState(int participants) {
    sc::RaceState state;
    state.CurrentModality = static_cast<int16_t>(sc::Modality::Race);
    state.Track.LaneCount = 8;
    state.Track.LaneChange = {8, 1, 2, 3, 4, 5, 6, 7, 8};
    state.Track.LaneParticipant.assign(9, 0);
    state.Track.LastPassTime.assign(9, 0.0);
    state.Track.LaneSpare.assign(9, 0.0);
    state.ParticipantCount = static_cast<int16_t>(participants);
    state.Participants = {""};
    for (int i = 1; i <= participants; ++i) state.Participants.push_back("Pilot " + std::to_string(i));
    state.Msg[0][0] = "v";
    state.Msg[0][1] = "s";
    state.CurrentHeat = 1;
    state.HeatRunning = -1;
    return state;
}

void AnotarVolta(benchmark::State& bench) {
    const int n = static_cast<int>(bench.range(0));
    sc::RaceState state = raceState(n);
    sc::StandingsEngine engine(state);
    for (int i = 1; i <= n; ++i) {
        // Earlier heats left every participant with laps and a fastest lap.
        engine.InfoClass.SetTextMatrix(i, sc::cls::kNumber, std::to_string(i));
        engine.InfoClass.SetTextMatrix(i, sc::cls::kName, state.Participants[i]);
        engine.InfoClass.SetTextMatrix(i, sc::cls::kLaps, std::to_string(40 + i % 7));
        engine.InfoClass.SetTextMatrix(i, sc::cls::kSeriesKey, sc::FormatNumber(-100.0 - i, "0.00"));
        engine.InfoClass.SetTextMatrix(i, sc::cls::kFastest, sc::FormatNumber(5.0 + i * 0.01, "0.0000"));
    }
    engine.NovaManiga();
    double time = 0;
    int pass = 0;
    for (auto _ : bench) {
        const int lane = pass % 8 + 1;
        const int participant = state.Track.LaneParticipant[lane];
        time += 0.7;
        state.Track.LastPassTime[lane] = time;
        const double lap = 5.0 + (pass % 13) * 0.05;
        const std::string text = sc::FormatNumber(lap, "0.0000");
        engine.AnotarVolta(
            sc::Passing{lane, participant, time, lap, 1, pass < 8 ? "+1" : text, pass < 8 ? "" : "5.0000"});
        ++pass;
    }
}
BENCHMARK(AnotarVolta)->Arg(8)->Arg(24)->Arg(99)->Unit(benchmark::kMicrosecond);

}  // namespace
