// The re-rank at every passing: gaps that stay right while they are reused
// between passings, and changes reported only for the rows that changed.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/laps_format.h"
#include "core/number_format.h"
#include "core/race_state.h"
#include "standings/classification_columns.h"
#include "standings/standings_engine.h"
#include "tests/standings/standings_test_state.h"

namespace sc {
namespace {

using namespace cls;

// A race heat with four participants on four lanes.
struct RerankFixture : ::testing::Test {
    RaceState state;
    std::unique_ptr<StandingsEngine> engine;
    double clock = 0;

    void SetUp() override {
        state = test::standingsState(Modality::Race, 4);
        engine = std::make_unique<StandingsEngine>(state);
        test::nameRows(engine->InfoClass, state);
        engine->NovaManiga();
    }

    void pass(int lane, double seconds) {
        clock += seconds;
        state.Track.LastPassTime[lane] = clock;
        const std::string lap = FormatNumber(seconds, "0.0000");
        engine->AnotarVolta(Passing{lane, state.Track.LaneParticipant[lane], clock, seconds, 1, lap, lap});
    }

    const std::string& cell(int row, int col) const { return engine->InfoClass.TextMatrix(row, col); }
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

TEST_F(RerankFixture, GapsFollowEveryPassingOfTheRowsTheyAreTakenToAndTakeANewSuffixAtOnce) {
    // Lanes in an order that makes the leader and the row above change while
    // the rows measured to them do not.
    const int lanes[] = {1, 2, 3, 4, 2, 1, 1, 4, 3, 2, 2, 2, 4, 4, 4, 3, 1, 1};
    double seconds = 5.1;
    for (int lane : lanes) {
        pass(lane, seconds);
        seconds += 0.37;
        expectFreshGaps();
    }
    // A row whose own laps and key stay the same still shows the new gap when
    // the leader passes again.
    const std::string before = cell(4, kGapLeader);
    pass(state.Track.LaneParticipant[1] == static_cast<int>(engine->InfoClass.Number(1, kNumber)) ? 1 : 2,
         0.5);
    expectFreshGaps();
    EXPECT_FALSE(before.empty());

    ASSERT_EQ(cell(4, kGapLeader).back(), 'v');  // laps behind
    state.Msg[0][0] = "l";
    state.Msg[0][1] = "sec";
    pass(2, 6.0);
    expectFreshGaps();
    EXPECT_EQ(cell(4, kGapLeader).back(), 'l');
}

TEST_F(RerankFixture, APassingReportsOnlyItsOwnRowUnlessItOvertakesThenEveryRowThatMovedWithItsColour) {
    // Lane 4 runs P1, two laps down, then one lap down and last.
    for (int lane : {1, 2, 3, 4, 1, 2, 3, 1, 2, 3, 4}) pass(lane, 6.0);
    ASSERT_EQ(cell(4, kName), "P1");
    engine->InfoClass.TakeChanges();

    pass(4, 6.0);  // level on laps, still last: nobody's gap is taken to it
    ASSERT_EQ(cell(4, kName), "P1");
    const auto changes = engine->InfoClass.TakeChanges();
    EXPECT_FALSE(changes.layout);
    EXPECT_EQ(changes.rows, (std::vector<int>{4}));

    pass(4, 6.0);  // P1 leads on laps
    const auto overtake = engine->InfoClass.TakeChanges();
    EXPECT_TRUE(overtake.layout);
    EXPECT_EQ(overtake.rows, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(cell(1, kName), "P1");
    EXPECT_EQ(engine->InfoClass.Cell(1, kPosition).backColour, kLightGreen);
    for (int r = 2; r <= 4; ++r) EXPECT_EQ(engine->InfoClass.Cell(r, kPosition).backColour, kLightRed) << r;
    expectFreshGaps();
}

}  // namespace
}  // namespace sc
