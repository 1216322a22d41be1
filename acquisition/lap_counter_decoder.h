#pragma once
// Lap-counter decoders: pure functions from the bytes of one connection to actions.
// The port hands them one byte per read; a connection keeps what they need between bytes.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "acquisition/lap_counter_actions.h"
#include "acquisition/lap_counter_model.h"

namespace sc {

// A DS030 pass whose three time bytes are still on their way.
struct PendingPass {
    std::optional<int16_t> lane;  // none for a lane outside the connection: its time bytes are skipped
    double pcClock = 0;           // clock of its code byte
    std::array<uint8_t, 3> timeBytes{};
    int received = 0;
};

struct ConnectionState {
    LapCounterModel model = LapCounterModel::DS300;
    int16_t firstLane = 1;  // lanes served by this connection
    int16_t lastLane = 8;
    std::string receiveBuffer;  // bytes of a frame or summary block being assembled
    std::string lastFrame;      // last complete frame, to drop the device's repeats
    std::optional<PendingPass> pendingPass;
};

// What the decoding depends on, read from the heat clock and the main window.
struct HeatView {
    bool panelVisible = false;  // a modality is open for heats
    bool heatRunning = false;
    bool paused = false;
    int16_t laneCount = 0;  // lanes of the circuit (DS003 summary)
    float minLapTime = 0;   // DS003 best laps below it show as 99.9999
};

// The view after the heat clock has carried out `action` (start, pause, resume,
// end); for callers that play the decoders without one: simulation, tests, fuzzing.
void followHeatAction(HeatView& heat, const LapCounterAction& action);

// A DS030 pass waits this long for its time bytes before it is timed by the PC.
inline constexpr double kTimeBytesWait = 2.0;

// One received byte of a connection, dispatched on the connection's model.
std::vector<LapCounterAction> feed(ConnectionState& connection, uint8_t byte, double pcClock,
                                   const HeatView& heat);

// A clock tick: hands over a DS030 pass whose time bytes did not come in time.
std::vector<LapCounterAction> tick(ConnectionState& connection, double pcClock, const HeatView& heat);

// Lane of a sensor of this connection, or nothing when outside its range.
std::optional<int16_t> laneOfSensor(const ConnectionState& connection, int sensor, int bank = 1);

// Seconds from an earlier PC clock reading to a later one, across midnight.
double clockSince(double earlier, double later);

}  // namespace sc
