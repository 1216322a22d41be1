#pragma once
// One driven run of the program: the program folder, the race state, the
// main window once started, the settable clock and the printing prompter.
// A `quit` ends the program in order; a later `start` is a new run of it.

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/portada.h"
#include "core/race_state.h"
#include "core/settable_clock.h"
#include "core/startup.h"
#include "localisation/window_texts.h"
#include "tools/driver/printing_prompter.h"
#include "tools/driver/script_line.h"

namespace sc::driver {

// The screen the driver pretends to have (the scale factors come out as 1).
inline constexpr int kScreenWidth = 800;
inline constexpr int kScreenHeight = 600;

struct HeatDriver;

class Session : public StartupHost {
public:
    Session(std::filesystem::path folder, std::ostream& out);
    ~Session() override;

    RaceState& state() { return *state_; }
    PrintingPrompter& boxes() { return prompter_; }
    SettableClock& clock() { return clock_; }
    std::ostream& out() { return out_; }

    bool running() const { return main_ != nullptr; }
    // The main window; a ScriptError when the program is not running.
    Portada& mainWindow();
    // Heat-running mode of the main window; a ScriptError when not running.
    HeatDriver& heat();

    // Start-up with the windows answered by the driver; a ScriptError when
    // the program is already running or ended during start-up.
    void start();
    // The main window closes in order (KEL4.INI is written).
    void quit();
    // Ends at once, as a killed program: nothing more is written. A later
    // `start` is a new run over the files left behind.
    void crash();
    bool crashed() const { return crashed_; }

    // `meanwhile LINE`: runs while the next message box waits, before its answer.
    void queueMeanwhile(ScriptLine line) { meanwhile_.push_back(std::move(line)); }

    // Puts a window's texts and message-table entries in the current language.
    void applyLanguage(const std::string& window);

    // StartupHost: the windows start-up opens are accepted as they open.
    void showProgramSettingsWindow() override;
    void showTrackConfigWindow() override;
    void showMainWindow() override;
    void runRecoveryDialogue() override;
    void startPlainTraining() override;
    void openLapCounterPorts() override;
    Prompter& prompter() override { return prompter_; }

private:
    void freshState();

    std::filesystem::path folder_;
    std::ostream& out_;
    PrintingPrompter prompter_;
    SettableClock clock_;
    std::unique_ptr<RaceState> state_;
    std::unique_ptr<Portada> main_;
    std::unique_ptr<HeatDriver> heat_;  // lives with main_
    WindowTexts mainTexts_;
    bool crashed_ = false;
    std::vector<ScriptLine> meanwhile_;
};

}  // namespace sc::driver
