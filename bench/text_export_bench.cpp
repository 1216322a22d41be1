// Text export of a full race: official practice, SuperPole and the race, each
// one series of 99 participants x 99 heats, written to a file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "core/race_store.h"
#include "generated_series.h"
#include "output/text_export.h"

namespace {
namespace fs = std::filesystem;

struct GeneratedRace {
    GeneratedRace() {
        app = fs::temp_directory_path() / ("slotcursa-bench-" + std::to_string(std::random_device{}()));
        const fs::path race = app / sc::raceFolderName(1);
        fs::create_directories(race);
        sc::writeRaceHeader(race / sc::kRaceHeaderFileName,
                            sc::RaceHeader{{0, 1, 1, 1}, "Copa", "06-12-2026"});
        for (const char* base : {"OFC001", "SPP001", "CRS001"}) bench::writeGeneratedSeries(race, base);
        state.AppFolder = app;
        state.CurrentRace = 1;
        state.Track.LaneCount = 8;
    }
    ~GeneratedRace() {
        std::error_code ec;
        fs::remove_all(app, ec);
    }
    fs::path app;
    sc::RaceState state;
};

const GeneratedRace& race() {
    static const GeneratedRace generated;
    return generated;
}

// The text alone, without turning it into Windows-1252 and writing it.
void BuildText(benchmark::State& bench) {
    for (auto _ : bench) benchmark::DoNotOptimize(sc::TextExportContent(race().state, false));
}
BENCHMARK(BuildText)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

void ExportFullRace(benchmark::State& bench) {
    const GeneratedRace& race = ::race();
    const bool separate = bench.range(0) != 0;
    for (auto _ : bench) {
        const sc::ArchiveOutcome outcome = sc::ExportarProva(race.state, race.app / "copa.txt", separate);
        if (!outcome.ok()) bench.SkipWithError(outcome.message.c_str());
    }
    bench.counters["bytes"] = static_cast<double>(fs::file_size(race.app / "copa.txt"));
}
BENCHMARK(ExportFullRace)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

}  // namespace
