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

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST_F(DumpTest, HeatFileShowsEveryBlockWithShortSingles) {
    HeatRecord row;
    row.participant = 2;
    row.totalLaps = 41.25f;
    row.fastestLap = 5.1234f;
    row.position = -1;
    row.lane = 3;
    row.placesGained = 1;
    auto file =
        put("CRS001.DAD", concat({encodeHeatRecord(HeatRecord::header(1, 40123.2578125f, 1)),
                                  encodeHeatRecord(row), encodeHeatRecord(HeatRecord::header(2, 0, 0))}));
    ToolRun run = tool("dump '" + file.string() + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("5.1234"), std::string::npos);
    EXPECT_EQ(run.out.find("5.12340"), std::string::npos) << run.out;
    Json j = Json::parse(run.out);
    EXPECT_EQ(j["kind"], "heats");
    ASSERT_EQ(j["heats"].size(), 2u);
    const Json& h = j["heats"][0];
    EXPECT_EQ(h["record"], 1);
    EXPECT_EQ(h["heat"], 1);
    EXPECT_EQ(h["count"], 1);
    EXPECT_EQ(static_cast<float>(h["start"].get<double>()), 40123.2578125f);
    EXPECT_EQ(h["rows"][0]["participant"], 2);
    EXPECT_EQ(h["rows"][0]["position"], -1);
    EXPECT_EQ(h["rows"][0]["lane"], 3);
    EXPECT_EQ(h["rows"][0]["placesGained"], 1);
    EXPECT_EQ(h["rows"][0]["totalLaps"], 41.25);
    EXPECT_EQ(j["heats"][1]["record"], 3);
    EXPECT_TRUE(j["heats"][1]["rows"].empty());
}

TEST_F(DumpTest, LapFilesAreRecognisedWhateverTheCase) {
    LapRecord header{0, 0, 40123.5f, 3, 0, 0, 0, 0};
    LapRecord first{2, 7, 5.5f, 99.9999f, -1, 1, 0, 0};
    const Bytes data = concat({encodeLapRecord(header), encodeLapRecord(first)});
    for (const char* name : {"VLTAVLT.TMP", "vltavlt.bak", "crs001.vav", "OFC002.HDW"}) {
        ToolRun run = tool("dump '" + put(name, data).string() + "'");
        ASSERT_EQ(run.status, 0) << name << run.err;
        EXPECT_NE(run.out.find("99.9999"), std::string::npos);
        EXPECT_EQ(run.out.find("99.99990"), std::string::npos);
        Json j = Json::parse(run.out);
        EXPECT_EQ(j["kind"], "laps");
        ASSERT_EQ(j["records"].size(), 2u);
        EXPECT_EQ(j["records"][0]["lapTime"], 3);
        EXPECT_EQ(j["records"][1]["lane"], 2);
        EXPECT_EQ(j["records"][1]["participant"], 7);
        EXPECT_EQ(j["records"][1]["best"], -1);
        EXPECT_EQ(j["records"][1]["number"], 1);
        EXPECT_EQ(j["records"][1]["passTime"], 5.5);
    }
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
    Json j = dump(file);
    EXPECT_EQ(j["kind"], "penalties");
    ASSERT_EQ(j["records"].size(), 1u);
    EXPECT_EQ(j["records"][0]["participant"], 3);
    EXPECT_EQ(j["records"][0]["penalty"], 1.5);
    EXPECT_EQ(j["records"][0]["reason"], "Tàll");
}

TEST_F(DumpTest, ValueFilesShowTheirNumbers) {
    auto file = put("KEL4.TMP", Bytes{' ', '1', '\r', '\n', ' ', '4', '\r', '\n', '-', '1', '\r', '\n',
                                      ' ', '4', '0',  '1',  '2', '3', '.',  '2',  '5', '8', '\r', '\n'});
    Json j = dump(file);
    EXPECT_EQ(j["kind"], "values");
    EXPECT_EQ(j["values"], Json::parse("[1, 4, -1, 40123.258]"));
    EXPECT_EQ(dump(put("kel4.ini", Bytes{' ', '0', '\r', '\n'}))["values"], Json::parse("[0]"));
}

TEST_F(DumpTest, ParticipantsRaceAndCatalogue) {
    Json p = dump(put("CRS001.PAR", Bytes{2, 0, 3, 0, 'A', 'n', 'a', 0, 0}));
    EXPECT_EQ(p["kind"], "participants");
    EXPECT_EQ(p["heats"], 2);
    EXPECT_EQ(p["names"], Json::parse(R"(["Ana", ""])"));

    Bytes header(19, 0);
    header[0] = 1;
    header[6] = 2;
    header = concat({header, Bytes{3, 0, 'G', 'P', '1', 4, 0, '1', '/', '5', '/'}});
    Json r = dump(put("PROVA.DAD", header));
    EXPECT_EQ(r["kind"], "race");
    EXPECT_EQ(r["SeriesCount"], Json::parse("[1, 0, 0, 2]"));
    EXPECT_EQ(r["name"], "GP1");
    EXPECT_EQ(r["date"], "1/5/");

    Json c = dump(put("proves.lls", Bytes{1, 0, 'X', 0, 0, 1, 0, 'Y', 1, 0, 'Z'}));
    EXPECT_EQ(c["kind"], "catalogue");
    EXPECT_EQ(c["races"], Json::parse(R"([{"name":"X","date":""},{"name":"Y","date":"Z"}])"));
}

TEST_F(DumpTest, TrackAndSettingsShowLoadedValues) {
    Bytes track(300, 0);
    track[4] = 100;  // ComaDivisions
    track[9] = 1;    // one connection
    track[11] = 3;   // port 3
    track[13] = 1;   // first lane 1
    track[29] = 3;   // three lanes
    track[31] = 3;
    track[33] = 1;
    track[35] = 2;
    Json t = dump(put("PISTA.CFG", track));
    EXPECT_EQ(t["kind"], "track");
    EXPECT_EQ(t["ConnectionPort"], Json::parse("[3]"));
    EXPECT_EQ(t["ConnectionFirstLane"], Json::parse("[1]"));
    EXPECT_EQ(t["LaneChange"], Json::parse("[3, 3, 1, 2]"));
    EXPECT_EQ(t["SplitEnabled"], 0);
    EXPECT_EQ(t["SectorLane"], 2);
    EXPECT_EQ(t["SpeedTrapLane"], 3);
    EXPECT_EQ(t["ComaFormat"], "0.000");

    Bytes settings(21 + 10, 0);
    settings[4] = 0xFE;  // AskComas -2 loads as 0
    settings[5] = 0xFF;
    settings[9] = 2;
    settings[19] = 5;
    settings[21] = 12;
    Json s = dump(put("virola.cfg", settings));
    EXPECT_EQ(s["kind"], "settings");
    EXPECT_EQ(s["AskComas"], 0);
    EXPECT_EQ(s["LapCounterModel"], 2);
    EXPECT_EQ(s["Colours"], Json::parse("[12, 0, 0, 0, 0]"));
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

TEST_F(DumpTest, HelpExplainsTheCommand) {
    ToolRun run = tool("dump --help");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("--as"), std::string::npos);
}

}  // namespace
}  // namespace sc
