#include "app/penalitzacions_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include "app/qt_grid_view.h"
#include "config_windows/qt_config_widgets.h"

namespace sc {

PenalitzacionsView::PenalitzacionsView(RaceState& state, Prompter& prompter, Penalitzacions& form,
                                       const std::string& titleSuffix, QWidget* parent)
    : QDialog(parent), state_(state), prompter_(prompter), form_(form) {
    setObjectName("Penalitzacions");
    setUpConfigDialog(this);
    build();
    applyWindowLanguage(state_, this);
    takeGridFormat(quadre_, form_.Quadre);
    setWindowTitle(windowTitle() + QString::fromStdString(titleSuffix));
    if (!form_.Load())
        prompter_.inform(state_.Msg[7][10] + "\n" + form_.problem, "Error", MessageIcon::Exclamation);
    for (const auto& name : form_.Participant) participant_->addItem(QString::fromStdString(name));
    model_->sync();
    applyGridLayout(quadre_, form_.Quadre);
    quadre_->horizontalHeader()->setStretchLastSection(true);
    participant_->setCurrentIndex(-1);
    resize(700, 520);
}

void PenalitzacionsView::build() {
    auto* column = new QVBoxLayout(this);
    auto* boxes = new QGridLayout;
    const char* names[] = {"Participant", "Valor", "Concepte"};
    for (int i = 0; i < 3; ++i) {
        auto* caption = new QLabel(this);
        caption->setObjectName(arrayObjectName("Text", i + 1));
        boxes->addWidget(caption, i, 0);
    }
    participant_ = new QComboBox(this);
    participant_->setObjectName(names[0]);
    valor_ = new QLineEdit(this);
    valor_->setObjectName(names[1]);
    valor_->setMaximumWidth(120);
    concepte_ = new QLineEdit(this);
    concepte_->setObjectName(names[2]);
    boxes->addWidget(participant_, 0, 1);
    boxes->addWidget(valor_, 1, 1, Qt::AlignLeft);
    boxes->addWidget(concepte_, 2, 1);
    column->addLayout(boxes);

    connect(participant_, &QComboBox::currentIndexChanged, this, [this](int index) {
        form_.Participant_Click(index);
        showBoxes();
    });
    connect(valor_, &QLineEdit::textEdited, this,
            [this](const QString& t) { form_.Valor = t.toStdString(); });
    connect(concepte_, &QLineEdit::textEdited, this,
            [this](const QString& t) { form_.Concepte = t.toStdString(); });
    connect(valor_, &QLineEdit::editingFinished, this, [this] {
        form_.Valor_LostFocus();
        showBoxes();
    });

    form_.Quadre.SetRows(static_cast<int>(form_.Participant.size()) + 1);
    model_ = new GridTableModel(form_.Quadre, this);
    quadre_ = makeGridView(this, "Quadre", model_);
    // Whole names and headings in both languages; the reasons take the rest.
    quadre_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    quadre_->horizontalHeader()->setStretchLastSection(true);
    connect(quadre_, &QTableView::clicked, this,
            [this](const QModelIndex& index) { participant_->setCurrentIndex(index.row()); });
    column->addWidget(quadre_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int index : {1, 0}) addSortirButton(this, buttons, index, [this](int i) { Sortir_Click(i); });
    column->addLayout(buttons);
}

void PenalitzacionsView::showBoxes() {
    setTextIfChanged(valor_, form_.Valor);
    setTextIfChanged(concepte_, form_.Concepte);
}

void PenalitzacionsView::Sortir_Click(int index) {
    if (index != 1) {
        reject();
        return;
    }
    if (!form_.Gravar())
        prompter_.inform(state_.Msg[7][11] + "\n" + form_.problem, "Error", MessageIcon::Exclamation);
    showBoxes();
    model_->sync();
}

}  // namespace sc
