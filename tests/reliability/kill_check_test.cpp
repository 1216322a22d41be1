// The verdict of a kill round: what counts as lost.
#include "kill_check.h"

#include <gtest/gtest.h>

namespace sc::reliability {
namespace {

LapRecord header(int heat, float start, int16_t count = 0) {
    return {0, 0, start, static_cast<float>(heat), 0, count};
}

LapRecord pass(int16_t lane, int16_t participant, int16_t number, float at, float lap) {
    return {lane, participant, at, lap, 0, number};
}

HeatRecord row(int16_t participant, float laps, float best) {
    HeatRecord r;
    r.participant = participant;
    r.heatLaps = laps;
    r.bestLap = best;
    return r;
}

std::vector<std::string> lost(const std::string& loss) { return {loss}; }

// Heat 1 of two lanes: participant 7 on lane 1, 8 on lane 2, and a rejected detection.
struct Heat {
    std::vector<LapRecord> log{header(1, 36000.5f),           pass(1, 7, 1, 1.2f, 99.9999f),
                               pass(2, 8, 1, 1.4f, 99.9999f), pass(1, 7, 2, 5.3f, 4.1f),
                               pass(1, 7, 0, 5.6f, 0.3f),     pass(2, 8, 2, 5.9f, 4.5f),
                               pass(1, 7, 3, 9.0f, 3.4f)};
    StoredHeat stored() const {
        StoredHeat s;
        s.lapFile = log;
        s.lapFile.front().number = static_cast<int16_t>(log.size());
        s.lapFile.push_back({0, 0, 36010, 9.5f, 0, static_cast<int16_t>(log.size())});  // the end record
        s.heatBlocks.push_back({1, HeatRecord::header(1, 36000.5f, 2), {row(7, 3, 3.4f), row(8, 2, 4.5f)}});
        return s;
    }
};

TEST(FindLosses, HeatStoredWithEveryPassAgrees) {
    const Heat heat;
    EXPECT_TRUE(findLosses(heat.log, heat.stored()).empty());
    // The kill may come earlier: a prefix of the log is just as kept.
    EXPECT_TRUE(findLosses({heat.log.begin(), heat.log.begin() + 3}, heat.stored()).empty());
}

TEST(FindLosses, PassMissingOrChangedInStoredHeatIsLost) {
    const Heat heat;
    StoredHeat dropped = heat.stored();
    dropped.lapFile.erase(dropped.lapFile.begin() + 6);  // lane 1 pass 3
    dropped.heatBlocks[0].rows[0] = row(7, 2, 4.1f);
    EXPECT_EQ(findLosses(heat.log, dropped), lost("pass lost: lane 1 pass 3 at 9.0000 lap 3.4000"));

    StoredHeat moved = heat.stored();
    moved.lapFile[3].passTime = 5.25f;  // same lap, another pass time
    EXPECT_EQ(findLosses(heat.log, moved), lost("pass lost: lane 1 pass 2 at 5.3000 lap 4.1000"));

    StoredHeat renumbered = heat.stored();
    renumbered.lapFile[5].number = 3;
    EXPECT_EQ(findLosses(heat.log, renumbered), lost("pass lost: lane 2 pass 2 at 5.9000 lap 4.5000"));

    StoredHeat rejected = heat.stored();  // a rejected detection is registered too
    rejected.lapFile.erase(rejected.lapFile.begin() + 4);
    EXPECT_EQ(findLosses(heat.log, rejected), lost("pass lost: lane 1 pass 0 at 5.6000 lap 0.3000"));
}

TEST(FindLosses, StandingsMustAgreeWithStoredLaps) {
    const Heat heat;
    StoredHeat counted = heat.stored();
    counted.heatBlocks[0].rows[1] = row(8, 3, 4.5f);  // a lap counted twice
    EXPECT_EQ(findLosses(heat.log, counted), lost("participant 8: 3.0000 laps stored, the lap file holds 2"));

    // A typed +1 for participant 8 makes the same 3 laps right.
    EXPECT_TRUE(findLosses(heat.log, counted, {{8, 1}}).empty());
    EXPECT_EQ(findLosses(heat.log, heat.stored(), {{8, 1}}),
              lost("participant 8: 2.0000 laps stored, the lap file holds 2 and the typed corrections 1"));

    // The first pass (99.9999) and the rejected 0.3 are no fastest lap.
    StoredHeat fastest = heat.stored();
    fastest.heatBlocks[0].rows[0] = row(7, 3, 0.3f);
    EXPECT_EQ(findLosses(heat.log, fastest),
              lost("participant 7: fastest lap 0.3000 stored, the lap file gives 3.4000"));

    // Shown to 4 decimals: 3.40004 stored as 3.4000 agrees.
    StoredHeat rounded = heat.stored();
    rounded.lapFile[6].lapTime = 3.40004f;
    EXPECT_TRUE(findLosses({heat.log.begin(), heat.log.begin() + 6}, rounded).empty());

    // A participant without a pass has no laps and no fastest lap.
    StoredHeat idle = heat.stored();
    idle.heatBlocks[0].rows.push_back(row(9, 0, 0));
    EXPECT_TRUE(findLosses(heat.log, idle).empty());
    idle.heatBlocks[0].rows.back() = row(9, 1, 0);
    EXPECT_EQ(findLosses(heat.log, idle), lost("participant 9: 1.0000 laps stored, the lap file holds 0"));
}

TEST(FindLosses, RecoveryFileAndMissingHeatsAreReported) {
    const Heat heat;
    StoredHeat left = heat.stored();
    left.recoveryFileLeft = true;
    EXPECT_EQ(findLosses(heat.log, left), lost("KEL4.TMP left behind"));

    StoredHeat noLaps = heat.stored();
    noLaps.lapFile.clear();
    EXPECT_EQ(findLosses(heat.log, noLaps), lost("heat 1 is not in the lap file"));

    StoredHeat noRows = heat.stored();
    noRows.heatBlocks[0].header = HeatRecord::header(2, 0, 2);
    EXPECT_EQ(findLosses(heat.log, noRows), lost("heat 1 is not in the heat file"));

    StoredHeat restarted = heat.stored();
    restarted.lapFile.front().passTime = 36100;  // a fresh heat instead of the resumed one
    EXPECT_EQ(findLosses(heat.log, restarted), lost("heat start 36000.5000 stored as 36100.0000"));
}

TEST(LapBlockOf, HeatEndsAtItsEndRecordAndLaterHeatsFollow) {
    const std::vector<LapRecord> file{header(1, 100, 2), pass(1, 1, 1, 1, 99.9999f), header(0, 110, 2),
                                      header(2, 200, 0), pass(1, 1, 1, 2, 99.9999f), pass(1, 1, 2, 6, 4)};
    const auto first = lapBlockOf(file, 1);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->size(), 3u);
    // A header without its count (never closed) runs to the end of the file.
    const auto second = lapBlockOf(file, 2);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->size(), 3u);
    EXPECT_FALSE(lapBlockOf(file, 3));
    // A count past the end of a truncated file stops at the end.
    const std::vector<LapRecord> truncated{header(1, 100, 40), pass(1, 1, 1, 1, 99.9999f)};
    EXPECT_EQ(lapBlockOf(truncated, 1)->size(), 2u);
}

TEST(FindMistimedPasses, PassTimeMustBeOneTheDeviceSentOnThatLane) {
    const std::map<int, std::vector<double>> racing{{1, {1.2, 5.3}}, {2, {1.4}}};
    const std::vector<LapRecord> block{header(1, 36000), pass(1, 7, 1, 1.2f, 99.9999f),
                                       pass(1, 7, 0, 3.0f, 0.3f),  // rejected: no pass of the device's
                                       pass(2, 8, 1, 1.4005f, 99.9999f)};
    EXPECT_TRUE(findMistimedPasses(block, racing).empty());
    // A restart that lost the pause shifts the clock by its length.
    EXPECT_EQ(findMistimedPasses({pass(1, 7, 2, 9.3f, 4.1f)}, racing),
              lost("pass at a time the device never sent: lane 1 pass 2 at 9.3000 lap 4.1000"));
    // Right time, wrong lane.
    EXPECT_EQ(findMistimedPasses({pass(2, 8, 2, 5.3f, 3.9f)}, racing),
              lost("pass at a time the device never sent: lane 2 pass 2 at 5.3000 lap 3.9000"));
}

}  // namespace
}  // namespace sc::reliability
