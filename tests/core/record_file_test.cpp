#include "core/record_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <tuple>

#include "core/file_io.h"
#include "failure_offset.h"
#include "temp_folder.h"

namespace sc {
namespace {
namespace fs = std::filesystem;

class RecordFileTest : public testing::Test {
protected:
    fs::path file(const std::string& name) const { return folder_ / name; }
    test::TempFolder temp_;
    const fs::path& folder_ = temp_.path();
};

HeatRecord row(int16_t participant, int16_t lane) {
    HeatRecord r;
    r.participant = participant;
    r.lane = lane;
    r.totalLaps = 10.5f * participant;
    return r;
}

Bytes heatFile(const std::vector<HeatRecord>& records) {
    Bytes data;
    for (const auto& r : records) {
        auto b = encodeHeatRecord(r);
        data.insert(data.end(), b.begin(), b.end());
    }
    return data;
}

TEST_F(RecordFileTest, WritePastTheEndGrowsTheFileWithZeroRecordsAndRefusesRecordZeroOrAWrongSize) {
    RecordFile f(file("CRS001.VAV"), 24);
    EXPECT_EQ(f.count(), 0u);
    EXPECT_FALSE(f.read(1));
    EXPECT_FALSE(f.write(0, Bytes(24, 1)));
    EXPECT_FALSE(f.write(1, Bytes(23, 1)));
    EXPECT_FALSE(fs::exists(f.file()));
    ASSERT_TRUE(f.write(3, Bytes(24, 0xAB)));
    EXPECT_EQ(fs::file_size(f.file()), 72u);
    EXPECT_EQ(f.count(), 3u);
    EXPECT_EQ(*f.read(1), Bytes(24, 0));
    EXPECT_EQ(*f.read(3), Bytes(24, 0xAB));
    EXPECT_FALSE(f.read(4));
    EXPECT_FALSE(f.read(0));
}

TEST_F(RecordFileTest, WriteInPlaceLeavesEveryOtherByteUntouched) {
    Bytes original(150);
    std::iota(original.begin(), original.end(), 0);
    ASSERT_TRUE(writeFileAtomic(file("CRS001.DAD"), original));
    RecordFile f(file("CRS001.DAD"), 50);
    ASSERT_TRUE(f.write(2, Bytes(50, 0xEE)));
    Bytes expected = original;
    std::fill(expected.begin() + 50, expected.begin() + 100, 0xEE);
    EXPECT_EQ(readFileBytes(f.file()), expected);
}

TEST_F(RecordFileTest, PartialTailIsNotARecord) {
    ASSERT_TRUE(writeFileAtomic(file("VLTAVLT.TMP"), Bytes(24 * 2 + 5, 0)));
    RecordFile f(file("VLTAVLT.TMP"), 24);
    EXPECT_EQ(f.count(), 2u);
    EXPECT_EQ(f.readAll().size(), 2u);
    EXPECT_FALSE(f.read(3));
    EXPECT_EQ(readLapRecords(f.file()).size(), 2u);
}

TEST_F(RecordFileTest, TypedRecordsRoundTripThroughTheFile) {
    LapRecord lap{2, 5, 12.25f, 6.125f, -1, 3, 0, 0};
    ASSERT_TRUE(writeLapRecord(file("L.VAV"), 2, lap));
    EXPECT_EQ(readLapRecord(file("L.VAV"), 2), lap);
    EXPECT_EQ(readLapRecord(file("L.VAV"), 1), LapRecord{});
    EXPECT_EQ(readLapRecords(file("L.VAV")).size(), 2u);

    ASSERT_TRUE(writeHeatRecord(file("H.DAD"), 1, HeatRecord::header(1, 100.5f, 2)));
    EXPECT_EQ(readHeatRecord(file("H.DAD"), 1)->count(), 2);
    EXPECT_FALSE(readHeatRecord(file("H.DAD"), 2));
}

TEST(DecodeLapRecords, LengthNotAMultipleOf24FailsAtThePartialRecord) {
    EXPECT_EQ(test::failureOffset([] { decodeLapRecords(Bytes(24 * 3 + 7, 0), "CRS001.VAV"); }), 72u);
    EXPECT_EQ(decodeLapRecords(Bytes(48, 0), "CRS001.VAV").size(), 2u);
    EXPECT_TRUE(decodeLapRecords(Bytes{}, "CRS001.VAV").empty());
}

TEST(WalkHeatBlocks, WalksHeaderToHeader) {
    auto data = heatFile(
        {HeatRecord::header(1, 100, 2), row(1, 1), row(2, 2), HeatRecord::header(2, 200, 1), row(2, 1)});
    auto blocks = walkHeatBlocks(data, "CRS001.DAD");
    ASSERT_EQ(blocks.size(), 2u);
    auto whole = [](const HeatBlock& b) { return std::tuple(b.record, b.header, b.rows); };
    EXPECT_EQ(whole(blocks[0]),
              std::tuple(1u, HeatRecord::header(1, 100, 2), std::vector{row(1, 1), row(2, 2)}));
    EXPECT_EQ(whole(blocks[1]), std::tuple(4u, HeatRecord::header(2, 200, 1), std::vector{row(2, 1)}));
    // An empty file and heats without participants are valid.
    EXPECT_TRUE(walkHeatBlocks(Bytes{}, "CRS001.DAD").empty());
    blocks = walkHeatBlocks(heatFile({HeatRecord::header(1, 0, 0), HeatRecord::header(2, 0, 0)}), "f");
    EXPECT_EQ(blocks.size(), 2u);
    // Heat 2 cancelled (counter 1): its block, still in the file, no longer counts.
    EXPECT_EQ(countedHeatBlocks(blocks, 1), 1u);
    EXPECT_EQ(countedHeatBlocks(blocks, 2), 2u);
    EXPECT_EQ(countedHeatBlocks(blocks, 5), 2u);
    EXPECT_EQ(countedHeatBlocks(blocks, 0), 2u);  // nothing counted yet says nothing
}

void expectWalkFailsAt(const Bytes& data, std::size_t offset) {
    EXPECT_EQ(test::failureOffset([&] { walkHeatBlocks(data, "CRS001.DAD"); }), offset);
}

TEST(WalkHeatBlocks, DamagedFilesFailWithTheOffset) {
    // A count that runs past the end points at the count of the header.
    expectWalkFailsAt(
        heatFile({HeatRecord::header(1, 0, 1), row(1, 1), HeatRecord::header(2, 0, 3), row(1, 2)}), 100 + 24);
    // A negative count.
    expectWalkFailsAt(heatFile({HeatRecord::header(1, 0, -1), row(1, 1)}), 24);
    // A participant record where the next header belongs.
    expectWalkFailsAt(heatFile({HeatRecord::header(1, 0, 1), row(1, 1), row(2, 2)}), 100);
    // A length that is not a multiple of 50.
    auto data = heatFile({HeatRecord::header(1, 0, 1), row(1, 1)});
    data.resize(data.size() + 10);
    expectWalkFailsAt(data, 100);
    // The largest count on a short file stops at once.
    expectWalkFailsAt(heatFile({HeatRecord::header(1, 0, 32767)}), 24);
    EXPECT_EQ(test::failureOffset([] { readHeatBlocks("/nowhere/CRS009.DAD"); }), 0u);  // missing
}

}  // namespace
}  // namespace sc
