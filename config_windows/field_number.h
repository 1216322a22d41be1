#pragma once
// The clean-ups the configuration windows apply to typed numbers.

#include <cstdint>
#include <string>

namespace sc {

// The integer part (towards zero) kept inside the 16-bit range the files hold.
int16_t integerPart(double value);

// The integer part of the absolute value of the typed number, as text:
// the clean-up of fields that take a whole count ("-7.8" gives "7").
std::string wholeAbsoluteText(const std::string& typed);

// Below `low` gives `low`, above `high` gives `high`, otherwise the integer part.
int16_t clampedWhole(double value, int16_t low, int16_t high);

// Below `low` gives `low`, above `high` gives `high`, otherwise the value
// rounded half away from zero (the "##" mask of the lane fields).
int16_t clampedRounded(double value, int16_t low, int16_t high);

}  // namespace sc
