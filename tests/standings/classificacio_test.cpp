#include "standings/classificacio.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/grid.h"
#include "standings/classification_columns.h"
#include "standings/standings_engine.h"
#include "temp_folder.h"

namespace sc {
namespace {

using namespace cls;
namespace fs = std::filesystem;

struct ClassificacioFixture : ::testing::Test {
    RaceState state;
    std::unique_ptr<StandingsEngine> engine;
    std::unique_ptr<Classificacio> window;

    void open(Modality modality, int participants, int16_t language = 0) {
        state.Settings.Language = language;
        state.CurrentModality = static_cast<int16_t>(modality);
        state.ParticipantCount = static_cast<int16_t>(participants);
        state.Track.LastPassTime.assign(5, 0.0);
        engine = std::make_unique<StandingsEngine>(state);
        for (int r = 1; r <= participants; ++r)
            engine->InfoClass.SetTextMatrix(r, kNumber, std::to_string(r));
        window = std::make_unique<Classificacio>(state, *engine);
        window->Load();
    }
    Grid& grid() { return engine->InfoClass; }
    int width(int col) { return grid().ColWidth(col); }
};

TEST_F(ClassificacioFixture, Load_WidthsFollowTheModality) {
    const std::pair<Modality, std::vector<std::pair<int, int>>> cases[] = {
        {Modality::OfficialPractice,
         {{kPosition, 450},
          {kName, 2300},
          {kFastest, 1400},
          {kFastestLane, 600},
          {kLaps, 0},
          {kGained, 0},
          {kHeatLaps, 1000},
          {kSeriesKey, 0},
          {kFastestTime, 0},
          {kHeatKey1, 0},
          {kHeatKey2, 0}}},
        {Modality::Race, {{kLaps, 1500}, {kFastest, 0}, {kFastestLane, 0}, {kGained, 500}, {kLastLap, 1075}}},
        // The SuperPole turn marker "E" stays visible in the lane column.
        {Modality::SuperPole, {{kFastest, 1400}, {kHeatLaps, 0}, {kGained, 0}, {kLane, 600}}}};
    for (const auto& [modality, widths] : cases) {
        open(modality, 3);
        for (auto [col, expected] : widths)
            EXPECT_EQ(width(col), expected) << static_cast<int>(modality) << " col " << col;
        EXPECT_GT(width(kNumber), 0);  // the number typed in a lap correction is on screen
    }
}

TEST_F(ClassificacioFixture, LegendAndTitle_InTheLanguage_ThreeFastestLapColoursSuperPoleAddsItsLabels) {
    state.Settings.Colours = {0, 12, 10, 15, 14, 11};
    open(Modality::Race, 2, 1);
    const std::pair<std::string, int> spanish[] = {
        {"VR absoluta", 12}, {"VR participante", 11}, {"VR partic./manga", 10}};
    ASSERT_EQ(window->Legend().size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(window->Legend()[i].text, spanish[i].first);
        EXPECT_EQ(window->Legend()[i].backColour, spanish[i].second);
    }
    EXPECT_EQ(window->Title(), "Clasificación Carrera");

    open(Modality::SuperPole, 2, 0);
    ASSERT_EQ(window->Legend().size(), 6u);
    EXPECT_EQ(window->Legend()[1].text, "VR participant");
    EXPECT_EQ(window->Legend()[3].text, "E");
    EXPECT_EQ(window->Legend()[4].text, "Parc.");
    EXPECT_EQ(window->Legend()[5].text, "km/h");
    EXPECT_EQ(window->Title(), "Classificació SuperPole");
}

// A data click swaps the last and fastest lap in the race and keeps the fastest
// elsewhere; a header click opens the results only between heats of competitive modalities.
TEST_F(ClassificacioFixture, Clicks_DataSwapsLastAndFastestLapHeaderOpensResultsBetweenHeats) {
    using A = Classificacio::ClickAction;
    open(Modality::Race, 3);
    for (auto [row, col] : {std::pair{-1, 3}, {4, 3}, {1, 19}})  // outside the table
        EXPECT_EQ(window->InfoClass_Click(row, col), A::None) << row << "," << col;
    EXPECT_EQ(window->InfoClass_Click(2, 3), A::ToggledLastLap);
    EXPECT_EQ(width(kLastLap), 0);
    EXPECT_EQ(width(kFastest), 1075);  // the width of "Millor"
    EXPECT_EQ(window->InfoClass_Click(1, 5), A::ToggledLastLap);
    EXPECT_EQ(width(kLastLap), 1075);
    EXPECT_EQ(width(kFastest), 0);
    state.HeatRunning = -1;
    EXPECT_EQ(window->InfoClass_Click(0, 4), A::None);
    EXPECT_EQ(window->InfoClass_Click(2, 0), A::None);
    EXPECT_TRUE(window->LastLapShown());  // a header click never toggles
    state.HeatRunning = 0;
    EXPECT_EQ(window->InfoClass_Click(0, 4), A::OpenResults);
    EXPECT_EQ(window->InfoClass_Click(3, 0), A::OpenResults);

    open(Modality::OfficialPractice, 3);  // outside the race the fastest lap stays shown
    window->InfoClass_Click(1, 2);
    EXPECT_FALSE(window->LastLapShown());
    EXPECT_EQ(width(kFastest), 1400);
    window->InfoClass_Click(1, 2);
    EXPECT_TRUE(window->LastLapShown());
    EXPECT_EQ(width(kFastest), 1400);

    open(Modality::FreePractice, 3);
    EXPECT_EQ(window->InfoClass_Click(0, 0), A::None);
    EXPECT_EQ(window->InfoClass_Click(1, 2), A::None);
    EXPECT_TRUE(window->LastLapShown());
}

TEST_F(ClassificacioFixture, InformationPanel_SpaceAloneTogglesItAndTheSavedToggleOpensIt) {
    open(Modality::Race, 2);
    EXPECT_TRUE(window->InfosVisible());
    window->KeyPress('S');
    window->KeyPress(-1);
    EXPECT_TRUE(window->InfosVisible());
    int16_t toggle = -1;  // hidden with Space before the last exit
    window->ShareInfosToggle(&toggle);
    window->Load();
    EXPECT_FALSE(window->InfosVisible());
    window->KeyPress(Classificacio::kSpaceKey);
    EXPECT_TRUE(window->InfosVisible());
    EXPECT_EQ(toggle, 0);
    window->KeyPress(Classificacio::kSpaceKey);
    EXPECT_EQ(toggle, -1);
    // The next programme opens the window with the panel hidden again.
    window->Load();
    EXPECT_FALSE(window->InfosVisible());
}

TEST_F(ClassificacioFixture, PageClassification_Pages24RowsAndWrapsPastTheLastRow) {
    // Of 50 rows, row 49 is still a row of the table; of 24, 1 + 24 passes the last row.
    const std::pair<int, std::vector<int>> cases[] = {{50, {25, 49, 1}}, {24, {1}}};
    for (const auto& [rows, tops] : cases) {
        open(Modality::Race, rows);
        for (int top : tops) {
            window->PageClassification();
            EXPECT_EQ(grid().TopRow(), top) << rows;
        }
    }
    open(Modality::Race, 0);  // no data rows: nothing to page through
    window->PageClassification();
    EXPECT_LE(grid().TopRow(), 1);
}

TEST_F(ClassificacioFixture, Cut_KeptInTheHeaderCellAndDrawnOnlyOnTheRowAtTheCut) {
    open(Modality::Race, 4);
    for (int r = 1; r <= 4; ++r) grid().SetTextMatrix(r, kPosition, std::to_string(r));
    window->MarkClassificationCut(3);
    EXPECT_EQ(grid().TextMatrix(0, kPosition), "3");
    EXPECT_EQ(window->CutPlaces(), 3);
    for (int col = 0; col <= kGapAhead; ++col) EXPECT_EQ(grid().Cell(3, col).foreColour, kLightRed) << col;
    EXPECT_NE(grid().Cell(3, kHeats).foreColour, kLightRed);
    EXPECT_NE(grid().Cell(2, kPosition).foreColour, kLightRed);

    window->MarkClassificationCut(0);  // no direct places: nothing stored
    EXPECT_EQ(window->CutPlaces(), 3);

    // A re-rank moves the coloured row away: the position cell follows the cut.
    grid().SortCustom([](int a, int b) { return a > b ? -1 : (a < b ? 1 : 0); });
    for (int r = 1; r <= 4; ++r) grid().SetTextMatrix(r, kPosition, std::to_string(r));
    window->ApplyCut();
    EXPECT_EQ(grid().Cell(3, kPosition).foreColour, kLightRed);
    EXPECT_EQ(grid().Cell(2, kPosition).foreColour, kDefaultColour);

    grid().SetTextMatrix(3, kPosition, "");  // no row at the cut's position: nothing drawn
    window->ApplyCut();
    EXPECT_EQ(grid().Cell(3, kPosition).foreColour, kDefaultColour);
}

TEST_F(ClassificacioFixture, SuperPoleTick_ShowsTheRunningLapOnceTheCarIsTimed) {
    open(Modality::SuperPole, 2);
    state.Track.LastPassTime[0] = 10.0;
    window->SuperPoleTick(15.26);
    EXPECT_EQ(window->EnPista(), "");  // fewer than three rows in the time list
    engine->LlistaTR.SetRows(3);
    window->SuperPoleTick(15.26);
    EXPECT_EQ(window->EnPista(), "5.3");
    state.CurrentModality = static_cast<int16_t>(Modality::Race);
    window->SuperPoleTick(16);
    EXPECT_EQ(window->EnPista(), "");
}

TEST(InfografPicture, FoundIgnoringCaseAndOnlyWhenItIsAFile) {
    test::TempFolder temp;
    const fs::path& app = temp.path();
    EXPECT_FALSE(InfografPicture(app));
    fs::create_directories(app / "Infograf" / "0000.gif");  // a folder, not a picture
    EXPECT_FALSE(InfografPicture(app));
    fs::remove(app / "Infograf" / "0000.gif");
    std::ofstream(app / "Infograf" / "0000.gif") << "GIF89a";
    const auto found = InfografPicture(app);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->filename(), "0000.gif");
}

}  // namespace
}  // namespace sc
