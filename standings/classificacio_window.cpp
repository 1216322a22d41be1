#include "standings/classificacio_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "config_windows/qt_config_widgets.h"
#include "core/race_state.h"
#include "localisation/language_tables.h"
#include "localisation/qt_apply_language.h"
#include "standings/classificacio.h"
#include "standings/classification_columns.h"
#include "standings/live_table_fit.h"
#include "standings/qt_grid_model.h"
#include "standings/standings_engine.h"
#include "standings/voltaavolta_window.h"

namespace sc {

namespace {

constexpr double kTwipsPerPixel = 15;
constexpr int kTablePoints = 14;
constexpr int kHeaderPoints = 11;
constexpr int kSmallTablePoints = 12;
constexpr int kClockPoints = 30;
constexpr int kLegendPoints = 11;
constexpr int kPanelTwips = 3000;
constexpr double kMeasurePixels = 100;  // texts are measured at this size and scaled
// Tight columns: at 1920 pixels the figures must reach 40 px with the panel shown.
constexpr double kColumnPaddingEms = 0.05;
constexpr int kCellMarginPixels = 8;  // the style's text margins, so nothing elides
constexpr double kMinColumnEms = 1.2;
constexpr double kNameEms = 9;  // about 16 letters of a name
constexpr double kMinNameEms = 4;
constexpr int kPageRows = 24;
constexpr double kFastestLineRatio = 0.6;
constexpr int kPanelShare = 8;  // of the window's width
constexpr int kMinPanelPixels = 210;
constexpr int kLegendMarginPixels = 20;  // the cell's margins, the frame and the panel's left margin
constexpr int kMaxPanelPixels = 400;
constexpr double kClockEms = 4.4;  // "0:00:00" across the panel
constexpr const char* kFlag = "\u2691";
constexpr int kPauseColour = 12;  // light red, as the heat panel's

QFont sizedFont(const QFont& base, double points, bool bold) {
    QFont f = base;
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void setTextIfDifferent(QLabel* label, const std::string& text) {
    const QString q = QString::fromStdString(text);
    if (label->text() != q) label->setText(q);
}

void setVisibleIfDifferent(QWidget* w, bool visible) {
    if (w->isVisibleTo(w->parentWidget()) != visible) w->setVisible(visible);
}

void paint(QWidget* w, int back, int fore) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, paletteQColor(back));
    p.setColor(QPalette::Base, paletteQColor(back));
    p.setColor(QPalette::WindowText, paletteQColor(fore));
    p.setColor(QPalette::Text, paletteQColor(fore));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}  // namespace

ClassificacioView::ClassificacioView(RaceState& state, Classificacio& model, StandingsEngine& engine,
                                     std::function<void(int)> keys, QWidget* parent)
    : QWidget(parent), state_(state), model_(model), engine_(engine), keys_(std::move(keys)) {
    setObjectName("Classificacio");
    setFocusPolicy(Qt::StrongFocus);
    zoom_ = std::clamp(state.ScaleY, 0.5, 4.0);
    build();
    applyLanguage(state_, this);
    setWindowTitle(QString::fromStdString(model_.Title()));
    refresh();
}

int ClassificacioView::pixels(int twips) const {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel * columnScale_));
}

QFont ClassificacioView::cellFont(double pixels) const {
    QFont f = font();
    f.setPixelSize(static_cast<int>(pixels));
    f.setBold(true);
    f.setStretch(QFont::Condensed);  // the same digits in less width
    return f;
}

void ClassificacioView::measureColumns(LiveTableRoom& room) const {
    const Grid& g = infoModel_->grid();
    const QFontMetricsF metrics(cellFont(kMeasurePixels));
    room.columnEms.assign(static_cast<std::size_t>(g.Cols()), 0.0);
    room.headerEms.assign(static_cast<std::size_t>(g.Cols()), 0.0);
    auto ems = [&metrics](const QString& text) { return metrics.horizontalAdvance(text) / kMeasurePixels; };
    for (int c = 0; c < g.Cols(); ++c) {
        if (g.ColWidth(c) == 0) continue;
        const auto i = static_cast<std::size_t>(c);
        room.headerEms[i] = ems(infoModel_->headerData(c, Qt::Horizontal).toString());
        double widest = 0;
        for (int r = g.FixedRows(); r < g.Rows(); ++r)
            widest = std::max(widest, ems(QString::fromStdString(g.TextMatrix(r, c))));
        // Long names give way to the figures; the cell elides them.
        room.columnEms[i] = c == cls::kName ? std::clamp(widest + kColumnPaddingEms, kMinNameEms, kNameEms)
                                            : std::max(widest + kColumnPaddingEms, kMinColumnEms);
    }
    // Neighbours designed alike (the two gaps, the last and best laps) stay alike.
    for (int c = 0; c + 1 < g.Cols(); ++c)
        if (g.ColWidth(c) > 0 && g.ColWidth(c) == g.ColWidth(c + 1))
            for (auto* v : {&room.columnEms, &room.headerEms}) {
                auto& left = (*v)[static_cast<std::size_t>(c)];
                auto& right = (*v)[static_cast<std::size_t>(c + 1)];
                left = right = std::max(left, right);
            }
}

