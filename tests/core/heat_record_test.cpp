#include "core/heat_record.h"

#include <gtest/gtest.h>

#include <tuple>

#include "failure_offset.h"
#include "hand_heat_record.h"

namespace sc {
namespace {

// Participant, total laps, passing time, fastest lap and its lane, position, lane, heat laps,
// places gained, last and best lap, the three keys.
HeatRecord sampleParticipant() {
    return {7, 41.25f, 40123.5f, 5.1234f, 3, -2, 4, 10.5f, -1, 5.5f, 5.25f, 1, 2.5f, -3};
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
    EXPECT_EQ(std::tuple(header.isHeader(), header.heatNumber(), header.startTime(), header.count()),
              std::tuple(true, 3, 40123.2578125f, 8));
    EXPECT_FALSE(sampleParticipant().isHeader());
}

TEST(HeatRecord, DecodeOfAShortRecordFailsAtTheEnd) {
    Bytes shortRecord(49, 0);
    ByteReader in(shortRecord, "CRS001.DAD");
    EXPECT_EQ(test::failureOffset([&] { decodeHeatRecord(in); }), 46u);
}

}  // namespace
}  // namespace sc
