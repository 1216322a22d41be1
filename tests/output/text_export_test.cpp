#include "output/text_export.h"

#include <gtest/gtest.h>

#include "app/app_test_helpers.h"
#include "core/cp1252.h"
#include "core/race_store.h"
#include "results/results_series_files.h"
#include "temp_folder.h"

namespace sc {
namespace {
namespace fs = std::filesystem;
using test::resultRecord;

// Race 1 "Copa": one race series, two lanes, Anna and Biel, two heats (one
// pass): heat 1 Anna lane 1 10 laps 5.1, Biel lane 2 9 laps 5.0; heat 2 Anna
// lane 2 11 laps 5.0, Biel lane 1 11 laps 4.9 (two seconds later).
class TextExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.AppFolder = app.path();
        state.CurrentRace = 1;
        state.Track.LaneCount = 2;
        fs::create_directory(race());
        header(0);
        test::writeNames(race() / "CRS001.PAR", 2, {"Anna", "Biel"});
        test::writeHeatFile(
            race() / "CRS001.DAD",
            {{1,
              36000,
              {resultRecord(1, 10, 36050, 5.1f, 1, 10, 5.1f), resultRecord(2, 9, 36055, 5.0f, 2, 9, 5.0f)}},
             {2,
              36200,
              {resultRecord(1, 21, 36250, 5.0f, 2, 11, 5.0f),
               resultRecord(2, 20, 36252, 4.9f, 1, 11, 4.9f)}}});
    }
    fs::path race() const { return app.path() / raceFolderName(1); }
    void header(int16_t officialSeries) {
        writeRaceHeader(race() / kRaceHeaderFileName,
                        RaceHeader{{0, officialSeries, 0, 1}, "Copa", "06-12-2026"});
    }

    test::TempFolder app;
    RaceState state;
};

std::string lines(std::initializer_list<const char*> list) {
    std::string text;
    for (const char* line : list) text += std::string(line) + "\r\n";
    return text;
}

const std::string kDashes(100, '-');

