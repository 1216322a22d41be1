#include "app/lap_listing_window.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/qt_grid_view.h"
#include "config_windows/qt_config_widgets.h"
#include "core/file_fault_text.h"

namespace sc {

LlistarVoltesView::LlistarVoltesView(RaceState& state, Prompter& prompter, SeriesFolder source, int series,
                                     int heat, QWidget* parent)
    : QDialog(parent),
      state_(state),
      prompter_(prompter),
      listing_(std::make_unique<LlistarVoltes>(state, std::move(source))) {
    setObjectName("LlistarVoltes");
    build();
    applyWindowLanguage(state_, this);
    takeGridFormat(table_, listing_->LlistaVoltes);
    for (int i : {0, 3}) counterCaptions_[i] = counters_[i]->text();
    listing_->Load(series, heat);
    render();
    reportProblem();
    resize(1000, 650);
}

LlistarVoltesView::~LlistarVoltesView() = default;

void LlistarVoltesView::build() {
    auto* column = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    addOrderButtons(this, top, 3, orders_.data(), [this](int k) {
        listing_->CriteriOrdre_Click(static_cast<LlistarVoltes::Order>(k));
        render();
    });
    for (int i : {0, 3}) {
        counters_[i] = new QLabel(this);
        counters_[i]->setObjectName(arrayObjectName("Contador", i));
        top->addWidget(counters_[i]);
    }
    counters_[3]->installEventFilter(this);
    top->addStretch();
    column->addLayout(top);

    auto* row = new QHBoxLayout;
    for (int i = 0; i <= 4; ++i) {
        if (i >= 1 && i <= 3) {
            auto* caption = new QLabel(this);
            caption->setObjectName(arrayObjectName("TextFiltre", i));
            row->addWidget(caption);
        }
        filters_[i] = new QComboBox(this);
        filters_[i]->setObjectName(arrayObjectName("Filtre", i));
        filters_[i]->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        row->addWidget(filters_[i]);
        if (i == 1) {
            dorsal_ = new QComboBox(this);
            dorsal_->setObjectName("EqDorsal");
            row->addWidget(dorsal_);
        }
    }
    row->addStretch();
    column->addLayout(row);

    auto chosen = [this](QComboBox* box, std::function<void(int)> apply) {
        connect(box, &QComboBox::currentIndexChanged, this, [this, apply = std::move(apply)](int index) {
            if (filling_ || index < 0) return;
            apply(index);
            render();
        });
    };
    chosen(filters_[0], [this](int i) {
        listing_->SerieChosen(i);
        reportProblem();
    });
    chosen(filters_[4], [this](int i) { listing_->HeatChosen(i); });
    chosen(filters_[1], [this](int i) { listing_->ParticipantChosen(i); });
    chosen(dorsal_, [this](int i) { listing_->ParticipantChosen(i); });
    for (auto [box, list] : {std::pair{filters_[2], &listing_->Pista}, {filters_[3], &listing_->Passada}})
        chosen(box, [this, list](int i) {
            list->selected = i;
            listing_->Filtrar();
        });

    model_ = new GridTableModel(listing_->LlistaVoltes, this);
    table_ = makeGridView(this, "LlistaVoltes", model_);
    column->addWidget(table_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    addSortirButton(this, buttons, 0, [this](int) { reject(); });
    column->addLayout(buttons);
}

bool LlistarVoltesView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == counters_[3] && event->type() == QEvent::MouseButtonDblClick) {
        exportText();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void LlistarVoltesView::exportText() {
    if (const WriteResult written = listing_->Exportar(); !written)
        prompter_.inform(state_.Msg[0][3] + "\n" + FileWriteText(state_.Settings.Language, written.error()),
                         "Error", MessageIcon::Exclamation);
    render();
}

void LlistarVoltesView::reportProblem() {
    if (!listing_->problem.empty())
        prompter_.inform(FileProblemsMessage(state_, {listing_->problem}), "Error", MessageIcon::Exclamation);
}

void LlistarVoltesView::render() {
    filling_ = true;
    const LlistarVoltes& l = *listing_;
    const FilterList* lists[] = {&l.Serie, &l.Participant, &l.Pista, &l.Passada, &l.Manigues};
    for (int i = 0; i <= 4; ++i) fillFilter(filters_[i], *lists[i]);
    fillFilter(dorsal_, l.EqDorsal);
    filling_ = false;
    orders_[static_cast<int>(l.order)]->setChecked(true);
    counters_[0]->setText(counterCaptions_[0] + " " + QString::number(l.readings));
    counters_[3]->setText(counterCaptions_[3] + " " + QString::fromStdString(l.heatStart));
    model_->sync();
    applyGridLayout(table_, l.LlistaVoltes);
}

}  // namespace sc
