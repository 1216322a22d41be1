#include "core/startup.h"

#include <gtest/gtest.h>

#include <functional>

#include "app_test_helpers.h"
#include "core/settings_files.h"

namespace sc {
namespace {
namespace fs = std::filesystem;
using test::writeText;

// Records the windows start-up opens; each window may save its file.
class FakeHost : public StartupHost {
public:
    explicit FakeHost(RaceState& state) : state_(state) {}
    void showProgramSettingsWindow() override {
        calls.push_back("settings");
        settingsSeen = state_.Settings;
        if (saveSettings)
            ASSERT_TRUE(saveProgramSettings(state_.Settings, state_.inAppFolder(kSettingsFileName)));
    }
    void showTrackConfigWindow() override {
        calls.push_back("track");
        trackSeen = state_.Track;
        if (saveTrack) ASSERT_TRUE(saveTrackConfig(state_.Track, state_.inAppFolder(kTrackFileName)));
    }
    void showMainWindow() override {
        calls.push_back("main");
        if (mainLoad) mainLoad();
    }
    void runRecoveryDialogue() override {
        calls.push_back("recovery");
        state_.RecoveryPending = 0;  // the dialogue settles it on every path
    }
    void startPlainTraining() override { calls.push_back("training"); }
    void openLapCounterPorts() override {
        calls.push_back(state_.RecoveryPending ? "ports pending" : "ports");
    }
    Prompter& prompter() override { return prompts; }

    bool saveSettings = true;
    bool saveTrack = true;
    std::function<void()> mainLoad;
    std::vector<std::string> calls;
    ProgramSettings settingsSeen;
    TrackConfig trackSeen;
    QueuedPrompter prompts;

private:
    RaceState& state_;
};

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { prepareRaceState(state, folder.path(), 1600, 1200); }
    fs::path file(const char* name) const { return folder.path() / name; }
    void bothFilesSaved() {
        ASSERT_TRUE(saveProgramSettings(defaultProgramSettings(), file(kSettingsFileName)));
        ASSERT_TRUE(saveTrackConfig(defaultTrackConfig(), file(kTrackFileName)));
    }

    test::TempFolder folder;
    RaceState state;
    FakeHost host{state};
};

TEST_F(StartupTest, PrepareRaceState_ScalesFromAnEightHundredBySixHundredDesign) {
    EXPECT_EQ(state.AppFolder, folder.path());
    EXPECT_EQ(state.WorkingFolder, folder.path());
    EXPECT_DOUBLE_EQ(state.ScaleX, 2.0);
    EXPECT_DOUBLE_EQ(state.ScaleY, 2.0);
    EXPECT_EQ(state.SeriesCount, (std::vector<int16_t>{0, 0, 0, 0, 0}));
    EXPECT_EQ(state.MaxLanes, 64);
}

TEST_F(StartupTest, FirstStart_SettingsWindowThenTrackWindowWithSixtyFourLanesThenMain) {
    EXPECT_TRUE(runStartup(state, host));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"settings", "track", "main", "ports"}));
    EXPECT_EQ(host.settingsSeen.Language, 0);
    EXPECT_EQ(host.settingsSeen.LapCounterModel, 1);
    EXPECT_EQ(host.settingsSeen.ColourCount, 5);
    EXPECT_EQ(host.settingsSeen.Colours, (std::vector<int16_t>{0, 12, 10, 15, 14, 11}));
    EXPECT_EQ(host.trackSeen.LaneCount, 64);
    EXPECT_EQ(host.trackSeen.ConnectionCount, 2);
    EXPECT_EQ(host.trackSeen.ConnectionPort[1], 1);
    EXPECT_EQ(host.trackSeen.ConnectionPort[2], 2);
    EXPECT_EQ(host.trackSeen.ConnectionFirstLane[2], 9);
    EXPECT_EQ(state.SeriesCount[0], 1);
    EXPECT_TRUE(host.prompts.shown.empty());
}

