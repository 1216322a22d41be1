#include "acquisition/lap_counter_decoder.h"

#include "acquisition/ds003_decoder.h"
#include "acquisition/ds030_decoder.h"
#include "acquisition/frame_decoder.h"

namespace sc {

std::vector<LapCounterAction> feed(ConnectionState& connection, uint8_t byte, double pcClock,
                                   const HeatView& heat) {
    switch (connection.model) {
        case LapCounterModel::DS003:
            return feedSummaryByte(connection, byte, pcClock, heat);
        case LapCounterModel::DS030:
            return feedDs030Byte(connection, byte, pcClock, heat);
        case LapCounterModel::DS300:
        case LapCounterModel::DS300DS4port:
        case LapCounterModel::DS200:
            return feedFrameByte(connection, byte, pcClock, heat);
    }
    return {};
}

void followHeatAction(HeatView& heat, const LapCounterAction& action) {
    if (std::holds_alternative<StartHeat>(action)) {
        heat.heatRunning = true;
        heat.paused = false;
    } else if (std::holds_alternative<PauseHeat>(action)) {
        heat.paused = true;
    } else if (std::holds_alternative<ResumeHeat>(action)) {
        heat.paused = false;
    } else if (std::holds_alternative<EndHeat>(action)) {
        heat.heatRunning = false;
        heat.paused = false;
    }
}

std::vector<LapCounterAction> tick(ConnectionState& connection, double pcClock, const HeatView& heat) {
    if (connection.model != LapCounterModel::DS030) return {};
    return flushLatePass(connection, pcClock, heat);
}

std::optional<int16_t> laneOfSensor(const ConnectionState& connection, int sensor, int bank) {
    const int lane = sensor + connection.firstLane - 1 + 8 * (bank - 1);
    if (lane < connection.firstLane || lane > connection.lastLane) return std::nullopt;
    return static_cast<int16_t>(lane);
}

double clockSince(double earlier, double later) {
    const double gap = later - earlier;
    return gap < 0 ? gap + 86400.0 : gap;
}

}  // namespace sc
