#pragma once
// The results as the results window shows them (filtered and ranked), and the
// lap quadrants of one series: heat laps or fastest laps per participant and heat.
#include "output/report_heading.h"
#include "results/results_table.h"

namespace sc {

namespace results_report {
inline constexpr int kWidth = 92;
inline constexpr double kPosition = 5, kName = 10, kSeries = 35, kPass = 40, kLane = 45, kHeat = 50;
inline constexpr double kValue = 65, kGapLeader = 78, kGapAhead = 87, kPenalty = 92;
}  // namespace results_report

namespace quadrant_report {
inline constexpr double kNumber = 3, kName = 5;
inline constexpr double kFirstHeat = 32;  // the first heat's value ends here
inline constexpr double kHeatStep = 8;
inline constexpr int kMinimumWidth = 95;
}  // namespace quadrant_report

// The header names the modality, the criterion and the filters; one line per
// visible row of the table.
Report ResultsReport(const RaceState& state, const RaceHeading& race, const Resultats& results, int modality);

enum class Quadrant { Laps, FastestLaps };

// Series `series` of the table, every row whatever the filters: one line per
// participant (by number), one column per heat of the participant, then
// "Total" (total laps less penalties) or "Millor"; "-" where a heat has no value.
// `lastHeat` is the series' last heat, named in the title.
Report QuadrantReport(const RaceState& state, const RaceHeading& race, const Resultats& results, int modality,
                      int series, int lastHeat, Quadrant kind);

// The series a quadrant of the table is for: the one chosen, else `fallback` (at least 1).
int QuadrantSeries(const Resultats& results, int fallback);
// The number of the series' last heat that still counts (0 when none or unreadable).
int LastStoredHeat(const SeriesFolder& source, int series);

}  // namespace sc
