// slotcursa-tool programme: the heat rule for one heat as one JSON line.
#include <CLI/CLI.hpp>
#include <charconv>
#include <iostream>
#include <nlohmann/json.hpp>

#include "organisation/heat_programme.h"
#include "tools/commands.h"

namespace sc::tool {

namespace {

struct ProgrammeArgs {
    std::string lanes, participants, change, heat;
    bool superPole = false;
};

int wholeNumber(const std::string& text, const std::string& what) {
    int value = 0;
    const char* last = text.data() + text.size();
    auto [end, ec] = std::from_chars(text.data(), last, value);
    if (text.empty() || ec != std::errc() || end != last)
        throw ToolError(what + " must be a whole number, not '" + text + "'");
    return value;
}

int requiredNumber(const std::string& text, const std::string& option) {
    if (text.empty()) throw ToolError(option + " is required");
    return wholeNumber(text, option);
}

// "a,b,..." as the lanes of positions 1..L.
std::vector<int16_t> laneChangeArgument(const std::string& text) {
    if (text.empty()) throw ToolError("--change is required");
    std::vector<int16_t> lanes;
    std::size_t start = 0;
    for (;;) {
        const auto comma = text.find(',', start);
        const int lane = wholeNumber(text.substr(start, comma - start), "each lane of --change");
        if (lane < 1 || lane > kMaxHeatLanes)
            throw ToolError("lane " + std::to_string(lane) + " of --change is outside 1..64");
        lanes.push_back(static_cast<int16_t>(lane));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return lanes;
}

HeatRuleInput heatRuleInput(const ProgrammeArgs& args) {
    HeatRuleInput in;
    in.laneCount = requiredNumber(args.lanes, "--lanes");
    in.participantCount = requiredNumber(args.participants, "--participants");
    in.heat = requiredNumber(args.heat, "--heat");
    in.laneChange = laneChangeRow(laneChangeArgument(args.change));
    in.superPole = args.superPole;
    if (auto problem = heatRuleProblem(in)) throw ToolError(*problem);
    return in;
}

nlohmann::ordered_json toJson(const HeatProgramme& programme) {
    nlohmann::ordered_json out;
    out["heat"] = programme.heat;
    out["pass"] = programme.pass;
    out["heatInPass"] = programme.heatInPass;
    out["positions"] = nlohmann::ordered_json::array();
    for (const auto& pos : programme.positions) {
        nlohmann::ordered_json entry;
        entry["position"] = pos.position;
        entry["lane"] = pos.lane;
        entry["participant"] = pos.participant;
        out["positions"].push_back(std::move(entry));
    }
    out["heatsRun"] = programme.heatsRun ? nlohmann::ordered_json(*programme.heatsRun) : nullptr;
    return out;
}

}  // namespace

void addProgrammeCommand(CLI::App& app, int& status) {
    auto args = std::make_shared<ProgrammeArgs>();
    auto* cmd = app.add_subcommand("programme", "Show who runs a heat of a series and on which lane");
    cmd->add_option("--lanes", args->lanes, "Number of lanes, 1..64")->type_name("INT");
    cmd->add_option("--participants", args->participants, "Participants of the series, 1..99")
        ->type_name("INT");
    cmd->add_option("--change", args->change, "Lane-change row: the lane of positions 1..L, comma-separated")
        ->type_name("A,B,...");
    cmd->add_option("--heat", args->heat, "Heat number, from 1 over the whole series")->type_name("INT");
    cmd->add_flag("--superpole", args->superPole, "SuperPole: one car at a time");
    cmd->allow_extras();  // so an unknown argument gets the one-line message below
    cmd->callback([args, cmd, &status] {
        status = 1;
        if (!cmd->remaining().empty())
            throw ToolError("unexpected argument '" + cmd->remaining().front() + "'");
        const auto programme = programmeHeat(heatRuleInput(*args));
        std::cout << toJson(programme).dump() << "\n";
        status = 0;
    });
}

}  // namespace sc::tool
