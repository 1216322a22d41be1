// The race modality's "Nova sèrie" driven end to end: the first race series
// built from the official practice and its programme opened.
#include <gtest/gtest.h>

#include "app/app_test_helpers.h"
#include "core/race_store.h"
#include "results/results_series_files.h"
#include "tool_run.h"

namespace sc {
namespace {
namespace fs = std::filesystem;

std::string runScript(const fs::path& folder, const std::string& script) {
    test::writeText(folder.parent_path() / "script.txt", script);
    const test::ToolRun run = test::runTool("run --folder '" + folder.string() + "' '" +
                                            (folder.parent_path() / "script.txt").string() + "'");
    EXPECT_EQ(run.status, 0) << run.out;
    return run.out;
}

TEST(QualificationRun, AddSeriesFourBuildsTheFirstRaceSeriesAndOpensIt) {
    test::TempFolder temp;
    const fs::path app = temp.path() / "prog";
    fs::create_directories(app);
    test::writeText(app / "DISTRIBUCIONS08.TXT", "8,16\n");  // no repechages
    runScript(app,
              "track lanes=8\nstart\nnew-race Copa | 01-01-2026\nanswer yes\nadd-series 2\n"
              "participants 2 R08;R07;R06;R05;R04;R03;R02;R01\nquit\n");
    // Slot j finished 9 - j: the fastest lap says the place.
    std::vector<HeatRecord> rows;
    for (int slot = 1; slot <= 8; ++slot)
        rows.push_back(test::resultRecord(slot, 10, 36000 + slot, 5.0f + 0.01f * (9 - slot), 1, 10, 5));
    test::writeHeatFile(app / "PROVA001" / "OFC001.DAD", {{1, 36000, rows}});

    const std::string out = runScript(app,
                                      "start\nanswer yes\nadd-series 4\nparticipants-show 4 1\nstate\n"
                                      "close\nanswer yes\nadd-series 4\nparticipants-show 4 2\nstate\n");
    EXPECT_NE(out.find("Cursa. Vols crear la sèrie n. 1?"), std::string::npos) << out;
    EXPECT_NE(out.find("No hi ha repesques programades."), std::string::npos) << "programme opened: " << out;
    EXPECT_NE(
        out.find(
            R"({"participants":{"file":"CRS001.PAR","names":["R08","R07","R05","R03","R01","R02","R04","R06"]}})"),
        std::string::npos)
        << out;
    EXPECT_NE(out.find(R"("CurrentModality":4,"CurrentSeries":1,)"), std::string::npos) << out;
    // Race series 1 has no results yet: one empty series, no programme.
    EXPECT_NE(out.find(R"({"participants":{"file":"CRS002.PAR","names":[]}})"), std::string::npos) << out;
    EXPECT_NE(out.find(R"("CurrentModality":0,)"), std::string::npos) << out;
}

}  // namespace
}  // namespace sc
