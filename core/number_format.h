#pragma once
// Numbers to display text with the masks the windows and files use, and back.
//
// Masks: sections positive;negative;zero. "0" is a mandatory digit, "#" an
// optional digit, "." the decimal point (always a point), a backslash shows the
// next character literally, "..." quotes literal text, everything else is
// literal. An empty or missing negative section means the positive section
// with a minus sign; an empty or missing zero section means the positive one.
//
// Rounding is half away from zero on the value's decimal digits (15 significant
// and at most 9 decimals for a double, the shortest round-trip text for a
// float), so 2.675 with "0.00" gives 2.68 although the binary double lies just
// below, and 100.05 - 100 with "+0.0" gives +0.1.
// A value that rounds to zero at the decimals shown is shown as zero (zero
// section, or positive section without a sign): a race director never sees
// "-0.00" or a blank-for-zero cell showing "0.0000".
#include <concepts>
#include <string>
#include <string_view>

namespace sc {

std::string FormatNumber(double value, std::string_view mask);
// A Single keeps its own shortest text: 2.675f formats as 2.68, not 2.67.
std::string FormatNumber(float value, std::string_view mask);
template <std::integral T>
std::string FormatNumber(T value, std::string_view mask) {
    return FormatNumber(static_cast<double>(value), mask);
}

// The number's text (15 significant digits, 7 for a float, trailing zeros
// dropped, "1E+20" beyond) with a blank before a non-negative value.
std::string Str(double value);
std::string Str(float value);
template <std::integral T>
std::string Str(T value) {
    return Str(static_cast<double>(value));
}

// Reads the leading number of a text: blanks skipped, an optional sign, digits
// with at most one decimal point or comma, up to the first character that
// cannot continue it. No number reads as 0; a value beyond the double range
// reads as the largest double of its sign.
double ReadNumber(std::string_view text);

// Time of day or elapsed time in seconds with a mask of H/HH, m/mm (or M/MM)
// and s/ss (or S/SS); other characters literal, backslash escapes. Whole
// seconds are shown (the fraction is dropped, like a stopwatch); a negative
// time or one past midnight wraps by 86400.
std::string FormatTimeOfDay(double seconds, std::string_view mask);

inline constexpr std::string_view kElapsedTimeMask = "H:mm:ss";
inline constexpr std::string_view kLongTimeMask = "HH:mm:ss";

}  // namespace sc
