// The standings engine: the heat's table, the re-rank at every passing (gaps
// that stay right while they are reused, changes reported only for the rows
// that changed) and the +/- lap correction typed during a running race heat.
#include "standings/standings_engine.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/laps_format.h"
#include "core/number_format.h"
#include "core/prompter.h"
#include "core/race_state.h"
#include "heat/standings_plug.h"
#include "standings/classification_columns.h"
#include "standings/heat_results_store.h"
#include "standings/voltaavolta.h"
#include "tests/standings/standings_test_state.h"

namespace sc {
namespace {

using namespace cls;

// Four lanes, lane-change row 1..4, four participants, the lap view attached:
// heat 1 puts participant p on lane 5 - p.
struct EngineFixture : ::testing::Test {
    RaceState state;
    VoltaaVolta view{4, state.Settings};
    std::unique_ptr<StandingsEngine> engine;
    double clock = 0;

    void SetUp() override { setUpState(Modality::Race, 4); }

    void setUpState(Modality modality, int participants) {
        state = test::standingsState(modality, participants);
        engine = std::make_unique<StandingsEngine>(state);
        view.SetUpAllLanes();
        engine->SetLapView(&view);
        test::nameRows(engine->InfoClass, state, modality == Modality::Race ? -1 : 1);
        engine->NovaManiga();
    }

    // A pass of participant p on lane `lane` at `time` seconds since the heat start,
    // with the lap time the lap-by-lap view shows and its best-lap label.
    void pass(int p, int lane, double time, const std::string& lap = "+1", const std::string& best = "") {
        state.Track.LastPassTime[lane] = time;
        engine->AnotarVolta(Passing{lane, p, time, ReadNumber(lap), 1, lap, best});
    }
    // A pass on `lane` `seconds` after the previous passing of the heat.
    void passAfter(int lane, double seconds) {
        clock += seconds;
        const std::string lap = FormatNumber(seconds, "0.0000");
        pass(state.Track.LaneParticipant[lane], lane, clock, lap, lap);
    }
    // A pass participant p's lane counts, as a correction sees it.
    void counted(int p, double time, const std::string& lap = "+1") {
        view.CountPass(5 - p);
        pass(p, 5 - p, time, lap);
    }

