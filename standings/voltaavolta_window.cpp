#include "standings/voltaavolta_window.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QResizeEvent>
#include <QScrollArea>
#include <QVBoxLayout>

#include "config_windows/qt_config_widgets.h"
#include "core/race_state.h"
#include "standings/live_table_fit.h"

namespace sc {

namespace {

constexpr double kTwipsPerPixel = 15;
constexpr int kLapFontPoints = 16;
constexpr int kBlockMarginPixels = 30;
constexpr int kLapsInView = 10;
constexpr int kBlockLines = 3;   // title, driver and fastest lap
constexpr double kLapEms = 4.6;  // "0.0000" in bold, with its margins
constexpr int kMinLapPixels = 14;
constexpr double kLineToLap = 0.55;
constexpr const char* kFlag = "\u2691";  // the chequered flag stand-in

void setPointSize(QWidget* w, int points, bool bold) {
    QFont f = w->font();
    f.setPointSize(points);
    f.setBold(bold);
    w->setFont(f);
}

void setPixelSize(QWidget* w, int pixels, bool bold) {
    QFont f = w->font();
    f.setPixelSize(pixels);
    f.setBold(bold);
    w->setFont(f);
}

void setTextIfDifferent(QLabel* label, const std::string& text) {
    const QString q = QString::fromStdString(text);
    if (label->text() != q) label->setText(q);
}

}  // namespace

int HeatKeyCode(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Shift:
            return -1;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        default:
            break;
    }
    const QString text = event.text();
    if (text.size() != 1 || text[0].unicode() < 32 || text[0].unicode() > 126) return 0;
    return text[0].unicode();
}

VoltaaVoltaView::VoltaaVoltaView(VoltaaVolta& model, std::function<void(int)> keys, QWidget* parent)
    : QWidget(parent), model_(model), keys_(std::move(keys)) {
    setObjectName("VoltaaVolta");
    setFocusPolicy(Qt::StrongFocus);
    build();
    refresh();
}

void VoltaaVoltaView::build() {
    const LaneBlockLayout& layout = model_.Layout();
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName("RecuadreMobil");
    scroll_->setWidgetResizable(true);
    scroll_->setFocusPolicy(Qt::NoFocus);
    outer->addWidget(scroll_);
    auto* frame = new QWidget;
    auto* grid = new QGridLayout(frame);
    const int width = static_cast<int>(layout.titleWidth / kTwipsPerPixel);
    const int height = static_cast<int>(layout.titleHeight / kTwipsPerPixel);

    blocks_.assign(model_.LaneCount() + 1, Block{});
    for (int lane = 1; lane <= model_.LaneCount(); ++lane) {
        Block& b = blocks_[lane];
        b.frame = new QWidget(frame);
        auto* column = new QVBoxLayout(b.frame);
        column->setContentsMargins(2, 2, 2, 2);
        auto* head = new QHBoxLayout;
        b.title = new QLabel(b.frame);
        b.title->setObjectName(QStringLiteral("Titol(%1)").arg(lane));
        b.flag = new QLabel(QString::fromUtf8(kFlag), b.frame);
        b.flag->setObjectName(QStringLiteral("Bandera(%1)").arg(lane));
        b.flag->hide();
        for (QLabel* l : {b.title, b.flag}) setPointSize(l, layout.titleFontSize, true);
        head->addWidget(b.title, 1);
        head->addWidget(b.flag);
        column->addLayout(head);
        auto* driverRow = new QHBoxLayout;
        b.number = new QLabel(b.frame);
        b.number->setObjectName(QStringLiteral("Dorsal(%1)").arg(lane));
        setPointSize(b.number, layout.titleFontSize, true);
        driverRow->addWidget(b.number);
        b.driver = new QLineEdit(b.frame);
        b.driver->setObjectName(QStringLiteral("Pilot(%1)").arg(lane));
        b.driver->setFocusPolicy(Qt::NoFocus);  // typed keys must reach the heat keys
        b.driver->setReadOnly(true);
        setPointSize(b.driver, layout.titleFontSize, true);
        b.driver->setMinimumSize(width, height);
        driverRow->addWidget(b.driver, 1);
        column->addLayout(driverRow);
        b.laps = new QListWidget(b.frame);
        b.laps->setObjectName(QStringLiteral("Llista(%1)").arg(lane));
        b.laps->setFocusPolicy(Qt::NoFocus);
        b.laps->setMinimumWidth(width);
        setPointSize(b.laps, kLapFontPoints, false);
        column->addWidget(b.laps, 1);
        b.fastest = new QLabel(b.frame);
        b.fastest->setObjectName(QStringLiteral("VRapida(%1)").arg(lane));
        b.fastest->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setPointSize(b.fastest, layout.titleFontSize, true);
        column->addWidget(b.fastest);
        const int index = lane - 1;
        grid->addWidget(b.frame, index / layout.lanesPerRow, index % layout.lanesPerRow);
    }
    scroll_->setWidget(frame);
}

