#include "app/qt_grid_view.h"

#include <QComboBox>
#include <QHeaderView>

namespace sc {

namespace {
constexpr double kPixelsPerTwip = 1.5 / 15.0;  // the design's twips at a readable size
}

QTableView* makeGridView(QWidget* parent, const char* name, GridTableModel* model) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->setAlternatingRowColors(true);
    return view;
}

void applyGridLayout(QTableView* view, const Grid& grid) {
    view->setUpdatesEnabled(false);
    for (int c = 0; c < grid.Cols(); ++c) {
        const int w = grid.ColWidth(c);
        view->setColumnHidden(c, w == 0);
        if (w > 0) view->setColumnWidth(c, static_cast<int>(w * kPixelsPerTwip));
    }
    for (int r = grid.FixedRows(); r < grid.Rows(); ++r)
        view->setRowHidden(r - grid.FixedRows(), grid.RowHidden(r));
    view->setUpdatesEnabled(true);
}

void takeGridFormat(const QTableView* view, Grid& grid) {
    const QVariant format = view->property("gridFormat");
    if (format.isValid() && !format.toString().isEmpty())
        grid.SetFormatString(format.toString().toStdString());
}

void fillFilter(QComboBox* box, const FilterList& list) {
    box->clear();
    for (const auto& item : list.items) box->addItem(QString::fromStdString(item));
    box->setCurrentIndex(list.selected);
}

}  // namespace sc
