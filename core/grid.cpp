#include "core/grid.h"

#include <algorithm>
#include <numeric>

#include "core/number_format.h"

namespace sc {
namespace {

const GridCell kEmptyCell{};

// Bottom-up merge sort of row numbers. Stable, and safe whatever the
// comparison answers: it never reads outside its own vectors. Runs already in
// order are copied without merging, so a table that did not change costs one
// comparison per row.
template <typename GoesAfter>
std::vector<int> StableOrder(std::vector<int> rows, GoesAfter goesAfter) {
    std::vector<int> buffer(rows.size());
    for (std::size_t width = 1; width < rows.size(); width *= 2) {
        for (std::size_t lo = 0; lo < rows.size(); lo += 2 * width) {
            const std::size_t mid = std::min(lo + width, rows.size());
            const std::size_t hi = std::min(lo + 2 * width, rows.size());
            std::size_t a = lo, b = mid, out = lo;
            if (b < hi && goesAfter(rows[b - 1], rows[b])) {
                while (a < mid && b < hi) buffer[out++] = goesAfter(rows[a], rows[b]) ? rows[b++] : rows[a++];
            }
            while (a < mid) buffer[out++] = rows[a++];
            while (b < hi) buffer[out++] = rows[b++];
        }
        rows.swap(buffer);
    }
    return rows;
}

Alignment AlignmentOf(char c) {
    switch (c) {
        case '<':
            return Alignment::Left;
        case '^':
            return Alignment::Centre;
        case '>':
            return Alignment::Right;
        default:
            return Alignment::General;
    }
}

}  // namespace

Grid::Grid(int rows, int cols, int fixedRows, int fixedCols) {
    Resize(rows, cols);
    SetFixedRows(fixedRows);
    SetFixedCols(fixedCols);
    revision_ = 0;
}

// ---- shape ----------------------------------------------------------------------------

void Grid::Resize(int rows, int cols) {
    cols = std::clamp(cols, 0, static_cast<int>(kMaxCells));
    const auto rowLimit = cols == 0 ? kMaxCells : kMaxCells / static_cast<std::size_t>(cols);
    rows = std::clamp(rows, 0, static_cast<int>(rowLimit));
    if (cols != cols_) {
        std::vector<GridCell> cells(static_cast<std::size_t>(rows_) * cols);
        for (int r = 0; r < rows_; ++r)
            for (int c = 0; c < std::min(cols, cols_); ++c)
                cells[static_cast<std::size_t>(r) * cols + c] = std::move(At(r, c));
        cells_.swap(cells);
        cols_ = cols;
        colWidths_.resize(cols, kDefaultColWidth);
        alignments_.resize(cols, Alignment::General);
    }
    rows_ = rows;
    cells_.resize(static_cast<std::size_t>(rows) * cols);
    rowHeights_.resize(rows, kDefaultRowHeight);
    rowWritten_.resize(rows, false);
    rowOrigin_.resize(rows, kNewRow);
    fixedRows_ = std::min(fixedRows_, rows_);
    fixedCols_ = std::min(fixedCols_, cols_);
    row_ = std::clamp(row_, 0, std::max(rows_ - 1, 0));
    rowSel_ = std::clamp(rowSel_, 0, std::max(rows_ - 1, 0));
    col_ = std::clamp(col_, 0, std::max(cols_ - 1, 0));
    colSel_ = std::clamp(colSel_, 0, std::max(cols_ - 1, 0));
    topRow_ = std::clamp(topRow_, 0, std::max(rows_ - 1, 0));
    LayoutChanged();
}

void Grid::SetRows(int rows) { Resize(rows, cols_); }
void Grid::SetCols(int cols) { Resize(rows_, cols); }

void Grid::SetFixedRows(int fixedRows) {
    fixedRows_ = std::clamp(fixedRows, 0, rows_);
    LayoutChanged();
}

void Grid::SetFixedCols(int fixedCols) {
    fixedCols_ = std::clamp(fixedCols, 0, cols_);
    LayoutChanged();
}

void Grid::SetFormatString(std::string_view format) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const auto bar = format.find('|', start);
        fields.push_back(format.substr(start, bar == std::string_view::npos ? bar : bar - start));
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    if (static_cast<int>(fields.size()) > cols_) SetCols(static_cast<int>(fields.size()));
    if (rows_ == 0) SetRows(1);
    for (int c = 0; c < static_cast<int>(fields.size()) && c < cols_; ++c) {
        std::string_view field = fields[c];
        const Alignment a = field.empty() ? Alignment::General : AlignmentOf(field.front());
        if (a != Alignment::General) field.remove_prefix(1);
        alignments_[c] = a;
        AssignText(At(0, c), field);
    }
    RowChanged(0);
    LayoutChanged();
}

Alignment Grid::ColAlignment(int col) const {
    return col >= 0 && col < cols_ ? alignments_[col] : Alignment::General;
}

