#include "standings/voltaavolta.h"

#include <gtest/gtest.h>

#include "core/race_state.h"

namespace sc {
namespace {

TEST(LayOutLaneBlocks, TitleSizesFollowLanesPerRow) {
    struct Case {
        int lanes, rows, perRow, font, height, width;
    };
    const Case cases[] = {{1, 1, 1, 20, 480, 1760},   {2, 1, 2, 18, 400, 1590},  {5, 1, 5, 18, 400, 1590},
                          {6, 1, 6, 16, 350, 1320},   {8, 1, 8, 16, 350, 1320},  {9, 1, 9, 14, 240, 1050},
                          {10, 1, 10, 14, 240, 1050}, {11, 2, 6, 16, 350, 1320}, {20, 2, 10, 14, 240, 1050},
                          {21, 3, 7, 16, 350, 1320},  {64, 7, 10, 14, 240, 1050}};
    for (const Case& c : cases) {
        const LaneBlockLayout layout = LayOutLaneBlocks(c.lanes);
        EXPECT_EQ(layout.blockRows, c.rows) << c.lanes;
        EXPECT_EQ(layout.lanesPerRow, c.perRow) << c.lanes;
        EXPECT_EQ(layout.halfHeight, c.rows > 1) << c.lanes;
        EXPECT_EQ(layout.titleFontSize, c.font) << c.lanes;
        EXPECT_EQ(layout.titleHeight, c.height) << c.lanes;
        EXPECT_EQ(layout.titleWidth, c.width) << c.lanes;
    }
}

TEST(VoltaaVolta, ShowsOnlyLanesThatTakePart) {
    ProgramSettings settings;
    VoltaaVolta view(4, settings);  // the titles "Pista N" show in the standings_race_correction script
    EXPECT_FALSE(view.TakesPart(1));
    view.SetUpAllLanes();
    for (int lane = 1; lane <= 4; ++lane) EXPECT_TRUE(view.TakesPart(lane));
    view.SetUpLanes({0, 5, 0, 2});  // lane 4 beyond the array: no participant
    for (int lane = 1; lane <= 5; ++lane) EXPECT_EQ(view.TakesPart(lane), lane == 1 || lane == 3) << lane;
}

TEST(VoltaaVolta, SlowerLapKeepsTheFastestLapsShowFourDecimalsAndResetLeavesAnEmptyBlock) {
    ProgramSettings settings;
    VoltaaVolta view(2, settings);
    view.SetUpAllLanes();
    view.ShowFirstPass(1);
    view.CountPass(1);
    EXPECT_TRUE(view.AppendLap(1, 4.56789f));
    EXPECT_FALSE(view.AppendLap(1, 4.5680f));
    EXPECT_TRUE(view.AppendLap(1, 4.56791f));  // shows as 4.5679: a tie
    EXPECT_EQ(view.LastLapText(1), "4.5679");
    EXPECT_EQ(view.Lane(1).highlightedRow, 4);
    EXPECT_EQ(view.Lane(1).list.Cell(2, 0).backColour, settings.Colours[3 + 1]);  // odd lane

    view.ResetLane(1);  // a header with zero passes and one empty row
    const LaneBlock& block = view.Lane(1);
    EXPECT_EQ(block.list.Rows(), 2);
    EXPECT_EQ(block.list.TextMatrix(0, 0), "0");
    EXPECT_TRUE(view.ListEmpty(1));
    EXPECT_EQ(block.fastestLap, "");
    EXPECT_EQ(block.highlightedRow, 0);
    EXPECT_FALSE(view.FlagVisible());
}

TEST(VoltaaVolta, AutoScrollWrapsFromTheLastRowOfBlocksToTheFirst) {
    ProgramSettings settings;
    VoltaaVolta many(64, settings);
    EXPECT_TRUE(many.ScrollVisible());
    EXPECT_EQ(many.ScrollMax(), 6);
    for (int step = 0; step < 5; ++step) many.AutoScrollStep();
    EXPECT_EQ(many.ScrollValue(), 6);
    EXPECT_EQ(many.FrameTop(1000), -5000);
    many.AutoScrollStep();
    EXPECT_EQ(many.ScrollValue(), 1);
    many.SetScrollValue(99);
    EXPECT_EQ(many.ScrollValue(), 6);

    VoltaaVolta few(11, settings);  // two rows of blocks fit the window
    EXPECT_FALSE(few.ScrollVisible());
    few.AutoScrollStep();
    EXPECT_EQ(few.ScrollValue(), 1);
}

}  // namespace
}  // namespace sc
