#include "heat/heat_clock.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/record_file.h"
#include "core/startup.h"
#include "core/value_file.h"
#include "heat/heat_rig.h"

namespace sc {
namespace {

namespace fs = std::filesystem;

struct RecordingHooks : test::NoStandings {
    using NoStandings::NoStandings;
    void NovaManiga() override { ++setUps; }
    void GuardarManiga() override { ++saves; }
    void OpenCorregir() override { corregirModes.push_back(mode ? *mode : 0); }
    void LlistarVoltes() override { ++listings; }
    bool CorrectLaps(int participant, int delta) override {
        corrections.push_back({participant, delta});
        return true;
    }
    void PageClassification() override { ++pages; }
    const int16_t* mode = nullptr;
    int setUps = 0, saves = 0, listings = 0, pages = 0;
    std::vector<int> corregirModes;
    std::vector<std::pair<int, int>> corrections;
};

// Four lanes, race 1 series 1, four participants.
class HeatClockTest : public ::testing::Test, public test::HeatRig<RecordingHooks> {
protected:
    HeatClockTest() : HeatRig(4) {
        state.CurrentRace = state.CurrentSeries = 1;
        state.ParticipantCount = 4;
        state.Participants = {"", "Anna", "Biel", "Carla", "Dani"};
        hooks.mode = &state.ModeCorregir;
        heat.onClose = [this](bool shift) { closes.push_back(shift); };
    }
    std::vector<std::string> recoveryLines() const {
        return readValueLines(state.inAppFolder(kRecoveryFileName)).value_or(std::vector<std::string>{});
    }
    std::vector<bool> closes;
};

// The clock across midnight: tests/scripts/heat_midnight.

TEST_F(HeatClockTest, Pause_MovesHeatStartBlinksWithoutKeepAlivesAndIsLoggedWhenItEnds) {
    state.CurrentModality = 1;
    at(1000);
    heat.HeatKeys('S');
    EXPECT_TRUE(panel.textHoraVisible);
    EXPECT_FALSE(panel.informationMenuEnabled);
    at(1005);
    heat.Manual_Click(1);  // first pass
    at(1010);
    heat.HeatKeys('p');
    EXPECT_TRUE(panel.textPausaVisible);
    EXPECT_EQ(panel.horaBackColour, kPauseColour);
    heat.Tick();
    EXPECT_FALSE(panel.textPausaVisible);
    EXPECT_EQ(panel.horaBackColour, panel.textHoraBackColour);
    heat.Tick();
    EXPECT_TRUE(panel.textPausaVisible);
    at(1040);
    heat.HeatKeys('P');
    EXPECT_DOUBLE_EQ(state.HeatStartTime, 1030);
    EXPECT_FALSE(panel.textPausaVisible);
    EXPECT_EQ(panel.horaBackColour, panel.textHoraBackColour);
    at(1050);
    heat.Manual_Click(1);
    EXPECT_EQ(view.LastLapText(1), "15.0000");  // 45 s on the clock less the 30 s pause

    const auto records = logRecords();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[2].lane, -1);
    EXPECT_FLOAT_EQ(records[2].lapTime, 30);
    EXPECT_FLOAT_EQ(records[2].passTime, 10);
    EXPECT_EQ(records[2].number, 1);
    EXPECT_FLOAT_EQ(records[3].lapTime, 15);
}

TEST_F(HeatClockTest, KeepAlive_HeatKeptAliveShowsItsClockPagesAndBlinks) {
    state.CurrentModality = static_cast<int16_t>(Modality::OfficialPractice);
    state.Settings.AutoScrollSeconds = 4;
    at(100);
    heat.StartHeat(100);
    for (double t = 100; t <= 110; t += 0.5) {
        at(t);
        if (t == static_cast<int>(t)) heat.KeepAliveHeard(t);
        heat.Tick();
    }
    EXPECT_EQ(panel.Hora, "0:00:10");
    EXPECT_EQ(hooks.pages, 2);  // at 4 s and 8 s of the heat
    heat.PauseHeat(110);
    at(110.5);
    heat.KeepAliveHeard(110.5);
    heat.Tick();
    EXPECT_TRUE(panel.textPausaVisible == false && panel.horaBackColour == panel.textHoraBackColour);
    at(111);
    heat.Tick();
    EXPECT_TRUE(panel.textPausaVisible);
    EXPECT_EQ(panel.horaBackColour, kPauseColour);
    EXPECT_EQ(panel.Hora, "0:00:10");  // a paused clock stands still
    // Silence still ends the heat 2.5 s after the last keep-alive.
    at(113.0);
    heat.Tick();
    EXPECT_NE(state.HeatRunning, 0);
    at(113.5);
    heat.Tick();
    EXPECT_EQ(state.HeatRunning, 0);
    EXPECT_FLOAT_EQ(logRecords().back().passTime, 110.5);
    EXPECT_FALSE(panel.timerEnabled);
    EXPECT_TRUE(panel.informationMenuEnabled);
}

TEST_F(HeatClockTest, KeepAlive_DeadlineJustAfterMidnightIsNotTakenAsPassed) {
    at(86390);
    heat.StartHeat(86390);
    at(86399);
    heat.KeepAliveHeard(86399);  // deadline 86401.5, that is 1.5 after midnight
    at(86399.5);
    heat.Tick();
    EXPECT_NE(state.HeatRunning, 0);
    at(1.0);
    heat.Tick();
    EXPECT_NE(state.HeatRunning, 0);
    at(2.0);
    heat.Tick();
    EXPECT_EQ(state.HeatRunning, 0);
    const auto records = logRecords();  // header and end, each counting one record
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].number, 1);
    EXPECT_EQ(records[1].number, 1);
    EXPECT_FLOAT_EQ(records[1].passTime, 86399);
    EXPECT_FLOAT_EQ(records[1].lapTime, 9);
}

