// The cost per pass of the lap log: each record is written and fdatasync'ed
// before the next event, so this is the time a detection waits for the disk.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "core/lap_log.h"

namespace {

namespace fs = std::filesystem;

void BM_LapLogSyncedAppend(benchmark::State& bench) {
    const fs::path folder = fs::temp_directory_path() / ("sc_lap_log_bench_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    {
        sc::LapLog log(folder);
        if (!log.Create(36000, 1)) bench.SkipWithError("the lap log cannot be created");
        sc::LapRecord pass;
        pass.lane = 1;
        pass.participant = 1;
        pass.lapTime = 4.25f;
        int16_t number = 0;
        for (auto _ : bench) {
            pass.number = ++number;
            pass.passTime += 4.25f;
            if (!log.Append(pass)) bench.SkipWithError("a lap-log append failed");
        }
        bench.SetItemsProcessed(bench.iterations());
        log.Discard();
    }
    fs::remove_all(folder);
}
// Wall time: the CPU only waits while the disk takes the record.
BENCHMARK(BM_LapLogSyncedAppend)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
