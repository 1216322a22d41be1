#include "results/corregir.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/app_test_helpers.h"
#include "core/file_io.h"
#include "core/prompter.h"
#include "core/race_store.h"
#include "core/record_file.h"
#include "hand_heat_record.h"
#include "results_series_files.h"
#include "standings/classification_columns.h"
#include "standings/heat_results_store.h"
#include "standings/standings_engine.h"
#include "temp_folder.h"

namespace sc {
namespace {

using test::handHeader;
using test::handRow;

Bytes joined(const std::vector<Bytes>& records) {
    Bytes out;
    for (const Bytes& r : records) out.insert(out.end(), r.begin(), r.end());
    return out;
}

// Three race heats of Anna (1) and Biel (2) on two lanes, lane-change order 2, 1.
const Bytes kHeat1 =
    joined({handHeader(1, 36000, 2), handRow({1, 10, 36100, 5.1f, 2, 1, 1, 10, 0, 6, 5.5f, 1, -9, 50}),
            handRow({2, 9, 36098, 6, 2, 2, 2, 9, 0, 6.5f, 6, 2, -8, 48})});
const Bytes kHeat2Header = handHeader(2, 36200, 2);
const Bytes kHeat3Header = handHeader(3, 36400, 2);
const Bytes kStored = joined({kHeat1, kHeat2Header,  //
                              handRow({2, 19, 36290, 5.75f, 1, 1, 1, 10, 0, 6, 5.75f, 1, -9, 55}),
                              handRow({1, 19, 36300, 5.1f, 2, 2, 2, 9, 0, 6, 5.25f, 2, -8, 52}), kHeat3Header,
                              handRow({2, 29, 36495, 5.75f, 1, -1, 2, 10, 0, 6, 5.8f, 1, -9, 54}),
                              handRow({1, 29, 36500, 5.1f, 2, 2, 1, 10, 0, 6, 5.6f, 2, -9, 56})});

struct CorregirTest : ::testing::Test {
    test::TempFolder folder;
    RaceState state;
    QueuedPrompter prompter;
    std::unique_ptr<StandingsEngine> live;
    std::unique_ptr<HeatResultsStore> store;

