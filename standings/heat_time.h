#pragma once
// Two clocks of a passing. The standings key on the time of day, so that
// passings of different heats compare; the lap log and the coma proposal count
// seconds since the heat start.

namespace sc {

// Time of day of a passing `sinceStart` seconds after a heat that started at
// `heatStart` (seconds since midnight). Past midnight it goes on above 86400,
// so the passings of one heat keep their order.
double TimeOfDayOfPass(double heatStart, double sinceStart);

// Back to the heat's own base: seconds from `heatStart` to `timeOfDay`, within
// half a day either way, whether or not the time was carried past 86400.
double SecondsSinceHeatStart(double timeOfDay, double heatStart);

}  // namespace sc
