#include "config_windows/field_number.h"

#include <cmath>
#include <limits>

#include "core/number_format.h"

namespace sc {

int16_t integerPart(double value) {
    const double whole = std::trunc(value);
    if (!(whole < std::numeric_limits<int16_t>::max())) return std::numeric_limits<int16_t>::max();
    if (whole < std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(whole);
}

std::string wholeAbsoluteText(const std::string& typed) {
    return std::to_string(integerPart(std::fabs(ReadNumber(typed))));
}

int16_t clampedWhole(double value, int16_t low, int16_t high) {
    if (value < low) return low;
    if (value > high) return high;
    return integerPart(value);
}

int16_t clampedRounded(double value, int16_t low, int16_t high) {
    if (value < low) return low;
    if (value > high) return high;
    return integerPart(std::round(value));  // std::round goes half away from zero
}

}  // namespace sc
