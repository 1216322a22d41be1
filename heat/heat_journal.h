#pragma once
// What KEL4.TMP keeps of a running heat beyond its start: the start time after
// each resume (a plain number), the start of a pause in progress ("P" and the
// clock) and each typed lap correction ("C", the participant number and +1 or
// -1). A heat killed during a pause thus comes back paused, and one killed
// after typed corrections comes back with them.

#include <optional>
#include <string>
#include <vector>

namespace sc {

struct TypedCorrection {
    int participant = 0;
    int delta = 0;  // +1 or -1
    bool operator==(const TypedCorrection&) const = default;
};

struct HeatJournal {
    std::optional<double> heatStartTime;  // the last start time written
    std::optional<double> pausedSince;    // a pause no resume line followed
    std::vector<TypedCorrection> corrections;
};

std::string pauseLine(double pauseStart);
std::string correctionLine(const TypedCorrection& correction);

// Reads the lines after the heat number; a line that means nothing is skipped.
HeatJournal readHeatJournal(const std::vector<std::string>& lines);

}  // namespace sc
