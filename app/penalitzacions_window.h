#pragma once
// The penalties window on screen: renders Penalitzacions and forwards the
// combo, the boxes, grid clicks and the buttons to it.
#include <QDialog>

#include "core/prompter.h"
#include "results/penalitzacions.h"

class QComboBox;
class QLineEdit;
class QTableView;

namespace sc {

class GridTableModel;

class PenalitzacionsView : public QDialog {
    Q_OBJECT
public:
    PenalitzacionsView(RaceState& state, Prompter& prompter, Penalitzacions& form,
                       const std::string& titleSuffix, QWidget* parent = nullptr);
    void Sortir_Click(int index);  // 1 saves, 0 closes

private:
    void build();
    void showBoxes();

    RaceState& state_;
    Prompter& prompter_;
    Penalitzacions& form_;
    GridTableModel* model_ = nullptr;
    QComboBox* participant_ = nullptr;
    QLineEdit* valor_ = nullptr;
    QLineEdit* concepte_ = nullptr;
    QTableView* quadre_ = nullptr;
};

}  // namespace sc