TEST(ComasToAsk, AtTheEndOfAPassOnlyTheClosingHeatsAsk) {
    // AskComas 2, six participants, four lanes.
    EXPECT_EQ(ComasToAsk(4, 2, 9, 4, 6), 0);
    EXPECT_EQ(ComasToAsk(4, 2, 10, 4, 6), 1);
    EXPECT_EQ(ComasToAsk(4, 2, 11, 4, 6), 1);
    EXPECT_EQ(ComasToAsk(4, 2, 12, 4, 6), 4);
    EXPECT_EQ(ComasToAsk(4, -1, 3, 4, 6), 4);
    EXPECT_EQ(ComasToAsk(4, 0, 12, 4, 6), 0);
    EXPECT_EQ(ComasToAsk(2, -1, 3, 4, 6), 0);  // comas belong to the race alone
}

TEST_F(HeatClockTest, AskComas_EveryHeatNeverOrAtTheEndOfAPassWhereTheNextCannotStart) {
    state.CurrentModality = 4;
    state.Settings.AskComas = -1;
    heat.HeatKeys('s');
    heat.HeatKeys('s');
    EXPECT_EQ(hooks.corregirModes, std::vector<int>{-4});
    state.Settings.AskComas = 0;
    heat.HeatKeys('s');
    heat.HeatKeys('s');
    EXPECT_EQ(hooks.corregirModes.size(), 1u);
    EXPECT_EQ(hooks.saves, 2);
    EXPECT_EQ(hooks.setUps, 2);

    state.Settings.AskComas = 2;  // six participants: heat 12 closes the second pass
    state.ParticipantCount = 6;
    state.Participants = {"", "A", "B", "C", "D", "E", "F"};
    state.CurrentHeat = 11;
    heat.HeatKeys('s');
    EXPECT_EQ(state.CurrentHeat, 12);
    heat.HeatKeys('s');
    EXPECT_EQ(hooks.corregirModes, (std::vector<int>{-4, -4}));
    EXPECT_EQ(state.ModeCorregir, 0);
    EXPECT_EQ(heat.LastComasAsked(), 4);
    heat.HeatKeys('s');  // heat 13 is past the last pass
    EXPECT_EQ(state.CurrentHeat, 12);
    EXPECT_EQ(state.HeatRunning, 0);
    EXPECT_TRUE(panel.Menu[0].visible);
    EXPECT_FALSE(fs::exists(state.inAppFolder(kRecoveryFileName)));
}

