// Runs the built slotcursa-tool print on a race folder written by hand.
#include <gtest/gtest.h>

#include <string>

#include "core/race_store.h"
#include "results/results_series_files.h"
#include "temp_folder.h"
#include "tool_run.h"

namespace sc {
namespace {

test::ToolRun runPrint(const std::string& arguments) { return test::runTool("print " + arguments); }

// Race 7, one race series: Anna 10 laps in heat 1, Biel 9; Biel 8 more in heat 2.
class PrintCommand : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(race);
        ASSERT_TRUE(
            writeRaceHeader(race / kRaceHeaderFileName, RaceHeader{{0, 0, 0, 1}, "Cursa", "01-02-2026"}));
        test::writeNames(race / "CRS001.PAR", 2, {"Anna", "Biel"});
        test::writeHeatFile(race / "CRS001.DAD",
                            {{1,
                              36000,
                              {test::resultRecord(1, 10, 36050, 5.1f, 1, 10, 5.1f),
                               test::resultRecord(2, 9, 36040, 5.0f, 2, 9, 5.0f)}},
                             {2, 36200, {test::resultRecord(2, 17, 36250, 5.0f, 1, 8, 5.3f)}}});
    }
    std::string folder() const { return "'" + race.string() + "'"; }

    test::TempFolder temp;
    std::filesystem::path race = temp.path() / "PROVA007";
};

TEST_F(PrintCommand, QuadrantOfARaceFolderAsText) {
    const test::ToolRun run = runPrint(folder() + " quadrant-fastest");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "\n\n"
              "Cursa" +
                  std::string(80, ' ') +
                  "01-02-2026\n"  // the date ends at column 95
                  "\n"
                  "Quadrant de voltes ràpides acabada la màniga 2\n"
                  "Cursa\n"
                  "\n\n"
                  "     Participant               1       2    Millor\n"
                  "  1  Anna                 5.1000       -    5.1000\n"
                  "  2  Biel                 5.0000  5.3000    5.0000\n");
}

TEST_F(PrintCommand, BadFolderOrSeriesGiveOneLine) {
    EXPECT_EQ(runPrint("'" + temp.path().string() + "' results").out,
              "slotcursa-tool: FOLDER must be a race folder PROVAnnn, not '" +
                  temp.path().filename().string() + "'\n");
    const test::ToolRun run = runPrint(folder() + " results --series 2");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "slotcursa-tool: the race has no series 2 in modality 4\n");
}

}  // namespace
}  // namespace sc
