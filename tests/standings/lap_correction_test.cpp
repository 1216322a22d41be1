// The +/- lap correction typed during a running race heat.
#include <gtest/gtest.h>

#include "core/number_format.h"
#include "core/prompter.h"
#include "core/race_state.h"
#include "heat/standings_plug.h"
#include "standings/classification_columns.h"
#include "standings/heat_results_store.h"
#include "standings/standings_engine.h"
#include "standings/voltaavolta.h"
#include "tests/standings/standings_test_state.h"

namespace sc {
namespace {

using namespace cls;

RaceState raceState() { return test::standingsState(Modality::Race, 4); }

// Heat 1 of a race: participant p runs on lane 5 - p.
class LapCorrectionTest : public ::testing::Test {
protected:
    LapCorrectionTest() : state(raceState()), view(4, state.Settings), engine(state) {
        view.SetUpAllLanes();
        engine.SetLapView(&view);
        test::nameRows(engine.InfoClass, state, -1);
        engine.NovaManiga();
    }
    void pass(int p, double time, const std::string& lap = "+1") {
        const int lane = 5 - p;
        state.Track.LastPassTime[lane] = time;
        view.CountPass(lane);
        engine.AnotarVolta(Passing{lane, p, time, ReadNumber(lap), 1, lap, ""});
    }
    int rowOf(int p) const { return engine.FindRow(p); }
    const std::string& cell(int p, int col) const { return engine.InfoClass.TextMatrix(rowOf(p), col); }

    RaceState state;
    VoltaaVolta view;
    StandingsEngine engine;
};

TEST_F(LapCorrectionTest, CorrectionColumnShowsTheRunningSumBlankAtZero) {
    pass(1, 10.0);
    engine.CorrectLaps(1, +1);
    engine.CorrectLaps(1, +1);
    EXPECT_EQ(cell(1, kGained), "+2");
    engine.CorrectLaps(1, -1);
    engine.CorrectLaps(1, -1);
    EXPECT_TRUE(blank(cell(1, kGained)));
    engine.CorrectLaps(1, -1);
    EXPECT_EQ(cell(1, kGained), "-1");
    EXPECT_TRUE(blank(cell(1, kHeatLaps)));  // no laps shows as no laps
    EXPECT_EQ(view.PassCount(4), 0);
}

TEST_F(LapCorrectionTest, NothingChangesWithoutAMatchOutsideARunningRaceOrBelowZero) {
    pass(3, 10.0);
    const auto before = engine.InfoClass.Revision();
    EXPECT_FALSE(engine.CorrectLaps(9, +1));  // no such participant
    EXPECT_FALSE(engine.CorrectLaps(4, -1));  // no lap of this heat to take away
    EXPECT_FALSE(engine.CorrectLaps(3, 2));   // one lap at a time
    state.HeatRunning = 0;
    EXPECT_FALSE(engine.CorrectLaps(3, +1));
    state.HeatRunning = -1;
    state.CurrentModality = static_cast<int16_t>(Modality::OfficialPractice);
    EXPECT_FALSE(engine.CorrectLaps(3, +1));
    EXPECT_EQ(engine.InfoClass.Revision(), before);
    EXPECT_EQ(view.PassCount(2), 1);
}

TEST_F(LapCorrectionTest, TheStoredHeatCarriesTheCorrectedLapsAndTheirSum) {
    QueuedPrompter prompter;
    HeatResultsStore store(state, engine, prompter);
    StandingsPlug plug(state, engine, store);
    pass(4, 10.0);
    plug.CorrectLaps(4, +1);  // the heat keys reach the engine through the plug
    store.RegistreDesDeFila(static_cast<int16_t>(rowOf(4)));
    EXPECT_EQ(store.Registre.participant, 4);
    EXPECT_FLOAT_EQ(store.Registre.totalLaps, 2);
    EXPECT_FLOAT_EQ(store.Registre.heatLaps, 2);
    EXPECT_EQ(store.Registre.placesGained, 1);
}

// The number a correction names is on screen beside each lane's driver.
TEST_F(LapCorrectionTest, EachLaneShowsItsDriversNumber) {
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(view.Lane(5 - p).number, std::to_string(p));
        EXPECT_EQ(view.Lane(5 - p).driver, cell(p, kName));
    }
}

}  // namespace
}  // namespace sc
