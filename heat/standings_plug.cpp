#include "heat/standings_plug.h"

#include <map>

#include "core/lap_log.h"
#include "core/number_format.h"
#include "core/race_state.h"
#include "standings/heat_results_store.h"
#include "standings/standings_engine.h"
#include "standings/voltaavolta.h"

namespace sc {

StandingsPlug::StandingsPlug(RaceState& state, StandingsEngine& engine, HeatResultsStore& store)
    : state_(state), engine_(engine), store_(store), superPole_(state, engine) {
    // The crossings of the line reach the SuperPole table through AnotarVolta.
    engine_.UpdateSuperPoleTable = [this](int lane, double lapTime) { superPole_.Update(lane, lapTime); };
}

StandingsPlug::~StandingsPlug() { engine_.UpdateSuperPoleTable = nullptr; }

bool StandingsPlug::superPole() const {
    return state_.CurrentModality == static_cast<int16_t>(Modality::SuperPole);
}

void StandingsPlug::AnotarVolta(int lane, double lapTime, const LapRecord& record) {
    // A device-counted heat reports its laps in the record's number.
    Passing passing{lane, record.participant, record.passTime, lapTime, record.number, {}, {}};
    if (const VoltaaVolta* view = engine_.LapView(); view && view->HasLane(lane)) {
        passing.lastLapText = view->LastLapText(lane);
        passing.bestLapText = view->Lane(lane).fastestLap;
    } else {
        passing.lastLapText = record.number <= 1 ? "+1" : FormatNumber(record.lapTime, "0.0000");
    }
    engine_.AnotarVolta(passing);
}

int StandingsPlug::SuperPoleTableRows() const { return engine_.LlistaTR.Rows(); }

SensorMark StandingsPlug::UpdateSuperPoleTable(int lane, double lapTime) {
    return superPole_.Update(lane, lapTime);
}

void StandingsPlug::RecomputeStandings() {
    TrackConfig& t = state_.Track;
    std::map<int, double> best;  // per lane, as shown
    for (const LapRecord& rec : ReadLapLog(state_.inWorkingFolder(kLapLogName)).records) {
        const int lane = rec.lane;
        if (lane < 1 || lane >= static_cast<int>(t.LastPassTime.size())) continue;
        t.LastPassTime[lane] = rec.passTime;
        if (rec.extra1 != 0) {  // a SuperPole sensor mark
            if (superPole()) superPole_.Restore(rec);
            continue;
        }
        if (rec.number == 0) continue;  // rejected detection
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

void StandingsPlug::NovaManiga() {
    engine_.NovaManiga();
    if (superPole()) superPole_.NewHeat();
}

void StandingsPlug::GuardarManiga() {
    if (superPole()) superPole_.HeatEnded();
    store_.GuardarManiga();
}

bool StandingsPlug::CorrectLaps(int participantNumber, int delta) {
    return engine_.CorrectLaps(participantNumber, delta);
}

void StandingsPlug::SuperPoleTick(double elapsed) {
    if (superPole()) superPole_.Tick(elapsed);
}
void StandingsPlug::AnullarManiga() { store_.AnullarManiga(); }

void StandingsPlug::OpenCorregir() {
    if (state_.ModeCorregir < 0 && state_.Track.ComaDivisions == 0) return;
    if (ShowCorregir) ShowCorregir();
}

}  // namespace sc
