#include "organisation/entrants_window.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "config_windows/qt_config_widgets.h"
#include "organisation/race_manager.h"

namespace sc {
namespace {

constexpr int kSuperPole = 3;
constexpr double kTwipsPerPixel = 15.0;  // the grid's widths are in twips

QLabel* label(QWidget* parent, const QString& name, const QString& caption = {}) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

Qt::Alignment qtAlignment(Alignment a) {
    switch (a) {
        case Alignment::Centre:
            return Qt::AlignCenter;
        case Alignment::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

InscritsView::InscritsView(RaceState& state, Inscrits& form, QWidget* parent)
    : QDialog(parent), state_(state), form_(form) {
    setObjectName(QStringLiteral("Inscrits"));
    setUpConfigDialog(this);
    form_.Load();
    build();
    applyWindowLanguage(state_, this);
    setWindowTitle(windowTitle() + QString::fromStdString(form_.titleSuffix));
    countCaption_->setEnabled(form_.Text1Enabled);
    renderSlots();
    renderPickList();
}

void InscritsView::build() {
    auto* top = new QHBoxLayout(this);

    auto* left = new QVBoxLayout;
    auto* countRow = new QHBoxLayout;
    countCaption_ = label(this, QStringLiteral("Text(1)"));
    count_ = new QLineEdit(this);
    count_->setObjectName(QStringLiteral("NPilots"));
    count_->setMaximumWidth(70);
    acceptDigitsOnly(count_);
    range_ = label(this, QStringLiteral("Text(2)"));
    countRow->addWidget(countCaption_);
    countRow->addWidget(count_);
    countRow->addWidget(range_);
    countRow->addStretch();
    left->addLayout(countRow);
    connect(count_, &QLineEdit::editingFinished, this, &InscritsView::countEdited);

    laneHeading_ = label(
        this, QStringLiteral("Text(3)"),
        QString::fromStdString(msgText(state_, "Inscrits", 6, state_.CurrentModality == kSuperPole ? 3 : 2)));
    left->addWidget(laneHeading_, 0, Qt::AlignRight);
    slotFrame_ = new QWidget;
    slotGrid_ = new QGridLayout(slotFrame_);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("Barra"));
    scroll->setWidgetResizable(true);
    scroll->setWidget(slotFrame_);
    scroll->setMinimumSize(420, 360);
    left->addWidget(scroll, 1);

    auto* reorder = new QPushButton(this);
    reorder->setObjectName(QStringLiteral("Reordenar"));
    connect(reorder, &QPushButton::clicked, this, [this] {
        form_.Reordenar();
        renderSlots();
    });
    left->addWidget(reorder);
    top->addLayout(left, 3);

    auto* right = new QVBoxLayout;
    listCaption_ = label(this, QStringLiteral("Text(0)"));
    right->addWidget(listCaption_);
    pickList_ = new QTableWidget(this);
    pickList_->setObjectName(QStringLiteral("LlistaInscrits"));
    pickList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pickList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    pickList_->verticalHeader()->hide();
    pickList_->setMinimumWidth(300);
    connect(pickList_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        pickRow(row + 1, QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier));
    });
    right->addWidget(pickList_, 1);

    auto* order = new QGroupBox(this);
    order->setObjectName(QStringLiteral("Text(6)"));
    auto* orderRow = new QHBoxLayout(order);
    byNumber_ = new QRadioButton(order);
    byNumber_->setObjectName(QStringLiteral("Ordre(0)"));
    byName_ = new QRadioButton(order);
    byName_->setObjectName(QStringLiteral("Ordre(1)"));
    byNumber_->setChecked(true);
    orderRow->addWidget(byNumber_);
    orderRow->addWidget(byName_);
    connect(byNumber_, &QRadioButton::clicked, this, [this] {
        form_.Ordre_Click(0);
        renderPickList();
    });
    connect(byName_, &QRadioButton::clicked, this, [this] {
        form_.Ordre_Click(1);
        renderPickList();
    });
    right->addWidget(order);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int index : {1, 0}) addSortirButton(this, buttons, index, [this](int i) { Sortir_Click(i); });
    right->addLayout(buttons);
    top->addLayout(right, 2);
}

