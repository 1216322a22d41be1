#include "results/results_laps.h"

#include <cmath>

#include "core/laps_format.h"
#include "core/number_format.h"

namespace sc {

std::string ResultsLapsText(float laps, const TrackConfig& track) {
    // Whole laps read the same with or without comas; the common case of a long table.
    if (laps == std::trunc(laps) && std::fabs(laps) < 1e7f) return std::to_string(static_cast<long>(laps));
    std::string text = Str(laps);
    std::string shown = FormatLaps(text, true, track);
    // 9.5 laps on a track without comas must not read as 10.
    if (std::fabs(ReadNumber(shown) - laps) > 1e-4) return FormatNumber(laps, "0.0###");
    return shown;
}

}  // namespace sc
