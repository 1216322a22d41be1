#include "config_windows/track_config_form.h"

#include <gtest/gtest.h>

#include "config_test_helpers.h"
#include "core/race_store.h"

namespace sc {
namespace {

using test::fileBytes;
using test::integersAt;
using Integers = std::vector<int16_t>;
using Row = std::vector<std::string>;

// The texts of boxes 1..count of a control array.
template <typename Boxes>
Row texts(const Boxes& boxes, int count) {
    Row row;
    for (int i = 1; i <= count; ++i) row.push_back(boxes[i].text);
    return row;
}

Row laneRow(const ConfiguracioPista& w) { return texts(w.CfgCanvi, w.laneCount()); }

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

// A typed value and what its field shows after the field's rule, in typing order.
struct Typed {
    void (ConfiguracioPista::*change)(const std::string&);
    TextBox ConfiguracioPista::*field;
    const char* typed;
    const char* shown;
};

TEST_F(TrackConfigForm, TypedValues_AreClampedToTheirRangesAndLeavingWithoutAcceptWritesNone) {
    using W = ConfiguracioPista;
    const Typed cases[] = {
        {&W::CfgNPistes_Change, &W::CfgNPistes, "70", "64"},
        {&W::CfgNPistes_Change, &W::CfgNPistes, "0", "1"},
        {&W::CfgNPistes_Change, &W::CfgNPistes, "4", "4"},
        {&W::CfgMinim_Change, &W::CfgMinim, "2,345", "2.35"},
        {&W::CfgMinim_Change, &W::CfgMinim, "-3", "00.00"},
        {&W::CfgMinim_Change, &W::CfgMinim, "120", "99.99"},
        {&W::CfgParcial_Change, &W::CfgParcial, "12345", "9999"},
        {&W::CfgParcial_Change, &W::CfgParcial, "25.9", "25"},
        {&W::CfgQuants_Change, &W::CfgQuants, "1", "2"},
        {&W::CfgQuants_Change, &W::CfgQuants, "500", "100"},
        {&W::CfgCada_Change, &W::CfgCada, "0", "1"},
        {&W::CfgCada_Change, &W::CfgCada, "1000", "999"},
        {&W::CfgPstPar_Change, &W::CfgPstPar, "9", "4"},
        {&W::CfgPstVel_Change, &W::CfgPstVel, "0", "1"},
        {&W::CfgDstVel_Change, &W::CfgDstVel, "0", "40"},
        {&W::CfgDstVel_Change, &W::CfgDstVel, "0.5", "40"},  // under 1 cm would divide by zero
        {&W::CfgDstVel_Change, &W::CfgDstVel, "-55", "55"},
    };
    open();
    for (const Typed& c : cases) {
        (window.*c.change)(c.typed);
        EXPECT_EQ((window.*c.field).text, c.shown) << c.typed;
    }
    // The state follows the shown values (the lane count and partials: in the tests below).
    EXPECT_FLOAT_EQ(state.Track.MinLapTime, 99.99f);
    window.Sortir_Click(0);
    EXPECT_TRUE(window.Closed);
    EXPECT_FALSE(window.Saved);
    EXPECT_FALSE(std::filesystem::exists(savedFile()));
}

TEST_F(TrackConfigForm, LaneCount_ChangeRecreatesTheRowAndMovesTheSectorAndTrapLanesIntoRange) {
    state.Track.LaneChange = {0, 2, 1, 4, 3};
    open();
    EXPECT_EQ(laneRow(window), (Row{"2", "1", "4", "3"}));  // opening keeps the values
    window.CfgNPistes_Change("4");
    EXPECT_EQ(laneRow(window), (Row{"2", "1", "4", "3"}));  // so does the same count
    window.CfgNPistes_Change("6");
    EXPECT_EQ(laneRow(window), (Row{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(state.Track.LaneChange[0], 6);
    EXPECT_EQ(state.Track.LaneParticipant.size(), 7u);
    EXPECT_EQ(window.CfgPstVel.text, "6");
    EXPECT_EQ(window.CfgPstPar.text, "5");
    window.CfgNPistes_Change("0");
    EXPECT_EQ(state.Track.LaneCount, 1);
    EXPECT_EQ(laneRow(window), Row{"1"});
    EXPECT_EQ(window.CfgPstVel.text, "1");
    EXPECT_EQ(window.CfgPstPar.text, "0");
}

TEST_F(TrackConfigForm, LaneChange_ClampsThenSwapsWithTheBoxHoldingTheValue) {
    open();
    window.CfgCanvi_Change(3, "1");
    EXPECT_EQ(laneRow(window), (Row{"3", "2", "1", "4"}));
    EXPECT_EQ(state.Track.LaneChange, (Integers{4, 3, 2, 1, 4}));
    window.CfgCanvi_Change(2, "0");  // becomes 1, held by box 3
    EXPECT_EQ(laneRow(window), (Row{"3", "1", "2", "4"}));
    window.CfgCanvi_Change(4, "99");  // becomes 64, held by no box
    EXPECT_EQ(laneRow(window), (Row{"3", "1", "2", "64"}));
    EXPECT_EQ(state.Track.LaneChange[0], 64);
    EXPECT_EQ(state.Track.LaneParticipant.size(), 65u);
}

// Three connections on 16 lanes, then the port and first-lane rules on them.
TEST_F(TrackConfigForm, Connections_SplitTheLanesEvenlySwapPortsAndKeepTheFirstLanesIncreasing) {
    state = folder.state(16);
    open();
    window.CfgNCircuits_Click(1);
    EXPECT_EQ(texts(window.PrimeraPista, 2), (Row{"1", "9"}));
    window.CfgNCircuits_Click(2);
    EXPECT_EQ(texts(window.PrimeraPista, 3), (Row{"1", "6", "12"}));
    EXPECT_TRUE(window.Circuit[3]);
    EXPECT_FALSE(window.Circuit[4]);
    EXPECT_EQ(window.PortNum[3].index, 2);
    EXPECT_EQ(state.Track.ConnectionCount, 3);
    ASSERT_EQ(state.Track.ConnectionPort.size(), 4u);
    EXPECT_EQ(state.Track.ConnectionPort[3], 3);
    EXPECT_EQ(state.Track.ConnectionFirstLane[3], 12);
    EXPECT_EQ(state.Track.ConnectionOpen.size(), 4u);

    // A port taken swaps with the connection that had it.
    const auto ports = [&] { return std::pair(window.PortNum[1].index, window.PortNum[2].index); };
    window.PortNum_Click(1, 1);  // COM2 for connection 1
    EXPECT_EQ(ports(), std::pair(1, 0));
    window.PortNum_Click(2, 3);  // COM4, free
    EXPECT_EQ(ports(), std::pair(1, 3));

    window.PrimeraPista_Change(3, "6");
    EXPECT_EQ(texts(window.PrimeraPista, 3), (Row{"1", "6", "7"}));
    window.PrimeraPista_Change(2, "12");
    EXPECT_EQ(texts(window.PrimeraPista, 3), (Row{"1", "12", "13"}));
    window.PrimeraPista_Change(1, "-4.7");
    EXPECT_EQ(texts(window.PrimeraPista, 3), (Row{"4", "12", "13"}));
    window.PrimeraPista_Change(1, "20");
    EXPECT_EQ(texts(window.PrimeraPista, 3), (Row{"20", "21", "22"}));
}

// The refusal beyond 16 bits, and that a "No" saves nothing: tests/scripts/first_start.
TEST_F(TrackConfigForm, ByPartials_EnablesItsFieldsWithUsableValuesAndTheSaveConfirmsTheLargestPartial) {
    open();
    EXPECT_TRUE(window.CfgParcial.enabled);
    EXPECT_FALSE(window.CfgQuants.enabled);
    window.OpComes_Click(1);
    EXPECT_FALSE(window.CfgParcial.enabled);
    EXPECT_TRUE(window.CfgQuants.enabled);
    EXPECT_TRUE(window.CfgCada.enabled);
    EXPECT_EQ(window.CfgQuants.text, "2");  // the stored 0 is not a partial count
    EXPECT_EQ(window.CfgCada.text, "1");
    window.CfgQuants_Change("100");
    window.CfgCada_Change("999");  // beyond 16 bits: refused, the window stays to correct it
    window.Sortir_Click(ConfiguracioPista::kAcceptButton);
    EXPECT_FALSE(window.Closed);
    window.CfgQuants_Change("11");
    window.CfgCada_Change("10");
    prompter.answers = {Button::No, Button::Yes};
    window.Sortir_Click(ConfiguracioPista::kAcceptButton);
    EXPECT_FALSE(window.Closed);
    window.Sortir_Click(ConfiguracioPista::kAcceptButton);
    ASSERT_EQ(prompter.shown.size(), 3u);
    EXPECT_EQ(prompter.shown[2].text, "El parcial més gran és: 100");
    EXPECT_TRUE(window.Saved);
    EXPECT_TRUE(window.Closed);
    const Bytes data = fileBytes(savedFile());
    ASSERT_EQ(data.size(), 313u);
    EXPECT_EQ(integersAt(data, 4), Integers{100});
    EXPECT_EQ(integersAt(data, 309, 2), (Integers{11, 10}));
    EXPECT_EQ(state.Track.ComaDivisions, 100);
    EXPECT_EQ(state.Track.ComaFormat, "0.000");
}

TEST_F(TrackConfigForm, Save_WritesEveryFieldAtItsOffsetWithTheSectorFieldsEnabledBySplit) {
    open();
    window.CfgMinim_Change("3.5");
    window.CfgParcial_Change("100");
    window.CfgCanvi_Change(1, "2");  // 2, 1, 3, 4
    window.CfgNCircuits_Click(1);    // ports 1, 2, first lanes 1, 3
    window.PortNum_Click(2, 3);      // COM4
    window.Shift_KeyDown();
    EXPECT_FALSE(window.CfgPstPar.enabled);
    window.Split_Click(1);
    EXPECT_TRUE(window.CfgPstPar.enabled);
    EXPECT_TRUE(window.CfgDstVel.enabled);
    window.CfgNParcials_Change("5");
    window.CfgPstPar_Change("3");
    window.CfgPstVel_Change("4");
    window.CfgDstVel_Change("52");
    window.Gravar_Click();
    ASSERT_TRUE(window.Saved);

    const Bytes data = fileBytes(savedFile());
    ASSERT_EQ(data.size(), 309u);  // no partials
    EXPECT_FLOAT_EQ(ByteReader(data, "test").single(), 3.5f);
    EXPECT_EQ(integersAt(data, 4), Integers{100});
    // Connections, their ports and first lanes; lanes and the change row; the sector
    // switch, count as entered, sector lane, trap lane and its distance.
    EXPECT_EQ(integersAt(data, 9, 5), (Integers{2, 1, 1, 4, 3}));
    EXPECT_EQ(integersAt(data, 29, 3), (Integers{4, 2, 1}));
    EXPECT_EQ(integersAt(data, 299, 5), (Integers{-1, 5, 3, 4, 52}));
    EXPECT_EQ(state.Track.SectorCount, 3);  // as every load gives it
    EXPECT_EQ(state.Track.ConnectionPort[2], 4);
    EXPECT_EQ(state.Track.PartialCount, 0);
}

// What the port search finds and says is tested with the ports it probes (acquisition/).
TEST_F(TrackConfigForm, GeneralConfiguration_NoRaceNameNoLockNoSearchWithoutAProbeFileEndsAtTheLaneRow) {
    open();
    EXPECT_EQ(window.Caption, "Configuració circuit/general");
    EXPECT_FALSE(window.RaceCopy);
    EXPECT_EQ(window.RangPistes, "1 - 64");
    EXPECT_FALSE(window.TestComEnabled);
    window.TestCom_Click();
    window.Gravar_Click();
    EXPECT_EQ(fileBytes(savedFile()).size(), 39u);  // 31 + 4 lanes x 2
    EXPECT_EQ(state.Track.SplitEnabled, 0);
    EXPECT_TRUE(prompter.shown.empty());  // no search box, no confirmation for "Més gran"
    window.setPortProbe([](int) { return false; });
    EXPECT_TRUE(window.TestComEnabled);
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
    std::filesystem::path race = folder.race(state, {0, 1, 0, 2}, "Copa d'estiu");

    void SetUp() override { state.CurrentModality = 4; }
    void series(const std::string& base, int16_t heats) {
        ASSERT_TRUE(writeParticipantList(race / (base + ".PAR"), ParticipantList{heats, {"Anna", "Pere"}}));
    }
};

// What clicking the warning unlocks is tested on screen (config_windows_window_test).
TEST_F(RaceCopy, HeatsRunInAnySeriesLockTheLanes) {
    const struct {
        int16_t officialPractice, race1, race2;
        bool locked;
    } cases[] = {{0, 0, 3, true}, {1, 0, 0, true}, {0, 0, 0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.officialPractice << " " << c.race1 << " " << c.race2);
        series("OFC001", c.officialPractice);
        series("CRS001", c.race1);
        series("CRS002", c.race2);
        ConfiguracioPista opened(state, prompter);
        opened.Form_Load();
        EXPECT_EQ(opened.MarcAvis, c.locked);
        EXPECT_EQ(opened.CfgNPistes.enabled, !c.locked);
        EXPECT_EQ(opened.CfgCanvi[1].enabled, !c.locked);
    }
}

// The race named in the title, and the way back to the program folder: config_windows_window_test.
TEST_F(RaceCopy, SavedIntoTheRaceFolder) {
    open();
    EXPECT_EQ(state.CurrentModality, 0);
    window.Gravar_Click();
    EXPECT_TRUE(std::filesystem::exists(race / kTrackFileName));
    EXPECT_FALSE(std::filesystem::exists(savedFile()));
}

// The Spanish confirmation of the largest partial is in tests/scripts/first_start.
TEST_F(TrackConfigForm, SpanishLists) {
    state.Settings.Language = 1;
    open();
    EXPECT_EQ(window.OpComes.items, (Row{"Mayor", "Por parciales"}));
}

}  // namespace
}  // namespace sc
