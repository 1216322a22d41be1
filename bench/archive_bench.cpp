// Archive and restore of a 50 MB race folder: a heat-heavy race whose lap files
// dominate, as a long meeting leaves it. Each must stay well under 2 s.
#include <benchmark/benchmark.h>

#include <fstream>
#include <stdexcept>

#include "../tests/temp_folder.h"
#include "core/race_store.h"
#include "organisation/race_manager.h"
#include "output/race_archive.h"

namespace {
namespace fs = std::filesystem;

// PROVA001 with a header and 40 series files of 1.25 MB each.
struct BigRace {
    BigRace() {
        fs::create_directories(race);
        if (!sc::writeRaceHeader(race / sc::kRaceHeaderFileName,
                                 sc::RaceHeader{{0, 10, 10, 20}, "Resistència", "06-12-2026"}))
            throw std::runtime_error("race header not written");
        const std::string block(1250 * 1000, 'v');
        for (int series = 1; series <= 40; ++series)
            std::ofstream(race / (sc::seriesBaseName(4, series) + ".VAV"), std::ios::binary) << block;
        files = sc::raceFolderFiles(race);
    }
    sc::test::TempFolder root;
    fs::path app = root.path() / "app";
    fs::path race = app / "PROVA001";
    fs::path archive = root.path() / "race.prb";
    std::vector<std::string> files;
    sc::RaceState state;
};

void BM_Archive50MB(benchmark::State& state) {
    BigRace big;
    for (auto _ : state) {
        if (!sc::ArxivarProva(big.state, big.race, big.files, big.archive).ok())
            state.SkipWithError("archive failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(big.archive)));
}
BENCHMARK(BM_Archive50MB)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Restore50MB(benchmark::State& state) {
    BigRace big;
    sc::ArxivarProva(big.state, big.race, big.files, big.archive);
    for (auto _ : state) {
        const auto outcome = sc::DesarxivarProva(big.state, big.archive, big.app);
        state.PauseTiming();
        if (!outcome.ok()) state.SkipWithError("restore failed");
        fs::remove_all(big.app / sc::raceFolderName(outcome.raceNumber));
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(big.archive)));
}
BENCHMARK(BM_Restore50MB)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
