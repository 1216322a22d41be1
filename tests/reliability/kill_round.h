#pragma once
// Runs one kill round: the program plays the heat on a pipe, is killed at the
// planned moment, is started again with Yes to recovery, finishes the heat and
// quits; then the stored heat is checked against the lap log of the kill.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "round_plan.h"

namespace sc::reliability {

struct RoundOutcome {
    bool heatStarted = false;          // false: the kill came before the heat started, nothing to check
    std::size_t passesBeforeKill = 0;  // detections in the lap log at the kill
    std::vector<std::string> losses;   // empty when nothing was lost
    // Passes after the restart whose times do not continue the heat's clock
    // (reported apart: nothing registered was lost).
    std::vector<std::string> mistimed;
};

// `folder` is emptied and becomes the program folder; the tool's standard
// error goes to files beside it.
RoundOutcome runRound(const RoundPlan& plan, const HeatFeed& feed, const std::filesystem::path& tool,
                      const std::filesystem::path& folder);

// "DS030 race, 5 lanes, pause, kill after message 41 of 97 (3 in flight)"
std::string describeRound(const RoundPlan& plan, const HeatFeed& feed);

}  // namespace sc::reliability
