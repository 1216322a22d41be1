#include "results/qualification.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/app_test_helpers.h"
#include "core/settings_files.h"
#include "organisation/distribution_file.h"
#include "organisation/heat_programme.h"
#include "results/qualification_command.h"
#include "results_series_files.h"

namespace sc {
namespace {
namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using test::resultRecord;

TEST(QualificationOrders, FirstSeriesWalksAndSnakes) {
    using P = std::vector<int>;
    EXPECT_EQ(FirstSeriesWalk(8, 1), (P{7, 5, 3, 1, 2, 4, 6, 8}));
    EXPECT_EQ(FirstSeriesWalk(8, 0), (P{8, 7, 5, 3, 1, 2, 4, 6}));
    EXPECT_EQ(FirstSeriesWalk(20, 2),
              (P{19, 17, 15, 13, 11, 9, 7, 5, 3, 1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20}));
    EXPECT_EQ(FirstSeriesWalk(20, 0),
              (P{8, 10, 12, 14, 16, 18, 20, 19, 17, 15, 13, 11, 9, 7, 5, 3, 1, 2, 4, 6}));
    EXPECT_EQ(FirstSeriesWalk(9, 0), (P{8, 9, 7, 5, 3, 1, 2, 4, 6}));
    // Fewer than 8 without repechages: the 8-place order without the missing positions.
    EXPECT_EQ(FirstSeriesWalk(7, 0), (P{7, 5, 3, 1, 2, 4, 6}));
    EXPECT_EQ(FirstSeriesWalk(6, 0), (P{5, 3, 1, 2, 4, 6}));
    EXPECT_EQ(FirstSeriesWalk(5, 0), (P{5, 3, 1, 2, 4}));
    EXPECT_EQ(FirstSeriesWalk(1, 0), (P{1}));
    EXPECT_TRUE(FirstSeriesWalk(0, 0).empty());
    for (int n = 1; n <= 40; ++n)
        for (int r : {0, 3}) {
            P walk = FirstSeriesWalk(n, r);
            std::sort(walk.begin(), walk.end());
            for (int i = 0; i < n; ++i) ASSERT_EQ(walk[i], i + 1) << "n " << n << " R " << r;
        }
    for (const auto& [series, columns] :
         {std::pair{3, P{1, 2, 3, 3, 2, 1, 1, 2, 3}}, {2, P{1, 2, 2, 1, 1, 2}}, {1, P{1, 1, 1}}})
        for (std::size_t i = 0; i < columns.size(); ++i)
            EXPECT_EQ(SnakeColumn(static_cast<int>(i), series) + 1, columns[i])
                << series << " series, place " << i;
}

// Race 1 of a program folder; every series file written by hand. Names say
// the classification place ("R07" is seventh), so expected orders read
// straight from the rules.
class QualificationTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.AppFolder = app();
        state.WorkingFolder = app();
        test::addRace(app(), "Cursa", "01-01-2026", {0, 1, 0, 0});
        state.CurrentRace = 1;
        state.SeriesCount = {0, 0, 1, 0, 0};
    }

    void setLanes(int lanes, const std::string& distribution) {
        TrackConfig track = defaultTrackConfig();
        track.LaneCount = static_cast<int16_t>(lanes);
        std::vector<int16_t> order;
        for (int i = 1; i <= lanes; ++i) order.push_back(static_cast<int16_t>(i));
        track.LaneChange = laneChangeRow(order);
        resizeTrackWorkingArrays(track);
        ASSERT_TRUE(saveTrackConfig(track, race() / kTrackFileName));
        state.Track = track;
        if (!distribution.empty()) test::writeText(app() / distributionFileName(lanes), distribution);
    }

    static Names places(int n, const std::string& stem = "R") {
        Names out;
        for (int i = 1; i <= n; ++i) out.push_back(stem + (i < 10 ? "0" : "") + std::to_string(i));
        return out;
    }

    // Official practice series 1, stored in reverse slot order. Two heats: the
    // first one 5 ms slower, so its rows fall between those of the second.
    void officialPractice(const Names& byPlace) {
        const int n = static_cast<int>(byPlace.size());
        test::writeNames(race() / "OFC001.PAR", 2, Names(byPlace.rbegin(), byPlace.rend()));
        std::vector<HeatRecord> first, second;
        for (int slot = 1; slot <= n; ++slot) {
            const float place = static_cast<float>(n - slot + 1);
            first.push_back(resultRecord(slot, 10, 36000 + place, 5.005f + 0.01f * place, 1, 10, 5));
            second.push_back(resultRecord(slot, 20, 37000 + place, 5.0f + 0.01f * place, 1, 10, 5));
        }
        test::writeHeatFile(race() / "OFC001.DAD", {{1, 36000, first}, {2, 37000, second}});
    }

