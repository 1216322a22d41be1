#include "core/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace sc {
namespace {

struct MaskCase {
    double value;
    const char* mask;
    const char* expected;
};

void ExpectAll(const std::vector<MaskCase>& cases) {
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.mask), c.expected) << c.value << " with \"" << c.mask << "\"";
}

TEST(FormatNumber, WholeNumberMasks) {
    ExpectAll({{0, "0", "0"},         {5, "0", "5"},
               {-7, "0", "-7"},       {0, "#", ""},
               {123, "#", "123"},     {7, "000", "007"},
               {1234, "000", "1234"}, {8, "00", "08"},
               {64, "00", "64"},      {0, "##", ""},
               {5, "##", "5"},        {12, "##", "12"},
               {2, "(0)", "(2)"},     {0, "(0)", "(0)"},
               {24, "(#)", "(24)"},   {0, "(#)", "()"},
               {3, "-0  ", "-3  "},   {2, " #", " 2"},
               {0, " #", " "},        {5, "#0", "5"},
               {5, "0#", "05"},       {1e20, "0", "100000000000000000000"}});
}

TEST(FormatNumber, DecimalMasks) {
    ExpectAll({{3.14159, "0.0000", "3.1416"},
               {0, "0.0000", "0.0000"},
               {0.5, "0.0000", "0.5000"},
               {1234.5, "0.00", "1234.50"},
               {12.05, "0.000", "12.050"},
               {1.5, "0.00", "1.50"},
               {0.05, "0.0", "0.1"},
               {5.5, ".00", "5.50"},
               {3.44, "+0.0", "+3.4"},
               {120, "+0.0", "+120.0"},
               {1.5, "+0.0000", "+1.5000"}});
}

TEST(FormatNumber, RoundsHalfAwayFromZeroOnTheDecimalText) {
    // 2.675 and 1.005 lie just below in binary; the shown digits decide.
    ExpectAll({{2.675, "0.00", "2.68"},
               {1.005, "0.00", "1.01"},
               {-1.005, "0.00", "-1.01"},
               {0.125, "0.00", "0.13"},
               {9.995, "0.00", "10.00"},
               {99.99995, "0.0000", "100.0000"},
               {2.5, "0", "3"},
               {-2.5, "0", "-3"},
               {3.45, "+0.0", "+3.5"},
               {-3.45, "+0.0", "-3.5"},
               {12.34565, "0.0000", "12.3457"},
               {100.05 - 100, "+0.0", "+0.1"},
               {0.1 + 0.2 - 0.3, "0.0000;;\\ \\", " "}});
}

TEST(FormatNumber, SingleKeepsItsOwnShortestDigits) {
    EXPECT_EQ(FormatNumber(2.675f, "0.00"), "2.68");
    EXPECT_EQ(FormatNumber(99.9999f, "0.0000"), "99.9999");
    EXPECT_EQ(FormatNumber(0.1f, "0.0000;;\\ \\"), "0.1000");
}

TEST(FormatNumber, SectionsPositiveNegativeZero) {
    ExpectAll({{1.23456, "0.0000;;\\ \\", "1.2346"},
               {0, "0.0000;;\\ \\", " "},
               {-1.5, "0.0000;;\\ \\", "-1.5000"},
               {2, "+#;-#;\\ \\", "+2"},
               {-3, "+#;-#;\\ \\", "-3"},
               {0, "+#;-#;\\ \\", " "},
               {0, "0.0000;;99.9999", "99.9999"},
               {5.1, "0.0000;;99.9999", "5.1000"},
               {0, "#;;\\ \\", " "},
               {7, "#;;\\ \\", "7"},
               {0, "0.00;;\\ \\", " "},
               {-123.456, "0.00;;\\ \\", "-123.46"},
               {-5, "0;(0)", "(5)"},
               {0, "0;(0)", "0"},
               {-1.25, "0.0;;Z", "-1.3"},
               {5, "0\"v\"", "5v"},
               {0, "0;;", "0"}});
}

TEST(FormatNumber, ValueRoundingToZeroShowsAsZero) {
    // No "-0.00", no "-+0.0", and a blank-for-zero cell stays blank.
    ExpectAll({{-0.004, "0.00", "0.00"},
               {-0.4, "0", "0"},
               {-0.04, "+0.0", "+0.0"},
               {0.04, "+0.0", "+0.0"},
               {-0.00001, "+0.0000", "+0.0000"},
               {0.00004, "0.0000;;\\ \\", " "},
               {-0.00004, "0.0000;;\\ \\", " "},
               {0.4, "+#;-#;\\ \\", " "},
               {-0.4, "+#;-#;\\ \\", " "},
               {0.00001, "0.0000;;99.9999", "99.9999"}});
}

