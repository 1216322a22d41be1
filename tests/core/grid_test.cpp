#include "core/grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <string>
#include <vector>

namespace sc {
namespace {

// A grid with one header row and the given rows, one text per column.
Grid Table(const std::vector<std::vector<std::string>>& rows) {
    Grid g(static_cast<int>(rows.size()) + 1, static_cast<int>(rows.front().size()), 1, 0);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) g.SetTextMatrix(r + 1, c, rows[r][c]);
    return g;
}

std::vector<std::string> Column(const Grid& g, int col) {
    std::vector<std::string> texts;
    for (int r = g.FixedRows(); r < g.Rows(); ++r) texts.push_back(g.TextMatrix(r, col));
    return texts;
}

using Texts = std::vector<std::string>;

TEST(Grid, FormatStringSetsHeadersAlignmentAndGrowsColumns) {
    Grid g(3, 2);
    g.SetFormatString("|^Dorsal|<Participant|Voltes|>VRàpida");
    EXPECT_EQ(g.Cols(), 5);
    using enum Alignment;
    const std::pair<const char*, Alignment> heads[] = {
        {"", General}, {"Dorsal", Centre}, {"Participant", Left}, {"Voltes", General}, {"VRàpida", Right}};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(g.TextMatrix(0, c), heads[c].first) << c;
        EXPECT_EQ(g.ColAlignment(c), heads[c].second) << c;
    }

    Grid wide(2, 19);
    wide.SetFormatString("^VR|^Participant");
    EXPECT_EQ(wide.Cols(), 19);  // never shrinks
}

TEST(Grid, TextAndColourAssignmentsFillTheWholeSelection) {
    Grid g(5, 5, 1, 1);
    g.Select(3, 4, 1, 2);  // corners in any order
    g.SetText("x");
    g.SetCellBackColour(10);
    g.SetCellPicture(true);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c) {
            const bool inside = r >= 1 && r <= 3 && c >= 2 && c <= 4;
            EXPECT_EQ(g.TextMatrix(r, c), inside ? "x" : "") << r << "," << c;
            EXPECT_EQ(g.Cell(r, c).backColour, inside ? 10 : kDefaultColour);
            EXPECT_EQ(g.Cell(r, c).picture, inside);
        }
    EXPECT_EQ(g.Text(), "x");

    g.Fill = FillStyle::Single;
    g.SetText("");
    EXPECT_EQ(g.TextMatrix(3, 4), "");
    EXPECT_EQ(g.TextMatrix(1, 2), "x");
}

TEST(Grid, OutOfRangeCellsReadEmptyAndWritesAreDropped) {
    Grid g(3, 3);
    g.SetTextMatrix(99, 0, "lost");
    g.SetTextMatrix(0, -1, "lost");
    EXPECT_EQ(g.TextMatrix(99, 0), "");
    EXPECT_EQ(g.TextMatrix(-1, -1), "");
    EXPECT_EQ(g.Number(5, 5), 0);
    g.Select(50, 50, -4, -4);  // clamped into the grid
    g.SetText("y");
    EXPECT_EQ(g.TextMatrix(2, 2), "y");
    EXPECT_EQ(g.TextMatrix(0, 0), "y");
}

// Cells read as numbers through ReadNumber (number_format_test); caching below.
TEST(Grid, NumericSortOrdersRowsByTheColumnRangeLeftToRightStably) {
    struct Case {
        std::vector<std::vector<std::string>> rows;
        int from, to;
        Texts order;
    };
    const Case cases[] = {
        // 10 after 2: numbers, not texts
        {{{"a", "2", "5"}, {"b", "1", "9"}, {"c", "2", "1,5"}, {"d", "10", "0"}}, 1, 2, {"b", "c", "a", "d"}},
        // ties keep their order; column 2 is outside the range
        {{{"a", "1", "9"}, {"b", "0", "8"}, {"c", "1", "7"}, {"d", "0", "6"}}, 1, 1, {"b", "d", "a", "c"}},
        // blank and non-numeric keys sort as zero
        {{{"a", "3.5"}, {"b", " "}, {"c", "-2"}, {"d", ""}, {"e", "x"}}, 1, 1, {"c", "b", "d", "e", "a"}},
        // columns outside the grid or a reversed range change nothing
        {{{"a", "2"}, {"b", "1"}}, 5, 9, {"a", "b"}},
        {{{"a", "2"}, {"b", "1"}}, 1, 0, {"a", "b"}},
        {{{"only", "1"}}, 0, 1, {"only"}},
    };
    for (const Case& c : cases) {
        Grid g = Table(c.rows);
        g.SetTextMatrix(0, 0, "header");
        g.SortNumericAscending(c.from, c.to);
        EXPECT_EQ(Column(g, 0), c.order) << c.rows.size() << " rows, " << c.from << "-" << c.to;
        EXPECT_EQ(g.TextMatrix(0, 0), "header");  // fixed rows stay
    }
}

