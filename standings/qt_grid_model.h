#pragma once
// Shows a headless Grid in a Qt item view: the fixed header row becomes the
// horizontal header, the other rows the model's rows. sync() compares the grid
// with what was last shown and signals only the cells that differ, so a view
// repaints the changed cells and nothing else.

#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

#include "core/grid.h"

namespace sc {

class GridTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridTableModel(const Grid& grid, QObject* parent = nullptr);

    // What sync() found.
    struct SyncResult {
        bool reshaped = false;  // row or column count: the model was reset
        bool layout = false;    // widths, heights or the first visible row
        int cellsChanged = 0;
    };
    SyncResult sync();

    // The text of the header cell of column 0 is kept by some tables but never shown.
    void setCornerTextShown(bool shown) { cornerTextShown_ = shown; }
    // What a cell with the flag picture shows instead of its text.
    void setPictureText(QString text) { pictureText_ = std::move(text); }

    const Grid& grid() const { return grid_; }
    int gridRow(int modelRow) const { return modelRow + grid_.FixedRows(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Shape {
        int rows = 0, cols = 0;
        std::vector<int> widths, heights;
        int topRow = 0;
        bool operator==(const Shape&) const = default;
    };
    Shape shapeOf() const;
    void takeSnapshot();
    QVariant cellData(int row, int col, int role) const;

    const Grid& grid_;
    Shape shape_;
    std::vector<GridCell> shown_;
    std::uint64_t revision_ = 0;
    bool cornerTextShown_ = true;
    QString pictureText_;
};

}  // namespace sc