    const std::string& cell(int row, int col) const { return engine->InfoClass.TextMatrix(row, col); }
    const std::string& of(int p, int col) const { return cell(engine->FindRow(p), col); }
    int numberAt(int row) const { return static_cast<int>(engine->InfoClass.Number(row, kNumber)); }
    // The gaps every ranked row shows, worked out afresh from the table.
    void expectFreshGaps() const {
        for (int r = 2; r <= 4 && !cell(r, kPosition).empty(); ++r) {
            EXPECT_EQ(cell(r, kGapLeader), GapText(cell(1, kLaps), cell(r, kLaps), cell(1, kSeriesKey),
                                                   cell(r, kSeriesKey), state))
                << "row " << r;
            const std::string ahead = r == 2 ? ""
                                             : GapText(cell(r - 1, kLaps), cell(r, kLaps),
                                                       cell(r - 1, kSeriesKey), cell(r, kSeriesKey), state);
            EXPECT_EQ(cell(r, kGapAhead), ahead) << "row " << r;
        }
    }
};

// Heat 1's lanes, heats run hidden while N <= L and the first turn's "E" show in
// the standings_race_correction and standings_superpole scripts.
TEST_F(EngineFixture, NovaManiga_ShowsHeatsRunAndTheSuperPoleTurnOfALaterHeat) {
    setUpState(Modality::Race, 10);
    state.CurrentHeat = 9;
    engine->NovaManiga();
    EXPECT_EQ(cell(engine->FindRow(1), kHeats), "3");
    EXPECT_EQ(cell(engine->FindRow(7), kHeats), "4");

    setUpState(Modality::SuperPole, 4);
    state.CurrentHeat = 6;  // heat 2 of the second pass
    engine->NovaManiga();
    EXPECT_EQ(cell(engine->FindRow(2), kLane), "E");
    EXPECT_EQ(cell(engine->FindRow(1), kLane), "");
}

// Gaps and positions as shown are checked by the standings_race_correction script.
TEST_F(EngineFixture, Race_SameLapCountEarlierPassLeadsAndPositionColoursWhileAHeatRuns) {
    pass(1, 4, 10.0);
    pass(2, 3, 10.5);
    pass(2, 3, 20.0, "9.5000", "9.5000");  // participant 2 moves up
    ASSERT_EQ(numberAt(1), 2);
    EXPECT_EQ(engine->InfoClass.Cell(1, kPosition).backColour, kLightGreen);
    EXPECT_EQ(engine->InfoClass.Cell(2, kPosition).backColour, kLightRed);
    pass(1, 4, 23.4, "13.4000", "13.4000");
    ASSERT_EQ(numberAt(2), 1);
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

TEST_F(EngineFixture, Rerank_GapsFollowEveryPassingOfTheRowsTheyAreTakenToAndTakeANewSuffixAtOnce) {
    // Lanes in an order that makes the leader and the row above change while
    // the rows measured to them do not.
    const int lanes[] = {1, 2, 3, 4, 2, 1, 1, 4, 3, 2, 2, 2, 4, 4, 4, 3, 1, 1};
    double seconds = 5.1;
    for (int lane : lanes) {
        passAfter(lane, seconds);
        seconds += 0.37;
        expectFreshGaps();
    }
    // A row whose own laps and key stay the same still shows the new gap when
    // the leader passes again.
    const std::string before = cell(4, kGapLeader);
    passAfter(
        state.Track.LaneParticipant[1] == static_cast<int>(engine->InfoClass.Number(1, kNumber)) ? 1 : 2,
        0.5);
    expectFreshGaps();
    EXPECT_FALSE(before.empty());

    ASSERT_EQ(cell(4, kGapLeader).back(), 'v');  // laps behind
    state.Msg[0][0] = "l";
    state.Msg[0][1] = "sec";
    passAfter(2, 6.0);
    expectFreshGaps();
    EXPECT_EQ(cell(4, kGapLeader).back(), 'l');
}

TEST_F(EngineFixture,
       Rerank_APassingReportsOnlyItsOwnRowUnlessItOvertakesThenEveryRowThatMovedWithItsColour) {
    // Lane 4 runs P1, two laps down, then one lap down and last.
    for (int lane : {1, 2, 3, 4, 1, 2, 3, 1, 2, 3, 4}) passAfter(lane, 6.0);
    ASSERT_EQ(cell(4, kName), "P1");
    engine->InfoClass.TakeChanges();

    passAfter(4, 6.0);  // level on laps, still last: nobody's gap is taken to it
    ASSERT_EQ(cell(4, kName), "P1");
    const auto changes = engine->InfoClass.TakeChanges();
    EXPECT_FALSE(changes.layout);
    EXPECT_EQ(changes.rows, (std::vector<int>{4}));

    passAfter(4, 6.0);  // P1 leads on laps
    const auto overtake = engine->InfoClass.TakeChanges();
    EXPECT_TRUE(overtake.layout);
    EXPECT_EQ(overtake.rows, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(cell(1, kName), "P1");
    EXPECT_EQ(engine->InfoClass.Cell(1, kPosition).backColour, kLightGreen);
    for (int r = 2; r <= 4; ++r) EXPECT_EQ(engine->InfoClass.Cell(r, kPosition).backColour, kLightRed) << r;
    expectFreshGaps();
}

// The number a correction names is on screen beside each lane's driver.
TEST_F(EngineFixture, Correction_LanesShowTheDriversNumberTheColumnTheRunningSumBlankAtZero) {
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(view.Lane(5 - p).number, std::to_string(p));
        EXPECT_EQ(view.Lane(5 - p).driver, of(p, kName));
    }
    counted(1, 10.0);
    engine->CorrectLaps(1, +1);
    engine->CorrectLaps(1, +1);
    EXPECT_EQ(of(1, kGained), "+2");
    engine->CorrectLaps(1, -1);
    engine->CorrectLaps(1, -1);
    EXPECT_TRUE(blank(of(1, kGained)));
    engine->CorrectLaps(1, -1);
    EXPECT_EQ(of(1, kGained), "-1");
    EXPECT_TRUE(blank(of(1, kHeatLaps)));  // no laps shows as no laps
    EXPECT_EQ(view.PassCount(4), 0);
}

TEST_F(EngineFixture, Correction_NothingChangesWithoutAMatchOutsideARunningRaceOrBelowZero) {
    counted(3, 10.0);
    const auto before = engine->InfoClass.Revision();
    // A number nobody has and a lap never counted are typed in the standings_race_correction script.
    EXPECT_FALSE(engine->CorrectLaps(3, 2));  // one lap at a time
    state.HeatRunning = 0;
    EXPECT_FALSE(engine->CorrectLaps(3, +1));
    state.HeatRunning = -1;
    state.CurrentModality = static_cast<int16_t>(Modality::OfficialPractice);
    EXPECT_FALSE(engine->CorrectLaps(3, +1));
    EXPECT_EQ(engine->InfoClass.Revision(), before);
    EXPECT_EQ(view.PassCount(2), 1);
}

TEST_F(EngineFixture, Correction_TheStoredHeatCarriesTheCorrectedLapsAndTheirSum) {
    QueuedPrompter prompter;
    HeatResultsStore store(state, *engine, prompter);
    StandingsPlug plug(state, *engine, store);
    counted(4, 10.0);
    plug.CorrectLaps(4, +1);  // the heat keys reach the engine through the plug
    store.RegistreDesDeFila(static_cast<int16_t>(engine->FindRow(4)));
    EXPECT_FLOAT_EQ(store.Registre.totalLaps, 2);
    EXPECT_FLOAT_EQ(store.Registre.heatLaps, 2);
    EXPECT_EQ(store.Registre.placesGained, 1);
}

}  // namespace
}  // namespace sc