    // Two heats of race series `series` finished in `order`: place f has
    // base - 2f laps after heat 2 and 0.6 base - f after heat 1, so weak
    // second heats and strong first heats interleave.
    void raceResults(int series, const Names& order, float base = 100) {
        const Names slots = readParticipantList(seriesFile(series)).names;
        std::vector<HeatRecord> first, second;
        for (int slot = 1; slot <= static_cast<int>(slots.size()); ++slot) {
            const auto at = std::find(order.begin(), order.end(), slots[slot - 1]);
            if (at == order.end()) continue;
            const float f = static_cast<float>(at - order.begin() + 1);
            first.push_back(resultRecord(slot, 0.6f * base - f, 36000 + f, 5, 1, 10, 5));
            second.push_back(resultRecord(slot, base - 2 * f, 37000 + f, 5, 1, 10, 5));
        }
        test::writeHeatFile(race() / (seriesBaseName(4, series) + ".DAD"),
                            {{1, 36000, first}, {2, 37000, second}});
    }

    // The series' names with the blank slots after them left out.
    Names participants(int series) const {
        Names names = readParticipantList(seriesFile(series)).names;
        while (!names.empty() && names.back().empty()) names.pop_back();
        return names;
    }

    // The new-series command's automatic part, the series count then stored.
    RaceSeriesBuild build(bool officialPracticeRun = true) {
        const RaceSeriesBuild b = BuildRaceSeries(state, prompter, raceSeries, officialPracticeRun);
        state.SeriesCount[4] = static_cast<int16_t>(raceSeries.size());
        return b;
    }

    void listed(int count) {
        for (int k = 1; k <= count; ++k) raceSeries.push_back(std::to_string(k));
        state.SeriesCount[4] = static_cast<int16_t>(count);
    }

    const fs::path& app() const { return folder.path(); }
    fs::path race() const { return app() / "PROVA001"; }
    fs::path seriesFile(int series) const { return race() / (seriesBaseName(4, series) + ".PAR"); }

    test::TempFolder folder;
    RaceState state;
    QueuedPrompter prompter;
    Names raceSeries;
};

void expectStage(const RaceSeriesBuild& b, QualificationStage stage, int first) {
    EXPECT_TRUE(b.ran);
    EXPECT_EQ(b.stage, stage);
    EXPECT_EQ(b.firstSeries, first);
}

TEST_F(QualificationTest, EightLanesTwentyFourParticipantsThroughAllFourStages) {
    setLanes(8, "16,16\n20,14\n24,12");  // the matching record is the file's last
    const Names r = places(24);
    officialPractice(r);

    expectStage(build(), QualificationStage::FirstSeries, 1);
    EXPECT_EQ(participants(1),
              (Names{"R23", "R21", "R19", "R17", "R15", "R13", "R11", "R09", "R07", "R05", "R03", "R01",
                     "R02", "R04", "R06", "R08", "R10", "R12", "R14", "R16", "R18", "R20", "R22", "R24"}));
    EXPECT_EQ(readParticipantList(seriesFile(1)).heats, 0);

    raceResults(1, Names(r.rbegin(), r.rend()));  // the race turns the practice upside down
    expectStage(build(), QualificationStage::Repechages, 2);
    EXPECT_EQ(raceSeries, (Names{"1", "2", "3", "4", "5"}));
    // 13th to 16th to repechages 1..4, 17th to 20th to 4..1, 21st to 24th to 1..4.
    EXPECT_EQ(participants(2), (Names{"R12", "R05", "R04"}));
    EXPECT_EQ(participants(3), (Names{"R11", "R06", "R03"}));
    EXPECT_EQ(participants(4), (Names{"R10", "R07", "R02"}));
    EXPECT_EQ(participants(5), (Names{"R09", "R08", "R01"}));
    EXPECT_EQ(readParticipantList(seriesFile(2)).names.size(), 8u) << "slots raised to the lanes";

    raceResults(2, {"R04", "R12", "R05"}, 88);
    raceResults(3, {"R06", "R11", "R03"}, 90);
    raceResults(4, {"R02", "R10", "R07"}, 92);
    raceResults(5, {"R09", "R08", "R01"}, 94);
    expectStage(build(), QualificationStage::SemiFinals, 6);
    // 12 direct (R24..R13), then the winners R09, R02, R06, R04 in their overall order.
    EXPECT_EQ(participants(6), (Names{"R24", "R21", "R20", "R17", "R16", "R13", "R09", "R04"}));
    EXPECT_EQ(participants(7), (Names{"R23", "R22", "R19", "R18", "R15", "R14", "R02", "R06"}));

    raceResults(6, {"R16", "R24", "R04", "R13", "R09", "R21", "R20", "R17"}, 120);
    raceResults(7, {"R02", "R23", "R06", "R14", "R22", "R19", "R18", "R15"});
    expectStage(build(), QualificationStage::Final, 8);
    EXPECT_EQ(participants(8), (Names{"R16", "R24", "R04", "R13", "R02", "R23", "R06", "R14"}));

    EXPECT_FALSE(build().ran) << "after the final no stage is due";
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(state.CurrentModality, 0);
}

