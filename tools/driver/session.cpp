#include "tools/driver/session.h"

#include <utility>

#include "app/recovery_dialogue.h"
#include "core/startup.h"
#include "localisation/apply_language.h"
#include "tools/driver/command_table.h"
#include "tools/driver/config_window_driver.h"
#include "tools/driver/heat_driver.h"
#include "tools/driver/script_line.h"

namespace sc::driver {

Session::Session(std::filesystem::path folder, std::ostream& out)
    : folder_(std::move(folder)), out_(out), prompter_(out) {
    prompter_.whileShown = [this] {
        const std::vector<ScriptLine> lines = std::exchange(meanwhile_, {});
        for (const ScriptLine& line : lines) {
            const Command* command = driverCommands().find(line.word);
            if (!command) throw ScriptError("unknown command '" + line.word + "'");
            command->run(*this, line);
        }
    };
    freshState();
}

Session::~Session() = default;

void Session::freshState() {
    heat_.reset();
    main_.reset();
    state_ = std::make_unique<RaceState>();
    // Steps 1-4 are harmless before start, and let the configuration
    // commands work on the program folder before the program runs.
    prepareRaceState(*state_, folder_, kScreenWidth, kScreenHeight);
}

Portada& Session::mainWindow() {
    if (!main_) throw ScriptError("the program is not running (use 'start')");
    return *main_;
}

HeatDriver& Session::heat() {
    mainWindow();
    return *heat_;
}

void Session::start() {
    if (main_) throw ScriptError("the program is already running");
    crashed_ = false;
    freshState();
    if (!runStartup(*state_, *this)) {
        main_.reset();
        throw ScriptError("the program ended during start-up");
    }
}

void Session::quit() {
    Portada& window = mainWindow();
    if (!window.QueryUnload()) return;  // the program stays as it is
    window.Unload();
    freshState();
}

void Session::crash() {
    crashed_ = true;
    heat_.reset();  // nothing is closed in order: the files stay as the kill left them
    main_.reset();
}

void Session::applyLanguage(const std::string& window) {
    if (window == "Portada") {
        mainTexts_ = WindowTexts{};
        mainTexts_.name = "Portada";
        AplicarIdioma(*state_, mainTexts_);
        return;
    }
    WindowTexts texts;
    texts.name = window;
    if (main_) texts.mainWindow = &mainTexts_;
    AplicarIdioma(*state_, texts);
}

void Session::showProgramSettingsWindow() { acceptProgramSettings(*this, {}); }

void Session::showTrackConfigWindow() { acceptTrackConfig(*this, {}); }

void Session::showMainWindow() {
    main_ = std::make_unique<Portada>(*state_, prompter_);
    applyLanguage("Portada");
    heat_ = std::make_unique<HeatDriver>(*state_, *main_, clock_, prompter_, out_);
    main_->Load();
}

namespace {

// The recovery dialogue drives the programme as the `open` and `key` commands do.
class DriverRecoveryHost : public RecoveryHost {
public:
    explicit DriverRecoveryHost(HeatDriver& heat) : heat_(heat) {}
    bool OpenProgramme(int modality) override {
        if (!heat_.programme.MnuPrg_Click(modality)) return false;
        heat_.engine.SetLapView(heat_.programme.View());
        return true;
    }
    void PressStartKey() override {
        if (HeatClock* clock = heat_.programme.Clock()) clock->HeatKeys('S');
    }
    void OpenLapCounterPortsHeld() override { heat_.connections.OpenLapCounterPortsHeld(); }
    void ReleaseHeldReception(bool decode) override { heat_.connections.ReleaseHeldReception(decode); }
    void RestoreJournal(const HeatJournal& journal) override {
        if (HeatClock* clock = heat_.programme.Clock()) clock->RestoreJournal(journal);
    }

private:
    HeatDriver& heat_;
};

}  // namespace

void Session::runRecoveryDialogue() {
    DriverRecoveryHost host(heat());
    RunRecoveryDialogue(*state_, mainWindow(), prompter_, host);
}

void Session::startPlainTraining() {
    HeatDriver& driver = heat();
    if (driver.programme.MnuPrg_Click(0)) driver.engine.SetLapView(driver.programme.View());
}

// As the program does: the general track's connections, unless a programme
// opened its own already.
void Session::openLapCounterPorts() {
    HeatDriver& driver = heat();
    if (driver.programme.ui.heatMode || !takeGeneralConnections(*state_)) return;
    driver.connections.OpenLapCounterPorts();
}

}  // namespace sc::driver