TEST_F(StartupTest, SettingsWindowClosedWithoutSaving_EndsWithoutMessage) {
    host.saveSettings = false;
    EXPECT_FALSE(runStartup(state, host));
    EXPECT_EQ(host.calls, std::vector<std::string>{"settings"});
    EXPECT_TRUE(host.prompts.shown.empty());
}

TEST_F(StartupTest, TrackWindowClosedWithoutSaving_Ends) {
    host.saveTrack = false;
    EXPECT_FALSE(runStartup(state, host));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"settings", "track"}));
}

TEST_F(StartupTest, BothFilesPresent_OnlyMainWindowAndTrackNotLoaded) {
    TrackConfig eight = defaultTrackConfig();
    eight.LaneCount = 8;
    ASSERT_TRUE(saveProgramSettings(defaultProgramSettings(), file(kSettingsFileName)));
    ASSERT_TRUE(saveTrackConfig(eight, file(kTrackFileName)));
    EXPECT_TRUE(runStartup(state, host));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"main", "ports"}));
    EXPECT_EQ(state.Track.LaneCount, TrackConfig{}.LaneCount);
}

TEST_F(StartupTest, SettingsLoadedFromFile) {
    ProgramSettings spanish = defaultProgramSettings();
    spanish.Language = 1;
    ASSERT_TRUE(saveProgramSettings(spanish, file(kSettingsFileName)));
    ASSERT_TRUE(saveTrackConfig(defaultTrackConfig(), file(kTrackFileName)));
    EXPECT_TRUE(runStartup(state, host));
    EXPECT_EQ(state.Settings.Language, 1);
}

TEST_F(StartupTest, DamagedSettings_ReportedThenWindowOffered) {
    writeText(file(kSettingsFileName), "xy");
    ASSERT_TRUE(saveTrackConfig(defaultTrackConfig(), file(kTrackFileName)));
    EXPECT_TRUE(runStartup(state, host));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"settings", "main", "ports"}));
    ASSERT_EQ(host.prompts.shown.size(), 1u);
    EXPECT_NE(host.prompts.shown[0].text.find("VIROLA.CFG"), std::string::npos);
    EXPECT_NE(host.prompts.shown[0].text.find("malmès"), std::string::npos);
    EXPECT_EQ(host.settingsSeen.LapCounterModel, 1);  // defaults, not garbage
}

TEST_F(StartupTest, DamagedSettingsNotMended_Ends) {
    writeText(file(kSettingsFileName), "xy");
    host.saveSettings = false;
    EXPECT_FALSE(runStartup(state, host));
    EXPECT_EQ(host.calls, std::vector<std::string>{"settings"});
}

TEST_F(StartupTest, DamagedTrack_ReportedInCurrentLanguageThenWindowWithDefaults) {
    ProgramSettings spanish = defaultProgramSettings();
    spanish.Language = 1;
    ASSERT_TRUE(saveProgramSettings(spanish, file(kSettingsFileName)));
    writeText(file(kTrackFileName), "z");
    EXPECT_TRUE(runStartup(state, host));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"track", "main", "ports"}));
    ASSERT_EQ(host.prompts.shown.size(), 1u);
    EXPECT_NE(host.prompts.shown[0].text.find("PISTA.CFG"), std::string::npos);
    EXPECT_NE(host.prompts.shown[0].text.find("dañado"), std::string::npos);
    EXPECT_EQ(host.trackSeen.LaneCount, 64);
}

TEST_F(StartupTest, DamagedTrackNotMended_Ends) {
    ASSERT_TRUE(saveProgramSettings(defaultProgramSettings(), file(kSettingsFileName)));
    writeText(file(kTrackFileName), "z");
    host.saveTrack = false;
    EXPECT_FALSE(runStartup(state, host));
}

