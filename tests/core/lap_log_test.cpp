#include "core/lap_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "core/file_io.h"
#include "core/record_file.h"
#include "tests/temp_folder.h"

namespace sc {
namespace {
namespace fs = std::filesystem;

class LapLogTest : public ::testing::Test {
protected:
    static LapRecord pass(int16_t lane, int16_t number, float at, float lap) {
        return {lane, lane, at, lap, 0, number};
    }
    static LapRecord header() { return LapRecord{0, 0, 1000, 1, 0, 0, 0, 0}; }
    // A closed heat log as the heat leaves it: header, laps, end.
    std::vector<LapRecord> closedHeat(int16_t heat, int laps) {
        LapLog log(folder);
        EXPECT_TRUE(log.Create(1000, heat));
        for (int i = 1; i <= laps; ++i)
            EXPECT_TRUE(log.Append(pass(1, static_cast<int16_t>(i), 5.0f * i, 5.0f)));
        EXPECT_TRUE(log.Close(MakeEndRecord(1100, 1000)));
        return readLapRecords(log.file());
    }
    void writeRecords(const fs::path& file, const std::vector<LapRecord>& records,
                      std::size_t extraBytes = 0) {
        Bytes bytes;
        for (const auto& r : records) {
            Bytes one = encodeLapRecord(r);
            bytes.insert(bytes.end(), one.begin(), one.end());
        }
        bytes.resize(bytes.size() + extraBytes, 0x7f);
        ASSERT_TRUE(writeFileAtomic(file, bytes));
    }

    test::TempFolder temp;
    fs::path folder = temp.path();
};

TEST_F(LapLogTest, HeatWithoutDetectionHoldsHeaderAndEndNumberedOne) {
    LapLog log(folder);
    ASSERT_TRUE(log.Create(1000.5, 3));
    ASSERT_TRUE(log.Close(MakeEndRecord(1062.5, 1000.5)));
    EXPECT_EQ(readLapRecords(folder / "VLTAVLT.TMP"),
              (std::vector<LapRecord>{{0, 0, 1000.5f, 3, 0, 1}, {0, 0, 1060, 59.5f, 0, 1}}));
    EXPECT_FALSE(log.isOpen());
}

TEST_F(LapLogTest, EveryAppendIsInTheFileBeforeItReturnsAndNoneWithoutAnOpenLog) {
    // Create replaces it: three old records, so one left past the two new ones would show.
    writeRecords(folder / "VLTAVLT.TMP", {pass(1, 1, 1, 1), pass(1, 2, 2, 2), pass(1, 3, 3, 3)});
    LapLog log(folder);
    EXPECT_FALSE(log.Append(pass(1, 1, 1, 1)));
    EXPECT_FALSE(log.Close(MakeEndRecord(10, 0)));
    ASSERT_TRUE(log.Create(10, 1));
    ASSERT_TRUE(log.Append(pass(2, 1, 4.5f, 99.9999f)));
    const auto seen = readLapRecords(log.file());  // another reader, log still open
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1], pass(2, 1, 4.5f, 99.9999f));
}

TEST_F(LapLogTest, PauseRecordSitsBetweenPassesWithLaneMinusOne) {
    LapLog log(folder);
    ASSERT_TRUE(log.Create(1000, 1));
    ASSERT_TRUE(log.Append(pass(1, 1, 5, 99.9999f)));
    // 30 s pause ending at 1100: the heat start moves from 1000 to 1030.
    ASSERT_TRUE(log.Append(MakePauseRecord(1100, 1030, 30, 1)));
    ASSERT_TRUE(log.Append(pass(1, 2, 80, 5)));
    ASSERT_TRUE(log.Close(MakeEndRecord(1130, 1030)));
    const auto records = readLapRecords(log.file());
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[2], (LapRecord{-1, 0, 70, 30, 0, 1}));
    EXPECT_EQ(records[0].number, 4);
    EXPECT_EQ(records[4].number, 4);
}

TEST_F(LapLogTest, TimesAcrossMidnightWrap) {
    const LapRecord pause = MakePauseRecord(5, 86395, 20, 2);  // resume after midnight
    EXPECT_FLOAT_EQ(pause.passTime, 10);
    const LapRecord end = MakeEndRecord(1.0, 86390);  // last keep-alive at 86398.5
    EXPECT_EQ(std::tuple(end.passTime, end.lapTime), std::tuple(86398.5f, 8.5f));
    const LapRecord endAfter = MakeEndRecord(12.5, 86390);  // last message at 0:00:10
    EXPECT_EQ(std::tuple(endAfter.passTime, endAfter.lapTime), std::tuple(10.0f, 20.0f));
}

// Laps are handed on, pauses counted and lanes beyond the limit left out; the
// log stays open to take more.
TEST_F(LapLogTest, ReplayRebuildsFromTheLogAndKeepsItOpen) {
    {
        LapLog missing(folder);
        const ReplayResult result = missing.Replay(8, {});
        EXPECT_EQ(std::tuple(result.ok, result.records, result.last), std::tuple(true, 0u, std::nullopt));
        EXPECT_TRUE(missing.isOpen());
        EXPECT_TRUE(fs::exists(missing.file()));
    }
    const std::vector<LapRecord> heat = {
        header(),          pass(9, 1, 1, 99.9999f),        pass(1, 1, 5, 99.9999f),
        pass(1, 2, 10, 5), MakePauseRecord(50, 10, 40, 1), pass(8, 1, 12, 99.9999f)};
    writeRecords(folder / "VLTAVLT.TMP", heat);
    LapLog log(folder);
    std::vector<LapRecord> applied;
    const ReplayResult result = log.Replay(8, [&](const LapRecord& r) { applied.push_back(r); });
    EXPECT_EQ(std::tuple(result.ok, result.truncated, result.records, result.pauses, result.last),
              std::tuple(true, false, 6u, 1, heat.back()));
    EXPECT_EQ(applied, (std::vector<LapRecord>{heat[2], heat[3], heat[5]}));
    EXPECT_EQ(readLapRecords(log.file()), heat);
    EXPECT_FALSE(fs::exists(log.backupFile()));
    ASSERT_TRUE(log.Append(pass(1, 3, 20, 5)));
    EXPECT_EQ(readLapRecords(log.file()).size(), 7u);
}

// Read as it stands (ReadLapLog) the log says its partial tail too.
TEST_F(LapLogTest, ReplayOfTruncatedLogStopsAtItsLastWholeRecord) {
    writeRecords(folder / "VLTAVLT.TMP", {header(), pass(1, 1, 5, 99.9999f)}, 10);
    const LapLogContents contents = ReadLapLog(folder / "VLTAVLT.TMP");
    EXPECT_EQ(std::tuple(contents.records.size(), contents.truncated), std::tuple(2u, true));
    EXPECT_TRUE(ReadLapLog(folder / "missing").records.empty());
    LapLog log(folder);
    int applied = 0;
    const ReplayResult result = log.Replay(8, [&](const LapRecord&) { ++applied; });
    EXPECT_EQ(std::tuple(result.ok, result.truncated, result.records), std::tuple(true, true, 2u));
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(fs::file_size(log.file()), 48u);
    EXPECT_FALSE(fs::exists(log.backupFile()));
}

// A backup beside a whole log is stale and goes; one beside a log whose copy
// stopped part-way is the log replayed.
TEST_F(LapLogTest, BackupOfAnEarlierReplayIsDeletedOrRestored) {
    const std::vector<LapRecord> heat = {header(), pass(1, 1, 5, 99.9999f), pass(1, 2, 10, 5)};
    for (const bool interrupted : {false, true}) {
        writeRecords(folder / "VLTAVLT.TMP", interrupted ? std::vector<LapRecord>{heat[0]} : heat);
        writeRecords(folder / "VLTAVLT.BAK", interrupted ? heat : std::vector<LapRecord>{pass(3, 1, 1, 1)});
        LapLog log(folder);
        const ReplayResult result = log.Replay(8, {});
        EXPECT_EQ(std::tuple(result.ok, result.restoredBackup, result.records),
                  std::tuple(true, interrupted, 3u));
        EXPECT_EQ(readLapRecords(log.file()), heat);
        EXPECT_FALSE(fs::exists(log.backupFile()));
    }
}

TEST_F(LapLogTest, CopyToSeriesPlacesHeatsInTurnOverwritesARerunAndDropsAPartialTail) {
    const fs::path vav = folder / "CRS001.VAV";
    const auto heat1 = closedHeat(1, 2);  // header, 2 laps, end: 4 records, number 3
    ASSERT_TRUE(CopyLapLogToSeries(folder / kLapLogName, vav, 1));
    EXPECT_EQ(readLapRecords(vav), heat1);

    const auto heat2 = closedHeat(2, 3);
    ASSERT_TRUE(CopyLapLogToSeries(folder / kLapLogName, vav, 2));
    auto series = readLapRecords(vav);
    ASSERT_EQ(series.size(), 9u);
    EXPECT_EQ(std::vector<LapRecord>(series.begin() + 4, series.end()), heat2);

    const auto rerun = closedHeat(2, 0);  // heat 2 run again, shorter
    ASSERT_TRUE(CopyLapLogToSeries(folder / kLapLogName, vav, 2));
    series = readLapRecords(vav);
    ASSERT_EQ(series.size(), 6u);
    EXPECT_EQ(std::vector<LapRecord>(series.begin(), series.begin() + 4), heat1);
    EXPECT_EQ(std::vector<LapRecord>(series.begin() + 4, series.end()), rerun);

    {
        std::ofstream out(vav, std::ios::binary | std::ios::app);
        out << "garbage";  // a partial tail of the series file is no record
    }
    closedHeat(3, 1);
    ASSERT_TRUE(CopyLapLogToSeries(folder / kLapLogName, vav, 3));
    EXPECT_EQ(fs::file_size(vav), 9 * kLapRecordSize);
    EXPECT_FALSE(CopyLapLogToSeries(folder / "missing.TMP", vav, 4));
}

TEST_F(LapLogTest, CopyStartFallsBackWhenThePreviousHeaderIsMissingOrDamaged) {
    const std::vector<LapRecord> noHeader = {pass(1, 1, 1, 1), pass(1, 2, 2, 2)};
    EXPECT_EQ(SeriesCopyStart(noHeader, 3), 1u);
    EXPECT_EQ(SeriesCopyStart({}, 2), 1u);
    // A count running past the end appends right after the file, leaving no gap.
    const std::vector<LapRecord> huge = {LapRecord{0, 0, 1000, 1, 0, 30000, 0, 0}, pass(1, 1, 1, 1)};
    EXPECT_EQ(SeriesCopyStart(huge, 2), 3u);
    // A negative count never lets the copy overwrite the header itself.
    const std::vector<LapRecord> negative = {pass(1, 1, 1, 1), LapRecord{0, 0, 1000, 1, 0, -5, 0, 0},
                                             pass(1, 1, 1, 1), pass(1, 1, 1, 1)};
    EXPECT_EQ(SeriesCopyStart(negative, 2), 4u);
}

}  // namespace
}  // namespace sc
