#include "acquisition/frame_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "acquisition/lap_counter_decoder.h"
#include "acquisition/lap_counter_encoders.h"
#include "decoder_test_helpers.h"

namespace sc {
namespace {

using test::Actions;
using test::connection;
using test::feedAll;
using test::only;

// A frame written byte by byte, so the layout is checked independently of the encoder.
Bytes rawFrame(uint8_t code, uint8_t mask, uint8_t bank, std::array<uint8_t, 4> time, uint8_t end = 0xEB) {
    Bytes frame(21, 0);
    frame[0] = 0xE0;
    frame[4] = bank;
    frame[8] = code;
    frame[10] = mask;
    std::copy(time.begin(), time.end(), frame.begin() + 14);
    frame[20] = end;
    return frame;
}

Bytes passFrame(uint8_t mask, uint8_t seconds = 0x04, uint8_t bank = 1) {
    return rawFrame(0, mask, bank, {0x00, seconds, 0x50, 0x00});
}

Bytes statusFrame(uint8_t code, uint8_t mask = 0) { return rawFrame(code, mask, 1, {}); }

using FrameDecoder = test::DecoderTest<LapCounterModel::DS300>;

// Stray bytes and a frame with a wrong end byte are dropped; the next frame still decodes.
TEST_F(FrameDecoder, GarbledBytesAreDroppedAndTheNextFrameDecodes) {
    const std::pair<const char*, Bytes> garbled[] = {
        {"bytes before a frame start", {0x01, 0x80, 0xEB, 0x42}},
        {"wrong end byte", rawFrame(0, 0x80, 1, {0, 4, 0, 0}, 0x00)},
    };
    for (const auto& [what, bytes] : garbled) {
        SCOPED_TRACE(what);
        restart();
        EXPECT_TRUE(feed(bytes, 1.0).empty());
        EXPECT_TRUE(device.receiveBuffer.empty());
        EXPECT_EQ(passes(passFrame(0x40), 2.0), (std::vector{Detection{2, 4.5f, 2.0}}));
    }
}

// A frame cut short and sent again whole: once 20 bytes are buffered, a byte
// other than the end byte empties the buffer, and only a frame start begins a
// new one. So every cut before byte 20 loses both; a cut after byte 20 leaves
// the whole frame to follow, its start in place of the end byte. Either way
// the next frame decodes.
TEST_F(FrameDecoder, ACutFrameIsLostWholeAndTheNextFrameDecodes) {
    const Bytes sent = passFrame(0x08, 0x12);
    for (std::size_t cut = 1; cut <= 20; ++cut) {
        SCOPED_TRACE(cut);
        restart();
        Bytes stream(sent.begin(), sent.begin() + static_cast<std::ptrdiff_t>(cut));
        stream.insert(stream.end(), sent.begin(), sent.end());
        const auto expected = cut == 20 ? std::vector{Detection{5, 12.5f, 1.0}} : std::vector<Detection>{};
        EXPECT_EQ(passes(stream, 1.0), expected);
        EXPECT_EQ(passes(passFrame(0x08, 0x13), 2.0), (std::vector{Detection{5, 13.5f, 2.0}}));
    }
}

TEST_F(FrameDecoder, BcdTimeBytesGiveMinutesSecondsHundredthsTenThousandths) {
    EXPECT_EQ(passes(rawFrame(0, 0x80, 1, {0x01, 0x05, 0x23, 0x45}), 1.0),
              (std::vector{Detection{1, 65.2345f, 1.0}}));
}

TEST_F(FrameDecoder, MasksWithoutExactlyOneBitAreNoDetection) {
    for (const uint8_t mask : {0x00, 0x03, 0x81, 0xFF, 0x18})
        EXPECT_TRUE(feed(passFrame(mask), 1.0).empty()) << int{mask};
}

TEST_F(FrameDecoder, SensorOrderIsReversedOnDs300AndDirectOnDs200) {
    auto ds200 = connection(LapCounterModel::DS200);
    EXPECT_EQ(passes(passFrame(0x01), 1.0).at(0).lane, 8);
    EXPECT_EQ(only<Detection>(feedAll(ds200, passFrame(0x01), 1.0, heat)).at(0).lane, 1);
    EXPECT_EQ(only<Detection>(feedAll(ds200, passFrame(0x80), 2.0, heat)).at(0).lane, 8);
}

TEST_F(FrameDecoder, Ds4portBankByteAddsEightLanesPerBank) {
    auto ds4port = connection(LapCounterModel::DS300DS4port, 1, 16);
    heat = test::runningHeat(16);
    const auto passesOf = [&](uint8_t mask, uint8_t seconds, uint8_t bank) {
        return only<Detection>(feedAll(ds4port, passFrame(mask, seconds, bank), seconds, heat));
    };
    EXPECT_EQ(passesOf(0x80, 0x04, 2).at(0).lane, 9);
    EXPECT_EQ(passesOf(0x01, 0x05, 2).at(0).lane, 16);
    EXPECT_TRUE(passesOf(0x80, 0x06, 3).empty()) << "lane 17 is outside";
    EXPECT_TRUE(passesOf(0x80, 0x07, 0).empty()) << "bank 0 gives lane -7";
    // The plain DS300 ignores the bank byte.
    device.lastLane = 16;
    EXPECT_EQ(passes(passFrame(0x80, 0x04, 2), 1.0).at(0).lane, 1);
}

TEST_F(FrameDecoder, HiddenPanelDropsFramesButRemembersTheLastOne) {
    heat = HeatView{false, false, false, 8, 0};
    EXPECT_TRUE(feed(statusFrame(163), 1.0).empty()) << "the start seen while hidden";
    heat.heatRunning = true;
    EXPECT_TRUE(feed(passFrame(0x80), 1.0).empty());
    heat = test::runningHeat();
    EXPECT_TRUE(feed(passFrame(0x80), 2.0).empty()) << "a repeat of the frame seen while hidden";
}

TEST_F(FrameDecoder, StartLightsBeforeTheHeatThenPauseResumeAndKeepAliveWhileRunning) {
    heat = test::openPanel();
    EXPECT_EQ(feed(statusFrame(161), 1.0), (Actions{PanelColour{PanelScope::HeatPanel, 12, true}}));
    EXPECT_EQ(feed(statusFrame(162), 2.0), (Actions{PanelColour{PanelScope::HeatPanel, 10, false}}));
    EXPECT_TRUE(feed(statusFrame(164), 2.5).empty()) << "no keep-alive before a start";
    EXPECT_TRUE(feed(passFrame(0x80), 2.6).empty()) << "no pass before a start";
    EXPECT_EQ(feed(statusFrame(163), 3.0),
              (Actions{PanelColour{PanelScope::HeatPanel, kRestoreColour, false}, StartHeat{3.0}}));

    EXPECT_EQ(feed(statusFrame(164), 11.0), (Actions{KeepAlive{11.0}}));
    EXPECT_EQ(feed(statusFrame(167), 12.0), (Actions{KeepAlive{12.0}}));
    EXPECT_TRUE(feed(statusFrame(163), 12.5).empty()) << "resume while not paused";
    EXPECT_TRUE(feed(statusFrame(166), 12.6).empty()) << "red while not paused";
    EXPECT_EQ(feed(statusFrame(165), 13.0), (Actions{PauseHeat{13.0}}));
    EXPECT_TRUE(feed(statusFrame(165, 1), 13.1).empty()) << "pause while paused";
    EXPECT_EQ(feed(statusFrame(166), 14.0), (Actions{PanelColour{PanelScope::PauseDisplay, 12, false}}));
    EXPECT_EQ(feed(statusFrame(162), 15.0), (Actions{PanelColour{PanelScope::PauseDisplay, 10, false}}));
    EXPECT_EQ(feed(statusFrame(163), 16.0),
              (Actions{PanelColour{PanelScope::PauseDisplay, kRestoreColour, false}, ResumeHeat{16.0}}));
    // While running, 161 is no status: it is read as a pass.
    EXPECT_EQ(passes(rawFrame(161, 0x80, 1, {0, 4, 0, 0}), 17.0).size(), 1u);
}

}  // namespace
}  // namespace sc
