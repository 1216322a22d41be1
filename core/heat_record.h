#pragma once
// HeatRecord: the 50-byte record of a series heat file (*.DAD). A heat occupies
// one block: a header record (participant 0) followed by `count` participant
// records.

#include <cstddef>
#include <cstdint>

#include "core/byte_io.h"

namespace sc {

inline constexpr std::size_t kHeatRecordSize = 50;

struct HeatRecord {
    int16_t participant = 0;  // 0 in a heat header
    float totalLaps = 0;      // laps and comas
    float passTime = 0;       // header: HeatStartTime
    float fastestLap = 0;
    int16_t fastestLane = 0;
    int16_t position = 0;  // negated for the participant who passed last
    int16_t lane = 0;      // header: heat number
    float heatLaps = 0;
    int16_t placesGained = 0;  // header: number of participant records that follow
    float lastLap = 0;
    float bestLap = 0;
    float key0 = 0;
    float key1 = 0;
    float key2 = 0;
    float unused = 0;  // offset 46, never used; new records carry 0

    static HeatRecord header(int16_t heat, float startTime, int16_t count);
    bool isHeader() const { return participant == 0; }
    int16_t heatNumber() const { return lane; }
    float startTime() const { return passTime; }
    int16_t count() const { return placesGained; }

    bool operator==(const HeatRecord&) const = default;
};

// Offset of the count field inside a header, for messages about a bad count.
inline constexpr std::size_t kHeatCountOffset = 24;

Bytes encodeHeatRecord(const HeatRecord& record);
// Reads one record at the reader's position (FileError when the data ends inside it).
HeatRecord decodeHeatRecord(ByteReader& reader);

}  // namespace sc
