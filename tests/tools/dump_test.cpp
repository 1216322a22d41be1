#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "core/file_io.h"
#include "core/heat_record.h"
#include "core/lap_record.h"
#include "temp_folder.h"
#include "tool_run.h"

namespace sc {
namespace {
namespace fs = std::filesystem;
using Json = nlohmann::json;

using test::ToolRun;

class DumpTest : public testing::Test {
protected:
    fs::path put(const std::string& name, const Bytes& data) {
        auto file = folder_ / name;
        EXPECT_TRUE(writeFileAtomic(file, data));
        return file;
    }

    ToolRun tool(const std::string& args) { return test::runTool(args, folder_ / "stderr.txt"); }

    Json dump(const fs::path& file, const std::string& extra = "") {
        ToolRun run = tool("dump '" + file.string() + "' " + extra);
        EXPECT_EQ(run.status, 0) << run.err;
        return Json::parse(run.out, nullptr, false);
    }

    // The one-line message names the file and the offset; exit status 1.
    void expectFailure(const fs::path& file, const std::string& where) {
        ToolRun run = tool("dump '" + file.string() + "'");
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_NE(run.err.find(file.string() + ": " + where), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }

    test::TempFolder temp_;
    const fs::path& folder_ = temp_.path();
};

Bytes bytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST_F(DumpTest, HeatFileShowsEveryBlockWithShortSingles) {
    const HeatRecord row{.participant = 2,
                         .totalLaps = 41.25f,
                         .fastestLap = 5.1234f,
                         .position = -1,
                         .lane = 3,
                         .placesGained = 1};
    auto file =
        put("CRS001.DAD", concat({encodeHeatRecord(HeatRecord::header(1, 40123.2578125f, 1)),
                                  encodeHeatRecord(row), encodeHeatRecord(HeatRecord::header(2, 0, 0))}));
    // Singles as their shortest text: 40123.2578125 is the Single nearest 40123.258.
    EXPECT_EQ(dump(file), Json::parse(R"({"kind":"heats","heats":[
        {"record":1,"heat":1,"start":40123.258,"count":1,"rows":[{"participant":2,"totalLaps":41.25,
         "passTime":0,"fastestLap":5.1234,"fastestLane":0,"position":-1,"lane":3,"heatLaps":0,
         "placesGained":1,"lastLap":0,"bestLap":0,"key0":0,"key1":0,"key2":0}]},
        {"record":3,"heat":2,"start":0,"count":0,"rows":[]}]})"));
}

TEST_F(DumpTest, LapFilesAreRecognisedWhateverTheCase) {
    const Bytes data = concat({encodeLapRecord(LapRecord{0, 0, 40123.5f, 3, 0, 0, 0, 0}),
                               encodeLapRecord(LapRecord{2, 7, 5.5f, 99.9999f, -1, 1, 0, 0})});
    const Json expected = Json::parse(R"({"kind":"laps","records":[
        {"lane":0,"participant":0,"passTime":40123.5,"lapTime":3,"best":0,"number":0,"extra1":0,"extra2":0},
        {"lane":2,"participant":7,"passTime":5.5,"lapTime":99.9999,"best":-1,"number":1,
         "extra1":0,"extra2":0}]})");
    for (const char* name : {"VLTAVLT.TMP", "vltavlt.bak", "crs001.vav", "OFC002.HDW"})
        EXPECT_EQ(dump(put(name, data)), expected) << name;
}

TEST_F(DumpTest, AsOverridesTheName) {
    auto file = put("copy.bin", encodeLapRecord(LapRecord{1, 1, 2, 2, 0, 1, 0, 0}));
    EXPECT_EQ(dump(file, "--as laps")["records"].size(), 1u);
    ToolRun unknown = tool("dump '" + file.string() + "'");
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("--as"), std::string::npos);
    EXPECT_NE(tool("dump '" + file.string() + "' --as nonsense").status, 0);
}

TEST_F(DumpTest, PenaltiesShowReasonsAsUtf8) {
    auto file = put("CRS001.PEN", Bytes{3, 0, 0, 0, 0xC0, 0x3F, 4, 0, 'T', 0xE0, 'l', 'l'});
    EXPECT_EQ(
        dump(file),
        Json::parse(R"({"kind":"penalties","records":[{"participant":3,"penalty":1.5,"reason":"Tàll"}]})"));
}

