#pragma once
// The track configuration window on screen: renders ConfiguracioPista and
// forwards the user's actions to it.

#include <array>
#include <vector>

#include "config_windows/config_dialog_window.h"
#include "config_windows/track_config_form.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace sc {

class ConfiguracioPistaView : public ConfigDialog<ConfiguracioPista> {
    Q_OBJECT
public:
    // The caller has loaded the configuration of the working folder into the state.
    ConfiguracioPistaView(RaceState& state, Prompter& prompter, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildWarning();
    QWidget* buildLanes();
    QWidget* buildComas();
    QWidget* buildConnections();
    QWidget* buildSectors();
    QWidget* buildButtons();
    QLineEdit* field(QWidget* parent, const QString& name,
                     void (ConfiguracioPista::*rule)(const std::string&), bool separators = false);
    void rebuildLaneRow();
    void render() override;

    QFrame* warningFrame_ = nullptr;
    QPushButton* more_ = nullptr;  // "Més opcions": the sector controls Shift reveals
    QLabel* warning_ = nullptr;
    QLineEdit* lanes_ = nullptr;
    QLabel* lanesLabel_ = nullptr;
    QLabel* laneRange_ = nullptr;
    QLabel* rowLabel_ = nullptr;
    QScrollArea* rowArea_ = nullptr;
    QWidget* row_ = nullptr;
    std::vector<QLineEdit*> laneBoxes_;  // 1..LaneCount
    std::vector<QLabel*> laneLabels_;
    QLineEdit* minimum_ = nullptr;
    QComboBox* comaOption_ = nullptr;
    QLineEdit* largest_ = nullptr;
    QLineEdit* partials_ = nullptr;
    QLineEdit* step_ = nullptr;
    QComboBox* connections_ = nullptr;
    std::array<QGroupBox*, ConfiguracioPista::kMaxConnections + 1> circuits_{};
    std::array<QComboBox*, ConfiguracioPista::kMaxConnections + 1> ports_{};
    std::array<QLineEdit*, ConfiguracioPista::kMaxConnections + 1> firstLanes_{};
    QPushButton* portSearch_ = nullptr;
    QLabel* splitLabel_ = nullptr;
    QComboBox* split_ = nullptr;
    QGroupBox* sectorsFrame_ = nullptr;
    QLineEdit* sectorCount_ = nullptr;
    QLineEdit* sectorLane_ = nullptr;
    QLineEdit* speedLane_ = nullptr;
    QLineEdit* speedDistance_ = nullptr;
};

}  // namespace sc
