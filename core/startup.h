#pragma once
// The start-up sequence: race state prepared, both settings files made sure
// of (through their windows when missing or damaged), the main window shown,
// then recovery or automatic plain training.

#include <filesystem>
#include <string>
#include <vector>

#include "core/file_error.h"
#include "core/prompter.h"
#include "core/race_state.h"

namespace sc {

inline constexpr const char* kSelectionsFileName = "KEL4.INI";
inline constexpr const char* kRecoveryFileName = "KEL4.TMP";
inline constexpr const char* kAutorunFileName = "AUTORUNS.INI";

// What start-up needs from the windows. Each show call returns when the
// (modal) window has closed; start-up then looks at the files on disk.
class StartupHost {
public:
    virtual ~StartupHost() = default;
    virtual void showProgramSettingsWindow() = 0;
    virtual void showTrackConfigWindow() = 0;
    virtual void showMainWindow() = 0;  // runs the main window's load step
    virtual void runRecoveryDialogue() = 0;
    virtual void startPlainTraining() = 0;
    // Opens the lap-counter ports once recovery is settled, so a dead port is
    // reported at start. A host whose heat-running mode is open by then (a
    // resumed heat, automatic training) opened them with that programme's track.
    virtual void openLapCounterPorts() {}
    virtual Prompter& prompter() = 0;
};

// Steps 1-4: program folder, working folder, screen scale, series counts.
void prepareRaceState(RaceState& state, const std::filesystem::path& appFolder, int screenWidth,
                      int screenHeight);

// Steps 5 and 6: false when the program must end (a window closed without a
// usable file being there afterwards).
bool ensureProgramSettings(RaceState& state, StartupHost& host);
bool ensureTrackConfig(RaceState& state, StartupHost& host);

// The connections (count, ports, first lanes) of the program-wide PISTA.CFG
// into the state, the rest of the track left as it is: the ports opened at
// start are those of the general track. False, leaving the state alone, when
// the file cannot be read.
bool takeGeneralConnections(RaceState& state);
// The same from the PISTA.CFG `trackFile` (a race's own, for crash recovery).
bool takeConnections(RaceState& state, const std::filesystem::path& trackFile);

enum class AfterStart { Nothing, Recovery, PlainTraining };
// Step 9's choice. Clears RecoveryPending unless the recovery dialogue is due.
AfterStart decideAfterStart(RaceState& state);

// The whole sequence after prepareRaceState; false when the program must end.
bool runStartup(RaceState& state, StartupHost& host);

// Texts of the start-up messages in the given language (0 Catalan, 1 Spanish).
// A settings file that could not be read: the file, its fault and what to do.
std::string damagedFileMessage(int language, const FileError& e);
std::string clampedValuesMessage(int language, const std::string& fileName,
                                 const std::vector<std::string>& values);

}  // namespace sc
