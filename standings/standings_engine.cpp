#include "standings/standings_engine.h"

#include <algorithm>
#include <cmath>

#include "core/lap_log.h"
#include "core/laps_format.h"
#include "core/number_format.h"
#include "organisation/heat_programme.h"
#include "standings/classification_columns.h"
#include "standings/heat_time.h"
#include "standings/voltaavolta.h"

namespace sc {

using namespace cls;

namespace {

template <typename T>
bool hasLane(const std::vector<T>& perLane, int lane) {
    return lane >= 0 && lane < static_cast<int>(perLane.size());
}

}  // namespace

StandingsEngine::StandingsEngine(RaceState& state) : state_(state) { Reshape(); }

void StandingsEngine::Reshape() {
    InfoClass = MakeInfoClass(state_.Settings.Language, state_.ParticipantCount);
    TaulaVR = MakeTaulaVR(state_.Settings.Language);
    latestLane_ = 0;
}

void StandingsEngine::ResetRows(int backColour) {
    const int n = std::max<int>(state_.ParticipantCount, 0);
    InfoClass.SetRows(n + 1);
    if (n > 0) {
        InfoClass.Select(1, 0, n, InfoClass.Cols() - 1);
        InfoClass.SetText("");
        InfoClass.SetCellPicture(false);
        InfoClass.SetCellBackColour(backColour);
        InfoClass.SetCellForeColour(kDefaultColour);
    }
    InfoClass.SetTopRow(1);
    latestLane_ = 0;
}

// Keys of the series compare passings of different heats: they hold the time of day.
double StandingsEngine::passTimeOfDay(const Passing& passing) const {
    return TimeOfDayOfPass(state_.HeatStartTime, passing.passTime);
}

bool StandingsEngine::isRace() const { return modality() == static_cast<int16_t>(Modality::Race); }
bool StandingsEngine::isSuperPole() const { return modality() == static_cast<int16_t>(Modality::SuperPole); }

std::string StandingsEngine::lapsText(double laps) const {
    std::string text = Str(laps);
    return FormatLaps(text, false, state_.Track);
}

int StandingsEngine::FindRow(int participant) const {
    const int n = rows();
    for (int r = 1; r <= n; ++r)
        if (num(InfoClass, r, kNumber) == participant) return r;
    return n + 1;
}

int StandingsEngine::CountingRow(int participant) const {
    const int r = FindRow(participant);
    return r <= rows() && !blank(InfoClass.TextMatrix(r, kName)) ? r : rows() + 1;
}

// ---- a new heat -------------------------------------------------------------------

void StandingsEngine::NovaManiga() {
    InfoClass.SetRedraw(false);
    clearHeatColumns();
    placeHeatParticipants();
    WriteHeatsRun();
    PintarClass();
    PrepareSuperPoleLabels(state_.CurrentHeat);
    latestLane_ = 0;
    InfoClass.SetRedraw(true);
}

void StandingsEngine::clearHeatColumns() {
    if (rows() < 1) return;
    InfoClass.Select(1, kHeats, rows(), isSuperPole() ? kHeatBest : kHeatKey2);
    InfoClass.SetText("");
    InfoClass.SetCellPicture(false);
}

void StandingsEngine::placeHeatParticipants() {
    TrackConfig& t = state_.Track;
    const HeatRuleInput in{t.LaneCount, state_.ParticipantCount, t.LaneChange, state_.CurrentHeat,
                           isSuperPole()};
    if (heatRuleProblem(in)) return;
    const HeatProgramme programme = programmeHeat(in);
    for (const HeatPosition& pos : programme.positions) {
        const int row = FindRow(pos.participant);
        if (row > rows()) continue;
        if (!isSuperPole()) InfoClass.SetTextMatrix(row, kLane, std::to_string(shownLane(programme, pos)));
        if (view_ && view_->HasLane(pos.lane))
            view_->SetDriver(pos.lane, InfoClass.TextMatrix(row, kName), InfoClass.TextMatrix(row, kNumber));
        if (hasLane(t.LaneParticipant, pos.lane))
            t.LaneParticipant[pos.lane] = static_cast<int16_t>(pos.participant);
        if (hasLane(t.LaneSpare, pos.lane)) t.LaneSpare[pos.lane] = 0;
    }
}

void StandingsEngine::WriteHeatsRun() {
    const TrackConfig& t = state_.Track;
    const int n = state_.ParticipantCount, lanes = isSuperPole() ? 1 : t.LaneCount;
    for (int r = 1; r <= rows(); ++r) {
        const int p = static_cast<int>(num(InfoClass, r, kNumber));
        std::string text;
        if (state_.CurrentHeat > 0 && n > lanes && p >= 1 && p <= n)
            text = FormatNumber(heatsRunBy(p, state_.CurrentHeat, n, t.LaneCount, isSuperPole()), "#");
        InfoClass.SetTextMatrix(r, kHeats, std::move(text));
    }
}

void StandingsEngine::PrepareSuperPoleLabels(int heat) {
    const int n = state_.ParticipantCount;
    if (!isSuperPole() || heat < 1 || n < 1) return;
    const int row = FindRow((heat - 1) % n + 1);
    const std::string& label = state_.Msg[5][0];
    InfoClass.SetTextMatrix(row, kLane, label.empty() ? "E" : label);
}

// ---- a passing ----------------------------------------------------------------------

void StandingsEngine::AnotarVolta(const Passing& passing) {
    InfoClass.SetRedraw(false);
    if (rows() >= 1) {
        InfoClass.Select(1, kHeats, rows(), kHeats);
        InfoClass.SetCellPicture(false);
    }
    const int r = CountingRow(passing.participant);
    if (r > rows()) {  // the pass stays in the lane's list and counts for no one
        InfoClass.SetRedraw(true);
        return;
    }
    enterLaps(r, passing);
    InfoClass.SetTextMatrix(r, kLastLap, passing.lastLapText);
    enterFastestLaps(r, passing);
    writeSeriesKey(r, passing);
    if (isSuperPole()) {
        if (UpdateSuperPoleTable) UpdateSuperPoleTable(passing.lane, passing.lapTime);
    } else {
        TempsDeManiga(r);
    }
    OrdenarClass();
}

void StandingsEngine::enterLaps(int r, const Passing& passing) {
    const bool counted = state_.Settings.LapCounterModel == 0;
    const double i = counted ? passing.lapCount : 1;
    if (!counted) {
        InfoClass.Select(r, kHeats);
        InfoClass.SetCellPicture(true);
        latestLane_ = passing.lane;
    }
    InfoClass.SetTextMatrix(r, kLaps, lapsText(num(InfoClass, r, kLaps) + i));
    // In SuperPole col 11 keeps the turn label instead of the lane.
    if (!isSuperPole()) InfoClass.SetTextMatrix(r, kLane, std::to_string(passing.lane));
    InfoClass.SetTextMatrix(r, kHeatLaps, lapsText(num(InfoClass, r, kHeatLaps) + i));
}

void StandingsEngine::enterFastestLaps(int r, const Passing& passing) {
    Grid& g = InfoClass;
    if (blank(g.TextMatrix(r, kHeatBest)) || num(g, r, kHeatBest) > num(g, r, kLastLap)) {
        g.SetTextMatrix(r, kHeatBest, passing.bestLapText);
    }
    const std::string& best = g.TextMatrix(r, kHeatBest);
    if (blank(best)) return;  // a first pass has no lap time yet
    if (blank(g.TextMatrix(r, kFastest)) || num(g, r, kFastest) > num(g, r, kHeatBest)) {
        g.SetTextMatrix(r, kFastest, best);
        g.SetTextMatrix(r, kFastestTime, FormatNumber(passTimeOfDay(passing), kClockMask));
        g.SetTextMatrix(r, kFastestLane, FormatNumber(passing.lane, kLaneMask));
    }
    improveAbsoluteFastest(r, passing.lane);
}

void StandingsEngine::improveAbsoluteFastest(int r, int lane) {
    const std::string& best = InfoClass.TextMatrix(r, kHeatBest);
    if (!blank(TaulaVR.TextMatrix(1, kVrTime)) && num(TaulaVR, 1, kVrTime) <= num(InfoClass, r, kHeatBest))
        return;
    TaulaVR.SetTextMatrix(1, kVrTime, best);
    TaulaVR.SetTextMatrix(1, kVrName, InfoClass.TextMatrix(r, kName));
    TaulaVR.SetTextMatrix(1, kVrNumber, InfoClass.TextMatrix(r, kNumber));
    TaulaVR.SetTextMatrix(1, kVrLane, std::to_string(lane));
    TaulaVR.SetTextMatrix(1, kVrSeries, std::to_string(state_.CurrentSeries));
}

void StandingsEngine::writeSeriesKey(int r, const Passing& passing) {
    std::string key = "0";
    if (isRace()) {
        key = state_.Settings.LapCounterModel == 0 ? "-" + InfoClass.TextMatrix(r, kFastest)
                                                   : FormatNumber(-passTimeOfDay(passing), kClockMask);
    }
    InfoClass.SetTextMatrix(r, kSeriesKey, std::move(key));
}

// ---- heat keys ----------------------------------------------------------------------

void StandingsEngine::TempsDeManiga(int fila) {
    Grid& g = InfoClass;
    if (fila < 1 || fila > rows()) return;
    TrackConfig& t = state_.Track;
    const int lane = static_cast<int>(num(g, fila, kLane));
    if (!hasLane(t.LastPassTime, lane) || !hasLane(t.LaneSpare, lane)) return;
    if (num(g, fila, kHeatLaps) == 1) {  // the first passing starts the participant's clock
        t.LaneSpare[lane] = t.LastPassTime[lane];
        return;
    }
    if (g.TextMatrix(fila, kHeatBest) != g.TextMatrix(fila, kLastLap) && !isRace()) return;
    g.SetTextMatrix(fila, kHeatKey2,
                    FormatNumber(WrapDay(t.LastPassTime[lane] - t.LaneSpare[lane]), "0.0000"));
    g.SetTextMatrix(
        fila, kHeatKey1,
        isRace() ? FormatNumber(1 - num(g, fila, kHeatLaps), "0.0###") : g.TextMatrix(fila, kHeatBest));
}

}  // namespace sc
