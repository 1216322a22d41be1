#include "standings/standings_plug.h"

#include <map>

#include "core/lap_log.h"
#include "core/number_format.h"
#include "core/race_state.h"
#include "standings/heat_results_store.h"
#include "standings/standings_engine.h"
#include "standings/voltaavolta.h"

namespace sc {

StandingsPlug::StandingsPlug(RaceState& state, StandingsEngine& engine, HeatResultsStore& store)
    : state_(state), engine_(engine), store_(store) {}

void StandingsPlug::AnotarVolta(int lane, double lapTime, const LapRecord& record) {
    Passing passing{lane, record.participant, record.passTime, lapTime, 1, {}, {}};
    if (const VoltaaVolta* view = engine_.LapView(); view && view->HasLane(lane)) {
        passing.lastLapText = view->LastLapText(lane);
        passing.bestLapText = view->Lane(lane).fastestLap;
    } else {
        passing.lastLapText = record.number <= 1 ? "+1" : FormatNumber(record.lapTime, "0.0000");
    }
    engine_.AnotarVolta(passing);
}

SensorMark StandingsPlug::UpdateSuperPoleTable(int lane, double lapTime) {
    if (engine_.UpdateSuperPoleTable) engine_.UpdateSuperPoleTable(lane, lapTime);
    return {};
}

void StandingsPlug::RecomputeStandings() {
    TrackConfig& t = state_.Track;
    std::map<int, double> best;  // per lane, as shown
    for (const LapRecord& rec : ReadLapLog(state_.inWorkingFolder(kLapLogName)).records) {
        const int lane = rec.lane;
        if (lane < 1 || lane >= static_cast<int>(t.LastPassTime.size())) continue;
        t.LastPassTime[lane] = rec.passTime;
        if (rec.number == 0 || rec.extra1 != 0) continue;  // rejected detection or sensor mark
        Passing passing{lane, rec.participant, rec.passTime, rec.lapTime, 1, "+1", {}};
        if (rec.number > 1) {
            passing.lastLapText = FormatNumber(rec.lapTime, "0.0000");
            const double shown = ReadNumber(passing.lastLapText);
            if (!best.count(lane) || shown <= best[lane]) best[lane] = shown;
        }
        if (best.count(lane)) passing.bestLapText = FormatNumber(best[lane], "0.0000");
        engine_.AnotarVolta(passing);
    }
}

void StandingsPlug::NovaManiga() { engine_.NovaManiga(); }
void StandingsPlug::GuardarManiga() { store_.GuardarManiga(); }
void StandingsPlug::AnullarManiga() { store_.AnullarManiga(); }

}  // namespace sc
