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

DistributionLookup lookup(const std::string& text, int fieldSize) {
    return findDistributionRecord(text, fieldSize);
}

TEST(DistributionFileName, TwoDigitLaneCount) {
    EXPECT_EQ(distributionFileName(8), "DISTRIBUCIONS08.TXT");
    EXPECT_EQ(distributionFileName(12), "DISTRIBUCIONS12.TXT");
}

TEST_F(ProgramFolder, NewRaceStartsWithNoSeriesOnlyWhenTheFileForItsLaneCountExists) {
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

TEST_F(ProgramFolder, ReadsTheRecordFromTheFileOfTheLaneCount) {
    write("DISTRIBUCIONS08.TXT", "16,8\r\n24,12\r\n");
    write("DISTRIBUCIONS04.TXT", "24,2\r\n");
    auto found = readDistributionRecord(folder_, 8, 24);
    ASSERT_TRUE(found.record);
    EXPECT_EQ(found.record->directPlaces, 12);
    EXPECT_EQ(readDistributionRecord(folder_, 4, 24).record->directPlaces, 2);
}

TEST_F(ProgramFolder, MissingFileIsNotAProblem) {
    auto missing = readDistributionRecord(folder_, 8, 24);
    EXPECT_FALSE(missing.record);
    EXPECT_EQ(missing.problem, DistributionProblem::None);
    EXPECT_EQ(distributionProblemMessage(0, missing), "");
    EXPECT_FALSE(repechageReport(kOfficialPractice, 1, 8, missing));
}

TEST_F(ProgramFolder, OversizedFileIsRefusedWithItsName) {
    write("DISTRIBUCIONS08.TXT", std::string((1 << 20) + 1, '1'));
    auto big = readDistributionRecord(folder_, 8, 24);
    EXPECT_FALSE(big.record);
    EXPECT_EQ(big.problem, DistributionProblem::Unreadable);
    EXPECT_NE(distributionProblemMessage(1, big).find("No se ha podido leer el archivo DISTRIBUCIONS08.TXT"),
              std::string::npos);
}

TEST(DistributionRecord, FirstMatchingRecordWinsAndTheLastOneCounts) {
    EXPECT_EQ(lookup("24,12\n24,10\n", 24).record->directPlaces, 12);
    EXPECT_EQ(lookup("16,8\n20,10\n24,12", 24).record->directPlaces, 12);  // last, no line end
    EXPECT_FALSE(lookup("16,8\n20,10\n", 24).record);
    EXPECT_EQ(lookup("", 24).problem, DistributionProblem::None);
}

TEST(DistributionRecord, FreeFormCommasAndLineEndsAreTheSame) {
    for (const std::string text :
         {"16,8,24,12", "16\n8\n24\n12\n", "16 , 8\r\n\r\n24,\t12 \r\n", "16,8,\n24,12,\n"}) {
        auto found = lookup(text, 24);
        ASSERT_TRUE(found.record) << text;
        EXPECT_EQ(found.record->fieldSize, 24);
        EXPECT_EQ(found.record->directPlaces, 12) << text;
        EXPECT_FALSE(found.record->note);
    }
}

TEST(DistributionRecord, NegativeDirectPlacesCarryANote) {
    auto quoted = lookup("24,-16,\"Semifinals directes, sense repesques\"\n", 24);
    ASSERT_TRUE(quoted.record);
    EXPECT_EQ(quoted.record->directPlaces, 16);
    EXPECT_EQ(quoted.record->note, "Semifinals directes, sense repesques");

    EXPECT_EQ(lookup("24,-16,Nota simple\n", 24).record->note, "Nota simple");
    EXPECT_EQ(lookup("24,-16,\"\"\n", 24).record->note, "");
    // A note cut off by the end of the file: the record stands without one.
    auto cut = lookup("24,-16", 24);
    ASSERT_TRUE(cut.record);
    EXPECT_FALSE(cut.record->note);
}

TEST(DistributionRecord, NoteOfASkippedRecordIsNotReadAsANumber) {
    auto found = lookup("20,-8,\"nota, amb coma\"\n24,12\n", 24);
    ASSERT_TRUE(found.record);
    EXPECT_EQ(found.record->directPlaces, 12);
    EXPECT_EQ(found.problem, DistributionProblem::None);
}

TEST(DistributionRecord, NoteIsConvertedFromWindows1252) {
    auto found = lookup("24,-16,\"Reorganitzaci\xF3 a l'\xE0rea\"\n", 24);
    EXPECT_EQ(found.record->note, "Reorganitzaci\xC3\xB3 a l'\xC3\xA0rea");
}

TEST(DistributionRecord, MalformedRecordBeforeTheMatchStopsTheReadingWithItsLine) {
    auto bad = lookup("16,8\n20,deu\n24,12\n", 24);
    EXPECT_FALSE(bad.record);
    EXPECT_EQ(bad.line, 2);
    EXPECT_EQ(bad.lineText, "deu");
    bad.file = "DISTRIBUCIONS08.TXT";
    EXPECT_NE(distributionProblemMessage(0, bad).find("L'arxiu DISTRIBUCIONS08.TXT té un error a la línia 2 "
                                                      "(\"deu\")"),
              std::string::npos);

    EXPECT_EQ(lookup("16,8\n70000,1\n", 24).line, 2);  // not a 16-bit number
    EXPECT_EQ(lookup("16,,8\n", 24).lineText, "");
    EXPECT_EQ(lookup("16,8.5\n", 24).lineText, "8.5");
    EXPECT_FALSE(lookup("24", 24).record);
    EXPECT_EQ(lookup("1,2\n\n24", 24).line, 3);  // a field size alone at the end
    EXPECT_EQ(lookup("\"unclosed\n", 24).problem, DistributionProblem::BadLine);
    // What follows the matching record is never read.
    EXPECT_TRUE(lookup("24,12\ngarbage", 24).record);
}

TEST(DistributionRecord, CtrlZEndsTheFile) { EXPECT_TRUE(lookup("24,12\r\n\x1A", 24).record); }

DistributionLookup record(int fieldSize, int direct, std::optional<std::string> note = std::nullopt) {
    return {DistributionRecord{fieldSize, direct, std::move(note)}};
}

TEST(RepechageReport, EightLanesAndTwelveDirectPlacesGiveFourRepechages) {
    auto report = repechageReport(kOfficialPractice, 1, 8, record(24, 12));
    ASSERT_TRUE(report);
    EXPECT_EQ(report->box.text, "Hi ha 4 repesques programades.");
    EXPECT_EQ(report->box.title, "Informaci\xC3\xB3 de la cursa");
    EXPECT_EQ(report->box.icon, MessageIcon::Information);
    EXPECT_EQ(report->box.buttons, std::vector<Button>{Button::Ok});
    EXPECT_FALSE(report->cutRow);  // official practice marks no cut
}

TEST(RepechageReport, NoteGivesAWarningWithTheNoteOnItsOwnLine) {
    auto report = repechageReport(kOfficialPractice, 3, 8, record(24, 16, "Dues semifinals directes"));
    ASSERT_TRUE(report);
    EXPECT_EQ(report->box.text, "No hi ha repesques programades.\rDues semifinals directes");
    EXPECT_EQ(report->box.title, "Reorganitzaci\xC3\xB3 de la cursa");
    EXPECT_EQ(report->box.icon, MessageIcon::Exclamation);
}

TEST(RepechageReport, FirstRaceSeriesAlsoMarksTheCut) {
    auto report = repechageReport(kRace, 1, 8, record(24, 12));
    ASSERT_TRUE(report);
    EXPECT_EQ(report->box.text, "Hi ha 4 repesques programades.");
    EXPECT_EQ(report->cutRow, 12);
}

TEST(RepechageReport, OnlyOfficialPracticeAndTheFirstRaceSeriesReport) {
    const auto found = record(24, 12);
    EXPECT_FALSE(repechageReport(kRace, 2, 8, found));
    EXPECT_FALSE(repechageReport(kSuperPole, 1, 8, found));
    EXPECT_FALSE(repechageReport(1, 1, 8, found));
    EXPECT_FALSE(repechageReport(0, 1, 8, found));
}

TEST(RepechageReport, MoreDirectPlacesThanSemiFinalSeatsGivesNoReport) {
    EXPECT_EQ(repechageCount(8, 20), -4);
    EXPECT_FALSE(repechageReport(kOfficialPractice, 1, 8, record(24, 20)));
    EXPECT_TRUE(repechageReport(kOfficialPractice, 1, 8, record(24, 16)));  // exactly full: 0
}

TEST(RepechageReport, FromTheFileText) {
    auto report = repechageReport(kOfficialPractice, 1, 8, lookup("24,-16,\"Nota\"", 24));
    ASSERT_TRUE(report);
    EXPECT_EQ(report->box.text, "No hi ha repesques programades.\rNota");
}

}  // namespace
}  // namespace sc
