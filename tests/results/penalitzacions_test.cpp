#include "results/penalitzacions.h"

#include <gtest/gtest.h>

#include "core/file_io.h"
#include "core/penalty_file.h"
#include "temp_folder.h"

namespace sc {
namespace {
namespace fs = std::filesystem;

class PenaltiesTest : public ::testing::Test {
protected:
    fs::path file() const { return folder.path() / "CRS001.PEN"; }
    Penalitzacions window() const { return Penalitzacions(file(), {"Anna", "Biel", "Carla", ""}); }
    test::TempFolder folder;
};

TEST_F(PenaltiesTest, OnePenaltyForParticipantThreeWritesTheRecordByteForByte) {
    Penalitzacions w = window();
    ASSERT_TRUE(w.Load());
    w.Participant_Click(2);
    w.Valor = "1";
    w.Concepte = "  x ";
    ASSERT_TRUE(w.Gravar());
    EXPECT_EQ(readFileOrThrow(file()), (Bytes{0x03, 0x00, 0x00, 0x00, 0x80, 0x3F, 0x01, 0x00, 'x'}));
}

// The grid's values and a record removed among others are in the results_race script.
TEST_F(PenaltiesTest, ZeroOrNoNumberRemovesTheRecordAndLeavesAnEmptyFile) {
    ASSERT_TRUE(writePenalties(file(), {{2, 0.5f, "tall"}, {3, 2, "salt"}}));
    Penalitzacions w = window();
    ASSERT_TRUE(w.Load());
    w.Quadre_Click(2);
    EXPECT_EQ(w.Concepte, "tall");
    w.Valor = "0";
    w.Valor_LostFocus();
    EXPECT_EQ(w.Valor, "");
    EXPECT_EQ(w.Concepte, "");
    ASSERT_TRUE(w.Gravar());
    w.Participant_Click(2);
    w.Valor = "abc";  // saved without leaving the box: reads as no penalty
    w.Concepte = "salt";
    ASSERT_TRUE(w.Gravar());
    EXPECT_TRUE(fs::exists(file()));
    EXPECT_EQ(fs::file_size(file()), 0u);
}

TEST_F(PenaltiesTest, DamagedFileOrUnwritableReasonIsReportedAndNothingIsLost) {
    ASSERT_TRUE(writeFileAtomic(file(), Bytes{1, 0, 0, 0}));
    Penalitzacions damaged = window();
    EXPECT_FALSE(damaged.Load());
    EXPECT_NE(damaged.problem.find("CRS001.PEN"), std::string::npos);

    ASSERT_TRUE(writePenalties(file(), {{1, 1, "a"}}));
    Penalitzacions w = window();
    w.Load();
    w.Participant_Click(1);
    w.Valor = "1";
    w.Concepte = "€ fora de lloc ☃";  // the snowman has no Windows-1252 form
    EXPECT_FALSE(w.Gravar());
    EXPECT_EQ(readPenalties(file()), (std::vector<PenaltyEntry>{{1, 1, "a"}}));
}

TEST(PenaltiesTitle, NamesRaceModalityAndSeries) {
    EXPECT_EQ(PenaltiesTitleSuffix(" Gran Premi ", "Cursa", "Sèrie:", 2), " - Gran Premi - Cursa (Sèrie: 2)");
}

}  // namespace
}  // namespace sc
