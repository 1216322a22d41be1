#pragma once
// What a SuperPole sensor pass adds to its lap-log record; the SuperPole
// table computes it, lap registration writes it.

namespace sc {

struct SensorMark {
    float extra1 = 100;  // 1 or 2 sector, 10 speed trap armed, 13 speed, 100 nothing
    float extra2 = 0;    // sector time or speed
};

}  // namespace sc
