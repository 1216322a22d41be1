#include "acquisition/frame_decoder.h"

#include <optional>
#include <string>

#include "acquisition/lap_counter_fields.h"
#include "acquisition/status_codes.h"

namespace sc {

namespace {

uint8_t at(const std::string& frame, std::size_t index) { return static_cast<uint8_t>(frame[index]); }

// Adds the byte to the frame being assembled; gives the frame once it is complete and
// not a repeat of the last one.
std::optional<std::string> assembleFrame(ConnectionState& connection, uint8_t byte) {
    std::string& buffer = connection.receiveBuffer;
    if (buffer.size() >= frame::kLength) buffer.clear();
    if (buffer.empty() && byte != frame::kStart) return std::nullopt;
    if (buffer.size() == frame::kLength - 1 && byte != frame::kEnd) {
        buffer.clear();
        if (byte != frame::kStart) return std::nullopt;
    }
    buffer.push_back(static_cast<char>(byte));
    if (buffer.size() < frame::kLength) return std::nullopt;
    std::string complete;
    complete.swap(buffer);
    if (complete == connection.lastFrame) return std::nullopt;
    connection.lastFrame = complete;
    return complete;
}

float frameLapTime(const std::string& frame) {
    const double seconds = 60.0 * bcdValue(at(frame, frame::kMinutes)) +
                           bcdValue(at(frame, frame::kSeconds)) +
                           bcdValue(at(frame, frame::kHundredths)) / 100.0 +
                           bcdValue(at(frame, frame::kTenThousandths)) / 10000.0;
    return static_cast<float>(seconds);
}

std::vector<LapCounterAction> frameDetection(const ConnectionState& connection, const std::string& frame,
                                             double pcClock) {
    const auto order =
        connection.model == LapCounterModel::DS200 ? SensorOrder::Direct : SensorOrder::Reversed;
    const auto sensor = sensorFromBit(at(frame, frame::kMask), order);
    if (!sensor) return {};
    const int bank = connection.model == LapCounterModel::DS300DS4port ? at(frame, frame::kBank) : 1;
    const auto lane = laneOfSensor(connection, *sensor, bank);
    if (!lane) return {};
    return {Detection{*lane, frameLapTime(frame), pcClock}};
}

std::vector<LapCounterAction> actOnFrame(const ConnectionState& connection, const std::string& frame,
                                         double pcClock, const HeatView& heat) {
    const uint8_t code = at(frame, frame::kCode);
    const HeatPhase phase = heat.heatRunning ? HeatPhase::Running : HeatPhase::BeforeStart;
    if (const auto status = statusOfCode(StatusFamily::Frame, phase, code)) {
        return statusActions(*status, heat, pcClock);
    }
    if (!heat.heatRunning) return {};
    return frameDetection(connection, frame, pcClock);
}

}  // namespace

std::vector<LapCounterAction> feedFrameByte(ConnectionState& connection, uint8_t byte, double pcClock,
                                            const HeatView& heat) {
    const auto frame = assembleFrame(connection, byte);
    // Frames keep being assembled while the heat panel is hidden, so a repeat is still
    // recognised when it opens, but they do nothing.
    if (!frame || !heat.panelVisible) return {};
    return actOnFrame(connection, *frame, pcClock, heat);
}

}  // namespace sc
