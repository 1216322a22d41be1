// Whole heats from the lap counter's actions to the series' heat file: the
// device-counted DS003 summary, the time-of-day keys that rank passings of
// different heats, and passes on a lane nobody runs on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "acquisition/lap_counter_decoder.h"
#include "acquisition/lap_counter_encoders.h"
#include "core/race_store.h"
#include "core/record_file.h"
#include "heat/heat_rig.h"
#include "heat/standings_plug.h"
#include "standings/classification_columns.h"
#include "standings/heat_results_store.h"
#include "standings/heat_time.h"
#include "standings/standings_engine.h"

namespace sc {
namespace {

using namespace cls;
namespace fs = std::filesystem;

// The engine and store exist before the plug that serves them.
struct Standings {
    Standings(RaceState& state, Prompter& prompter) : engine(state), store(state, engine, prompter) {}
    StandingsEngine engine;
    HeatResultsStore store;
};
struct PluggedStandings : Standings, StandingsPlug {
    PluggedStandings(RaceState& state, Prompter& prompter)
        : Standings(state, prompter), StandingsPlug(state, engine, store) {}
};

// Two lanes in order: heat 1 puts participant 1 on lane 2 and 2 on lane 1, heat 2 the other way.
class HeatToStoreTest : public ::testing::Test, public test::HeatRig<PluggedStandings> {
protected:
    HeatToStoreTest() : HeatRig(2) {
        state.Msg[0][0] = "v";
        state.Msg[0][1] = "s";
        state.CurrentRace = 1;
        state.SeriesCount = {0, 1, 1, 1, 1};
        state.Settings.LapCounterModel = static_cast<int16_t>(LapCounterModel::DS300);
        engine.SetLapView(&view);
    }

    void open(Modality modality, const std::vector<std::string>& names) {
        state.CurrentModality = static_cast<int16_t>(modality);
        state.CurrentSeries = 1;
        state.CurrentBase = seriesBaseName(state.CurrentModality, 1);
        ASSERT_TRUE(writeParticipantList(folder / (state.CurrentBase + ".PAR"), {0, names}));
        LoadParticipants(state, 1);
        engine.Reshape();
        store.CarregarClass();
    }
    void pass(int lane, float deviceTime, double pcClock) {
        apply(Detection{static_cast<int16_t>(lane), deviceTime, pcClock});
    }
    void key(int k, double t) {
        at(t);
        heat.HeatKeys(k);
    }
    // A DS003 summary fed byte by byte: per lane, laps and the best lap in ten-thousandths.
    void summary(const std::vector<LaneResult>& lanes, double t) {
        ConnectionState connection;
        connection.model = LapCounterModel::DS003;
        connection.lastLane = 2;
        for (const uint8_t byte : encodeSummary(lanes))
            for (const auto& action : feed(connection, byte, t, MakeHeatView(state, panel))) apply(action);
    }
    std::vector<HeatRecord> storedHeat(int heatNumber) const {
        for (const HeatBlock& block : readHeatBlocks(folder / (state.CurrentBase + ".DAD")))
            if (block.header.heatNumber() == heatNumber) return block.rows;
        return {};
    }
    const std::string& cell(int row, int col) const { return engine.InfoClass.TextMatrix(row, col); }
    // Heat 1 at 10:00:00 (Anna on lane 2) and heat 2 at 10:05:00 (Bernat there): each
    // ends a lap of `lap` seconds on lane 2, at 10:00:50 and 10:05:10.
    void twoHeatsOnLane2(float firstLap) {
        key('s', 36000);
        pass(2, 0, 36050 - firstLap);
        pass(2, firstLap, 36050);
        key('s', 36100);
        key('s', 36300);
        pass(2, 0, 36305);
        pass(2, 5.0f, 36310);
    }

    StandingsEngine& engine = hooks.engine;
    HeatResultsStore& store = hooks.store;
};

// ---- comas at the end of a race heat: their values in the totals, tests/scripts/comas_race ----

TEST_F(HeatToStoreTest, Race_ComasAskedAtTheHeatEndOnlyOnATrackWithComas) {
    state.Settings.AskComas = -1;
    std::vector<int> modes;
    hooks.ShowCorregir = [&] { modes.push_back(state.ModeCorregir); };
    open(Modality::Race, {"Anna", "Bernat"});
    key('s', 36000);
    key('s', 36010);
    EXPECT_TRUE(modes.empty());  // this track has no comas to enter
    state.Track.ComaDivisions = 90;
    state.Track.ComaZeros = "00";
    state.Track.ComaFormat = "0.00";
    key('s', 36100);
    key('s', 36110);
    EXPECT_EQ(modes, std::vector<int>{-2});
}

// ---- DS003: the device counts the heat and sends its summary at the end ----

// Plain training from a DS003 summary: tests/scripts/heat_ds003_summary.
TEST_F(HeatToStoreTest, DeviceSummary_RaceHeatIsRankedAndStoredWithTheDevicesCounts) {
    state.Settings.LapCounterModel = 0;
    open(Modality::Race, {"Anna", "Bernat"});
    summary({{12, 12345}, {11, 13000}}, 500);
    ASSERT_EQ(state.HeatRunning, 0);  // the summary is the whole heat
    EXPECT_EQ(engine.TaulaVR.TextMatrix(1, kVrName), "Bernat");
    EXPECT_EQ(view.Lane(1).list.Rows(), 2);  // the laps in the first row, not below an empty one
    EXPECT_EQ(readLapRecords(folder / "CRS001.VAV").size(), 2u);  // header and end: no pass of its own

    const auto rows = storedHeat(1);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].participant, 2);  // lane 1: 12 laps
    EXPECT_EQ(rows[0].totalLaps, 12.0f);
    EXPECT_EQ(rows[0].heatLaps, 12.0f);
    EXPECT_FLOAT_EQ(rows[0].fastestLap, 1.2345f);
    EXPECT_EQ(rows[0].fastestLane, 1);
    EXPECT_EQ(rows[0].lane, 1);
    EXPECT_EQ(rows[1].participant, 1);  // lane 2: 11 laps
    EXPECT_EQ(rows[1].totalLaps, 11.0f);
    EXPECT_FLOAT_EQ(rows[1].fastestLap, 1.3f);
    EXPECT_EQ(readParticipantList(folder / "CRS001.PAR").heats, 1);
}