TEST_F(DumpTest, ValueFilesShowTheirNumbers) {
    EXPECT_EQ(dump(put("KEL4.TMP", bytes(" 1\r\n 4\r\n-1\r\n 40123.258\r\n"))),
              Json::parse(R"({"kind":"values","values":[1, 4, -1, 40123.258]})"));
    EXPECT_EQ(dump(put("kel4.ini", bytes(" 0\r\n")))["values"], Json::parse("[0]"));
}

TEST_F(DumpTest, ParticipantsRaceAndCatalogue) {
    EXPECT_EQ(dump(put("CRS001.PAR", Bytes{2, 0, 3, 0, 'A', 'n', 'a', 0, 0})),
              Json::parse(R"({"kind":"participants","heats":2,"names":["Ana", ""]})"));

    // Series counts 1, 0, 0, 2 padded to 19 bytes, then the name and the date.
    const Bytes header = concat(
        {Bytes{1, 0, 0, 0, 0, 0, 2}, Bytes(12, 0), Bytes{3, 0, 'G', 'P', '1', 4, 0, '1', '/', '5', '/'}});
    EXPECT_EQ(dump(put("PROVA.DAD", header)),
              Json::parse(R"({"kind":"race","SeriesCount":[1, 0, 0, 2],"name":"GP1","date":"1/5/"})"));
    EXPECT_EQ(
        dump(put("proves.lls", Bytes{1, 0, 'X', 0, 0, 1, 0, 'Y', 1, 0, 'Z'})),
        Json::parse(R"({"kind":"catalogue","races":[{"name":"X","date":""},{"name":"Y","date":"Z"}]})"));
}

TEST_F(DumpTest, TrackAndSettingsShowLoadedValues) {
    // Coma divisions 100; one connection, on port 3 from lane 1; three lanes changed 3, 1, 2.
    Bytes track(300, 0);
    for (auto [offset, value] :
         {std::pair{4, 100}, {9, 1}, {11, 3}, {13, 1}, {29, 3}, {31, 3}, {33, 1}, {35, 2}})
        track[offset] = value;
    // No sector switch: the sector and trap fields and the partials take their defaults.
    EXPECT_EQ(dump(put("PISTA.CFG", track)),
              Json::parse(R"({"kind":"track","MinLapTime":0,"ComaDivisions":100,"ConnectionCount":1,
        "ConnectionPort":[3],"ConnectionFirstLane":[1],"LaneCount":3,"LaneChange":[3,3,1,2],"SplitEnabled":0,
        "SectorCount":3,"SectorLane":2,"SpeedTrapLane":3,"SpeedTrapDistance":40,
        "PartialCount":0,"PartialStep":0,"ComaZeros":"000","ComaFormat":"0.000"})"));

    // AskComas -2 loads as 0; model 2; five colours, the first 12.
    Bytes settings(21 + 10, 0);
    for (auto [offset, value] : {std::pair{4, 0xFE}, {5, 0xFF}, {9, 2}, {19, 5}, {21, 12}})
        settings[offset] = value;
    EXPECT_EQ(dump(put("virola.cfg", settings)), Json::parse(R"({"kind":"settings","Language":0,"AskComas":0,
        "AutoScrollSeconds":0,"SettingsVersion":0,"LapCounterModel":2,"ColourCount":5,
        "Colours":[12,0,0,0,0]})"));
}

TEST_F(DumpTest, DamagedFilesGiveOneLineWithTheOffsetAndStatus1) {
    expectFailure(folder_ / "CRS009.DAD", "offset 0");
    expectFailure(put("CRS001.DAD", encodeHeatRecord(HeatRecord::header(1, 0, 4))), "offset 24");
    expectFailure(put("CRS002.DAD", Bytes(75, 0)), "offset 50");
    expectFailure(put("CRS001.VAV", Bytes(30, 0)), "offset 24");
    expectFailure(put("CRS001.PEN", Bytes{1, 0, 0, 0, 0x80, 0x3F, 0xFF, 0xFF}), "offset 6");
    expectFailure(put("CRS001.PAR", Bytes{1, 0, 9, 0, 'a'}), "offset 2");
    expectFailure(folder_ / "KEL4.TMP", "offset 0");
}

}  // namespace
}  // namespace sc
