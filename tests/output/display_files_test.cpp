#include "output/display_files.h"

#include <gtest/gtest.h>

#include "app/app_test_helpers.h"
#include "core/race_store.h"
#include "results/results_series_files.h"
#include "temp_folder.h"

namespace sc {
namespace {
namespace fs = std::filesystem;
using test::resultRecord;

// Two lanes; official practice Anna and Biel over two heats; race series 1
// Anna, Biel, Carla; race series 2 the one repechage of the record "3,3".
TEST(DisplayFilesTest, OneLinePerParticipantInRankedOrder) {
    test::TempFolder app;
    RaceState state;
    state.AppFolder = app.path();
    state.CurrentRace = 1;
    state.Track.LaneCount = 2;
    test::addRace(app.path(), "Copa", "06-12-2026", {0, 1, 0, 2});
    const fs::path race = app.path() / raceFolderName(1);
    test::writeNames(race / "OFC001.PAR", 2, {"Anna", "Biel"});
    test::writeHeatFile(
        race / "OFC001.DAD",
        {{1, 100, {resultRecord(1, 5, 150, 5.2f, 1, 5, 5.2f), resultRecord(2, 5, 151, 5.0f, 2, 5, 5.0f)}},
         {2, 200, {resultRecord(1, 11, 250, 5.1f, 2, 6, 5.1f), resultRecord(2, 10, 252, 5.0f, 1, 5, 5.3f)}}});
    test::writeNames(race / "CRS001.PAR", 1, {"Anna", "Biel", "Carla"});
    test::writeHeatFile(race / "CRS001.DAD",
                        {{1,
                          36000,
                          {resultRecord(1, 10, 36049, 5, 1, 10, 5), resultRecord(2, 12, 36050, 5, 2, 12, 5),
                           resultRecord(3, 12, 36050.5f, 5, 1, 12, 5)}}});
    test::writeNames(race / "CRS002.PAR", 1, {"Anna", "Carla"});
    test::writeHeatFile(
        race / "CRS002.DAD",
        {{1, 37000, {resultRecord(1, 8, 37050, 5, 1, 8, 5), resultRecord(2, 9, 37050, 5, 2, 9, 5)}}});

    // No distribution file: no repechages are known.
    ASSERT_TRUE(WriteDisplayFiles(state, 1).ok());
    EXPECT_EQ(test::readText(race / "ENTRENAMENTS.TXT"),
              "1\t2\tBiel\t5.0000\t\t\r\n2\t1\tAnna\t5.1000\t+0.1000\t\r\n");
    EXPECT_EQ(test::readText(race / "CURSA.TXT"),
              "1\t2\tBiel\t12\t\t\r\n2\t3\tCarla\t12\t+0.5s\t\r\n3\t1\tAnna\t10\t-2v\t-2v\r\n");
    EXPECT_EQ(test::readText(race / "REPESQUES.TXT"), "");

    test::writeText(app.path() / "DISTRIBUCIONS02.TXT", "3,3\r\n");
    ASSERT_TRUE(WriteDisplayFiles(state, 2).ok());
    EXPECT_EQ(test::readText(race / "REPESQUES.TXT"), "1\t1\t2\tCarla\t9\t\t\r\n1\t2\t1\tAnna\t8\t-1v\t\r\n");
    EXPECT_EQ(test::readText(race / "CURSA.TXT"), "1\t2\tCarla\t9\t\t\r\n2\t1\tAnna\t8\t-1v\t\r\n");

    // A damaged record: said, nothing written.
    test::writeText(app.path() / "DISTRIBUCIONS02.TXT", "x,3\r\n");
    fs::remove(race / "CURSA.TXT");
    EXPECT_FALSE(WriteDisplayFiles(state, 1).ok());
    EXPECT_FALSE(fs::exists(race / "CURSA.TXT"));
}

}  // namespace
}  // namespace sc
