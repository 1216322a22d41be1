#pragma once
// The entrants and participants window on screen: renders Inscrits (slots,
// count, pick list) and forwards edits, double clicks and buttons to it.

#include <QDialog>
#include <vector>

#include "organisation/entrants.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;
class QWidget;

namespace sc {

class InscritsView : public QDialog {
    Q_OBJECT
public:
    // Loads `form` (the list the race state points at) and shows it.
    InscritsView(RaceState& state, Inscrits& form, QWidget* parent = nullptr);

    Inscrits& form() { return form_; }
    // Forwarded actions (also used by the tests).
    void Sortir_Click(int index);
    void countEdited();
    void pickRow(int row, bool shift);
    void renderSlots();
    void renderPickList();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();

    RaceState& state_;
    Inscrits& form_;
    QLineEdit* count_ = nullptr;
    QLabel* range_ = nullptr;
    QLabel* countCaption_ = nullptr;
    QLabel* listCaption_ = nullptr;
    QLabel* laneHeading_ = nullptr;
    QWidget* slotFrame_ = nullptr;
    QGridLayout* slotGrid_ = nullptr;
    std::vector<QLineEdit*> names_;  // slot i at i - 1
    QTableWidget* pickList_ = nullptr;
    QRadioButton* byNumber_ = nullptr;
    QRadioButton* byName_ = nullptr;
};

}  // namespace sc
