#pragma once
// The program around its windows: start-up with the real dialogs, the main
// window, and the commands its menus open.

#include <filesystem>
#include <memory>

#include "core/startup.h"

namespace sc {

class PortadaView;

class QtProgram : public StartupHost {
public:
    QtProgram(RaceState& state, Prompter& prompter);
    ~QtProgram() override;

    // Prepares the race state for `folder` and the primary screen, then runs
    // start-up; false when the program must end at once.
    bool start(const std::filesystem::path& folder);
    PortadaView* mainWindow() const { return main_.get(); }

    void showProgramSettingsWindow() override;
    void showTrackConfigWindow() override;
    void showMainWindow() override;
    void runRecoveryDialogue() override;
    void startPlainTraining() override;
    void openLapCounterPorts() override;
    Prompter& prompter() override { return prompter_; }

    void openAbout();

private:
    RaceState& state_;
    Prompter& prompter_;
    std::unique_ptr<PortadaView> main_;
};

}  // namespace sc
