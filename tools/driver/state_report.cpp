#include "tools/driver/state_report.h"

#include <nlohmann/json.hpp>

#include "tools/json_text.h"

namespace sc::driver {

std::string stateLine(const RaceState& state, const Portada& mainWindow) {
    nlohmann::ordered_json line;
    line["CurrentRace"] = state.CurrentRace;
    line["CurrentModality"] = state.CurrentModality;
    line["CurrentSeries"] = state.CurrentSeries;
    line["CurrentHeat"] = state.CurrentHeat;
    line["SeriesCount"] = state.SeriesCount;
    nlohmann::ordered_json races = nlohmann::json::array();
    for (int i = 0; i < mainWindow.LlProves.count(); ++i) {
        nlohmann::ordered_json race;
        race["name"] = mainWindow.LlProves.items[i];
        race["date"] = mainWindow.Data.isValidPosition(i) ? mainWindow.Data.items[i] : "";
        races.push_back(std::move(race));
    }
    line["races"] = std::move(races);
    // Selections as the script names them: 1-based, 0 for none.
    line["race"] = mainWindow.LlProves.selected + 1;
    nlohmann::ordered_json series = nlohmann::json::array();
    for (int m = 1; m <= kSeriesLists; ++m) series.push_back(mainWindow.LlSeries[m].selected + 1);
    line["series"] = std::move(series);
    return jsonText(line);
}

}  // namespace sc::driver
