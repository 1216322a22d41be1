#pragma once
// One kill round planned from its seed: the lap counter and heat to play, the
// driver lines that set up the program folder and play the heat, and the
// moment of the kill.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "acquisition/lap_counter_simulator.h"
#include "heat/heat_journal.h"

namespace sc::reliability {

inline constexpr int kRace = 4;
inline constexpr int kOfficialPractice = 2;

struct RoundPlan {
    uint64_t seed = 0;
    int modality = kRace;
    double heatStartClock = 36000;  // seconds since midnight of the first message
    SimulatorOptions simulator;
    // The kill comes after message `killAfter` (0-based) has been written.
    std::size_t killAfter = 0;
    // Messages written after the last wait for a reply, right before the kill
    // (0: the kill follows a reply, so the program is idle).
    std::size_t unwaited = 0;
    // Race rounds: lap corrections typed after message `correctionsAfter`
    // (before the kill), waited for.
    std::vector<TypedCorrection> corrections;
    std::size_t correctionsAfter = 0;
    bool killInPause = false;
    // Messages after the kill that arrive while the recovery question waits.
    std::size_t duringQuestion = 0;
};

// The heat as driver lines: each message is a `clock` and a `bytes` line.
struct HeatFeed {
    std::vector<std::string> setup;                  // settings, track, race, series, participants, open
    std::vector<std::vector<std::string>> messages;  // in time order
    std::size_t heatStart = 0;                       // the message that starts the heat
    std::size_t lastPass = 0;                        // the message of the last pass
    // Pause rounds: the pause message and the last message before the resume.
    std::optional<std::size_t> pauseFirst, pauseLast;
    // Per lane, the racing time of every pass the device sends (pauses left
    // out): the pass time the lap log must give it.
    std::map<int, std::vector<double>> racingTimes;
};

// The models that report every pass (a DS003 only sends its summary at the end).
inline const std::vector<LapCounterModel> kPassingModels{
    LapCounterModel::DS300, LapCounterModel::DS030, LapCounterModel::DS300DS4port, LapCounterModel::DS200};

// Round `index` of a run seeded with `seed`: the model, the modality and
// whether the heat pauses or runs over midnight vary with the index, the rest
// with the round's own seed.
RoundPlan planRound(uint64_t seed, int index);

HeatFeed makeHeatFeed(const RoundPlan& plan);
// Places the kill in the part of the heat a kill test covers: after a message
// from the heat start to the last pass; `unwaited` never reaches back before
// the start message. Half the pause rounds are killed during the pause; race
// rounds type corrections before the kill; half the rounds have messages
// arriving during the recovery question.
void placeKill(RoundPlan& plan, const HeatFeed& feed, uint64_t draw);

// The driver lines that type the plan's corrections ("key +", "key 3", "key enter").
std::vector<std::string> correctionKeys(const RoundPlan& plan);
// Net correction per participant number.
std::map<int, int> correctionSums(const RoundPlan& plan);

// "36000.5000" for a clock of the day, wrapped past midnight.
std::string clockText(double secondsOfDay);
std::string hexText(const std::vector<uint8_t>& bytes);

}  // namespace sc::reliability