void InscritsView::renderSlots() {
    count_->setText(QString::fromStdString(form_.NPilots));
    count_->setEnabled(form_.NPilotsEnabled);
    range_->setText(QString::fromStdString(form_.Text2));
    const int n = form_.slotCount();
    while (static_cast<int>(names_.size()) > n) {
        const int i = static_cast<int>(names_.size());
        for (int col = 0; col < 3; ++col) {
            if (QLayoutItem* item = slotGrid_->itemAtPosition(i - 1, col)) {
                QWidget* widget = item->widget();
                slotGrid_->removeWidget(widget);
                delete widget;
            }
        }
        names_.pop_back();
    }
    while (static_cast<int>(names_.size()) < n) {
        const int i = static_cast<int>(names_.size()) + 1;
        auto* edit = new QLineEdit(slotFrame_);
        edit->setObjectName(arrayObjectName("NomPista", i));
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            if (i <= form_.slotCount()) form_.NomPista[i] = text.toStdString();
        });
        edit->setProperty("slot", i);
        edit->installEventFilter(this);
        slotGrid_->addWidget(label(slotFrame_, arrayObjectName("NOrdre", i)), i - 1, 0);
        slotGrid_->addWidget(edit, i - 1, 1);
        slotGrid_->addWidget(label(slotFrame_, arrayObjectName("TextPista", i)), i - 1, 2);
        names_.push_back(edit);
    }
    for (int i = 1; i <= n; ++i) {
        setTextIfChanged(names_[i - 1], form_.NomPista[i]);
        static_cast<QLabel*>(slotGrid_->itemAtPosition(i - 1, 0)->widget())
            ->setText(QString::fromStdString(form_.NOrdre(i)));
        static_cast<QLabel*>(slotGrid_->itemAtPosition(i - 1, 2)->widget())
            ->setText(QString::fromStdString(form_.TextPista(i)));
    }
}

void InscritsView::renderPickList() {
    const Grid& grid = form_.LlistaInscrits;
    pickList_->clear();
    pickList_->setColumnCount(grid.Cols());
    pickList_->setRowCount(grid.Rows() - grid.FixedRows());
    QStringList headings;
    for (int col = 0; col < grid.Cols(); ++col) {
        headings << QString::fromStdString(grid.TextMatrix(0, col));
        pickList_->setColumnWidth(col, static_cast<int>(grid.ColWidth(col) / kTwipsPerPixel * 1.5));
    }
    pickList_->setHorizontalHeaderLabels(headings);
    for (int row = grid.FixedRows(); row < grid.Rows(); ++row)
        for (int col = 0; col < grid.Cols(); ++col) {
            auto* item = new QTableWidgetItem(QString::fromStdString(grid.TextMatrix(row, col)));
            item->setTextAlignment(qtAlignment(grid.ColAlignment(col)));
            pickList_->setItem(row - grid.FixedRows(), col, item);
        }
    byNumber_->setText(headings.value(0));
    byName_->setText(headings.value(1));
    const QString caption = headings.value(1);
    listCaption_->setText(caption + QStringLiteral(" ") + QString::fromStdString(form_.Text0Count));
}

bool InscritsView::eventFilter(QObject* watched, QEvent* event) {
    // The slot the user enters is where the next pick goes.
    if (event->type() == QEvent::FocusIn) {
        const QVariant slot = watched->property("slot");
        if (slot.isValid()) form_.currentSlot = slot.toInt();
    }
    return QDialog::eventFilter(watched, event);
}

void InscritsView::countEdited() {
    form_.NPilots = count_->text().toStdString();
    form_.NPilots_Lostfocus();
    renderSlots();
}

void InscritsView::pickRow(int row, bool shift) {
    form_.LlistaInscrits_Shift(shift);
    form_.LlistaInscrits_DblClick(row);
    form_.LlistaInscrits_Shift(false);
    renderSlots();
    const int slot = form_.currentSlot;
    if (slot >= 1 && slot <= static_cast<int>(names_.size())) names_[slot - 1]->setFocus();
}

void InscritsView::Sortir_Click(int index) {
    if (form_.Sortir_Click(index)) index == 1 ? accept() : reject();
}

}  // namespace sc
