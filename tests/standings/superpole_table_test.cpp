#include "standings/superpole_table.h"

#include <gtest/gtest.h>

#include "core/lap_log.h"
#include "core/prompter.h"
#include "core/race_state.h"
#include "heat/heat_clock.h"
#include "heat/lap_registration.h"
#include "heat/rejected_detections.h"
#include "heat/standings_plug.h"
#include "standings/classification_columns.h"
#include "standings/heat_results_store.h"
#include "standings/standings_engine.h"
#include "standings/voltaavolta.h"
#include "tests/standings/standings_test_state.h"
#include "tests/temp_folder.h"

namespace sc {
namespace {

using namespace sp;

constexpr int kLine = 1, kSector = 3, kTrap = 4;
constexpr double kStart = 1000;

// A SuperPole series of two cars on four lanes: lane 3 is the sector
// detector, lane 4 the speed trap (40 cm), registration wired to the plug.
class SuperPoleTest : public ::testing::Test {
protected:
    SuperPoleTest() {
        state.AppFolder = state.WorkingFolder = temp.path();
        state.CurrentHeat = state.HeatRunning = 0;  // each test starts its heat
        state.Track.MinLapTime = 3.0f;
        state.Track.SplitEnabled = -1;
        state.Track.SectorLane = kSector;
        state.Track.SpeedTrapLane = kTrap;
        state.Track.SpeedTrapDistance = 40;
        engine.SetLapView(&view);
        test::nameRows(engine.InfoClass, state, 1);
        startHeat();
    }
    ~SuperPoleTest() override { log.Discard(); }
    void startHeat() {
        ++state.CurrentHeat;
        state.HeatRunning = -1;
        state.HeatStartTime = kStart;
        PlaceHeatParticipants(state, view);
        plug.NovaManiga();
        ASSERT_TRUE(log.Create(kStart, state.CurrentHeat));
    }
    // A detection `at` seconds of heat clock, with the device's time (0: none).
    void pass(int lane, double at, double device = 0) {
        registration.RegisterDetection(lane, device, kStart + at);
    }
    const std::string& lap(int row, int col) const { return engine.LlistaTR.TextMatrix(row, col); }
    int colour(int row, int col) const { return engine.LlistaTR.Cell(row, col).backColour; }
    int lastRow() const { return engine.LlistaTR.Rows() - 1; }
    std::vector<LapRecord> records() const { return ReadLapLog(log.file()).records; }
    // One whole lap after the first crossing: two sectors, the trap armed
    // and timed, the line.
    void timedLap(double from, double s1, double s2, double lapTime) {
        pass(kSector, from + s1);
        pass(kSector, from + s2);
        pass(kTrap, from + s2 + 0.5);
        pass(kTrap, from + s2 + 0.5 + (state.Track.CarriedTime[kSector] + 0.1));
        pass(kLine, from + lapTime);
    }