void Grid::SetColAlignment(int col, Alignment alignment) {
    if (col < 0 || col >= cols_) return;
    alignments_[col] = alignment;
    LayoutChanged();
}

int Grid::ColWidth(int col) const { return col >= 0 && col < cols_ ? colWidths_[col] : 0; }

void Grid::SetColWidth(int col, int width) {
    if (col < 0 || col >= cols_) return;
    colWidths_[col] = std::max(width, 0);
    LayoutChanged();
}

int Grid::RowHeight(int row) const { return row >= 0 && row < rows_ ? rowHeights_[row] : 0; }

void Grid::SetRowHeight(int row, int height) {
    if (row < 0 || row >= rows_) return;
    rowHeights_[row] = std::max(height, 0);
    LayoutChanged();
}

void Grid::SetTopRow(int row) {
    topRow_ = std::clamp(row, 0, std::max(rows_ - 1, 0));
    LayoutChanged();
}

// ---- cells ----------------------------------------------------------------------------

const GridCell& Grid::Cell(int row, int col) const {
    return InRange(row, col) ? cells_[static_cast<std::size_t>(row) * cols_ + col] : kEmptyCell;
}

void Grid::SetTextMatrix(int row, int col, std::string text) {
    if (!InRange(row, col)) return;
    GridCell& cell = At(row, col);
    if (cell.text == text) return;
    cell.text = std::move(text);
    cell.numberKnown_ = false;
    RowChanged(row);
}

bool Grid::AssignText(GridCell& cell, std::string_view text) {
    if (cell.text == text) return false;
    cell.text.assign(text);
    cell.numberKnown_ = false;
    return true;
}

double Grid::Number(int row, int col) const {
    if (!InRange(row, col)) return 0;
    const GridCell& cell = cells_[static_cast<std::size_t>(row) * cols_ + col];
    if (!cell.numberKnown_) {
        cell.number_ = ReadNumber(cell.text);
        cell.numberKnown_ = true;
    }
    return cell.number_;
}

void Grid::AddItem(std::string_view tabbedFields, int row) {
    const int oldRows = rows_;
    Resize(rows_ + 1, cols_);
    if (rows_ == oldRows) return;  // at the size limit
    const int at = row >= 0 && row < oldRows ? row : oldRows;
    if (at != oldRows) {  // appending moves no row: a long table fills in linear time
        std::vector<int> order(static_cast<std::size_t>(rows_));
        for (int r = 0; r < rows_; ++r) order[r] = r < at ? r : r == at ? oldRows : r - 1;
        ReorderRows(std::move(order));
    }
    for (int c = 0; c < cols_ && !tabbedFields.empty(); ++c) {
        const auto tab = tabbedFields.find('\t');
        AssignText(At(at, c), tabbedFields.substr(0, tab));
        tabbedFields = tab == std::string_view::npos ? std::string_view() : tabbedFields.substr(tab + 1);
    }
    RowChanged(at);
}

void Grid::RemoveItem(int row) {
    if (row < 0 || row >= rows_) return;
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(rows_));
    for (int r = 0; r < rows_; ++r)
        if (r != row) order.push_back(r);
    order.push_back(row);
    ReorderRows(std::move(order));
    Resize(rows_ - 1, cols_);
}

void Grid::Clear() {
    for (auto& cell : cells_) cell = GridCell{};
    for (int r = 0; r < rows_; ++r) RowChanged(r);
}

// ---- selection ------------------------------------------------------------------------

void Grid::Select(int row, int col, int rowSel, int colSel) {
    const int lastRow = std::max(rows_ - 1, 0), lastCol = std::max(cols_ - 1, 0);
    row_ = std::clamp(row, 0, lastRow);
    col_ = std::clamp(col, 0, lastCol);
    rowSel_ = std::clamp(rowSel, 0, lastRow);
    colSel_ = std::clamp(colSel, 0, lastCol);
}

Grid::Block Grid::Target() const {
    if (Fill == FillStyle::Single) return {row_, col_, row_, col_};
    return {std::min(row_, rowSel_), std::min(col_, colSel_), std::max(row_, rowSel_),
            std::max(col_, colSel_)};
}

template <typename Apply>
void Grid::ForEachTarget(Apply apply) {
    const Block b = Target();
    for (int r = b.top; r <= b.bottom; ++r) {
        bool changed = false;
        for (int c = b.left; c <= b.right; ++c)
            if (InRange(r, c)) changed = apply(At(r, c)) || changed;
        if (changed) RowChanged(r);
    }
}

namespace {

// Sets one field of a cell; tells whether its value changed.
template <auto Field, typename T>
bool Put(GridCell& cell, T value) {
    if (cell.*Field == value) return false;
    cell.*Field = value;
    return true;
}

}  // namespace

