#include "organisation/race_data_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config_windows/qt_config_widgets.h"

namespace sc {

NovaProvaView::NovaProvaView(RaceState& state, Prompter& prompter, QWidget* parent,
                             const std::optional<CatalogueEntry>& change)
    : QDialog(parent), form_(state, prompter) {
    setObjectName(QStringLiteral("NovaProva"));
    setUpConfigDialog(this);
    form_.Load();
    if (change) {
        form_.TextProva = change->name;
        form_.TextData = change->date;
    }

    auto* top = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    auto* nameLabel = new QLabel(QStringLiteral("Nom:"), this);
    nameLabel->setObjectName(QStringLiteral("Text(0)"));
    auto* dateLabel = new QLabel(QStringLiteral("Data:"), this);
    dateLabel->setObjectName(QStringLiteral("Text(1)"));
    name_ = new QLineEdit(QString::fromStdString(form_.TextProva), this);
    name_->setObjectName(QStringLiteral("TextProva"));
    name_->setMinimumWidth(360);
    date_ = new QLineEdit(QString::fromStdString(form_.TextData), this);
    date_->setObjectName(QStringLiteral("TextData"));
    date_->setPlaceholderText(QStringLiteral("dd-mm-yyyy"));
    fields->addRow(nameLabel, name_);
    fields->addRow(dateLabel, date_);
    top->addLayout(fields);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int index : {1, 0}) {
        QPushButton* button = addSortirButton(this, buttons, index, [this](int i) { Sortir_Click(i); });
        if (index == 1) button->setDefault(true);
    }
    top->addLayout(buttons);

    applyWindowLanguage(state, this);
    if (form_.changeMode()) setWindowTitle(QString::fromStdString(form_.title()));
}

void NovaProvaView::Sortir_Click(int index) {
    form_.TextProva = name_->text().toStdString();
    form_.TextData = date_->text().toStdString();
    if (index != 1) {
        reject();
        return;
    }
    const bool close = onAccept ? onAccept(form_) : form_.Sortir_Click(1);
    if (close) form_.accepted ? QDialog::accept() : reject();
}

}  // namespace sc
