#include "standings/standings_engine.h"

#include <gtest/gtest.h>

#include "core/number_format.h"
#include "core/race_state.h"
#include "standings/classification_columns.h"
#include "tests/standings/standings_test_state.h"

namespace sc {
namespace {

using namespace cls;

// Four lanes, lane-change row 1..4, four participants.
struct EngineFixture : ::testing::Test {
    RaceState state;
    StandingsEngine* engine = nullptr;

    void SetUp() override { setUpState(Modality::Race, 4); }
    void TearDown() override { delete engine; }

    void setUpState(Modality modality, int participants) {
        state = test::standingsState(modality, participants);
        delete engine;
        engine = new StandingsEngine(state);
        test::nameRows(engine->InfoClass, state, modality == Modality::Race ? -1 : 1);
        engine->NovaManiga();
    }

    // A pass of participant p on lane `lane` at `time` seconds since the heat start,
    // with the lap time the lap-by-lap view shows and its best-lap label.
    void pass(int p, int lane, double time, const std::string& lap = "+1", const std::string& best = "") {
        state.Track.LastPassTime[lane] = time;
        engine->AnotarVolta(Passing{lane, p, time, ReadNumber(lap), 1, lap, best});
    }

    const std::string& cell(int row, int col) const { return engine->InfoClass.TextMatrix(row, col); }
    int numberAt(int row) const { return static_cast<int>(engine->InfoClass.Number(row, kNumber)); }
};

TEST_F(EngineFixture, NovaManiga_ShowsTheHeatRulesLanesHeatsRunAndSuperPoleTurn) {
    // Heat 1: start positions 1..4 on positions 4..1, lanes 4..1.
    EXPECT_EQ(cell(1, kLane), "4");
    EXPECT_EQ(cell(4, kLane), "1");
    EXPECT_EQ(state.Track.LaneParticipant[4], 1);
    EXPECT_EQ(state.Track.LaneParticipant[1], 4);
    EXPECT_EQ(cell(1, kHeats), "");  // N <= L: heats run are not shown

    setUpState(Modality::Race, 10);
    state.CurrentHeat = 9;
    engine->NovaManiga();
    EXPECT_EQ(cell(engine->FindRow(1), kHeats), "3");
    EXPECT_EQ(cell(engine->FindRow(7), kHeats), "4");

    setUpState(Modality::SuperPole, 4);  // the turn's participant is labelled
    EXPECT_EQ(cell(1, kLane), "E");
    state.CurrentHeat = 6;  // heat 2 of the second pass
    engine->NovaManiga();
    EXPECT_EQ(cell(engine->FindRow(2), kLane), "E");
    EXPECT_EQ(cell(engine->FindRow(1), kLane), "");
}

TEST_F(EngineFixture, Race_SameLapCountEarlierPassLeadsGapInSecondsAndPositionColoursWhileAHeatRuns) {
    pass(1, 4, 10.0);
    pass(2, 3, 10.5);
    pass(2, 3, 20.0, "9.5000", "9.5000");  // participant 2 moves up
    ASSERT_EQ(numberAt(1), 2);
    EXPECT_EQ(engine->InfoClass.Cell(1, kPosition).backColour, kLightGreen);
    EXPECT_EQ(engine->InfoClass.Cell(2, kPosition).backColour, kLightRed);
    pass(1, 4, 23.4, "13.4000", "13.4000");
    ASSERT_EQ(numberAt(1), 2);
    ASSERT_EQ(numberAt(2), 1);
    EXPECT_EQ(cell(1, kPosition), "1");
    EXPECT_EQ(cell(1, kGapLeader), "");
    EXPECT_EQ(cell(1, kGapAhead), "");
    EXPECT_EQ(cell(2, kGapLeader), "+3.4s");
    EXPECT_EQ(cell(2, kGapAhead), "");  // the second row shows only its gap to the leader
    EXPECT_EQ(cell(3, kPosition), "");  // no laps: no position
    state.HeatRunning = 0;
    engine->OrdenarClass();
    EXPECT_EQ(engine->InfoClass.Cell(1, kPosition).backColour, kButtonFace);
    EXPECT_EQ(engine->InfoClass.Cell(2, kPosition).backColour, kButtonFace);
}

TEST_F(EngineFixture, Race_HeatKeyOnlyFromTheSecondPassingAndAcrossMidnightAddsADay) {
    pass(1, 4, 10.0);
    EXPECT_EQ(cell(1, kHeatKey1), "");
    EXPECT_EQ(cell(1, kHeatPosition), "");
    EXPECT_DOUBLE_EQ(state.Track.LaneSpare[4], 10.0);  // the participant's clock started
    pass(1, 4, 21.25, "11.2500", "11.2500");
    EXPECT_EQ(engine->InfoClass.Number(1, kHeatKey1), -1);
    EXPECT_EQ(engine->InfoClass.Number(1, kHeatKey2), 11.25);
    EXPECT_EQ(cell(1, kHeatPosition), "1");

    pass(2, 3, 86399.0);
    pass(2, 3, 1.5, "2.5000", "2.5000");  // after midnight
    EXPECT_EQ(engine->InfoClass.Number(engine->FindRow(2), kHeatKey2), 2.5);
}

TEST_F(EngineFixture, UnknownParticipantChangesNothing) {
    const Grid before = engine->InfoClass;
    pass(77, 1, 5.0);
    for (int r = 0; r < before.Rows(); ++r)
        for (int c = 0; c < before.Cols(); ++c) EXPECT_EQ(cell(r, c), before.TextMatrix(r, c));
}

TEST_F(EngineFixture, FreePractice_SortedWithoutPositionsOrGaps) {
    setUpState(Modality::FreePractice, 4);
    pass(1, 4, 10.0);
    pass(2, 3, 10.0);
    pass(1, 4, 16.0, "6.0000", "6.0000");
    pass(2, 3, 15.0, "5.0000", "5.0000");
    EXPECT_EQ(numberAt(1), 2);
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(cell(r, kPosition), "");
        EXPECT_EQ(cell(r, kGapLeader), "");
        EXPECT_EQ(cell(r, kGapAhead), "");
    }
}

TEST_F(EngineFixture, FastestLapColoursPreferTheAbsoluteOne) {
    const ProgramSettings& s = state.Settings;
    pass(1, 4, 10.0);
    pass(2, 3, 10.0);
    pass(1, 4, 15.0, "5.0000", "5.0000");
    pass(2, 3, 16.0, "6.0000", "6.0000");
    pass(2, 3, 22.5, "6.5000", "6.0000");
    const int row2 = engine->FindRow(2), row1 = engine->FindRow(1);
    EXPECT_EQ(engine->InfoClass.Cell(row1, kHeatBest).backColour, paletteOf(s, Paint::AbsoluteFastest));
    EXPECT_EQ(engine->InfoClass.Cell(row2, kHeatBest).backColour, paletteOf(s, Paint::ParticipantFastest));
    // A lap that is none of the three fastest keeps the row's colour.
    EXPECT_EQ(engine->InfoClass.Cell(row2, kLastLap).backColour,
              paletteOf(s, row2 % 2 == 0 ? Paint::EvenRow : Paint::OddRow));
    // Ranked rows take the parity colours.
    EXPECT_EQ(engine->InfoClass.Cell(1, kName).backColour, paletteOf(s, Paint::OddRow));
    EXPECT_EQ(engine->InfoClass.Cell(2, kName).backColour, paletteOf(s, Paint::EvenRow));
}

}  // namespace
}  // namespace sc
