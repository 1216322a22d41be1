// results: the results window's table as it is shown (header and visible
// rows, visible columns), after the filters and the criterion of the line.
#include <algorithm>
#include <array>
#include <cctype>
#include <ostream>

#include "core/file_error.h"
#include "core/file_fault_text.h"
#include "core/file_io.h"
#include "core/race_store.h"
#include "localisation/language_tables.h"
#include "results/lap_listing.h"
#include "results/penalitzacions.h"
#include "results/results_table.h"
#include "tools/driver/command_table.h"
#include "tools/driver/heat_driver.h"
#include "tools/driver/key_values.h"
#include "tools/driver/listing_print.h"
#include "tools/driver/session.h"

namespace sc::driver {

namespace {

constexpr const char* kResultsUsage =
    "results M [criterion=1..4] [series=S] [participant=NAME|number] [lane=L] [pass=P] [heat=H]";

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The position of `value` in a number list; a number no row has is added, so the list comes out empty.
int numberPosition(FilterList& list, const std::string& value, const std::string& key) {
    const int n = wholeNumberArgument(value, key, 1, 9999);
    const std::string text = std::to_string(n);
    if (list.find(text) < 0) list.items.push_back(text);
    return list.find(text);
}

int participantPosition(const Resultats& results, const std::string& value) {
    const bool number = !value.empty() && std::all_of(value.begin(), value.end(),
                                                      [](unsigned char c) { return std::isdigit(c) != 0; });
    const FilterList& list = number ? results.EqDorsal : results.Participant;
    for (int i = 1; i < list.count(); ++i)
        if (upper(trimmed(list.items[i])) == upper(trimmed(value))) return i;
    throw ScriptError("participant '" + value + "' has no row in these results");
}

void results(Session& session, const ScriptLine& line) {
    if (line.args.empty()) throw ScriptError(std::string("usage: ") + kResultsUsage);
    session.mainWindow();  // the program runs
    RaceState& state = session.state();
    if (state.CurrentRace < 1) throw ScriptError("no race selected");
    const int modality = wholeNumberArgument(line.args[0], "modality M", 1, 4);
    static constexpr std::array<std::string_view, 6> kKeys = {"criterion", "series", "participant",
                                                              "lane",      "pass",   "heat"};
    const KeyValues values = parseKeyValues({line.args.begin() + 1, line.args.end()}, kKeys);
    auto value = [&](const char* key) { return values.contains(key) ? values.at(key) : std::string(); };

    session.applyLanguage("Resultats");
    Resultats table(state, RaceSeriesFolder(state, modality));
    if (auto header =
            tableText(state.Settings.Language, "Resultats", "LlistaVoltes", -1, TextKind::GridFormat))
        table.LlistaVoltes.SetFormatString(*header);
    const std::string series = value("series");
    table.Load(series.empty()
                   ? 0
                   : wholeNumberArgument(series, "series", 1, std::max<int>(1, state.SeriesCount[modality])));
    for (const auto& problem : table.problems) session.out() << "problem: " << problem << '\n';
    if (const std::string p = value("participant"); !p.empty())
        table.ParticipantChosen(participantPosition(table, p));
    for (auto [key, list] :
         {std::pair{"lane", &table.Pista}, {"pass", &table.Passada}, {"heat", &table.Manigues}})
        if (const std::string v = value(key); !v.empty()) list->selected = numberPosition(*list, v, key);
    table.Filtrar();
    if (const std::string c = value("criterion"); !c.empty())
        table.CriteriOrdre_Click(static_cast<Criterion>(wholeNumberArgument(c, "criterion", 1, 4)));
    printShown(session.out(), table.LlistaVoltes, 0);
    for (int row : table.VisibleRows()) printShown(session.out(), table.LlistaVoltes, row);
}

constexpr const char* kPenaltiesUsage = "penalties SERIES P:VALUE:REASON;...";

void printAll(std::ostream& out, const Grid& grid) {
    for (int row = 0; row < grid.Rows(); ++row)
        for (int col = 0; col < grid.Cols(); ++col)
            out << grid.TextMatrix(row, col) << (col + 1 < grid.Cols() ? '\t' : '\n');
}

// The penalties window of race series SERIES (the first argument), loaded.
Penalitzacions openPenalties(Session& session, const ScriptLine& line, const std::string& usage) {
    if (line.args.empty()) throw ScriptError("usage: " + usage);
    session.mainWindow();
    RaceState& state = session.state();
    if (state.CurrentRace < 1) throw ScriptError("no race selected");
    const int count = state.SeriesCount[static_cast<int>(Modality::Race)];
    if (count < 1) throw ScriptError("the race has no race series");
    const int series = wholeNumberArgument(line.args[0], "series", 1, count);
    session.applyLanguage("Penalitzacions");
    try {
        Penalitzacions form = RacePenalties(state, series);
        if (!form.Load()) session.out() << "problem: " << form.problem << '\n';
        return form;
    } catch (const FileError& e) {
        throw ScriptError(e.describe());
    }
}

bool isNumberText(const std::string& text) {
    std::size_t i = text.find_first_not_of("+-") == 1 ? 1 : 0;
    bool digits = false, separator = false;
    for (; i < text.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i])))
            digits = true;
        else if ((text[i] == '.' || text[i] == ',') && !separator)
            separator = true;
        else
            return false;
    }
    return digits;
}