TEST_F(QualificationTest, OneRepechageTakesEveryNonQualifiedInOrder) {
    setLanes(4, "12,7");  // R = 1
    listed(1);
    test::writeNames(seriesFile(1), 0,
                     {"R03", "R12", "R01", "R07", "R09", "R02", "R11", "R05", "R04", "R10", "R08", "R06"});
    raceResults(1, places(12));
    expectStage(build(false), QualificationStage::Repechages, 2);
    EXPECT_EQ(participants(2), (Names{"R08", "R09", "R10", "R11", "R12"}));
}

TEST_F(QualificationTest, NoRepechagesSixteenGoStraightToTheSemiFinals) {
    setLanes(8, "16,16");
    officialPractice(places(16));
    expectStage(build(), QualificationStage::FirstSeries, 1);
    EXPECT_EQ(participants(1), (Names{"R08", "R10", "R12", "R14", "R16", "R15", "R13", "R11", "R09", "R07",
                                      "R05", "R03", "R01", "R02", "R04", "R06"}));
    raceResults(1, places(16));
    expectStage(build(), QualificationStage::SemiFinals, 2);
    EXPECT_EQ(participants(2), (Names{"R01", "R04", "R05", "R08", "R09", "R12", "R13", "R16"}));
    EXPECT_EQ(participants(3), (Names{"R02", "R03", "R06", "R07", "R10", "R11", "R14", "R15"}));
}

TEST_F(QualificationTest, SevenLaneFinalTakesFourFromOneSemiFinalAndThreeFromTheOther) {
    setLanes(7, "14,14");  // R = 0: series 2 and 3 are the semi-finals
    listed(3);
    const Names a = places(7, "A"), b = places(7, "B");
    Names all = a;
    all.insert(all.end(), b.begin(), b.end());
    test::writeNames(seriesFile(1), 2, all);
    test::writeNames(seriesFile(2), 2, a);
    test::writeNames(seriesFile(3), 2, b);
    raceResults(1, all);
    raceResults(2, a, 120);  // every A ahead of every B
    raceResults(3, b, 100);
    expectStage(build(), QualificationStage::Final, 4);
    EXPECT_EQ(participants(4), (Names{"A01", "A02", "A03", "A04", "B01", "B02", "B03"}));
}

TEST_F(QualificationTest, WithoutFileRecordOrPracticeOneEmptySeriesAndNoMessage) {
    setLanes(8, "");
    officialPractice(places(8));
    EXPECT_FALSE(build().ran) << "no distribution file";
    test::writeText(app() / distributionFileName(8), "9,8\n24,12\n");
    EXPECT_FALSE(build().ran) << "no record for 8";
    test::writeText(app() / distributionFileName(8), "8,8\n");
    EXPECT_FALSE(build(false).ran) << "official practice has no series";
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_FALSE(fs::exists(seriesFile(1)));

    // A practice heat file that does not read: the director is told, nothing is built.
    test::writeText(race() / "OFC001.DAD", "broken");
    expectStage(build(), QualificationStage::None, 0);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find("OFC001.DAD"), std::string::npos);
    EXPECT_TRUE(raceSeries.empty());
    EXPECT_FALSE(fs::exists(seriesFile(1)));
}

}  // namespace
}  // namespace sc