// Worked out by hand from the two heats above, section by section.
const std::string kRaceBlock =
    "Cursa\r\n" + kDashes + "\r\n\r\n" +
    lines({"QUADRANTS DE VOLTES I VOLTES RÀPIDES", "", "\tParticipant\tPst. 1\tPst. 2",
           "\tAnna\t10 / 5.1000\t11 / 5.0000\t21\t5.0000", "\tBiel\t11 / 4.9000\t9 / 5.0000\t20\t4.9000", "",
           // MngAMng(1, 7) and MngAMng(2, 9)
           "CLASSIFICACIÓ COMPLETADA LA MÀNIGA 1 ", "", "\t1.-\tAnna\t(Pst.1)\t10\t\t",
           "\t2.-\tBiel\t(Pst.2)\t9\t-1v\t", "", "CLASSIFICACIÓ COMPLETADA LA MÀNIGA 2 ", "",
           "\t1.-\tAnna\t(Pst.2)\t21\t\t", "\t2.-\tBiel\t(Pst.1)\t20\t-1v\t", "",
           "QUADRE DE POSICIONS PER VOLTES DESPRÉS DE CADA MÀNIGA", "", "\tParticipant\t 1 \t 2 ",
           "\tAnna\t1.-\t1.-", "\tBiel\t2.-\t2.-", "", "CLASSIFICACIÓ COMPLETADA LA MÀNIGA 1 ", "",
           "\t1.-\tBiel\t(Pst.2)\t5.0000\t\t", "\t2.-\tAnna\t(Pst.1)\t5.1000\t+0.1000\t", "",
           "CLASSIFICACIÓ COMPLETADA LA MÀNIGA 2 ", "", "\t1.-\tBiel\t(Pst.1)\t4.9000\t\t",
           "\t2.-\tAnna\t(Pst.2)\t5.0000\t+0.1000\t", "", "QUADRE DE VOLTA RÀPIDA DESPRÉS DE CADA MÀNIGA", "",
           "\tParticipant\t 1 \t 2 ", "\tAnna\t2.-\t2.-", "\tBiel\t1.-\t1.-", "",
           // Pst(3, 11) and Pst(4, 13): one pass, so no pass part; a tie at +0.0000
           "CLASSIFICACIÓ DE LA PISTA  1 ", "", "\t1.-\tBiel\t(Mng.2)\t11\t\t",
           "\t2.-\tAnna\t(Mng.1)\t10\t-1v\t", "", "CLASSIFICACIÓ DE LA PISTA  2 ", "",
           "\t1.-\tAnna\t(Mng.2)\t11\t\t", "\t2.-\tBiel\t(Mng.1)\t9\t-2v\t", "",
           "QUADRE DE POSICIONS PER PISTES", "", "\tParticipant\t 1 \t 2 ", "\tAnna\t2.-\t1.-",
           "\tBiel\t1.-\t2.-", "", "CLASSIFICACIÓ DE LA PISTA  1 ", "", "\t1.-\tBiel\t(Mng.2)\t4.9000\t\t",
           "\t2.-\tAnna\t(Mng.1)\t5.1000\t+0.2000\t", "", "CLASSIFICACIÓ DE LA PISTA  2 ", "",
           "\t1.-\tBiel\t(Mng.1)\t5.0000\t\t", "\t1.-\tAnna\t(Mng.2)\t5.0000\t+0.0000\t", "",
           "QUADRE DE POSICIONS PER PISTES", "", "\tParticipant\t 1 \t 2 ", "\tAnna\t2.-\t1.-",
           "\tBiel\t1.-\t1.-", "",
           // Mng(3, 11) and Mng(4, 13)
           "CLASSIFICACIÓ DE LA MÀNIGA 1 ", "", "\t1.-\tAnna\t(Pst.1)\t10\t\t",
           "\t2.-\tBiel\t(Pst.2)\t9\t-1v\t", "", "CLASSIFICACIÓ DE LA MÀNIGA 2 ", "",
           "\t1.-\tAnna\t(Pst.2)\t11\t\t", "\t2.-\tBiel\t(Pst.1)\t11\t+2.0s\t", "",
           "QUADRE DE POSICIONS PER MÀNIGUES", "", "\tParticipant\t 1 \t 2 ", "\tAnna\t1.-\t1.-",
           "\tBiel\t2.-\t2.-", "", "CLASSIFICACIÓ DE LA MÀNIGA 1 ", "", "\t1.-\tBiel\t(Pst.2)\t5.0000\t\t",
           "\t2.-\tAnna\t(Pst.1)\t5.1000\t+0.1000\t", "", "CLASSIFICACIÓ DE LA MÀNIGA 2 ", "",
           "\t1.-\tBiel\t(Pst.1)\t4.9000\t\t", "\t2.-\tAnna\t(Pst.2)\t5.0000\t+0.1000\t", "",
           "QUADRE DE POSICIONS PER MÀNIGUES", "", "\tParticipant\t 1 \t 2 ", "\tAnna\t2.-\t2.-",
           "\tBiel\t1.-\t1.-", "",
           // Eqp(3, 11) and Eqp(4, 13)
           "CLASSIFICACIÓ DEL PARTICIPANT Anna", "", "\t1.-\tPst.2\t(Mng.2)\t11\t\t",
           "\t2.-\tPst.1\t(Mng.1)\t10\t-1v\t", "", "CLASSIFICACIÓ DEL PARTICIPANT Biel", "",
           "\t1.-\tPst.1\t(Mng.2)\t11\t\t", "\t2.-\tPst.2\t(Mng.1)\t9\t-2v\t", "",
           "CLASSIFICACIÓ DEL PARTICIPANT Anna", "", "\t1.-\tPst.2\t(Mng.2)\t5.0000\t\t",
           "\t2.-\tPst.1\t(Mng.1)\t5.1000\t+0.1000\t", "", "CLASSIFICACIÓ DEL PARTICIPANT Biel", "",
           "\t1.-\tPst.1\t(Mng.2)\t4.9000\t\t", "\t2.-\tPst.2\t(Mng.1)\t5.0000\t+0.1000\t", "",
           // Ttl(3, 11) and Ttl(4, 13): no gaps, no pass
           "CLASSIFICACIÓ DE TOTES LES MÀNIGUES", "", "\t1.-\tAnna\t(Pst.2)\t(Mng.2)\t11",
           "\t2.-\tBiel\t(Pst.1)\t(Mng.2)\t11", "\t3.-\tAnna\t(Pst.1)\t(Mng.1)\t10",
           "\t4.-\tBiel\t(Pst.2)\t(Mng.1)\t9", "", "CLASSIFICACIÓ DE TOTES LES MÀNIGUES", "",
           "\t1.-\tBiel\t(Pst.1)\t(Mng.2)\t4.9000", "\t2.-\tBiel\t(Pst.2)\t(Mng.1)\t5.0000",
           "\t2.-\tAnna\t(Pst.2)\t(Mng.2)\t5.0000", "\t4.-\tAnna\t(Pst.1)\t(Mng.1)\t5.1000", ""});

