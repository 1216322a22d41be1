#include "core/heat_record.h"

#include <gtest/gtest.h>

#include "failure_offset.h"

namespace sc {
namespace {

// Little-endian bytes of a float, for building records by hand.
void putSingle(Bytes& b, std::size_t at, float f) {
    uint32_t u;
    std::memcpy(&u, &f, 4);
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(u >> (8 * i));
}
void putInteger(Bytes& b, std::size_t at, int16_t v) {
    b[at] = static_cast<uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<uint8_t>((static_cast<uint16_t>(v) >> 8) & 0xFF);
}

HeatRecord sampleParticipant() {
    HeatRecord r;
    r.participant = 7;
    r.totalLaps = 41.25f;
    r.passTime = 40123.5f;
    r.fastestLap = 5.1234f;
    r.fastestLane = 3;
    r.position = -2;
    r.lane = 4;
    r.heatLaps = 10.5f;
    r.placesGained = -1;
    r.lastLap = 5.5f;
    r.bestLap = 5.25f;
    r.key0 = 1;
    r.key1 = 2.5f;
    r.key2 = -3;
    return r;
}

TEST(HeatRecord, EncodesEveryFieldAtItsOffset) {
    Bytes expected(50, 0);
    putInteger(expected, 0, 7);
    putSingle(expected, 2, 41.25f);
    putSingle(expected, 6, 40123.5f);
    putSingle(expected, 10, 5.1234f);
    putInteger(expected, 14, 3);
    putInteger(expected, 16, -2);
    putInteger(expected, 18, 4);
    putSingle(expected, 20, 10.5f);
    putInteger(expected, 24, -1);
    putSingle(expected, 26, 5.5f);
    putSingle(expected, 30, 5.25f);
    putSingle(expected, 34, 1);
    putSingle(expected, 38, 2.5f);
    putSingle(expected, 42, -3);
    EXPECT_EQ(encodeHeatRecord(sampleParticipant()), expected);

    ByteReader in(expected, "CRS001.DAD");
    EXPECT_EQ(decodeHeatRecord(in), sampleParticipant());
    EXPECT_TRUE(in.atEnd());
}

TEST(HeatRecord, HeaderCarriesHeatNumberStartTimeAndCountAndZerosElsewhere) {
    Bytes expected(50, 0);
    putSingle(expected, 6, 40123.2578125f);
    putInteger(expected, 18, 3);
    putInteger(expected, 24, 8);
    auto header = HeatRecord::header(3, 40123.2578125f, 8);
    EXPECT_EQ(encodeHeatRecord(header), expected);
    EXPECT_TRUE(header.isHeader());
    EXPECT_EQ(header.heatNumber(), 3);
    EXPECT_EQ(header.startTime(), 40123.2578125f);
    EXPECT_EQ(header.count(), 8);
    EXPECT_FALSE(sampleParticipant().isHeader());
}

TEST(HeatRecord, DecodeOfAShortRecordFailsAtTheEnd) {
    Bytes shortRecord(49, 0);
    ByteReader in(shortRecord, "CRS001.DAD");
    EXPECT_EQ(test::failureOffset([&] { decodeHeatRecord(in); }), 46u);
}

}  // namespace
}  // namespace sc