TEST(FormatNumber, NegativeThroughPositiveSectionTurnsLeadingPlusIntoMinus) {
    ExpectAll({{-3.4, "+0.0", "-3.4"}, {-0.25, "+0.0000", "-0.2500"}, {-3, "(0)", "-(3)"}});
}

TEST(FormatNumber, EmptyMaskAndNonFiniteValues) {
    EXPECT_EQ(FormatNumber(12.5, ""), "12.5");
    EXPECT_EQ(FormatNumber(-3, ""), "-3");
    EXPECT_EQ(FormatNumber(std::nan(""), "0.00"), "0.00");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), "0.0000;;\\ \\"), " ");
    EXPECT_EQ(FormatNumber(5, "0.0\\"), "5.0");  // a lone trailing backslash shows nothing
}

TEST(FormatNumber, IntegerArgumentsPickTheWholeNumberPath) {
    EXPECT_EQ(FormatNumber(int16_t{12}, "000"), "012");
    EXPECT_EQ(FormatNumber(7L, "00"), "07");
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

TEST(ReadNumber, LeadingNumberWithEitherSeparator) {
    EXPECT_DOUBLE_EQ(ReadNumber(" 12.5abc"), 12.5);
    EXPECT_DOUBLE_EQ(ReadNumber("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(ReadNumber("-3"), -3);
    EXPECT_DOUBLE_EQ(ReadNumber("+4"), 4);
    EXPECT_DOUBLE_EQ(ReadNumber("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(ReadNumber(",5"), 0.5);
    EXPECT_DOUBLE_EQ(ReadNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(ReadNumber("1.234,5"), 1.234);
    EXPECT_DOUBLE_EQ(ReadNumber("\t7"), 7);
    EXPECT_DOUBLE_EQ(ReadNumber("+99.9s"), 99.9);
    EXPECT_DOUBLE_EQ(ReadNumber("-1v"), -1);
}

TEST(ReadNumber, TextWithoutANumberReadsZero) {
    for (const char* text : {"", " ", "abc", ".", "-", "- 5", "+.", "v12"})
        EXPECT_EQ(ReadNumber(text), 0) << text;
}

TEST(ReadNumber, HugeDigitRunClampsInsteadOfFailing) {
    EXPECT_EQ(ReadNumber(std::string(400, '9')), std::numeric_limits<double>::max());
    EXPECT_EQ(ReadNumber("-" + std::string(400, '9')), -std::numeric_limits<double>::max());
}

TEST(FormatTimeOfDay, ElapsedAndLongTime) {
    EXPECT_EQ(FormatTimeOfDay(0, kElapsedTimeMask), "0:00:00");
    EXPECT_EQ(FormatTimeOfDay(754, kElapsedTimeMask), "0:12:34");
    EXPECT_EQ(FormatTimeOfDay(3600, kElapsedTimeMask), "1:00:00");
    EXPECT_EQ(FormatTimeOfDay(3723, kLongTimeMask), "01:02:03");
    EXPECT_EQ(FormatTimeOfDay(86399, kLongTimeMask), "23:59:59");
    EXPECT_EQ(FormatTimeOfDay(45296, "h\\h mm"), "12h 34");
}

TEST(FormatTimeOfDay, ShowsWholeSecondsLikeAStopwatch) {
    EXPECT_EQ(FormatTimeOfDay(59.6, kElapsedTimeMask), "0:00:59");
    EXPECT_EQ(FormatTimeOfDay(3599.9999999, kElapsedTimeMask), "1:00:00");  // float noise only
}

TEST(FormatTimeOfDay, WrapsAroundMidnight) {
    EXPECT_EQ(FormatTimeOfDay(-10, kLongTimeMask), "23:59:50");
    EXPECT_EQ(FormatTimeOfDay(86400, kLongTimeMask), "00:00:00");
    EXPECT_EQ(FormatTimeOfDay(90000, kElapsedTimeMask), "1:00:00");
    EXPECT_EQ(FormatTimeOfDay(std::nan(""), kElapsedTimeMask), "0:00:00");
}

}  // namespace
}  // namespace sc
