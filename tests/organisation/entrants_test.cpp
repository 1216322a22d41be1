#include "organisation/entrants.h"

#include <gtest/gtest.h>

#include <limits>

#include "app/app_test_helpers.h"
#include "app/portada.h"
#include "app/portada_commands.h"
#include "core/file_error.h"
#include "core/file_io.h"
#include "core/heat_record.h"
#include "core/penalty_file.h"
#include "core/settings_files.h"

namespace sc {
namespace {

namespace fs = std::filesystem;

// ---------------------------------------------------------------- rules

TEST(SlotLimits, MinimumFollowsLanesHeatsAndSuperPole) {
    EXPECT_EQ(minimumSlots(8, 0, false), 8);
    EXPECT_EQ(minimumSlots(8, 1, false), 8) << "one heat does not raise the minimum";
    EXPECT_EQ(minimumSlots(8, 2, false), 9);
    EXPECT_EQ(minimumSlots(8, 4, false), 11);
    EXPECT_EQ(minimumSlots(8, 4, true), 8) << "SuperPole never below the lanes";
    EXPECT_EQ(minimumSlots(8, 20, true), 20);
}

TEST(SlotLimits, TypedCountIsClampedSilently) {
    EXPECT_EQ(clampSlotCount("150", 8), 99);
    EXPECT_EQ(clampSlotCount("3", 8), 8);
    EXPECT_EQ(clampSlotCount("12", 8), 12);
    EXPECT_EQ(clampSlotCount("", 8), 8);
    EXPECT_EQ(clampSlotCount("-5", 8), 8);
    EXPECT_EQ(clampSlotCount("100000000000000000000000", 8), 99);
}

std::vector<std::string> swapped(std::vector<std::string> slots, std::vector<double> draws) {
    std::size_t next = 0;
    swapPass(slots, [&] { return draws[next++]; });
    return slots;
}

TEST(SwapPass, ExchangesEachSlotWithTheDrawnOneAndOutOfRangeDrawsStayInside) {
    // i=1 j=3: C B A D; i=2 j=1: B C A D; i=3 j=4: B C D A; i=4 j=2: B A D C
    EXPECT_EQ(swapped({"", "A", "B", "C", "D"}, {0.5, 0.0, 0.99, 0.25}),
              (std::vector<std::string>{"", "B", "A", "D", "C"}));
    const auto out = swapped({"", "A", "B", "C"}, {1.0, -0.5, std::numeric_limits<double>::quiet_NaN()});
    EXPECT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0], "");
}

// ---------------------------------------------------------------- heat and penalty files

HeatRecord row(int participant, float laps) {
    return {.participant = static_cast<int16_t>(participant),
            .totalLaps = laps,
            .lane = static_cast<int16_t>(participant)};
}

// The records of a heat file in order, heat headers included.
Bytes heatFile(const std::vector<HeatRecord>& records) {
    Bytes out;
    for (const HeatRecord& r : records) {
        const Bytes b = encodeHeatRecord(r);
        out.insert(out.end(), b.begin(), b.end());
    }
    return out;
}

// Fewer slots are tested through the window below (RenumberingTest).
TEST(RenumberHeatFile, MoreSlotsAddEmptyRecordsForTheNewPositions) {
    const Bytes before = heatFile({HeatRecord::header(1, 10.f, 2), row(2, 3), row(1, 2)});
    EXPECT_EQ(renumberHeatFile(before, 2, 3),
              heatFile({HeatRecord::header(1, 10.f, 3), row(2, 3), row(1, 2), {.participant = 3}}));
}

TEST(RenumberHeatFile, DamagedFileIsReportedNotGuessed) {
    Bytes data = heatFile({HeatRecord::header(1, 10.f, 5), row(1, 1)});
    EXPECT_THROW(renumberHeatFile(data, 5, 4), FileError);
    data.pop_back();
    EXPECT_THROW(renumberHeatFile(data, 5, 4), FileError);
}

TEST(RenumberPenaltyFile, KeepsTheRemainingEntriesByteForByte) {
    const Bytes entry1{0x01, 0x00, 0x00, 0x00, 0x80, 0x3F, 0x02, 0x00, 'a', 0x81};
    const Bytes entry4{0x04, 0x00, 0x00, 0x00, 0x00, 0x3F, 0x00, 0x00};
    Bytes data = entry1;
    data.insert(data.end(), entry4.begin(), entry4.end());
    EXPECT_EQ(renumberPenaltyFile(data, 3), entry1);
    EXPECT_EQ(renumberPenaltyFile(data, 4), data);
    data.pop_back();
    EXPECT_THROW(renumberPenaltyFile(data, 3), FileError);
}

