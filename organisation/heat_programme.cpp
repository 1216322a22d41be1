#include "organisation/heat_programme.h"

#include <algorithm>
#include <stdexcept>

namespace sc {

namespace {

std::string rangeText(int low, int high) { return std::to_string(low) + ".." + std::to_string(high); }

// The participant loader never leaves fewer slots than lanes: the missing
// slots are empty and rotate like the others.
int slotsInRotation(const HeatRuleInput& in) { return std::max(in.participantCount, in.laneCount); }

// Start position j places after h in the rotation of n slots, counting past n back to 1.
int rotated(int h, int j, int n) { return (h - 1 + j) % n + 1; }

}  // namespace

std::optional<std::string> heatRuleProblem(const HeatRuleInput& in) {
    if (in.laneCount < 1 || in.laneCount > kMaxHeatLanes)
        return "lane count " + std::to_string(in.laneCount) + " is outside " + rangeText(1, kMaxHeatLanes);
    if (in.participantCount < 1 || in.participantCount > kMaxSeriesSlots)
        return "participant count " + std::to_string(in.participantCount) + " is outside " +
               rangeText(1, kMaxSeriesSlots);
    if (in.heat < 1 || in.heat > kMaxHeatNumber)
        return "heat " + std::to_string(in.heat) + " is outside " + rangeText(1, kMaxHeatNumber);
    if (in.laneChange.size() != static_cast<std::size_t>(in.laneCount) + 1)
        return "the lane-change row holds " +
               std::to_string(in.laneChange.size() - (in.laneChange.empty() ? 0 : 1)) + " lanes, not " +
               std::to_string(in.laneCount);
    for (int k = 1; k <= in.laneCount; ++k) {
        const int lane = in.laneChange[k];
        if (lane < 1 || lane > kMaxHeatLanes)
            return "lane " + std::to_string(lane) + " at position " + std::to_string(k) +
                   " of the lane-change row is outside " + rangeText(1, kMaxHeatLanes);
    }
    return std::nullopt;
}

int heatsRunBy(int p, int heat, int n, int l, bool superPole) {
    const int q = (heat - 1) / n;
    const int h = (heat - 1) % n + 1;
    if (superPole) return q + (p <= h ? 1 : 0);
    int c = 0;
    if (p < l) {
        // First stint in heats 1..p, second at the end of the pass from heat N-L+p+1.
        c = h >= n - l + p + 1 ? h - n + l : std::min(p, h);
    } else {
        c = std::clamp(h + l - p, 0, l);
    }
    return c + l * q;
}

HeatProgramme programmeHeat(const HeatRuleInput& in) {
    if (auto problem = heatRuleProblem(in)) throw std::invalid_argument(*problem);
    const int l = in.laneCount;
    const int slots = slotsInRotation(in);
    HeatProgramme out;
    out.heat = in.heat;
    out.pass = (in.heat - 1) / slots;
    out.heatInPass = (in.heat - 1) % slots + 1;
    out.superPole = in.superPole;
    for (int k = 1; k <= l; ++k) {
        // Position L takes start position h, L-1 the next one, ... 1 the last;
        // in SuperPole the one car is wherever it runs.
        const int p = in.superPole ? out.heatInPass : rotated(out.heatInPass, l - k, slots);
        if (p > in.participantCount) continue;
        out.positions.push_back({k, in.laneChange[k], p});
    }
    if (in.participantCount > l) {
        std::vector<int> counts;
        counts.reserve(in.participantCount);
        for (int p = 1; p <= in.participantCount; ++p)
            counts.push_back(heatsRunBy(p, in.heat, in.participantCount, l, in.superPole));
        out.heatsRun = std::move(counts);
    }
    return out;
}

int startLaneOfSlot(int slot, const std::vector<int16_t>& laneChange, bool superPole) {
    if (superPole) return slot;
    const int l = static_cast<int>(laneChange.size()) - 1;
    if (l < 1 || slot < 1) return 0;
    return slot <= l ? laneChange[l - slot + 1] : laneChange[1];
}

std::vector<int16_t> laneChangeRow(const std::vector<int16_t>& lanesByPosition) {
    std::vector<int16_t> row{0};
    row.insert(row.end(), lanesByPosition.begin(), lanesByPosition.end());
    if (!lanesByPosition.empty()) row[0] = *std::max_element(lanesByPosition.begin(), lanesByPosition.end());
    return row;
}

}  // namespace sc
