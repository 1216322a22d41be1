// roster, entrants, participants: the participant window filled and saved;
// participants-show: a series' list as its file stands.
#include <nlohmann/json.hpp>

#include "app/portada_commands.h"
#include "core/file_error.h"
#include "core/file_io.h"
#include "core/race_store.h"
#include "organisation/entrants.h"
#include "tools/driver/command_table.h"
#include "tools/driver/session.h"
#include "tools/json_text.h"

namespace sc::driver {
namespace fs = std::filesystem;

namespace {

// "NAME;NAME;..." with an empty name for an empty slot.
std::vector<std::string> namesArgument(const std::string& text) {
    std::vector<std::string> names = splitOn(text, ';');
    for (auto& name : names) name = trimmed(name);
    return names;
}

// Prints what the window showed: its list, slot count and range label.
void printList(Session& session, const Inscrits& window, bool saved) {
    nlohmann::ordered_json shown;
    const auto file = window.listFile();
    shown["file"] = file ? file->filename().string() : "";
    shown["slots"] = window.slotCount();
    shown["range"] = window.Text2;
    shown["saved"] = saved;
    nlohmann::ordered_json line;
    line["list"] = std::move(shown);
    session.out() << jsonText(line) << "\n";
}

// Types the count, then the names slot by slot, then saves.
std::function<void(Inscrits&)> fillAndSave(Session& session, const std::vector<std::string>& names) {
    return [&session, &names](Inscrits& window) {
        session.applyLanguage("Inscrits");
        window.Load();
        if (window.NPilotsEnabled) {
            window.NPilots = std::to_string(names.size());
            window.NPilots_Lostfocus();
        }
        if (static_cast<int>(names.size()) > window.slotCount())
            throw ScriptError(std::to_string(names.size()) + " names for " +
                              std::to_string(window.slotCount()) + " slots");
        for (std::size_t i = 0; i < names.size(); ++i) window.NomPista[i + 1] = names[i];
        const bool saved = window.Sortir_Click(1);
        if (!saved) window.Sortir_Click(0);
        printList(session, window, saved);
    };
}

void roster(Session& session, const ScriptLine& line) {
    session.mainWindow();
    const auto names = namesArgument(line.rest);
    MnuIns100_Click(session.state(), session.boxes(), fillAndSave(session, names));
}

void requireRace(Session& session) {
    session.mainWindow();
    if (session.state().CurrentRace < 1) throw ScriptError("no race is selected");
}

void entrants(Session& session, const ScriptLine& line) {
    requireRace(session);
    const auto names = namesArgument(line.rest);
    MnuIns_Click(session.mainWindow(), session.state(), session.boxes(), 0, fillAndSave(session, names));
}

void participants(Session& session, const ScriptLine& line) {
    if (line.args.empty()) throw ScriptError("usage: participants M NAME;...");
    requireRace(session);
    const int m = wholeNumberArgument(line.args[0], "modality M", 1, kSeriesLists);
    const ListControl& list = session.mainWindow().LlSeries[m];
    if (!list.isValidPosition(list.selected))
        throw ScriptError("modality " + line.args[0] + " has no selected series");
    const auto names = namesArgument(trimmed(line.rest.substr(line.args[0].size())));
    MnuIns_Click(session.mainWindow(), session.state(), session.boxes(), m, fillAndSave(session, names));
}

// The names of a series' participant file in slot order, read as the file
// stands (any mode; no file: no names).
void participantsShow(Session& session, const ScriptLine& line) {
    requireArgs(line, 2, "participants-show M K");
    requireRace(session);
    const RaceState& state = session.state();
    const int m = wholeNumberArgument(line.args[0], "modality M", 1, kSeriesLists);
    if (state.SeriesCount[m] < 1)
        throw ScriptError("modality " + line.args[0] + " of the race has no series");
    const int k = wholeNumberArgument(line.args[1], "series K", 1, state.SeriesCount[m]);
    const std::string name = seriesBaseName(m, k) + ".PAR";
    const fs::path file = state.AppFolder / raceFolderName(state.CurrentRace) / name;
    ParticipantList list;
    try {
        if (fileExists(file)) list = readParticipantList(file);
    } catch (const FileError& e) {
        throw ScriptError(e.describe());
    }
    nlohmann::ordered_json shown;
    shown["file"] = name;
    shown["names"] = list.names;
    nlohmann::ordered_json out;
    out["participants"] = std::move(shown);
    session.out() << jsonText(out) << "\n";
}

}  // namespace

void addListCommands(CommandTable& table) {
    table.add("roster", "roster NAME;NAME;...", roster);
    table.add("entrants", "entrants NAME;NAME;...", entrants);
    table.add("participants", "participants M NAME;NAME;...", participants);
    table.add("participants-show", "participants-show M K", participantsShow);
}

}  // namespace sc::driver
