// slotcursa-tool on a program folder holding race 1, "Copa", of one race series
// and no heat yet: archive and restore, the text export and the display files.
#include <gtest/gtest.h>

#include <fstream>

#include "core/file_io.h"
#include "core/race_store.h"
#include "temp_folder.h"
#include "tool_run.h"

namespace sc {
namespace {
namespace fs = std::filesystem;

std::string slurp(const fs::path& file) {
    auto data = readFileBytes(file);
    return data ? std::string(data->begin(), data->end()) : "";
}

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

class RaceFolderCommands : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(race);
        ASSERT_TRUE(
            writeRaceHeader(race / kRaceHeaderFileName, RaceHeader{{0, 0, 0, 1}, "Copa", "06-12-2026"}));
    }
    test::ToolRun tool(const std::string& args) { return test::runTool(args, root.path() / "err"); }

    test::TempFolder root;
    fs::path app = root.path() / "app";
    fs::path race = app / "PROVA001";
};

TEST_F(RaceFolderCommands, ArchiveThenRestoreOnAnotherProgramFolder) {
    const fs::path to = root.path() / "to", archive = root.path() / "copa.prb";
    fs::create_directories(to);
    std::ofstream(race / "CRS001.DAD", std::ios::binary) << std::string(5000, 'r');

    test::ToolRun packed = tool("archive " + quoted(app) + " 1 " + quoted(archive));
    ASSERT_EQ(packed.status, 0) << packed.err;
    EXPECT_EQ(packed.err, "");  // no progress when stderr is no terminal
    test::ToolRun unpacked = tool("restore " + quoted(archive) + " " + quoted(to));
    ASSERT_EQ(unpacked.status, 0) << unpacked.err;
    EXPECT_EQ(unpacked.out, "restored as race 1 (PROVA001)\n");
    EXPECT_EQ(slurp(to / "PROVA001" / "CRS001.DAD"), std::string(5000, 'r'));
    EXPECT_EQ(readCatalogue(to / kCatalogueFileName), (std::vector<CatalogueEntry>{{"Copa", "06-12-2026"}}));

    std::ofstream(archive, std::ios::binary) << "not an archive";
    test::ToolRun refused = tool("restore " + quoted(archive) + " " + quoted(to));
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "slotcursa-tool: El format de l'arxiu no és correcte\n");
    EXPECT_FALSE(fs::exists(to / "PROVA002"));
    EXPECT_EQ(tool("archive " + quoted(app) + " 2 " + quoted(archive)).status, 1);
}

// The export prints the caption and dashes; the display files are empty; a missing race is refused.
TEST_F(RaceFolderCommands, ExportTextAndDisplayFilesOfARace) {
    const test::ToolRun text = tool("export-text " + quoted(app) + " 1 " + quoted(root.path() / "copa.txt"));
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(slurp(root.path() / "copa.txt"), "Cursa\r\n" + std::string(100, '-') + "\r\n\r\n");

    const test::ToolRun display = tool("display-files " + quoted(app) + " 1");
    ASSERT_EQ(display.status, 0) << display.err;
    EXPECT_EQ(display.out, "ENTRENAMENTS.TXT, REPESQUES.TXT i CURSA.TXT escrits a PROVA001.\n");
    for (const char* file : {"ENTRENAMENTS.TXT", "REPESQUES.TXT", "CURSA.TXT"})
        EXPECT_TRUE(fs::exists(race / file));

    const test::ToolRun missing = tool("export-text " + quoted(app) + " 2 x.txt");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("no race 2"), std::string::npos);
}

}  // namespace
}  // namespace sc
