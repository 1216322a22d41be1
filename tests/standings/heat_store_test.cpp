#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "core/file_io.h"
#include "core/lap_log.h"
#include "core/number_format.h"
#include "core/prompter.h"
#include "core/race_store.h"
#include "core/record_file.h"
#include "hand_heat_record.h"
#include "standings/classification_columns.h"
#include "standings/heat_results_store.h"
#include "standings/standings_engine.h"
#include "temp_folder.h"
#include "tests/standings/standings_test_state.h"

namespace sc {
namespace {

using namespace cls;
namespace fs = std::filesystem;

using test::handHeader;
using test::HandRecord;

struct StoreFixture : ::testing::Test {
    test::TempFolder temp;
    fs::path folder = temp.path();
    RaceState state;
    QueuedPrompter prompter;
    std::unique_ptr<StandingsEngine> engine;
    std::unique_ptr<HeatResultsStore> store;

    void SetUp() override {
        state = test::standingsState(Modality::Race, 2);
        state.Participants = {"", "Anna", "Bernat"};
        state.WorkingFolder = folder;
        state.CurrentHeat = state.HeatRunning = 0;
        state.SeriesCount = {0, 0, 0, 0, 1};
        state.CurrentBase = "CRS001";
        state.Track.LaneCount = 2;
        state.Track.LaneChange = {2, 1, 2};
        ASSERT_TRUE(writeParticipantList(folder / "CRS001.PAR", {0, {"Anna", "Bernat"}}));
        engine = std::make_unique<StandingsEngine>(state);
        store = std::make_unique<HeatResultsStore>(state, *engine, prompter);
        store->CarregarClass();
    }

    // Runs heat CurrentHeat + 1: participant 1 passes `laps1` times, 2 `laps2`
    // times, laps of 10 s, and the heat is stored.
    void runHeat(int laps1, int laps2, float start, bool stored = true) {
        ++state.CurrentHeat;
        state.HeatRunning = -1;
        state.HeatStartTime = start;
        engine->NovaManiga();
        LapLog log(folder);
        ASSERT_TRUE(log.Create(start, state.CurrentHeat));
        for (int16_t k = 1; k <= std::max(laps1, laps2); ++k)
            for (int16_t p = 1; p <= 2; ++p) {
                if (k > (p == 1 ? laps1 : laps2)) continue;
                const int16_t lane = state.Track.LaneParticipant[1] == p ? 1 : 2;
                const float t = 10.0f * k + p;
                state.Track.LastPassTime[lane] = t;
                EXPECT_TRUE(log.Append({lane, p, t, k == 1 ? 99.9999f : 10.0f, 0, k}));
                engine->AnotarVolta(
                    Passing{lane, p, t, 10.0, 1, k == 1 ? "+1" : "10.0000", k == 1 ? "" : "10.0000"});
            }
        EXPECT_TRUE(log.Close(MakeEndRecord(start + 100, start)));
        state.HeatRunning = 0;
        EXPECT_EQ(store->GuardarManiga(), stored);
    }

    Bytes dad() const { return readFileBytes(folder / "CRS001.DAD").value_or(Bytes{}); }
    std::vector<HeatBlock> blocks() const { return readHeatBlocks(folder / "CRS001.DAD"); }
};

TEST_F(StoreFixture, StoringHeatOne_MatchesTheLayoutByteForByte) {
    ASSERT_TRUE(writeFileAtomic(folder / "CRS001.DAD", Bytes(500, 0xAB)));  // an earlier run of the series
    runHeat(3, 2, 3600.0f);
    Bytes expected = handHeader(1, 3600.0f, 2);
    // Participant 1 on lane 2 (heat 1 puts slot 1 on the last position), 3 laps,
    // last passing 31 s after the start at 3600 s of the day, passed last (flag:
    // negated position); participant 2 on lane 1, 2 laps, last passing 22 s after.
    for (const Bytes& row : {test::handRow({1, 3, 3631, 10, 2, -1, 2, 3, 0, 10, 10, 1, -2, 20}),
                             test::handRow({2, 2, 3622, 10, 1, 2, 1, 2, 0, 10, 10, 2, -1, 10})})
        expected.insert(expected.end(), row.begin(), row.end());
    EXPECT_EQ(dad(), expected);
    EXPECT_EQ(readParticipantList(folder / "CRS001.PAR").heats, 1);
    EXPECT_EQ(ReadLapLog(folder / "CRS001.VAV").records.size(), 7u);  // header, 5 passes, end
}

TEST_F(StoreFixture, StoringCancellingAndStoringAgain_BlocksFollowInTurnAndAStoredAgainHeatOverwrites) {
    runHeat(2, 1, 100.0f);
    runHeat(3, 1, 200.0f);
    runHeat(1, 1, 300.0f);
    auto b = blocks();
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[1].record, 4u);
    EXPECT_EQ(b[2].record, 7u);
    EXPECT_EQ(b[2].header.heatNumber(), 3);
    EXPECT_EQ(b[2].header.startTime(), 300.0f);
    EXPECT_EQ(dad().size(), 9 * kHeatRecordSize);
    EXPECT_EQ(b[2].rows[0].totalLaps, 6.0f);  // totals run on from heat to heat
    EXPECT_EQ(readParticipantList(folder / "CRS001.PAR").heats, 3);

