#include "core/startup.h"

#include <gtest/gtest.h>

#include <sstream>

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
        calls += " settings";
        settingsSeen = state_.Settings;
        if (saveSettings)
            ASSERT_TRUE(saveProgramSettings(state_.Settings, state_.inAppFolder(kSettingsFileName)));
    }
    void showTrackConfigWindow() override {
        calls += " track";
        trackSeen = state_.Track;
        if (saveTrack) ASSERT_TRUE(saveTrackConfig(state_.Track, state_.inAppFolder(kTrackFileName)));
    }
    void showMainWindow() override {
        calls += " main";
        if (crashed) state_.RecoveryPending = -1;  // the load found no KEL4.INI
    }
    void runRecoveryDialogue() override {
        calls += " recovery";
        state_.RecoveryPending = 0;  // the dialogue settles it on every path
    }
    void startPlainTraining() override { calls += " training"; }
    void openLapCounterPorts() override { calls += state_.RecoveryPending ? " ports pending" : " ports"; }
    Prompter& prompter() override { return prompts; }

    bool saveSettings = true;
    bool saveTrack = true;
    bool crashed = false;
    std::string calls;  // each window after a blank
    ProgramSettings settingsSeen;
    TrackConfig trackSeen;
    QueuedPrompter prompts;

private:
    RaceState& state_;
};

// What start-up finds in the program folder, what the windows it opens do,
// and the windows it opens in order; it runs on when the ports open.
struct StartupCase {
    const char* what;
    const char* settings;  // "": missing, "ok", "es" (Spanish), "bad"
    const char* track;     // "": missing, "ok" (eight lanes), "bad"
    const char* saving;    // the windows that save their file
    const char* left;      // what the last run left: "recovery" (KEL4.TMP), "autorun", "crash"
    const char* calls;
    const char* told;  // words of the one message shown; "": no message
};

bool has(const char* words, const std::string& word) {
    return (" " + std::string(words) + " ").find(" " + word + " ") != std::string::npos;
}

const StartupCase kStartups[] = {
    {"first start", "", "", "settings track", "", "settings track main ports", ""},
    {"settings not saved", "", "", "track", "", "settings", ""},
    {"track not saved", "", "", "settings", "", "settings track", ""},
    {"both files", "es", "ok", "", "", "main ports", ""},
    {"damaged settings", "bad", "ok", "settings", "", "settings main ports", "VIROLA.CFG malmès"},
    {"damaged settings not mended", "bad", "", "", "", "settings", "VIROLA.CFG malmès"},
    {"damaged track, Spanish", "es", "bad", "track", "", "track main ports", "PISTA.CFG dañado"},
    {"damaged track not mended", "ok", "bad", "", "", "track", "PISTA.CFG"},
    {"orderly exit, stray KEL4.TMP", "ok", "ok", "", "recovery", "main ports", ""},
    {"crash during a heat", "ok", "ok", "", "recovery crash", "main recovery ports", ""},
    {"crash outside a heat", "ok", "ok", "", "crash", "main ports", ""},
    {"autorun", "ok", "ok", "", "autorun", "main training ports", ""},
    {"recovery before autorun", "ok", "ok", "", "recovery autorun crash", "main recovery ports", ""},
};

