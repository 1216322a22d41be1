#pragma once
// Headless table of the classification, results and listing windows: the cells
// hold their values as display text, exactly as shown, and are read back as
// numbers. A Qt model renders it; the rules only ever touch this class.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sc {

enum class Alignment { General, Left, Centre, Right };

// Whether text and colour assignments go to the whole selected block or only
// to the current cell.
enum class FillStyle { Repeat, Single };

inline constexpr int kDefaultColour = -1;  // the view's own colour; else palette 0..15

struct GridCell {
    std::string text;
    int backColour = kDefaultColour;
    int foreColour = kDefaultColour;
    bool picture = false;  // the flag picture
    bool bold = false;

private:
    friend class Grid;
    // The number the text reads as, worked out at the first read: the rules read
    // the same cells many times per passing and write few of them. Only the grid
    // writes the text of its cells, and forgets the number when it does.
    mutable double number_ = 0;
    mutable bool numberKnown_ = false;
};

class Grid {
public:
    static constexpr int kDefaultRowHeight = 250;
    static constexpr int kDefaultColWidth = 960;
    // Guards against a count read from a damaged file; far above any meeting.
    static constexpr std::size_t kMaxCells = 1'000'000;

    explicit Grid(int rows = 2, int cols = 2, int fixedRows = 1, int fixedCols = 1);

    // ---- shape
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    void SetRows(int rows);
    void SetCols(int cols);
    void SetFixedRows(int fixedRows);
    void SetFixedCols(int fixedCols);
    // "<" left, "^" centre, ">" right, fields separated by "|"; the rest of each
    // field is the header text of row 0. Grows the column count to the fields.
    void SetFormatString(std::string_view format);
    Alignment ColAlignment(int col) const;
    void SetColAlignment(int col, Alignment alignment);
    int ColWidth(int col) const;
    void SetColWidth(int col, int width);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int height);  // 0 hides the row
    bool RowHidden(int row) const { return RowHeight(row) == 0; }
    int TopRow() const { return topRow_; }  // first visible scrolled row
    void SetTopRow(int row);

    // ---- cells (out of range: reads give an empty cell, writes are dropped;
    // writing what a cell already holds is no change)
    const GridCell& Cell(int row, int col) const;
    const std::string& TextMatrix(int row, int col) const { return Cell(row, col).text; }
    void SetTextMatrix(int row, int col, std::string text);
    double Number(int row, int col) const;  // comma or point, no number reads 0
    // Appends (or inserts before `row`) a row whose tab-separated fields fill cols 0.. .
    void AddItem(std::string_view tabbedFields, int row = -1);
    void RemoveItem(int row);
    void Clear();  // every cell's text, colours and picture

    // ---- selection: the current cell (Row, Col) and the block to (RowSel, ColSel)
    int Row() const { return row_; }
    int Col() const { return col_; }
    int RowSel() const { return rowSel_; }
    int ColSel() const { return colSel_; }
    void Select(int row, int col, int rowSel, int colSel);
    void Select(int row, int col) { Select(row, col, row, col); }
    FillStyle Fill = FillStyle::Repeat;
    const std::string& Text() const { return TextMatrix(row_, col_); }
    void SetText(std::string_view text);
    void SetCellBackColour(int colour);
    void SetCellForeColour(int colour);
    void SetCellPicture(bool picture);
    void SetCellFontBold(bool bold);
    // One cell's colour, the selection left alone.
    void SetCellBackColourAt(int row, int col, int colour);
    void SetCellForeColourAt(int row, int col, int colour);

    // ---- sorting of the rows FixedRows..Rows-1; whole rows move (text,
    // colours, picture and height). Both sorts are stable.
    // Ascending on the numbers of cols firstCol..lastCol, compared left to right.
    void SortNumericAscending(int firstCol, int lastCol);
    // compare(row1, row2) gives -1 when row1 goes first, 1 when row2 does, 0 to
    // keep their order; rows are numbered as before the sort.
    using Compare = std::function<int(int row1, int row2)>;
    void SortCustom(const Compare& compare);

    // ---- redraw: while off, changes collect silently; switching it on
    // reports them at once.
    void SetRedraw(bool on);
    // The changes since the last TakeChanges; rows that a sort moved and a
    // later sort brought back are none.
    struct Changes {
        bool layout = false;    // shape, widths, heights, headers, scrolling or row order
        std::vector<int> rows;  // rows whose cells changed or hold another row now, ascending
    };
    std::uint64_t Revision() const { return revision_; }  // counts every change
    Changes TakeChanges();
    // Called after a change while redraw is on, and when redraw comes back on.
    void SetChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

private:
    struct Block {
        int top, left, bottom, right;
    };
    bool InRange(int row, int col) const { return row >= 0 && row < rows_ && col >= 0 && col < cols_; }
    GridCell& At(int row, int col) { return cells_[static_cast<std::size_t>(row) * cols_ + col]; }
    void Resize(int rows, int cols);
    Block Target() const;
    // apply(cell) tells whether it changed the cell.
    template <typename Apply>
    void ForEachTarget(Apply apply);
    static bool AssignText(GridCell& cell, std::string_view text);
    // Stable sort of the movable rows; goesAfter(row1, row2) with the rows
    // numbered as before the sort.
    template <typename GoesAfter>
    void Reorder(GoesAfter goesAfter);
    void ReorderRows(std::vector<int> order);
    void SwapRows(int a, int b);
    void RowChanged(int row);
    void LayoutChanged();
    void Notify();

    int rows_ = 0, cols_ = 0, fixedRows_ = 0, fixedCols_ = 0;
    std::vector<GridCell> cells_;
    std::vector<int> rowHeights_;
    std::vector<int> colWidths_;
    std::vector<Alignment> alignments_;
    int topRow_ = 0;
    int row_ = 0, col_ = 0, rowSel_ = 0, colSel_ = 0;

    bool redraw_ = true;
    std::uint64_t revision_ = 0;
    bool layoutDirty_ = false;
    // Since the last TakeChanges: whether a cell of the row got a new value (the
    // flag moves with its row), and where each row stood then (kNewRow for one
    // added since). Rows that a sort moves and a later sort brings back are no
    // change.
    static constexpr int kNewRow = -1;
    template <auto Field, typename T>
    void PutAt(int row, int col, T value);
    std::vector<bool> rowWritten_;
    std::vector<int> rowOrigin_;
    bool pending_ = false;
    std::function<void()> listener_;
};

}  // namespace sc
