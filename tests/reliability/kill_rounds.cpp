// Kill test: rounds of a heat fed to the program on a pipe, SIGKILL at a random
// moment, a restart with Yes to recovery, the heat finished; then nothing the
// program had registered before the kill may be missing from the stored heat.
// Prints one line per round that lost or mistimed anything and
// "rounds: N, lost: K, mistimed: M".

#include <CLI/CLI.hpp>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "kill_round.h"
#include "round_plan.h"

namespace {

namespace fs = std::filesystem;
using namespace sc::reliability;

struct Tally {
    int rounds = 0, lost = 0, notStarted = 0, mistimed = 0, inPause = 0, corrected = 0, duringQuestion = 0;
    std::size_t passesChecked = 0;
};

void printFaults(int round, const std::string& what, const std::vector<std::string>& faults) {
    if (faults.empty()) return;
    std::cout << "round " << round << " (" << what << "):";
    for (const std::string& fault : faults) std::cout << " " << fault << ";";
    std::cout << std::endl;
}

void runRounds(const fs::path& tool, const fs::path& work, uint64_t seed, int count, Tally& tally) {
    for (int i = 0; i < count; ++i) {
        RoundPlan plan = planRound(seed, i);
        const HeatFeed feed = makeHeatFeed(plan);
        placeKill(plan, feed, plan.seed ^ 0x9E3779B97F4A7C15ull);
        const RoundOutcome outcome = runRound(plan, feed, tool, work / ("round" + std::to_string(i + 1)));
        ++tally.rounds;
        if (!outcome.heatStarted && outcome.losses.empty()) ++tally.notStarted;
        tally.passesChecked += outcome.passesBeforeKill;
        tally.mistimed += outcome.mistimed.empty() ? 0 : 1;
        tally.lost += outcome.losses.empty() ? 0 : 1;
        tally.inPause += plan.killInPause ? 1 : 0;
        tally.corrected += plan.corrections.empty() ? 0 : 1;
        tally.duringQuestion += plan.duringQuestion > 0 ? 1 : 0;
        printFaults(i + 1, describeRound(plan, feed), outcome.losses);
        printFaults(i + 1, describeRound(plan, feed), outcome.mistimed);
    }
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app("kill test of the heat loop: SIGKILL, recovery, nothing lost");
    std::string tool;
    std::string work = (fs::temp_directory_path() / "slotcursa-kill").string();
    int rounds = 60;
    uint64_t seed = 1;
    app.add_option("--tool", tool, "the slotcursa-tool executable")->required();
    app.add_option("--rounds", rounds, "kills to make")->check(CLI::Range(1, 100000));
    app.add_option("--seed", seed, "seed of the whole run");
    app.add_option("--work", work, "folder for the rounds' program folders");
    CLI11_PARSE(app, argc, argv);

    Tally tally;
    try {
        fs::create_directories(work);
        runRounds(fs::absolute(tool), fs::absolute(work), seed, rounds, tally);
    } catch (const std::exception& e) {
        std::cerr << "kill_rounds: " << e.what() << "\n";
        return 2;
    }
    std::cout << "kills before the heat started: " << tally.notStarted
              << "; passes registered before the kills: " << tally.passesChecked << "\n";
    std::cout << "kills during a pause: " << tally.inPause << "; after typed corrections: " << tally.corrected
              << "; with messages during the recovery question: " << tally.duringQuestion << "\n";
    std::cout << "rounds: " << tally.rounds << ", lost: " << tally.lost << ", mistimed: " << tally.mistimed
              << std::endl;
    return tally.lost > 0 || tally.mistimed > 0 ? 1 : 0;
}