TEST_F(HeatClockTest, RecoveryFile_WrittenAtStartExtendedAtResumeGoneAtEndNoneInPlainTraining) {
    state.CurrentModality = 2;
    state.CurrentRace = 3;
    state.CurrentSeries = 2;
    state.CurrentHeat = 4;
    at(40123.25);
    heat.HeatKeys('s');
    EXPECT_EQ(recoveryLines(), (std::vector<std::string>{" 3", " 2", " 2", " 5", " 40123.25"}));
    at(40130);
    heat.PauseHeat();
    at(40140.5);
    heat.ResumeHeat();
    const auto lines = recoveryLines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[5], "P 40130");  // the pause start, so a kill during the pause finds it
    EXPECT_DOUBLE_EQ(lineValue(lines[6]), 40133.75);
    heat.HeatKeys('s');
    EXPECT_FALSE(fs::exists(state.inAppFolder(kRecoveryFileName)));

    state.CurrentModality = 0;  // plain training leaves none, even after a pause
    heat.HeatKeys('s');
    heat.PauseHeat();
    heat.ResumeHeat();
    EXPECT_FALSE(fs::exists(state.inAppFolder(kRecoveryFileName)));
}

// Killed during a pause after a typed correction: the recovered heat is paused, the
// correction is back and both are kept for another kill. The resume after it and
// the restored correction on screen: tests/scripts/recovery_paused_corrected.
TEST_F(HeatClockTest, Recovery_KilledDuringAPauseAfterACorrectionComesBackAsItWas) {
    state.CurrentModality = 4;
    at(1000);
    heat.HeatKeys('s');
    at(1002);
    heat.Manual_Click(1);
    for (const int key : {int{'+'}, int{'3'}, kEnterKey}) heat.HeatKeys(key);
    at(1005);
    heat.PauseHeat();
    const auto journal = [this] {
        const auto lines = recoveryLines();
        return readHeatJournal({lines.begin() + std::min<std::size_t>(4, lines.size()), lines.end()});
    };
    const HeatJournal killed = journal();

    // The next start, as the recovery dialogue drives it.
    state.HeatRunning = 0;
    state.Paused = 0;
    state.CurrentHeat = 0;
    state.RecoveryPending = -1;
    hooks.corrections.clear();
    at(1012);
    heat.StartHeat(1012);
    heat.RestoreJournal(killed);
    state.RecoveryPending = 0;
    EXPECT_NE(state.Paused, 0);
    EXPECT_EQ(hooks.corrections, (std::vector<std::pair<int, int>>{{3, 1}}));
    const HeatJournal kept = journal();  // kept again for a second kill
    EXPECT_EQ(kept.corrections, (std::vector<TypedCorrection>{{3, 1}}));
    EXPECT_EQ(kept.pausedSince, 1005);
}