    // The question, No keeping the heat and Yes rebuilding the standings of the heat
    // before are in the standings_cancel_heat script.
    fs::remove(folder / "CRS001.PAR");
    fs::create_directory(folder / "CRS001.PAR");  // the heat count cannot be written there
    prompter.answers = {Button::Yes};
    store->AnullarManiga();
    EXPECT_EQ(state.CurrentHeat, 3);
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_NE(prompter.shown[1].text.find("la màniga no s'ha anul·lat"), std::string::npos);

    fs::remove(folder / "CRS001.PAR");
    ASSERT_TRUE(writeParticipantList(folder / "CRS001.PAR", {3, {"Anna", "Bernat"}}));
    prompter.answers = {Button::Yes, Button::Yes};
    store->AnullarManiga();
    EXPECT_EQ(readParticipantList(folder / "CRS001.PAR").heats, 2);
    store->AnullarManiga();
    ASSERT_EQ(state.CurrentHeat, 1);
    EXPECT_EQ(blocks().size(), 3u);  // the cancelled blocks stay until overwritten

    // Heat 2 stored again overwrites its block and what followed.
    const Bytes before = dad();
    runHeat(1, 4, 250.0f);
    const Bytes after = dad();
    ASSERT_EQ(after.size(), 6 * kHeatRecordSize);
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + 3 * kHeatRecordSize, after.begin()));
    b = blocks();
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[1].header.startTime(), 250.0f);
    // Heat 1 (2+1 passes) then heat 2 (1+4), each between a header and an end record.
    EXPECT_EQ(readLapRecords(folder / "CRS001.VAV").size(), 5u + 7u);
}

