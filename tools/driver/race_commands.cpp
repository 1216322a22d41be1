// new-race, race-data, add-series, delete-race, delete-series: the race data
// window and the race manager, driven from the main window.
#include <optional>

#include "app/portada_commands.h"
#include "app/race_series_command.h"
#include "organisation/race_manager.h"
#include "tools/driver/command_table.h"
#include "tools/driver/heat_driver.h"
#include "tools/driver/session.h"

namespace sc::driver {

namespace {

constexpr int kRaceModality = 4;

struct RaceData {
    std::string name;
    std::optional<std::string> date;  // none: the date the window proposes
};

// "NAME | DATE", or "NAME" alone.
RaceData raceDataArgument(const std::string& text) {
    const auto bar = text.find('|');
    if (bar == std::string::npos) return {text, std::nullopt};
    return {trimmed(text.substr(0, bar)), trimmed(text.substr(bar + 1))};
}

// Types the data into the window and presses accept; a window left open
// (refused name, cancelled confirmation) is then closed without saving.
void typeAndAccept(NovaProva& window, const RaceData& data, const std::function<bool(NovaProva&)>& accept) {
    window.TextProva = data.name;
    if (data.date) window.TextData = *data.date;
    if (!accept(window)) window.Sortir_Click(0);
}

void newRace(Session& session, const ScriptLine& line) {
    Portada& portada = session.mainWindow();
    session.applyLanguage("NovaProva");
    NovaProva window(session.state(), session.boxes());
    window.Load();
    typeAndAccept(window, raceDataArgument(line.rest),
                  [&portada](NovaProva& w) { return acceptNewRace(portada, w); });
}

// The race manager opened from the main window, `act` done in it, then closed.
void inRaceManager(Session& session, const std::function<void(GestorProves&)>& act) {
    Portada& portada = session.mainWindow();
    RaceState& state = session.state();
    session.applyLanguage("GestorProves");
    GestorProves manager(state, session.boxes());
    manager.Load();
    act(manager);
    manager.Sortir_Click(0);
    afterRaceManager(portada, state);
}

void selectManagedRace(GestorProves& manager, const std::string& text) {
    const int races = static_cast<int>(manager.LlProves.size());
    if (races == 0) throw ScriptError("the race manager lists no race");
    manager.LlProves_Click(wholeNumberArgument(text, "race N", 1, races) - 1);
}

void raceData(Session& session, const ScriptLine& line) {
    if (line.args.empty()) throw ScriptError("usage: race-data N NAME | DATE");
    const RaceData data = raceDataArgument(trimmed(line.rest.substr(line.args[0].size())));
    inRaceManager(session, [&](GestorProves& manager) {
        selectManagedRace(manager, line.args[0]);
        manager.OpenNovaProva = [&](const CatalogueEntry& shown) -> std::optional<CatalogueEntry> {
            session.applyLanguage("NovaProva");
            NovaProva window(session.state(), session.boxes());
            window.TextProva = shown.name;
            window.TextData = shown.date;
            window.Load();
            typeAndAccept(window, data, [](NovaProva& w) { return w.Sortir_Click(1); });
            if (!window.accepted) return std::nullopt;
            return CatalogueEntry{window.acceptedName, window.acceptedDate};
        };
        manager.Sortir_Click(3);
    });
}

void deleteRace(Session& session, const ScriptLine& line) {
    requireArgs(line, 1, "delete-race N");
    inRaceManager(session, [&](GestorProves& manager) {
        selectManagedRace(manager, line.args[0]);
        manager.Sortir_Click(2);
    });
}

// Series K of modality M of the race selected in the main window.
void deleteSeries(Session& session, const ScriptLine& line) {
    requireArgs(line, 2, "delete-series M K");
    const int m = wholeNumberArgument(line.args[0], "modality M", 1, kSeriesLists);
    const int race = session.state().CurrentRace;
    if (race < 1) throw ScriptError("no race is selected");
    inRaceManager(session, [&](GestorProves& manager) {
        selectManagedRace(manager, std::to_string(race));
        manager.NPrgr_Click(m);
        if (manager.LlSeries.empty())
            throw ScriptError("modality " + line.args[0] + " of the race has no series");
        const int k =
            wholeNumberArgument(line.args[1], "series K", 1, static_cast<int>(manager.LlSeries.size()));
        manager.LlSeries_Click(k - 1);
        manager.Sortir_Click(4);
    });
}

// The race modality's command builds the race series and opens the programme
// of the first one built, as `open 4` does.
void addSeries(Session& session, const ScriptLine& line) {
    requireArgs(line, 1, "add-series M");
    const int m = wholeNumberArgument(line.args[0], "modality M", 1, kSeriesLists);
    Portada& portada = session.mainWindow();
    if (session.state().CurrentRace < 1) throw ScriptError("no race is selected");
    HeatDriver& heat = session.heat();
    if (heat.programme.ui.heatMode) throw ScriptError("a programme is open (use 'close')");
    if (m != kRaceModality) return MnuNou_Click(portada, session.state(), session.boxes(), m);
    MnuNouCursa_Click(portada, session.state(), session.boxes(), [&heat] {
        if (heat.programme.MnuPrg_Click(kRaceModality)) heat.engine.SetLapView(heat.programme.View());
    });
}

}  // namespace

void addRaceCommands(CommandTable& table) {
    table.add("new-race", "new-race NAME | DATE", newRace);
    table.add("race-data", "race-data N NAME | DATE", raceData);
    table.add("add-series", "add-series M", addSeries);
    table.add("delete-race", "delete-race N", deleteRace);
    table.add("delete-series", "delete-series M K", deleteSeries);
}

}  // namespace sc::driver