// Each failure of the safety net is told at once, and the laps go on counting.
TEST_F(HeatClockTest, SafetyFailures_ToldAtOnceWhileLapsCount) {
    state.CurrentModality = 1;
    state.AppFolder = folder / "gone";  // KEL4.TMP cannot be written there
    heat.HeatKeys('s');
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find("KEL4.TMP"), std::string::npos);
    heat.Manual_Click(1);
    log.Discard();  // the lap log's file is lost under the heat
    at(3);
    heat.Manual_Click(1);
    at(6);
    heat.Manual_Click(1);
    ASSERT_EQ(prompter.shown.size(), 2u);  // once, not at every pass
    EXPECT_NE(prompter.shown[1].text.find("VLTAVLT.TMP"), std::string::npos);
    EXPECT_EQ(view.PassCount(1), 3);
    state.Settings.Language = 1;
    heat.PauseHeat();
    ASSERT_EQ(prompter.shown.size(), 3u);
    EXPECT_NE(prompter.shown[2].text.find("No se ha podido escribir el fichero de recuperación KEL4.TMP"),
              std::string::npos);
}

TEST_F(HeatClockTest, HeatKeys_InTheWrongStateDoNothing) {
    heat.HeatKeys('p');  // no heat
    EXPECT_EQ(state.Paused, 0);
    panel.visible = false;
    heat.HeatKeys('s');  // not in heat-running mode
    EXPECT_EQ(state.HeatRunning, 0);
    panel.visible = true;

    state.CurrentModality = 2;
    heat.HeatKeys('s');
    heat.HeatKeys(kEscapeKey);  // close is not a key of a running heat
    heat.HeatKeys('l');
    heat.HeatKeys('+');  // corrections belong to the race
    EXPECT_TRUE(closes.empty());
    EXPECT_EQ(hooks.listings, 0);
    EXPECT_EQ(panel.MesMenys, "");
    heat.Manual_Click(0);  // no replay while running
    heat.HeatKeys('s');

    panel.Menu[1].enabled = false;
    heat.HeatKeys('L');
    EXPECT_EQ(hooks.listings, 0);
    heat.Manual_Click(2);  // no pass while idle
    EXPECT_EQ(view.PassCount(2), 0);
}

// Esc closes at once until a heat is stored; then a stray Esc asks, No by default.
TEST_F(HeatClockTest, EndHeat_ButtonsByModalityAndBuiltFeatureTheirKeysAndEscAskedOnceAHeatIsStored) {
    heat.HeatKeys(kEscapeKey);
    EXPECT_EQ(closes, (std::vector<bool>{false}));
    state.CurrentModality = 1;
    heat.HeatKeys('s');
    EXPECT_FALSE(panel.Menu[0].visible);
    heat.HeatKeys('s');
    EXPECT_TRUE(panel.Menu[0].visible && panel.Menu[1].enabled);
    EXPECT_FALSE(panel.Menu[2].enabled || panel.Menu[4].enabled || panel.Menu[5].enabled);

    state.CurrentModality = 4;
    state.Track.ComaDivisions = 100;
    heat.HeatKeys('s');
    heat.HeatKeys('s');
    for (const auto& button : panel.Menu) EXPECT_TRUE(button.enabled);
    heat.HeatKeys('l');
    EXPECT_EQ(hooks.listings, 1);
    heat.HeatKeys(',');
    EXPECT_EQ(hooks.corregirModes, std::vector<int>{-4});
    const std::size_t before = prompter.shown.size();
    heat.HeatKeys(kEscapeKey);
    EXPECT_EQ(closes.size(), 1u);
    ASSERT_EQ(prompter.shown.size(), before + 1);
    EXPECT_EQ(prompter.shown.back().text,
              "Vols tancar les mànigues d'aquesta sèrie i tornar a la pantalla principal?");
    EXPECT_EQ(prompter.shown.back().defaultButton, Button::No);
    prompter.answers.push_back(Button::Yes);
    heat.HeatKeys(kEscapeKey);
    heat.HeatKeys(-1);
    heat.HeatKeys(kEscapeKey);  // Shift+Esc and the button are never a stray key
    heat.Menu_Click(0);
    EXPECT_EQ(closes, (std::vector<bool>{false, false, true, false}));
    EXPECT_EQ(prompter.shown.size(), before + 2);

    panel.featureBuilt[1] = panel.featureBuilt[2] = false;  // a build without listing and printing
    heat.HeatKeys('s');
    heat.HeatKeys('s');
    for (int i : {0, 3, 4, 5}) EXPECT_TRUE(panel.Menu[i].enabled) << "button " << i;
    for (int i : {1, 2}) EXPECT_FALSE(panel.Menu[i].enabled) << "button " << i;
    heat.HeatKeys('l');
    heat.Menu_Click(2, false);
    EXPECT_EQ(hooks.listings, 1);
    heat.HeatKeys(',');
    heat.HeatKeys('c');  // the corrections window: comas of every lane, then data
    EXPECT_EQ(hooks.corregirModes, (std::vector<int>{-4, -4, 0}));
}