// Font, rows and columns grow with the window and shrink with the rows to show.
void ClassificacioView::fitTable() {
    const Grid& g = infoModel_->grid();
    LiveTableRoom room;
    const int frame = 2 * infoClass_->frameWidth() + 2;
    room.width = infoClass_->width() - frame;
    room.height = infoClass_->height() - frame;
    for (int r = g.FixedRows(); r < g.Rows(); ++r) room.rows += g.RowHidden(r) ? 0 : 1;
    room.rows = std::min(room.rows, kPageRows);  // auto-scroll pages by 24 rows
    measureColumns(room);
    // Each shown column has the cell's own margins besides its text.
    int shown = 0;
    for (double em : room.columnEms) shown += em > 0 ? 1 : 0;
    room.width -= shown * kCellMarginPixels;
    if (room.width <= 0 || room.height <= 0) return;
    LiveTableFit fit = fitLiveTable(room);
    for (std::size_t c = 0; c < fit.columnWidths.size(); ++c)
        if (room.columnEms[c] > 0) fit.columnWidths[c] += kCellMarginPixels;
    if (fit.fontPixels == fit_.fontPixels && fit.columnWidths == fit_.columnWidths &&
        fit.rowHeight == fit_.rowHeight)
        return;
    fit_ = fit;
    QFont cells = cellFont(fit.fontPixels);
    infoClass_->setFont(cells);
    QFont header = cells;
    header.setPixelSize(static_cast<int>(fit.headerFontPixels));
    infoClass_->horizontalHeader()->setFont(header);
    infoClass_->horizontalHeader()->setFixedHeight(fit.headerHeight);
    // The rows are as tall as the fit says, not as the style's margins would make them.
    infoClass_->verticalHeader()->setMinimumSectionSize(fit.rowHeight);
    infoClass_->verticalHeader()->setDefaultSectionSize(fit.rowHeight);
    // The fastest-lap line above keeps in proportion with the table.
    QFont line = cells;
    line.setPixelSize(std::max(12, static_cast<int>(fit.fontPixels * kFastestLineRatio)));
    taulaVR_->setFont(line);
    taulaVR_->horizontalHeader()->setFont(header);
    taulaVR_->verticalHeader()->setDefaultSectionSize(QFontMetrics(line).height() + 4);
    taulaVR_->horizontalHeader()->setFixedHeight(fit.headerHeight);
    taulaVR_->setFixedHeight(fit.headerHeight + QFontMetrics(line).height() + 8);
    applyLayout(infoClass_, *infoModel_);
}

void ClassificacioView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The panel and its clock take an eighth of the window: the clock reads from the track too.
    const int panel =
        std::clamp(width() / kPanelShare, std::max(kMinPanelPixels, legendWidth()), kMaxPanelPixels);
    if (infos_->width() != panel) {
        infos_->setFixedWidth(panel);
        QFont clock = rellotge_->font();
        clock.setPixelSize(static_cast<int>(panel / kClockEms));
        rellotge_->setFont(clock);
        rellotge_->setMinimumHeight(QFontMetrics(clock).height() + 8);
        QFont pause = clock;
        pause.setPixelSize(clock.pixelSize() / 2);
        pausa_->setFont(pause);
        mesMenys_->setFont(clock);
        showPicture();
    }
}

bool ClassificacioView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == infoClass_ && event->type() == QEvent::Resize) fitTable();
    return QWidget::eventFilter(watched, event);
}

QTableView* ClassificacioView::makeTable(const char* name, GridTableModel* model, int pointSize) {
    auto* view = new QTableView(this);
    view->setObjectName(name);
    view->setModel(model);
    view->setFocusPolicy(Qt::NoFocus);  // typed keys must reach the heat keys
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->setFont(sizedFont(font(), pointSize * zoom_, true));
    view->horizontalHeader()->setFont(sizedFont(font(), kHeaderPoints * zoom_, true));
    view->horizontalHeader()->setHighlightSections(false);
    view->verticalHeader()->setDefaultSectionSize(QFontMetrics(view->font()).height() + 6);
    model->setPictureText(QString::fromUtf8(kFlag));
    return view;
}

