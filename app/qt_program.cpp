#include "app/qt_program.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>

#include "app/about_window.h"
#include "app/heat_mode_view.h"
#include "app/main_window.h"
#include "app/qt_config_dialogs.h"
#include "app/qt_translations.h"
#include "app/recovery_dialogue.h"

namespace sc {

QtProgram::QtProgram(RaceState& state, Prompter& prompter) : state_(state), prompter_(prompter) {}

QtProgram::~QtProgram() = default;

bool QtProgram::start(const std::filesystem::path& folder) {
    QSize screen(800, 600);
    if (QScreen* primary = QGuiApplication::primaryScreen()) screen = primary->geometry().size();
    prepareRaceState(state_, folder, screen.width(), screen.height());
    return runStartup(state_, *this);
}

void QtProgram::showProgramSettingsWindow() {
    execProgramSettingsDialog(state_, prompter_, main_.get());
    useQtTranslations(state_.Settings.Language);
}

void QtProgram::showTrackConfigWindow() { execTrackConfigDialog(state_, prompter_, main_.get()); }

void QtProgram::showMainWindow() {
    useQtTranslations(state_.Settings.Language);
    main_ = std::make_unique<PortadaView>(state_, prompter_);
    PortadaCommands commands;
    commands.programSettings = [this] { showProgramSettingsWindow(); };
    commands.generalTrackConfig = [this] { editTrackConfig(state_, prompter_, main_.get(), false); };
    commands.raceTrackConfig = [this] { editTrackConfig(state_, prompter_, main_.get(), true); };
    commands.about = [this] { openAbout(); };
    main_->setCommands(std::move(commands));
    main_->load();
    main_->show();
    main_->mdiArea()->setFocus();
}

namespace {

// The recovery dialogue drives heat-running mode as the menus and keys do.
class MainWindowRecoveryHost : public RecoveryHost {
public:
    explicit MainWindowRecoveryHost(PortadaView& window) : window_(window) {}
    bool OpenProgramme(int modality) override { return window_.heatMode().open(modality); }
    void PressStartKey() override { window_.heatMode().key('S'); }
    void OpenLapCounterPortsHeld() override { window_.heatMode().connections().OpenLapCounterPortsHeld(); }
    void ReleaseHeldReception(bool decode) override {
        window_.heatMode().connections().ReleaseHeldReception(decode);
    }
    void RestoreJournal(const HeatJournal& journal) override {
        if (HeatClock* clock = window_.heatMode().programme().Clock()) clock->RestoreJournal(journal);
    }

private:
    PortadaView& window_;
};

}  // namespace

void QtProgram::runRecoveryDialogue() {
    if (!main_) {
        state_.RecoveryPending = 0;
        return;
    }
    MainWindowRecoveryHost host(*main_);
    RunRecoveryDialogue(state_, main_->portada(), prompter_, host);
    main_->showState();
}

void QtProgram::startPlainTraining() {
    if (main_) main_->heatMode().open(0);
}

void QtProgram::openLapCounterPorts() {
    if (!main_) return;
    HeatModeView& heatMode = main_->heatMode();
    if (heatMode.programme().ui.heatMode) return;  // open already, with the programme's own track
    if (!takeGeneralConnections(state_)) return;
    heatMode.connections().OpenLapCounterPorts();
}

void QtProgram::openAbout() {
    InformacioView about(state_, main_.get());
    about.exec();
}

}  // namespace sc
