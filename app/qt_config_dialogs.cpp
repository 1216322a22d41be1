#include "app/qt_config_dialogs.h"

#include <QWidget>

#include "core/prompter.h"
#include "core/race_state.h"

// SEAM: the configuration windows (ConfiguracioPrgView, ConfiguracioPistaView)
// are being written in config_windows/. Until they land the program cannot
// create VIROLA.CFG or PISTA.CFG itself, so a first start ends at once.

namespace sc {

bool programSettingsDialogAvailable() { return false; }
bool trackConfigDialogAvailable() { return false; }

void execProgramSettingsDialog(RaceState& state, Prompter& prompter, QWidget* parent) {
    (void)state, (void)parent;
    prompter.inform("La configuració del programa encara no està disponible.", "SlotCursa");
}

void execTrackConfigDialog(RaceState& state, Prompter& prompter, QWidget* parent, bool ofRace) {
    (void)state, (void)parent, (void)ofRace;
    prompter.inform("La configuració del circuit encara no està disponible.", "SlotCursa");
}

std::vector<std::pair<std::string, std::unique_ptr<QWidget>>> configWindowsForScreenshots(RaceState& state,
                                                                                          Prompter& prompter,
                                                                                          QWidget* parent) {
    (void)state, (void)prompter, (void)parent;
    return {};
}

}  // namespace sc
