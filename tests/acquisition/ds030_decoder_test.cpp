#include <gtest/gtest.h>

#include "acquisition/lap_counter_decoder.h"
#include "decoder_test_helpers.h"

namespace sc {
namespace {

using test::Actions;
using test::connection;
using test::detectionsOf;
using test::feedAll;

TEST(Ds030Decoder, PassTakesItsClockFromTheCodeByteAndItsTimeFromTheNextThree) {
    auto ds030 = connection(LapCounterModel::DS030);
    auto heat = test::runningHeat();
    EXPECT_TRUE(feedAll(ds030, {0x80}, 10.0, heat).empty());
    EXPECT_TRUE(feedAll(ds030, {0x05}, 10.01, heat).empty());
    EXPECT_TRUE(feedAll(ds030, {0x23}, 10.02, heat).empty());
    const auto d = detectionsOf(feedAll(ds030, {0x45}, 10.03, heat));
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].lane, 1);
    EXPECT_FLOAT_EQ(d[0].deviceLapTime, 5.2345f);
    EXPECT_EQ(d[0].pcClock, 10.0);
}

TEST(Ds030Decoder, TimeBytesThatLookLikeMasksAreNeverReadAsPasses) {
    auto ds030 = connection(LapCounterModel::DS030);
    auto heat = test::runningHeat();
    // 0x10 s, 0x20 hundredths, 0x40 ten-thousandths: every one a one-bit mask.
    EXPECT_EQ(detectionsOf(feedAll(ds030, {0x01, 0x10, 0x20, 0x40}, 1.0, heat)),
              (std::vector{Detection{8, 10.2040f, 1.0}}));
}

TEST(Ds030Decoder, PassOutsideTheConnectionStillConsumesItsTimeBytes) {
    auto first = connection(LapCounterModel::DS030, 1, 4);
    auto heat = test::runningHeat();
    // Sensor 6 is lane 6, outside 1..4; its time bytes 0x80 0x40 0x20 are masks of lanes 1..3.
    EXPECT_TRUE(feedAll(first, {0x04, 0x80, 0x40, 0x20}, 1.0, heat).empty());
    EXPECT_EQ(detectionsOf(feedAll(first, {0x40, 0x06, 0x00, 0x00}, 2.0, heat)),
              (std::vector{Detection{2, 6.0f, 2.0}}));
}

TEST(Ds030Decoder, FillerBytesAreSkippedWhileWaitingForTime) {
    auto ds030 = connection(LapCounterModel::DS030);
    auto heat = test::runningHeat();
    EXPECT_EQ(detectionsOf(feedAll(ds030, {0x40, 0xA6, 0x07, 0xA7, 0xB3, 0x50, 0xA6, 0x00}, 1.0, heat)),
              (std::vector{Detection{2, 7.5f, 1.0}}));
}

TEST(Ds030Decoder, KeepAliveInPlaceOfATimeByteKeepsTheHeatAliveAndTheWaitGoesOn) {
    auto ds030 = connection(LapCounterModel::DS030);
    auto heat = test::runningHeat();
    const Actions actions = feedAll(ds030, {0x40, 0x07, 0xA4, 0x50, 0xA5, 0x00}, 3.0, heat);
    EXPECT_EQ(actions, (Actions{KeepAlive{3.0}, KeepAlive{3.0}, Detection{2, 7.5f, 3.0}}));
}

TEST(Ds030Decoder, PassWhoseTimeBytesDoNotComeWithinTwoSecondsIsTimedByThePc) {
    auto ds030 = connection(LapCounterModel::DS030);
    auto heat = test::runningHeat();
    EXPECT_TRUE(feedAll(ds030, {0x20, 0x05}, 10.0, heat).empty());
    EXPECT_TRUE(tick(ds030, 11.5, heat).empty());
    EXPECT_TRUE(tick(ds030, 12.0, heat).empty()) << "2 seconds exactly is still in time";
    EXPECT_EQ(tick(ds030, 12.01, heat), (Actions{Detection{3, 0.0f, 10.0}}));
    EXPECT_FALSE(ds030.pendingPass);
    EXPECT_TRUE(tick(ds030, 13.0, heat).empty()) << "handed over once";
}

