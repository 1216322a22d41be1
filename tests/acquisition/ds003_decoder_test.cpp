#include <gtest/gtest.h>

#include <string>

#include "acquisition/lap_counter_decoder.h"
#include "decoder_test_helpers.h"

namespace sc {
namespace {

using test::Actions;

Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

// Records between STX and EOT.
Bytes block(const std::string& records) { return bytesOf("\x02" + records + "\x04"); }

const Bytes kFourLanes = block("0012012345,0011012345,0010012345,0009012345,");

// A DS003 on lanes 1..8 with the panel open before the start.
class Ds003Decoder : public test::DecoderTest<LapCounterModel::DS003> {
protected:
    Ds003Decoder() { heat = test::openPanel(4); }
};

TEST_F(Ds003Decoder, BestBelowTheMinimumLapTimeShowsAsNoBest) {
    heat.minLapTime = 2.0f;
    EXPECT_EQ(test::only<LaneSummary>(feed(block("0003012345,0003023456,"))),
              (std::vector<LaneSummary>{{1, 3, 99.9999f}, {2, 3, 2.3456f}}));
}

TEST_F(Ds003Decoder, BytesBeforeTheStxAreIgnoredAndOnlyCompleteRecordsCount) {
    // A record needs its 11 bytes; the EOT can stand in for the last separator.
    EXPECT_EQ(feed(bytesOf("noise\x02"
                           "0001050000,0002060000\x04")),
              (Actions{StartHeat{1.0}, KeepAlive{1.0}, LaneSummary{1, 1, 5.0f}, LaneSummary{2, 2, 6.0f},
                       EndHeat{}}));
    EXPECT_EQ(feed(block("0001050000,00020600")).size(), 4u) << "start, keep-alive, lane 1, end";
}

TEST_F(Ds003Decoder, LanesBeyondTheConnectionOrTheCircuitAreDropped) {
    heat.laneCount = 2;
    EXPECT_EQ(feed(kFourLanes).size(), 5u) << "no more lanes than the circuit has";
    auto second = test::connection(LapCounterModel::DS003, 5, 8);
    heat = test::openPanel(8);
    EXPECT_EQ(
        test::only<LaneSummary>(test::feedAll(second, kFourLanes, 2.0, heat)),
        (std::vector<LaneSummary>{{5, 12, 1.2345f}, {6, 11, 1.2345f}, {7, 10, 1.2345f}, {8, 9, 1.2345f}}));
}

TEST_F(Ds003Decoder, NonDigitsEndANumber) {
    heat.laneCount = 1;
    EXPECT_EQ(feed(block("12x4 01234Z,")).at(2), (LapCounterAction{LaneSummary{1, 12, 0.1234f}}));
}

// Garbled streams are dropped without growing the buffer, and the next whole block decodes.
TEST_F(Ds003Decoder, GarbledStreamsAreDroppedAndTheNextBlockDecodes) {
    const struct {
        const char* what;
        Bytes bytes;
        std::size_t bufferLeft;
    } garbled[] = {
        {"block without STX", bytesOf("0012012345,0011012345\x04"), 0},
        {"endless noise without EOT", Bytes(100000, '7'), 1024},
    };
    for (const auto& [what, bytes, bufferLeft] : garbled) {
        SCOPED_TRACE(what);
        restart();
        EXPECT_TRUE(feed(bytes).empty());
        EXPECT_LE(device.receiveBuffer.size(), bufferLeft);
        EXPECT_EQ(feed(kFourLanes, 2.0).size(), 7u);
    }
}

TEST_F(Ds003Decoder, HiddenPanelKeepsNothing) {
    HeatView hidden{false, false, false, 4, 0};
    EXPECT_TRUE(
        test::feedAll(device, Bytes(kFourLanes.begin(), kFourLanes.begin() + 20), 1.0, hidden).empty());
    EXPECT_TRUE(feed(Bytes(kFourLanes.begin() + 20, kFourLanes.end()), 2.0).empty())
        << "the block lost its STX";
}

}  // namespace
}  // namespace sc
