#include "decoder_test_helpers.h"

namespace sc::test {

HeatView openPanel(int16_t laneCount, float minLapTime) {
    return HeatView{true, false, false, laneCount, minLapTime};
}

HeatView runningHeat(int16_t laneCount) { return HeatView{true, true, false, laneCount, 0}; }

Actions feedAll(ConnectionState& connection, const Bytes& bytes, double pcClock, HeatView& heat) {
    Actions all;
    for (const uint8_t byte : bytes) {
        for (auto& action : feed(connection, byte, pcClock, heat)) {
            followHeatAction(heat, action);
            all.push_back(std::move(action));
        }
    }
    return all;
}

ConnectionState connection(LapCounterModel model, int16_t firstLane, int16_t lastLane) {
    ConnectionState state;
    state.model = model;
    state.firstLane = firstLane;
    state.lastLane = lastLane;
    return state;
}

}  // namespace sc::test
