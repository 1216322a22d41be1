#include "organisation/race_manager.h"

#include <gtest/gtest.h>

#include "app/app_test_helpers.h"
#include "app/portada.h"
#include "app/portada_commands.h"
#include "core/file_io.h"
#include "core/settings_files.h"
#include "localisation/language_tables.h"

namespace sc {
namespace {

namespace fs = std::filesystem;
using test::readText;
using test::writeText;

class RaceManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.AppFolder = folder.path();
        state.WorkingFolder = folder.path();
        ASSERT_TRUE(saveTrackConfig(defaultTrackConfig(8), app() / kTrackFileName));
    }

    const fs::path& app() const { return folder.path(); }
    fs::path race(int n) const { return app() / raceFolderName(n); }
    void addRace(const std::string& name, std::array<int16_t, 4> counts = {1, 1, 1, 1}) {
        test::addRace(app(), name, "01-01-2026", counts);
    }
    RaceHeader header(int n) const { return readRaceHeader(race(n) / kRaceHeaderFileName); }

    test::TempFolder folder;
    RaceState state;
    QueuedPrompter prompter;
    GestorProves manager{state, prompter};
    Portada portada{state, prompter};
};

// ---------------------------------------------------------------- creating races

TEST_F(RaceManagerTest, NovaProva_ThirdRaceCopiesTrackConfigAndStartsWithZeroSeriesWithDistributionFile) {
    addRace("Primera");
    addRace("Segona");
    writeText(app() / "DISTRIBUCIONS08.TXT", "24,12\r\n");
    NovaProva window(state, prompter);
    window.Load();
    window.TextProva = "  Gran Premi  ";
    window.TextData = "06-12-2026 ";
    window.RaceCount = 2;

    ASSERT_TRUE(window.Sortir_Click(1));

    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "  Gran Premi\r06-12-2026");
    EXPECT_EQ(readText(race(3) / kTrackFileName), readText(app() / kTrackFileName));
    EXPECT_EQ(header(3), (RaceHeader{{0, 0, 0, 0}, "Gran Premi", "06-12-2026 "}));
    EXPECT_EQ(readCatalogue(app() / kCatalogueFileName).at(2), (CatalogueEntry{"Gran Premi", "06-12-2026 "}));
    EXPECT_EQ(state.CurrentBase, "PROVA003");
    EXPECT_EQ(state.Track.LaneCount, 8);
    EXPECT_EQ(window.createdRace, 3);
}

// Without a file every modality starts with one series too: script create_third_race.
TEST_F(RaceManagerTest, NovaProva_WithABadDistributionFileEveryModalityStartsWithOneSeries) {
    writeText(app() / "DISTRIBUCIONS08.TXT", "24,12\r\n\r\n30;15\r\n");
    NovaProva window(state, prompter);
    window.TextProva = "Cursa";
    ASSERT_TRUE(window.Sortir_Click(1));
    EXPECT_EQ(header(1).SeriesCount, (std::array<int16_t, 4>{1, 1, 1, 1}));
    ASSERT_EQ(prompter.shown.size(), 2u);  // the confirmation, then the file's line
    EXPECT_NE(
        prompter.shown[1].text.find("DISTRIBUCIONS08.TXT t\xC3\xA9 un error a la l\xC3\xADnia 3 (\"30;15\")"),
        std::string::npos)
        << prompter.shown[1].text;
}

TEST_F(RaceManagerTest, NovaProva_RefusedNamesChangeNothing) {
    struct Case {
        std::string name;
        std::string date;
        std::string message;
    };
    const std::string notWritable =
        "El nom o la data de la prova tenen caràcters que no es poden gravar. Canvia'ls.";
    const Case cases[] = {
        {"   ", "06-12-2026", "Falta el nom de la prova"},
        {"Cursa \xE6\x97\xA5", "06-12-2026", notWritable},
        {"Cursa", "\xE2\x82\xAC \xE2\x9C\x93", notWritable},
    };
    for (const Case& c : cases) {
        QueuedPrompter answers;
        NovaProva window(state, answers);
        window.TextProva = c.name;
        window.TextData = c.date;
        EXPECT_FALSE(window.Sortir_Click(1)) << c.name;
        ASSERT_EQ(answers.shown.size(), 1u) << "no confirmation is asked";
        EXPECT_EQ(answers.shown[0].text, c.message);
        EXPECT_EQ(answers.shown[0].title, "Error");
        EXPECT_FALSE(window.accepted);
    }
    EXPECT_FALSE(fs::exists(race(1)));
    EXPECT_FALSE(fs::exists(app() / kCatalogueFileName));
}

TEST_F(RaceManagerTest, NovaProva_ExistingFolderIsNeverOverwritten) {
    addRace("Primera");
    fs::create_directory(race(2));
    writeText(race(2) / "KEEP.TXT", "data");
    NovaProva window(state, prompter);
    window.TextProva = "Nova";
    window.RaceCount = 1;
    EXPECT_FALSE(window.Sortir_Click(1));
    EXPECT_EQ(prompter.shown.back().text, "La carpeta PROVA002 ja existeix: no s'ha creat cap prova.");
    EXPECT_EQ(readText(race(2) / "KEEP.TXT"), "data");
    EXPECT_FALSE(fs::exists(race(2) / kRaceHeaderFileName));
}

// ---------------------------------------------------------------- deleting races and series

TEST_F(RaceManagerTest, EliminarProva_LastRaceLeavesNoCatalogue) {
    addRace("A");
    prompter.answers = {Button::Yes};
    manager.Load();
    manager.EliminarProva();
    EXPECT_FALSE(fs::exists(race(1)));
    EXPECT_FALSE(fs::exists(app() / kCatalogueFileName));
    EXPECT_TRUE(manager.LlProves.empty());
    EXPECT_FALSE(manager.raceButtonsEnabled);
}

