#pragma once
// A Grid shown in a QTableView for the results and lap-listing windows, and
// their filter drop-downs:
// column widths from the grid's twips, hidden columns and rows, the header
// from a language format kept on the view.
#include <QTableView>

#include "results/filter_list.h"
#include "standings/qt_grid_model.h"

class QComboBox;

namespace sc {

// A read-only table view over `model`, rows selected whole.
QTableView* makeGridView(QWidget* parent, const char* name, GridTableModel* model);
// Widths, hidden columns and hidden rows as the grid holds them.
void applyGridLayout(QTableView* view, const Grid& grid);
// The "gridFormat" the language routine left on the view, into the grid's header.
void takeGridFormat(const QTableView* view, Grid& grid);

// A filter drop-down showing the list's entries and selection.
void fillFilter(QComboBox* box, const FilterList& list);

}  // namespace sc
