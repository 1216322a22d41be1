#include "app/qt_program.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>

#include "app/about_window.h"
#include "app/heat_mode_view.h"
#include "app/main_window.h"
#include "app/qt_config_dialogs.h"

namespace sc {

QtProgram::QtProgram(RaceState& state, Prompter& prompter) : state_(state), prompter_(prompter) {}

QtProgram::~QtProgram() = default;

bool QtProgram::start(const std::filesystem::path& folder) {
    QSize screen(800, 600);
    if (QScreen* primary = QGuiApplication::primaryScreen()) screen = primary->geometry().size();
    prepareRaceState(state_, folder, screen.width(), screen.height());
    return runStartup(state_, *this);
}

void QtProgram::showProgramSettingsWindow() { execProgramSettingsDialog(state_, prompter_, main_.get()); }

void QtProgram::showTrackConfigWindow() { execTrackConfigDialog(state_, prompter_, main_.get()); }

void QtProgram::showMainWindow() {
    main_ = std::make_unique<PortadaView>(state_, prompter_);
    PortadaCommands commands;
    commands.programSettings = [this] { execProgramSettingsDialog(state_, prompter_, main_.get()); };
    commands.generalTrackConfig = [this] { editTrackConfig(state_, prompter_, main_.get(), false); };
    commands.raceTrackConfig = [this] { editTrackConfig(state_, prompter_, main_.get(), true); };
    commands.about = [this] { openAbout(); };
    main_->setCommands(std::move(commands));
    main_->load();
    main_->show();
    main_->mdiArea()->setFocus();
}

void QtProgram::runRecoveryDialogue() {
    // The recovery dialogue is not built yet: until it is, the crashed heat
    // is not offered again and KEL4.TMP stays for it.
    state_.RecoveryPending = 0;
}

void QtProgram::startPlainTraining() {
    if (main_) main_->heatMode().open(0);
}

void QtProgram::openAbout() {
    InformacioView about(state_, main_.get());
    about.exec();
}

}  // namespace sc
