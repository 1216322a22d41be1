#include "output/report.h"

#include <gtest/gtest.h>

#include "localisation/language_tables.h"
#include "output/heat_report.h"
#include "output/results_report.h"
#include "results/results_series_files.h"
#include "standings/classification_columns.h"
#include "temp_folder.h"

namespace sc {
namespace {

// The column of the text `text` on line `line`; -1 when it is not there.
double columnOf(const Report& report, int line, const std::string& text) {
    for (const auto& t : report.texts)
        if (t.line == line && t.text == text) return t.column;
    return -1;
}

Report placed(const std::function<void(ReportLayout&)>& lay) {
    ReportLayout layout(95);
    lay(layout);
    layout.NewLine();
    return layout.Take();
}

TEST(ReportLayout, PlacementRoutines_TrimAndPlaceOnTheTenPointGrid) {
    using Place = void (ReportLayout::*)(double, std::string_view);
    const struct {
        Place place;
        double x;
        std::string text, kept;
        int size;
        double column;
    } cases[] = {
        {&ReportLayout::Decimal, 40, "12.3456", "12.3456", 10, 38},
        {&ReportLayout::Decimal, 40, "1,5", "1,5", 10, 39},
        {&ReportLayout::Decimal, 40, "15", "15", 10, 38},  // no separator: as if it stood after the text
        {&ReportLayout::Centre, 45, "[3]", "[3]", 10, 43.5},
        {&ReportLayout::Left, 10, "  Anna  ", "Anna", 10, 10},
        {&ReportLayout::Right, 40, " 12 ", "12", 10, 38},
        {&ReportLayout::Right, 55, "+1.0s", "+1.0s", 8, 51},  // 55 - 5 x 0.8
        {&ReportLayout::Centre, 60, "[3]", "[3]", 8, 58.8},   // 60 - 1.5 x 0.8
    };
    for (const auto& c : cases) {
        const Report r = placed([&](ReportLayout& l) {
            l.SetFontSize(c.size);
            (l.*c.place)(c.x, c.text);
        });
        EXPECT_DOUBLE_EQ(columnOf(r, 0, c.kept), c.column) << c.text;
        EXPECT_EQ(r.texts.back().size, c.size) << c.text;
    }
}

TEST(ReportLayout, LongNameIsNotCutAndPushesTheNextFieldPastIt) {
    const std::string name = "Bartomeu Vilaseca i Puigdomènech de Cal Roig";  // 44 characters
    const Report r = placed([&](ReportLayout& l) {
        l.Left(10, name);
        l.Right(40, "12");
        l.Right(55, "+1.0s");
    });
    EXPECT_EQ(columnOf(r, 0, name), 10);
    EXPECT_EQ(columnOf(r, 0, "12"), 55);     // one blank after the name's end at 54
    EXPECT_EQ(columnOf(r, 0, "+1.0s"), 58);  // and the gap after the laps
    EXPECT_EQ(ReportLines(r.texts, r.lines)[0], std::string(10, ' ') + name + " 12 +1.0s");
}

TEST(ReportLayout, ManyParticipantsRunOverPagesWithTheHeaderOnEach) {
    ReportLayout l(95);
    l.NewLine(2);
    l.Left(0, "Cursa");
    l.NewLine();
    l.Left(10, "Participant");
    l.NewLine();
    l.EndHeader();  // 4 header lines
    for (int p = 1; p <= 99; ++p) {
        l.Left(10, "P" + std::to_string(p));
        l.NewLine();
    }
    const Report r = l.Take();
    const auto pages = Paginate(r, 54);  // 50 participants a page
    ASSERT_EQ(pages.size(), 2u);
    const auto second = ReportLines(pages[1], 54);
    EXPECT_EQ(second[2], "Cursa");
    EXPECT_EQ(second[4], "          P51");
    EXPECT_EQ(second[52], "          P99");
    EXPECT_EQ(ReportLines(pages[0], 54)[53], "          P50");
}

// Columns in whole cells are checked by the print_race script's text (practice:
// print_practice); here the gaps in the smaller size and a row without a lane.
TEST(HeatReport, RaceHeatGapsInTheSmallerSizeAndNoLaneWithoutAPass) {
    Grid g = cls::MakeInfoClass(kCatalan, 2);
    for (auto [row, name, gap] : {std::tuple{1, "Anna", ""}, {2, "Biel", "-1v"}}) {
        g.SetTextMatrix(row, cls::kName, name);
        g.SetTextMatrix(row, cls::kGapLeader, gap);
        g.SetTextMatrix(row, cls::kGapAhead, gap);
    }
    g.SetTextMatrix(1, cls::kLane, "3");
    RaceState state;
    state.CurrentModality = static_cast<int16_t>(Modality::Race);
    state.CurrentHeat = 3;
    const Report r = HeatClassificationReport(state, {"Cursa", "01-02-2026"}, g);
    EXPECT_EQ(r.headerLines, 9);  // headings on line 8
    EXPECT_EQ(columnOf(r, 9, "[3]"), 72.5);
    EXPECT_DOUBLE_EQ(columnOf(r, 10, "-1v"), 52.6);  // 55 - 3 x 0.8
    EXPECT_DOUBLE_EQ(r.texts.back().column, 62.6);   // 65 - 3 x 0.8
    EXPECT_EQ(columnOf(r, 10, "[]"), -1);
    EXPECT_EQ(r.lines, 11);
}

// Race series 1: Anna runs heats 1 and 2, Biel heat 1 only. Whole-cell
// columns, the titles and the fastest-lap quadrant are in the print_race
// script; here the smaller size and a heat not run.
TEST(ResultsReport, ResultsInTheSmallerSizeAndTheLapsQuadrantMarksAHeatNotRun) {
    test::TempFolder folder;
    RaceState state;
    state.SeriesCount = {0, 0, 0, 0, 1};
    state.Msg[0][0] = "v";
    test::writeNames(folder.path() / "CRS001.PAR", 2, {"Anna", "Biel"});
    test::writeHeatFile(folder.path() / "CRS001.DAD",
                        {{1,
                          36000,
                          {test::resultRecord(1, 10, 36050, 5.1f, 4, 10, 5.1f),
                           test::resultRecord(2, 9, 36040, 5.0f, 3, 9, 5.0f)}},
                         {2, 36200, {test::resultRecord(1, 20, 36250, 5.0f, 3, 10, 0)}}});
    const SeriesFolder source{folder.path(), static_cast<int>(Modality::Race), {}, {}};
    Resultats results{state, source};
    results.Load(0);

    const Report r = ResultsReport(state, {"Cursa", "01-02-2026"}, results, 4);
    EXPECT_EQ(r.headerLines, 9);
    // Anna after heat 2 (20 laps), Anna after heat 1 (10), Biel (9).
    EXPECT_DOUBLE_EQ(columnOf(r, 9, "3"), 44.6);  // lane, small, centred at 45
    EXPECT_DOUBLE_EQ(columnOf(r, 10, "-10v"), 74.8);
    EXPECT_DOUBLE_EQ(columnOf(r, 11, "-1v"), 84.6);   // gap to Anna's 10
    EXPECT_DOUBLE_EQ(columnOf(r, 11, "-11v"), 74.8);  // 78 - 4 x 0.8
    EXPECT_EQ(r.lines, 12);

    EXPECT_EQ(LastStoredHeat(source, 1), 2);
    const Report laps = QuadrantReport(state, {"Cursa", "01-02-2026"}, results, 4, 1, 2, Quadrant::Laps);
    EXPECT_EQ(columnOf(laps, 8, "Total"), 45);  // after two heats: 32 + 16 + 2
    EXPECT_EQ(columnOf(laps, 9, "Anna"), 5);
    EXPECT_EQ(columnOf(laps, 9, "10.00"), 27);
    EXPECT_EQ(columnOf(laps, 9, "20.00"), 45);  // the total after her last heat
    EXPECT_EQ(columnOf(laps, 10, "9.00"), 28);
    EXPECT_EQ(columnOf(laps, 10, "-"), 39);   // Biel ran no second heat
    EXPECT_EQ(laps.texts.back().column, 46);  // his total 9.00
}

}  // namespace
}  // namespace sc