    void SetUp() override {
        state = test::comaRace(folder.path());
        state.SeriesCount = {0, 0, 0, 0, 1};
        state.CurrentHeat = 3;
        state.Track.LaneChange = {2, 2, 1};
        state.Track.PartialCount = 10;
        state.Track.PartialStep = 10;
        state.Track.MinLapTime = 1;
        ASSERT_TRUE(writeFileAtomic(dad(), kStored));
        live = std::make_unique<StandingsEngine>(state);
        store = std::make_unique<HeatResultsStore>(state, *live, prompter);
    }
    std::filesystem::path dad() const { return state.WorkingFolder / "CRS001.DAD"; }
    Bytes stored() const { return readFileBytes(dad()).value_or(Bytes{}); }
    Corregir open(int16_t mode) {
        state.ModeCorregir = mode;
        Corregir form(state, *live, *store, prompter);
        form.Form_Load();
        return form;
    }
    // Each heat: header, one pass on lane 1 at 3 s, its closing record (heat 3 lasted 60 s).
    void writeLapFile() {
        std::vector<LapRecord> laps;
        for (int16_t h = 1; h <= 3; ++h) {
            laps.push_back({0, 0, 36000.0f + 200 * (h - 1), static_cast<float>(h), 0, 2, 0, 0});
            laps.push_back({1, 1, 3, 99.9999f, 0, 1, 0, 0});
            laps.push_back({0, 0, 0, h == 3 ? 60.0f : 50.0f, 0, 2, 0, 0});
        }
        for (std::size_t r = 0; r < laps.size(); ++r)
            ASSERT_TRUE(writeLapRecord(state.WorkingFolder / "CRS001.VAV", r + 1, laps[r]));
    }
};

// The selected heat, another heat's rows and the best-lap boxes are in the
// comas_race script, a coma asked of the last lane only in heat_race_comas.
TEST_F(CorregirTest, Load_RowsInLaneChangeOrderAndOneComaFocusesTheLastRow) {
    Corregir form = open(0);
    ASSERT_EQ(form.SelManiga, (std::vector<std::string>{"1", "2", "3"}));
    ASSERT_EQ(form.rows.size(), 2u);
    EXPECT_EQ(form.rows[0].lane, 2);
    EXPECT_EQ(form.rows[0].EQ, "Biel");
    EXPECT_EQ(open(-1).focusRow, 1);
}

// A coma of 35 in heat 2 adds 0.35 lap to Anna's heat and to her totals of
// heats 2 and 3, where she now leads; heat 1 and the headers stay byte for byte.
TEST_F(CorregirTest, Comas_CarriedThroughTheSeriesAsTheHandBuiltFile) {
    Corregir form = open(-2);
    form.SelManiga_Click(1);
    form.rows[0].VR = "35";
    form.VR_LostFocus(0);
    form.Sortir_Click(1);
    EXPECT_TRUE(form.saved);
    EXPECT_TRUE(form.closed);
    const Bytes expected =
        joined({kHeat1, kHeat2Header,  //
                handRow({1, 19.35f, 36300, 5.1f, 2, 2, 2, 9.35f, 0, 6, 5.25f, 2, -8.35f, 0}),
                handRow({2, 19, 36290, 5.75f, 1, 1, 1, 10, 0, 6, 5.75f, 1, -9, 0}), kHeat3Header,
                handRow({1, 29.35f, 36500, 5.1f, 2, 2, 1, 10, 0, 6, 5.6f, 2, -9, 0}),
                handRow({2, 29, 36495, 5.75f, 1, -1, 2, 10, 0, 6, 5.8f, 1, -9, 0})});
    EXPECT_EQ(stored(), expected);
    // The live classification shows the standings of the current heat again.
    EXPECT_EQ(live->InfoClass.TextMatrix(1, cls::kName), "Anna");
    EXPECT_EQ(live->InfoClass.TextMatrix(1, cls::kLaps), "29.35");
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(CorregirTest, Correction_FasterBestLapIsTheFastestLapFromThatHeatOn) {
    Corregir form = open(0);
    form.SelManiga_Click(1);  // heat 2: Biel on lane 1, Anna on lane 2
    form.rows[1].VR = "0,5";  // below the minimum lap time: no best lap
    form.VR_LostFocus(1);
    EXPECT_EQ(form.rows[1].VR, "0.0000");
    form.rows[1].VR = "5";
    form.VR_LostFocus(1);
    form.Sortir_Click(1);
    ASSERT_TRUE(form.saved);
    // The corrected heat and heat 3 after it take Biel's new fastest lap and
    // its lane; Anna's 5.1 of heat 1 stands. The whole series in the comas_race script.
    const auto blocks = readHeatBlocks(dad());
    for (std::size_t h : {1u, 2u}) {
        ASSERT_EQ(blocks.at(h).rows.size(), 2u);
        for (const HeatRecord& r : blocks[h].rows) {
            SCOPED_TRACE(testing::Message() << "heat " << h + 1 << ", participant " << r.participant);
            EXPECT_EQ(r.fastestLap, r.participant == 2 ? 5.0f : 5.1f);
            EXPECT_EQ(r.fastestLane, r.participant == 2 ? 1 : 2);
        }
    }
    EXPECT_EQ(blocks[1].rows[0].bestLap + blocks[1].rows[1].bestLap, 5.0f + 5.25f);
}

TEST_F(CorregirTest, Proposal_FromTheLapFileAndTheLiveKeysInTheHeatsOwnBase) {
    // Heat 3 lasted 60 s; Anna (lane 1) last passed 57.85 s in, laps of 5 s, 9 laps done.
    writeLapFile();
    Grid& g = live->InfoClass;
    g.SetTextMatrix(1, cls::kLane, "1");
    g.SetTextMatrix(1, cls::kSeriesKey, "-36457.85");
    g.SetTextMatrix(1, cls::kHeatBest, "5.0000");
    g.SetTextMatrix(1, cls::kHeatKey1, "-9");
    g.SetTextMatrix(1, cls::kHeatKey2, "45");
    g.SetTextMatrix(2, cls::kLane, "2");  // Biel: no completed lap, no proposal
    g.SetTextMatrix(2, cls::kSeriesKey, "-36410");
    Corregir form = open(-2);
    EXPECT_EQ(form.rows[1].VR, "50");  // 2.65 s of a 5 s lap: five marks
    EXPECT_EQ(form.rows[0].VR, "");
    state.Settings.LapCounterModel = 0;  // a DS003 gives no passing times: nothing proposed
    EXPECT_EQ(open(-2).rows[1].VR, "");
}

// Heats from the lane count (2) to the participant count (2): heat 2, the last
// of the range, gives a line for every lane; the window keeps the heat it shows.
TEST_F(CorregirTest, Export_AppendsALinePerLaneAndLeavesTheWindowAsItWas) {
    writeLapFile();
    ASSERT_TRUE(writeRaceHeader(state.WorkingFolder / kRaceHeaderFileName,
                                RaceHeader{{0, 0, 0, 1}, "Copa Nadal", "06-12-2026"}));
    Corregir form = open(-2);
    form.rows[1].VR = "40";
    ASSERT_TRUE(form.ExportarComes());
    ASSERT_TRUE(form.ExportarComes());
    const std::string text = test::readText(folder.path() / "Export_Comes.txt");
    EXPECT_EQ(text.substr(0, text.find("\r\n")),
              "Copa ; 2 ; 2 ; Anna ;  ; 9 ; 50.000 ; 0 ; 0.000 ; 0.0000 ; 0.0000 ; 10 ; 10");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);  // two lanes, twice
    EXPECT_EQ(form.SelectedHeat(), 3);
    EXPECT_EQ(form.rows[1].VR, "40");
}

TEST_F(CorregirTest, DamagedOrUnwritableFileIsToldAndLeftAsItWas) {
    const Bytes cut(kStored.begin(), kStored.end() - 10);
    ASSERT_TRUE(writeFileAtomic(dad(), cut));
    Corregir form = open(0);
    EXPECT_EQ(prompter.shown.size(), 1u);  // told once, every row closed
    EXPECT_FALSE(form.rows[0].enabled);
    form.Sortir_Click(1);
    EXPECT_FALSE(form.closed);
    EXPECT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(stored(), cut);

    // A save that cannot be written (its working copy is blocked) is told and changes nothing.
    ASSERT_TRUE(writeFileAtomic(dad(), kStored));
    std::filesystem::create_directories(state.WorkingFolder / "CRS001.DAD.~tmp" / "blocked");
    Corregir comas = open(-2);
    comas.rows[0].VR = "35";
    comas.Sortir_Click(1);
    EXPECT_FALSE(comas.closed);
    EXPECT_EQ(prompter.shown.size(), 3u);
    EXPECT_EQ(stored(), kStored);
}

}  // namespace
}  // namespace sc
