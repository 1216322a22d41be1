// A full race, 99 participants x 99 heats (9,801 rows), read from its series
// files, filtered and ranked by each criterion.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "generated_series.h"
#include "results/results_table.h"

namespace {
namespace fs = std::filesystem;

using bench::kHeats;
using bench::kParticipants;

// CRS001.PAR and CRS001.DAD of a race whose every heat stores all 99 rows.
struct GeneratedRace {
    GeneratedRace() {
        folder = fs::temp_directory_path() / ("slotcursa-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
        bench::writeGeneratedSeries(folder, "CRS001");
        state.SeriesCount = {0, 0, 0, 0, 1};
        state.Msg[0][0] = "v";
        state.Msg[0][1] = "s";
    }
    ~GeneratedRace() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    sc::SeriesFolder source() const {
        sc::TrackConfig track;
        track.LaneCount = 8;
        return sc::SeriesFolder{folder, static_cast<int>(sc::Modality::Race), track, {}};
    }
    fs::path folder;
    sc::RaceState state;
};

const GeneratedRace& race() {
    static const GeneratedRace generated;
    return generated;
}

// Load (rows read, filtered, ranked by total laps), then a click on the criterion under test.
void LoadFilterRank(benchmark::State& bench) {
    const auto criterion = static_cast<sc::Criterion>(bench.range(0));
    for (auto _ : bench) {
        sc::Resultats results(race().state, race().source());
        results.Load(0);  // filters and ranks by total laps
        results.CriteriOrdre_Click(criterion);
        if (results.LlistaVoltes.Rows() != kParticipants * kHeats + 1) bench.SkipWithError("rows missing");
        benchmark::DoNotOptimize(results.LlistaVoltes.TextMatrix(1, 0));
    }
}
BENCHMARK(LoadFilterRank)
    ->DenseRange(1, 4)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// A criterion click on a loaded table, as the window does it.
void Rank(benchmark::State& bench) {
    const auto criterion = static_cast<sc::Criterion>(bench.range(0));
    sc::Resultats results(race().state, race().source());
    results.Load(0);
    for (auto _ : bench) {
        results.CriteriOrdre_Click(criterion);
        results.CriteriOrdre_Click(sc::Criterion::FastestLap == criterion ? sc::Criterion::TotalLaps
                                                                          : sc::Criterion::FastestLap);
    }
}
BENCHMARK(Rank)->DenseRange(1, 4)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace
