#include "config_windows/track_config_form.h"

#include <gtest/gtest.h>

#include "config_test_helpers.h"
#include "core/race_store.h"

namespace sc {
namespace {

using test::fileBytes;
using test::integerAt;
using test::singleAt;

std::vector<std::string> laneRow(const ConfiguracioPista& w) {
    std::vector<std::string> row;
    for (int i = 1; i <= w.laneCount(); ++i) row.push_back(w.CfgCanvi[i].text);
    return row;
}

class TrackConfigForm : public ::testing::Test {
protected:
    test::ProgramFolder folder;
    RaceState state = folder.state(4);
    QueuedPrompter prompter;
    ConfiguracioPista window{state, prompter};

    void open() {
        window.Form_Load();
        window.Form_Paint();
    }
    std::filesystem::path savedFile() const { return folder.path() / kTrackFileName; }
};

TEST_F(TrackConfigForm, LaneCount_ClampsToOneAndMaxLanes) {
    open();
    window.CfgNPistes_Change("70");
    EXPECT_EQ(window.CfgNPistes.text, "64");
    EXPECT_EQ(state.Track.LaneCount, 64);
    EXPECT_EQ(window.laneCount(), 64);
    window.CfgNPistes_Change("0");
    EXPECT_EQ(window.CfgNPistes.text, "1");
    EXPECT_EQ(state.Track.LaneCount, 1);
    EXPECT_EQ(window.CfgPstVel.text, "1");
    EXPECT_EQ(window.CfgPstPar.text, "0");
}

TEST_F(TrackConfigForm, LaneCount_ChangeRecreatesTheRowNumberedByLane) {
    state.Track.LaneChange = {0, 2, 1, 4, 3};
    open();
    EXPECT_EQ(laneRow(window), (std::vector<std::string>{"2", "1", "4", "3"}));  // opening keeps the values
    window.CfgNPistes_Change("6");
    EXPECT_EQ(laneRow(window), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(state.Track.LaneChange[0], 6);
    EXPECT_EQ(state.Track.LaneParticipant.size(), 7u);
    EXPECT_EQ(window.CfgPstVel.text, "6");
    EXPECT_EQ(window.CfgPstPar.text, "5");
}

TEST_F(TrackConfigForm, LaneCount_UnchangedKeepsTheRow) {
    state.Track.LaneChange = {0, 2, 1, 4, 3};
    open();
    window.CfgNPistes_Change("4");
    EXPECT_EQ(laneRow(window), (std::vector<std::string>{"2", "1", "4", "3"}));
}

TEST_F(TrackConfigForm, LaneChange_TypingAValueHeldElsewhereSwaps) {
    open();
    window.CfgCanvi_Change(3, "1");
    EXPECT_EQ(laneRow(window), (std::vector<std::string>{"3", "2", "1", "4"}));
    EXPECT_EQ(state.Track.LaneChange, (std::vector<int16_t>{4, 3, 2, 1, 4}));
}

TEST_F(TrackConfigForm, LaneChange_OutOfRangeIsClampedBeforeTheSwap) {
    open();
    window.CfgCanvi_Change(2, "0");  // becomes 1, held by box 1
    EXPECT_EQ(laneRow(window), (std::vector<std::string>{"2", "1", "3", "4"}));
    window.CfgCanvi_Change(4, "99");  // becomes 64, held by no box
    EXPECT_EQ(laneRow(window), (std::vector<std::string>{"2", "1", "3", "64"}));
    EXPECT_EQ(state.Track.LaneChange[0], 64);
    EXPECT_EQ(state.Track.LaneParticipant.size(), 65u);
}

TEST_F(TrackConfigForm, MinLapTime_ClampsAndShowsTwoDecimals) {
    open();
    window.CfgMinim_Change("2,345");
    EXPECT_EQ(window.CfgMinim.text, "2.35");
    EXPECT_FLOAT_EQ(state.Track.MinLapTime, 2.35f);
    window.CfgMinim_Change("-3");
    EXPECT_EQ(window.CfgMinim.text, "00.00");
    EXPECT_FLOAT_EQ(state.Track.MinLapTime, 0.0f);
    window.CfgMinim_Change("120");
    EXPECT_EQ(window.CfgMinim.text, "99.99");
    EXPECT_FLOAT_EQ(state.Track.MinLapTime, 99.99f);
}

TEST_F(TrackConfigForm, ComaFields_ClampToTheirRanges) {
    open();
    window.CfgParcial_Change("12345");
    EXPECT_EQ(window.CfgParcial.text, "9999");
    window.CfgParcial_Change("25.9");
    EXPECT_EQ(window.CfgParcial.text, "25");
    window.CfgQuants_Change("1");
    EXPECT_EQ(window.CfgQuants.text, "2");
    window.CfgQuants_Change("500");
    EXPECT_EQ(state.Track.PartialCount, 100);
    window.CfgCada_Change("0");
    EXPECT_EQ(window.CfgCada.text, "1");
    window.CfgCada_Change("1000");
    EXPECT_EQ(state.Track.PartialStep, 999);
}

TEST_F(TrackConfigForm, ComaOption_EnablesItsFieldsAndShowsUsableValues) {
    open();
    EXPECT_TRUE(window.CfgParcial.enabled);
    EXPECT_FALSE(window.CfgQuants.enabled);
    window.OpComes_Click(1);
    EXPECT_FALSE(window.CfgParcial.enabled);
    EXPECT_TRUE(window.CfgQuants.enabled);
    EXPECT_TRUE(window.CfgCada.enabled);
    EXPECT_EQ(window.CfgQuants.text, "2");  // the stored 0 is not a partial count
    EXPECT_EQ(window.CfgCada.text, "1");
}

TEST_F(TrackConfigForm, Connections_SplitTheLanesEvenly) {
    state.Track.LaneCount = 16;
    state.Track.LaneChange.clear();
    resizeTrackWorkingArrays(state.Track);
    open();
    window.CfgNCircuits_Click(1);
    EXPECT_EQ(window.PrimeraPista[1].text, "1");
    EXPECT_EQ(window.PrimeraPista[2].text, "9");
    window.CfgNCircuits_Click(2);
    EXPECT_EQ(window.PrimeraPista[1].text, "1");
    EXPECT_EQ(window.PrimeraPista[2].text, "6");
    EXPECT_EQ(window.PrimeraPista[3].text, "12");
    EXPECT_TRUE(window.Circuit[3]);
    EXPECT_FALSE(window.Circuit[4]);
    EXPECT_EQ(window.PortNum[3].index, 2);
    EXPECT_EQ(state.Track.ConnectionCount, 3);
    ASSERT_EQ(state.Track.ConnectionPort.size(), 4u);
    EXPECT_EQ(state.Track.ConnectionPort[3], 3);
    EXPECT_EQ(state.Track.ConnectionFirstLane[3], 12);
    EXPECT_EQ(state.Track.ConnectionOpen.size(), 4u);
}

TEST_F(TrackConfigForm, PortChoice_SwapsWithTheConnectionThatHadThePort) {
    open();
    ASSERT_EQ(window.PortNum[1].index, 0);
    ASSERT_EQ(window.PortNum[2].index, 1);
    window.PortNum_Click(1, 1);  // COM2 for connection 1
    EXPECT_EQ(window.PortNum[1].index, 1);
    EXPECT_EQ(window.PortNum[2].index, 0);
    window.PortNum_Click(2, 3);  // COM4, free
    EXPECT_EQ(window.PortNum[2].index, 3);
    EXPECT_EQ(window.PortNum[1].index, 1);
}

TEST_F(TrackConfigForm, FirstLanes_KeepIncreasing) {
    state.Track.LaneCount = 16;
    state.Track.LaneChange.clear();
    resizeTrackWorkingArrays(state.Track);
    open();
    window.CfgNCircuits_Click(2);  // 1, 6, 12
    window.PrimeraPista_Change(3, "6");
    EXPECT_EQ(window.PrimeraPista[3].text, "7");
    window.PrimeraPista_Change(2, "12");
    EXPECT_EQ(window.PrimeraPista[2].text, "12");
    EXPECT_EQ(window.PrimeraPista[3].text, "13");
    window.PrimeraPista_Change(1, "-4.7");
    EXPECT_EQ(window.PrimeraPista[1].text, "4");
    window.PrimeraPista_Change(1, "20");
    EXPECT_EQ(window.PrimeraPista[2].text, "21");
    EXPECT_EQ(window.PrimeraPista[3].text, "22");
}

TEST_F(TrackConfigForm, SectorFields_FollowTheirRules) {
    open();
    window.CfgPstPar_Change("9");
    EXPECT_EQ(window.CfgPstPar.text, "4");
    window.CfgPstVel_Change("0");
    EXPECT_EQ(window.CfgPstVel.text, "1");
    window.CfgDstVel_Change("0");
    EXPECT_EQ(window.CfgDstVel.text, "40");
    window.CfgDstVel_Change("0.5");  // a distance under 1 cm would divide by zero
    EXPECT_EQ(window.CfgDstVel.text, "40");
    window.CfgDstVel_Change("-55");
    EXPECT_EQ(window.CfgDstVel.text, "55");
    EXPECT_FALSE(window.CfgPstPar.enabled);
    window.Split_Click(1);
    EXPECT_TRUE(window.CfgPstPar.enabled);
    EXPECT_TRUE(window.CfgDstVel.enabled);
}

TEST_F(TrackConfigForm, Shift_RevealsTheSectorControlsOnlyWhileOpening) {
    window.Form_Load();
    EXPECT_FALSE(window.Split.visible);
    window.Shift_KeyDown();
    EXPECT_TRUE(window.Split.visible);

    ConfiguracioPista later(state, prompter);
    later.Form_Load();
    later.Form_Paint();
    later.Shift_KeyDown();
    EXPECT_FALSE(later.Split.visible);
}

TEST_F(TrackConfigForm, PortSearch_DisabledWithoutAProbe) {
    open();
    EXPECT_FALSE(window.TestComEnabled);
    window.TestCom_Click();
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(TrackConfigForm, PortSearch_ListsThePortsThatOpen) {
    open();
    window.setPortProbe([](int port) { return port == 1 || port == 3; });
    EXPECT_TRUE(window.TestComEnabled);
    window.TestCom_Click();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Ports trobats:  COM1, COM3");
    EXPECT_EQ(prompter.shown[0].title, "Buscar ports COM");
    window.setPortProbe([](int) { return false; });
    window.TestCom_Click();
    EXPECT_EQ(prompter.shown[1].text, "No s'ha trobat cap port COM.");
}

TEST_F(TrackConfigForm, Save_ByPartialsConfirmsTheLargestPartial) {
    open();
    window.OpComes_Click(1);
    window.CfgQuants_Change("11");
    window.CfgCada_Change("10");
    prompter.answers = {Button::No};
    window.Sortir_Click(ConfiguracioPista::kAcceptButton);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "El parcial més gran és: 100");
    EXPECT_FALSE(window.Closed);
    EXPECT_FALSE(std::filesystem::exists(savedFile()));

    prompter.answers = {Button::Yes};
    window.Sortir_Click(ConfiguracioPista::kAcceptButton);
    EXPECT_TRUE(window.Saved);
    EXPECT_TRUE(window.Closed);
    const Bytes data = fileBytes(savedFile());
    ASSERT_EQ(data.size(), 313u);
    EXPECT_EQ(integerAt(data, 4), 100);
    EXPECT_EQ(integerAt(data, 309), 11);
    EXPECT_EQ(integerAt(data, 311), 10);
    EXPECT_EQ(state.Track.ComaDivisions, 100);
    EXPECT_EQ(state.Track.ComaFormat, "0.000");
}

TEST_F(TrackConfigForm, Save_RefusesALargestPartialBeyondSixteenBits) {
    open();
    window.OpComes_Click(1);
    window.CfgQuants_Change("100");
    window.CfgCada_Change("999");
    window.Gravar_Click();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].buttons, std::vector<Button>{Button::Ok});
    EXPECT_FALSE(window.Closed);
    EXPECT_FALSE(std::filesystem::exists(savedFile()));
}

TEST_F(TrackConfigForm, Save_WritesEveryFieldAtItsOffset) {
    open();
    window.CfgMinim_Change("3.5");
    window.CfgParcial_Change("100");
    window.CfgCanvi_Change(1, "2");  // 2, 1, 3, 4
    window.CfgNCircuits_Click(1);    // ports 1, 2, first lanes 1, 3
    window.PortNum_Click(2, 3);      // COM4
    window.Shift_KeyDown();
    window.Split_Click(1);
    window.CfgNParcials_Change("5");
    window.CfgPstPar_Change("3");
    window.CfgPstVel_Change("4");
    window.CfgDstVel_Change("52");
    window.Gravar_Click();
    ASSERT_TRUE(window.Saved);

    const Bytes data = fileBytes(savedFile());
    ASSERT_EQ(data.size(), 309u);  // no partials
    EXPECT_FLOAT_EQ(singleAt(data, 0), 3.5f);
    EXPECT_EQ(integerAt(data, 4), 100);
    EXPECT_EQ(integerAt(data, 9), 2);
    EXPECT_EQ(integerAt(data, 11), 1);
    EXPECT_EQ(integerAt(data, 13), 1);
    EXPECT_EQ(integerAt(data, 15), 4);
    EXPECT_EQ(integerAt(data, 17), 3);
    EXPECT_EQ(integerAt(data, 29), 4);
    EXPECT_EQ(integerAt(data, 31), 2);
    EXPECT_EQ(integerAt(data, 33), 1);
    EXPECT_EQ(integerAt(data, 299), -1);
    EXPECT_EQ(integerAt(data, 301), 5);  // as entered
    EXPECT_EQ(integerAt(data, 303), 3);
    EXPECT_EQ(integerAt(data, 305), 4);
    EXPECT_EQ(integerAt(data, 307), 52);
    EXPECT_EQ(state.Track.SectorCount, 3);  // as every load gives it
    EXPECT_EQ(state.Track.ConnectionPort[2], 4);
    EXPECT_EQ(state.Track.PartialCount, 0);

    const TrackConfig reloaded = loadTrackConfig(savedFile());
    EXPECT_EQ(reloaded.LaneChange, state.Track.LaneChange);
    EXPECT_EQ(reloaded.SpeedTrapDistance, 52);
}

TEST_F(TrackConfigForm, Save_WithoutSectorsStopsAtTheLaneRow) {
    open();
    window.Gravar_Click();
    const Bytes data = fileBytes(savedFile());
    EXPECT_EQ(data.size(), 39u);  // 31 + 4 lanes x 2
    EXPECT_EQ(state.Track.SplitEnabled, 0);
    EXPECT_TRUE(prompter.shown.empty());  // no confirmation for "Més gran"
}

TEST_F(TrackConfigForm, LeavingWithoutAcceptWritesNothing) {
    open();
    window.CfgMinim_Change("5");
    window.Sortir_Click(0);
    EXPECT_TRUE(window.Closed);
    EXPECT_FALSE(window.Saved);
    EXPECT_FALSE(std::filesystem::exists(savedFile()));
}

TEST_F(TrackConfigForm, Save_ThatCannotWriteKeepsTheWindowOpen) {
    state.WorkingFolder = folder.path() / "gone" / "PROVA009";
    open();
    window.Gravar_Click();
    EXPECT_FALSE(window.Closed);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text,
              "No s'ha pogut gravar PROVA009\\PISTA.CFG: l'arxiu o la carpeta no existeix");
}

