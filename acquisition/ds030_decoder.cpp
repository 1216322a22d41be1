#include "acquisition/ds030_decoder.h"

#include "acquisition/lap_counter_fields.h"
#include "acquisition/status_codes.h"

namespace sc {

namespace {

// Line noise the device leaves between a pass code and its time bytes.
bool isFiller(uint8_t byte) { return byte == 0xA6 || byte == 0xA7 || byte == 0xB3; }

bool isKeepAlive(uint8_t byte) { return byte == 164 || byte == 165; }

bool canRegister(const HeatView& heat) { return heat.panelVisible && heat.heatRunning; }

float ds030LapTime(const PendingPass& pass) {
    const double seconds = bcdValue(pass.timeBytes[0]) + bcdValue(pass.timeBytes[1]) / 100.0 +
                           bcdValue(pass.timeBytes[2]) / 10000.0;
    return static_cast<float>(seconds);
}

// A byte that arrives while a pass waits for its time.
std::vector<LapCounterAction> takeTimeByte(ConnectionState& connection, uint8_t byte, double pcClock) {
    if (isFiller(byte)) return {};
    // A keep-alive cannot be a BCD time byte: it keeps the heat alive and the wait goes on.
    if (isKeepAlive(byte)) return {KeepAlive{pcClock}};
    PendingPass& pass = *connection.pendingPass;
    pass.timeBytes[pass.received++] = byte;
    if (pass.received < static_cast<int>(pass.timeBytes.size())) return {};
    const auto lane = pass.lane;
    const Detection detection{lane.value_or(0), ds030LapTime(pass), pass.pcClock};
    connection.pendingPass.reset();
    if (!lane) return {};
    return {detection};
}

std::vector<LapCounterAction> takeCode(ConnectionState& connection, uint8_t code, double pcClock,
                                       const HeatView& heat) {
    const HeatPhase phase = heat.heatRunning ? HeatPhase::Running : HeatPhase::BeforeStart;
    if (const auto status = statusOfCode(StatusFamily::DS030, phase, code)) {
        return statusActions(*status, heat, pcClock);
    }
    if (!heat.heatRunning) return {};
    const auto sensor = sensorFromBit(code, SensorOrder::Reversed);
    if (!sensor) return {};
    // A pass of a lane outside the connection still owns its time bytes: read as codes
    // they could pass for other lanes' masks.
    connection.pendingPass = PendingPass{laneOfSensor(connection, *sensor), pcClock, {}, 0};
    return {};
}

}  // namespace

std::vector<LapCounterAction> flushLatePass(ConnectionState& connection, double pcClock,
                                            const HeatView& heat) {
    if (!connection.pendingPass) return {};
    if (!canRegister(heat)) {
        connection.pendingPass.reset();
        return {};
    }
    if (clockSince(connection.pendingPass->pcClock, pcClock) <= kTimeBytesWait) return {};
    const PendingPass late = *connection.pendingPass;
    connection.pendingPass.reset();
    if (!late.lane) return {};
    return {Detection{*late.lane, 0.0f, late.pcClock}};
}

std::vector<LapCounterAction> feedDs030Byte(ConnectionState& connection, uint8_t byte, double pcClock,
                                            const HeatView& heat) {
    auto actions = flushLatePass(connection, pcClock, heat);
    if (!heat.panelVisible) return actions;
    auto more = connection.pendingPass ? takeTimeByte(connection, byte, pcClock)
                                       : takeCode(connection, byte, pcClock, heat);
    actions.insert(actions.end(), more.begin(), more.end());
    return actions;
}

}  // namespace sc
