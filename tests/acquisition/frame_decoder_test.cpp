#include "acquisition/frame_decoder.h"

#include <gtest/gtest.h>

#include "acquisition/lap_counter_decoder.h"
#include "acquisition/lap_counter_encoders.h"
#include "decoder_test_helpers.h"

namespace sc {
namespace {

using test::Actions;
using test::connection;
using test::detectionsOf;
using test::feedAll;

// A frame written byte by byte, so the layout is checked independently of the encoder.
Bytes rawFrame(uint8_t code, uint8_t mask, uint8_t bank, std::array<uint8_t, 4> time, uint8_t end = 0xEB) {
    Bytes frame(21, 0);
    frame[0] = 0xE0;
    frame[4] = bank;
    frame[8] = code;
    frame[10] = mask;
    frame[14] = time[0];
    frame[15] = time[1];
    frame[16] = time[2];
    frame[17] = time[3];
    frame[20] = end;
    return frame;
}

Bytes passFrame(uint8_t mask, uint8_t seconds = 0x04, uint8_t bank = 1) {
    return rawFrame(0, mask, bank, {0x00, seconds, 0x50, 0x00});
}

TEST(FrameDecoder, FrameInPiecesOfOneNineteenOneDecodesOnceAtTheLastPiece) {
    auto ds300 = connection(LapCounterModel::DS300);
    auto heat = test::runningHeat();
    const Bytes frame = passFrame(0x80);
    EXPECT_TRUE(feedAll(ds300, Bytes(frame.begin(), frame.begin() + 1), 10.0, heat).empty());
    EXPECT_TRUE(feedAll(ds300, Bytes(frame.begin() + 1, frame.begin() + 20), 10.5, heat).empty());
    const Actions last = feedAll(ds300, Bytes(frame.begin() + 20, frame.end()), 11.0, heat);
    EXPECT_EQ(last, (Actions{Detection{1, 4.5f, 11.0}}));

    EXPECT_TRUE(feedAll(ds300, frame, 11.1, heat).empty()) << "an exact repeat is ignored";
    EXPECT_EQ(detectionsOf(feedAll(ds300, passFrame(0x80, 0x05), 12.0, heat)),
              (std::vector{Detection{1, 5.5f, 12.0}}));
}

TEST(FrameDecoder, SeveralFramesInOneNotificationAllDecode) {
    auto ds300 = connection(LapCounterModel::DS300);
    auto heat = test::runningHeat();
    Bytes both = passFrame(0x80);
    const Bytes second = passFrame(0x40);
    both.insert(both.end(), second.begin(), second.end());
    EXPECT_EQ(detectionsOf(feedAll(ds300, both, 3.0, heat)),
              (std::vector{Detection{1, 4.5f, 3.0}, Detection{2, 4.5f, 3.0}}));
}

TEST(FrameDecoder, BytesBeforeAFrameStartAreDiscarded) {
    auto ds300 = connection(LapCounterModel::DS300);
    auto heat = test::runningHeat();
    EXPECT_TRUE(feedAll(ds300, {0x01, 0x80, 0xEB, 0x42}, 1.0, heat).empty());
    EXPECT_TRUE(ds300.receiveBuffer.empty());
    EXPECT_EQ(detectionsOf(feedAll(ds300, passFrame(0x80), 2.0, heat)).size(), 1u);
}

TEST(FrameDecoder, WrongEndByteDropsTheFrameAndTheNextFrameStillDecodes) {
    auto ds300 = connection(LapCounterModel::DS300);
    auto heat = test::runningHeat();
    EXPECT_TRUE(feedAll(ds300, rawFrame(0, 0x80, 1, {0, 4, 0, 0}, 0x00), 1.0, heat).empty());
    EXPECT_TRUE(ds300.receiveBuffer.empty());
    EXPECT_EQ(detectionsOf(feedAll(ds300, passFrame(0x40), 2.0, heat)),
              (std::vector{Detection{2, 4.5f, 2.0}}));
}

TEST(FrameDecoder, FrameStartInPlaceOfTheEndByteBeginsTheNextFrame) {
    auto ds300 = connection(LapCounterModel::DS300);
    auto heat = test::runningHeat();
    const Bytes cut = passFrame(0x80);
    Bytes stream(cut.begin(), cut.begin() + 20);
    const Bytes next = passFrame(0x20, 0x07);
    stream.insert(stream.end(), next.begin(), next.end());
    EXPECT_EQ(detectionsOf(feedAll(ds300, stream, 5.0, heat)), (std::vector{Detection{3, 7.5f, 5.0}}));
}

// A frame cut short and sent again whole: once 20 bytes are buffered, a byte
// other than the end byte empties the buffer, and only a frame start begins a
// new one. So every cut before byte 20 loses both; a cut after byte 20 leaves
// the whole frame to follow. Either way the next frame decodes.
TEST(FrameDecoder, ACutFrameIsLostWholeAndTheNextFrameDecodes) {
    const Bytes sent = passFrame(0x08, 0x12);
    const Bytes next = passFrame(0x08, 0x13);
    for (std::size_t cut = 1; cut <= 20; ++cut) {
        auto ds300 = connection(LapCounterModel::DS300);
        auto heat = test::runningHeat();
        Bytes stream(sent.begin(), sent.begin() + static_cast<std::ptrdiff_t>(cut));
        stream.insert(stream.end(), sent.begin(), sent.end());
        const auto expected = cut == 20 ? std::vector{Detection{5, 12.5f, 1.0}} : std::vector<Detection>{};
        EXPECT_EQ(detectionsOf(feedAll(ds300, stream, 1.0, heat)), expected) << "cut after " << cut;
        EXPECT_EQ(detectionsOf(feedAll(ds300, next, 2.0, heat)), (std::vector{Detection{5, 13.5f, 2.0}}))
            << "cut after " << cut;
    }
}

TEST(FrameDecoder, BcdTimeBytesGiveMinutesSecondsHundredthsTenThousandths) {
    auto ds300 = connection(LapCounterModel::DS300);
    auto heat = test::runningHeat();
    const auto d = detectionsOf(feedAll(ds300, rawFrame(0, 0x80, 1, {0x01, 0x05, 0x23, 0x45}), 1.0, heat));
    ASSERT_EQ(d.size(), 1u);
    EXPECT_FLOAT_EQ(d[0].deviceLapTime, 65.2345f);
}

TEST(FrameDecoder, ImpossibleBcdDigitsEndTheNumber) {
    auto ds300 = connection(LapCounterModel::DS300);
    auto heat = test::runningHeat();
    // 0x5A reads 5, 0xA5 reads 0, 0xFF reads 0.
    const auto d = detectionsOf(feedAll(ds300, rawFrame(0, 0x80, 1, {0xFF, 0x5A, 0xA5, 0x00}), 1.0, heat));
    ASSERT_EQ(d.size(), 1u);
    EXPECT_FLOAT_EQ(d[0].deviceLapTime, 5.0f);
}

TEST(FrameDecoder, MasksWithoutExactlyOneBitAreNoDetection) {
    auto ds300 = connection(LapCounterModel::DS300);
    auto heat = test::runningHeat();
    for (const uint8_t mask : {0x00, 0x03, 0x81, 0xFF, 0x18}) {
        EXPECT_TRUE(feedAll(ds300, passFrame(mask), 1.0, heat).empty()) << int{mask};
    }
}

TEST(FrameDecoder, SensorOrderIsReversedOnDs300AndDirectOnDs200) {
    auto ds300 = connection(LapCounterModel::DS300);
    auto ds200 = connection(LapCounterModel::DS200);
    auto heat = test::runningHeat();
    EXPECT_EQ(detectionsOf(feedAll(ds300, passFrame(0x01), 1.0, heat)).at(0).lane, 8);
    EXPECT_EQ(detectionsOf(feedAll(ds200, passFrame(0x01), 1.0, heat)).at(0).lane, 1);
    EXPECT_EQ(detectionsOf(feedAll(ds200, passFrame(0x80), 2.0, heat)).at(0).lane, 8);
}

TEST(FrameDecoder, Ds4portBankByteAddsEightLanesPerBank) {
    auto ds4port = connection(LapCounterModel::DS300DS4port, 1, 16);
    auto heat = test::runningHeat(16);
    EXPECT_EQ(detectionsOf(feedAll(ds4port, passFrame(0x80, 0x04, 2), 1.0, heat)).at(0).lane, 9);
    EXPECT_EQ(detectionsOf(feedAll(ds4port, passFrame(0x01, 0x04, 2), 2.0, heat)).at(0).lane, 16);
    EXPECT_TRUE(feedAll(ds4port, passFrame(0x80, 0x05, 3), 3.0, heat).empty()) << "lane 17 is outside";
    EXPECT_TRUE(feedAll(ds4port, passFrame(0x80, 0x06, 0), 4.0, heat).empty()) << "bank 0 gives lane -7";
    // The plain DS300 ignores the bank byte.
    auto ds300 = connection(LapCounterModel::DS300, 1, 16);
    EXPECT_EQ(detectionsOf(feedAll(ds300, passFrame(0x80, 0x04, 2), 1.0, heat)).at(0).lane, 1);
}

TEST(FrameDecoder, TwoConnectionsServeTheirOwnLanesOnly) {
    auto first = connection(LapCounterModel::DS300, 1, 4);
    auto second = connection(LapCounterModel::DS300, 5, 8);
    auto heat = test::runningHeat();
    EXPECT_EQ(detectionsOf(feedAll(first, passFrame(0x10), 1.0, heat)).at(0).lane, 4);
    EXPECT_TRUE(feedAll(first, passFrame(0x08), 1.0, heat).empty()) << "sensor 5 of lanes 1..4";
    EXPECT_EQ(detectionsOf(feedAll(second, passFrame(0x80), 1.0, heat)).at(0).lane, 5);
    EXPECT_EQ(detectionsOf(feedAll(second, passFrame(0x10), 1.0, heat)).at(0).lane, 8);
    EXPECT_TRUE(feedAll(second, passFrame(0x08), 1.0, heat).empty()) << "lane 9 is outside";
}

TEST(FrameDecoder, HiddenPanelDropsFramesButRemembersTheLastOne) {
    auto ds300 = connection(LapCounterModel::DS300);
    HeatView hidden{false, false, false, 8, 0};
    const Bytes go = encodeStatus(LapCounterModel::DS300, HeatPhase::BeforeStart, DeviceStatus::Go);
    EXPECT_TRUE(feedAll(ds300, go, 1.0, hidden).empty());
    EXPECT_FALSE(hidden.heatRunning);
    hidden.heatRunning = true;
    const Bytes frame = passFrame(0x80);
    EXPECT_TRUE(feedAll(ds300, frame, 1.0, hidden).empty());
    auto shown = test::runningHeat();
    EXPECT_TRUE(feedAll(ds300, frame, 2.0, shown).empty()) << "a repeat of the frame seen while hidden";
}

TEST(FrameDecoder, StartLightsBeforeTheHeat) {
    auto ds300 = connection(LapCounterModel::DS300);
    auto heat = test::openPanel();
    EXPECT_EQ(feedAll(ds300, rawFrame(161, 0, 1, {}), 1.0, heat),
              (Actions{PanelColour{PanelScope::HeatPanel, 12, true}}));
    EXPECT_EQ(feedAll(ds300, rawFrame(162, 0, 1, {}), 2.0, heat),
              (Actions{PanelColour{PanelScope::HeatPanel, 10, false}}));
    EXPECT_TRUE(feedAll(ds300, rawFrame(164, 0, 1, {}), 2.5, heat).empty()) << "no keep-alive before a start";
    EXPECT_TRUE(feedAll(ds300, passFrame(0x80), 2.6, heat).empty()) << "no pass before a start";
    EXPECT_EQ(feedAll(ds300, rawFrame(163, 0, 1, {}), 3.0, heat),
              (Actions{PanelColour{PanelScope::HeatPanel, kRestoreColour, false}, StartHeat{3.0}}));
    EXPECT_TRUE(heat.heatRunning);
}

TEST(FrameDecoder, PauseResumeAndKeepAliveWhileRunning) {
    auto ds300 = connection(LapCounterModel::DS300);
    auto heat = test::runningHeat();
    EXPECT_EQ(feedAll(ds300, rawFrame(164, 0, 1, {}), 1.0, heat), (Actions{KeepAlive{1.0}}));
    EXPECT_EQ(feedAll(ds300, rawFrame(167, 0, 1, {}), 2.0, heat), (Actions{KeepAlive{2.0}}));
    EXPECT_TRUE(feedAll(ds300, rawFrame(163, 0, 1, {}), 2.5, heat).empty()) << "resume while not paused";
    EXPECT_TRUE(feedAll(ds300, rawFrame(166, 0, 1, {}), 2.6, heat).empty()) << "red while not paused";
    EXPECT_EQ(feedAll(ds300, rawFrame(165, 0, 1, {}), 3.0, heat), (Actions{PauseHeat{3.0}}));
    EXPECT_TRUE(feedAll(ds300, rawFrame(165, 1, 1, {}), 3.1, heat).empty()) << "pause while paused";
    EXPECT_EQ(feedAll(ds300, rawFrame(166, 0, 1, {}), 4.0, heat),
              (Actions{PanelColour{PanelScope::PauseDisplay, 12, false}}));
    EXPECT_EQ(feedAll(ds300, rawFrame(162, 0, 1, {}), 5.0, heat),
              (Actions{PanelColour{PanelScope::PauseDisplay, 10, false}}));
    EXPECT_EQ(feedAll(ds300, rawFrame(163, 0, 1, {}), 6.0, heat),
              (Actions{PanelColour{PanelScope::PauseDisplay, kRestoreColour, false}, ResumeHeat{6.0}}));
    // While running, 161 is no status: it is read as a pass.
    EXPECT_EQ(detectionsOf(feedAll(ds300, rawFrame(161, 0x80, 1, {0, 4, 0, 0}), 7.0, heat)).size(), 1u);
}

}  // namespace
}  // namespace sc