// A race folder whose series lists carry the given heat counters.
class RaceCopy : public TrackConfigForm {
protected:
    std::filesystem::path race = folder.path() / "PROVA001";

    void SetUp() override {
        std::filesystem::create_directories(race);
        RaceHeader header;
        header.SeriesCount = {0, 1, 0, 2};
        header.name = "Copa d'estiu";
        header.date = "01/07/2024";
        ASSERT_TRUE(writeRaceHeader(race / kRaceHeaderFileName, header));
        state.SeriesCount = {1, 0, 1, 0, 2};
        state.CurrentModality = 4;
        state.WorkingFolder = race;
    }
    void series(const std::string& base, int16_t heats) {
        ASSERT_TRUE(writeParticipantList(race / (base + ".PAR"), ParticipantList{heats, {"Anna", "Pere"}}));
    }
};

TEST_F(RaceCopy, HeatsRunLockTheLanesUntilTheWarningIsClicked) {
    series("OFC001", 0);
    series("CRS001", 0);
    series("CRS002", 3);
    open();
    EXPECT_EQ(window.Caption, "Configuració circuit/prova: Copa d'estiu");
    EXPECT_TRUE(window.MarcAvis);
    EXPECT_FALSE(window.CfgNPistes.enabled);
    EXPECT_FALSE(window.CfgCanvi[1].enabled);
    EXPECT_EQ(state.CurrentModality, 0);

    window.Avis_Click();
    EXPECT_FALSE(window.MarcAvis);
    EXPECT_TRUE(window.CfgCanvi[4].enabled);
    EXPECT_FALSE(window.CfgNPistes.enabled);
}

