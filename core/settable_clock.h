#pragma once
// A PC clock that stands still at the time it is given: the script driver and
// the tests set it so every event happens at a known time of day.

#include "core/race_state.h"

namespace sc {

class SettableClock : public PcClock {
public:
    explicit SettableClock(double secondsSinceMidnight = 0) : t(secondsSinceMidnight) {}
    double now() const override { return t; }
    void set(double secondsSinceMidnight) { t = secondsSinceMidnight; }

    double t;
};

}  // namespace sc
