#include <gtest/gtest.h>

#include "acquisition/lap_counter_decoder.h"
#include "decoder_test_helpers.h"

namespace sc {
namespace {

using test::Actions;

using Ds030Decoder = test::DecoderTest<LapCounterModel::DS030>;

TEST_F(Ds030Decoder, PassTakesItsClockFromTheCodeByteAndItsTimeFromTheNextThree) {
    EXPECT_TRUE(feed({0x80}, 10.0).empty());
    EXPECT_TRUE(feed({0x05}, 10.01).empty());
    EXPECT_TRUE(feed({0x23}, 10.02).empty());
    EXPECT_EQ(feed({0x45}, 10.03), (Actions{Detection{1, 5.2345f, 10.0}}));
}

// Once a pass code has come, the next three bytes other than filler are its time, whatever they look like.
TEST_F(Ds030Decoder, TimeBytesAreReadWhateverTheyLookLike) {
    const std::pair<Bytes, Actions> cases[] = {
        // 0x10 s, 0x20 hundredths, 0x40 ten-thousandths: every one a one-bit mask.
        {{0x01, 0x10, 0x20, 0x40}, {Detection{8, 10.2040f, 1.0}}},
        // Filler bytes are skipped while waiting.
        {{0x40, 0xA6, 0x07, 0xA7, 0xB3, 0x50, 0xA6, 0x00}, {Detection{2, 7.5f, 1.0}}},
        // A keep-alive in place of a time byte keeps the heat alive and the wait goes on.
        {{0x40, 0x07, 0xA4, 0x50, 0xA5, 0x00}, {KeepAlive{1.0}, KeepAlive{1.0}, Detection{2, 7.5f, 1.0}}},
    };
    for (const auto& [bytes, expected] : cases) {
        restart();
        EXPECT_EQ(feed(bytes, 1.0), expected);
    }
}

TEST_F(Ds030Decoder, PassOutsideTheConnectionStillConsumesItsTimeBytes) {
    device.lastLane = 4;
    // Sensor 6 is lane 6, outside 1..4; its time bytes 0x80 0x40 0x20 are masks of lanes 1..3.
    EXPECT_TRUE(feed({0x04, 0x80, 0x40, 0x20}, 1.0).empty());
    EXPECT_EQ(feed({0x40, 0x06, 0x00, 0x00}, 2.0), (Actions{Detection{2, 6.0f, 2.0}}));
}

TEST_F(Ds030Decoder, PassWhoseTimeBytesDoNotComeWithinTwoSecondsIsTimedByThePcAlsoAcrossMidnight) {
    EXPECT_TRUE(feed({0x20, 0x05}, 10.0).empty());
    EXPECT_TRUE(tickAt(12.0).empty()) << "2 seconds exactly is still in time";
    EXPECT_EQ(tickAt(12.01), (Actions{Detection{3, 0.0f, 10.0}}));
    EXPECT_TRUE(tickAt(13.0).empty()) << "handed over once";

    // A late byte first hands over the pending pass, then counts as a code.
    feed({0x80}, 20.0);
    EXPECT_EQ(feed({0xA4}, 23.0), (Actions{Detection{1, 0.0f, 20.0}, KeepAlive{23.0}}));

    feed({0x80}, 86399.5);
    EXPECT_TRUE(tickAt(1.0).empty());
    EXPECT_EQ(feed({0x04, 0x00, 0x00}, 1.2), (Actions{Detection{1, 4.0f, 86399.5}}));
    feed({0x80}, 86399.5);
    EXPECT_EQ(tickAt(1.6), (Actions{Detection{1, 0.0f, 86399.5}}));
}

TEST_F(Ds030Decoder, StatusCodesBeforeAndDuringTheHeat) {
    heat = test::openPanel();
    EXPECT_EQ(feed({160}, 1.0), (Actions{PanelColour{PanelScope::HeatPanel, 12, true}}));
    EXPECT_EQ(feed({161}, 2.0), (Actions{PanelColour{PanelScope::HeatPanel, 10, false}}));
    EXPECT_TRUE(feed({0x80, 164, 163}, 2.5).empty()) << "no pass, keep-alive or pause before a start";
    EXPECT_EQ(feed({162}, 3.0),
              (Actions{PanelColour{PanelScope::HeatPanel, kRestoreColour, false}, StartHeat{3.0}}));
    EXPECT_EQ(feed({164, 165}, 4.0), (Actions{KeepAlive{4.0}, KeepAlive{4.0}}));
    EXPECT_TRUE(feed({160, 161, 162, 0x03, 0xFF}, 4.5).empty()) << "lights only count in a pause";
    EXPECT_EQ(feed({163}, 5.0), (Actions{PauseHeat{5.0}}));
    EXPECT_TRUE(feed({163}, 5.5).empty());
    EXPECT_EQ(feed({160, 161}, 6.0), (Actions{PanelColour{PanelScope::PauseDisplay, 12, false},
                                              PanelColour{PanelScope::PauseDisplay, 10, false}}));
    EXPECT_EQ(feed({162}, 7.0),
              (Actions{PanelColour{PanelScope::PauseDisplay, kRestoreColour, false}, ResumeHeat{7.0}}));
}

// A pending pass is dropped when the panel is hidden or the heat ends.
TEST_F(Ds030Decoder, PendingPassIsDroppedWithTheHiddenPanelOrTheHeatsEnd) {
    feed({0x80, 0x04}, 1.0);
    HeatView hidden = heat;
    hidden.panelVisible = false;
    EXPECT_TRUE(test::feedAll(device, {0x00, 0x00, 0x40, 0x04, 0x00, 0x00, 162}, 1.1, hidden).empty());
    EXPECT_TRUE(tickAt(5.0).empty());

    feed({0x80}, 6.0);
    heat.heatRunning = false;
    EXPECT_TRUE(tickAt(9.0).empty());
    EXPECT_FALSE(device.pendingPass);
}

}  // namespace
}  // namespace sc
