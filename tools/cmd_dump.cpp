// slotcursa-tool dump FILE [--as KIND]: any race or settings file as one JSON object.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>

#include "core/file_error.h"
#include "core/file_io.h"
#include "core/penalty_file.h"
#include "core/race_store.h"
#include "core/record_file.h"
#include "core/settings_files.h"
#include "core/value_file.h"
#include "tools/commands.h"
#include "tools/json_text.h"

namespace sc::tool {
namespace {
namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

// A Single as the shortest decimal that reads back as the same Single: the
// double parsed from that text serialises with the same digits.
Json single(float value) { return std::stod(shortestText(value)); }

// Elements first..last of a 1-based working array (fewer when it is shorter).
template <typename T>
Json range(const std::vector<T>& values, std::size_t first, std::size_t last) {
    Json out = Json::array();
    for (std::size_t i = first; i <= last && i < values.size(); ++i) out.push_back(values[i]);
    return out;
}

std::size_t bound(int16_t count) { return count > 0 ? static_cast<std::size_t>(count) : 0; }

Json dumpTrack(const fs::path& file) {
    const TrackConfig t = loadTrackConfig(file);
    const std::size_t c = bound(t.ConnectionCount);
    return Json{{"kind", "track"},
                {"MinLapTime", single(t.MinLapTime)},
                {"ComaDivisions", t.ComaDivisions},
                {"ConnectionCount", t.ConnectionCount},
                {"ConnectionPort", range(t.ConnectionPort, 1, c)},
                {"ConnectionFirstLane", range(t.ConnectionFirstLane, 1, c)},
                {"LaneCount", t.LaneCount},
                {"LaneChange", range(t.LaneChange, 0, bound(t.LaneCount))},
                {"SplitEnabled", t.SplitEnabled},
                {"SectorCount", t.SectorCount},
                {"SectorLane", t.SectorLane},
                {"SpeedTrapLane", t.SpeedTrapLane},
                {"SpeedTrapDistance", t.SpeedTrapDistance},
                {"PartialCount", t.PartialCount},
                {"PartialStep", t.PartialStep},
                {"ComaZeros", t.ComaZeros},
                {"ComaFormat", t.ComaFormat}};
}

Json dumpSettings(const fs::path& file) {
    const ProgramSettings s = loadProgramSettings(file);
    return Json{{"kind", "settings"},
                {"Language", s.Language},
                {"AskComas", s.AskComas},
                {"AutoScrollSeconds", s.AutoScrollSeconds},
                {"SettingsVersion", s.SettingsVersion},
                {"LapCounterModel", s.LapCounterModel},
                {"ColourCount", s.ColourCount},
                {"Colours", range(s.Colours, 1, bound(s.ColourCount))}};
}

Json dumpCatalogue(const fs::path& file) {
    Json races = Json::array();
    for (const auto& race : readCatalogue(file))
        races.push_back(Json{{"name", race.name}, {"date", race.date}});
    return Json{{"kind", "catalogue"}, {"races", races}};
}

Json dumpRace(const fs::path& file) {
    const RaceHeader h = readRaceHeader(file);
    return Json{{"kind", "race"}, {"SeriesCount", h.SeriesCount}, {"name", h.name}, {"date", h.date}};
}

Json dumpParticipants(const fs::path& file) {
    const ParticipantList list = readParticipantList(file);
    return Json{{"kind", "participants"}, {"heats", list.heats}, {"names", list.names}};
}

Json heatRow(const HeatRecord& r) {
    return Json{{"participant", r.participant},
                {"totalLaps", single(r.totalLaps)},
                {"passTime", single(r.passTime)},
                {"fastestLap", single(r.fastestLap)},
                {"fastestLane", r.fastestLane},
                {"position", r.position},
                {"lane", r.lane},
                {"heatLaps", single(r.heatLaps)},
                {"placesGained", r.placesGained},
                {"lastLap", single(r.lastLap)},
                {"bestLap", single(r.bestLap)},
                {"key0", single(r.key0)},
                {"key1", single(r.key1)},
                {"key2", single(r.key2)}};
}

Json dumpHeats(const fs::path& file) {
    Json heats = Json::array();
    for (const auto& block : readHeatBlocks(file)) {
        Json rows = Json::array();
        for (const auto& r : block.rows) rows.push_back(heatRow(r));
        heats.push_back(Json{{"record", block.record},
                             {"heat", block.header.heatNumber()},
                             {"start", single(block.header.startTime())},
                             {"count", block.header.count()},
                             {"rows", rows}});
    }
    return Json{{"kind", "heats"}, {"heats", heats}};
}

Json dumpLaps(const fs::path& file) {
    Json records = Json::array();
    for (const auto& r : decodeLapRecords(readFileOrThrow(file), file))
        records.push_back(Json{{"lane", r.lane},
                               {"participant", r.participant},
                               {"passTime", single(r.passTime)},
                               {"lapTime", single(r.lapTime)},
                               {"best", r.best},
                               {"number", r.number},
                               {"extra1", single(r.extra1)},
                               {"extra2", single(r.extra2)}});
    return Json{{"kind", "laps"}, {"records", records}};
}

Json dumpPenalties(const fs::path& file) {
    Json records = Json::array();
    for (const auto& e : readPenalties(file))
        records.push_back(
            Json{{"participant", e.participant}, {"penalty", single(e.penalty)}, {"reason", e.reason}});
    return Json{{"kind", "penalties"}, {"records", records}};
}

// Whole numbers print without a fraction; the rest as the shortest exact text.
Json number(double value) {
    if (value == static_cast<double>(static_cast<long long>(value)) && std::abs(value) < 1e15)
        return static_cast<long long>(value);
    return value;
}

Json dumpValues(const fs::path& file) {
    const auto lines = readValueLines(file);
    if (!lines) throw FileError(file, 0, "file missing or unreadable");
    Json values = Json::array();
    for (const auto& line : *lines) values.push_back(number(lineValue(line)));
    return Json{{"kind", "values"}, {"values", values}};
}

struct Dumper {
    const char* kind;
    Json (*dump)(const fs::path&);
};

constexpr Dumper kDumpers[] = {
    {"track", dumpTrack}, {"settings", dumpSettings},         {"catalogue", dumpCatalogue},
    {"race", dumpRace},   {"participants", dumpParticipants}, {"heats", dumpHeats},
    {"laps", dumpLaps},   {"penalties", dumpPenalties},       {"values", dumpValues},
};

struct NameRule {
    const char* name;  // whole file name, or an extension starting with "."
    const char* kind;
};

// Whole names first: PROVA.DAD is a race header, not a heat file.
constexpr NameRule kNameRules[] = {
    {"PISTA.CFG", "track"}, {"VIROLA.CFG", "settings"}, {"PROVES.LLS", "catalogue"},
    {"PROVA.DAD", "race"},  {"VLTAVLT.TMP", "laps"},    {"VLTAVLT.BAK", "laps"},
    {"KEL4.INI", "values"}, {"KEL4.TMP", "values"},     {".PAR", "participants"},
    {".DAD", "heats"},      {".VAV", "laps"},           {".HDW", "laps"},
    {".PEN", "penalties"},
};

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string kindFromName(const fs::path& file) {
    const std::string name = upper(file.filename().string());
    const std::string extension = upper(file.extension().string());
    for (const auto& rule : kNameRules)
        if (name == rule.name || extension == rule.name) return rule.kind;
    throw ToolError("cannot tell what kind of file " + file.string() + " is; name it with --as KIND");
}

const Dumper& dumperFor(const std::string& kind) {
    for (const auto& d : kDumpers)
        if (kind == d.kind) return d;
    throw ToolError("unknown kind '" + kind + "'");
}

void runDump(const fs::path& file, const std::string& as) {
    const Dumper& dumper = dumperFor(as.empty() ? kindFromName(file) : as);
    Json out;
    try {
        out = dumper.dump(file);
    } catch (const FileError& e) {
        throw ToolError(e.describe());
    } catch (const std::exception& e) {
        throw ToolError(file.string() + ": " + e.what());
    }
    std::cout << jsonText(out) << "\n";
}

}  // namespace

void addDumpCommand(CLI::App& app, int& status) {
    auto* cmd = app.add_subcommand("dump", "Show a race or settings file as one JSON object");
    cmd->add_option("FILE", "The file to show")->required();
    std::vector<std::string> kinds;
    for (const auto& d : kDumpers) kinds.emplace_back(d.kind);
    cmd->add_option("--as", "Read the file as this kind instead of guessing it from its name")
        ->check(CLI::IsMember(kinds));
    cmd->callback([cmd, &status] {
        status = 1;
        const auto file = cmd->get_option("FILE")->as<std::string>();
        const auto as = cmd->count("--as") ? cmd->get_option("--as")->as<std::string>() : std::string();
        runDump(file, as);
        status = 0;
    });
}

}  // namespace sc::tool