void penalties(Session& session, const ScriptLine& line) {
    if (line.args.size() < 2) throw ScriptError(std::string("usage: ") + kPenaltiesUsage);
    Penalitzacions form = openPenalties(session, line, kPenaltiesUsage);
    const std::string entries = trimmed(line.rest.substr(line.rest.find(line.args[0]) + line.args[0].size()));
    for (const std::string& entry : splitOn(entries, ';')) {
        const auto first = entry.find(':');
        const auto second = first == std::string::npos ? first : entry.find(':', first + 1);
        if (second == std::string::npos) throw ScriptError("expected P:VALUE:REASON, not '" + entry + "'");
        const int slot = wholeNumberArgument(trimmed(entry.substr(0, first)), "participant P", 1,
                                             static_cast<int>(form.Participant.size()));
        const std::string value = trimmed(entry.substr(first + 1, second - first - 1));
        if (!isNumberText(value)) throw ScriptError("penalty VALUE must be a number, not '" + value + "'");
        form.Participant_Click(slot - 1);
        form.Valor = value;
        form.Valor_LostFocus();
        form.Concepte = entry.substr(second + 1);
        form.Anotar();
    }
    if (const WriteResult written = form.Gravar(); !written)
        session.out() << "problem: " << FileWriteText(session.state().Settings.Language, written.error())
                      << '\n';
    printAll(session.out(), form.Quadre);
}

void penaltiesShow(Session& session, const ScriptLine& line) {
    requireArgs(line, 1, "penalties-show SERIES");
    printAll(session.out(), openPenalties(session, line, "penalties-show SERIES").Quadre);
}

constexpr const char* kListingUsage =
    "listing SERIES HEAT [order=1..3] [lane=L] [participant=NAME|number] [pass=P] [modality=M]";

// The open programme's modality and folder, else the race's series of `modality=` (default the race).
LlistarVoltes openListing(Session& session, const ScriptLine& line, const std::string& usage,
                          KeyValues& values) {
    if (line.args.size() < 2) throw ScriptError("usage: " + usage);
    session.mainWindow();
    RaceState& state = session.state();
    static constexpr std::array<std::string_view, 5> kKeys = {"order", "lane", "participant", "pass",
                                                              "modality"};
    values = parseKeyValues({line.args.begin() + 2, line.args.end()}, kKeys);
    const bool programme = session.heat().programme.ui.heatMode;
    SeriesFolder source;
    if (programme && !values.contains("modality")) {
        source = ProgrammeSeriesFolder(state);
    } else {
        if (state.CurrentRace < 1) throw ScriptError("no race selected");
        const int m = values.contains("modality") ? wholeNumberArgument(values["modality"], "modality", 1, 4)
                                                  : static_cast<int>(Modality::Race);
        source = RaceSeriesFolder(state, m);
    }
    const int series = wholeNumberArgument(line.args[0], "SERIES", 1, kMaxSeries);
    const int heat = wholeNumberArgument(line.args[1], "HEAT", 1, 32767);
    session.applyLanguage("LlistarVoltes");
    LlistarVoltes listing(state, source);
    listing.Load(series, heat);
    if (!listing.problem.empty()) session.out() << "problem: " << listing.problem << '\n';
    const auto& heats = listing.Manigues.items;
    if (std::find(heats.begin(), heats.end(), std::to_string(heat)) == heats.end())
        throw ScriptError("heat " + line.args[1] + " is not in " + listing.File().filename().string());
    return listing;
}

void listing(Session& session, const ScriptLine& line) {
    KeyValues values;
    LlistarVoltes table = openListing(session, line, kListingUsage, values);
    if (values.contains("participant")) {
        const std::string& p = values["participant"];
        const bool number =
            std::all_of(p.begin(), p.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
        const FilterList& list = number ? table.EqDorsal : table.Participant;
        int at = -1;
        for (int i = 1; i < list.count() && at < 0; ++i)
            if (upper(list.items[i]) == upper(p)) at = i;
        if (at < 0) throw ScriptError("participant '" + p + "' has no pass in this heat");
        table.Participant.selected = at;
        table.EqDorsal.selected = at;
    }
    for (auto [key, list] : {std::pair{"lane", &table.Pista}, {"pass", &table.Passada}})
        if (values.contains(key)) list->selected = numberPosition(*list, values[key], key);
    table.CriteriOrdre_Click(values.contains("order") ? static_cast<LlistarVoltes::Order>(wholeNumberArgument(
                                                            values["order"], "order", 1, 3))
                                                      : table.order);
    printListing(session.out(), table);
}

void listingExport(Session& session, const ScriptLine& line) {
    KeyValues values;
    LlistarVoltes table = openListing(session, line, "listing-export SERIES HEAT [modality=M]", values);
    if (const WriteResult written = table.Exportar(); !written)
        throw ScriptError(FileWriteText(0, written.error()));
    const Bytes bytes = readFileOrThrow(table.File().parent_path() / kLapExportFileName);
    session.out() << std::string(bytes.begin(), bytes.end());
}

}  // namespace

void addResultsCommands(CommandTable& table) {
    table.add("listing", kListingUsage, listing);
    table.add("listing-export", "listing-export SERIES HEAT [modality=M]", listingExport);
    table.add("results", kResultsUsage, results);
    table.add("penalties", kPenaltiesUsage, penalties);
    table.add("penalties-show", "penalties-show SERIES", penaltiesShow);
}

}  // namespace sc::driver