// ---- the series keys hold the time of day, so heats compare ----

TEST_F(HeatToStoreTest, Race_EqualLapsInDifferentHeatsGoToWhoReachedThemEarlierInTheDay) {
    open(Modality::Race, {"Anna", "Bernat"});
    twoHeatsOnLane2(10);  // both 2 laps
    EXPECT_EQ(engine.InfoClass.Number(1, kNumber), 1);
    EXPECT_EQ(cell(2, kGapLeader), "+99.9s");  // 260 s behind on the same laps
    key('s', 36400);

    const auto rows = storedHeat(2);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].participant, 1);
    EXPECT_EQ(rows[0].passTime, 36050.0f);
    EXPECT_EQ(rows[1].participant, 2);
    EXPECT_EQ(rows[1].passTime, 36310.0f);
    // The lap log and lap file keep seconds since the heat start.
    const auto laps = readLapRecords(folder / "CRS001.VAV");
    ASSERT_EQ(laps.size(), 8u);             // per heat: header, two passes, end
    EXPECT_EQ(laps[4].passTime, 36300.0f);  // heat 2's header: its start
    EXPECT_EQ(laps[6].passTime, 10.0f);
    EXPECT_EQ(SecondsSinceHeatStart(rows[1].passTime, laps[4].passTime), 10.0);
}

TEST_F(HeatToStoreTest, OfficialPractice_EqualFastestLapsOfDifferentHeatsGoToTheEarlierOne) {
    open(Modality::OfficialPractice, {"Anna", "Bernat"});
    twoHeatsOnLane2(5);  // both 5.0000
    key('s', 36400);
    EXPECT_EQ(engine.InfoClass.Number(1, kNumber), 1);
    EXPECT_EQ(cell(1, kFastestTime), "36050.00");
    EXPECT_EQ(cell(2, kFastestTime), "36310.00");
    const auto rows = storedHeat(2);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].participant, 1);
    EXPECT_EQ(rows[0].passTime, 36050.0f);
    EXPECT_EQ(rows[1].passTime, 36310.0f);
}

TEST_F(HeatToStoreTest, Race_HeatAcrossMidnightKeepsItsPassingsInOrder) {
    open(Modality::Race, {"Anna", "Bernat"});
    key('s', 86390);  // 23:59:50
    pass(2, 0, 86395);
    pass(1, 0, 86396);
    pass(2, 3.0f, 86398);  // Anna: 2 laps at 23:59:58
    pass(1, 6.0f, 2.0);    // Bernat: 2 laps at 00:00:02, 12 s into the heat
    EXPECT_EQ(engine.InfoClass.Number(1, kNumber), 1);
    EXPECT_EQ(cell(2, kSeriesKey), "-86402.00");
    key('s', 10);
    const auto rows = storedHeat(1);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].passTime, 86398.0f);
    EXPECT_EQ(rows[1].passTime, 86402.0f);
    EXPECT_EQ(SecondsSinceHeatStart(rows[1].passTime, 86390), 12.0);
    EXPECT_EQ(SecondsSinceHeatStart(2.0, 86390), 12.0);  // a time of day already wrapped
}

// ---- a lane nobody runs on ----

TEST_F(HeatToStoreTest, NamelessSlot_PassesShowOnTheLaneButCountForNoOne) {
    open(Modality::OfficialPractice, {"Anna", ""});
    key('s', 100);
    pass(1, 0, 110);  // lane 1: the empty slot 2
    pass(1, 3.0f, 113);
    pass(2, 0, 111);
    EXPECT_EQ(view.PassCount(1), 2);
    EXPECT_EQ(view.LastLapText(1), "3.0000");
    const int row = engine.FindRow(2);
    EXPECT_TRUE(blank(cell(row, kLaps)));
    EXPECT_TRUE(blank(cell(row, kFastest)));
    EXPECT_TRUE(blank(engine.TaulaVR.TextMatrix(1, kVrTime)));
    key('s', 120);
    EXPECT_EQ(storedHeat(1).size(), 2u);

    // A nameless fastest lap stored by an earlier run is no one's either.
    const fs::path dad = folder / "OFC001.DAD";
    for (const HeatBlock& block : readHeatBlocks(dad))
        for (std::size_t i = 0; i < block.rows.size(); ++i) {
            HeatRecord rec = block.rows[i];
            if (rec.participant != 2) continue;
            rec.fastestLap = 2.0f;
            ASSERT_TRUE(writeHeatRecord(dad, block.record + 1 + i, rec));
        }
    store.CarregarClass();
    EXPECT_TRUE(blank(engine.TaulaVR.TextMatrix(1, kVrTime)));
    EXPECT_TRUE(blank(engine.TaulaVR.TextMatrix(1, kVrName)));
}

}  // namespace
}  // namespace sc
