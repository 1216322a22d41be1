#pragma once
// The manual-entry menu: "Reproduir" and one entry per lane of the track,
// each with the key that registers a pass on it.

#include <cstdint>
#include <string>
#include <vector>

namespace sc {

struct ManualEntry {
    int index;            // Manual(index): 0 replays, 1.. a lane
    std::string caption;  // in the current language
    std::string key;      // portable key text ("Ctrl+1"); empty for none
};

// Lanes 1..10 take Ctrl+1..Ctrl+9, Ctrl+0; lanes 11..20 Alt+1..Alt+0; lanes
// above 20 are reached through the menu only.
std::vector<ManualEntry> ManualEntries(int16_t language, int laneCount);

}  // namespace sc
