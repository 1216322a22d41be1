#pragma once
// Bytes as each lap-counter model sends them: the inverse of the decoders, for the
// tests and the simulator.

#include <cstdint>
#include <vector>

#include "acquisition/lap_counter_model.h"
#include "acquisition/status_codes.h"

namespace sc {

using Bytes = std::vector<uint8_t>;

struct FrameFields {
    uint8_t code = 0;
    uint8_t bank = 1;
    uint8_t mask = 0;
    int32_t lapTenThousandths = 0;  // below 100 minutes
    uint8_t sequence = 0;           // an unused byte, so consecutive messages never look like repeats
};

// Frames carry this code for a pass: it is no status code in either phase.
inline constexpr uint8_t kFramePassCode = 0x00;

Bytes encodeFrame(const FrameFields& fields);

// A race-control status; variant picks among the codes of the same status (keep-alive has two).
// Throws std::invalid_argument when the model has no such status in that phase.
Bytes encodeStatus(LapCounterModel model, HeatPhase phase, DeviceStatus status, int variant = 0,
                   uint8_t sequence = 0);

// A pass on the connection's sensor localLane (1-based from its first lane; past 8 it
// goes to the following banks of a DS4port). Throws std::invalid_argument or
// std::out_of_range for what the model cannot send.
Bytes encodePass(LapCounterModel model, int localLane, int32_t lapTenThousandths, uint8_t sequence = 0);

// Largest localLane that encodePass takes.
int maxLocalLanes(LapCounterModel model);

struct LaneResult {
    int laps = 0;                    // 0..9999
    int32_t bestTenThousandths = 0;  // 0..999999
};

// A DS003 summary block, STX to EOT, lanes from 1.
Bytes encodeSummary(const std::vector<LaneResult>& lanes);

}  // namespace sc
