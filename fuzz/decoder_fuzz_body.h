#pragma once
// Feeds arbitrary bytes to a lap-counter connection, with a clock that jumps
// about and a heat view that follows the actions, and checks what comes out.
// Each fuzz target names the models it plays.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "acquisition/ds003_decoder.h"
#include "acquisition/frame_decoder.h"
#include "acquisition/lap_counter_decoder.h"

namespace sc::fuzz {

constexpr double kMaxStep = 0.9;

inline void check(bool condition) {
    if (!condition) std::abort();
}

inline void checkActions(const std::vector<LapCounterAction>& actions, const ConnectionState& connection,
                         const HeatView& before, double clock) {
    // A hidden heat panel lets nothing through.
    if (!before.panelVisible) check(actions.empty());
    for (const auto& action : actions) {
        if (const auto* d = std::get_if<Detection>(&action)) {
            check(before.heatRunning);
            check(d->lane >= connection.firstLane && d->lane <= connection.lastLane);
            check(std::isfinite(d->deviceLapTime) && d->deviceLapTime >= 0 && d->deviceLapTime < 6000);
            check(clockSince(d->pcClock, clock) <= kTimeBytesWait + 3 * kMaxStep);
        } else if (const auto* s = std::get_if<LaneSummary>(&action)) {
            check(s->lane >= connection.firstLane && s->lane <= connection.lastLane);
            check(s->lane - connection.firstLane < before.laneCount);
            check(s->laps >= 0 && s->laps <= 9999);
            check(s->best >= before.minLapTime || s->best == summary::kNoBest);
        } else if (std::holds_alternative<PauseHeat>(action)) {
            check(before.heatRunning && !before.paused);
        } else if (std::holds_alternative<ResumeHeat>(action)) {
            check(before.heatRunning && before.paused);
        }
    }
    check(connection.receiveBuffer.size() <= std::max(frame::kLength, summary::kMaxBlock));
    if (isFrameModel(connection.model))
        check(connection.lastFrame.empty() || connection.lastFrame.size() == frame::kLength);
}

// Byte 0: model (among `models`) and first lane; byte 1: lanes served, whether the
// heat panel opens and closes now and then, and the clock step; every further byte
// goes to the decoder.
inline int fuzzDecoder(const uint8_t* data, std::size_t size, std::initializer_list<int> models) {
    if (size < 2) return 0;
    const int choices = static_cast<int>(models.size());
    ConnectionState connection;
    connection.model = static_cast<LapCounterModel>(models.begin()[data[0] % choices]);
    connection.firstLane = static_cast<int16_t>(1 + (data[0] / choices) % 9);
    connection.lastLane = static_cast<int16_t>(connection.firstLane + (data[1] & 0x1F));
    const bool panelBlinks = (data[1] & 0x20) != 0;
    HeatView heat{true, false, false, static_cast<int16_t>(data[1] & 0x1F), 1.5f};
    const double step = (data[1] & 0xC0) == 0xC0 ? kMaxStep : (data[1] & 0xC0) / 640.0;
    double clock = 86395.0;  // crosses midnight on longer inputs
    for (std::size_t i = 2; i < size; ++i) {
        clock += step * ((i % 3) + 1);
        if (clock >= 86400.0) clock -= 86400.0;
        if (panelBlinks && i % 50 == 0) heat.panelVisible = !heat.panelVisible;
        const HeatView before = heat;
        auto actions = feed(connection, data[i], clock, heat);
        checkActions(actions, connection, before, clock);
        for (const auto& action : actions) followHeatAction(heat, action);
        if (i % 16 == 0) {
            const HeatView atTick = heat;
            auto late = tick(connection, clock, heat);
            checkActions(late, connection, atTick, clock);
        }
    }
    return 0;
}

}  // namespace sc::fuzz
