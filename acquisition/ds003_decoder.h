#pragma once
// The DS003 heat summary: the device counts the whole heat and sends, between STX and
// EOT, one 11-byte record per lane: 4 digits of laps, 6 digits of best lap in
// ten-thousandths of a second, a separator.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "acquisition/lap_counter_decoder.h"

namespace sc::summary {

inline constexpr uint8_t kStx = 2;
inline constexpr uint8_t kEot = 4;
inline constexpr std::size_t kRecordLength = 11;
inline constexpr std::size_t kLapsDigits = 4;
inline constexpr std::size_t kBestDigits = 6;
inline constexpr float kNoBest = 99.9999f;
// No summary is longer than 64 lanes of records; a block past this is noise and is dropped.
inline constexpr std::size_t kMaxBlock = 1024;

}  // namespace sc::summary

namespace sc {

std::vector<LapCounterAction> feedSummaryByte(ConnectionState& connection, uint8_t byte, double pcClock,
                                              const HeatView& heat);

}  // namespace sc