class SeriesDeletionTest : public RaceManagerTest {
protected:
    void SetUp() override {
        RaceManagerTest::SetUp();
        addRace("A", {1, 2, 0, 4});
        for (int k = 1; k <= 4; ++k)
            for (const char* ext : {".PAR", ".DAD", ".VAV", ".PEN"})
                if (!(k == 3 && std::string(ext) == ".VAV"))
                    writeText(race(1) / (seriesBaseName(4, k) + ext), "series " + std::to_string(k) + ext);
    }
};

TEST_F(SeriesDeletionTest, EliminarSerie_DeletingRaceSeriesTwoOfFourRenamesTheLaterOnesDown) {
    prompter.answers = {Button::Yes};
    manager.Load();
    ASSERT_EQ(manager.LlSeries.size(), 4u);
    manager.LlSeries_Click(1);
    manager.EliminarSerie();
    EXPECT_EQ(readText(race(1) / "CRS001.PAR"), "series 1.PAR");
    for (const char* ext : {".PAR", ".DAD", ".PEN"}) {
        EXPECT_EQ(readText(race(1) / (std::string("CRS002") + ext)), std::string("series 3") + ext);
        EXPECT_EQ(readText(race(1) / (std::string("CRS003") + ext)), std::string("series 4") + ext);
        EXPECT_FALSE(fs::exists(race(1) / (std::string("CRS004") + ext)));
    }
    EXPECT_FALSE(fs::exists(race(1) / "CRS002.VAV")) << "series 3 had no lap file";
    EXPECT_EQ(readText(race(1) / "CRS003.VAV"), "series 4.VAV");
    EXPECT_EQ(header(1), (RaceHeader{{1, 2, 0, 3}, "A", "01-01-2026"}));
    EXPECT_EQ(manager.LlSeries.size(), 3u);
    EXPECT_EQ(manager.seriesCount, "3");
}

TEST_F(SeriesDeletionTest, EliminarSerie_NeverOverwritesAFileAndStopsAtTheFirstFailure) {
    fs::remove(race(1) / "CRS002.PAR");
    fs::create_directory(race(1) / "CRS002.PAR");  // in the way of CRS003.PAR
    std::array<int16_t, 4> counts{1, 2, 0, 4};
    const std::string problem = deleteSeriesFiles(race(1), 4, 2, counts, kCatalan);
    EXPECT_NE(problem.find("CRS003.PAR -> CRS002.PAR"), std::string::npos) << problem;
    EXPECT_EQ(readText(race(1) / "CRS003.PAR"), "series 3.PAR");
    EXPECT_EQ(readText(race(1) / "CRS004.PAR"), "series 4.PAR");
    EXPECT_EQ(header(1).SeriesCount[3], 4) << "the count is kept when the deletion did not finish";
}

TEST_F(RaceManagerTest, GestorProves_ShowsSeriesCompletedHeatsAndSortedFiles) {
    addRace("A", {1, 3, 0, 0});
    ASSERT_TRUE(writeParticipantList(race(1) / "OFC002.PAR", {5, {"x", "y"}}));
    writeText(race(1) / "OFC002.DAD", "");
    writeText(race(1) / "MARK.TXT", "");
    manager.Load();
    EXPECT_TRUE(manager.LlSeries.empty()) << "race modality has no series";
    EXPECT_FALSE(manager.seriesButtonEnabled);
    manager.NPrgr_Click(2);
    EXPECT_EQ(manager.LlSeries, (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(manager.completedHeats, "0");
    manager.LlSeries_Click(1);
    EXPECT_EQ(manager.completedHeats, "5");
    EXPECT_EQ(manager.Fitxers,
              (std::vector<std::string>{"MARK.TXT", "OFC002.DAD", "OFC002.PAR", "PROVA.DAD"}));
}

// ---------------------------------------------------------------- main-window commands

// Later series, question texts, No by default, the selection and the written
// counts: script add_official_series_3.
TEST_F(RaceManagerTest, MnuNou_FirstSeriesEnablesTheModalityAndIsSelected) {
    addRace("A", {0, 0, 0, 0});
    portada.CarregarLlistats();
    ASSERT_FALSE(portada.modalityEnabled[3]);
    prompter.answers = {Button::Yes};
    MnuNou_Click(portada, state, prompter, 3);
    EXPECT_EQ(prompter.shown.back().text, "SuperPole. Vols crear la sèrie n. 1?");
    EXPECT_TRUE(portada.modalityEnabled[3]);
    EXPECT_EQ(portada.LlSeries[3].selected, 0);
    EXPECT_EQ(header(1).SeriesCount, (std::array<int16_t, 4>{0, 0, 1, 0}));
}

TEST_F(RaceManagerTest, MnuNou_RaceModalityLetsTheAutomaticBuildRunFirst) {
    addRace("A", {0, 0, 0, 1});
    portada.CarregarLlistats();
    prompter.answers = {Button::Yes};
    MnuNou_Click(portada, state, prompter, 4, [](Portada& p, RaceState&, Prompter&) {
        p.LlSeries[4].items = {"1", "2", "3"};
        return true;
    });
    EXPECT_EQ(portada.LlSeries[4].items.size(), 3u);
    EXPECT_EQ(header(1).SeriesCount[3], 3);
}

TEST_F(RaceManagerTest, AfterRaceManager_RebuildsTheCatalogueFromTheFolders) {
    addRace("A");
    addRace("B");
    ASSERT_TRUE(writeCatalogue(app() / kCatalogueFileName, {{"stale", ""}}));
    afterRaceManager(portada, state);
    EXPECT_EQ(portada.LlProves.items, (std::vector<std::string>{"A", "B"}));
}

}  // namespace
}  // namespace sc
