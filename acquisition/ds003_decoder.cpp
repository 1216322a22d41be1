#include "acquisition/ds003_decoder.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace sc {

namespace {

// Digits as a number; blanks are skipped and any other character ends it.
int32_t digitsValue(std::string_view text) {
    int32_t value = 0;
    for (char c : text) {
        if (c == ' ') continue;
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::vector<LapCounterAction> decodeBlock(const ConnectionState& connection, std::string_view block,
                                          double pcClock, const HeatView& heat) {
    std::vector<LapCounterAction> actions{StartHeat{pcClock}, KeepAlive{pcClock}};
    for (std::size_t i = 1; i <= static_cast<std::size_t>(std::max<int16_t>(heat.laneCount, 0)) &&
                            block.size() >= summary::kRecordLength * i;
         ++i) {
        const auto record = block.substr(summary::kRecordLength * (i - 1), summary::kRecordLength);
        const auto laps = digitsValue(record.substr(0, summary::kLapsDigits));
        float best = static_cast<float>(
            digitsValue(record.substr(summary::kLapsDigits, summary::kBestDigits)) / 10000.0);
        if (best < heat.minLapTime) best = summary::kNoBest;
        const auto lane = laneOfSensor(connection, static_cast<int>(i));
        if (lane) actions.emplace_back(LaneSummary{*lane, static_cast<int16_t>(laps), best});
    }
    actions.emplace_back(EndHeat{});
    return actions;
}

}  // namespace

std::vector<LapCounterAction> feedSummaryByte(ConnectionState& connection, uint8_t byte, double pcClock,
                                              const HeatView& heat) {
    if (!heat.panelVisible) return {};
    std::string& buffer = connection.receiveBuffer;
    buffer.push_back(static_cast<char>(byte));
    if (byte != summary::kEot) {
        if (buffer.size() > summary::kMaxBlock) buffer.clear();
        return {};
    }
    const auto stx = buffer.find(static_cast<char>(summary::kStx));
    if (stx == std::string::npos) {  // a block without a start is discarded
        buffer.clear();
        return {};
    }
    const std::string block = buffer.substr(stx + 1);
    buffer.clear();
    return decodeBlock(connection, block, pcClock, heat);
}

}  // namespace sc
