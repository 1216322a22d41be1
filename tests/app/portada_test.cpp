#include "app/portada.h"

#include <gtest/gtest.h>

#include "app_test_helpers.h"
#include "core/startup.h"

namespace sc {
namespace {
namespace fs = std::filesystem;
using test::addRace;
using test::writeText;

class PortadaTest : public ::testing::Test, protected test::AppState {
protected:
    fs::path selections() const { return folder.path() / kSelectionsFileName; }
    void threeRaces() {
        addRace(folder.path(), "Primera", "01-02-2024", {1, 2, 1, 3});
        addRace(folder.path(), "Segona", "02-03-2024", {1, 1, 0, 2});
        addRace(folder.path(), "Tercera", "03-04-2024", {1, 4, 2, 5});
    }
};

// What the last exit left in KEL4.INI and the selections the next start shows.
// Races: Primera {1,2,1,3} series, Segona {1,1,0,2}, Tercera {1,4,2,5}; a series
// list without a valid line keeps its last series.
struct SelectionsCase {
    const char* what;
    std::optional<std::string> file;  // nullopt: no file
    int race;
    std::array<int, 4> series;  // LlSeries[1..4].selected
    int16_t toggle;
    bool recoveryPending;
};

const SelectionsCase kSelections[] = {
    {"orderly exit", " 0\r\n 0\r\n 1\r\n 0\r\n 0\r\n-1\r\n", 0, {0, 1, 0, 0}, -1, false},
    {"no race: the last one", "-1\r\n", 2, {0, 3, 1, 4}, 0, false},
    {"race only", " 1\r\n", 1, {0, 0, -1, 1}, 0, false},
    {"extra lines not read", " 1\r\n 0\r\n 0\r\n-1\r\n 0\r\n 5\r\n 8\r\n 9\r\n", 1, {0, 0, -1, 0}, -1, false},
    {"no CR, blanks around", "  0  \n 1\n", 0, {0, 1, 0, 2}, 0, false},
    // Race 7 does not exist; series lines: too big, negative, text, fraction.
    {"out of range or garbled", " 7\r\n 9\r\n-3\r\nabc\r\n 1.5\r\n 1\r\n", 2, {0, 3, 1, 4}, -1, false},
    {"empty: no orderly exit", "", 2, {0, 3, 1, 4}, 0, true},
    {"missing: no orderly exit", std::nullopt, 2, {0, 3, 1, 4}, 0, true},
};

TEST_F(PortadaTest, Load_RestoresTheSelectionsFileAndDeletesIt) {
    threeRaces();
    for (const SelectionsCase& c : kSelections) {
        SCOPED_TRACE(c.what);
        if (c.file) writeText(selections(), *c.file);
        RaceState fresh;
        fresh.AppFolder = fresh.WorkingFolder = folder.path();
        Portada portada(fresh, prompter);
        portada.Load();
        EXPECT_EQ(portada.LlProves.selected, c.race);
        EXPECT_EQ(portada.Data.selected, c.race);
        EXPECT_EQ(fresh.CurrentRace, c.race + 1);
        for (int m = 1; m <= 4; ++m) EXPECT_EQ(portada.LlSeries[m].selected, c.series[m - 1]) << m;
        EXPECT_EQ(portada.ClassificationToggle, c.toggle);
        EXPECT_EQ(fresh.RecoveryPending != 0, c.recoveryPending);
        EXPECT_TRUE(portada.raceControlsEnabled);
        EXPECT_FALSE(fs::exists(selections()));
    }
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(PortadaTest, DamagedFiles_ReportedInTheLanguage_NamingFileByteAndWhatBecameOfThem) {
    threeRaces();
    writeText(folder.path() / kCatalogueFileName, std::string{'\x50', '\0', 'A', 'b'});
    writeText(folder.path() / "PROVA003" / kRaceHeaderFileName, std::string("\x01", 1));
    writeText(selections(), "-1\r\n");
    state.Settings.Language = 1;
    Portada portada(state, prompter);
    portada.Load();
    EXPECT_EQ(portada.LlProves.count(), 3);    // the catalogue rebuilt from the folders
    EXPECT_FALSE(portada.modalityEnabled[4]);  // race 3 shows no series
    ASSERT_EQ(prompter.shown.size(), 2u);
    // The header of race 3 lacks its first Integer; the catalogue's first text runs past its end.
    EXPECT_EQ(
        prompter.shown[0].text,
        "Se han encontrado archivos de pruebas dañados:\n"
        "El archivo PROVES.LLS está dañado: hay un texto de longitud incorrecta (byte 0). Se ha rehecho a "
        "partir de las carpetas de las pruebas.\n"
        "El archivo PROVA003\\PROVA.DAD está dañado: termina a mitad de un valor (byte 0). La prueba "
        "aparece con el nombre de su carpeta, PROVA003.");
    EXPECT_EQ(prompter.shown[1].text,
              "El archivo PROVA003\\PROVA.DAD está dañado: termina a mitad de un valor (byte 0).\nNo se ha "
              "cambiado nada. Recupere el archivo de una copia de la prueba o vuelva a entrar sus datos.");
}

TEST_F(PortadaTest, UnwritableFolder_UnloadReportsFailure) {
    Portada portada(state, prompter);
    state.AppFolder = folder.path() / "missing" / "deeper";
    EXPECT_FALSE(portada.Unload());
}

TEST_F(PortadaTest, LogoPrefersGifThenJpegAnyCase) {
    Portada portada(state, prompter);
    EXPECT_FALSE(portada.logoFile());
    writeText(folder.path() / "logo.jpg", "x");
    EXPECT_EQ(portada.logoFile().value_or("").filename(), "logo.jpg");
    writeText(folder.path() / "LOGO.GIF", "x");
    EXPECT_EQ(portada.logoFile()->filename(), "LOGO.GIF");
}

}  // namespace
}  // namespace sc
