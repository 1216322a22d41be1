#include "kill_round.h"

#include <fstream>
#include <sstream>

#include "acquisition/lap_counter_model.h"
#include "core/file_error.h"
#include "core/lap_log.h"
#include "core/race_store.h"
#include "driver_process.h"
#include "kill_check.h"

namespace sc::reliability {

namespace fs = std::filesystem;

namespace {

constexpr auto kReplyTimeout = std::chrono::seconds(60);
constexpr std::size_t kSyncEvery = 40;  // messages between waits, so no pipe fills up
constexpr const char* kRaceFolder = "PROVA001";
constexpr const char* kRecoveryFile = "KEL4.TMP";

std::string firstLineOf(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line.empty() ? "(no message)" : line;
}

bool sendAll(DriverProcess& program, const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        if (!program.send(line)) return false;
    return true;
}

// Plays messages [from, to); waits for the program after every kSyncEvery and
// after `waitAfter` (the last message it must have carried out). The typed
// corrections of `typed` follow their message and are waited for.
bool play(DriverProcess& program, const HeatFeed& feed, std::size_t from, std::size_t to,
          std::size_t waitAfter, const RoundPlan* typed = nullptr) {
    for (std::size_t i = from; i < to; ++i) {
        if (!sendAll(program, feed.messages[i])) return false;
        const bool due = i == waitAfter || (i - from + 1) % kSyncEvery == 0;
        if (due && i <= waitAfter && !program.sync(kReplyTimeout)) return false;
        if (typed && i == typed->correctionsAfter && !typed->corrections.empty() &&
            !(sendAll(program, correctionKeys(*typed)) && program.sync(kReplyTimeout)))
            return false;
    }
    return true;
}

// Lets the keep-alives lapse (5 s of timer, past the 2.5 s deadline); a resumed
// heat that heard none after the restart is ended with its start/stop key.
bool endHeat(DriverProcess& program) {
    if (!program.send("tick 10") || !program.send("panel")) return false;
    while (auto line = program.readLine(kReplyTimeout)) {
        if (line->rfind("{\"panel\"", 0) != 0) continue;
        if (line->find("\"timer\":0,") != std::string::npos) return true;
        return program.send("key S");
    }
    return false;
}

// The first run: set-up and the heat up to the kill. Empty, or why it failed before.
std::string runUntilKill(const RoundPlan& plan, const HeatFeed& feed, const fs::path& tool,
                         const fs::path& folder, const fs::path& errors) {
    DriverProcess program(tool, folder, errors);
    if (!sendAll(program, feed.setup) || !program.sync(kReplyTimeout))
        return "set-up failed: " + firstLineOf(errors);
    const std::size_t waitAfter = plan.killAfter - plan.unwaited;  // wraps when nothing is waited for
    if (!play(program, feed, 0, plan.killAfter + 1, plan.unwaited > plan.killAfter ? SIZE_MAX : waitAfter,
              &plan))
        return "the heat failed before the kill: " + firstLineOf(errors);
    program.kill();
    return {};
}

// The second run: Yes to recovery, the rest of the heat, its end, an orderly exit.
std::string runAfterKill(const RoundPlan& plan, const HeatFeed& feed, const fs::path& tool,
                         const fs::path& folder, const fs::path& errors) {
    DriverProcess program(tool, folder, errors);
    const std::size_t next = std::min(plan.killAfter + 1, feed.messages.size() - 1);
    const std::size_t live = std::min(plan.killAfter + 1 + plan.duringQuestion, feed.messages.size());
    // The next message's clock, then the messages that arrive while the recovery question waits.
    std::vector<std::string> lines{feed.messages[next].front()};
    for (std::size_t i = plan.killAfter + 1; i < live; ++i)
        for (const std::string& line : feed.messages[i]) lines.push_back("meanwhile " + line);
    lines.insert(lines.end(), {"answer yes", "start"});
    const bool ok = sendAll(program, lines) &&
                    play(program, feed, live, feed.messages.size(), feed.messages.size() - 1) &&
                    endHeat(program) && program.send("quit");
    const int status = program.finish();
    return ok && status == 0 ? std::string() : "the resumed run failed: " + firstLineOf(errors);
}

}  // namespace

std::string describeRound(const RoundPlan& plan, const HeatFeed& feed) {
    std::ostringstream text;
    text << lapCounterModelName(plan.simulator.model)
         << (plan.modality == kRace ? " race" : " official practice") << ", " << plan.simulator.lanes
         << " lanes" << (plan.simulator.pause ? ", pause" : "")
         << (plan.simulator.repeatFrames ? ", repeated frames" : "") << ", start "
         << clockText(plan.heatStartClock) << ", kill after message " << plan.killAfter + 1 << " of "
         << feed.messages.size();
    if (plan.unwaited > 0) text << " (" << plan.unwaited << " in flight)";
    if (plan.killInPause) text << " during the pause";
    if (!plan.corrections.empty()) text << ", corrections after message " << plan.correctionsAfter + 1;
    if (plan.duringQuestion > 0) text << ", " << plan.duringQuestion << " during the question";
    return text.str();
}

RoundOutcome runRound(const RoundPlan& plan, const HeatFeed& feed, const fs::path& tool,
                      const fs::path& folder) {
    RoundOutcome outcome;
    std::error_code ec;
    fs::remove_all(folder, ec);
    fs::create_directories(folder);
    std::string why = runUntilKill(plan, feed, tool, folder, fs::path(folder).concat(".first.err"));
    // A heat that started has left its recovery file; before that there is nothing to recover.
    outcome.heatStarted = why.empty() && fs::exists(folder / kRecoveryFile);
    const std::vector<LapRecord> beforeKill = readLapRecords(folder / kRaceFolder / kLapLogName);
    if (outcome.heatStarted) {
        for (const LapRecord& r : beforeKill) outcome.passesBeforeKill += r.lane >= 1 ? 1 : 0;
        why = runAfterKill(plan, feed, tool, folder, fs::path(folder).concat(".second.err"));
    }
    if (!why.empty()) outcome.losses.push_back(why);
    if (!outcome.heatStarted || !why.empty()) return outcome;
    try {
        const fs::path base = folder / kRaceFolder / seriesBaseName(plan.modality, 1);
        const StoredHeat stored{readLapRecords(fs::path(base).concat(".VAV")),
                                readHeatBlocks(fs::path(base).concat(".DAD")),
                                fs::exists(folder / kRecoveryFile)};
        outcome.losses = findLosses(beforeKill, stored, correctionSums(plan));
        if (const auto block = lapBlockOf(stored.lapFile, heatOf(beforeKill)))
            outcome.mistimed = findMistimedPasses(*block, feed.racingTimes);
    } catch (const FileError& e) {
        outcome.losses.push_back(std::string("stored heat unreadable: ") + e.what());
    }
    return outcome;
}

}  // namespace sc::reliability