void ClassificacioView::build() {
    infoModel_ = new GridTableModel(engine_.InfoClass, this);
    infoModel_->setCornerTextShown(false);  // the cut is kept there, never shown
    vrModel_ = new GridTableModel(engine_.TaulaVR, this);
    timesModel_ = new GridTableModel(engine_.LlistaTR, this);
    refModel_ = new GridTableModel(engine_.Ref, this);

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(2, 2, 2, 2);
    auto* left = new QVBoxLayout;
    taulaVR_ = makeTable("TaulaVR", vrModel_, kSmallTablePoints);
    taulaVR_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    taulaVR_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);  // the name
    taulaVR_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    taulaVR_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    taulaVR_->setFixedHeight(taulaVR_->horizontalHeader()->sizeHint().height() +
                             taulaVR_->verticalHeader()->defaultSectionSize() + 4);
    left->addWidget(taulaVR_);
    infoClass_ = makeTable("InfoClass", infoModel_, kTablePoints);
    infoClass_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);  // only below the smallest font
    infoClass_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    infoClass_->installEventFilter(this);
    columnScale_ = 1.5 * zoom_;
    applyLayout(infoClass_, *infoModel_);
    left->addWidget(infoClass_, 1);
    outer->addLayout(left, 1);
    outer->addWidget(buildInfos());

    connect(infoClass_, &QTableView::clicked, this,
            [this](const QModelIndex& index) { click(infoModel_->gridRow(index.row()), index.column()); });
    connect(infoClass_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int col) { click(0, col); });
}

QWidget* ClassificacioView::buildInfos() {
    infos_ = new QFrame(this);
    infos_->setObjectName("Infos");
    infos_->setFixedWidth(static_cast<int>(kPanelTwips / kTwipsPerPixel * 1.5 * zoom_));
    auto* column = new QVBoxLayout(infos_);
    column->setContentsMargins(4, 0, 0, 0);

    rellotge_ = new QLabel(infos_);
    rellotge_->setObjectName("Rellotge");
    rellotge_->setAlignment(Qt::AlignCenter);
    rellotge_->setFont(sizedFont(font(), kClockPoints * zoom_, true));
    rellotge_->setMinimumHeight(QFontMetrics(rellotge_->font()).height() + 8);
    paint(rellotge_, 0, 14);  // yellow on black: readable from the far end of the track
    column->addWidget(rellotge_);

    pausa_ =
        new QLabel(QString::fromStdString(
                       tableText(state_.Settings.Language, "Portada", "TextPausa", -1).value_or("EN PAUSA")),
                   infos_);
    pausa_->setObjectName("TextPausa");
    pausa_->setAlignment(Qt::AlignCenter);
    pausa_->setFont(sizedFont(font(), kClockPoints * zoom_ * 0.5, true));
    paint(pausa_, kPauseColour, 15);
    pausa_->setVisible(false);
    column->addWidget(pausa_);

    // The lap correction being typed, large enough to read back before Enter.
    mesMenys_ = new QLabel(infos_);
    mesMenys_->setObjectName("MesMenys");
    mesMenys_->setAlignment(Qt::AlignCenter);
    mesMenys_->setFont(sizedFont(font(), kClockPoints * zoom_, true));
    paint(mesMenys_, 14, 0);
    mesMenys_->setVisible(false);
    column->addWidget(mesMenys_);

    enPista_ = new QLabel(infos_);
    enPista_->setObjectName("EnPista");
    enPista_->setAlignment(Qt::AlignCenter);
    enPista_->setFont(sizedFont(font(), kClockPoints * zoom_ * 0.7, true));
    column->addWidget(enPista_);

    legend_ = new QTableWidget(infos_);
    legend_->setObjectName("Legenda");
    legend_->setFocusPolicy(Qt::NoFocus);
    legend_->setSelectionMode(QAbstractItemView::NoSelection);
    legend_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    legend_->horizontalHeader()->hide();
    legend_->verticalHeader()->hide();
    legend_->horizontalHeader()->setStretchLastSection(true);
    legend_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    legend_->setFont(sizedFont(font(), kLegendPoints * zoom_, true));
    fillLegend();
    column->addWidget(legend_);

    marcSPP_ = new QFrame(infos_);
    marcSPP_->setObjectName("MarcSPP");
    auto* spp = new QVBoxLayout(marcSPP_);
    spp->setContentsMargins(0, 0, 0, 0);
    llistaTR_ = makeTable("LlistaTR", timesModel_, kSmallTablePoints);
    ref_ = makeTable("Ref", refModel_, kSmallTablePoints);
    for (QTableView* t : {llistaTR_, ref_}) {
        t->setParent(marcSPP_);
        t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        spp->addWidget(t);
    }
    column->addWidget(marcSPP_, 1);

    picture_ = new QLabel(infos_);
    picture_->setObjectName("Infograf");
    picture_->setAlignment(Qt::AlignCenter);
    showPicture();
    column->addWidget(picture_);
    column->addStretch(model_.SuperPole() ? 0 : 1);
    return infos_;
}

