#include "core/value_file.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <utility>

#include "core/file_io.h"
#include "temp_folder.h"

namespace sc {
namespace {
namespace fs = std::filesystem;

class ValueFileTest : public testing::Test {
protected:
    test::TempFolder temp_;
    const fs::path& folder_ = temp_.path();
};

std::string text(const std::optional<Bytes>& data) {
    return data ? std::string(data->begin(), data->end()) : "?";
}

TEST(ValueText, NonNegativeNumbersGetALeadingBlank) {
    EXPECT_EQ(valueText(5), " 5");
    EXPECT_EQ(valueText(0), " 0");
    EXPECT_EQ(valueText(-1), "-1");
    EXPECT_EQ(valueText(70000L), " 70000");
    EXPECT_EQ(valueText(static_cast<int16_t>(-3)), "-3");
    EXPECT_EQ(valueText(40123.25), " 40123.25");
    EXPECT_EQ(valueText(-0.5f), "-0.5");
}

TEST(ValueText, SinglesReadBackAsTheSameSingle) {
    for (float f : {40123.2578125f, 86399.99f, 0.1f, 99.9999f, 12345.679f, 1e-7f}) {
        auto t = valueText(f);
        EXPECT_EQ(static_cast<float>(lineValue(t)), f) << t;
    }
    EXPECT_EQ(valueText(99.9999f), " 99.9999");
    EXPECT_EQ(shortestText(99.9999f), "99.9999");
    for (double d : {40123.2578125, 43210.123456789, 0.1}) EXPECT_EQ(lineValue(valueText(d)), d);
}

TEST(ValueText, IgnoresTheCLocale) {
    const char* chosen = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (!chosen) chosen = std::setlocale(LC_ALL, "ca_ES.UTF-8");
    EXPECT_EQ(valueText(1.5), " 1.5");
    EXPECT_EQ(lineValue(" 1.5"), 1.5);
    std::setlocale(LC_ALL, "C");
}

// Blanks skipped, a comma read as a point, text without a number read as zero.
TEST(LineValue, ReadsTheLeadingNumberOrZero) {
    const std::pair<const char*, double> cases[] = {{" 3 ", 3},  {"\t-1", -1},  {" 40123,5", 40123.5},
                                                    {"+7", 7},   {"12abc", 12}, {".5", 0.5},
                                                    {"", 0},     {"   ", 0},    {"abc", 0},
                                                    {"-", 0},    {"inf", 0},    {"nan", 0},
                                                    {"-inf", 0}, {"1e999", 0},  {"0x10", 0},
                                                    {"+-3", 0}};
    for (auto [text, value] : cases) EXPECT_EQ(lineValue(text), value) << text;
}

TEST(SplitValueLines, AcceptsEveryLineEndAndALastLineWithoutOne) {
    EXPECT_EQ(splitValueLines(" 1\r\n-1\r\n"), (std::vector<std::string>{" 1", "-1"}));
    EXPECT_EQ(splitValueLines(" 1\n 2\r 3"), (std::vector<std::string>{" 1", " 2", " 3"}));
    EXPECT_EQ(splitValueLines("\r\n\r\n"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(splitValueLines("").empty());
}

TEST_F(ValueFileTest, WritesLinesEndedByCrLf) {
    auto file = folder_ / "KEL4.INI";
    ASSERT_TRUE(writeValueLines(file, {valueText(2), valueText(-1), valueText(0)}));
    EXPECT_EQ(text(readFileBytes(file)), " 2\r\n-1\r\n 0\r\n");
    EXPECT_EQ(readValueLines(file), (std::vector<std::string>{" 2", "-1", " 0"}));
    ASSERT_TRUE(writeValueLines(file, {}));
    EXPECT_EQ(readValueLines(file), std::vector<std::string>{});  // empty, not missing
}

TEST_F(ValueFileTest, AppendCreatesTheFileAndAddsOneLine) {
    auto file = folder_ / "KEL4.TMP";
    EXPECT_FALSE(readValueLines(file));
    ASSERT_TRUE(appendValueLine(file, valueText(40123.2578125f)));
    ASSERT_TRUE(appendValueLine(file, valueText(40200.5f)));
    EXPECT_EQ(text(readFileBytes(file)), " 40123.258\r\n 40200.5\r\n");
    auto lines = readValueLines(file);
    ASSERT_EQ(lines->size(), 2u);
    EXPECT_EQ(static_cast<float>(lineValue((*lines)[0])), 40123.2578125f);
}

}  // namespace
}  // namespace sc
