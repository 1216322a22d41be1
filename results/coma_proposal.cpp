#include "results/coma_proposal.h"

#include <algorithm>
#include <cmath>

#include "core/number_format.h"

namespace sc {

namespace {
constexpr double kDay = 86400.0;
constexpr double kEndAllowance = 0.5;  // the heat ends half a second after the last message
constexpr double kMostOfALap = 0.999;

// Index of the header of `heat`, or nothing.
std::optional<std::size_t> headerOf(const std::vector<LapRecord>& lapFile, int heat) {
    std::size_t i = 0;
    while (i < lapFile.size()) {
        const LapRecord& rec = lapFile[i];
        if (rec.lane != 0 || rec.number < 1) return std::nullopt;  // not a header: the walk is lost
        if (rec.lapTime == static_cast<float>(heat)) return i;
        i += static_cast<std::size_t>(rec.number) + 1;
    }
    return std::nullopt;
}
}  // namespace

std::optional<int> ProposedComa(const ComaTiming& timing, int partialCount, int partialStep) {
    if (timing.completedLaps <= 0 || timing.firstToLast <= 0) return std::nullopt;
    const double expected = timing.bestLap > 0 ? timing.bestLap : timing.firstToLast / timing.completedLaps;
    if (expected <= 0) return std::nullopt;
    double duration = timing.heatDuration;
    if (duration < 0) duration += kDay;
    const double sinceLast = duration + kEndAllowance - timing.lastPassSeconds;
    const double fraction = std::clamp(sinceLast / expected, 0.0, kMostOfALap);
    return static_cast<int>(std::floor(fraction * partialCount)) * partialStep;
}

std::optional<LapRecord> HeatClosingRecord(const std::vector<LapRecord>& lapFile, int heat) {
    const auto header = headerOf(lapFile, heat);
    if (!header) return std::nullopt;
    const std::size_t last = *header + static_cast<std::size_t>(lapFile[*header].number);
    if (last >= lapFile.size()) return std::nullopt;
    return lapFile[last];
}

std::vector<LapRecord> HeatLapRecords(const std::vector<LapRecord>& lapFile, int heat) {
    const auto header = headerOf(lapFile, heat);
    if (!header) return {};
    const std::size_t last = *header + static_cast<std::size_t>(lapFile[*header].number);
    if (last >= lapFile.size()) return {};
    return {lapFile.begin() + static_cast<std::ptrdiff_t>(*header) + 1,
            lapFile.begin() + static_cast<std::ptrdiff_t>(last)};
}

std::string ComaText(const std::string& typed, const TrackConfig& track) {
    const double value = std::min(std::round(ReadNumber(typed)), static_cast<double>(track.ComaDivisions));
    if (track.ComaZeros.empty()) return {};
    if (!(value > 0)) return track.ComaZeros;
    return FormatNumber(value, track.ComaZeros);
}

double ComaFraction(const std::string& text, const TrackConfig& track) {
    const double value = std::clamp(ReadNumber(text), 0.0, static_cast<double>(track.ComaDivisions));
    return value / std::pow(10.0, static_cast<double>(track.ComaZeros.size()));
}

}  // namespace sc