TEST_F(TextExportTest, SeriesOnlyInTheRacePrintsOneBlockByHandAnEmptyModalityItsCaption) {
    std::vector<std::string> steps;
    const auto listener = [&](const ArchiveProgress& p) {
        EXPECT_EQ(p.InfoArxiu, "Exportant a TXT Copa (06-12-2026)");
        if (p.file > 0) steps.push_back(p.percent() + " " + p.InfoTreball);
        return true;
    };
    EXPECT_EQ(TextExportContent(state, false, listener), kRaceBlock);
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.front(), "13/18 Cursa - QUADRANTS DE VOLTES I VOLTES RÀPIDES");
    EXPECT_EQ(steps.back(), "18/18 Cursa - CLASSIFICACIÓ DE TOTES LES MÀNIGUES");

    header(1);  // official practice has a series, but no heat file: caption and dashes only
    EXPECT_EQ(TextExportContent(state, false),
              "Entrenaments oficials\r\n" + kDashes + "\r\n\r\n" + kRaceBlock);
}

TEST_F(TextExportTest, SeparateQuadrantsPrintLapsThenFastestLapsUnderOneHeader) {
    const std::string text = TextExportContent(state, true);
    const std::string quadrants = lines(
        {"QUADRANTS DE VOLTES I VOLTES RÀPIDES", "", "\tParticipant\tPst. 1\tPst. 2", "\tAnna\t10\t11\t21",
         "\tBiel\t11\t9\t20", "", "\tParticipant\tPst. 1\tPst. 2", "\tAnna\t5.1000\t5.0000\t5.0000",
         "\tBiel\t4.9000\t5.0000\t4.9000", "", "CLASSIFICACIÓ COMPLETADA LA MÀNIGA 1 "});
    const std::string start = "Cursa\r\n" + kDashes + "\r\n\r\n" + quadrants;
    EXPECT_EQ(text.substr(0, start.size()), start);
}

TEST_F(TextExportTest, FileIsWindows1252WithCrLfAndACancelLeavesNoFile) {
    const fs::path file = app.path() / "copa.txt";
    ASSERT_TRUE(ExportarProva(state, file, false).ok());
    const std::string bytes = test::readText(file);
    EXPECT_EQ(bytes, utf8ToCp1252(kRaceBlock));
    EXPECT_NE(bytes.find("R\xC0PIDES\r\n\r\n\tParticipant\t"), std::string::npos);

    test::writeText(file, "old");
    int calls = 0;
    const ArchiveOutcome stopped =
        ExportarProva(state, file, false, [&](const ArchiveProgress&) { return ++calls < 5; });
    EXPECT_EQ(stopped.message, "Cancel·lat: no s'ha deixat cap arxiu a mitges.");
    EXPECT_EQ(test::readText(file), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(app.path()), fs::directory_iterator()), 2);
}

TEST_F(TextExportTest, SpanishTitlesAndHeaders) {
    state.Settings.Language = 1;
    const std::string text = TextExportContent(state, false);
    EXPECT_EQ(text.substr(0, 7), "Carrera");
    EXPECT_NE(text.find("TABLAS DE VUELTAS Y VUELTAS RÁPIDAS\r\n\r\n\tParticipante\tPst. 1\tPst. 2\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("CLASIFICACIÓN DE LA PISTA  1 \r\n"), std::string::npos);
}

TEST_F(TextExportTest, ADamagedSeriesFileStopsTheExport) {
    fs::resize_file(race() / "CRS001.DAD", 60);
    const ArchiveOutcome outcome = ExportarProva(state, app.path() / "copa.txt", false);
    EXPECT_FALSE(outcome.ok());
    EXPECT_NE(outcome.message.find("CRS001.DAD"), std::string::npos);
    EXPECT_FALSE(fs::exists(app.path() / "copa.txt"));
}

}  // namespace
}  // namespace sc
