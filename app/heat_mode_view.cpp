#include "app/heat_mode_view.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "heat/lap_counter_dispatch.h"
#include "acquisition/qt_serial_port.h"
#include "app/lap_listing_window.h"
#include "app/main_window.h"
#include "app/manual_menu.h"
#include "app/portada_host.h"
#include "app/second_screen.h"
#include "config_windows/qt_config_widgets.h"
#include "localisation/language_tables.h"
#include "output/qt_report_printer.h"
#include "results/corregir_window.h"
#include "standings/classificacio_window.h"
#include "standings/voltaavolta_window.h"

namespace sc {

namespace {

constexpr int kModalities = 5;

void setBackColour(QWidget* w, int code) {
    const QColor colour = paletteQColor(code);
    if (w->autoFillBackground() && w->palette().color(QPalette::Window) == colour) return;
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}  // namespace

// The main window's lists as the programme sees them, and the live
// classification window that loads with the table.
class HeatModeView::Host : public PortadaHost {
public:
    Host(HeatModeView& owner, PortadaView& window, StandingsEngine& engine, HeatResultsStore& store,
         LapCounterConnections& connections)
        : PortadaHost(window.portada(), engine, store, connections), owner_(owner), window_(window) {}
    void SelectSeries(int m, int position) override {
        PortadaHost::SelectSeries(m, position);
        window_.showState();
    }
    void LoadClassification() override {
        PortadaHost::LoadClassification();
        owner_.openClassificationWindow();
    }
    void UnloadClassification() override { owner_.closeClassificationWindow(); }
    void MarkClassificationCut(int directPlaces) override {
        owner_.classification_.MarkClassificationCut(directPlaces);
        if (owner_.classView_) owner_.classView_->refresh();
    }

private:
    HeatModeView& owner_;
    PortadaView& window_;
};

HeatModeView::HeatModeView(RaceState& state, Prompter& prompter, PortadaView& window)
    : QObject(&window),
      state_(state),
      window_(window),
      host_(std::make_unique<Host>(*this, window, engine_, store_, connections_)),
      engine_(state),
      store_(state, engine_, prompter),
      plug_(state, engine_, store_),
      connections_(state, prompter, clockRef_, [&state] { return makeQtSerialPort(state.AppFolder); }),
      programme_(state, clockRef_, prompter, *host_, plug_, plug_) {
    classification_.ShareInfosToggle(&window.portada().ClassificationToggle);
    printer_ = std::make_unique<QtReportPrinter>(state, prompter, &window);
    plug_.SetPrinting(printer_.get(), &window.portada());
    timer_ = new QTimer(this);
    timer_->setObjectName("Transcorregut");
    connect(timer_, &QTimer::timeout, this, &HeatModeView::tick);
    connectWidgets();
    hearLapCounters();
    // Between heats the heat menu lists the laps of the series, on its last heat.
    plug_.openListing = [this, &prompter] {
        LlistarVoltesView listing(state_, prompter, ProgrammeSeriesFolder(state_), state_.CurrentSeries,
                                  state_.CurrentHeat, &window_);
        listing.exec();
    };
    plug_.ShowCorregir = [this, &prompter] {
        ExecCorregirWindow(state_, engine_, store_, prompter, &window_);
        sync();
    };
}

// The ports notify on the window's event loop, one at a time; the heat timer
// is stopped while a notification is decoded and the screen follows after it.
void HeatModeView::hearLapCounters() {
    ReceiveHooks hooks =
        MakeReceiveHooks(state_, programme_.ui.panel, [this]() -> std::optional<HeatTargets> {
            if (!programme_.ui.heatMode || !programme_.Clock() || !programme_.Registration())
                return std::nullopt;
            return HeatTargets{state_, programme_.ui.panel, programme_.ui.errors, *programme_.Clock(),
                               *programme_.Registration()};
        });
    hooks.beforeDecode = [this, before = hooks.beforeDecode] {
        before();
        timer_->stop();
    };
    hooks.afterDecode = [this, after = hooks.afterDecode] {
        after();
        sync();
    };
    connections_.setReceiveHooks(std::move(hooks));
}

HeatModeView::~HeatModeView() = default;

void HeatModeView::connectWidgets() {
    for (int m = 0; m < kModalities; ++m) {
        if (auto* entry = window_.findChild<QAction*>(QStringLiteral("MnuPrg(%1)").arg(m)))
            connect(entry, &QAction::triggered, this, [this, m] { open(m); });
        if (auto* button = window_.findChild<QPushButton*>(QStringLiteral("BotoPrg(%1)").arg(m)))
            connect(button, &QPushButton::clicked, this, [this, m] { open(m); });
    }
    for (int i = 0; i < kHeatMenuButtons; ++i)
        if (auto* button = window_.findChild<QPushButton*>(QStringLiteral("Menu(%1)").arg(i)))
            connect(button, &QPushButton::clicked, this, [this, i] { menu(i); });
    fillManualMenu(0);
}

// Reproduir and one entry per lane of the track open now, with its key.
void HeatModeView::fillManualMenu(int laneCount) {
    auto* menu = window_.findChild<QMenu*>("MnuManual");
    if (!menu) return;
    menu->clear();
    for (const ManualEntry& e : ManualEntries(state_.Settings.Language, laneCount)) {
        QAction* entry = menu->addAction(QString::fromStdString(e.caption));
        entry->setObjectName(QStringLiteral("Manual(%1)").arg(e.index));
        entry->setShortcut(QKeySequence(QString::fromStdString(e.key)));
        entry->setEnabled(programme_.ui.heatMode);
        connect(entry, &QAction::triggered, this, [this, i = e.index] { manual(i); });
    }
}

bool HeatModeView::open(int modality) {
    if (programme_.ui.heatMode) return false;
    const bool opened = programme_.MnuPrg_Click(modality);
    if (opened) {
        fillManualMenu(programme_.View() ? programme_.View()->LaneCount() : 0);
        openLiveWindow();
    }
    sync();
    return opened;
}

void HeatModeView::key(int code) {
    HeatClock* clock = programme_.Clock();
    if (!clock || !programme_.ui.heatMode) return;
    shiftClick_ = code == -1;
    clock->HeatKeys(code);
    sync();
}

void HeatModeView::menu(int index) {
    HeatClock* clock = programme_.Clock();
    if (!clock || !programme_.ui.heatMode) return;
    clock->Menu_Click(index, std::exchange(shiftClick_, false));
    sync();
}

void HeatModeView::manual(int index) {
    HeatClock* clock = programme_.Clock();
    if (!clock || !programme_.ui.heatMode) return;
    clock->Manual_Click(index);
    sync();
}

void HeatModeView::tick() {
    if (HeatClock* clock = programme_.Clock()) clock->Tick();
    connections_.tickConnections();
    sync();
}

void HeatModeView::openLiveWindow() {
    engine_.SetLapView(programme_.View());
    live_ = new VoltaaVoltaView(*programme_.View(), [this](int code) { key(code); });
    liveSub_ = window_.mdiArea()->addSubWindow(live_);
    liveSub_->setWindowTitle(QString::fromStdString(
        tableText(state_.Settings.Language, "VoltaaVolta", "", -1, TextKind::Title).value_or("")));
    liveSub_->showMaximized();
    live_->setFocus();
    if (readSecondScreenChoice(state_.AppFolder) == "VoltaaVolta") openMirror("VoltaaVolta");
    if (classSub_) {
        window_.mdiArea()->setActiveSubWindow(classSub_);
        classView_->setFocus();
    }
}

void HeatModeView::closeLiveWindow() {
    closeMirror("VoltaaVolta");
    if (!liveSub_) return;
    window_.mdiArea()->removeSubWindow(liveSub_);
    liveSub_->deleteLater();
    liveSub_ = nullptr;
    live_ = nullptr;
    engine_.SetLapView(nullptr);
}

// Official practice, SuperPole and race: the table the drivers watch, on top
// of the lap-by-lap window.
void HeatModeView::openClassificationWindow() {
    closeClassificationWindow();
    classification_.Load();
    plug_.SetWindow(&classification_);
    classView_ = new ClassificacioView(state_, classification_, engine_, [this](int code) { key(code); });
    // Between heats: the stored results of the series, modal. They read their own copy of the
    // participants, so the series' list stays as the programme loaded it.
    classView_->openResults = [this] { window_.openResults(state_.CurrentModality, state_.CurrentSeries); };
    classSub_ = window_.mdiArea()->addSubWindow(classView_);
    classSub_->setWindowTitle(classView_->windowTitle());
    classSub_->showMaximized();
    classView_->setFocus();
    if (readSecondScreenChoice(state_.AppFolder) == "Classificacio") openMirror("Classificacio");
}

void HeatModeView::closeClassificationWindow() {
    closeMirror("Classificacio");
    plug_.SetWindow(nullptr);
    if (!classSub_) return;
    window_.mdiArea()->removeSubWindow(classSub_);
    classSub_->deleteLater();  // a key typed in it may be closing it
    classSub_ = nullptr;
    classView_ = nullptr;
}

void HeatModeView::toggleFullScreen() {
    if (mirror_) {
        closeMirror();
        writeSecondScreenChoice(state_.AppFolder, "");
        return;
    }
    const bool classification = classSub_ && window_.mdiArea()->activeSubWindow() == classSub_;
    const std::string name = classification ? "Classificacio" : "VoltaaVolta";
    if (openMirror(name)) writeSecondScreenChoice(state_.AppFolder, name);
}

// The drivers' monitor: the director keeps the main window on this screen.
bool HeatModeView::openMirror(const std::string& window) {
    closeMirror();
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (!canUseSecondScreen(static_cast<int>(screens.size()))) return false;
    QScreen* other = screens.front() != window_.screen() ? screens.front() : screens[1];
    auto keys = [this](int code) { key(code); };
    if (window == "Classificacio" && classView_) {
        mirror_ = mirrorClass_ = new ClassificacioView(state_, classification_, engine_, keys);
        mirror_->setWindowTitle(classView_->windowTitle());
    } else if (window == "VoltaaVolta" && live_) {
        mirror_ = mirrorLive_ = new VoltaaVoltaView(*programme_.View(), keys);
        mirror_->setWindowTitle(liveSub_->windowTitle());
    } else {
        return false;
    }
    mirror_->setGeometry(other->geometry());
    mirror_->showFullScreen();
    return true;
}

void HeatModeView::closeMirror(const char* window) {
    if (!mirror_ || (window && mirror_->objectName() != QLatin1String(window))) return;
    mirror_->hide();
    mirror_->deleteLater();  // a key typed in it may be closing it
    mirror_ = nullptr;
    mirrorClass_ = nullptr;
    mirrorLive_ = nullptr;
}

void HeatModeView::sync() {
    const bool heatMode = programme_.ui.heatMode;
    if (!heatMode && live_) closeLiveWindow();
    // A Shift close opens the next series at once: a new live view.
    if (heatMode && live_ && engine_.LapView() != programme_.View()) {
        closeLiveWindow();
        openLiveWindow();
    }
    if (heatMode && !live_) openLiveWindow();
    if (live_) live_->refresh();
    if (mirrorLive_) mirrorLive_->refresh();
    const HeatPanel& panel = programme_.ui.panel;
    if (classView_) {
        classView_->refresh();
        classView_->showPause(state_.Paused != 0, panel.textPausaVisible);
        classView_->showCorrection(panel.MesMenys, panel.mesMenysVisible);
    }
    if (mirrorClass_) {
        mirrorClass_->refresh();
        mirrorClass_->showPause(state_.Paused != 0, panel.textPausaVisible);
        mirrorClass_->showCorrection(panel.MesMenys, panel.mesMenysVisible);
    }

    if (panel.timerEnabled && heatMode) {
        if (timer_->interval() != panel.timerInterval) timer_->setInterval(panel.timerInterval);
        if (!timer_->isActive()) timer_->start();
    } else {
        timer_->stop();
    }
    showPanel();
    showMenus();
    // The selection lists take no input while heats run: the live windows get the room.
    if (auto* selection = window_.findChild<QWidget*>("Seleccio")) selection->setVisible(!heatMode);
    window_.setWindowTitle(QString::fromStdString(programme_.ui.title));
    if (!heatMode) window_.showState();
}

void HeatModeView::showPanel() {
    const HeatPanel& p = programme_.ui.panel;
    auto* frame = window_.findChild<QFrame*>("FonsDeMenu");
    if (!frame) return;
    frame->setVisible(p.visible && programme_.ui.heatMode);
    setBackColour(frame, p.backColour);
    auto label = [this](const char* name) { return window_.findChild<QLabel*>(name); };
    if (QLabel* hora = label("Hora")) {
        if (hora->text() != QString::fromStdString(p.Hora)) hora->setText(QString::fromStdString(p.Hora));
        hora->setVisible(p.horaVisible);
        setBackColour(hora, p.horaBackColour);
    }
    if (QLabel* text = label("TextHora")) {
        text->setVisible(p.textHoraVisible);
        setBackColour(text, p.textHoraBackColour);
    }
    if (QLabel* pausa = label("TextPausa")) {
        pausa->setVisible(p.textPausaVisible);
        setBackColour(pausa, p.textPausaBackColour);
    }
    if (QLabel* entry = label("MesMenys")) {
        entry->setText(QString::fromStdString(p.MesMenys));
        entry->setVisible(p.mesMenysVisible);
    }
    for (int i = 0; i < kHeatMenuButtons; ++i) {
        auto* button = window_.findChild<QPushButton*>(QStringLiteral("Menu(%1)").arg(i));
        if (!button) continue;
        if (!p.Menu[i].caption.empty()) button->setText(QString::fromStdString(p.Menu[i].caption));
        button->setVisible(p.Menu[i].visible);
        button->setEnabled(p.Menu[i].enabled);
        button->setFocusPolicy(Qt::NoFocus);  // keys go to the heat keys
    }
    if (auto* errors = window_.findChild<QComboBox*>("Errors")) {
        const RejectedDetections& list = programme_.ui.errors;
        if (errors->count() != static_cast<int>(list.Items().size())) {
            errors->clear();
            for (const std::string& item : list.Items()) errors->addItem(QString::fromStdString(item));
        }
        errors->setCurrentIndex(list.ListIndex());
        errors->setVisible(list.Visible());
    }
}

void HeatModeView::showMenus() {
    const ProgrammeState& ui = programme_.ui;
    auto enableMenu = [this](const char* name, bool on) {
        if (auto* m = window_.findChild<QMenu*>(name)) m->menuAction()->setEnabled(on);
    };
    enableMenu("MnuArxiu", ui.MnuArxiu);
    enableMenu("MnuProgrames", ui.MnuProgrames);
    enableMenu("MnuDades", ui.MnuDades);
    enableMenu("MnuResultats", ui.MnuResultats);
    enableMenu("MnuFinestres", ui.MnuFinestres);
    enableMenu("MnuAjuda", ui.panel.informationMenuEnabled || !ui.heatMode);
    if (auto* manualMenu = window_.findChild<QMenu*>("MnuManual"))
        for (QAction* entry : manualMenu->actions()) entry->setEnabled(ui.heatMode);
    if (auto* selection = window_.findChild<QWidget*>("Seleccio")) selection->setEnabled(!ui.heatMode);
    // Quitting would lose the running heat; the menu's Sortir is greyed with Arxiu.
    if (auto* quit = window_.findChild<QAction*>("BotoSortir")) quit->setEnabled(state_.HeatRunning == 0);
    // With one screen a live window stays a child window: the entry is off.
    if (auto* fullScreen = window_.findChild<QAction*>("MnuPantallaCompleta"))
        fullScreen->setEnabled(canUseSecondScreen(static_cast<int>(QGuiApplication::screens().size())));
    updateSelectionStates();
}

void HeatModeView::updateSelectionStates() {
    const bool idle = !programme_.ui.heatMode;
    for (int m = 0; m < kModalities; ++m) {
        const bool can =
            idle && (m == 0 || (window_.portada().modalityEnabled[m] && host_->SelectedSeries(m) >= 0));
        if (auto* entry = window_.findChild<QAction*>(QStringLiteral("MnuPrg(%1)").arg(m)))
            entry->setEnabled(can);
        if (auto* button = window_.findChild<QPushButton*>(QStringLiteral("BotoPrg(%1)").arg(m)))
            button->setEnabled(can);
    }
}

}  // namespace sc