TEST(Grid, SortMovesWholeRowsWithColoursPicturesAndHiddenHeight) {
    Grid g = Table({{"a", "2"}, {"b", "1"}});
    g.Select(1, 0, 1, 1);
    g.SetCellBackColour(12);
    g.SetCellPicture(true);
    g.SetRowHeight(1, 0);
    g.SortNumericAscending(1, 1);
    EXPECT_EQ(g.TextMatrix(2, 0), "a");
    EXPECT_EQ(g.Cell(2, 1).backColour, 12);
    EXPECT_TRUE(g.Cell(2, 0).picture);
    EXPECT_TRUE(g.RowHidden(2));
    EXPECT_FALSE(g.RowHidden(1));
    EXPECT_EQ(g.Cell(1, 0).backColour, kDefaultColour);
}

TEST(Grid, CustomSortIsStableAndSeesRowsAsBeforeTheSort) {
    // The race ordering: more laps first, then the greater key (earlier passing).
    Grid g = Table({{"a", "10", "-50"}, {"b", "11", "-60"}, {"c", "10", "-40"}, {"d", "10", "-50"}});
    const Grid before = g;
    g.SortCustom([&before](int r1, int r2) {
        EXPECT_GE(r1, 1);
        EXPECT_GE(r2, 1);
        const double laps1 = before.Number(r1, 1), laps2 = before.Number(r2, 1);
        if (laps1 != laps2) return laps1 > laps2 ? -1 : 1;
        const double key1 = before.Number(r1, 2), key2 = before.Number(r2, 2);
        if (key1 != key2) return key1 > key2 ? -1 : 1;
        return 0;
    });
    EXPECT_EQ(Column(g, 0), (Texts{"b", "c", "a", "d"}));
}

TEST(Grid, CustomSortSurvivesAnInconsistentComparison) {
    Grid g = Table({{"a"}, {"b"}, {"c"}, {"d"}, {"e"}, {"f"}, {"g"}});
    int calls = 0;
    g.SortCustom([&calls](int, int) { return ++calls % 3 - 1; });
    auto texts = Column(g, 0);
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (Texts{"a", "b", "c", "d", "e", "f", "g"}));
}

TEST(Grid, HiddenRowsHaveHeightZeroAndResizingKeepsExistingCells) {
    Grid g(4, 3);
    EXPECT_EQ(g.RowHeight(2), Grid::kDefaultRowHeight);
    for (auto [height, hidden] : {std::pair{0, true}, {-5, true}, {250, false}}) {
        g.SetRowHeight(2, height);
        EXPECT_EQ(g.RowHidden(2), hidden) << height;
    }
    g.SetColWidth(1, 0);
    EXPECT_EQ(g.ColWidth(1), 0);

    g.SetTextMatrix(2, 2, "keep");
    g.SetTextMatrix(1, 1, "too");
    g.SetCols(5);
    g.SetRows(6);
    EXPECT_EQ(g.TextMatrix(2, 2), "keep");
    EXPECT_EQ(g.TextMatrix(1, 1), "too");
    g.SetCols(2);
    EXPECT_EQ(g.TextMatrix(1, 1), "too");
    EXPECT_EQ(g.TextMatrix(2, 2), "");
    g.SetRows(1);
    EXPECT_EQ(g.FixedRows(), 1);
    g.SetRows(0);
    EXPECT_EQ(g.FixedRows(), 0);
    g.SetRows(INT_MAX);  // absurd sizes are capped, not allocated
    EXPECT_LE(static_cast<std::size_t>(g.Rows()) * g.Cols(), Grid::kMaxCells);
    g.SetRows(-3);
    EXPECT_EQ(g.Rows(), 0);
}