TEST(Startup, OpensTheWindowsTheFolderCallsFor) {
    for (const StartupCase& c : kStartups) {
        SCOPED_TRACE(c.what);
        test::TempFolder folder;
        const fs::path app = folder.path();
        RaceState state;
        prepareRaceState(state, app, 1600, 1200);
        FakeHost host{state};
        const std::string settings = c.settings, track = c.track;
        ProgramSettings stored = defaultProgramSettings();
        stored.Language = settings == "es" ? 1 : 0;
        if (settings == "bad") writeText(app / kSettingsFileName, "xy");
        if (settings == "ok" || settings == "es")
            ASSERT_TRUE(saveProgramSettings(stored, app / kSettingsFileName));
        if (track == "bad") writeText(app / kTrackFileName, "z");
        if (track == "ok") ASSERT_TRUE(saveTrackConfig(defaultTrackConfig(8), app / kTrackFileName));
        if (has(c.left, "recovery")) writeText(app / kRecoveryFileName, " 1\r\n 4\r\n 1\r\n 2\r\n");
        if (has(c.left, "autorun")) writeText(app / kAutorunFileName, "");
        host.crashed = has(c.left, "crash");
        host.saveSettings = has(c.saving, "settings");
        host.saveTrack = has(c.saving, "track");

        const bool started = runStartup(state, host);
        EXPECT_EQ(host.calls, " " + std::string(c.calls));
        EXPECT_EQ(started, has(c.calls, "ports"));
        ASSERT_EQ(host.prompts.shown.size(), *c.told ? 1u : 0u);
        std::istringstream words(c.told);
        for (std::string word; words >> word;)
            EXPECT_NE(host.prompts.shown[0].text.find(word), std::string::npos) << word;
        // A window opened on a missing or damaged file shows the first-start values.
        if (has(c.calls, "settings")) {
            EXPECT_EQ(host.settingsSeen.Language, 0);
            EXPECT_EQ(host.settingsSeen.LapCounterModel, 1);
            EXPECT_EQ(host.settingsSeen.Colours, (std::vector<int16_t>{0, 12, 10, 15, 14, 11}));
        }
        if (has(c.calls, "track")) {
            EXPECT_EQ(host.trackSeen.LaneCount, 64);
            EXPECT_EQ(host.trackSeen.ConnectionPort, (std::vector<int16_t>{0, 1, 2}));
            EXPECT_EQ(host.trackSeen.ConnectionFirstLane[2], 9);
        }
        if (!started) continue;
        if (settings == "es") EXPECT_EQ(state.Settings.Language, 1);
        if (track == "ok") EXPECT_EQ(state.Track.LaneCount, TrackConfig{}.LaneCount);  // the race loads it
        EXPECT_EQ(state.SeriesCount[0], 1);
        EXPECT_EQ(state.RecoveryPending, 0);
    }
}

// The state is sized from an 800 x 600 design; the general track gives its
// connections alone.
TEST(Startup, PrepareRaceStateScales_GeneralConnectionsTakenWithoutTheRestOfTheTrack) {
    test::TempFolder folder;
    RaceState state;
    prepareRaceState(state, folder.path(), 1600, 900);
    EXPECT_EQ(state.WorkingFolder, folder.path());
    EXPECT_DOUBLE_EQ(state.ScaleX, 2.0);
    EXPECT_DOUBLE_EQ(state.ScaleY, 1.5);
    EXPECT_EQ(state.SeriesCount, (std::vector<int16_t>{0, 0, 0, 0, 0}));
    EXPECT_EQ(state.MaxLanes, 64);

    // A damaged or missing file leaves the state alone.
    EXPECT_FALSE(takeGeneralConnections(state));
    writeText(folder.path() / kTrackFileName, "z");
    EXPECT_FALSE(takeGeneralConnections(state));
    EXPECT_EQ(state.Track.ConnectionCount, TrackConfig{}.ConnectionCount);
    EXPECT_EQ(state.Track.ConnectionPort, TrackConfig{}.ConnectionPort);

    TrackConfig general = defaultTrackConfig(12);
    general.ConnectionCount = 3;
    general.ConnectionPort = {0, 3, 1, 4};
    general.ConnectionFirstLane = {0, 1, 5, 9};
    general.MinLapTime = 2.5f;
    ASSERT_TRUE(saveTrackConfig(general, folder.path() / kTrackFileName));
    EXPECT_TRUE(takeGeneralConnections(state));
    EXPECT_EQ(state.Track.ConnectionCount, 3);
    EXPECT_EQ(state.Track.ConnectionPort, (std::vector<int16_t>{0, 3, 1, 4}));
    EXPECT_EQ(state.Track.ConnectionFirstLane, (std::vector<int16_t>{0, 1, 5, 9}));
    EXPECT_EQ(state.Track.LaneCount, TrackConfig{}.LaneCount);
    EXPECT_EQ(state.Track.MinLapTime, TrackConfig{}.MinLapTime);
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
