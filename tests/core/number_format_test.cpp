#include "core/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sc {
namespace {

// Per mask, values and the texts they show.
using MaskTable = std::vector<std::pair<const char*, std::vector<std::pair<double, const char*>>>>;

void ExpectAll(const MaskTable& table) {
    for (const auto& [mask, shown] : table)
        for (const auto& [value, expected] : shown)
            EXPECT_EQ(FormatNumber(value, mask), expected) << value << " with \"" << mask << "\"";
}

const char* const kBlankZero = "0.0000;;\\ \\";
const char* const kSigned = "+#;-#;\\ \\";

TEST(FormatNumber, WholeNumberMasks) {
    ExpectAll({{"0", {{0, "0"}, {5, "5"}, {-7, "-7"}, {1e20, "100000000000000000000"}}},
               {"#", {{0, ""}, {123, "123"}}},
               {"000", {{7, "007"}, {1234, "1234"}}},
               {"00", {{8, "08"}, {64, "64"}}},
               {"##", {{0, ""}, {5, "5"}, {12, "12"}}},
               {"(0)", {{2, "(2)"}, {0, "(0)"}}},
               {"(#)", {{24, "(24)"}, {0, "()"}}},
               {"-0  ", {{3, "-3  "}}},
               {" #", {{2, " 2"}, {0, " "}}},
               {"#0", {{5, "5"}}},
               {"0#", {{5, "05"}}}});
}

TEST(FormatNumber, DecimalMasks) {
    ExpectAll({{"0.0000", {{3.14159, "3.1416"}, {0, "0.0000"}, {0.5, "0.5000"}}},
               {"0.00", {{1234.5, "1234.50"}, {1.5, "1.50"}}},
               {"0.000", {{12.05, "12.050"}}},
               {"0.0", {{0.05, "0.1"}}},
               {".00", {{5.5, "5.50"}}},
               {"+0.0", {{3.44, "+3.4"}, {120, "+120.0"}}},
               {"+0.0000", {{1.5, "+1.5000"}}}});
}

TEST(FormatNumber, RoundsHalfAwayFromZeroOnTheDecimalText) {
    // 2.675 and 1.005 lie just below in binary; the shown digits decide.
    ExpectAll(
        {{"0.00", {{2.675, "2.68"}, {1.005, "1.01"}, {-1.005, "-1.01"}, {0.125, "0.13"}, {9.995, "10.00"}}},
         {"0.0000", {{99.99995, "100.0000"}, {12.34565, "12.3457"}}},
         {"0", {{2.5, "3"}, {-2.5, "-3"}}},
         {"+0.0", {{3.45, "+3.5"}, {-3.45, "-3.5"}, {100.05 - 100, "+0.1"}}},
         {kBlankZero, {{0.1 + 0.2 - 0.3, " "}}}});
}

// A Single keeps its own shortest digits; integers take the whole-number path.
TEST(FormatNumber, SinglesAndIntegersKeepTheirOwnType) {
    EXPECT_EQ(FormatNumber(2.675f, "0.00"), "2.68");
    EXPECT_EQ(FormatNumber(99.9999f, "0.0000"), "99.9999");
    EXPECT_EQ(FormatNumber(0.1f, "0.0000;;\\ \\"), "0.1000");
    EXPECT_EQ(FormatNumber(int16_t{12}, "000"), "012");
    EXPECT_EQ(FormatNumber(7L, "00"), "07");
}

TEST(FormatNumber, SectionsPositiveNegativeZero) {
    ExpectAll({{kBlankZero, {{1.23456, "1.2346"}, {0, " "}, {-1.5, "-1.5000"}}},
               {kSigned, {{2, "+2"}, {-3, "-3"}, {0, " "}}},
               {"0.0000;;99.9999", {{0, "99.9999"}, {5.1, "5.1000"}}},
               {"#;;\\ \\", {{0, " "}, {7, "7"}}},
               {"0.00;;\\ \\", {{0, " "}, {-123.456, "-123.46"}}},
               {"0;(0)", {{-5, "(5)"}, {0, "0"}}},
               {"0.0;;Z", {{-1.25, "-1.3"}}},
               {"0\"v\"", {{5, "5v"}}},
               {"0;;", {{0, "0"}}}});
}

TEST(FormatNumber, ValueRoundingToZeroShowsAsZero) {
    // No "-0.00", no "-+0.0", and a blank-for-zero cell stays blank.
    ExpectAll({{"0.00", {{-0.004, "0.00"}}},
               {"0", {{-0.4, "0"}}},
               {"+0.0", {{-0.04, "+0.0"}, {0.04, "+0.0"}}},
               {"+0.0000", {{-0.00001, "+0.0000"}}},
               {kBlankZero, {{0.00004, " "}, {-0.00004, " "}}},
               {kSigned, {{0.4, " "}, {-0.4, " "}}},
               {"0.0000;;99.9999", {{0.00001, "99.9999"}}}});
}

TEST(FormatNumber, NegativeThroughPositiveSectionTurnsLeadingPlusIntoMinus) {
    ExpectAll({{"+0.0", {{-3.4, "-3.4"}}}, {"+0.0000", {{-0.25, "-0.2500"}}}, {"(0)", {{-3, "-(3)"}}}});
}

TEST(FormatNumber, EmptyMaskAndNonFiniteValues) {
    ExpectAll({{"", {{12.5, "12.5"}, {-3, "-3"}}},
               {"0.00", {{std::nan(""), "0.00"}}},
               {kBlankZero, {{std::numeric_limits<double>::infinity(), " "}}},
               {"0.0\\", {{5, "5.0"}}}});  // a lone trailing backslash shows nothing
}

TEST(Str, BlankBeforeNonNegativeShortestText) {
    EXPECT_EQ(Str(5), " 5");
    EXPECT_EQ(Str(-1), "-1");
    EXPECT_EQ(Str(12.5), " 12.5");
    EXPECT_EQ(Str(0.0), " 0");
    EXPECT_EQ(Str(-0.0), " 0");
    EXPECT_EQ(Str(0.1f), " 0.1");
    EXPECT_EQ(Str(1e20), " 1E+20");
    EXPECT_EQ(Str(int16_t{-32768}), "-32768");
    EXPECT_EQ(Str(0.1 + 0.2), " 0.3");  // 15 digits hide the binary noise
    EXPECT_EQ(Str(3.1415927f), " 3.141593");
}

TEST(ReadNumber, LeadingNumberWithEitherSeparatorOrZero) {
    const std::pair<const char*, double> cases[] = {
        {" 12.5abc", 12.5}, {"12,5", 12.5}, {"-3", -3},         {"+4", 4},  {"-.5", -0.5},
        {",5", 0.5},        {"1.2.3", 1.2}, {"1.234,5", 1.234}, {"\t7", 7}, {"+99.9s", 99.9},
        {"-1v", -1},        {"", 0},        {" ", 0},           {"abc", 0}, {".", 0},
        {"-", 0},           {"- 5", 0},     {"+.", 0},          {"v12", 0}};
    for (auto [text, value] : cases) EXPECT_DOUBLE_EQ(ReadNumber(text), value) << text;
}

TEST(ReadNumber, HugeDigitRunClampsInsteadOfFailing) {
    EXPECT_EQ(ReadNumber(std::string(400, '9')), std::numeric_limits<double>::max());
    EXPECT_EQ(ReadNumber("-" + std::string(400, '9')), -std::numeric_limits<double>::max());
}

// Whole seconds like a stopwatch (3599.9999999 is float noise), wrapping around midnight.
TEST(FormatTimeOfDay, ElapsedAndLongTime) {
    const std::pair<std::string_view, std::vector<std::pair<double, const char*>>> cases[] = {
        {kElapsedTimeMask, {{0, "0:00:00"}, {754, "0:12:34"}, {3600, "1:00:00"}, {59.6, "0:00:59"}}},
        {kElapsedTimeMask, {{3599.9999999, "1:00:00"}, {90000, "1:00:00"}, {std::nan(""), "0:00:00"}}},
        {kLongTimeMask, {{3723, "01:02:03"}, {86399, "23:59:59"}, {-10, "23:59:50"}, {86400, "00:00:00"}}},
        {"h\\h mm", {{45296, "12h 34"}}}};
    for (const auto& [mask, shown] : cases)
        for (auto [seconds, text] : shown) EXPECT_EQ(FormatTimeOfDay(seconds, mask), text) << seconds;
}

}  // namespace
}  // namespace sc
