#include "organisation/distribution_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "temp_folder.h"

namespace sc {
namespace {

namespace fs = std::filesystem;

constexpr int kOfficialPractice = 2;
constexpr int kSuperPole = 3;
constexpr int kRace = 4;

class ProgramFolder : public ::testing::Test {
protected:
    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }

    test::TempFolder temp_;
    const fs::path& folder_ = temp_.path();
};

TEST_F(ProgramFolder, NewRaceStartsWithNoSeriesOnlyWhenTheFileForItsLaneCountExists) {
    EXPECT_EQ(distributionFileName(8), "DISTRIBUCIONS08.TXT");
    EXPECT_EQ(distributionFileName(12), "DISTRIBUCIONS12.TXT");
    EXPECT_FALSE(distributionFileExists(folder_, 8));
    EXPECT_EQ(initialSeriesCount(folder_, 8), 1);
    write("Distribucions08.txt", "24,12\r\n");  // users name files as they like
    EXPECT_TRUE(distributionFileExists(folder_, 8));
    EXPECT_EQ(initialSeriesCount(folder_, 8), 0);
    EXPECT_EQ(initialSeriesCount(folder_, 4), 1);
    write("Distribucions08.txt", "24,12\r\n30,x\r\n");  // a wrong line anywhere: series as without a file
    EXPECT_EQ(initialSeriesCount(folder_, 8), 1);
    const auto check = checkDistributionFile(folder_, 8);
    EXPECT_EQ(check.problem, DistributionProblem::BadLine);
    EXPECT_EQ(check.line, 2);
    EXPECT_EQ(check.file, "Distribucions08.txt");
}

TEST_F(ProgramFolder, ReadsTheFileOfTheLaneCountAMissingOneIsNoProblemAnOversizedOneIsRefused) {
    auto missing = readDistributionRecord(folder_, 8, 24);
    EXPECT_FALSE(missing.record);
    EXPECT_EQ(missing.problem, DistributionProblem::None);
    EXPECT_EQ(distributionProblemMessage(0, missing), "");
    EXPECT_FALSE(repechageReport(kOfficialPractice, 1, 8, missing));

    write("DISTRIBUCIONS08.TXT", "16,8\r\n24,12\r\n");
    write("DISTRIBUCIONS04.TXT", "24,2\r\n");
    EXPECT_EQ(readDistributionRecord(folder_, 8, 24).record->directPlaces, 12);
    EXPECT_EQ(readDistributionRecord(folder_, 4, 24).record->directPlaces, 2);

    write("DISTRIBUCIONS08.TXT", std::string((1 << 20) + 1, '1'));
    auto big = readDistributionRecord(folder_, 8, 24);
    EXPECT_FALSE(big.record);
    EXPECT_EQ(big.problem, DistributionProblem::Unreadable);
    EXPECT_NE(distributionProblemMessage(1, big).find("No se ha podido leer el archivo DISTRIBUCIONS08.TXT"),
              std::string::npos);
}

// Free-form commas and line ends, a last record without a line end, a skipped
// record's note, Ctrl-Z and what follows the match: 24,12 is found in each.
TEST(DistributionRecord, FirstMatchingRecordWinsInAnyLayout) {
    for (const std::string text : {"24,12\n24,10\n", "16,8\n20,10\n24,12", "16,8,24,12", "16\n8\n24\n12\n",
                                   "16 , 8\r\n\r\n24,\t12 \r\n", "16,8,\n24,12,\n",
                                   "20,-8,\"nota, amb coma\"\n24,12\n", "24,12\r\n\x1A", "24,12\ngarbage"}) {
        const auto found = findDistributionRecord(text, 24);
        ASSERT_TRUE(found.record) << text;
        EXPECT_EQ(found.record->fieldSize, 24);
        EXPECT_EQ(found.record->directPlaces, 12) << text;
        EXPECT_FALSE(found.record->note);
        EXPECT_EQ(found.problem, DistributionProblem::None);
    }
    EXPECT_FALSE(findDistributionRecord("16,8\n20,10\n", 24).record);
    EXPECT_EQ(findDistributionRecord("", 24).problem, DistributionProblem::None);
}

TEST(DistributionRecord, NegativeDirectPlacesCarryANoteConvertedFromWindows1252) {
    using Case = std::pair<std::string, std::optional<std::string>>;
    for (const auto& [text, note] :
         {Case{"24,-16,\"Semifinals directes, sense repesques\"\n", "Semifinals directes, sense repesques"},
          Case{"24,-16,Nota simple\n", "Nota simple"}, Case{"24,-16,\"\"\n", ""},
          Case{"24,-16,\"Nota\"", "Nota"},  // quoted to the end of the file
          Case{"24,-16", std::nullopt},     // cut off by the end: no note
          Case{"24,-16,\"Reorganitzaci\xF3 a l'\xE0rea\"\n", "Reorganitzaci\xC3\xB3 a l'\xC3\xA0rea"}}) {
        const auto found = findDistributionRecord(text, 24);
        ASSERT_TRUE(found.record) << text;
        EXPECT_EQ(found.record->directPlaces, 16);
        EXPECT_EQ(found.record->note, note) << text;
    }
}

TEST(DistributionRecord, MalformedRecordBeforeTheMatchStopsTheReadingWithItsLine) {
    auto bad = findDistributionRecord("16,8\n20,deu\n24,12\n", 24);
    EXPECT_FALSE(bad.record);
    EXPECT_EQ(bad.line, 2);
    EXPECT_EQ(bad.lineText, "deu");
    bad.file = "DISTRIBUCIONS08.TXT";
    EXPECT_NE(distributionProblemMessage(0, bad).find("L'arxiu DISTRIBUCIONS08.TXT té un error a la línia 2 "
                                                      "(\"deu\")"),
              std::string::npos);

    EXPECT_EQ(findDistributionRecord("16,8\n70000,1\n", 24).line, 2);  // not a 16-bit number
    EXPECT_EQ(findDistributionRecord("16,,8\n", 24).lineText, "");
    EXPECT_EQ(findDistributionRecord("16,8.5\n", 24).lineText, "8.5");
    EXPECT_FALSE(findDistributionRecord("24", 24).record);
    EXPECT_EQ(findDistributionRecord("1,2\n\n24", 24).line, 3);  // a field size alone at the end
    EXPECT_EQ(findDistributionRecord("\"unclosed\n", 24).problem, DistributionProblem::BadLine);
}

DistributionLookup record(int fieldSize, int direct, std::optional<std::string> note = std::nullopt) {
    return {DistributionRecord{fieldSize, direct, std::move(note)}};
}

TEST(RepechageReport, EightLanesAndTwelveDirectPlacesGiveFourRepechagesTheRaceMarksTheCut) {
    auto report = repechageReport(kOfficialPractice, 1, 8, record(24, 12));
    ASSERT_TRUE(report);
    EXPECT_EQ(report->box.text, "Hi ha 4 repesques programades.");
    EXPECT_EQ(report->box.title, "Informaci\xC3\xB3 de la cursa");
    EXPECT_EQ(report->box.icon, MessageIcon::Information);
    EXPECT_EQ(report->box.buttons, std::vector<Button>{Button::Ok});
    EXPECT_FALSE(report->cutRow);  // official practice marks no cut

    auto race = repechageReport(kRace, 1, 8, record(24, 12));
    ASSERT_TRUE(race);
    EXPECT_EQ(race->box.text, "Hi ha 4 repesques programades.");
    EXPECT_EQ(race->cutRow, 12);
}

TEST(RepechageReport, NoteGivesAWarningWithTheNoteOnItsOwnLine) {
    auto report = repechageReport(kOfficialPractice, 3, 8, record(24, 16, "Dues semifinals directes"));
    ASSERT_TRUE(report);
    EXPECT_EQ(report->box.text, "No hi ha repesques programades.\rDues semifinals directes");
    EXPECT_EQ(report->box.title, "Reorganitzaci\xC3\xB3 de la cursa");
    EXPECT_EQ(report->box.icon, MessageIcon::Exclamation);
}

// Only official practice and the first race series report, and only while the
// direct places fit the semi-final seats.
TEST(RepechageReport, NoReportElsewhereOrWithMoreDirectPlacesThanSemiFinalSeats) {
    for (auto [modality, series] : {std::pair{kRace, 2}, {kSuperPole, 1}, {1, 1}, {0, 1}})
        EXPECT_FALSE(repechageReport(modality, series, 8, record(24, 12))) << modality << "/" << series;
    EXPECT_EQ(repechageCount(8, 20), -4);
    EXPECT_FALSE(repechageReport(kOfficialPractice, 1, 8, record(24, 20)));
    EXPECT_TRUE(repechageReport(kOfficialPractice, 1, 8, record(24, 16)));  // exactly full: 0
}

}  // namespace
}  // namespace sc
