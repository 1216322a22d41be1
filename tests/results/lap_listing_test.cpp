#include "results/lap_listing.h"

#include <gtest/gtest.h>

#include "core/file_io.h"
#include "core/record_file.h"
#include "results_series_files.h"
#include "temp_folder.h"

namespace sc {
namespace {
namespace fs = std::filesystem;

LapRecord lap(int16_t lane, int16_t participant, float pass, float lapTime, int16_t number,
              float extra1 = 0) {
    return LapRecord{lane, participant, pass, lapTime, 0, number, extra1, 0};
}

// Race series 1, Anna and Biel on two lanes. Heat 1: first passes, a rejected
// detection, a lap, a 30 s pause; heat 2: a pass and a SuperPole sensor record.
std::vector<LapRecord> twoHeats() {
    return {lap(0, 0, 36000, 1, 6),    lap(1, 1, 1.0f, 99.9999f, 1), lap(2, 2, 1.5f, 99.9999f, 1),
            lap(1, 1, 1.8f, 0.8f, 0),  lap(1, 1, 6.0f, 5.0f, 2),     lap(-1, 0, 10, 30, 1),
            lap(0, 0, 36050, 50, 6),   lap(0, 0, 36100, 2, 3),       lap(2, 1, 2.0f, 99.9999f, 1),
            lap(10, 1, 2.5f, 0, 0, 1), lap(0, 0, 36110, 10, 3)};
}

class LapListingTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.SeriesCount = {0, 0, 0, 0, 1};
        test::writeNames(folder.path() / "CRS001.PAR", 2, {"Anna", "Biel"});
        const auto records = twoHeats();
        for (std::size_t i = 0; i < records.size(); ++i)
            ASSERT_TRUE(writeLapRecord(folder.path() / "CRS001.VAV", i + 1, records[i]));
    }
    std::vector<std::string> shown(std::initializer_list<int> cols) const {
        return test::shownRows(listing.LlistaVoltes, cols);
    }
    test::TempFolder folder;
    RaceState state;
    LlistarVoltes listing{state, SeriesFolder{folder.path(), 4, {}, {}}};
};

using V = std::vector<std::string>;

// Heat 1's rows, filters and their export to one heat are in the listing_race script.
TEST_F(LapListingTest, LastHeatSkipsTheSensorRecordAndTheExportTakesEveryHeat) {
    listing.Load(1);  // the last heat
    EXPECT_EQ(listing.Manigues.items, (V{"1", "2"}));
    EXPECT_EQ(listing.heatStart, "10:01:40");
    EXPECT_EQ(shown({lc::Series, lc::Number, lc::Pass, lc::Lane, lc::Heat}), (V{"1|1|1|2|2"}));
    listing.HeatChosen(0);
    ASSERT_TRUE(listing.Exportar());
    const Bytes bytes = readFileOrThrow(folder.path() / "VLTAVLT.TXT");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "Anna;1;1;0;0.8000;1.8000;00:00:01\r\n"
              "Anna;1;1;1;99.9999;1.0000;00:00:01\r\n"
              "Biel;2;1;1;99.9999;1.5000;00:00:01\r\n"
              "Anna;1;1;2;5.0000;6.0000;00:00:06\r\n"
              "Anna;2;2;1;99.9999;2.0000;00:00:02\r\n");
    EXPECT_EQ(listing.Manigues.selected, 0);  // the heat shown before
    EXPECT_EQ(listing.heatStart, "10:00:00");
}

TEST(LapHeats, RunningHeatTakesTheRecordsToTheEndAndABadCountWhatIsThere) {
    const auto running = walkLapHeats({lap(0, 0, 100, 3, 0), lap(1, 1, 1, 99.9999f, 1), lap(1, 1, 6, 5, 2)});
    ASSERT_EQ(running.size(), 1u);
    EXPECT_EQ(running[0].heat, 3);
    EXPECT_EQ(running[0].records.size(), 2u);
    const auto cut = walkLapHeats({lap(0, 0, 100, 1, 40), lap(1, 1, 1, 99.9999f, 1)});
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].records.size(), 1u);
}

}  // namespace
}  // namespace sc
