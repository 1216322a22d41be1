#include "core/heat_record.h"

#include <gtest/gtest.h>

#include "failure_offset.h"
#include "hand_heat_record.h"

namespace sc {
namespace {

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
    const Bytes expected =
        test::handRow({7, 41.25f, 40123.5f, 5.1234f, 3, -2, 4, 10.5f, -1, 5.5f, 5.25f, 1, 2.5f, -3});
    EXPECT_EQ(encodeHeatRecord(sampleParticipant()), expected);

    ByteReader in(expected, "CRS001.DAD");
    EXPECT_EQ(decodeHeatRecord(in), sampleParticipant());
    EXPECT_TRUE(in.atEnd());
}

TEST(HeatRecord, HeaderCarriesHeatNumberStartTimeAndCountAndZerosElsewhere) {
    const Bytes expected = test::handHeader(3, 40123.2578125f, 8);
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
