#include "standings/qt_grid_model.h"

#include <QBrush>

#include "config_windows/qt_config_widgets.h"

namespace sc {

namespace {

// General alignment: numbers to the right, text to the left, as grids do.
bool looksNumeric(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return false;
    const char c = text[first];
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == ',';
}

Qt::Alignment alignmentOf(Alignment a, const std::string& text) {
    switch (a) {
        case Alignment::Centre:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case Alignment::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Alignment::General:
            return (looksNumeric(text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

bool sameLook(const GridCell& a, const GridCell& b) {
    return a.text == b.text && a.backColour == b.backColour && a.foreColour == b.foreColour &&
           a.picture == b.picture && a.bold == b.bold;
}

}  // namespace

GridTableModel::GridTableModel(const Grid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {
    takeSnapshot();
}

GridTableModel::Shape GridTableModel::shapeOf() const {
    Shape s;
    s.rows = grid_.Rows();
    s.cols = grid_.Cols();
    for (int c = 0; c < s.cols; ++c) s.widths.push_back(grid_.ColWidth(c));
    for (int r = 0; r < s.rows; ++r) s.heights.push_back(grid_.RowHeight(r));
    s.topRow = grid_.TopRow();
    return s;
}

void GridTableModel::takeSnapshot() {
    shape_ = shapeOf();
    shown_.clear();
    shown_.reserve(static_cast<std::size_t>(shape_.rows) * shape_.cols);
    for (int r = 0; r < shape_.rows; ++r)
        for (int c = 0; c < shape_.cols; ++c) shown_.push_back(grid_.Cell(r, c));
    revision_ = grid_.Revision();
}

GridTableModel::SyncResult GridTableModel::sync() {
    SyncResult result;
    if (grid_.Revision() == revision_) return result;
    if (grid_.Rows() != shape_.rows || grid_.Cols() != shape_.cols) {
        beginResetModel();
        takeSnapshot();
        endResetModel();
        result.reshaped = result.layout = true;
        return result;
    }
    Shape now = shapeOf();
    result.layout = !(now == shape_);
    shape_ = std::move(now);
    for (int r = 0; r < shape_.rows; ++r) {
        int first = -1, last = -1;
        for (int c = 0; c < shape_.cols; ++c) {
            GridCell& shown = shown_[static_cast<std::size_t>(r) * shape_.cols + c];
            const GridCell& cell = grid_.Cell(r, c);
            if (sameLook(shown, cell)) continue;
            shown = cell;
            if (first < 0) first = c;
            last = c;
            ++result.cellsChanged;
        }
        if (first < 0) continue;
        if (r < grid_.FixedRows())
            emit headerDataChanged(Qt::Horizontal, first, last);
        else
            emit dataChanged(index(r - grid_.FixedRows(), first), index(r - grid_.FixedRows(), last));
    }
    revision_ = grid_.Revision();
    return result;
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(shape_.rows - grid_.FixedRows(), 0);
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shape_.cols;
}

// Reads the snapshot, not the grid: the view shows what sync() last announced.
QVariant GridTableModel::cellData(int row, int col, int role) const {
    if (row < 0 || row >= shape_.rows || col < 0 || col >= shape_.cols) return {};
    const GridCell& cell = shown_[static_cast<std::size_t>(row) * shape_.cols + col];
    const bool fixed = row < grid_.FixedRows() || col < grid_.FixedCols();
    switch (role) {
        case Qt::DisplayRole: {
            if (row == 0 && col == 0 && !cornerTextShown_) return QString();
            // The picture takes the cell, as a picture box does, when there is one to show.
            if (cell.picture && !pictureText_.isEmpty()) return pictureText_;
            return QString::fromStdString(cell.text);
        }
        case Qt::BackgroundRole:
            if (cell.backColour != kDefaultColour) return QBrush(paletteQColor(cell.backColour));
            return fixed ? QVariant() : QVariant(QBrush(paletteQColor(15)));
        case Qt::ForegroundRole:
            if (cell.foreColour != kDefaultColour) return QBrush(paletteQColor(cell.foreColour));
            return QBrush(paletteQColor(0));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(
                alignmentOf(grid_.ColAlignment(col), row == 0 ? std::string() : cell.text));
        default:
            return {};
    }
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    return cellData(index.row() + grid_.FixedRows(), index.column(), role);
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || grid_.FixedRows() < 1)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::BackgroundRole) return {};  // the header keeps the style's face
    return cellData(0, section, role);
}

}  // namespace sc
