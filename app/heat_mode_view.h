#pragma once
// The main window's heat-running mode on screen: the modality menu and
// buttons open a programme, the heat panel shows the headless panel, a timer
// at the programme's interval ticks the heat clock, keys go to the heat keys,
// the manual-entry menu registers passes, the live lap-by-lap window sits
// in the main window's child-window area with, for official practice,
// SuperPole and race, the live classification on top of it, and the lap
// counters are heard on their serial ports while it is open.

#include <QObject>
#include <QPointer>
#include <array>
#include <memory>
#include <string>

#include "acquisition/lap_counter_connections.h"
#include "app/classification_plug.h"
#include "core/system_clock.h"
#include "heat/programme.h"
#include "standings/classificacio.h"
#include "standings/heat_results_store.h"
#include "standings/standings_engine.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMdiSubWindow;
class QMenu;
class QPushButton;
class QTimer;

namespace sc {

class ClassificacioView;
class PortadaView;
class VoltaaVoltaView;

class HeatModeView : public QObject {
    Q_OBJECT
public:
    HeatModeView(RaceState& state, Prompter& prompter, PortadaView& window);
    ~HeatModeView() override;

    // The PC clock the heat reads (the system clock unless a test sets one).
    void setClock(const PcClock& clock) { clock_ = &clock; }

    // MnuPrg(index) / BotoPrg(index).
    bool open(int modality);
    // A key typed in the main window or the live window; -1 marks Shift.
    void key(int code);
    // Menu(index) / Manual(index) clicked.
    void menu(int index);
    void manual(int index);
    // One tick of the heat timer.
    void tick();

    // Copies the programme's state to the main window's widgets.
    void sync();
    // F11: the active live window full screen on the drivers' screen, or back.
    void toggleFullScreen();
    QWidget* secondScreenWindow() const { return mirror_.data(); }
    // Selection mode: which modality entries can open a programme.
    void updateSelectionStates();

    Programme& programme() { return programme_; }
    VoltaaVoltaView* liveWindow() const;
    ClassificacioView* classificationWindow() const;
    Classificacio& classification() { return classification_; }
    const StandingsEngine& engine() const { return engine_; }
    QTimer* timer() const { return timer_; }
    LapCounterConnections& connections() { return connections_; }

private:
    class Host;
    static constexpr int kModalities = 5;
    // The main window's widgets this mode drives, found once by name: the
    // window builds them before this view and they live as long as it.
    struct Widgets {
        QFrame* panel = nullptr;  // FonsDeMenu
        QLabel* hora = nullptr;
        QLabel* textHora = nullptr;
        QLabel* textPausa = nullptr;
        QLabel* mesMenys = nullptr;
        std::array<QPushButton*, kHeatMenuButtons> menu{};
        QComboBox* errors = nullptr;
        QWidget* selection = nullptr;
        QMenu* manual = nullptr;
        QMenu* arxiu = nullptr;
        QMenu* programes = nullptr;
        QMenu* dades = nullptr;
        QMenu* resultats = nullptr;
        QMenu* finestres = nullptr;
        QMenu* ajuda = nullptr;
        QAction* quit = nullptr;
        QAction* fullScreen = nullptr;
        std::array<QAction*, kModalities> modalityEntry{};
        std::array<QPushButton*, kModalities> modalityButton{};
    };
    static Widgets findWidgets(const QWidget& window);
    void connectWidgets();
    void showPanel();
    void showMenus();
    void openLiveWindow();
    void closeLiveWindow();
    void openClassificationWindow();
    void closeClassificationWindow();
    void hearLapCounters();
    void fillManualMenu(int laneCount);
    bool openMirror(const std::string& window);
    void closeMirror(const char* window = nullptr);

    RaceState& state_;
    PortadaView& window_;
    SystemClock systemClock_;
    const PcClock* clock_ = &systemClock_;
    std::unique_ptr<Host> host_;
    StandingsEngine engine_;
    HeatResultsStore store_;
    ClassificationPlug plug_;
    std::unique_ptr<ReportPrinter> printer_;
    Classificacio classification_{state_, engine_};
    // Reads clock_ through this indirection, so a clock set later is used.
    class ClockRef : public PcClock {
    public:
        explicit ClockRef(const PcClock* const& clock) : clock_(clock) {}
        double now() const override { return clock_->now(); }

    private:
        const PcClock* const& clock_;
    } clockRef_{clock_};
    LapCounterConnections connections_;
    Programme programme_;
    Widgets widgets_;
    QTimer* timer_ = nullptr;
    // The live windows may be closed (and deleted) by the person: guarded.
    QPointer<QMdiSubWindow> liveSub_;
    QPointer<VoltaaVoltaView> live_;
    QPointer<QMdiSubWindow> classSub_;
    QPointer<ClassificacioView> classView_;
    bool shiftClick_ = false;
    // A copy of a live window, full screen on the second screen.
    QPointer<QWidget> mirror_;
    QPointer<ClassificacioView> mirrorClass_;
    QPointer<VoltaaVoltaView> mirrorLive_;
};

}  // namespace sc
