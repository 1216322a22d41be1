#include "acquisition/lap_counter_simulator.h"

#include <gtest/gtest.h>

#include <cmath>

#include "decoder_test_helpers.h"

namespace sc {
namespace {

using test::Actions;
using test::only;

constexpr double kBase = 36000.0;  // the heat plays from 10:00:00

// What the program would make of the simulator's stream: every message's bytes at its clock.
Actions decodePlay(const SimulatorPlay& play, ConnectionState& device, HeatView heat) {
    Actions all;
    for (const auto& message : play.messages) {
        auto actions = test::feedAll(device, message.bytes, kBase + message.offset, heat);
        all.insert(all.end(), actions.begin(), actions.end());
    }
    return all;
}

void expectDecodesToWhatWasPlayed(const SimulatorOptions& options) {
    SCOPED_TRACE(std::string(lapCounterModelName(options.model)) + (options.pause ? " paused" : ""));
    const SimulatorPlay play = playLapCounter(options);
    const int16_t first = static_cast<int16_t>(options.firstLane);
    auto device = test::connection(options.model, first, static_cast<int16_t>(first + options.lanes - 1));
    const Actions actions = decodePlay(play, device, test::openPanel(64));

    std::vector<Detection> played;
    for (const auto& pass : play.passes)
        played.push_back({pass.lane, static_cast<float>(pass.lapTenThousandths / 1e4), kBase + pass.offset});
    EXPECT_EQ(only<Detection>(actions), played);
    EXPECT_EQ(only<StartHeat>(actions), (std::vector{StartHeat{kBase + play.startOffset}}));
    std::vector<KeepAlive> keepAlives;
    for (const double offset : play.keepAlives) keepAlives.push_back(KeepAlive{kBase + offset});
    EXPECT_EQ(only<KeepAlive>(actions), keepAlives);
    if (options.pause) {
        EXPECT_EQ(only<PauseHeat>(actions), (std::vector{PauseHeat{kBase + *play.pauseOffset}}));
        EXPECT_EQ(only<ResumeHeat>(actions), (std::vector{ResumeHeat{kBase + *play.resumeOffset}}));
        EXPECT_EQ(only<PanelColour>(actions).size(), 3u + 3u) << "start lights and pause lights";
    }
    EXPECT_TRUE(only<EndHeat>(actions).empty()) << "the heat ends when the keep-alives stop";
}

SimulatorOptions options(LapCounterModel model) {
    return {.model = model,
            .firstLane = 3,
            .lanes = 4,
            .lapSeconds = 2.5,
            .jitterSeconds = 0.4,
            .heatSeconds = 40,
            .seed = 7};
}

// Plain, then paused with every frame sent twice.
TEST(LapCounterSimulator, StreamDecodesToExactlyWhatWasPlayed) {
    for (const auto model : {LapCounterModel::DS030, LapCounterModel::DS300, LapCounterModel::DS300DS4port,
                             LapCounterModel::DS200}) {
        auto o = options(model);
        if (model == LapCounterModel::DS300DS4port) o.lanes = 20;
        expectDecodesToWhatWasPlayed(o);
        o.pause = PauseSpec{10.0, 6.0};
        o.repeatFrames = true;
        expectDecodesToWhatWasPlayed(o);
    }
}

TEST(LapCounterSimulator, PauseStopsThePassesAndTheLapTimesExcludeIt) {
    auto o = options(LapCounterModel::DS300);
    o.pause = PauseSpec{10.0, 6.0};
    const auto play = playLapCounter(o);
    for (const auto& pass : play.passes) {
        EXPECT_FALSE(pass.offset > *play.pauseOffset && pass.offset < *play.resumeOffset) << pass.offset;
        EXPECT_LE(pass.lapTenThousandths, 29000);
    }
    // Keep-alives go on through the pause, or the heat would end.
    for (std::size_t i = 1; i < play.keepAlives.size(); ++i)
        EXPECT_DOUBLE_EQ(play.keepAlives[i] - play.keepAlives[i - 1], 1.0);
    EXPECT_DOUBLE_EQ(play.keepAlives.back(), play.startOffset + 46.0);
}

TEST(LapCounterSimulator, LapTimesStayWithinTheJitterAndMatchThePassClocks) {
    const auto play = playLapCounter(options(LapCounterModel::DS200));
    ASSERT_GT(play.passes.size(), 40u);
    std::vector<double> lastOffset(20, -1);
    for (const auto& pass : play.passes) {
        auto& last = lastOffset[pass.lane];
        if (last >= 0) {
            EXPECT_GE(pass.lapTenThousandths, 21000);
            EXPECT_LE(pass.lapTenThousandths, 29000);
            EXPECT_NEAR(pass.offset - last, pass.lapTenThousandths / 1e4, 1e-6);
        }
        last = pass.offset;
    }
}

TEST(LapCounterSimulator, SameSeedSameStreamOtherSeedOtherStream) {
    const auto streamOf = [](const SimulatorOptions& o) {
        std::vector<Bytes> stream;
        for (const auto& message : playLapCounter(o).messages) stream.push_back(message.bytes);
        return stream;
    };
    auto other = options(LapCounterModel::DS300);
    other.seed = 8;
    EXPECT_EQ(streamOf(options(LapCounterModel::DS300)), streamOf(options(LapCounterModel::DS300)));
    EXPECT_NE(streamOf(options(LapCounterModel::DS300)), streamOf(other));
}

TEST(LapCounterSimulator, Ds003SendsOneSummaryAtTheEnd) {
    auto o = options(LapCounterModel::DS003);
    o.firstLane = 1;
    const auto play = playLapCounter(o);
    ASSERT_EQ(play.messages.size(), 1u);
    EXPECT_DOUBLE_EQ(play.messages[0].offset, 40.0);
    auto device = test::connection(LapCounterModel::DS003, 1, 4);
    const Actions actions = decodePlay(play, device, test::openPanel(4));
    const auto lanes = only<LaneSummary>(actions);
    ASSERT_EQ(lanes.size(), 4u);
    for (std::size_t i = 0; i < lanes.size(); ++i) {
        EXPECT_EQ(lanes[i].lane, static_cast<int16_t>(i + 1));
        EXPECT_EQ(lanes[i].laps, play.summary[i].laps);
        EXPECT_GE(lanes[i].laps, 13);
        EXPECT_FLOAT_EQ(lanes[i].best, static_cast<float>(play.summary[i].bestTenThousandths / 1e4));
    }
    EXPECT_EQ(only<EndHeat>(actions).size(), 1u);
}

TEST(LapCounterSimulator, RefusesWhatNoDeviceCouldPlay) {
    const auto refused = [](auto change) {
        auto o = options(LapCounterModel::DS300);
        change(o);
        EXPECT_THROW(checkSimulatorOptions(o), std::invalid_argument);
    };
    refused([](SimulatorOptions& o) { o.lanes = 9; });
    refused([](SimulatorOptions& o) { o.lanes = 0; });
    refused([](SimulatorOptions& o) { o.firstLane = 0; });
    refused([](SimulatorOptions& o) { o.jitterSeconds = 2.5; });
    refused([](SimulatorOptions& o) { o.jitterSeconds = -1; });
    refused([](SimulatorOptions& o) { o.heatSeconds = 0; });
    refused([](SimulatorOptions& o) { o.lapSeconds = std::nan(""); });
    refused([](SimulatorOptions& o) { o.pause = PauseSpec{40.0, 5.0}; });
    refused([](SimulatorOptions& o) { o.pause = PauseSpec{10.0, 0.5}; });
    refused([](SimulatorOptions& o) { o.model = LapCounterModel::DS030, o.lapSeconds = 100; });
    refused([](SimulatorOptions& o) { o.model = LapCounterModel::DS003, o.pause = PauseSpec{10.0, 5.0}; });
    refused([](SimulatorOptions& o) { o.model = static_cast<LapCounterModel>(5); });
    refused([](SimulatorOptions& o) { o.heatSeconds = 86400, o.lapSeconds = 0.2, o.jitterSeconds = 0; });
    auto ds4port = options(LapCounterModel::DS300DS4port);
    ds4port.lanes = 32;
    EXPECT_NO_THROW(checkSimulatorOptions(ds4port));
}

}  // namespace
}  // namespace sc
