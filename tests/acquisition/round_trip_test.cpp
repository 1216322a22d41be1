#include <gtest/gtest.h>

#include "acquisition/lap_counter_encoders.h"
#include "decoder_test_helpers.h"

namespace sc {
namespace {

using test::Actions;
using test::connection;
using test::feedAll;

constexpr LapCounterModel kPassModels[] = {LapCounterModel::DS030, LapCounterModel::DS300,
                                           LapCounterModel::DS300DS4port, LapCounterModel::DS200};

TEST(RoundTrip, EveryPassDecodesToTheLaneAndTimeEncoded) {
    for (const auto model : kPassModels) {
        const int lanes = model == LapCounterModel::DS300DS4port ? 32 : 8;
        auto device = connection(model, 3, static_cast<int16_t>(2 + lanes));
        auto heat = test::runningHeat(64);
        for (int local = 1; local <= lanes; ++local) {
            for (const int32_t time : {0, 1, 99, 42345, 652345, 999999, 59999999}) {
                if (model == LapCounterModel::DS030 && time >= 1000000)
                    continue;  // only frames carry minutes
                const Actions actions = feedAll(device, encodePass(model, local, time), 7.0, heat);
                ASSERT_EQ(actions.size(), 1u)
                    << lapCounterModelName(model) << " lane " << local << " time " << time;
                const auto& d = std::get<Detection>(actions[0]);
                EXPECT_EQ(d.lane, 2 + local);
                EXPECT_FLOAT_EQ(d.deviceLapTime, static_cast<float>(time / 10000.0));
                EXPECT_EQ(d.pcClock, 7.0);
            }
        }
    }
}

TEST(RoundTrip, EncodersRefuseWhatTheDeviceCannotSend) {
    EXPECT_THROW(encodePass(LapCounterModel::DS300, 1, 60'000'000), std::out_of_range);
    EXPECT_THROW(encodePass(LapCounterModel::DS030, 1, 1'000'000), std::out_of_range);
    EXPECT_THROW(encodePass(LapCounterModel::DS300, 9, 1), std::out_of_range);
    EXPECT_THROW(encodePass(LapCounterModel::DS003, 1, 1), std::invalid_argument);
}

TEST(RoundTrip, SummaryDecodesToItsLanes) {
    const std::vector<LaneResult> lanes{{0, 0}, {9999, 999999}, {12, 31234}, {7, 20000}};
    auto ds003 = connection(LapCounterModel::DS003);
    auto heat = test::openPanel(4, 0.0f);
    EXPECT_EQ(
        feedAll(ds003, encodeSummary(lanes), 9.0, heat),
        (Actions{StartHeat{9.0}, KeepAlive{9.0}, LaneSummary{1, 0, 0.0f}, LaneSummary{2, 9999, 99.9999f},
                 LaneSummary{3, 12, 3.1234f}, LaneSummary{4, 7, 2.0f}, EndHeat{}}));
    EXPECT_THROW(encodeSummary({{10000, 0}}), std::out_of_range);
}

}  // namespace
}  // namespace sc