TEST(Ds030Decoder, LateByteFirstHandsOverThePendingPassThenCountsAsACode) {
    auto ds030 = connection(LapCounterModel::DS030);
    auto heat = test::runningHeat();
    feedAll(ds030, {0x80}, 20.0, heat);
    EXPECT_EQ(feedAll(ds030, {0xA4}, 23.0, heat), (Actions{Detection{1, 0.0f, 20.0}, KeepAlive{23.0}}));
}

TEST(Ds030Decoder, TimeBytesWaitAcrossMidnight) {
    auto ds030 = connection(LapCounterModel::DS030);
    auto heat = test::runningHeat();
    feedAll(ds030, {0x80}, 86399.5, heat);
    EXPECT_TRUE(tick(ds030, 1.0, heat).empty());
    EXPECT_EQ(detectionsOf(feedAll(ds030, {0x04, 0x00, 0x00}, 1.2, heat)),
              (std::vector{Detection{1, 4.0f, 86399.5}}));
    feedAll(ds030, {0x80}, 86399.5, heat);
    EXPECT_EQ(tick(ds030, 1.6, heat), (Actions{Detection{1, 0.0f, 86399.5}}));
}

TEST(Ds030Decoder, StatusCodesBeforeAndDuringTheHeat) {
    auto ds030 = connection(LapCounterModel::DS030);
    auto heat = test::openPanel();
    EXPECT_EQ(feedAll(ds030, {160}, 1.0, heat), (Actions{PanelColour{PanelScope::HeatPanel, 12, true}}));
    EXPECT_EQ(feedAll(ds030, {161}, 2.0, heat), (Actions{PanelColour{PanelScope::HeatPanel, 10, false}}));
    EXPECT_TRUE(feedAll(ds030, {0x80, 164, 163}, 2.5, heat).empty())
        << "no pass, keep-alive or pause before a start";
    EXPECT_EQ(feedAll(ds030, {162}, 3.0, heat),
              (Actions{PanelColour{PanelScope::HeatPanel, kRestoreColour, false}, StartHeat{3.0}}));
    EXPECT_EQ(feedAll(ds030, {164, 165}, 4.0, heat), (Actions{KeepAlive{4.0}, KeepAlive{4.0}}));
    EXPECT_TRUE(feedAll(ds030, {160, 161, 162, 0x03, 0xFF}, 4.5, heat).empty())
        << "lights only count in a pause";
    EXPECT_EQ(feedAll(ds030, {163}, 5.0, heat), (Actions{PauseHeat{5.0}}));
    EXPECT_TRUE(feedAll(ds030, {163}, 5.5, heat).empty());
    EXPECT_EQ(feedAll(ds030, {160, 161}, 6.0, heat),
              (Actions{PanelColour{PanelScope::PauseDisplay, 12, false},
                       PanelColour{PanelScope::PauseDisplay, 10, false}}));
    EXPECT_EQ(feedAll(ds030, {162}, 7.0, heat),
              (Actions{PanelColour{PanelScope::PauseDisplay, kRestoreColour, false}, ResumeHeat{7.0}}));
}

TEST(Ds030Decoder, HiddenPanelDropsBytesAndAnyPendingPass) {
    auto ds030 = connection(LapCounterModel::DS030);
    auto heat = test::runningHeat();
    feedAll(ds030, {0x80, 0x04}, 1.0, heat);
    HeatView hidden = heat;
    hidden.panelVisible = false;
    EXPECT_TRUE(feedAll(ds030, {0x00, 0x00, 0x40, 0x04, 0x00, 0x00, 162}, 1.1, hidden).empty());
    EXPECT_FALSE(ds030.pendingPass);
    EXPECT_TRUE(tick(ds030, 5.0, heat).empty());
}

TEST(Ds030Decoder, PendingPassIsDroppedWhenTheHeatEnds) {
    auto ds030 = connection(LapCounterModel::DS030);
    auto heat = test::runningHeat();
    feedAll(ds030, {0x80}, 1.0, heat);
    heat.heatRunning = false;
    EXPECT_TRUE(tick(ds030, 4.0, heat).empty());
    EXPECT_FALSE(ds030.pendingPass);
}

}  // namespace
}  // namespace sc
