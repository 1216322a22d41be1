// A full race, 99 participants x 99 heats (9,801 rows), read from its series
// files, filtered and ranked by each criterion.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>

#include "core/byte_io.h"
#include "core/file_io.h"
#include "core/heat_record.h"
#include "core/race_store.h"
#include "results/results_table.h"

namespace {
namespace fs = std::filesystem;

constexpr int kParticipants = 99;
constexpr int kHeats = 99;

// CRS001.PAR and CRS001.DAD of a race whose every heat stores all 99 rows.
struct GeneratedRace {
    GeneratedRace() {
        folder = fs::temp_directory_path() / ("slotcursa-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
        sc::ParticipantList list{kHeats, {}};
        for (int p = 1; p <= kParticipants; ++p) list.names.push_back("Pilot " + std::to_string(p));
        if (!sc::writeParticipantList(folder / "CRS001.PAR", list))
            throw std::runtime_error("CRS001.PAR not written");
        std::mt19937 random(7);
        sc::Bytes data;
        auto append = [&data](const sc::Bytes& record) {
            data.insert(data.end(), record.begin(), record.end());
        };
        std::vector<float> total(kParticipants + 1, 0);
        for (int h = 1; h <= kHeats; ++h) {
            const float start = 36000.0f + 300.0f * h;
            append(
                sc::encodeHeatRecord(sc::HeatRecord::header(static_cast<int16_t>(h), start, kParticipants)));
            for (int p = 1; p <= kParticipants; ++p) {
                sc::HeatRecord r;
                r.participant = static_cast<int16_t>(p);
                r.heatLaps = static_cast<float>(20 + random() % 4);  // many equal laps: the keys decide
                total[p] += r.heatLaps;
                r.totalLaps = total[p];
                r.passTime = start + 120.0f + static_cast<float>(random() % 3000) / 100.0f;
                r.fastestLap = 4.5f + static_cast<float>(random() % 500) / 1000.0f;
                r.bestLap = r.fastestLap + 0.1f;
                r.lane = static_cast<int16_t>(1 + p % 8);
                append(sc::encodeHeatRecord(r));
            }
        }
        if (!sc::writeFileAtomic(folder / "CRS001.DAD", data))
            throw std::runtime_error("CRS001.DAD not written");
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
