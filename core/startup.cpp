#include "core/startup.h"

#include "core/file_error.h"
#include "core/file_fault_text.h"
#include "core/file_io.h"
#include "core/settings_files.h"

namespace sc {
namespace fs = std::filesystem;

void prepareRaceState(RaceState& state, const fs::path& appFolder, int screenWidth, int screenHeight) {
    state.AppFolder = appFolder;
    state.WorkingFolder = appFolder;
    state.ScaleX = screenWidth > 0 ? screenWidth / 800.0 : 1.0;
    state.ScaleY = screenHeight > 0 ? screenHeight / 600.0 : 1.0;
    state.SeriesCount.assign(5, 0);
    state.MaxLanes = 64;
}

std::string damagedFileMessage(int language, const FileError& e) {
    if (language == 1)
        return FileFaultText(language, e) + "\n\nIntroduzca de nuevo la configuración y grábela.";
    return FileFaultText(language, e) + "\n\nTorneu a entrar la configuració i graveu-la.";
}

std::string clampedValuesMessage(int language, const std::string& fileName,
                                 const std::vector<std::string>& values) {
    std::string list;
    for (const auto& v : values) list += "\n" + v;
    if (language == 1)
        return "El archivo " + fileName + " tenía valores fuera de límites, que se han corregido:" + list +
               "\n\nRevise la configuración y grábela.";
    return "L'arxiu " + fileName + " tenia valors fora de límits, que s'han corregit:" + list +
           "\n\nReviseu la configuració i graveu-la.";
}

namespace {

enum class FileCheck { Good, Clamped, Damaged };

// Loads a configuration file of the program folder into `loaded` (left as it
// was when the file is damaged) and tells the user what was wrong.
template <typename Config, typename Load>
FileCheck loadReporting(RaceState& state, Prompter& prompter, const char* fileName, Load load,
                        Config& loaded) {
    LoadReport report;
    try {
        loaded = load(state.inAppFolder(fileName), &report);
    } catch (const FileError& e) {
        prompter.inform(damagedFileMessage(state.Settings.Language, e), "Error", MessageIcon::Critical);
        return FileCheck::Damaged;
    }
    if (report.clamped.empty()) return FileCheck::Good;
    prompter.inform(clampedValuesMessage(state.Settings.Language, fileName, report.clamped), "Error",
                    MessageIcon::Exclamation);
    return FileCheck::Clamped;
}

// True when `load` reads its file without a FileError.
template <typename Load>
bool loadsCleanly(Load load) {
    try {
        load();
        return true;
    } catch (const FileError&) {
        return false;
    }
}

}  // namespace

bool ensureProgramSettings(RaceState& state, StartupHost& host) {
    const fs::path file = state.inAppFolder(kSettingsFileName);
    if (fileExists(file)) {
        const FileCheck check =
            loadReporting(state, host.prompter(), kSettingsFileName, loadProgramSettings, state.Settings);
        if (check == FileCheck::Good) return true;
        if (check == FileCheck::Damaged) state.Settings = defaultProgramSettings();
    } else {
        state.Settings = defaultProgramSettings();
    }
    host.showProgramSettingsWindow();
    if (!fileExists(file)) return false;
    const ProgramSettings shown = state.Settings;
    if (loadsCleanly([&] { state.Settings = loadProgramSettings(file); })) return true;
    state.Settings = shown;
    return false;
}

bool ensureTrackConfig(RaceState& state, StartupHost& host) {
    const fs::path file = state.inAppFolder(kTrackFileName);
    if (fileExists(file)) {
        TrackConfig loaded;
        // Only checked, not loaded: a damaged one is mended before any race copies it.
        const FileCheck check =
            loadReporting(state, host.prompter(), kTrackFileName, loadTrackConfig, loaded);
        if (check == FileCheck::Good) return true;
        state.Track = check == FileCheck::Clamped ? loaded : defaultTrackConfig(state.MaxLanes);
    } else {
        state.Track = defaultTrackConfig(state.MaxLanes);
    }
    host.showTrackConfigWindow();
    return fileExists(file) && loadsCleanly([&] { loadTrackConfig(file); });
}

bool takeGeneralConnections(RaceState& state) {
    return takeConnections(state, state.inAppFolder(kTrackFileName));
}

bool takeConnections(RaceState& state, const std::filesystem::path& trackFile) {
    TrackConfig general;
    if (!loadsCleanly([&] { general = loadTrackConfig(trackFile); })) return false;
    TrackConfig& track = state.Track;
    track.ConnectionCount = general.ConnectionCount;
    track.ConnectionPort = general.ConnectionPort;
    track.ConnectionFirstLane = general.ConnectionFirstLane;
    return true;
}

AfterStart decideAfterStart(RaceState& state) {
    if (state.RecoveryPending && fileExists(state.inAppFolder(kRecoveryFileName)))
        return AfterStart::Recovery;
    state.RecoveryPending = 0;
    if (fileExists(state.inAppFolder(kAutorunFileName))) return AfterStart::PlainTraining;
    return AfterStart::Nothing;
}

bool runStartup(RaceState& state, StartupHost& host) {
    if (!ensureProgramSettings(state, host)) return false;
    if (!ensureTrackConfig(state, host)) return false;
    state.RecoveryPending = 0;
    state.SeriesCount[0] = 1;
    host.showMainWindow();
    switch (decideAfterStart(state)) {
        case AfterStart::Recovery:
            host.runRecoveryDialogue();
            break;
        case AfterStart::PlainTraining:
            host.startPlainTraining();
            break;
        case AfterStart::Nothing:
            break;
    }
    // After recovery, never before: OpenLapCounterPorts does nothing while it is pending.
    host.openLapCounterPorts();
    return true;
}

}  // namespace sc