TEST_F(StoreFixture, RowAndRecord_RoundTripEveryField) {
    state.CurrentModality = static_cast<int16_t>(Modality::OfficialPractice);
    HeatRecord rec{2, 7.0f, 1234.5f, 5.1234f, 3, -4, 1, 2.0f, -1, 1.0f, 5.5f, 4.0f, 5.25f, 33.25f, 0};
    store->Registre = rec;
    store->FilaDesDeRegistre(1);
    const Grid& g = engine->InfoClass;
    EXPECT_EQ(g.TextMatrix(1, kLastLap), "+1");
    EXPECT_TRUE(g.Cell(1, kHeats).picture);
    EXPECT_EQ(g.TextMatrix(1, kSeriesKey), "0");
    EXPECT_EQ(g.TextMatrix(1, kFastestTime), "1234.50");
    EXPECT_EQ(g.TextMatrix(1, kGained), "-1");
    store->RegistreDesDeFila(1);
    EXPECT_EQ(store->Registre, rec);

    // A race row without laps; its fastest lap " " shows in the standings_cancel_heat script.
    state.CurrentModality = static_cast<int16_t>(Modality::Race);
    store->Registre = HeatRecord{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    store->FilaDesDeRegistre(1);
    EXPECT_EQ(engine->InfoClass.TextMatrix(1, kSeriesKey), "-2");  // keyed by participant number
    store->RegistreDesDeFila(1);
    EXPECT_EQ(store->Registre.passTime, 0.0f);
}

void writeSeries(const fs::path& folder, int series, int16_t heats, const std::vector<Bytes>& records) {
    const std::string base = "CRS" + FormatNumber(series, "000");
    ASSERT_TRUE(writeParticipantList(folder / (base + ".PAR"), {heats, {"Anna", "Bernat"}}));
    Bytes data;
    for (const Bytes& r : records) data.insert(data.end(), r.begin(), r.end());
    ASSERT_TRUE(writeFileAtomic(folder / (base + ".DAD"), data));
}

Bytes participantWithFastest(int16_t p, float fastest, int16_t lane) {
    return HandRecord{}.i16(0, p).f32(10, fastest).i16(14, lane).bytes;
}

TEST_F(StoreFixture, AbsoluteFastestLap_EqualTimesAcrossSeriesKeepTheEarlier) {
    state.SeriesCount = {0, 0, 0, 0, 3};
    writeSeries(
        folder, 1, 1,
        {handHeader(1, 0, 2), participantWithFastest(1, 6.0f, 1), participantWithFastest(2, 5.25f, 2)});
    writeSeries(folder, 2, 1, {handHeader(1, 0, 1), participantWithFastest(1, 5.25f, 1)});
    // Series 3's faster lap lies in a cancelled heat (beyond its heat counter).
    writeSeries(folder, 3, 1,
                {handHeader(1, 0, 1), participantWithFastest(1, 7.0f, 1), handHeader(2, 0, 1),
                 participantWithFastest(1, 4.0f, 1)});
    store->RebuildAbsoluteFastest();
    std::vector<std::string> row;  // time, name, number, lane, series
    for (int col = kVrTime; col <= kVrSeries; ++col) row.push_back(engine->TaulaVR.TextMatrix(1, col));
    EXPECT_EQ(row, (std::vector<std::string>{"5.2500", "Bernat", "2", "2", "1"}));
}

TEST_F(StoreFixture, ShortOrDamagedHeatFile_IsReportedNeverWrittenAgainAndTheLapsAreKept) {
    runHeat(2, 1, 100.0f);
    state.CurrentHeat = 2;  // the file holds heat 1 only
    store->CarregarClass();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(
        prompter.shown[0].text,
        "L'arxiu CRS001.DAD no té la classificació de la màniga 2.\nLa classificació es mostra sense les "
        "mànigues guardades: recupereu l'arxiu d'una còpia de la prova.");

    state.CurrentHeat = 1;
    Bytes data = dad();
    data.resize(data.size() - 7);  // 143 bytes: two whole records and a partial one
    ASSERT_TRUE(writeFileAtomic(folder / "CRS001.DAD", data));
    state.Settings.Language = 1;
    store->CarregarClass();
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_NE(
        prompter.shown[1].text.find("El archivo CRS001.DAD de las mangas de la serie está dañado y no se "
                                    "ha podido leer.\nEl archivo CRS001.DAD está dañado: termina con un "
                                    "registro incompleto (byte 100)."),
        std::string::npos);
    EXPECT_EQ(dad(), data);
    EXPECT_EQ(engine->InfoClass.Number(2, kNumber), 2);

    runHeat(3, 3, 500.0f, false);
    EXPECT_EQ(dad(), data);  // untouched: heat 2 is not written into the broken block
    ASSERT_EQ(prompter.shown.size(), 3u);
    EXPECT_NE(prompter.shown[2].text.find("La clasificación de la manga 2 no se ha grabado"),
              std::string::npos);
    EXPECT_NE(prompter.shown[2].text.find("CRS001.VAV"), std::string::npos);
    // Heat 2's laps: its block of the lap file follows heat 1's (header, 4 passes, end record).
    const auto laps = readLapRecords(folder / "CRS001.VAV");
    ASSERT_EQ(laps.size(), 5u + 8u);
    EXPECT_EQ(laps[5].lane, 0);
    EXPECT_EQ(laps[5].lapTime, 2.0f);
    EXPECT_EQ(readParticipantList(folder / "CRS001.PAR").heats, 2);
}

TEST(HeatBlockStart, MissingPreviousHeaderGoesAfterTheLastEarlierBlock) {
    std::vector<HeatRecord> records{HeatRecord::header(1, 0, 2), {}, {}, HeatRecord::header(3, 0, 1), {}};
    records[1].participant = records[2].participant = records[4].participant = 1;
    EXPECT_EQ(HeatBlockStart(records, 1), 1u);
    EXPECT_EQ(HeatBlockStart(records, 2), 4u);
    EXPECT_EQ(HeatBlockStart(records, 3), 4u);  // heat 2's block is missing
    EXPECT_EQ(HeatBlockStart(records, 4), 6u);
    records[3].placesGained = 900;  // a count running past the end
    EXPECT_EQ(HeatBlockStart(records, 4), 6u);
    EXPECT_EQ(HeatBlockStart({}, 5), 1u);
}

}  // namespace
}  // namespace sc
