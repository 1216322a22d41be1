#pragma once
// The lap listing window on screen: renders LlistarVoltes and forwards the
// series, heat and filter lists, the sort buttons and the export (double
// click on the heat start) to it.
#include <QDialog>
#include <array>
#include <memory>

#include "core/prompter.h"
#include "results/lap_listing.h"

class QComboBox;
class QLabel;
class QRadioButton;
class QTableView;

namespace sc {

class GridTableModel;

class LlistarVoltesView : public QDialog {
    Q_OBJECT
public:
    LlistarVoltesView(RaceState& state, Prompter& prompter, SeriesFolder source, int series, int heat,
                      QWidget* parent = nullptr);
    ~LlistarVoltesView() override;

    LlistarVoltes& listing() { return *listing_; }
    void render();
    void exportText();  // double click on Contador(3)

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void reportProblem();

    RaceState& state_;
    Prompter& prompter_;
    std::unique_ptr<LlistarVoltes> listing_;
    GridTableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    std::array<QRadioButton*, 4> orders_{};  // 1..3
    std::array<QComboBox*, 5> filters_{};    // Filtre(0..4)
    QComboBox* dorsal_ = nullptr;
    std::array<QLabel*, 4> counters_{};  // Contador(0) and (3)
    std::array<QString, 4> counterCaptions_;
    bool filling_ = false;
};

}  // namespace sc
