#pragma once
// The program's PC clock: seconds since midnight from a steady clock,
// anchored once to the local wall clock, so that lap times never jump when
// the system time is adjusted during a meeting.

#include <chrono>

#include "core/race_state.h"

namespace sc {

class SystemClock : public PcClock {
public:
    SystemClock();
    double now() const override;

private:
    std::chrono::steady_clock::time_point anchor_;
    double anchorSeconds_ = 0;  // local time of day at the anchor
};

// Local time of day of a wall-clock instant, in seconds (0 <= s < 86400).
double SecondsSinceLocalMidnight(std::chrono::system_clock::time_point instant);

}  // namespace sc
