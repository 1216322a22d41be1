#include "app/qt_config_dialogs.h"

#include <QWidget>

#include "config_windows/program_settings_window.h"
#include "config_windows/track_config_window.h"
#include "core/file_error.h"
#include "core/prompter.h"
#include "core/race_state.h"
#include "core/race_store.h"
#include "core/settings_files.h"
#include "core/startup.h"

namespace sc {

void execProgramSettingsDialog(RaceState& state, Prompter& prompter, QWidget* parent) {
    ConfiguracioPrgView window(state, prompter, parent);
    window.exec();
}

namespace {
// The menus open the file as it is on disk; a damaged one is reported and the
// window starts from the defaults so that saving mends it.
void loadTrackForEditing(RaceState& state, Prompter& prompter) {
    LoadReport report;
    try {
        LoadTrackConfig(state, &report);
    } catch (const FileError& e) {
        prompter.inform(damagedFileMessage(state.Settings.Language, e), "Error", MessageIcon::Critical);
        state.Track = defaultTrackConfig(state.MaxLanes);
        return;
    }
    if (!report.clamped.empty())
        prompter.inform(clampedValuesMessage(state.Settings.Language, kTrackFileName, report.clamped),
                        "Error", MessageIcon::Exclamation);
}
}  // namespace

void execTrackConfigDialog(RaceState& state, Prompter& prompter, QWidget* parent) {
    ConfiguracioPistaView window(state, prompter, parent);
    window.exec();
}

void editTrackConfig(RaceState& state, Prompter& prompter, QWidget* parent, bool ofRace) {
    const std::filesystem::path folder = ofRace && state.CurrentRace > 0
                                             ? state.AppFolder / raceFolderName(state.CurrentRace)
                                             : state.AppFolder;
    WorkingFolderGuard inFolder(state, folder);
    loadTrackForEditing(state, prompter);
    execTrackConfigDialog(state, prompter, parent);
}

std::vector<std::pair<std::string, std::unique_ptr<QWidget>>> configWindowsForScreenshots(RaceState& state,
                                                                                          Prompter& prompter,
                                                                                          QWidget* parent) {
    std::vector<std::pair<std::string, std::unique_ptr<QWidget>>> windows;
    windows.emplace_back("configuracio_prg", std::make_unique<ConfiguracioPrgView>(state, prompter, parent));
    LoadTrackConfig(state);
    windows.emplace_back("configuracio_pista",
                         std::make_unique<ConfiguracioPistaView>(state, prompter, parent));
    return windows;
}

}  // namespace sc
