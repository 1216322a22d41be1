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

// Loads the program settings into the state; tells the user what was wrong.
FileCheck loadSettingsReporting(RaceState& state, Prompter& prompter) {
    LoadReport report;
    try {
        state.Settings = loadProgramSettings(state.inAppFolder(kSettingsFileName), &report);
    } catch (const FileError& e) {
        prompter.inform(damagedFileMessage(state.Settings.Language, e), "Error", MessageIcon::Critical);
        return FileCheck::Damaged;
    }
    if (report.clamped.empty()) return FileCheck::Good;
    prompter.inform(clampedValuesMessage(state.Settings.Language, kSettingsFileName, report.clamped), "Error",
                    MessageIcon::Exclamation);
    return FileCheck::Clamped;
}

// The program-wide track file is not loaded at start; it is only checked so
// that a damaged one is mended before any race copies it.
FileCheck checkTrackReporting(RaceState& state, Prompter& prompter, TrackConfig& loaded) {
    LoadReport report;
    try {
        loaded = loadTrackConfig(state.inAppFolder(kTrackFileName), &report);
    } catch (const FileError& e) {
        prompter.inform(damagedFileMessage(state.Settings.Language, e), "Error", MessageIcon::Critical);
        return FileCheck::Damaged;
    }
    if (report.clamped.empty()) return FileCheck::Good;
    prompter.inform(clampedValuesMessage(state.Settings.Language, kTrackFileName, report.clamped), "Error",
                    MessageIcon::Exclamation);
    return FileCheck::Clamped;
}

bool settingsFileLoads(RaceState& state) {
    try {
        state.Settings = loadProgramSettings(state.inAppFolder(kSettingsFileName));
        return true;
    } catch (const FileError&) {
        return false;
    }
}

bool trackFileLoads(const RaceState& state) {
    try {
        loadTrackConfig(state.inAppFolder(kTrackFileName));
        return true;
    } catch (const FileError&) {
        return false;
    }
}

}  // namespace

bool ensureProgramSettings(RaceState& state, StartupHost& host) {
    const fs::path file = state.inAppFolder(kSettingsFileName);
    if (fileExists(file)) {
        const FileCheck check = loadSettingsReporting(state, host.prompter());
        if (check == FileCheck::Good) return true;
        if (check == FileCheck::Damaged) state.Settings = defaultProgramSettings();
    } else {
        state.Settings = defaultProgramSettings();
    }
    host.showProgramSettingsWindow();
    if (!fileExists(file)) return false;
    const ProgramSettings shown = state.Settings;
    if (settingsFileLoads(state)) return true;
    state.Settings = shown;
    return false;
}

bool ensureTrackConfig(RaceState& state, StartupHost& host) {
    const fs::path file = state.inAppFolder(kTrackFileName);
    if (fileExists(file)) {
        TrackConfig loaded;
        const FileCheck check = checkTrackReporting(state, host.prompter(), loaded);
        if (check == FileCheck::Good) return true;
        state.Track = check == FileCheck::Clamped ? loaded : defaultTrackConfig(state.MaxLanes);
    } else {
        state.Track = defaultTrackConfig(state.MaxLanes);
    }
    host.showTrackConfigWindow();
    return fileExists(file) && trackFileLoads(state);
}

bool takeGeneralConnections(RaceState& state) {
    return takeConnections(state, state.inAppFolder(kTrackFileName));
}

bool takeConnections(RaceState& state, const std::filesystem::path& trackFile) {
    TrackConfig general;
    try {
        general = loadTrackConfig(trackFile);
    } catch (const FileError&) {
        return false;
    }
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
