#include "heat/lap_registration.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "core/race_state.h"
#include "core/record_file.h"
#include "core/settings_files.h"
#include "heat/rejected_detections.h"
#include "standings/voltaavolta.h"
#include "tests/temp_folder.h"

namespace sc {
namespace {
namespace fs = std::filesystem;

struct RecordingSink : StandingsSink {
    void AnotarVolta(int lane, double, const LapRecord&) override { passes.push_back(lane); }
    int SuperPoleTableRows() const override { return rows; }
    SensorMark UpdateSuperPoleTable(int lane, double) override {
        sensors.push_back(lane);
        return {1, 2.5f};
    }
    void RecomputeStandings() override { ++recomputed; }
    std::vector<int> passes, sensors;
    int rows = 0;
    int recomputed = 0;
};

// One heat on an 8-lane track, heat started at 1000 s on the PC clock.
struct Heat {
    explicit Heat(const fs::path& folder, double start = 1000) : log(folder) {
        state.Track = defaultTrackConfig(8);
        state.Track.LaneParticipant = {0, 1, 2, 3, 4, 5, 6, 7, 8};
        state.Track.MinLapTime = 3.0f;
        state.HeatStartTime = start;
        view.SetUpAllLanes();
        EXPECT_TRUE(log.Create(start, 1));
    }
    // A pass `at` seconds of heat clock; returns the registered time.
    double pass(int lane, double at, double device = 0) {
        double time = device;
        registration.RegisterDetection(lane, time, state.HeatStartTime + at);
        return time;
    }
    std::vector<LapRecord> records() const { return readLapRecords(log.file()); }

    RaceState state;
    LapLog log;
    VoltaaVolta view{8, state.Settings};
    RejectedDetections errors;
    RecordingSink sink;
    LapRegistration registration{state, log, view, errors, sink};
};

// Most tests run one heat started at 1000 s.
class LapRegistrationTest : public ::testing::Test {
protected:
    test::TempFolder temp;
    fs::path folder = temp.path();
    Heat heat{folder};
};

TEST_F(LapRegistrationTest, FirstPassIsNumberOneWithTheFirstPassTime) {
    EXPECT_FLOAT_EQ(static_cast<float>(heat.pass(2, 1.5)), 99.9999f);  // below the minimum: not tested
    const auto records = heat.records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].lane, 2);
    EXPECT_EQ(records[1].participant, 2);
    EXPECT_EQ(records[1].number, 1);
    EXPECT_EQ(records[1].best, 0);
    EXPECT_FLOAT_EQ(records[1].passTime, 1.5f);
    EXPECT_FLOAT_EQ(records[1].lapTime, 99.9999f);
    EXPECT_EQ(heat.view.Lane(2).list.TextMatrix(1, 0), "+1");
    EXPECT_EQ(heat.view.PassCount(2), 1);
    EXPECT_EQ(heat.view.Lane(2).fastestLap, "");
    EXPECT_EQ(heat.view.FlagLane(), 2);
}

// The same heat on screen, the errors list too: tests/scripts/heat_plain_training.
TEST_F(LapRegistrationTest, RejectedDetectionIsCarriedIntoTheNextLapTimedByPcOrDevice) {
    heat.pass(1, 5.0);
    EXPECT_NEAR(heat.pass(1, 10.0), 5.0, 1e-9);
    EXPECT_NEAR(heat.pass(1, 11.2), 1.2, 1e-9);
    EXPECT_NEAR(heat.state.Track.CarriedTime[1], 1.2, 1e-9);
    EXPECT_NEAR(heat.pass(1, 15.0), 5.0, 1e-9);
    EXPECT_EQ(heat.state.Track.CarriedTime[1], 0);

    const auto records = heat.records();
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[3].number, 0);
    EXPECT_FLOAT_EQ(records[3].lapTime, 1.2f);
    EXPECT_FLOAT_EQ(records[3].passTime, 11.2f);
    EXPECT_EQ(records[4].number, 3);
    EXPECT_FLOAT_EQ(records[4].lapTime, 5.0f);

    heat.pass(2, 5.0);
    heat.pass(2, 10.0, 5.0);
    EXPECT_NEAR(heat.pass(2, 11.2, 1.2), 1.2, 1e-6);
    EXPECT_NEAR(heat.pass(2, 15.0, 3.8), 5.0, 1e-6);
}

TEST_F(LapRegistrationTest, DeviceTimeIsTrustedUpToNinetyNineSecondsOfPcGap) {
    heat.pass(1, 10);
    EXPECT_DOUBLE_EQ(heat.pass(1, 109, 4.5), 4.5);       // gap exactly 99: the device's time
    EXPECT_NEAR(heat.pass(1, 209.5, 4.5), 100.5, 1e-9);  // gap over 99: the PC's time
    EXPECT_NEAR(heat.pass(1, 215, 0), 5.5, 1e-9);        // no device time: the PC's time
}

TEST_F(LapRegistrationTest, LapAcrossMidnightIsTimedCorrectly) {
    Heat late(folder, 86390);
    late.pass(1, 5);
    double time = 0;
    late.registration.RegisterDetection(1, time, 3.0);  // just after midnight
    EXPECT_NEAR(time, 8.0, 1e-9);
    EXPECT_NEAR(late.state.Track.LastPassTime[1], 13.0, 1e-9);
    EXPECT_FLOAT_EQ(late.records().back().passTime, 13.0f);
}

