#pragma once
// The heat rule: who runs in a heat of a series, on which lane, and how many
// heats each participant has run. Participants rotate through the track's
// lane-change order: each enters at position 1, moves up one position a heat
// and leaves after position L; a pass is N heats long.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sc {

// Largest values the heat rule accepts (lanes of a track, slots of a series,
// heats a 16-bit heat counter holds).
inline constexpr int kMaxHeatLanes = 64;
inline constexpr int kMaxSeriesSlots = 99;
inline constexpr int kMaxHeatNumber = 32767;

struct HeatRuleInput {
    int laneCount = 0;                // L
    int participantCount = 0;         // N, the slots of the series
    std::vector<int16_t> laneChange;  // 0..L, lane of each position; element 0 the largest
    int heat = 0;                     // H, counted from 1 over the whole series
    bool superPole = false;           // one car at a time
};

struct HeatPosition {
    int position = 0;     // k, 1..L in the lane-change order
    int lane = 0;         // LaneChange(k): the lane whose participant this sets
    int participant = 0;  // start position (slot) of the participant
};

struct HeatProgramme {
    int heat = 0;
    int pass = 0;        // pass index, 0 for the first pass
    int heatInPass = 0;  // 1..N
    // Position k = 1..L in order; a slot beyond the participants (fewer
    // participants than lanes) leaves its position out.
    std::vector<HeatPosition> positions;
    // Heats run by participants 1..N up to and including this heat; absent
    // when N <= L, where it is not shown.
    std::optional<std::vector<int>> heatsRun;
    bool superPole = false;
};

// Why the input cannot be programmed, or nothing when it can.
std::optional<std::string> heatRuleProblem(const HeatRuleInput& in);

// The programme of one heat. Throws std::invalid_argument when
// heatRuleProblem() reports a problem.
HeatProgramme programmeHeat(const HeatRuleInput& in);

// Heats run by start position p up to heat H with N participants over L lanes
// (N > L), one car a heat in SuperPole.
int heatsRunBy(int participant, int heat, int participantCount, int laneCount, bool superPole);

// The lane the live classification shows for a participant in the heat: the
// lane itself, or 0 in SuperPole.
inline int shownLane(const HeatProgramme& programme, const HeatPosition& pos) {
    return programme.superPole ? 0 : pos.lane;
}

// What the entrants window shows beside slot i: the lane of the slot in heat 1
// (LaneChange(L - i + 1)), LaneChange(1) for slots that enter later, and in
// SuperPole the start order i. laneChange holds elements 0..L.
int startLaneOfSlot(int slot, const std::vector<int16_t>& laneChange, bool superPole);

// Builds the 0..L row from the lanes of positions 1..L, element 0 the largest.
std::vector<int16_t> laneChangeRow(const std::vector<int16_t>& lanesByPosition);

}  // namespace sc
