#include "app/second_screen.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/temp_folder.h"

namespace sc {

TEST(SecondScreen, ChoiceIsRememberedAndForgotten_AStrangeFileChoosesNothing) {
    test::TempFolder folder;
    EXPECT_EQ(readSecondScreenChoice(folder.path()), "");  // first run
    ASSERT_TRUE(writeSecondScreenChoice(folder.path(), "Classificacio"));
    EXPECT_EQ(readSecondScreenChoice(folder.path()), "Classificacio");
    ASSERT_TRUE(writeSecondScreenChoice(folder.path(), ""));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / kSecondScreenFileName));
    EXPECT_EQ(readSecondScreenChoice(folder.path()), "");
    std::ofstream(folder.path() / kSecondScreenFileName, std::ios::binary) << "\x01\xff garbage\r\n";
    EXPECT_EQ(readSecondScreenChoice(folder.path()), "");
    EXPECT_FALSE(canUseSecondScreen(1));
    EXPECT_TRUE(canUseSecondScreen(2));
}

}  // namespace sc
