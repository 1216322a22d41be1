#include "standings/heat_time.h"

namespace sc {

namespace {
constexpr double kDay = 86400.0;
}

double TimeOfDayOfPass(double heatStart, double sinceStart) { return heatStart + sinceStart; }

double SecondsSinceHeatStart(double timeOfDay, double heatStart) {
    double seconds = timeOfDay - heatStart;
    while (seconds <= -kDay / 2) seconds += kDay;
    while (seconds > kDay / 2) seconds -= kDay;
    return seconds;
}

}  // namespace sc
