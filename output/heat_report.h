#pragma once
// The classification of the running series after a heat, from the live
// classification table as it stands.
#include "core/grid.h"
#include "core/race_state.h"
#include "output/report_heading.h"

namespace sc {

// The classification table's columns on paper.
namespace heat_report {
inline constexpr int kWidth = 95;
inline constexpr double kPosition = 8, kName = 10, kLaps = 40, kFastest = 38, kFastestLane = 45;
inline constexpr double kGapLeader = 55, kGapAhead = 65, kLane = 74, kHeatLaps = 85, kHeatBest = 95;
}  // namespace heat_report

// Header row and one line per participant of `infoClass`; the title names the
// state's modality and series and the heat just finished (CurrentHeat).
Report HeatClassificationReport(const RaceState& state, const RaceHeading& race, const Grid& infoClass);

}  // namespace sc
