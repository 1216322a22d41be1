#pragma once
// Laps with comas as the results show them: the track's coma digits, and more
// when a fractional penalty leaves a fraction the track's comas cannot show.
#include <string>

#include "core/race_state.h"

namespace sc {

std::string ResultsLapsText(float laps, const TrackConfig& track);

}  // namespace sc
