#include "round_plan.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

#include "acquisition/lap_counter_model.h"

namespace sc::reliability {

namespace {

constexpr double kDay = 86400;
constexpr double kMidnightRun = kDay - 12;  // a heat that crosses midnight

double uniform(std::mt19937_64& random, double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
}

std::string participantNames(int count) {
    std::string names;
    for (int i = 1; i <= count; ++i) names += (i > 1 ? ";Pilot " : "Pilot ") + std::to_string(i);
    return names;
}

}  // namespace

std::string clockText(double secondsOfDay) {
    double t = std::fmod(secondsOfDay, kDay);
    if (t < 0) t += kDay;
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", t);
    // Rounding may reach the next day.
    return std::string(text) == "86400.0000" ? "0.0000" : text;
}

std::string hexText(const std::vector<uint8_t>& bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (const uint8_t b : bytes) text += {kDigits[b >> 4], kDigits[b & 15]};
    return text;
}

RoundPlan planRound(uint64_t seed, int index) {
    RoundPlan plan;
    plan.seed = seed * 1000003u + static_cast<uint64_t>(index);
    std::mt19937_64 random(plan.seed);
    const auto slot = static_cast<std::size_t>(index);
    plan.modality = (slot / kPassingModels.size()) % 2 == 0 ? kRace : kOfficialPractice;
    plan.heatStartClock = index % 5 == 4 ? kMidnightRun : uniform(random, 32400, 72000);

    SimulatorOptions& sim = plan.simulator;
    sim.model = kPassingModels[slot % kPassingModels.size()];
    sim.lanes = std::uniform_int_distribution<int>(2, 6)(random);
    sim.lapSeconds = uniform(random, 2.5, 5.0);
    sim.jitterSeconds = uniform(random, 0.1, 0.6);
    sim.heatSeconds = uniform(random, 15, 30);
    sim.seed = random();
    sim.repeatFrames = index % 7 == 3 && isFrameModel(sim.model);
    if (index % 3 == 2) sim.pause = PauseSpec{uniform(random, 3, sim.heatSeconds - 3), uniform(random, 2, 6)};
    return plan;
}

HeatFeed makeHeatFeed(const RoundPlan& plan) {
    const SimulatorOptions& sim = plan.simulator;
    const SimulatorPlay play = playLapCounter(sim);
    const std::string m = std::to_string(plan.modality);
    HeatFeed feed;
    feed.setup = {
        "settings model=" + std::to_string(static_cast<int>(sim.model)) + " askcomas=0",
        "track lanes=" + std::to_string(sim.lanes) + " minlap=1 connections=1:1",
        "start",
        "new-race Kill " + std::to_string(plan.seed) + " | 01-01-2024",
        "series " + m + " 1",
        "participants " + m + " " + participantNames(sim.lanes),
        "clock " + clockText(plan.heatStartClock - 1),
        "open " + m,
    };
    for (const SimulatorMessage& message : play.messages)
        feed.messages.push_back({"clock " + clockText(plan.heatStartClock + message.offset),
                                 "bytes 1 " + hexText(message.bytes)});
    for (std::size_t i = 0; i < play.messages.size(); ++i) {
        const double at = play.messages[i].offset;
        if (at <= play.startOffset) feed.heatStart = i;
        if (!play.passes.empty() && at <= play.passes.back().offset) feed.lastPass = i;
        if (play.pauseOffset && at <= *play.pauseOffset) feed.pauseFirst = i;
        if (play.resumeOffset && at < *play.resumeOffset) feed.pauseLast = i;
    }
    for (const PlayedPass& pass : play.passes) {
        const bool afterPause = play.resumeOffset && pass.offset >= *play.resumeOffset;
        const double pause = afterPause ? *play.resumeOffset - *play.pauseOffset : 0.0;
        feed.racingTimes[pass.lane].push_back(pass.offset - play.startOffset - pause);
    }
    return feed;
}

void placeKill(RoundPlan& plan, const HeatFeed& feed, uint64_t draw) {
    std::mt19937_64 random(draw);
    const std::size_t first = feed.heatStart;
    const std::size_t last = std::max(feed.lastPass, first);
    plan.killAfter = std::uniform_int_distribution<std::size_t>(first, last)(random);
    // Half the kills land while lines are still in flight: the last 1..8 were
    // written without waiting for the program to carry them out.
    plan.unwaited = 0;
    if (random() % 2 == 0) {
        const std::size_t reach = std::min<std::size_t>(plan.killAfter - first + 1, 8);
        plan.unwaited = std::uniform_int_distribution<std::size_t>(1, reach)(random);
    }
    plan.killInPause = feed.pauseFirst && feed.pauseLast && random() % 2 == 0;
    if (plan.killInPause) {
        plan.killAfter =
            std::uniform_int_distribution<std::size_t>(*feed.pauseFirst, *feed.pauseLast)(random);
        plan.unwaited = std::min(plan.unwaited, plan.killAfter - first + 1);
    }
    // A pause or resume message lost with the kill leaves no program a way to
    // know the pause: those two are always carried out before the kill.
    if (feed.pauseFirst && feed.pauseLast)
        for (const std::size_t message : {*feed.pauseFirst, *feed.pauseLast + 1})
            if (message <= plan.killAfter) plan.unwaited = std::min(plan.unwaited, plan.killAfter - message);
    plan.corrections.clear();
    if (plan.modality == kRace) {
        const int lanes = plan.simulator.lanes;
        auto someone = [&] { return std::uniform_int_distribution<int>(1, lanes)(random); };
        const int a = someone();
        // A lap added and taken back, and one added: both keys, a net change.
        plan.corrections = {{a, 1}, {someone(), 1}, {a, -1}};
        plan.correctionsAfter = std::uniform_int_distribution<std::size_t>(first, plan.killAfter)(random);
    }
    plan.duringQuestion = random() % 2 == 0 ? std::uniform_int_distribution<std::size_t>(1, 12)(random) : 0;
}

std::vector<std::string> correctionKeys(const RoundPlan& plan) {
    std::vector<std::string> keys;
    for (const TypedCorrection& c : plan.corrections) {
        keys.push_back(c.delta > 0 ? "key +" : "key -");
        for (const char digit : std::to_string(c.participant)) keys.push_back(std::string("key ") + digit);
        keys.push_back("key enter");
    }
    return keys;
}

std::map<int, int> correctionSums(const RoundPlan& plan) {
    std::map<int, int> sums;
    for (const TypedCorrection& c : plan.corrections) sums[c.participant] += c.delta;
    return sums;
}

}  // namespace sc::reliability
