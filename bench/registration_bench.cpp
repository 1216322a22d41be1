// From a detection handed to registration to its lap-log record written and
// the lane's block updated, over 64 lanes.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "heat/lap_registration.h"
#include "heat/rejected_detections.h"
#include "core/race_state.h"
#include "standings/voltaavolta.h"

namespace {
namespace fs = std::filesystem;

void BM_RegisterDetection64Lanes(benchmark::State& bench) {
    constexpr int kLanes = 64;
    const fs::path folder = fs::temp_directory_path() / "registration_bench";
    fs::create_directories(folder);
    sc::RaceState state;
    state.Track.LaneCount = kLanes;
    state.Track.LaneChange.assign(kLanes + 1, 0);
    state.Track.LaneChange[0] = kLanes;
    state.Track.LaneParticipant.assign(kLanes + 1, 1);
    state.Track.LastPassTime.assign(kLanes + 1, 0);
    state.Track.CarriedTime.assign(kLanes + 1, 0);
    state.Track.MinLapTime = 1.0f;
    state.HeatStartTime = 1000;
    sc::LapLog log(folder);
    sc::VoltaaVolta view(kLanes, state.Settings);
    sc::RejectedDetections errors;
    sc::StandingsSink sink;
    sc::LapRegistration registration(state, log, view, errors, sink);
    view.SetUpAllLanes();
    log.Create(state.HeatStartTime, 1);

    int lane = 0;
    double clock = state.HeatStartTime;
    for (auto _ : bench) {
        lane = lane % kLanes + 1;
        if (lane == 1) clock += 4.0;
        double lapTime = 0;
        registration.RegisterDetection(lane, lapTime, clock);
        benchmark::DoNotOptimize(lapTime);
    }
    bench.SetItemsProcessed(bench.iterations());
    log.Discard();
    fs::remove_all(folder);
}
BENCHMARK(BM_RegisterDetection64Lanes);

}  // namespace