void Grid::SetText(std::string_view text) {
    ForEachTarget([text](GridCell& cell) { return AssignText(cell, text); });
}
void Grid::SetCellBackColour(int colour) {
    ForEachTarget([colour](GridCell& cell) { return Put<&GridCell::backColour>(cell, colour); });
}
void Grid::SetCellForeColour(int colour) {
    ForEachTarget([colour](GridCell& cell) { return Put<&GridCell::foreColour>(cell, colour); });
}
void Grid::SetCellPicture(bool picture) {
    ForEachTarget([picture](GridCell& cell) { return Put<&GridCell::picture>(cell, picture); });
}
void Grid::SetCellFontBold(bool bold) {
    ForEachTarget([bold](GridCell& cell) { return Put<&GridCell::bold>(cell, bold); });
}

template <auto Field, typename T>
void Grid::PutAt(int row, int col, T value) {
    if (InRange(row, col) && Put<Field>(At(row, col), value)) RowChanged(row);
}
void Grid::SetCellBackColourAt(int row, int col, int colour) {
    PutAt<&GridCell::backColour>(row, col, colour);
}
void Grid::SetCellForeColourAt(int row, int col, int colour) {
    PutAt<&GridCell::foreColour>(row, col, colour);
}

// ---- sorting --------------------------------------------------------------------------

void Grid::SortNumericAscending(int firstCol, int lastCol) {
    firstCol = std::max(firstCol, 0);
    lastCol = std::min(lastCol, cols_ - 1);
    if (firstCol > lastCol || rows_ - fixedRows_ < 2) return;
    // Read every key once: rows are compared many times.
    const auto width = static_cast<std::size_t>(lastCol) - static_cast<std::size_t>(firstCol) + 1;
    std::vector<double> keys(static_cast<std::size_t>(rows_) * width);
    for (int r = fixedRows_; r < rows_; ++r)
        for (int c = firstCol; c <= lastCol; ++c) keys[r * width + (c - firstCol)] = Number(r, c);
    Reorder([&keys, width](int a, int b) {
        for (std::size_t k = 0; k < width; ++k) {
            const double x = keys[a * width + k], y = keys[b * width + k];
            if (x != y) return x > y;
        }
        return false;
    });
}

void Grid::SortCustom(const Compare& compare) {
    Reorder([&compare](int a, int b) { return compare(a, b) > 0; });
}

template <typename GoesAfter>
void Grid::Reorder(GoesAfter goesAfter) {
    if (rows_ - fixedRows_ < 2) return;
    std::vector<int> movable(static_cast<std::size_t>(rows_ - fixedRows_));
    std::iota(movable.begin(), movable.end(), fixedRows_);
    const auto sorted = StableOrder(std::move(movable), goesAfter);
    std::vector<int> order(static_cast<std::size_t>(fixedRows_));
    std::iota(order.begin(), order.end(), 0);
    order.insert(order.end(), sorted.begin(), sorted.end());
    ReorderRows(std::move(order));
}

// Row i of the grid becomes the old row order[i]. The rows are swapped in
// place along each cycle of the permutation: strings only trade buffers, and
// a table already in order is left untouched (no change, nothing to repaint).
void Grid::ReorderRows(std::vector<int> order) {
    bool moved = false;
    for (int start = 0; start < rows_; ++start) {
        if (order[start] == start) continue;
        int r = start;
        while (order[r] != start) {
            const int from = order[r];
            SwapRows(r, from);  // row r now holds its final content
            order[r] = r;
            r = from;
        }
        order[r] = r;  // the last row of the cycle received the start row on the way
        moved = true;
    }
    if (moved) Notify();
}

void Grid::SwapRows(int a, int b) {
    const auto rowStart = [this](int row) {
        return cells_.begin() + static_cast<std::ptrdiff_t>(row) * cols_;
    };
    std::swap_ranges(rowStart(a), rowStart(a + 1), rowStart(b));
    std::swap(rowHeights_[a], rowHeights_[b]);
    std::swap(rowOrigin_[a], rowOrigin_[b]);
    std::vector<bool>::swap(rowWritten_[a], rowWritten_[b]);
}

// ---- redraw and change tracking -------------------------------------------------------

void Grid::SetRedraw(bool on) {
    redraw_ = on;
    if (on && pending_ && listener_) listener_();
}

Grid::Changes Grid::TakeChanges() {
    Changes changes;
    changes.layout = layoutDirty_;
    for (int r = 0; r < rows_; ++r) {
        const bool moved = rowOrigin_[r] != r;
        if (moved) changes.layout = true;  // the row order changed
        if (moved || rowWritten_[r]) changes.rows.push_back(r);
    }
    layoutDirty_ = false;
    rowWritten_.assign(rows_, false);
    std::iota(rowOrigin_.begin(), rowOrigin_.end(), 0);
    pending_ = false;
    return changes;
}

void Grid::RowChanged(int row) {
    if (row >= 0 && row < rows_) rowWritten_[row] = true;
    Notify();
}

void Grid::LayoutChanged() {
    layoutDirty_ = true;
    Notify();
}

void Grid::Notify() {
    ++revision_;
    pending_ = true;
    if (redraw_ && listener_) listener_();
}

}  // namespace sc