// ---------------------------------------------------------------- the window

class EntrantsTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.AppFolder = folder.path();
        state.WorkingFolder = folder.path();
        test::addRace(app(), "Cursa", "01-01-2026", {1, 1, 1, 1});
        setLanes(8);
    }

    void setLanes(int lanes) {
        const TrackConfig track = defaultTrackConfig(static_cast<int16_t>(lanes));
        ASSERT_TRUE(saveTrackConfig(track, app() / kTrackFileName));
        ASSERT_TRUE(saveTrackConfig(track, raceFolder() / kTrackFileName));
    }

    const fs::path& app() const { return folder.path(); }
    fs::path raceFolder() const { return app() / "PROVA001"; }
    static std::vector<std::string> names(int n, const std::string& stem = "Pilot") {
        std::vector<std::string> out;
        for (int i = 1; i <= n; ++i) out.push_back(stem + std::to_string(i));
        return out;
    }

    // The window as the main window opens it for modality m, series 1 of race 1.
    void open(int m) {
        state.CurrentRace = 1;
        state.CurrentModality = static_cast<int16_t>(m);
        state.CurrentSeries = 1;
        state.WorkingFolder = raceFolder();
        window.Load();
    }

    void typeCount(const std::string& count) {
        window.NPilots = count;
        window.NPilots_Lostfocus();
    }

    test::TempFolder folder;
    RaceState state;
    QueuedPrompter prompter;
    Inscrits window{state, prompter};
};

TEST_F(EntrantsTest, Load_CountLimitsAfterFourHeatsWithEightLanesAndAShortListFrozen) {
    ASSERT_TRUE(writeParticipantList(raceFolder() / "CRS001.PAR", {4, names(12)}));
    open(4);
    EXPECT_EQ(window.Text2, "11 - 99");
    EXPECT_TRUE(window.NPilotsEnabled);
    EXPECT_EQ(window.NPilots, "12");
    typeCount("3");
    EXPECT_EQ(window.NPilots, "11");
    EXPECT_EQ(window.slotCount(), 11);
    typeCount("150");
    EXPECT_EQ(window.slotCount(), 99);
    EXPECT_EQ(window.NomPista[11], "Pilot11") << "names of the remaining slots are kept";
    EXPECT_EQ(window.NomPista[12], "");

    // Fewer names than the minimum: the count is frozen.
    ASSERT_TRUE(writeParticipantList(raceFolder() / "CRS001.PAR", {4, names(9)}));
    open(4);
    EXPECT_FALSE(window.NPilotsEnabled);
    EXPECT_FALSE(window.Text1Enabled);
    EXPECT_EQ(window.Text2, "9");
    typeCount("8");
    EXPECT_EQ(window.slotCount(), 9);
}

TEST_F(EntrantsTest, Slots_PaddedToTheLanesShowOrderAndStartLane) {
    open(2);
    EXPECT_EQ(window.slotCount(), 8) << "a missing list is padded to the lanes";
    EXPECT_EQ(window.NOrdre(3), "3");
    EXPECT_EQ(window.NOrdre(12), "12");
    EXPECT_EQ(window.TextPista(1), "8");
    EXPECT_EQ(window.TextPista(8), "1");
    typeCount("10");
    EXPECT_EQ(window.TextPista(10), "1");
    open(3);
    EXPECT_EQ(window.TextPista(5), "5");
}

TEST_F(EntrantsTest, PickList_ShiftDoubleClickPutsTheRaceNumberAndWraps) {
    ASSERT_TRUE(writeParticipantList(raceFolder() / kEntrantsFileName, {0, names(12, "Entrant")}));
    ASSERT_TRUE(writeParticipantList(app() / kEntrantsFileName, {0, names(3, "Roster")}));
    open(4);
    EXPECT_TRUE(window.pickListFromEntrants);
    EXPECT_EQ(window.LlistaInscrits.TextMatrix(0, 0), "Dorsal");
    EXPECT_EQ(window.LlistaInscrits.TextMatrix(0, 1), "Inscrit");
    EXPECT_EQ(window.LlistaInscrits.ColAlignment(0), Alignment::Centre);
    EXPECT_EQ(window.Text0Count, "(12)");

    window.currentSlot = 8;
    window.LlistaInscrits_Shift(true);
    window.LlistaInscrits_DblClick(12);
    EXPECT_EQ(window.NomPista[8], "#12 Entrant12");
    EXPECT_EQ(window.currentSlot, 1);
    window.LlistaInscrits_Shift(false);
    window.LlistaInscrits_DblClick(5);
    EXPECT_EQ(window.NomPista[1], "Entrant5");
    EXPECT_EQ(window.currentSlot, 2);
    window.LlistaInscrits_DblClick(0);  // the header row
    EXPECT_EQ(window.currentSlot, 2);
}

