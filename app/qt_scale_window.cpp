#include "app/qt_scale_window.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLayout>
#include <QScrollBar>
#include <QTableView>
#include <QWidget>

#include "app/window_scale.h"
#include "core/race_state.h"

namespace sc {

namespace {

void scaleFont(QWidget* item, double scaleY) {
    QFont font = item->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scaleY);
    else if (font.pixelSize() > 0)
        font.setPixelSize(scaledLength(font.pixelSize(), scaleY));
    item->setFont(font);
}

// A widget a layout places keeps the layout's geometry.
bool placedByLayout(const QWidget* item) {
    const QWidget* parent = item->parentWidget();
    return parent && parent->layout() && parent->layout()->indexOf(const_cast<QWidget*>(item)) >= 0;
}

void scaleGrid(QTableView* grid, double scaleX, double scaleY) {
    const bool hBar = grid->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
    const bool vBar = grid->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
    // Twips: the design unit of the scroll-bar allowance (15 twips a pixel at 96 dpi).
    const GridCellScale cells =
        gridCellScale(scaleX, scaleY, grid->width() * 15.0, grid->height() * 15.0, hBar, vBar);
    ScaleControl(grid, scaleX, scaleY);
    QHeaderView* columns = grid->horizontalHeader();
    QHeaderView* rows = grid->verticalHeader();
    if (!grid->model()) return;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        columns->resizeSection(c, scaledLength(columns->sectionSize(c), cells.column));
    rows->setMinimumSectionSize(scaledLength(rows->minimumSectionSize(), cells.row));
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        rows->resizeSection(r, scaledLength(rows->sectionSize(r), cells.row));
}

}  // namespace

void ScaleControl(QWidget* item, double scaleX, double scaleY) {
    scaleFont(item, scaleY);
    if (!item->isWindow() && placedByLayout(item)) return;
    const QRect g = item->geometry();
    item->setGeometry(scaledLength(g.x(), scaleX), scaledLength(g.y(), scaleY),
                      scaledLength(g.width(), scaleX), scaledLength(g.height(), scaleY));
}

void ScaleWindow(QWidget* window, const RaceState& state) {
    if (!scalingNeeded(state.ScaleX, state.ScaleY)) return;
    const auto children = window->findChildren<QWidget*>();
    if (window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))
        scaleFont(window, state.ScaleY);
    else
        ScaleControl(window, state.ScaleX, state.ScaleY);
    // Our windows place their controls with layouts, so only fonts change
    // below the window; children without a font of their own follow it.
    for (QWidget* child : children) {
        if (auto* grid = qobject_cast<QTableView*>(child))
            scaleGrid(grid, state.ScaleX, state.ScaleY);
        else if (child->testAttribute(Qt::WA_SetFont))
            scaleFont(child, state.ScaleY);
    }
}

}  // namespace sc