TEST_F(HeatClockTest, LapListing_DamagedListNeverRewindsTheHeatCounter) {
    state.CurrentModality = 4;
    heat.HeatKeys('s');
    heat.HeatKeys('s');
    ASSERT_EQ(state.CurrentHeat, 1);
    std::ofstream(folder / "CRS001.PAR", std::ios::binary) << std::string("\x01\x00\x09", 3);
    heat.HeatKeys('l');
    EXPECT_EQ(state.CurrentHeat, 1);  // the next heat is heat 2, not heat 1 over the stored ones
    EXPECT_EQ(state.Participants.at(1), "Anna");
    ASSERT_FALSE(prompter.shown.empty());
    EXPECT_NE(prompter.shown.back().text.find("CRS001.PAR"), std::string::npos);
}

TEST_F(HeatClockTest, HeatKeys_RaceLapCorrectionEntry) {
    state.CurrentModality = 4;
    heat.HeatKeys('s');
    for (int key : {'+', '1', '2'}) heat.HeatKeys(key);
    EXPECT_EQ(panel.MesMenys, "+12");
    EXPECT_TRUE(panel.mesMenysVisible);
    heat.HeatKeys(kEnterKey);
    for (int key : std::initializer_list<int>{'-', '3', kEnterKey, '-', '4', kEscapeKey, '+', kEnterKey})
        heat.HeatKeys(key);
    EXPECT_EQ(hooks.corrections, (std::vector<std::pair<int, int>>{{12, 1}, {3, -1}}));
    EXPECT_FALSE(panel.mesMenysVisible);
    EXPECT_EQ(state.HeatRunning, -1);
}

TEST_F(HeatClockTest, HeatSetUp_PlacesTheHeatByTheRule) {
    state.CurrentModality = 2;
    state.ParticipantCount = 6;
    state.Participants = {"", "A", "B", "C", "D", "E", "F"};
    state.CurrentHeat = 5;  // heat 6 runs positions 6, 1, 2, 3
    state.Track.CarriedTime[2] = 0.4;
    heat.HeatKeys('s');
    EXPECT_EQ(state.Track.LaneParticipant, (std::vector<int16_t>{0, 3, 2, 1, 6}));
    EXPECT_EQ(view.Lane(4).driver, "F");
    EXPECT_DOUBLE_EQ(state.Track.CarriedTime[2], 0);

    heat.HeatKeys('s');
    state.CurrentModality = 0;  // plain training: heat 1 on every lane
    state.CurrentHeat = 7;
    heat.HeatKeys('s');
    EXPECT_EQ(state.CurrentHeat, 1);
    for (int lane = 1; lane <= 4; ++lane) EXPECT_TRUE(view.TakesPart(lane));
}

