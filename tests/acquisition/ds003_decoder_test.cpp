#include <gtest/gtest.h>

#include <string>

#include "acquisition/lap_counter_decoder.h"
#include "decoder_test_helpers.h"

namespace sc {
namespace {

using test::Actions;
using test::connection;
using test::feedAll;

Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

const std::string kFourLanes =
    "\x02"
    "0012012345,0011012345,0010012345,0009012345,"
    "\x04";

TEST(Ds003Decoder, SummaryOfFourLanesStartsReportsAndEndsTheHeat) {
    auto ds003 = connection(LapCounterModel::DS003);
    auto heat = test::openPanel(4, 1.0f);
    const Actions actions = feedAll(ds003, bytesOf(kFourLanes), 50.0, heat);
    EXPECT_EQ(actions, (Actions{StartHeat{50.0}, KeepAlive{50.0}, LaneSummary{1, 12, 1.2345f},
                                LaneSummary{2, 11, 1.2345f}, LaneSummary{3, 10, 1.2345f},
                                LaneSummary{4, 9, 1.2345f}, EndHeat{}}));
    EXPECT_TRUE(ds003.receiveBuffer.empty());
}

TEST(Ds003Decoder, BestBelowTheMinimumLapTimeShowsAsNoBest) {
    auto ds003 = connection(LapCounterModel::DS003);
    auto heat = test::openPanel(4, 2.0f);
    const Actions actions = feedAll(ds003,
                                    bytesOf("\x02"
                                            "0003012345,0003023456,"
                                            "\x04"),
                                    1.0, heat);
    EXPECT_EQ(actions.at(2), (LapCounterAction{LaneSummary{1, 3, 99.9999f}}));
    EXPECT_EQ(actions.at(3), (LapCounterAction{LaneSummary{2, 3, 2.3456f}}));
}

TEST(Ds003Decoder, BytesBeforeTheStxAreIgnoredAndOnlyCompleteRecordsCount) {
    auto ds003 = connection(LapCounterModel::DS003);
    auto heat = test::openPanel(8);
    // A record needs its 11 bytes; the EOT can stand in for the last separator.
    const Actions actions = feedAll(ds003,
                                    bytesOf("noise\x02"
                                            "0001050000,0002060000"
                                            "\x04"),
                                    1.0, heat);
    EXPECT_EQ(actions, (Actions{StartHeat{1.0}, KeepAlive{1.0}, LaneSummary{1, 1, 5.0f},
                                LaneSummary{2, 2, 6.0f}, EndHeat{}}));
    const Actions shortRecord = feedAll(ds003,
                                        bytesOf("\x02"
                                                "0001050000,00020600"
                                                "\x04"),
                                        2.0, heat);
    EXPECT_EQ(shortRecord.size(), 4u) << "start, keep-alive, lane 1, end";
}

TEST(Ds003Decoder, NoMoreLanesThanTheCircuitHas) {
    auto ds003 = connection(LapCounterModel::DS003);
    auto heat = test::openPanel(2);
    EXPECT_EQ(feedAll(ds003, bytesOf(kFourLanes), 1.0, heat).size(), 5u);
}

TEST(Ds003Decoder, BlockWithoutStxIsDiscarded) {
    auto ds003 = connection(LapCounterModel::DS003);
    auto heat = test::openPanel(4);
    EXPECT_TRUE(feedAll(ds003, bytesOf("0012012345,0011012345\x04"), 1.0, heat).empty());
    EXPECT_TRUE(ds003.receiveBuffer.empty());
    EXPECT_EQ(feedAll(ds003, bytesOf(kFourLanes), 2.0, heat).size(), 7u);
}

TEST(Ds003Decoder, SecondConnectionReportsItsOwnLanes) {
    auto second = connection(LapCounterModel::DS003, 5, 8);
    auto heat = test::openPanel(8);
    const Actions actions = feedAll(second, bytesOf(kFourLanes), 1.0, heat);
    ASSERT_EQ(actions.size(), 7u);
    EXPECT_EQ(std::get<LaneSummary>(actions[2]).lane, 5);
    EXPECT_EQ(std::get<LaneSummary>(actions[5]).lane, 8);
}

TEST(Ds003Decoder, NonDigitsEndANumber) {
    auto ds003 = connection(LapCounterModel::DS003);
    auto heat = test::openPanel(1);
    const Actions actions = feedAll(ds003,
                                    bytesOf("\x02"
                                            "12x4 01234Z,"
                                            "\x04"),
                                    1.0, heat);
    EXPECT_EQ(actions.at(2), (LapCounterAction{LaneSummary{1, 12, 0.1234f}}));
}

TEST(Ds003Decoder, HiddenPanelKeepsNothing) {
    auto ds003 = connection(LapCounterModel::DS003);
    HeatView hidden{false, false, false, 4, 0};
    EXPECT_TRUE(feedAll(ds003, bytesOf(kFourLanes.substr(0, 20)), 1.0, hidden).empty());
    EXPECT_TRUE(ds003.receiveBuffer.empty());
    auto heat = test::openPanel(4);
    EXPECT_TRUE(feedAll(ds003, bytesOf(kFourLanes.substr(20)), 2.0, heat).empty())
        << "the block lost its STX";
}

TEST(Ds003Decoder, EndlessNoiseWithoutEotStaysBounded) {
    auto ds003 = connection(LapCounterModel::DS003);
    auto heat = test::openPanel(4);
    EXPECT_TRUE(feedAll(ds003, Bytes(100000, '7'), 1.0, heat).empty());
    EXPECT_LE(ds003.receiveBuffer.size(), 1024u);
    EXPECT_EQ(feedAll(ds003, bytesOf(kFourLanes), 2.0, heat).size(), 7u);
}

}  // namespace
}  // namespace sc
