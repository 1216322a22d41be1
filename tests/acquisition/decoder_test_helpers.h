#pragma once
// Feeding bytes to a connection the way the port hands them over, with a heat view that
// follows the heat actions as the program's heat clock would.

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "acquisition/lap_counter_decoder.h"
#include "acquisition/lap_counter_encoders.h"

namespace sc {

inline void PrintTo(const LapCounterAction& action, std::ostream* os) { *os << describe(action); }

namespace test {

using Actions = std::vector<LapCounterAction>;

// A panel open for heats, before any start.
inline HeatView openPanel(int16_t laneCount = 8, float minLapTime = 0) {
    return HeatView{true, false, false, laneCount, minLapTime};
}
// A panel open with a heat running.
inline HeatView runningHeat(int16_t laneCount = 8) { return HeatView{true, true, false, laneCount, 0}; }

// Every byte at the same clock, one read each.
inline Actions feedAll(ConnectionState& connection, const Bytes& bytes, double pcClock, HeatView& heat) {
    Actions all;
    for (const uint8_t byte : bytes) {
        for (auto& action : feed(connection, byte, pcClock, heat)) {
            followHeatAction(heat, action);
            all.push_back(std::move(action));
        }
    }
    return all;
}

// The actions of one kind, in order.
template <typename T>
std::vector<T> only(const Actions& actions) {
    std::vector<T> found;
    for (const auto& a : actions)
        if (const auto* x = std::get_if<T>(&a)) found.push_back(*x);
    return found;
}

inline ConnectionState connection(LapCounterModel model, int16_t firstLane = 1, int16_t lastLane = 8) {
    return ConnectionState{model, firstLane, lastLane};
}

// A device of one model on lanes 1..8 with a heat running, fed byte by byte.
template <LapCounterModel kModel>
class DecoderTest : public ::testing::Test {
protected:
    Actions feed(const Bytes& bytes, double pcClock = 1.0) { return feedAll(device, bytes, pcClock, heat); }
    std::vector<Detection> passes(const Bytes& bytes, double pcClock) {
        return only<Detection>(feed(bytes, pcClock));
    }
    Actions tickAt(double pcClock) { return tick(device, pcClock, heat); }
    void restart() { device = connection(kModel); }

    ConnectionState device = connection(kModel);
    HeatView heat = runningHeat();
};

}  // namespace test
}  // namespace sc
