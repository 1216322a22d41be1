#include "results/results_table.h"

#include <gtest/gtest.h>

#include "core/penalty_file.h"
#include "core/settings_files.h"
#include "results/results_laps.h"
#include "results_series_files.h"
#include "temp_folder.h"

namespace sc {
namespace {
using test::resultRecord;

TrackConfig fourLanes() {
    TrackConfig track;
    track.LaneCount = 4;
    return track;
}

// Race series 1: Anna, Biel, Carla, a nameless slot 4 and Dani (5 slots, so
// heat 6 opens pass 2). Totals are cumulative; pass times are times of day.
class ResultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.SeriesCount = {0, 0, 0, 0, 1};
        state.Msg[0][0] = "v";
        state.Msg[0][1] = "s";
        state.Msg[7][0] = "Tots";
        state.Msg[7][1] = "Totes";
        test::writeNames(folder.path() / "CRS001.PAR", 2, {"Anna", "Biel", "Carla", "", "Dani"});
        test::writeHeatFile(
            folder.path() / "CRS001.DAD",
            {{1,
              36000,
              {resultRecord(1, 10, 36050.0f, 5.1f, 4, 10, 5.1f),
               resultRecord(2, 10, 36050.3f, 5.0f, 3, 10, 5.0f), resultRecord(3, 8, 36040, 0, 2, 8, 0),
               resultRecord(4, 9, 36045, 5.5f, 1, 9, 5.5f), resultRecord(5, 0, 0, 0, 0, 0, 0)}},
             {6,
              36200,
              {resultRecord(1, 20, 36250.0f, 5.0f, 3, 10, 5.0f),
               resultRecord(2, 20, 36250.04f, 4.9f, 2, 10, 4.9f),
               resultRecord(3, 17, 36245, 5.2f, 1, 9, 5.2f)}}});
    }

    std::vector<std::string> shown(std::initializer_list<int> cols) const {
        return test::shownRows(results.LlistaVoltes, cols);
    }

    test::TempFolder folder;
    RaceState state;
    Resultats results{state, SeriesFolder{folder.path(), static_cast<int>(Modality::Race), fourLanes(), {}}};
};

using V = std::vector<std::string>;

TEST_F(ResultsTest, RaceOpensByTotalLapsWithTiesGapsAndPasses) {
    results.Load(0);
    // Nameless slot 4 left out; Dani without laps or fastest lap hidden.
    EXPECT_EQ(results.LlistaVoltes.Rows(), 1 + 7);
    EXPECT_EQ(shown({rc::Position, rc::Number, rc::Pass, rc::Lane, rc::Heat, rc::TotalLaps, rc::GapFirst,
                     rc::GapPrevious}),
              (V{"1.-|1|2|3|2|20||", "1.-|2|2|2|2|20|+0.0s|", "3.-|3|2|1|2|17|-3v|-3v",
                 "4.-|1|1|4|1|10|-10v|-7v", "5.-|2|1|3|1|10|-10v|+0.3s", "6.-|3|1|2|1|8|-12v|-2v"}));
    EXPECT_EQ(results.Passada.items, (V{"Totes", "1", "2"}));
    EXPECT_EQ(results.Participant.items, (V{"Tots", "Anna", "Biel", "Carla", "Dani"}));
}

TEST_F(ResultsTest, FastestLapAndHeatLapsCriteriaRankTies) {
    results.Load(0);
    results.CriteriOrdre_Click(Criterion::FastestLap);  // no lap last, ties on equal times
    EXPECT_EQ(shown({rc::Position, rc::Number, rc::Heat, rc::Fastest, rc::GapFirst, rc::GapPrevious}),
              (V{"1.-|2|2|4.9000||", "2.-|2|1|5.0000|+0.1000|", "2.-|1|2|5.0000|+0.1000|+0.0000",
                 "4.-|1|1|5.1000|+0.2000|+0.1000", "5.-|3|2|5.2000|+0.3000|+0.1000",
                 "6.-|3|1|99.9999|+95.0999|+94.7999"}));
    results.CriteriOrdre_Click(Criterion::HeatLaps);  // equal laps by the earlier time of day
    EXPECT_EQ(shown({rc::Position, rc::Number, rc::Heat, rc::HeatLaps, rc::GapFirst, rc::GapPrevious}),
              (V{"1.-|1|1|10||", "2.-|2|1|10|+0.3s|", "3.-|1|2|10|+99.9s|+99.9s", "3.-|2|2|10|+99.9s|+0.0s",
                 "5.-|3|2|9|-1v|-1v", "6.-|3|1|8|-2v|-1v"}));
}

// The lane filter and its positions started again are in the results_race script.
TEST_F(ResultsTest, ParticipantAndPassFiltersCombine) {
    results.Load(0);
    results.ParticipantChosen(2);  // Biel
    EXPECT_EQ(results.EqDorsal.items[results.EqDorsal.selected], "2");
    results.Passada.selected = results.Passada.find("2");
    results.Filtrar();
    EXPECT_EQ(shown({rc::Position, rc::Number, rc::Heat}), (V{"1.-|2|2"}));
    results.Passada.selected = results.Passada.find("1");
    results.Filtrar();
    results.ParticipantChosen(4);  // Dani: her one row has neither laps nor fastest lap
    EXPECT_TRUE(results.VisibleRows().empty());
}

