#pragma once
// The main window: menus, the race and date lists, one frame per modality
// with its series list and buttons, the heat panel, and the area that holds
// the child windows. It shows `Portada` and forwards the user's choices to it.

#include <QMainWindow>
#include <functional>
#include <vector>

#include "app/portada.h"

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMdiArea;
class QMenu;
class QPushButton;
class QGroupBox;
class QFrame;

namespace sc {

class HeatModeView;

// Commands the program supplies; a menu entry without one stays disabled.
struct PortadaCommands {
    std::function<void()> programSettings;     // MnuCfg(0)
    std::function<void()> generalTrackConfig;  // MnuCfg(1)
    std::function<void()> raceTrackConfig;     // MnuCfg(2)
    std::function<void()> about;               // MnuInfo
};

class PortadaView : public QMainWindow {
    Q_OBJECT
public:
    PortadaView(RaceState& state, Prompter& prompter, QWidget* parent = nullptr);

    void setCommands(PortadaCommands commands);
    // The load step: state, logo, version, lists, KEL4.INI, captions, scale.
    void load();
    // Copies the lists, selections and enabled flags of `Portada` to the widgets.
    void showState();
    // Captions in the current language.
    void applyTexts();

    Portada& portada() { return portada_; }
    QMdiArea* mdiArea() const { return mdi_; }
    // Heat-running mode: the modality menu, the heat panel, the live window.
    HeatModeView& heatMode() { return *heatMode_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QAction* addEntry(QMenu* menu, const QString& name, int index, const char* design);
    QMenu* addMenu(QMenu* parent, const QString& name, const char* design);
    void buildMenus();
    void buildWindowsMenu();
    void listWindows(QMenu* windows);
    void arrangeWindows(bool tile);
    QWidget* buildSelectionPanel();
    QGroupBox* buildRaceFrame();
    QGroupBox* buildModalityFrame(int modality);
    QFrame* buildHeatPanel();
    QPushButton* addButton(QWidget* parent, const QString& name, int index, const char* design);
    void showLogo();
    void fitSelectionPanel();
    void updateCommandStates();
    // Races, series and participant lists (main_window_races.cpp).
    void wireRaceCommands();
    void updateRaceCommandStates();
    void openNewRace();
    void openRaceManager();
    void openEntrants(int modality);  // 100: the program roster
    // Results, penalties and lap listing (main_window_results.cpp).
    void wireResultsCommands();
    void updateResultsCommandStates();
    void openPenalties();  // the race series selected in LlSeries(4)

public:
    // The results window of `modality` on `series` (0: all), modal.
    void openResults(int modality, int series);

private:
    RaceState& state_;
    Prompter& prompter_;
    Portada portada_;
    PortadaCommands commands_;
    bool showing_ = false;  // true while widgets are filled from the state

    QMdiArea* mdi_ = nullptr;
    QListWidget* races_ = nullptr;
    QListWidget* dates_ = nullptr;
    std::vector<QComboBox*> series_;  // 1..4
    QLabel* logo_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* hint_ = nullptr;  // how to create the first race, while there is none
    QPushButton* export_ = nullptr;
    QFrame* heatPanel_ = nullptr;
    HeatModeView* heatMode_ = nullptr;
};

}  // namespace sc