TEST(Grid, AddItemSplitsTabsAndInsertsWhereAsked) {
    Grid g(1, 3, 1, 0);
    g.AddItem("1.-\tJoan\t12");
    g.AddItem("\tAnna");
    g.AddItem("x\ty\tz\textra", 1);
    EXPECT_EQ(g.Rows(), 4);
    EXPECT_EQ(Column(g, 0), (Texts{"x", "1.-", ""}));
    EXPECT_EQ(Column(g, 1), (Texts{"y", "Joan", "Anna"}));
    EXPECT_EQ(Column(g, 2), (Texts{"z", "12", ""}));
    g.RemoveItem(2);
    EXPECT_EQ(Column(g, 1), (Texts{"y", "Anna"}));
    g.RemoveItem(40);
    EXPECT_EQ(g.Rows(), 3);
}

TEST(Grid, RedrawOffCollectsChangesAndReportsThemOnceWithLayoutAndRevision) {
    Grid g(4, 3);
    int notified = 0;
    g.SetChangeListener([&notified] { ++notified; });
    g.TakeChanges();

    g.SetRedraw(false);
    g.SetTextMatrix(2, 1, "a");
    g.SetTextMatrix(3, 0, "b");
    EXPECT_EQ(notified, 0);
    g.SetRedraw(true);
    EXPECT_EQ(notified, 1);

    const auto changes = g.TakeChanges();
    EXPECT_FALSE(changes.layout);
    EXPECT_EQ(changes.rows, (std::vector<int>{2, 3}));
    EXPECT_TRUE(g.TakeChanges().rows.empty());

    g.SetRedraw(false);
    g.SetRedraw(true);
    EXPECT_EQ(notified, 1);  // nothing changed, nothing to repaint

    // Layout changes and the revision count (sorts: RowsMovedAndBroughtBackAreNoChange).
    const auto revision = g.Revision();
    g.SetRowHeight(1, 0);
    EXPECT_TRUE(g.TakeChanges().layout);
    EXPECT_GT(g.Revision(), revision);
    g.SetRows(6);  // rows added since the last look
    const auto grown = g.TakeChanges();
    EXPECT_TRUE(grown.layout);
    EXPECT_EQ(grown.rows, (std::vector<int>{4, 5}));
}