TEST_F(RaceCopy, OfficialPracticeHeatsLockToo) {
    series("OFC001", 1);
    open();
    EXPECT_TRUE(window.MarcAvis);
}

TEST_F(RaceCopy, NoHeatsRunLeavesEverythingFree) {
    series("CRS001", 0);
    open();
    EXPECT_FALSE(window.MarcAvis);
    EXPECT_TRUE(window.CfgNPistes.enabled);
    EXPECT_TRUE(window.CfgCanvi[1].enabled);
}

TEST_F(RaceCopy, SavesIntoTheRaceFolderAndReturnsToTheProgramFolder) {
    open();
    window.Gravar_Click();
    EXPECT_TRUE(std::filesystem::exists(race / kTrackFileName));
    EXPECT_FALSE(std::filesystem::exists(savedFile()));
    window.Form_Unload();
    EXPECT_EQ(state.WorkingFolder, state.AppFolder);
}

TEST_F(TrackConfigForm, GeneralConfigurationHasNoRaceNameAndNoLock) {
    open();
    EXPECT_EQ(window.Caption, "Configuració circuit/general");
    EXPECT_FALSE(window.RaceCopy);
    EXPECT_EQ(window.RangPistes, "1 - 64");
}

TEST_F(TrackConfigForm, SpanishListsAndMessages) {
    state.Settings.Language = 1;
    open();
    EXPECT_EQ(window.OpComes.items, (std::vector<std::string>{"Mayor", "Por parciales"}));
    window.OpComes_Click(1);
    window.CfgQuants_Change("11");
    window.CfgCada_Change("10");
    prompter.answers = {Button::No};
    window.Gravar_Click();
    EXPECT_EQ(prompter.shown[0].text, "El parcial mayor es: 100");
}

}  // namespace
}  // namespace sc
