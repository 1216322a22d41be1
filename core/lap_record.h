#pragma once
// LapRecord: the 24-byte record of the lap log (VLTAVLT.TMP) and of a series
// lap file (*.VAV).

#include <cstddef>
#include <cstdint>

#include "core/byte_io.h"

namespace sc {

inline constexpr std::size_t kLapRecordSize = 24;

struct LapRecord {
    int16_t lane = 0;         // 0 header and end, -1 pause
    int16_t participant = 0;  // LaneParticipant of the lane, 0 otherwise
    float passTime = 0;
    float lapTime = 0;
    int16_t best = 0;    // flag: the lap became the lane's fastest
    int16_t number = 0;  // pass counter, pause number, or record count in header/end
    float extra1 = 0;    // SuperPole sensor event kind
    float extra2 = 0;    // sector time or speed

    bool operator==(const LapRecord&) const = default;
};

Bytes encodeLapRecord(const LapRecord& record);
LapRecord decodeLapRecord(ByteReader& reader);

}  // namespace sc
