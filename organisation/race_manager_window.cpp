#include "organisation/race_manager_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "config_windows/qt_config_widgets.h"
#include "localisation/language_tables.h"
#include "organisation/race_data_window.h"

namespace sc {
namespace {

QLabel* label(QWidget* parent, const char* name, const char* caption) {
    auto* l = new QLabel(QString::fromUtf8(caption), parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QListWidget* list(QWidget* parent, const char* name) {
    auto* l = new QListWidget(parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

void fill(QListWidget* widget, const std::vector<std::string>& items, int selected) {
    const QSignalBlocker block(widget);
    widget->clear();
    for (const std::string& item : items) widget->addItem(QString::fromStdString(item));
    widget->setCurrentRow(selected);
}

}  // namespace

GestorProvesView::GestorProvesView(RaceState& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), state_(state), prompter_(prompter), form_(state, prompter) {
    setObjectName(QStringLiteral("GestorProves"));
    setUpConfigDialog(this);
    form_.OpenNovaProva = [this](const CatalogueEntry& data) -> std::optional<CatalogueEntry> {
        NovaProvaView window(state_, prompter_, this, data);
        if (window.exec() != QDialog::Accepted) return std::nullopt;
        return CatalogueEntry{window.form().acceptedName, window.form().acceptedDate};
    };
    build();
    form_.Load();
    applyWindowLanguage(state_, this);
    render();
}

void GestorProvesView::build() {
    auto* top = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    races_ = list(this, "LlProves");
    dates_ = list(this, "Data");
    races_->setMinimumWidth(320);
    grid->addWidget(label(this, "Text(0)", "Prova:"), 0, 0);
    grid->addWidget(label(this, "Text(1)", "Data:"), 0, 1);
    grid->addWidget(races_, 1, 0);
    grid->addWidget(dates_, 1, 1);

    auto* seriesBox = new QVBoxLayout;
    modality_ = new QComboBox(this);
    modality_->setObjectName(QStringLiteral("NPrgr"));
    for (int m = 1; m <= 4; ++m)
        modality_->addItem(
            QString::fromStdString(tableText(state_.Settings.Language, "Portada", "MnuPrg", m).value_or("")));
    series_ = list(this, "LlSeries");
    heats_ = new QLabel(this);
    heats_->setObjectName(QStringLiteral("Manigues"));
    seriesCount_ = new QLabel(this);
    seriesCount_->setObjectName(QStringLiteral("NSeries"));
    seriesBox->addWidget(label(this, "Text(6)", "Modalitat:"));
    seriesBox->addWidget(modality_);
    seriesBox->addWidget(label(this, "Text(2)", "Sèrie:"));
    seriesBox->addWidget(series_);
    seriesBox->addWidget(label(this, "Text(3)", "Mànigues completades:"));
    seriesBox->addWidget(heats_);
    seriesBox->addWidget(label(this, "Text(4)", "Numero de series."));
    seriesBox->addWidget(seriesCount_);
    grid->addLayout(seriesBox, 1, 2);

    files_ = list(this, "Fitxers");
    grid->addWidget(label(this, "Text(5)", "Fitxers:"), 0, 3);
    grid->addWidget(files_, 1, 3);
    top->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    using B = GestorProves::ManagerButton;
    for (int index :
         {B::kDeleteRace, B::kChangeData, B::kDeleteSeries, B::kArchive, B::kRestore, B::kClose}) {
        buttons_[index] = addSortirButton(this, buttons, index, [this](int i) { Sortir_Click(i); });
    }
    buttons_[B::kClose]->setShortcut(Qt::Key_Escape);
    top->addLayout(buttons);

    connect(races_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (rendering_) return;
        form_.LlProves_Click(row);
        render();
    });
    connect(dates_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (rendering_) return;
        form_.Data_Click(row);
        render();
    });
    connect(modality_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (rendering_) return;
        form_.NPrgr_Click(index + 1);
        render();
    });
    connect(series_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (rendering_) return;
        form_.LlSeries_Click(row);
        render();
    });
}

void GestorProvesView::render() {
    rendering_ = true;
    fill(races_, form_.LlProves, form_.raceSelected);
    fill(dates_, form_.Data, form_.raceSelected);
    {
        const QSignalBlocker block(modality_);
        modality_->setCurrentIndex(form_.NPrgr - 1);
    }
    fill(series_, form_.LlSeries, form_.seriesSelected);
    fill(files_, form_.Fitxers, -1);
    heats_->setText(QString::fromStdString(form_.completedHeats));
    seriesCount_->setText(QString::fromStdString(form_.seriesCount));
    using B = GestorProves::ManagerButton;
    for (int index : {B::kDeleteRace, B::kChangeData, B::kArchive})
        buttons_[index]->setEnabled(form_.raceButtonsEnabled);
    buttons_[B::kDeleteSeries]->setEnabled(form_.seriesButtonEnabled);
    buttons_[B::kRestore]->setEnabled(static_cast<bool>(form_.OpenArchive));
    buttons_[B::kArchive]->setEnabled(form_.raceButtonsEnabled && static_cast<bool>(form_.OpenArchive));
    rendering_ = false;
}

void GestorProvesView::Sortir_Click(int index) {
    const bool close = form_.Sortir_Click(index);
    render();
    if (close) accept();
}

}  // namespace sc
