#pragma once
// The results window on screen: the criterion buttons, the filter lists and
// the results table of `Resultats`, which holds every rule.
#include <QDialog>
#include <array>
#include <functional>
#include <memory>

#include "core/prompter.h"
#include "results/results_table.h"

class QComboBox;
class QPushButton;
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
    // Imprimir(0) prints the list, Imprimir(1) the quadrant; the buttons stay
    // disabled until this is given.
    void setPrinting(std::function<void(int)> print);
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
    std::array<QPushButton*, 2> print_{};
    std::function<void(int)> onPrint_;
    bool filling_ = false;  // the lists are being filled: their changes are not the user's
};

}  // namespace sc
