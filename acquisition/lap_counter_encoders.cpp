#include "acquisition/lap_counter_encoders.h"

#include <cstdio>
#include <stdexcept>

#include "acquisition/ds003_decoder.h"
#include "acquisition/frame_decoder.h"
#include "acquisition/lap_counter_fields.h"

namespace sc {

namespace {

constexpr int32_t kTicksPerSecond = 10000;
constexpr int kSensorsPerBank = 8;
constexpr int kMaxBank = 255;

struct TimeParts {
    int minutes, seconds, hundredths, tenThousandths;
};

TimeParts splitTime(int32_t lapTenThousandths) {
    if (lapTenThousandths < 0) throw std::out_of_range("a lap time cannot be negative");
    const int32_t wholeSeconds = lapTenThousandths / kTicksPerSecond;
    const int32_t fraction = lapTenThousandths % kTicksPerSecond;
    return {static_cast<int>(wholeSeconds / 60), static_cast<int>(wholeSeconds % 60),
            static_cast<int>(fraction / 100), static_cast<int>(fraction % 100)};
}

StatusFamily familyOf(LapCounterModel model) {
    if (isFrameModel(model)) return StatusFamily::Frame;
    if (model == LapCounterModel::DS030) return StatusFamily::DS030;
    throw std::invalid_argument("the DS003 sends no status codes");
}

Bytes encodeDs030Pass(int localLane, int32_t lapTenThousandths) {
    if (localLane < 1 || localLane > kSensorsPerBank) throw std::out_of_range("a DS030 has sensors 1 to 8");
    if (lapTenThousandths >= 100 * kTicksPerSecond)
        throw std::out_of_range("a DS030 lap time stays below 100 s");
    const TimeParts t = splitTime(lapTenThousandths);
    // No minutes byte: the seconds run to 99.
    return {maskOfSensor(localLane, SensorOrder::Reversed), toBcd(t.minutes * 60 + t.seconds),
            toBcd(t.hundredths), toBcd(t.tenThousandths)};
}

Bytes encodeFramePass(LapCounterModel model, int localLane, int32_t lapTenThousandths, uint8_t sequence) {
    if (localLane < 1 || localLane > maxLocalLanes(model))
        throw std::out_of_range("no such sensor on this model");
    const int bank = (localLane - 1) / kSensorsPerBank + 1;
    const int sensor = (localLane - 1) % kSensorsPerBank + 1;
    const auto order = model == LapCounterModel::DS200 ? SensorOrder::Direct : SensorOrder::Reversed;
    return encodeFrame({kFramePassCode, static_cast<uint8_t>(bank), maskOfSensor(sensor, order),
                        lapTenThousandths, sequence});
}

}  // namespace

Bytes encodeFrame(const FrameFields& fields) {
    const TimeParts t = splitTime(fields.lapTenThousandths);
    if (t.minutes > 99) throw std::out_of_range("a frame lap time stays below 100 minutes");
    Bytes frame(frame::kLength, 0);
    frame[0] = frame::kStart;
    frame[frame::kSequence] = fields.sequence;
    frame[frame::kBank] = fields.bank;
    frame[frame::kCode] = fields.code;
    frame[frame::kMask] = fields.mask;
    frame[frame::kMinutes] = toBcd(t.minutes);
    frame[frame::kSeconds] = toBcd(t.seconds);
    frame[frame::kHundredths] = toBcd(t.hundredths);
    frame[frame::kTenThousandths] = toBcd(t.tenThousandths);
    frame[frame::kLength - 1] = frame::kEnd;
    return frame;
}

Bytes encodeStatus(LapCounterModel model, HeatPhase phase, DeviceStatus status, int variant,
                   uint8_t sequence) {
    const auto codes = codesOfStatus(familyOf(model), phase, status);
    if (codes.empty()) throw std::invalid_argument("the model has no such status in this phase");
    const uint8_t code = codes[static_cast<std::size_t>(variant) % codes.size()];
    if (model == LapCounterModel::DS030) return {code};
    return encodeFrame({code, 1, 0, 0, sequence});
}

Bytes encodePass(LapCounterModel model, int localLane, int32_t lapTenThousandths, uint8_t sequence) {
    if (model == LapCounterModel::DS030) return encodeDs030Pass(localLane, lapTenThousandths);
    if (isFrameModel(model)) return encodeFramePass(model, localLane, lapTenThousandths, sequence);
    throw std::invalid_argument("the DS003 sends no single passes");
}

int maxLocalLanes(LapCounterModel model) {
    return model == LapCounterModel::DS300DS4port ? kSensorsPerBank * kMaxBank : kSensorsPerBank;
}

Bytes encodeSummary(const std::vector<LaneResult>& lanes) {
    Bytes block{summary::kStx};
    for (const auto& lane : lanes) {
        if (lane.laps < 0 || lane.laps > 9999 || lane.bestTenThousandths < 0 ||
            lane.bestTenThousandths > 999999) {
            throw std::out_of_range("a summary holds 4 digits of laps and 6 of best lap");
        }
        char record[summary::kRecordLength + 1];
        std::snprintf(record, sizeof record, "%04d%06d,", lane.laps,
                      static_cast<int>(lane.bestTenThousandths));
        block.insert(block.end(), record, record + summary::kRecordLength);
    }
    block.push_back(summary::kEot);
    return block;
}

}  // namespace sc