// Subtraction, gaps and the "Pen." column shown for total laps only are in the
// results_race script; here penalties of a hidden and of an unknown slot.
TEST_F(ResultsTest, PenaltiesOfAHiddenOrUnknownSlotDisturbNoRow) {
    ASSERT_TRUE(writePenalties(folder.path() / "CRS001.PEN",
                               {{2, 0.5f, "x"}, {5, 1, "Dani"}, {9, 3, "no such slot"}}));
    results.Load(0);
    EXPECT_EQ(shown({rc::Position, rc::Number, rc::TotalLaps, rc::GapFirst, rc::Penalty}),
              (V{"1.-|1|20||", "2.-|2|19.5|-0.5v|0.5", "3.-|3|17|-3v|", "4.-|1|10|-10v|",
                 "5.-|2|9.5|-10.5v|0.5", "6.-|3|8|-12v|"}));
}

TEST_F(ResultsTest, SeriesChoiceLoadsOneSeriesAndDamagedFilesAreReported) {
    state.SeriesCount[4] = 2;
    test::writeNames(folder.path() / "CRS002.PAR", 1, {"Eva"});
    test::writeHeatFile(folder.path() / "CRS002.DAD", {{1, 100, {resultRecord(1, 3, 150, 6, 1, 3, 6)}}});
    results.Load(2);
    EXPECT_EQ(shown({rc::Position, rc::Series, rc::Name}), (V{"1.-|2|Eva"}));
    results.SeriesChosen(0);
    EXPECT_EQ(results.VisibleRows().size(), 7u);
    std::filesystem::resize_file(folder.path() / "CRS002.DAD", 60);  // cut inside a record
    results.SeriesChosen(0);
    EXPECT_EQ(results.VisibleRows().size(), 6u);
    EXPECT_EQ(results.problems.size(), 1u);
}

TEST_F(ResultsTest, ALargerComaRanksAheadOnTheSameWholeLaps) {
    state.SeriesCount[2] = 1;
    test::writeNames(folder.path() / "OFC001.PAR", 1, {"Anna", "Biel"});
    // Comas of two heats added up by the live table: 12.25 and 12.5 laps.
    test::writeHeatFile(
        folder.path() / "OFC001.DAD",
        {{1,
          100,
          {resultRecord(1, 12.25f, 160, 5, 1, 6.25f, 5), resultRecord(2, 12.5f, 170, 5.1f, 2, 6.5f, 5.1f)}}});
    TrackConfig track;
    track.ComaFormat = "0.00";
    Resultats practice(state,
                       SeriesFolder{folder.path(), static_cast<int>(Modality::OfficialPractice), track, {}});
    practice.Load(1);
    EXPECT_EQ(practice.criterion, Criterion::FastestLap);  // practice opens by fastest lap
    practice.CriteriOrdre_Click(Criterion::TotalLaps);
    EXPECT_EQ(test::shownRows(practice.LlistaVoltes, {rc::Position, rc::Name, rc::TotalLaps, rc::GapFirst}),
              (V{"1.-|Biel|12.50|", "2.-|Anna|12.25|-0.25v"}));
}

TEST(SeriesFolders, TheRacesTrackGivesTheComasAndADamagedOneIsReported) {
    test::TempFolder folder;
    RaceState state;
    state.AppFolder = folder.path();
    state.CurrentRace = 2;
    state.Track.ComaFormat = "0";
    const auto race = folder.path() / "PROVA002";
    std::filesystem::create_directories(race);
    EXPECT_EQ(RaceSeriesFolder(state, 4).track.ComaFormat, "0");  // no PISTA.CFG: the program's track
    TrackConfig comas = defaultTrackConfig();
    comas.ComaDivisions = 10;
    setComaFormat(comas);
    ASSERT_TRUE(saveTrackConfig(comas, race / kTrackFileName));
    const SeriesFolder source = RaceSeriesFolder(state, 4);
    EXPECT_EQ(source.track.ComaFormat, "0.00");
    EXPECT_EQ(source.file(3, ".DAD"), race / "CRS003.DAD");
    std::filesystem::resize_file(race / kTrackFileName, 3);
    EXPECT_NE(RaceSeriesFolder(state, 4).trackProblem.find("PISTA.CFG"), std::string::npos);
}

TEST(ResultsLaps, KeepsTheComasAndAFractionTheTrackCannotShow) {
    TrackConfig noComas;
    EXPECT_EQ(ResultsLapsText(12, noComas), "12");
    EXPECT_EQ(ResultsLapsText(9.5f, noComas), "9.5");
    TrackConfig comas;
    comas.ComaFormat = "0.00";
    EXPECT_EQ(ResultsLapsText(12.25f, comas), "12.25");
    EXPECT_EQ(ResultsLapsText(12, comas), "12");
}

}  // namespace
}  // namespace sc
