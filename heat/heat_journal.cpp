#include "heat/heat_journal.h"

#include <charconv>

#include "core/value_file.h"

namespace sc {
namespace {

constexpr char kPauseTag = 'P';
constexpr char kCorrectionTag = 'C';
constexpr double kDay = 86400.0;

bool timeOfDay(double value) { return value >= 0 && value < kDay; }

std::optional<TypedCorrection> readCorrection(const std::string& text) {
    TypedCorrection c;
    const char* p = text.data();
    const char* end = p + text.size();
    const auto skipBlanks = [&] {
        while (p < end && *p == ' ') ++p;
    };
    skipBlanks();
    auto r = std::from_chars(p, end, c.participant);
    if (r.ec != std::errc()) return std::nullopt;
    p = r.ptr;
    skipBlanks();
    r = std::from_chars(p, end, c.delta);
    if (r.ec != std::errc() || (c.delta != 1 && c.delta != -1)) return std::nullopt;
    return c;
}

}  // namespace

std::string pauseLine(double pauseStart) { return kPauseTag + valueText(pauseStart); }

std::string correctionLine(const TypedCorrection& correction) {
    return kCorrectionTag + valueText(correction.participant) + " " + std::to_string(correction.delta);
}

HeatJournal readHeatJournal(const std::vector<std::string>& lines) {
    HeatJournal journal;
    for (const std::string& line : lines) {
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos) continue;
        const std::string rest = line.substr(first + 1);
        if (line[first] == kPauseTag) {
            if (const double at = lineValue(rest); timeOfDay(at)) journal.pausedSince = at;
        } else if (line[first] == kCorrectionTag) {
            if (const auto c = readCorrection(rest)) journal.corrections.push_back(*c);
        } else if (const double start = lineValue(line); timeOfDay(start)) {
            // Each resume writes the shifted start: the last is the clock the heat ran on.
            journal.heatStartTime = start;
            journal.pausedSince.reset();
        }
    }
    return journal;
}

}  // namespace sc