TEST_F(EntrantsTest, PickList_RosterWhenTheRaceHasNoEntrantsAndShiftIgnoredForEntrants) {
    ASSERT_TRUE(writeParticipantList(app() / kEntrantsFileName, {0, {"Zoe", "anna", "Biel"}}));
    open(0);
    EXPECT_FALSE(window.pickListFromEntrants);
    EXPECT_EQ(window.LlistaInscrits.TextMatrix(0, 0), "N.");
    EXPECT_EQ(window.LlistaInscrits.TextMatrix(0, 1), "Participant");
    window.Ordre_Click(1);
    EXPECT_EQ(window.LlistaInscrits.TextMatrix(1, 1), "anna");
    EXPECT_EQ(window.LlistaInscrits.TextMatrix(3, 1), "Zoe");
    window.Ordre_Click(0);
    EXPECT_EQ(window.LlistaInscrits.TextMatrix(1, 1), "Zoe");
    window.LlistaInscrits_Shift(true);
    window.LlistaInscrits_DblClick(1);
    EXPECT_EQ(window.NomPista[1], "Zoe") << "race entrants carry no race number";
}

TEST_F(EntrantsTest, PickListWithoutSourceShowsOnlyTheHeadingsAndReordenarUsesTheGivenRandomSource) {
    ASSERT_TRUE(writeParticipantList(raceFolder() / "OFC001.PAR", {0, names(8)}));
    open(2);
    EXPECT_EQ(window.LlistaInscrits.Rows(), 1);
    EXPECT_EQ(window.Text0Count, "()");
    window.Reordenar([] { return 0.0; });  // every slot swapped with slot 1
    EXPECT_EQ(window.NomPista[1], "Pilot8");
    EXPECT_EQ(window.NomPista[2], "Pilot1");
}

TEST_F(EntrantsTest, Save_ParticipantFileBytesAfterThreeHeats) {
    setLanes(2);
    ASSERT_TRUE(writeParticipantList(raceFolder() / kEntrantsFileName, {3, {"Ana", "Jo"}}));
    open(0);
    window.NomPista[1] = " Ana ";
    ASSERT_TRUE(window.Sortir_Click(1));
    EXPECT_EQ(readFileBytes(raceFolder() / kEntrantsFileName),
              (Bytes{3, 0, 3, 0, 'A', 'n', 'a', 2, 0, 'J', 'o'}));
}

TEST_F(EntrantsTest, Save_AllEmptyEntrantsListDeletesTheFile) {
    ASSERT_TRUE(writeParticipantList(raceFolder() / kEntrantsFileName, {0, names(8)}));
    open(0);
    for (auto& name : window.NomPista) name = "  ";
    ASSERT_TRUE(window.Sortir_Click(1));
    EXPECT_FALSE(fs::exists(raceFolder() / kEntrantsFileName));
}

class RenumberingTest : public EntrantsTest {
protected:
    void SetUp() override {
        EntrantsTest::SetUp();
        setLanes(2);
        ASSERT_TRUE(writeParticipantList(raceFolder() / "CRS001.PAR", {2, names(4)}));
        heats = heatFile({HeatRecord::header(1, 100.f, 4), row(3, 7), row(4, 6), row(1, 5), row(2, 4),
                          HeatRecord::header(2, 200.f, 4), row(4, 9), row(3, 8), row(2, 7), row(1, 2)});
        ASSERT_TRUE(writeFileAtomic(raceFolder() / "CRS001.DAD", heats));
        ASSERT_TRUE(writePenalties(raceFolder() / "CRS001.PEN", {{1, 1.0f, "x"}, {4, 2.0f, "y"}}));
    }
    Bytes heats;
};

