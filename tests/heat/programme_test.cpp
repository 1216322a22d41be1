#include "heat/programme.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/lap_log.h"
#include "core/prompter.h"
#include "core/race_state.h"
#include "core/race_store.h"
#include "core/settable_clock.h"
#include "core/settings_files.h"
#include "core/startup.h"
#include "heat/lap_registration.h"
#include "standings/voltaavolta.h"
#include "temp_folder.h"

namespace sc {
namespace {

namespace fs = std::filesystem;

struct FakeHost : ProgrammeHost {
    int SelectedSeries(int modality) const override { return selected[modality]; }
    int SeriesInList(int modality) const override { return count[modality]; }
    void SelectSeries(int modality, int position) override { selected[modality] = position; }
    std::string SelectedRaceName() const override { return "  Copa Vallès  "; }
    void LoadClassification() override { ++classificationLoads; }
    void UnloadClassification() override { ++classificationUnloads; }
    void MarkClassificationCut(int directPlaces) override { cuts.push_back(directPlaces); }
    int selected[5] = {-1, 0, 0, 0, 0};
    int count[5] = {1, 1, 1, 1, 1};
    int classificationLoads = 0, classificationUnloads = 0;
    std::vector<int> cuts;
};

// A program folder with race 1 on eight lanes and 24 participants in every series.
class ProgrammeTest : public ::testing::Test {
protected:
    ProgrammeTest() : programme(state, clock, prompter, host, hooks, sink) {
        race = app / "PROVA001";
        fs::create_directories(race);
        state.AppFolder = state.WorkingFolder = app;
        state.CurrentRace = 1;
        TrackConfig eight = defaultTrackConfig(8);
        EXPECT_TRUE(saveTrackConfig(defaultTrackConfig(4), app / kTrackFileName));
        EXPECT_TRUE(saveTrackConfig(eight, race / kTrackFileName));
        ParticipantList list;
        for (int i = 1; i <= 24; ++i) list.names.push_back("P" + std::to_string(i));
        for (const char* base : {"LLR001", "OFC001", "SPP001", "CRS001", "CRS002", "CRS003"})
            EXPECT_TRUE(writeParticipantList(race / (std::string(base) + ".PAR"), list));
    }

    void distribution(const std::string& text) { std::ofstream(app / "DISTRIBUCIONS08.TXT") << text; }

    test::TempFolder temp;
    fs::path app = temp.path(), race;
    RaceState state;
    SettableClock clock{1000};
    QueuedPrompter prompter;
    FakeHost host;
    StandingsHooks hooks;
    StandingsSink sink;
    Programme programme;
};

TEST_F(ProgrammeTest, Open_ReportsTheDistributionsRepechagesNoteOrMalformedLine) {
    distribution("24,12\n");
    host.count[2] = 2;
    ASSERT_TRUE(programme.MnuPrg_Click(2));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Hi ha 4 repesques programades.");  // the report's rules: organisation/
    EXPECT_TRUE(host.cuts.empty());
    EXPECT_EQ(programme.ui.title, "SlotCursa - Copa Vallès - Entrenaments oficials (Sèrie: 1) <");
    programme.Close(false);

    distribution("24,-16,\"Dues semifinals directes\"\n");  // a note record warns of the reorganisation
    ASSERT_TRUE(programme.MnuPrg_Click(4));
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[1].text, "No hi ha repesques programades.\rDues semifinals directes");
    EXPECT_EQ(host.cuts, std::vector<int>{16});
    programme.Close(false);

