#include "core/laps_format.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace sc {
namespace {

TrackConfig TrackWithComas(int16_t divisions, const std::string& zeros) {
    TrackConfig track;
    track.ComaDivisions = divisions;
    track.ComaZeros = zeros;
    track.ComaFormat = zeros.empty() ? "0" : "0." + zeros;
    return track;
}

const TrackConfig kHundred = TrackWithComas(100, "000");
const TrackConfig kNoComas = TrackWithComas(0, "");

std::string Laps(std::string text, bool showZero, const TrackConfig& track) {
    return FormatLaps(text, showZero, track);
}

TEST(ParseNumber, FirstCommaBecomesAPointInTheCallersText) {
    const std::tuple<const char*, double, const char*> cases[] = {
        {"12,5", 12.5, "12.5"}, {"1,2,3", 1.2, "1.2,3"}, {"", 0, ""},
        {" ", 0, " "},          {"Voltes", 0, "Voltes"}, {" 12.5", 12.5, " 12.5"},
    };
    for (auto [typed, value, after] : cases) {
        std::string text = typed;
        EXPECT_DOUBLE_EQ(ParseNumber(text), value) << typed;
        EXPECT_EQ(text, after);
    }
}

TEST(IsWholeLaps, RewritesTheTextInComaFormat) {
    const std::tuple<const char*, const TrackConfig&, bool, const char*> cases[] = {
        {"12", kHundred, true, "12.000"},
        {"12,05", kHundred, false, "12.050"},
        {"12.7", kNoComas, true, "13"}};
    for (const auto& [typed, track, whole, after] : cases) {
        std::string text = typed;
        EXPECT_EQ(IsWholeLaps(text, track), whole) << typed;
        EXPECT_EQ(text, after);
    }
}

TEST(FormatLaps, WholeLapsWithoutComasComasWithAllDigitsAndZeroEmptyUnlessAskedFor) {
    const TrackConfig kTen = TrackWithComas(10, "00");
    const std::tuple<const char*, bool, const TrackConfig&, const char*> cases[] = {
        {"12", false, kHundred, "12"},
        {"12.05", false, kHundred, "12.050"},
        {"12,05", false, kHundred, "12.050"},
        {"-1.25", false, kHundred, "-1.250"},
        {"12.0004", false, kHundred, "12"},  // a coma below one division is none
        {"3.5", false, kTen, "3.50"},
        {"12.7", false, kNoComas, "13"},
        {"0", false, kHundred, ""},
        {"0", true, kHundred, "0"},
        {"", false, kHundred, ""},
        {"0.0004", false, kHundred, ""},
        {"0", true, kNoComas, "0"},
    };
    for (const auto& [text, showZero, track, shown] : cases)
        EXPECT_EQ(Laps(text, showZero, track), shown) << text << " " << showZero;
    std::string typed = "12,05";  // the caller's text is left in coma format
    FormatLaps(typed, false, kHundred);
    EXPECT_EQ(typed, "12.050");
}

TEST(GapText, LapsBehindOrAheadAsLapsEqualLapsAsSecondsCappedAtNinetyNinePointNine) {
    // Keys are minus the time of day of the last passing.
    const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
        {"10", "9", "-100", "-90", "-1v"},
        {"12", "10", "-100", "-90", "-2v"},
        {"10.5", "9.25", "-100", "-90", "-1.250v"},
        {"10.000", "9.750", "0", "0", "-0.250v"},
        {"9", "10", "0", "0", "+1v"},
        {"10", "10", "-100.0", "-103.4", "+3.4s"},
        {"10", "10", "-100.0", "-100.05", "+0.1s"},
        {"10", "10", "-100.0", "-100.0", "+0.0s"},
        {"10", "10", "-100,0", "-103,4", "+3.4s"},
        {"10", "10", "-103.4", "-100.0", "-3.4s"},
        {"10", "10", "-100.0", "-220.0", "+99.9s"},
        {"10", "10", "-100.0", "-199.9", "+99.9s"},
        {"10", "10", "0", "-99.96", "+99.9s"},
        {"10", "10", "0", "-99.94", "+99.9s"},
        {"12", "12.000", "-100", "-101", "+1.0s"},  // other texts for the same laps
        {" 12", "12", "-100", "-101", "+1.0s"},
    };
    for (auto [refLaps, laps, refKey, key, gap] : cases)
        EXPECT_EQ(GapText(refLaps, laps, refKey, key, kHundred, "v", "s"), gap)
            << refLaps << " " << laps << " " << refKey << " " << key;
    EXPECT_EQ(GapText("10", "9", "-100", "-90", kNoComas, "v", "s"), "-1v");
}

TEST(WithTrailingSlash, AppendsABackslashOnlyWhenMissing) {
    EXPECT_EQ(WithTrailingSlash(""), "");  // never the root
    EXPECT_EQ(WithTrailingSlash("C:\\Curses"), "C:\\Curses\\");
    EXPECT_EQ(WithTrailingSlash("C:\\Curses\\"), "C:\\Curses\\");
    EXPECT_EQ(WithTrailingSlash("/home/club/"), "/home/club/");
    EXPECT_EQ(WithTrailingSlash("PROVA001"), "PROVA001\\");
}

TEST(TrimLast3, DropsThreeCharactersAndNeverFails) {
    const std::pair<const char*, const char*> cases[] = {
        {"CRS001.PAR", "CRS001."}, {"abcd", "a"},          {"abc", ""}, {"ab", ""}, {"", ""},
        {"Sèrie", "Sè"},           {"Volta àèò", "Volta "}};
    for (auto [text, trimmed] : cases) EXPECT_EQ(TrimLast3(text), trimmed) << text;
}

}  // namespace
}  // namespace sc
