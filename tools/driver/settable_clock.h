#pragma once
// The driver's PC clock: it stands still at the time a script sets, so every
// event of a script happens at a known time of day.

#include "core/race_state.h"

namespace sc::driver {

class SettableClock : public PcClock {
public:
    double now() const override { return seconds_; }
    void set(double secondsSinceMidnight) { seconds_ = secondsSinceMidnight; }

private:
    double seconds_ = 0;
};

}  // namespace sc::driver