void ClassificacioView::fillLegend() {
    const auto& rows = model_.Legend();
    legend_->setColumnCount(1);
    legend_->setRowCount(static_cast<int>(rows.size()));
    const int rowHeight = QFontMetrics(legend_->font()).height() + 6;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        auto* item = new QTableWidgetItem(QString::fromStdString(rows[r].text));
        item->setBackground(paletteQColor(rows[r].backColour < 0 ? 15 : rows[r].backColour));
        item->setForeground(paletteQColor(0));
        legend_->setItem(r, 0, item);
        legend_->setRowHeight(r, rowHeight);
    }
    legend_->setFixedHeight(rowHeight * static_cast<int>(rows.size()) + 4);
}

// The legend's longest line whole, with the cell's margins and the panel's.
int ClassificacioView::legendWidth() const {
    const QFontMetrics metrics(legend_->font());
    int widest = 0;
    for (const auto& row : model_.Legend())
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(row.text)));
    return widest + kLegendMarginPixels;
}

void ClassificacioView::showPicture() {
    const auto& file = model_.Picture();
    QPixmap pixmap;
    if (file) pixmap.load(QString::fromStdString(file->string()));
    picture_->setVisible(!pixmap.isNull());
    if (!pixmap.isNull())
        picture_->setPixmap(pixmap.scaledToWidth(infos_->width() - 8, Qt::SmoothTransformation));
}

void ClassificacioView::applyLayout(QTableView* view, const GridTableModel& model) {
    const Grid& g = model.grid();
    const bool fitted = static_cast<int>(fit_.columnWidths.size()) == g.Cols();
    const int rowHeight = fitted ? fit_.rowHeight : QFontMetrics(view->font()).height() + 6;
    for (int c = 0; c < g.Cols(); ++c) {
        const int w = g.ColWidth(c);
        view->setColumnHidden(c, w == 0);
        const int px = fitted ? fit_.columnWidths[static_cast<std::size_t>(c)] : pixels(w);
        if (w > 0 && view->columnWidth(c) != px) view->setColumnWidth(c, px);
    }
    for (int r = g.FixedRows(); r < g.Rows(); ++r) {
        const int h = g.RowHeight(r);
        view->setRowHidden(r - g.FixedRows(), h == 0);
        if (h > 0 && view->rowHeight(r - g.FixedRows()) != rowHeight)
            view->setRowHeight(r - g.FixedRows(), rowHeight);
    }
    const int top = std::max(g.TopRow() - g.FixedRows(), 0);
    if (view->verticalScrollBar()->value() != top) view->verticalScrollBar()->setValue(top);
}

void ClassificacioView::syncTable(QTableView* view, GridTableModel* model) {
    const bool layout = model->sync().layout;
    // Texts grow during a heat (laps, gaps): the fit follows them.
    if (view == infoClass_) fitTable();
    if (layout) applyLayout(view, *model);
}

void ClassificacioView::refresh() {
    model_.ApplyCut();
    syncTable(infoClass_, infoModel_);
    vrModel_->sync();
    timesModel_->sync();
    refModel_->sync();
    const bool superPole = model_.SuperPole();
    setVisibleIfDifferent(marcSPP_, superPole);
    setVisibleIfDifferent(enPista_, superPole);
    setTextIfDifferent(rellotge_, model_.Rellotge());
    setTextIfDifferent(enPista_, model_.EnPista());
    setVisibleIfDifferent(infos_, model_.InfosVisible());
}

void ClassificacioView::showPause(bool paused, bool labelShown) {
    // As the heat panel: the clock blinks red while "EN PAUSA" flashes.
    const bool red = paused && labelShown;
    if (pausa_->isVisibleTo(infos_) == red) return;
    paint(rellotge_, red ? kPauseColour : 0, red ? 15 : 14);
    pausa_->setVisible(red);
}

void ClassificacioView::showCorrection(const std::string& entry, bool shown) {
    setTextIfDifferent(mesMenys_, entry);
    setVisibleIfDifferent(mesMenys_, shown);
}

void ClassificacioView::click(int gridRow, int gridCol) {
    const auto action = model_.InfoClass_Click(gridRow, gridCol);
    if (action == Classificacio::ClickAction::OpenResults && openResults) openResults();
    refresh();
    setFocus();
}

void ClassificacioView::keyPressEvent(QKeyEvent* event) {
    const int code = HeatKeyCode(*event);
    if (code == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    model_.KeyPress(code);
    setVisibleIfDifferent(infos_, model_.InfosVisible());
    // Last: the heat keys may close heat-running mode, and this window with it.
    if (keys_) keys_(code);
}

}  // namespace sc
