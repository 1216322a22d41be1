#pragma once
// The 21-byte frames of the DS300, the DS300 with DS4port and the DS200.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "acquisition/lap_counter_decoder.h"

namespace sc::frame {

inline constexpr std::size_t kLength = 21;
inline constexpr uint8_t kStart = 0xE0;
inline constexpr uint8_t kEnd = 0xEB;

// 0-based positions of the bytes read; the others are not used.
inline constexpr std::size_t kSequence = 1;  // unused by the decoder; the encoder numbers frames here
inline constexpr std::size_t kBank = 4;
inline constexpr std::size_t kCode = 8;
inline constexpr std::size_t kMask = 10;
inline constexpr std::size_t kMinutes = 14;
inline constexpr std::size_t kSeconds = 15;
inline constexpr std::size_t kHundredths = 16;
inline constexpr std::size_t kTenThousandths = 17;

}  // namespace sc::frame

namespace sc {

std::vector<LapCounterAction> feedFrameByte(ConnectionState& connection, uint8_t byte, double pcClock,
                                            const HeatView& heat);

}  // namespace sc
