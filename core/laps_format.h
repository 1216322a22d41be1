#pragma once
// Laps with comas, gaps between participants and two small text helpers.
#include <string>
#include <string_view>

#include "core/race_state.h"

namespace sc {

// Replaces the first comma of the caller's text by a point and reads the
// leading number of it (see ReadNumber): "12,5" gives 12.5 and leaves "12.5".
double ParseNumber(std::string& text);

// Rewrites the text as its value in ComaFormat and tells whether the coma
// part is zero (always true when the track has no comas).
bool IsWholeLaps(std::string& text, const TrackConfig& track);

// Laps with comas ("12.050") when there is a coma, whole laps ("12") when
// not; a zero shows as the empty text unless showZero.
std::string FormatLaps(std::string& text, bool showZero, const TrackConfig& track);

// Gap of one participant to the one ahead of it, as the classifications show
// it. The laps are display texts; the keys are the race sort keys of the two
// rows (minus the time of day of their last passing), so refKey - key is how
// many seconds later this one passed. Different laps give "-1v" (one lap
// behind) or "-1.250v" with comas; equal laps give "+3.4s", capped at "+99.9s".
std::string GapText(const std::string& refLaps, const std::string& laps, const std::string& refKey,
                    const std::string& key, const TrackConfig& track, const std::string& lapsSuffix,
                    const std::string& secondsSuffix);
// The same with the track and the suffixes Msg(0,0) and Msg(0,1) of the state.
std::string GapText(const std::string& refLaps, const std::string& laps, const std::string& refKey,
                    const std::string& key, const RaceState& state);

// A folder path ending with "\" or "/"; an empty path stays empty (it must
// never turn into the root folder).
std::string WithTrailingSlash(std::string path);

// The text without its last three characters (UTF-8 aware); shorter texts give "".
std::string TrimLast3(std::string_view text);

}  // namespace sc