    test::TempFolder temp;
    RaceState state = test::standingsState(Modality::SuperPole, 2);
    QueuedPrompter prompter;
    StandingsEngine engine{state};
    HeatResultsStore store{state, engine, prompter};
    StandingsPlug plug{state, engine, store};
    VoltaaVolta view{4, state.Settings};
    LapLog log{temp.path()};
    RejectedDetections errors;
    LapRegistration registration{state, log, view, errors, plug};
};

// The line's time, the closed lap's label and the new empty row show in the
// standings_superpole script.
TEST_F(SuperPoleTest, Crossing_LabelsTheLapOpensTheNextResetsTheSensorsAndTheTickShowsOnlyALapUnderWay) {
    pass(kSector, 1.0);  // sensors before the first crossing are not recorded
    pass(kTrap, 1.5);
    EXPECT_EQ(records().size(), 1u);  // the heat header only
    plug.SuperPoleTick(3.0);
    EXPECT_EQ(lap(1, kLapTime), "");
    pass(kLine, 10.0);
    ASSERT_EQ(engine.LlistaTR.Rows(), 3);
    plug.SuperPoleTick(13.25);
    EXPECT_EQ(lap(2, kLapTime), "3.3");
    state.Track.CarriedTime[kSector] = 2.5;
    state.Track.CarriedTime[kTrap] = 7;
    pass(kLine, 20.25);
    ASSERT_EQ(engine.LlistaTR.Rows(), 4);
    EXPECT_EQ(state.Track.CarriedTime[kSector], 0);
    EXPECT_EQ(state.Track.CarriedTime[kTrap], 0);
    plug.SuperPoleTick(23.5);
    EXPECT_EQ(lap(3, kLapTime), "3.3");
    plug.SuperPole().HeatEnded();  // an unfinished lap shows no time once the heat is over
    EXPECT_EQ(lap(3, kLapTime), "");
    EXPECT_EQ(lap(2, kLapTime), "10.2500");
}

TEST_F(SuperPoleTest, Sectors_TimedFromTheLineAndRecordedWithColumnAndTime) {
    pass(kLine, 10.0);
    pass(kSector, 12.0);
    EXPECT_EQ(colour(2, kSector1), 15);  // no reference yet: bright white
    pass(kSector, 14.5);
    pass(kSector, 15.0);                                      // both sectors of the lap already shown
    EXPECT_DOUBLE_EQ(state.Track.CarriedTime[kSector], 2.5);  // the sector lane's own time after col 2
    const auto recs = records();
    ASSERT_EQ(recs.size(), 5u);
    EXPECT_EQ(recs[2].lane, kSector);
    EXPECT_EQ(recs[2].number, 2);  // the lap it belongs to: the table's rows minus 1
    EXPECT_FLOAT_EQ(recs[2].extra1, 1);
    EXPECT_FLOAT_EQ(recs[2].extra2, 2.0f);
    EXPECT_FLOAT_EQ(recs[3].extra1, 2);
    EXPECT_FLOAT_EQ(recs[3].extra2, 4.5f);
    EXPECT_FLOAT_EQ(recs[4].extra1, 100);
    EXPECT_FLOAT_EQ(recs[4].extra2, 0);
}

TEST_F(SuperPoleTest, SpeedTrap_ArmsThenMeasuresOncePerLapAndEqualTimesGiveNoSpeed) {
    pass(kLine, 10.0);
    pass(kSector, 12.0);
    pass(kSector, 14.5);  // sector lane carries 2.5 (since its pass at 12.0)
    pass(kTrap, 15.0);    // armed
    pass(kTrap, 17.6);    // 2.6 since the trap's last pass: |0.4 m / 0.1 s * 3.6|
    pass(kTrap, 18.0);    // the sector's time was used up: armed again
    const auto recs = records();
    ASSERT_EQ(recs.size(), 7u);
    EXPECT_FLOAT_EQ(recs[4].extra1, 10);
    EXPECT_FLOAT_EQ(recs[4].extra2, 0);
    EXPECT_FLOAT_EQ(recs[5].extra1, 13);
    EXPECT_NEAR(recs[5].extra2, 14.4f, 1e-3);
    EXPECT_FLOAT_EQ(recs[6].extra1, 10);
    EXPECT_EQ(state.Track.CarriedTime[kSector], 0);

    pass(kLine, 20.0);  // equal times on the next lap: no speed instead of dividing by zero
    state.Track.CarriedTime[kSector] = 2.5;
    state.Track.CarriedTime[kTrap] = 1;
    pass(kTrap, 22.5, 2.5);
    EXPECT_EQ(lap(3, kSpeed), "");
    EXPECT_FLOAT_EQ(records().back().extra1, 100);
}

TEST_F(SuperPoleTest, RankingColour_FirstReferenceEqualledOrBeatenColoursTheCell) {
    // Colours 1, 5, 2 of the default settings: 12, 11, 10.
    pass(kLine, 10.0);
    const std::vector<std::string> rows[] = {{"9.0000", "1.80", "4.00", "20.00"},
                                             {"9.5000", "2.00", "4.20", "18.00"},
                                             {"9.8000", "2.20", "4.40", "16.00"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < kRefColumns; ++c) engine.Ref.SetTextMatrix(r + 1, c, rows[r][c]);
    struct Case {
        double s1, s2;
        int c1, c2;
    };
    for (const Case& k : {Case{1.80, 4.21, 12, 10}, Case{1.95, 4.40, 11, 10}, Case{2.21, 3.99, 15, 12}}) {
        pass(kSector, 10.0 + k.s1);
        pass(kSector, 10.0 + k.s2);
        EXPECT_EQ(colour(lastRow(), kSector1), k.c1) << k.s1;
        EXPECT_EQ(colour(lastRow(), kSector2), k.c2) << k.s2;
        engine.LlistaTR.AddItem("");  // a fresh lap row for the next case
    }
    // Speed: larger is better. The trap is armed and the sector carries 2.5.
    state.Track.CarriedTime[kSector] = 2.5;
    state.Track.CarriedTime[kTrap] = 1;
    pass(kTrap, 13.0, 2.58);  // 0.4 m / 0.08 s * 3.6 = 18.00 km/h: equals reference 2
    EXPECT_EQ(lap(lastRow(), kSpeed), "18.00");
    EXPECT_EQ(colour(lastRow(), kSpeed), 11);
}

// What the next heats keep of the references is in the standings_superpole script.
TEST_F(SuperPoleTest, Recompute_RebuildsTheLapTableAndTheSectorTimeFromTheLapLog) {
    pass(kLine, 10.0);
    timedLap(10.0, 2.0, 4.5, 10.0);
    timedLap(20.0, 1.9, 4.6, 10.5);
    pass(kSector, 32.0);
    pass(kSector, 34.0);
    auto table = [this] {
        std::vector<std::string> cells;
        for (int r = 0; r <= lastRow(); ++r)
            for (int c = 0; c < kColumns; ++c) cells.push_back(lap(r, c));
        return cells;
    };
    const auto shown = table();
    ASSERT_NEAR(state.Track.CarriedTime[kSector], 2.0, 1e-9);

    plug.NovaManiga();
    plug.RecomputeStandings();
    EXPECT_EQ(table(), shown);
    EXPECT_NEAR(state.Track.CarriedTime[kSector], 2.0, 1e-9);
}

}  // namespace
}  // namespace sc