TEST_F(RenumberingTest, Save_SameCountLeavesSeriesFilesAloneFewerSlotsRenumberThem) {
    open(4);
    window.NomPista[1] = "Altre";
    ASSERT_TRUE(window.Sortir_Click(1));
    EXPECT_EQ(readFileBytes(raceFolder() / "CRS001.DAD"), heats);

    open(4);
    EXPECT_EQ(window.Text2, "3 - 99");
    typeCount("3");
    ASSERT_TRUE(window.Sortir_Click(1));

    EXPECT_EQ(readFileBytes(raceFolder() / "CRS001.DAD"),
              heatFile({HeatRecord::header(1, 100.f, 3), row(3, 7), row(1, 5), row(2, 4),
                        HeatRecord::header(2, 200.f, 3), row(3, 8), row(2, 7), row(1, 2)}));
    EXPECT_EQ(readPenalties(raceFolder() / "CRS001.PEN"), (std::vector<PenaltyEntry>{{1, 1.0f, "x"}}));
    EXPECT_EQ(readParticipantList(raceFolder() / "CRS001.PAR"),
              (ParticipantList{2, {"Altre", "Pilot2", "Pilot3"}}));
    EXPECT_FALSE(fs::exists(raceFolder() / "TMP.DAD"));
    EXPECT_FALSE(fs::exists(raceFolder() / "TMP.PEN"));
}

TEST_F(RenumberingTest, Save_DamagedHeatFileIsReportedAndNothingWritten) {
    const Bytes damaged(heats.begin(), heats.end() - 3);
    ASSERT_TRUE(writeFileAtomic(raceFolder() / "CRS001.DAD", damaged));
    const auto before = readFileBytes(raceFolder() / "CRS001.PAR");
    open(4);
    typeCount("3");
    EXPECT_FALSE(window.Sortir_Click(1));
    EXPECT_EQ(readFileBytes(raceFolder() / "CRS001.PAR"), before);
    EXPECT_EQ(readFileBytes(raceFolder() / "CRS001.DAD"), damaged);
}

TEST_F(RenumberingTest, Save_DamagedSeriesListIsRefusedAndTheHeatsStay) {
    const Bytes damaged{2, 0, 9, 0, 'A', 'n'};  // heat counter 2, a name cut short
    ASSERT_TRUE(writeFileAtomic(raceFolder() / "CRS001.PAR", damaged));
    open(4);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find("CRS001.PAR"), std::string::npos);
    EXPECT_NE(prompter.shown[0].text.find("elimineu la sèrie"), std::string::npos);
    window.NomPista[1] = "Nou";
    EXPECT_FALSE(window.Sortir_Click(1));
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_NE(prompter.shown[1].text.find("no s'ha gravat"), std::string::npos);
    EXPECT_EQ(readFileBytes(raceFolder() / "CRS001.PAR"), damaged);
    EXPECT_EQ(readFileBytes(raceFolder() / "CRS001.DAD"), heats);
    EXPECT_TRUE(fs::exists(raceFolder() / "CRS001.PEN"));
    EXPECT_TRUE(window.Sortir_Click(0));  // closing without saving stays possible
}

TEST_F(EntrantsTest, Save_DamagedEntrantsListMayBeEnteredAgain) {
    state.Settings.Language = 1;
    ASSERT_TRUE(writeFileAtomic(raceFolder() / "PROVA.PAR", Bytes{0, 0, 7}));
    open(0);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find("Vuelva a entrar los nombres"), std::string::npos);
    window.NomPista[1] = "Anna";
    EXPECT_TRUE(window.Sortir_Click(1));
    EXPECT_EQ(readParticipantList(raceFolder() / "PROVA.PAR").names.at(0), "Anna");
}

TEST_F(EntrantsTest, MnuIns_OpensInTheRaceFolderAndReturnsToTheProgramFolder) {
    Portada portada(state, prompter);
    portada.CarregarLlistats();
    fs::path seen;
    MnuIns_Click(portada, state, prompter, 4, [&](Inscrits& w) {
        seen = state.WorkingFolder;
        w.Load();
        EXPECT_EQ(state.CurrentModality, 4);
        EXPECT_EQ(w.titleSuffix, " - Participants a la cursa");
    });
    EXPECT_EQ(seen, raceFolder());
    EXPECT_EQ(state.WorkingFolder, app());
    EXPECT_EQ(state.CurrentModality, 0);
}

}  // namespace
}  // namespace sc