    distribution("16,8\n20,deu\n24,12\n");
    ASSERT_TRUE(programme.MnuPrg_Click(2));
    ASSERT_EQ(prompter.shown.size(), 3u);
    EXPECT_NE(prompter.shown[2].text.find("DISTRIBUCIONS08.TXT"), std::string::npos);
    EXPECT_NE(prompter.shown[2].text.find("línia 2 (\"deu\")"), std::string::npos);
    programme.Close(false);
    ASSERT_TRUE(programme.MnuPrg_Click(1));  // free practice reports nothing
    EXPECT_EQ(prompter.shown.size(), 3u);
}

TEST_F(ProgrammeTest, Open_PutsTheMainWindowInHeatRunningMode) {
    state.CurrentBase = "OFC007";
    ASSERT_TRUE(programme.MnuPrg_Click(1));
    EXPECT_EQ(state.CurrentBase, "OFC007");  // free practice keeps it
    EXPECT_EQ(host.classificationLoads, 0);
    EXPECT_EQ(state.WorkingFolder, race);
    EXPECT_EQ(state.Track.LaneCount, 8);
    EXPECT_EQ(state.ParticipantCount, 24);
    EXPECT_TRUE(programme.ui.panel.visible);
    EXPECT_FALSE(programme.ui.FonsDePantallaVisible);
    EXPECT_FALSE(programme.ui.MnuArxiu || programme.ui.MnuProgrames || programme.ui.MnuDades);
    EXPECT_TRUE(programme.ui.panel.Menu[0].enabled);
    for (int i = 1; i < kHeatMenuButtons; ++i) EXPECT_FALSE(programme.ui.panel.Menu[i].enabled);
    EXPECT_EQ(programme.ui.panel.Menu[1].caption, "(L)listar voltes");
    EXPECT_EQ(programme.ui.panel.timerInterval, 500);
    ASSERT_NE(programme.View(), nullptr);
    EXPECT_EQ(programme.View()->LaneCount(), 8);
    EXPECT_EQ(programme.ui.title, "SlotCursa - Copa Vallès - Entrenaments lliures");
    programme.Close(false);
    ASSERT_TRUE(programme.MnuPrg_Click(3));  // SuperPole runs the timer every 50 ms
    EXPECT_EQ(programme.ui.panel.timerInterval, 50);
    EXPECT_EQ(state.CurrentBase, "SPP001");
    EXPECT_EQ(host.classificationLoads, 1);
}

TEST_F(ProgrammeTest, Close_ReturnsToSelectionModeAndDropsTheLapLog) {
    ASSERT_TRUE(programme.MnuPrg_Click(4));
    programme.Clock()->HeatKeys('s');
    EXPECT_TRUE(fs::exists(race / kLapLogName));
    programme.Clock()->HeatKeys('s');
    prompter.answers.push_back(Button::Yes);  // a heat is stored: Esc asks first
    programme.Clock()->HeatKeys(kEscapeKey);
    EXPECT_FALSE(programme.ui.heatMode);
    EXPECT_FALSE(fs::exists(race / kLapLogName));
    EXPECT_EQ(programme.Clock(), nullptr);
    EXPECT_EQ(programme.ui.title, "SlotCursa");
    EXPECT_EQ(state.WorkingFolder, app);
    EXPECT_EQ(state.CurrentModality, 0);
    EXPECT_EQ(host.classificationUnloads, 1);
    EXPECT_TRUE(programme.ui.MnuDades && programme.ui.MnuResultats && programme.ui.FonsDePantallaVisible);
}

TEST_F(ProgrammeTest, ShiftClose_OpensTheNextSeriesUntilTheLast) {
    host.count[4] = 3;
    host.selected[4] = 1;
    ASSERT_TRUE(programme.MnuPrg_Click(4));
    programme.Clock()->HeatKeys(-1);
    programme.Clock()->HeatKeys(kEscapeKey);
    EXPECT_TRUE(programme.ui.heatMode);
    EXPECT_EQ(state.CurrentSeries, 3);
    EXPECT_EQ(state.CurrentBase, "CRS003");
    programme.Clock()->HeatKeys(-1);
    programme.Clock()->HeatKeys(kEscapeKey);
    EXPECT_FALSE(programme.ui.heatMode);
    EXPECT_EQ(state.CurrentModality, 0);
}

TEST_F(ProgrammeTest, DamagedParticipantFile_IsToldAndNothingOpens) {
    std::ofstream(race / "CRS001.PAR", std::ios::binary) << "\x05";
    EXPECT_FALSE(programme.MnuPrg_Click(4));
    ASSERT_EQ(prompter.shown.size(), 1u);
    // The advice is about the series list, not about a settings file.
    EXPECT_NE(prompter.shown[0].text.find("llista de participants de la sèrie"), std::string::npos);
    EXPECT_EQ(prompter.shown[0].text.find("configuració"), std::string::npos);
    EXPECT_FALSE(programme.ui.heatMode);
    EXPECT_EQ(state.WorkingFolder, app);
    EXPECT_EQ(state.CurrentModality, 0);
}

TEST_F(ProgrammeTest, Autorun_OpensPlainTrainingInTheProgramFolder) {
    EXPECT_FALSE(OpenPlainTrainingOnAutorun(state, programme));
    std::ofstream(app / kAutorunFileName) << "";
    ASSERT_TRUE(OpenPlainTrainingOnAutorun(state, programme));
    EXPECT_EQ(state.WorkingFolder, app);
    EXPECT_EQ(state.Track.LaneCount, 4);
    EXPECT_EQ(programme.ui.title, "SlotCursa - Entrenaments");
    programme.Clock()->HeatKeys('s');
    EXPECT_TRUE(fs::exists(app / kLapLogName));
    EXPECT_FALSE(fs::exists(app / kRecoveryFileName));
}

}  // namespace
}  // namespace sc
