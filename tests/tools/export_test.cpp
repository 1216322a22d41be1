#include <gtest/gtest.h>

#include <fstream>

#include "core/race_store.h"
#include "temp_folder.h"
#include "tool_run.h"

namespace sc {
namespace {
namespace fs = std::filesystem;

std::string slurp(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A race with a race series and no heat yet: the export prints its caption
// and dashes; the display files are empty; a missing race is refused.
TEST(ExportToolTest, ExportTextAndDisplayFilesOfARace) {
    test::TempFolder app;
    const fs::path race = app.path() / "PROVA001";
    fs::create_directories(race);
    writeRaceHeader(race / kRaceHeaderFileName, RaceHeader{{0, 0, 0, 1}, "Copa", "06-12-2026"});
    const std::string folder = "'" + app.path().string() + "'";

    const test::ToolRun text = test::runTool(
        "export-text " + folder + " 1 '" + (app.path() / "copa.txt").string() + "'", app.path() / "err");
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(slurp(app.path() / "copa.txt"), "Cursa\r\n" + std::string(100, '-') + "\r\n\r\n");

    const test::ToolRun display = test::runTool("display-files " + folder + " 1", app.path() / "err");
    ASSERT_EQ(display.status, 0) << display.err;
    EXPECT_EQ(display.out, "ENTRENAMENTS.TXT, REPESQUES.TXT i CURSA.TXT escrits a PROVA001.\n");
    for (const char* file : {"ENTRENAMENTS.TXT", "REPESQUES.TXT", "CURSA.TXT"})
        EXPECT_TRUE(fs::exists(race / file));

    const test::ToolRun missing = test::runTool("export-text " + folder + " 2 x.txt", app.path() / "err");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("no race 2"), std::string::npos);
}

}  // namespace
}  // namespace sc
