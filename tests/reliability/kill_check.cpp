#include "kill_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace sc::reliability {

namespace {

// Laps and fastest lap are stored as the windows show them, to 4 decimals.
constexpr double kShownPrecision = 0.00006;
// A pass time is a Single of seconds since the heat start.
constexpr double kPassTimePrecision = 0.002;

bool isDetection(const LapRecord& r) { return r.lane >= 1 && r.extra1 == 0; }
bool isRegisteredPass(const LapRecord& r) { return isDetection(r) && r.number >= 1; }

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

void checkPasses(const std::vector<LapRecord>& beforeKill, const std::vector<LapRecord>& block,
                 std::vector<std::string>& losses) {
    if (!beforeKill.empty() && block.front().passTime != beforeKill.front().passTime)
        losses.push_back("heat start " + number(beforeKill.front().passTime) + " stored as " +
                         number(block.front().passTime));
    for (const LapRecord& r : beforeKill) {
        if (!isDetection(r)) continue;
        const bool kept = std::any_of(block.begin(), block.end(), [&r](const LapRecord& s) {
            return s.lane == r.lane && s.number == r.number && s.passTime == r.passTime &&
                   s.lapTime == r.lapTime;
        });
        if (!kept) losses.push_back("pass lost: " + describe(r));
    }
}

void checkStandings(const HeatBlock& heat, const std::vector<LapRecord>& block,
                    const std::map<int, int>& corrections, std::vector<std::string>& losses) {
    for (const HeatRecord& row : heat.rows) {
        // What the stored laps say: registered passes and the fastest whole lap
        // (a lane's first pass only opens its first lap; 0: none yet).
        int passes = 0;
        double fastest = 0;
        for (const LapRecord& r : block) {
            if (!isRegisteredPass(r) || r.participant != row.participant) continue;
            ++passes;
            if (r.number >= 2 && (fastest == 0 || r.lapTime < fastest)) fastest = r.lapTime;
        }
        const auto typed = corrections.find(row.participant);
        const int laps = passes + (typed == corrections.end() ? 0 : typed->second);
        const std::string who = "participant " + std::to_string(row.participant);
        if (std::fabs(row.heatLaps - laps) > kShownPrecision)
            losses.push_back(
                who + ": " + number(row.heatLaps) + " laps stored, the lap file holds " +
                std::to_string(passes) +
                (laps != passes ? " and the typed corrections " + std::to_string(laps - passes) : ""));
        if (std::fabs(row.bestLap - fastest) > kShownPrecision)
            losses.push_back(who + ": fastest lap " + number(row.bestLap) + " stored, the lap file gives " +
                             number(fastest));
    }
}

}  // namespace

std::optional<std::vector<LapRecord>> lapBlockOf(const std::vector<LapRecord>& lapFile, int heat) {
    const auto header = std::find_if(lapFile.begin(), lapFile.end(), [heat](const LapRecord& r) {
        return r.lane == 0 && r.lapTime == static_cast<float>(heat);
    });
    if (header == lapFile.end()) return std::nullopt;
    const auto available = static_cast<std::size_t>(lapFile.end() - header);
    const std::size_t length =
        header->number >= 1 ? std::min(available, static_cast<std::size_t>(header->number) + 1) : available;
    return std::vector<LapRecord>(header, header + static_cast<std::ptrdiff_t>(length));
}

int heatOf(const std::vector<LapRecord>& log) {
    return log.empty() ? 1 : static_cast<int>(log.front().lapTime);
}

std::string describe(const LapRecord& r) {
    return "lane " + std::to_string(r.lane) + " pass " + std::to_string(r.number) + " at " +
           number(r.passTime) + " lap " + number(r.lapTime);
}

std::vector<std::string> findLosses(const std::vector<LapRecord>& beforeKill, const StoredHeat& stored,
                                    const std::map<int, int>& corrections) {
    std::vector<std::string> losses;
    if (stored.recoveryFileLeft) losses.push_back("KEL4.TMP left behind");
    const int heat = heatOf(beforeKill);
    const auto block = lapBlockOf(stored.lapFile, heat);
    if (!block) {
        losses.push_back("heat " + std::to_string(heat) + " is not in the lap file");
        return losses;
    }
    checkPasses(beforeKill, *block, losses);
    const auto heatBlock = std::find_if(stored.heatBlocks.begin(), stored.heatBlocks.end(),
                                        [heat](const HeatBlock& b) { return b.header.heatNumber() == heat; });
    if (heatBlock == stored.heatBlocks.end())
        losses.push_back("heat " + std::to_string(heat) + " is not in the heat file");
    else
        checkStandings(*heatBlock, *block, corrections, losses);
    return losses;
}

std::vector<std::string> findMistimedPasses(const std::vector<LapRecord>& block,
                                            const std::map<int, std::vector<double>>& racingTimes) {
    std::vector<std::string> mistimed;
    for (const LapRecord& r : block) {
        if (!isRegisteredPass(r)) continue;
        const auto lane = racingTimes.find(r.lane);
        const bool known = lane != racingTimes.end() &&
                           std::any_of(lane->second.begin(), lane->second.end(), [&r](double t) {
                               return std::fabs(t - r.passTime) <= kPassTimePrecision;
                           });
        if (!known) mistimed.push_back("pass at a time the device never sent: " + describe(r));
    }
    return mistimed;
}

}  // namespace sc::reliability
