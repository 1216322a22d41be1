#pragma once
// The coma a car most likely stood at when its race heat ended, from the
// heat's timing, and the coma as the comas window shows it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/lap_record.h"
#include "core/race_state.h"

namespace sc {

// What the proposal needs of one participant, in the heat's own time base.
struct ComaTiming {
    double heatDuration = 0;     // seconds, from the heat's closing lap record
    double lastPassSeconds = 0;  // seconds from the heat start to the participant's last passing
    double completedLaps = 0;    // passings in the heat - 1
    double firstToLast = 0;      // seconds from the first passing to the last
    double bestLap = 0;          // best lap of the heat, 0 when none
};

// Whole coma marks covered since the last passing, or nothing for a
// participant without completed laps or timing. The fraction of the expected
// lap (best lap, else the average) is capped below a whole lap.
std::optional<int> ProposedComa(const ComaTiming& timing, int partialCount, int partialStep);

// The closing record of `heat` in a series lap file: the header (lane 0,
// lap time = heat) walked to header by their counts, then its last record.
// Nothing when the file does not hold that heat whole.
std::optional<LapRecord> HeatClosingRecord(const std::vector<LapRecord>& lapFile, int heat);
// The heat's records between its header and its closing record.
std::vector<LapRecord> HeatLapRecords(const std::vector<LapRecord>& lapFile, int heat);

// A typed coma as the box shows it on leaving: 0 or less (or no number) as
// ComaZeros, otherwise zero-padded to ComaZeros' length and never above the
// track's largest coma (a coma is less than a whole lap).
std::string ComaText(const std::string& typed, const TrackConfig& track);
// The fraction of a lap a coma box stands for: value / 10^(length of ComaZeros).
double ComaFraction(const std::string& text, const TrackConfig& track);

}  // namespace sc
