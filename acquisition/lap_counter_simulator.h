#pragma once
// Plays a lap counter: the byte messages a device of a model sends during one heat,
// with their time offsets. Pure and seeded, so a test can replay and check it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "acquisition/lap_counter_encoders.h"
#include "acquisition/lap_counter_model.h"

namespace sc {

struct PauseSpec {
    double at = 0;      // seconds of racing before the pause
    double length = 0;  // seconds
};

struct SimulatorOptions {
    LapCounterModel model = LapCounterModel::DS300;
    int firstLane = 1;
    int lanes = 4;
    double lapSeconds = 5.0;
    double jitterSeconds = 0.5;  // each lap is lapSeconds +- up to this
    double heatSeconds = 30.0;   // racing time, pause excluded
    uint64_t seed = 1;
    std::optional<PauseSpec> pause;
    bool repeatFrames = false;  // send every frame twice, as some devices do
};

struct SimulatorMessage {
    double offset = 0;  // seconds from the first message
    Bytes bytes;
};

struct PlayedPass {
    int16_t lane = 0;  // lane number on the circuit
    int32_t lapTenThousandths = 0;
    double offset = 0;
};

struct SimulatorPlay {
    std::vector<SimulatorMessage> messages;  // in time order
    std::vector<PlayedPass> passes;          // in time order
    std::vector<double> keepAlives;          // offsets
    double startOffset = 0;                  // the heat starts (frame and DS030 models)
    std::optional<double> pauseOffset;
    std::optional<double> resumeOffset;
    std::vector<LaneResult> summary;  // DS003: what the device counted, lanes from the first lane
};

// Throws std::invalid_argument with a one-line reason for options no device could play.
void checkSimulatorOptions(const SimulatorOptions& options);

SimulatorPlay playLapCounter(const SimulatorOptions& options);

}  // namespace sc
