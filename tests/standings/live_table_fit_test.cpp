#include "standings/live_table_fit.h"

#include <gtest/gtest.h>

#include <numeric>

namespace sc {

namespace {
// Position, number, name, laps, two gaps, flag, lane, heats, +/-, best lap: about 50 ems.
LiveTableRoom raceTable(int width, int height, int rows) {
    return {width, height, rows, {2, 3, 14, 5, 6, 6, 1, 2, 3, 2, 6}, 12, 160};
}
}  // namespace

TEST(LiveTableFit, TheNarrowerOfWidthAndHeightSetsTheFont) {
    // 1500 px over 50 ems: 30 px; 8 rows need 8*1.25 + header in 900 px: far more. Width wins.
    const LiveTableFit wide = fitLiveTable(raceTable(1500, 900, 8));
    EXPECT_EQ(wide.fontPixels, 30);
    EXPECT_EQ(wide.rowHeight, 37);
    // 24 rows in 500 px: 500 / (24*1.25 + 0.6875) = 16.29: height wins, every row shows.
    const LiveTableFit tall = fitLiveTable(raceTable(1500, 500, 24));
    EXPECT_EQ(tall.fontPixels, 16);
    EXPECT_LE(24 * tall.rowHeight + tall.headerHeight, 500);
}

TEST(LiveTableFit, ColumnsFillTheWidthInProportion) {
    const LiveTableFit fit = fitLiveTable(raceTable(1500, 500, 24));
    const int total = std::accumulate(fit.columnWidths.begin(), fit.columnWidths.end(), 0);
    EXPECT_LE(total, 1500);
    EXPECT_GE(total, 1500 - 11);                              // at most a pixel lost per column
    EXPECT_EQ(fit.columnWidths[2] / fit.columnWidths[0], 7);  // 14 ems against 2
}

TEST(LiveTableFit, HeadingsShrinkToTheirColumnsUnlessTooSmall) {
    // A 1-em column headed by a 4-em word: 100 ems over 2000 px give a 20 px font; the
    // heading takes 0.3 of it at least (1.2 ems), so the column is 1.2 of 100.2 ems.
    LiveTableRoom room{2000, 2000, 1, {1, 99}, 4, 160, {4, 0}};
    LiveTableFit fit = fitLiveTable(room);
    EXPECT_EQ(fit.fontPixels, 19);       // 2000 / 100.2 = 19.96
    EXPECT_EQ(fit.columnWidths[0], 23);  // 1.2 * 19 * 2000 / (100.2 * 19) = 23.95
    EXPECT_EQ(fit.headerFontPixels, 5);  // 23 / 4 = 5.75, below 0.55 * 19 = 10.45
    // A larger minimum font keeps the heading readable: the column widens to it.
    room.minFontPixels = 8;
    fit = fitLiveTable(room);
    EXPECT_EQ(fit.headerFontPixels, 8);
    EXPECT_GE(fit.columnWidths[0], 4 * 8);
    // Without headings the heading font is 0.55 of the cells'.
    EXPECT_EQ(fitLiveTable({2000, 2000, 1, {1, 99}, 4, 160}).headerFontPixels, 11);  // 0.55 * 20
}

TEST(LiveTableFit, FontStaysWithinItsBounds) {
    EXPECT_EQ(fitLiveTable(raceTable(100, 50, 24)).fontPixels, 12);      // never unreadably small
    EXPECT_EQ(fitLiveTable(raceTable(20000, 9000, 1)).fontPixels, 160);  // nor absurdly large
    EXPECT_EQ(fitLiveTable({800, 600, 0, {}, 12, 160}).columnWidths.size(), 0u);
}

}  // namespace sc
