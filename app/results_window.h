#pragma once
// The results window on screen: the criterion buttons, the filter lists and
// the results table of `Resultats`, which holds every rule.
#include <QDialog>
#include <array>
#include <memory>

#include "core/prompter.h"
#include "results/results_table.h"

class QComboBox;
class QRadioButton;
class QTableView;

namespace sc {

class GridTableModel;

class ResultatsView : public QDialog {
    Q_OBJECT
public:
    // Opens on `series` of the source's modality (0: every series).
    ResultatsView(RaceState& state, Prompter& prompter, SeriesFolder source, int series,
                  QWidget* parent = nullptr);
    ~ResultatsView() override;

    Resultats& results() { return *results_; }
    // Shows the table and lists as the model holds them.
    void render();

private:
    void build();
    QComboBox* addFilter(const char* name, int index);
    void fillLists();
    void reportProblems();

    RaceState& state_;
    Prompter& prompter_;
    std::unique_ptr<Resultats> results_;
    GridTableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    std::array<QRadioButton*, 5> criteria_{};  // 1..4
    QComboBox* series_ = nullptr;
    QComboBox* participant_ = nullptr;
    QComboBox* dorsal_ = nullptr;
    QComboBox* lane_ = nullptr;
    QComboBox* pass_ = nullptr;
    QComboBox* heat_ = nullptr;
    bool filling_ = false;  // the lists are being filled: their changes are not the user's
};

}  // namespace sc
