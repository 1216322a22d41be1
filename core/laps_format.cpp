#include "core/laps_format.h"

#include <cmath>

#include "core/number_format.h"

namespace sc {

double ParseNumber(std::string& text) {
    if (const auto comma = text.find(','); comma != std::string::npos) text[comma] = '.';
    return ReadNumber(text);
}

bool IsWholeLaps(std::string& text, const TrackConfig& track) {
    text = FormatNumber(ParseNumber(text), track.ComaFormat);
    if (const auto comma = text.find(','); comma != std::string::npos) text[comma] = '.';
    // The coma part is zero: every digit after the point is 0 (no point, no comas).
    const auto point = text.find('.');
    return point == std::string::npos || text.find_first_not_of('0', point + 1) == std::string::npos;
}

std::string FormatLaps(std::string& text, bool showZero, const TrackConfig& track) {
    const bool whole = IsWholeLaps(text, track);
    const double laps = ParseNumber(text);  // the value rounded to the comas shown
    if (laps == 0 && !showZero) return {};
    return FormatNumber(laps, whole ? std::string_view("0") : std::string_view(track.ComaFormat));
}

std::string GapText(const std::string& refLaps, const std::string& laps, const std::string& refKey,
                    const std::string& key, const TrackConfig& track, const std::string& lapsSuffix,
                    const std::string& secondsSuffix) {
    if (refLaps != laps) {
        std::string a = refLaps, b = laps;
        // Behind the reference reads "-1v"; a row ahead of its reference "+1v".
        const double behind = ParseNumber(a) - ParseNumber(b);
        std::string difference = Str(std::fabs(behind));
        const std::string shown = FormatLaps(difference, true, track);
        // Texts that differ but show the same laps ("12" and "12.000") fall to the time gap.
        if (shown != "0") return (behind > 0 ? "-" : "+") + shown + lapsSuffix;
    }
    std::string a = refKey, b = key;
    const double seconds = ParseNumber(a) - ParseNumber(b);
    if (seconds > 99.9) return "+99.9" + secondsSuffix;
    return FormatNumber(seconds, "+0.0") + secondsSuffix;
}

std::string GapText(const std::string& refLaps, const std::string& laps, const std::string& refKey,
                    const std::string& key, const RaceState& state) {
    return GapText(refLaps, laps, refKey, key, state.Track, state.Msg[0][0], state.Msg[0][1]);
}

std::string WithTrailingSlash(std::string path) {
    if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
    return path;
}

std::string TrimLast3(std::string_view text) {
    std::size_t end = text.size();
    for (int removed = 0; removed < 3 && end > 0; ++removed) {
        --end;
        // Step back over UTF-8 continuation bytes to the start of the character.
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    }
    return std::string(text.substr(0, end));
}

}  // namespace sc