TEST(Grid, NumericSortMatchesAStableSortOfTheKeysWithManyTies) {
    // Keys from a few values so most rows tie; runs already in order and
    // reversed runs both occur at every size.
    std::mt19937 random(7);
    for (int n = 2; n <= 40; ++n) {
        for (int round = 0; round < 5; ++round) {
            Grid g(n + 1, 2, 1, 0);
            std::vector<std::pair<int, std::string>> rows;
            for (int i = 0; i < n; ++i) {
                const int key = round == 0   ? i / 3
                                : round == 1 ? (n - i) / 2
                                             : static_cast<int>(random() % 4);
                rows.emplace_back(key, "r" + std::to_string(i));
                g.SetTextMatrix(i + 1, 0, rows.back().second);
                g.SetTextMatrix(i + 1, 1, std::to_string(key) + (i % 2 ? ",0" : ""));
            }
            std::stable_sort(rows.begin(), rows.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
            g.SortNumericAscending(1, 1);
            for (int i = 0; i < n; ++i)
                ASSERT_EQ(g.TextMatrix(i + 1, 0), rows[i].second) << n << "/" << round;
        }
    }
}

TEST(Grid, NumbersFollowTheTextThroughEveryKindOfWrite) {
    Grid g(3, 3, 1, 0);
    g.SetTextMatrix(1, 0, "5");
    EXPECT_EQ(g.Number(1, 0), 5);  // read once: later reads must not keep 5
    g.SetTextMatrix(1, 0, "6,5");
    EXPECT_EQ(g.Number(1, 0), 6.5);
    g.Select(1, 0, 2, 1);
    g.SetText("7");
    EXPECT_EQ(g.Number(1, 0), 7);
    EXPECT_EQ(g.Number(2, 1), 7);
    g.SetTextMatrix(2, 0, "1");
    EXPECT_EQ(g.Number(2, 0), 1);
    g.SortNumericAscending(0, 0);  // numbers move with their rows
    EXPECT_EQ(g.Number(1, 0), 1);
    EXPECT_EQ(g.Number(2, 0), 7);
    g.AddItem("9\t8", 1);
    EXPECT_EQ(g.Number(1, 0), 9);
    EXPECT_EQ(g.Number(2, 0), 1);
    g.RemoveItem(1);
    EXPECT_EQ(g.Number(1, 0), 1);
    g.SetFormatString("3|4");
    EXPECT_EQ(g.Number(0, 1), 4);
    g.Clear();
    EXPECT_EQ(g.Number(1, 0), 0);
    EXPECT_EQ(g.Number(0, 1), 0);
    g.SetCols(1);  // a narrower grid: the cells that stay keep their numbers right
    g.SetTextMatrix(1, 0, "-2");
    EXPECT_EQ(g.Number(1, 0), -2);
}

TEST(Grid, WritingWhatACellHoldsIsNoChange) {
    Grid g(4, 3);
    g.SetTextMatrix(1, 1, "a");
    g.Select(2, 0, 2, 2);
    g.SetCellBackColour(3);
    g.SetCellBackColourAt(3, 2, 5);
    g.TakeChanges();
    int notified = 0;
    g.SetChangeListener([&notified] { ++notified; });
    const auto revision = g.Revision();

    g.SetTextMatrix(1, 1, "a");
    g.SetCellBackColour(3);
    g.SetCellBackColourAt(3, 2, 5);
    g.SetCellForeColourAt(3, 2, kDefaultColour);
    EXPECT_EQ(g.Revision(), revision);
    EXPECT_EQ(notified, 0);
    EXPECT_TRUE(g.TakeChanges().rows.empty());

    g.SetCellForeColourAt(3, 2, 1);
    g.SetCellBackColourAt(9, 9, 1);  // outside: dropped
    EXPECT_EQ(g.TakeChanges().rows, (std::vector<int>{3}));
    EXPECT_EQ(g.Cell(3, 2).foreColour, 1);
    EXPECT_EQ(g.Row(), 2);  // a single cell's colour leaves the selection alone
    EXPECT_EQ(g.ColSel(), 2);
}

TEST(Grid, RowsMovedAndBroughtBackAreNoChange) {
    // The live table sorts by heat keys, then by series keys: most rows go back
    // where they were and must not be repainted.
    Grid g = Table({{"a", "3", "1"}, {"b", "1", "2"}, {"c", "2", "3"}, {"d", "0", "4"}});
    g.TakeChanges();
    g.SetRedraw(false);
    g.SortNumericAscending(1, 1);
    EXPECT_EQ(Column(g, 0), (Texts{"d", "b", "c", "a"}));
    g.SortNumericAscending(2, 2);
    g.SetRedraw(true);
    const auto back = g.TakeChanges();
    EXPECT_FALSE(back.layout);
    EXPECT_TRUE(back.rows.empty());

    // A row written while away is reported where it ends; a real move reports
    // both places and the new order.
    g.SortNumericAscending(1, 1);
    g.SetTextMatrix(2, 0, "B");  // "b" stands at row 2 now
    g.SortNumericAscending(2, 2);
    EXPECT_EQ(g.TakeChanges().rows, (std::vector<int>{2}));
    g.SetTextMatrix(1, 2, "9");
    g.SortNumericAscending(2, 2);
    EXPECT_EQ(Column(g, 0), (Texts{"B", "c", "d", "a"}));
    const auto moved = g.TakeChanges();
    EXPECT_TRUE(moved.layout);
    EXPECT_EQ(moved.rows, (std::vector<int>{1, 2, 3, 4}));
}

}  // namespace
}  // namespace sc