TEST_F(LapRegistrationTest, EqualBestLapsMoveTheHighlightToTheLaterLap) {
    heat.pass(4, 1);
    heat.pass(4, 6);   // 5.0 row 2
    heat.pass(4, 12);  // 6.0 row 3
    heat.pass(4, 17);  // 5.0 row 4
    const LaneBlock& block = heat.view.Lane(4);
    EXPECT_EQ(block.highlightedRow, 4);
    EXPECT_EQ(block.fastestLap, "5.0000");
    const int fastestColour = heat.state.Settings.Colours[2];
    EXPECT_EQ(block.list.Cell(4, 0).backColour, fastestColour);
    EXPECT_NE(block.list.Cell(2, 0).backColour, fastestColour);
    const auto records = heat.records();
    EXPECT_EQ(records[2].best, -1);
    EXPECT_EQ(records[3].best, 0);
    EXPECT_EQ(records[4].best, -1);
    EXPECT_EQ(block.list.TopRow(), 4);
}

TEST_F(LapRegistrationTest, DetectionsOutsideTheLanesOrWithoutParticipantAreDropped) {
    std::vector<int16_t> placed(9, 0);
    placed[1] = 7;
    heat.view.SetUpLanes(placed);
    for (int lane : {-1, 0, 3, 9, 40}) heat.pass(lane, 5);
    EXPECT_EQ(heat.records().size(), 1u);
    EXPECT_FALSE(heat.view.FlagVisible());
    heat.pass(1, 5);
    EXPECT_EQ(heat.records().size(), 2u);
}

TEST_F(LapRegistrationTest, RejectionsAreNumberedPerLane) {
    EXPECT_FALSE(heat.errors.Visible());
    heat.pass(2, 1);
    heat.pass(3, 1);
    heat.pass(2, 2);
    heat.pass(3, 740);
    heat.pass(3, 741);
    heat.pass(3, 742);  // carried 1 + 1: still too short
    heat.pass(2, 743);
    heat.pass(2, 744);
    const std::vector<std::string> expected = {"-2  (1)  0:00:02", "-3  (1)  0:12:21", "-3  (2)  0:12:22",
                                               "-2  (2)  0:12:24"};
    EXPECT_EQ(heat.errors.Items(), expected);
    EXPECT_EQ(heat.errors.ListIndex(), 3);
    EXPECT_EQ(heat.errors.Add(13, "0:12:45"), "-13  (1)  0:12:45");
    heat.errors.Clear();  // a new heat counts from 1 again
    EXPECT_EQ(heat.errors.Add(3, "0:00:01"), "-3  (1)  0:00:01");
}

TEST_F(LapRegistrationTest, StandingsHearCountedPassesOnlyInCompetitiveModalities) {
    heat.state.CurrentModality = 1;
    heat.pass(1, 1);
    EXPECT_TRUE(heat.sink.passes.empty());
    heat.state.CurrentModality = 4;
    heat.pass(2, 1);
    heat.pass(2, 2);  // rejected: not counted
    heat.pass(2, 7);
    EXPECT_EQ(heat.sink.passes, (std::vector<int>{2, 2}));
}

TEST_F(LapRegistrationTest, SuperPoleTimesOnlyTheFirstLaneAndRoutesSensors) {
    heat.state.CurrentModality = 3;
    heat.state.Track.SplitEnabled = -1;
    heat.state.Track.SectorLane = 7;
    heat.state.Track.SpeedTrapLane = 8;
    heat.pass(2, 1);
    heat.pass(5, 2);  // another car: ignored for the heat
    EXPECT_EQ(heat.state.Track.SuperPoleLane, 2);
    EXPECT_EQ(heat.view.PassCount(5), 0);

    heat.pass(7, 3);  // sector with a table too short: nothing written
    EXPECT_EQ(heat.records().size(), 2u);
    heat.sink.rows = 3;
    heat.pass(7, 4);
    const auto records = heat.records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2].lane, 7);
    EXPECT_EQ(records[2].number, 2);
    EXPECT_FLOAT_EQ(records[2].extra1, 1);
    EXPECT_FLOAT_EQ(records[2].extra2, 2.5f);
    EXPECT_EQ(heat.sink.sensors, std::vector<int>{7});
    EXPECT_EQ(heat.view.PassCount(7), 0);
}

TEST_F(LapRegistrationTest, ReplayRebuildsTheViewAndTheLaneTiming) {
    fs::create_directories(folder / "resumed");
    heat.pass(1, 5);
    heat.pass(1, 10);
    heat.pass(1, 11.2);
    heat.pass(2, 6);
    heat.pass(2, 12);
    ASSERT_TRUE(heat.log.Append(MakePauseRecord(100, 30, 20, 1)));

    Heat resumed(folder / "resumed");
    resumed.log.Discard();
    fs::copy_file(heat.log.file(), resumed.log.file());
    EXPECT_TRUE(resumed.registration.Replay().ok);
    for (int lane : {1, 2}) {
        EXPECT_EQ(resumed.view.PassCount(lane), heat.view.PassCount(lane));
        EXPECT_EQ(resumed.view.Lane(lane).fastestLap, heat.view.Lane(lane).fastestLap);
        EXPECT_EQ(resumed.view.Lane(lane).highlightedRow, heat.view.Lane(lane).highlightedRow);
        EXPECT_EQ(resumed.view.LastLapText(lane), heat.view.LastLapText(lane));
    }
    EXPECT_EQ(resumed.errors.Items(), heat.errors.Items());
    EXPECT_EQ(resumed.sink.recomputed, 0);  // training
    // The rejected time stays carried: the resumed heat times the next lap from 10.0.
    EXPECT_NEAR(resumed.pass(1, 15), 5.0, 1e-5);
    EXPECT_EQ(resumed.records().size(), 8u);
}

}  // namespace
}  // namespace sc