// The lap times, titles and drivers grow with the window: a block's width holds
// a time, its height some ten laps under the title, driver and fastest lap.
void VoltaaVoltaView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const LaneBlockLayout& layout = model_.Layout();
    const int rowsShown =
        std::min(layout.blockRows, 2);  // one row of blocks fills the height, more half each
    LiveTableRoom room;
    room.width = width() / std::max(layout.lanesPerRow, 1) - kBlockMarginPixels;
    room.height = height() / rowsShown - kBlockMarginPixels;
    room.rows = kLapsInView + kBlockLines;
    room.columnEms = {kLapEms};
    room.minFontPixels = kMinLapPixels;
    const LiveTableFit fit = fitLiveTable(room);
    if (fit.fontPixels == lapPixels_) return;
    lapPixels_ = fit.fontPixels;
    const int laps = static_cast<int>(fit.fontPixels);
    const int lines = std::max(kMinLapPixels, static_cast<int>(fit.fontPixels * kLineToLap));
    for (std::size_t lane = 1; lane < blocks_.size(); ++lane) {
        Block& b = blocks_[lane];
        for (QWidget* w :
             {static_cast<QWidget*>(b.title), static_cast<QWidget*>(b.flag), static_cast<QWidget*>(b.number),
              static_cast<QWidget*>(b.driver), static_cast<QWidget*>(b.fastest)})
            setPixelSize(w, lines, true);
        setPixelSize(b.laps, laps, true);
        b.driver->setMinimumHeight(QFontMetrics(b.driver->font()).height() + 6);
    }
}

void VoltaaVoltaView::refresh() {
    setUpdatesEnabled(false);
    for (int lane = 1; lane <= model_.LaneCount(); ++lane) refreshLane(lane);
    setUpdatesEnabled(true);
}

void VoltaaVoltaView::refreshLane(int lane) {
    const LaneBlock& m = model_.Lane(lane);
    Block& b = blocks_[lane];
    if (b.frame->isVisibleTo(this) != m.titleVisible) b.frame->setVisible(m.titleVisible);
    const std::string header = m.list.TextMatrix(0, 0);
    setTextIfDifferent(b.title, m.title + (header.empty() ? "" : "   (" + header + ")"));
    b.flag->setVisible(model_.FlagLane() == lane);
    setTextIfChanged(b.driver, m.driver);
    if (b.driver->cursorPosition() != 0) b.driver->setCursorPosition(0);  // a long name shows its start
    setTextIfDifferent(b.number, m.number);
    if (b.number->isVisibleTo(b.frame) == m.number.empty()) b.number->setVisible(!m.number.empty());
    const QColor back = paletteQColor(m.driverBackColour);
    const QColor fore = paletteQColor(m.driverForeColour);
    QPalette p = b.driver->palette();
    if (p.color(QPalette::Base) != back || p.color(QPalette::Text) != fore) {
        p.setColor(QPalette::Base, back);
        p.setColor(QPalette::Text, fore);
        b.driver->setPalette(p);
    }

    // Only rows that changed are touched: the list never flickers.
    int rows = 0;
    for (int row = 1; row < m.list.Rows(); ++row) {
        const QString text = QString::fromStdString(m.list.TextMatrix(row, 0));
        if (text.isEmpty() && row == m.list.Rows() - 1) break;  // the empty row awaiting the next lap
        const int colour = m.list.Cell(row, 0).backColour;
        const QBrush back = colour == kDefaultColour ? QBrush() : QBrush(paletteQColor(colour));
        QListWidgetItem* item = rows < b.laps->count() ? b.laps->item(rows) : nullptr;
        if (!item) {
            item = new QListWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            b.laps->addItem(item);
            b.laps->scrollToItem(item);
        }
        if (item->text() != text) item->setText(text);
        if (item->background() != back) item->setBackground(back);
        ++rows;
    }
    while (b.laps->count() > rows) delete b.laps->takeItem(b.laps->count() - 1);
    setTextIfDifferent(b.fastest, m.fastestLap);
}

void VoltaaVoltaView::keyPressEvent(QKeyEvent* event) {
    const int code = HeatKeyCode(*event);
    if (code == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (keys_) keys_(code);
    event->accept();
}

}  // namespace sc
