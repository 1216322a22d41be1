#include "results/coma_proposal.h"

#include <gtest/gtest.h>

#include <fstream>

#include "results/coma_export.h"
#include "results/coma_pictures.h"
#include "temp_folder.h"

namespace sc {
namespace {

// Ten marks of ten units: a lap of 10 s, the last passing 30 s into a 60 s heat.
ComaTiming tenSecondLap(double runSinceLastPass) {
    return {.heatDuration = 60,
            .lastPassSeconds = 60 + 0.5 - runSinceLastPass,
            .completedLaps = 5,
            .firstToLast = 50,
            .bestLap = 10};
}

TEST(ProposedComa, WholeMarksOfTheBestOrAverageLapNeverAWholeLapNoneWithoutTiming) {
    EXPECT_EQ(ProposedComa(tenSecondLap(4.7), 10, 10), 40);   // 47 %: four whole marks
    EXPECT_EQ(ProposedComa(tenSecondLap(10.0), 10, 10), 90);  // 100 %: capped below the lap
    EXPECT_EQ(ProposedComa(tenSecondLap(25.0), 10, 10), 90);
    EXPECT_EQ(ProposedComa(tenSecondLap(-1.0), 10, 10), 0);  // passed after the end: nothing run
    EXPECT_EQ(ProposedComa(tenSecondLap(0.99), 4, 25), 0);   // short of the first mark

    ComaTiming t = tenSecondLap(5.0);
    t.bestLap = 0;
    t.firstToLast = 40;  // 5 laps in 40 s: 8 s a lap, 5 s is 62.5 %
    EXPECT_EQ(ProposedComa(t, 10, 10), 60);
    t.heatDuration = 60 - 86400;  // a duration that came out negative crossed midnight
    EXPECT_EQ(ProposedComa(t, 10, 10), 60);
    ComaTiming noLaps = tenSecondLap(5.0);
    noLaps.completedLaps = 0;
    EXPECT_FALSE(ProposedComa(noLaps, 10, 10));
    ComaTiming noTiming = tenSecondLap(5.0);
    noTiming.firstToLast = 0;
    EXPECT_FALSE(ProposedComa(noTiming, 10, 10));
}

TEST(ComaText, PaddedClampedAndAsAFraction) {
    TrackConfig t;
    t.ComaDivisions = 90;
    t.ComaZeros = "00";
    EXPECT_EQ(ComaText("5", t), "05");
    EXPECT_EQ(ComaText("-3", t), "00");
    EXPECT_EQ(ComaText("abc", t), "00");
    EXPECT_EQ(ComaText("150", t), "90");  // a coma never reaches a whole lap
    EXPECT_DOUBLE_EQ(ComaFraction("35", t), 0.35);
    EXPECT_DOUBLE_EQ(ComaFraction("150", t), 0.90);
    TrackConfig none;  // no comas on this track
    EXPECT_EQ(ComaText("35", none), "");
    EXPECT_DOUBLE_EQ(ComaFraction("35", none), 0.0);
}

TEST(HeatLapFile, ClosingRecordFoundHeaderToHeader) {
    const std::vector<LapRecord> laps{{0, 0, 36000, 1, 0, 2, 0, 0},    {1, 1, 5, 99.9999f, 0, 1, 0, 0},
                                      {0, 0, 36050, 50, 0, 2, 0, 0},   {0, 0, 36100, 2, 0, 4, 0, 0},
                                      {1, 1, 4, 99.9999f, 0, 1, 0, 0}, {1, 1, 9, 5, 0, 2, 0, 0},
                                      {1, 1, 15, 6, 0, 3, 0, 0},       {0, 0, 36161, 61, 0, 4, 0, 0}};
    EXPECT_EQ(HeatClosingRecord(laps, 2).value_or(LapRecord{}).lapTime, 61.0f);
    EXPECT_FALSE(HeatClosingRecord(laps, 3));
    const std::vector<LapRecord> cut(laps.begin(), laps.end() - 1);
    EXPECT_FALSE(HeatClosingRecord(cut, 2));  // the closing record is missing

    const LaneTiming lane = LaneTimingOf(HeatLapRecords(laps, 2), 1);
    EXPECT_EQ(lane.laps, 2);
    EXPECT_DOUBLE_EQ(lane.firstToLast, 11.0);
    EXPECT_DOUBLE_EQ(lane.shortest, 5.0);
}

TEST(PixelTable, ExactPixelOnlyAndBadLinesSkipped) {
    test::TempFolder folder;
    const auto table = folder.path() / "PxCm.txt";
    std::ofstream(table) << "12,40\n100, 50, 35\r\nx,y,z\n120,50,45\n100,50,99\n";
    EXPECT_EQ(ComaAtPixel(table, 100, 50), "35");  // the first line that matches
    EXPECT_EQ(ComaAtPixel(table, 120, 50), "45");
    EXPECT_FALSE(ComaAtPixel(table, 101, 50));
    EXPECT_FALSE(ComaAtPixel(table, 100, 49));
    EXPECT_FALSE(ComaAtPixel(folder.path() / "missing.txt", 100, 50));
}

}  // namespace
}  // namespace sc
