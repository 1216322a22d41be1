#include "app/results_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/qt_grid_view.h"
#include "config_windows/qt_config_widgets.h"

namespace sc {

ResultatsView::ResultatsView(RaceState& state, Prompter& prompter, SeriesFolder source, int series,
                             QWidget* parent)
    : QDialog(parent),
      state_(state),
      prompter_(prompter),
      results_(std::make_unique<Resultats>(state, std::move(source))) {
    setObjectName("Resultats");
    build();
    applyWindowLanguage(state_, this);  // also the message texts "Tots" and "Totes"
    takeGridFormat(table_, results_->LlistaVoltes);
    results_->Load(series);
    render();
    reportProblems();
    resize(1100, 700);
}

ResultatsView::~ResultatsView() = default;

QComboBox* ResultatsView::addFilter(const char* name, int index) {
    auto* box = new QComboBox(this);
    box->setObjectName(index < 0 ? QString(name) : arrayObjectName(name, index));
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

void ResultatsView::build() {
    auto* column = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    addOrderButtons(this, top, 4, criteria_.data(), [this](int k) {
        results_->CriteriOrdre_Click(static_cast<Criterion>(k));
        render();
    });
    top->addStretch();
    column->addLayout(top);

    auto* filters = new QHBoxLayout;
    series_ = addFilter("Filtre", 0);
    participant_ = addFilter("Filtre", 1);
    dorsal_ = addFilter("EqDorsal", -1);
    lane_ = addFilter("Filtre", 2);
    pass_ = addFilter("Filtre", 3);
    heat_ = addFilter("Filtre", 4);
    auto caption = [this](const char* name, int index) {
        auto* l = new QLabel(this);
        l->setObjectName(arrayObjectName(name, index));
        return l;
    };
    filters->addWidget(series_);
    filters->addWidget(caption("TextFiltre", 1));
    filters->addWidget(participant_);
    filters->addWidget(dorsal_);
    filters->addWidget(caption("TextFiltre", 2));
    filters->addWidget(lane_);
    filters->addWidget(caption("TextFiltre", 3));
    filters->addWidget(pass_);
    filters->addWidget(heat_);
    filters->addStretch();
    column->addLayout(filters);

    auto chosen = [this](QComboBox* box, const std::function<void(int)>& apply) {
        connect(box, &QComboBox::currentIndexChanged, this, [this, apply](int index) {
            if (filling_ || index < 0) return;
            apply(index);
            render();
        });
    };
    chosen(series_, [this](int i) {
        results_->SeriesChosen(i);
        reportProblems();
    });
    chosen(participant_, [this](int i) { results_->ParticipantChosen(i); });
    chosen(dorsal_, [this](int i) { results_->DorsalChosen(i); });
    for (auto [box, list] :
         {std::pair{lane_, &results_->Pista}, {pass_, &results_->Passada}, {heat_, &results_->Manigues}})
        chosen(box, [this, list](int i) {
            list->selected = i;
            results_->Filtrar();
        });

    model_ = new GridTableModel(results_->LlistaVoltes, this);
    table_ = makeGridView(this, "LlistaVoltes", model_);
    column->addWidget(table_, 1);

    auto* buttons = new QHBoxLayout;
    for (int i : {0, 1}) {
        auto* print = new QPushButton(this);
        print->setObjectName(arrayObjectName("Imprimir", i));
        print->setEnabled(false);  // until the owner says where reports go
        connect(print, &QPushButton::clicked, this, [this, i] {
            if (onPrint_) onPrint_(i);
        });
        print_[i] = print;
        buttons->addWidget(print);
    }
    buttons->addStretch();
    addSortirButton(this, buttons, 0, [this](int) { reject(); });
    column->addLayout(buttons);
}

void ResultatsView::setPrinting(std::function<void(int)> print) {
    onPrint_ = std::move(print);
    for (QPushButton* button : print_) button->setEnabled(onPrint_ != nullptr);
}

void ResultatsView::fillLists() {
    filling_ = true;
    fillFilter(series_, results_->EqSerie);
    fillFilter(participant_, results_->Participant);
    fillFilter(dorsal_, results_->EqDorsal);
    fillFilter(lane_, results_->Pista);
    fillFilter(pass_, results_->Passada);
    fillFilter(heat_, results_->Manigues);
    filling_ = false;
}

void ResultatsView::reportProblems() {
    if (!results_->problems.empty())
        prompter_.inform(FileProblemsMessage(state_, results_->problems), "Error", MessageIcon::Exclamation);
}

void ResultatsView::render() {
    fillLists();
    criteria_[static_cast<int>(results_->criterion)]->setChecked(true);
    model_->sync();
    applyGridLayout(table_, results_->LlistaVoltes);
}

}  // namespace sc