TEST_F(StartupTest, OrderlyExit_NoRecoveryEvenWithStrayRecoveryFile) {
    bothFilesSaved();
    writeText(file(kRecoveryFileName), " 1\r\n 4\r\n 1\r\n 2\r\n");
    EXPECT_TRUE(runStartup(state, host));  // the main window found KEL4.INI: nothing pending
    EXPECT_EQ(host.calls, (std::vector<std::string>{"main", "ports"}));
}

TEST_F(StartupTest, CrashDuringHeat_RecoveryDialogueThenPortsWithNothingPending) {
    bothFilesSaved();
    writeText(file(kRecoveryFileName), " 1\r\n 4\r\n 1\r\n 2\r\n");
    host.mainLoad = [this] { state.RecoveryPending = -1; };
    EXPECT_TRUE(runStartup(state, host));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"main", "recovery", "ports"}));
}

TEST_F(StartupTest, CrashOutsideHeat_NoQuestionAndPendingCleared) {
    bothFilesSaved();
    host.mainLoad = [this] { state.RecoveryPending = -1; };
    EXPECT_TRUE(runStartup(state, host));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"main", "ports"}));  // opened, not skipped as pending
    EXPECT_EQ(state.RecoveryPending, 0);
}

TEST_F(StartupTest, AutorunWithoutRecovery_StartsPlainTraining) {
    bothFilesSaved();
    writeText(file(kAutorunFileName), "");
    EXPECT_TRUE(runStartup(state, host));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"main", "training", "ports"}));
}

TEST_F(StartupTest, RecoveryTakesPrecedenceOverAutorun) {
    bothFilesSaved();
    writeText(file(kAutorunFileName), "");
    writeText(file(kRecoveryFileName), " 1\r\n");
    host.mainLoad = [this] { state.RecoveryPending = -1; };
    EXPECT_TRUE(runStartup(state, host));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"main", "recovery", "ports"}));
}

TEST_F(StartupTest, GeneralConnections_TakenWithoutLoadingTheRestOfTheTrack) {
    TrackConfig general = defaultTrackConfig(12);
    general.ConnectionCount = 3;
    general.ConnectionPort = {0, 3, 1, 4};
    general.ConnectionFirstLane = {0, 1, 5, 9};
    general.MinLapTime = 2.5f;
    ASSERT_TRUE(saveTrackConfig(general, file(kTrackFileName)));
    EXPECT_TRUE(takeGeneralConnections(state));
    EXPECT_EQ(state.Track.ConnectionCount, 3);
    EXPECT_EQ(state.Track.ConnectionPort, (std::vector<int16_t>{0, 3, 1, 4}));
    EXPECT_EQ(state.Track.ConnectionFirstLane, (std::vector<int16_t>{0, 1, 5, 9}));
    EXPECT_EQ(state.Track.LaneCount, TrackConfig{}.LaneCount);
    EXPECT_EQ(state.Track.MinLapTime, TrackConfig{}.MinLapTime);
}

TEST_F(StartupTest, GeneralConnections_DamagedOrMissingFileLeavesTheStateAlone) {
    EXPECT_FALSE(takeGeneralConnections(state));
    writeText(file(kTrackFileName), "z");
    EXPECT_FALSE(takeGeneralConnections(state));
    EXPECT_EQ(state.Track.ConnectionCount, TrackConfig{}.ConnectionCount);
    EXPECT_EQ(state.Track.ConnectionPort, TrackConfig{}.ConnectionPort);
}

TEST(StartupMessages, ClampedValuesListedInBothLanguages) {
    const std::string ca =
        clampedValuesMessage(0, "PISTA.CFG", {"LaneCount 300 -> 64", "SectorCount 9 -> 3"});
    EXPECT_NE(ca.find("fora de límits"), std::string::npos);
    EXPECT_NE(ca.find("\nLaneCount 300 -> 64\nSectorCount 9 -> 3"), std::string::npos);
    EXPECT_NE(clampedValuesMessage(1, "PISTA.CFG", {"x"}).find("fuera de límites"), std::string::npos);
}

}  // namespace
}  // namespace sc
