#include "app/portada_commands.h"

#include <array>

#include "core/number_format.h"
#include "core/race_store.h"
#include "localisation/language_tables.h"

namespace sc {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPortada = "Portada";
constexpr int kRaceModality = 4;

std::array<int16_t, 4> headCounts(const RaceState& state) {
    return {state.SeriesCount[1], state.SeriesCount[2], state.SeriesCount[3], state.SeriesCount[4]};
}

}  // namespace

std::string newSeriesQuestion(const RaceState& state, int m, int n) {
    const std::string caption = tableText(state.Settings.Language, kPortada, "MnuPrg", m).value_or("");
    return caption + ". " + msgText(state, kPortada, 0, 4) + Str(n) + "?";
}

void MnuNou_Click(Portada& portada, RaceState& state, Prompter& prompter, int m,
                  const AutoSeriesBuild& autoBuild) {
    if (m < 1 || m > kSeriesLists || state.CurrentRace < 1) return;
    ListControl& list = portada.LlSeries[m];
    const int n = list.count() + 1;
    if (n > kMaxSeries) return;  // series numbers have three digits
    MessageBox question{
        newSeriesQuestion(state, m, n), "", {Button::Yes, Button::No}, Button::No, MessageIcon::Question};
    if (prompter.ask(question) != Button::Yes) return;

    const int listed = list.count();
    const bool built = m == kRaceModality && autoBuild && autoBuild(portada, state, prompter);
    if (!built) list.items.push_back(std::to_string(n));

    const int16_t before = state.SeriesCount[m];
    state.SeriesCount[m] = static_cast<int16_t>(list.count());
    const fs::path header = state.AppFolder / raceFolderName(state.CurrentRace) / kRaceHeaderFileName;
    if (!writeSeriesCounts(header, headCounts(state))) {
        // The list shows what the race header holds, never a series it lacks.
        state.SeriesCount[m] = before;
        list.items.resize(listed);  // built series too
        prompter.inform(raceFileMessage(state.Settings.Language, RaceFileText::FileNotWritten,
                                        raceFolderName(state.CurrentRace) + "\\" + kRaceHeaderFileName),
                        msgText(state, kPortada, 0, 3), MessageIcon::Critical);
        return;
    }
    if (state.SeriesCount[m] == 1) portada.SerieActiva(m, true);
    list.selected = list.count() - 1;
}

bool acceptNewRace(Portada& portada, NovaProva& window) {
    window.RaceCount = portada.LlProves.count();
    if (!window.Sortir_Click(1)) return false;
    if (!window.accepted) return true;
    portada.LlProves.items.push_back(window.acceptedName);
    portada.Data.items.push_back(window.TextData);
    portada.ProvaActiva(true);
    portada.LlProves_Click(portada.LlProves.count() - 1);
    return true;
}

void afterRaceManager(Portada& portada, RaceState& state) {
    rebuildRaceCatalogue(state.AppFolder);
    portada.CarregarLlistats();
}

void MnuIns_Click(Portada& portada, RaceState& state, Prompter& prompter, int m,
                  const std::function<void(Inscrits&)>& show) {
    if (m < 0 || m > kSeriesLists || state.CurrentRace < 1) return;
    if (m >= 1 && !portada.LlSeries[m].isValidPosition(portada.LlSeries[m].selected)) return;
    state.CurrentModality = static_cast<int16_t>(m);
    if (m >= 1) state.CurrentSeries = static_cast<int16_t>(portada.LlSeries[m].selected + 1);
    {
        WorkingFolderGuard inRace(state, state.AppFolder / raceFolderName(state.CurrentRace));
        Inscrits window(state, prompter);
        if (show) show(window);
    }
    state.WorkingFolder = state.AppFolder;
    state.CurrentModality = 0;
}

void MnuIns100_Click(RaceState& state, Prompter& prompter, const std::function<void(Inscrits&)>& show) {
    Inscrits window(state, prompter);
    if (show) show(window);
}

}  // namespace sc