// A series file with heat 1 (one pass) and heat 2 (three laps).
class HeatReplayTest : public HeatClockTest {
protected:
    HeatReplayTest() {
        state.CurrentModality = 4;
        state.CurrentHeat = 1;
        std::vector<LapRecord> records = {
            {0, 0, 500, 1, 0, 2, 0, 0},   {1, 1, 2, 99.9999f, 0, 1, 0, 0}, {0, 0, 510, 10, 0, 2, 0, 0},
            {0, 0, 1000, 2, 0, 4, 0, 0},  {2, 3, 3, 99.9999f, 0, 1, 0, 0}, {2, 3, 8.5f, 5.5f, -1, 2, 0, 0},
            {2, 3, 14.5f, 6, 0, 3, 0, 0}, {0, 0, 1020, 20, 0, 4, 0, 0},
        };
        writeReplayFile(records);
    }
    void writeReplayFile(const std::vector<LapRecord>& records) const {
        fs::remove(folder / "CRS001.HDW");
        for (std::size_t i = 0; i < records.size(); ++i)
            EXPECT_TRUE(writeLapRecord(folder / "CRS001.HDW", i + 1, records[i]));
    }
};

// Live: lane 2 laps 5.0, a rejected 0.4, then 5.6 from the device + 0.4 carried = 6.0.
TEST_F(HeatReplayTest, Replay_CarriedTimeOfARejectedDetectionCountsOnce) {
    writeReplayFile({{0, 0, 1000, 2, 0, 6, 0, 0},
                     {2, 3, 2, 99.9999f, 0, 1, 0, 0},
                     {2, 3, 7, 5, -1, 2, 0, 0},
                     {2, 3, 7.4f, 0.4f, 0, 0, 0, 0},
                     {2, 3, 13, 6, 0, 3, 0, 0},
                     {0, 0, 1020, 20, 0, 6, 0, 0}});
    heat.Manual_Click(0);
    EXPECT_EQ(view.PassCount(2), 3);
    EXPECT_EQ(view.LastLapText(2), "6.0000");
    const auto records = logRecords();
    ASSERT_EQ(records.size(), 6u);
    EXPECT_FLOAT_EQ(records[2].lapTime, 5);
    EXPECT_FLOAT_EQ(records[3].lapTime, 0.4f);
    EXPECT_FLOAT_EQ(records[4].lapTime, 6);
}

TEST_F(HeatReplayTest, Replay_RebuildsTheNextHeatFromTheSeriesFile) {
    at(30000);
    heat.Manual_Click(0);
    EXPECT_EQ(state.CurrentHeat, 2);
    EXPECT_EQ(state.HeatRunning, 0);
    EXPECT_EQ(view.PassCount(2), 3);
    EXPECT_EQ(view.LastLapText(2), "6.0000");
    const auto records = logRecords();
    ASSERT_EQ(records.size(), 5u);
    EXPECT_FLOAT_EQ(records[0].passTime, 1000);
    EXPECT_FLOAT_EQ(records[0].lapTime, 2);
    EXPECT_EQ(records[0].number, 4);
    EXPECT_FLOAT_EQ(records[3].passTime, 14.5f);
    EXPECT_FLOAT_EQ(records[4].passTime, 1020);
    EXPECT_FLOAT_EQ(records[4].lapTime, 20);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(HeatReplayTest, Replay_NoMatchingHeatOrFileDoesNothingATruncatedFileStopsAtItsLastWholeRecord) {
    const fs::path file = folder / "CRS001.HDW", aside = folder / "aside";
    state.CurrentHeat = 5;
    EXPECT_FALSE(heat.ReplayHeat());
    fs::rename(file, aside);
    state.CurrentHeat = 1;
    EXPECT_FALSE(heat.ReplayHeat());
    EXPECT_EQ(state.CurrentHeat, 1);
    EXPECT_FALSE(fs::exists(log.file()));

    fs::rename(aside, file);
    fs::resize_file(file, 6 * kLapRecordSize + 10);
    heat.Manual_Click(0);
    EXPECT_EQ(state.HeatRunning, 0);
    EXPECT_EQ(view.PassCount(2), 2);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find("CRS001.HDW"), std::string::npos);
    EXPECT_FLOAT_EQ(logRecords().back().passTime, 1008.5f);
}

}  // namespace
}  // namespace sc
