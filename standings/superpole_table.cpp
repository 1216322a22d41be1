#include "standings/superpole_table.h"

#include <cmath>

#include "core/lap_log.h"
#include "core/number_format.h"
#include "core/race_state.h"
#include "localisation/language_tables.h"
#include "standings/classification_columns.h"
#include "standings/standings_engine.h"
#include "standings/voltaavolta.h"

namespace sc {

using namespace sp;
using cls::blank;

namespace {

constexpr const char* kCellMask = "0.00";
constexpr const char* kRunningMask = "0.0";
constexpr const char* kLapMask = "0.0000";

std::string orDefault(const std::string& text, const char* fallback) {
    return text.empty() ? fallback : text;
}

template <typename T>
bool inRange(const std::vector<T>& perLane, int lane) {
    return lane >= 0 && lane < static_cast<int>(perLane.size());
}

void clearRow(Grid& grid, int row) {
    grid.Select(row, 0, row, grid.Cols() - 1);
    grid.SetText("");
    grid.SetCellBackColour(kDefaultColour);
}

}  // namespace

SuperPoleTable::SuperPoleTable(RaceState& state, StandingsEngine& engine) : state_(state), engine_(engine) {
    const int16_t language = state_.Settings.Language;
    const std::string sector = orDefault(state_.Msg[5][2], "Parc.");
    Grid& list = engine_.LlistaTR;
    list.SetCols(kColumns);
    list.SetRows(kFirstLapRow);
    list.SetTextMatrix(
        0, kLapTime,
        tableText(language, "Classificacio", "LlistaTR", -1, TextKind::GridFormat).value_or("Temps"));
    list.SetTextMatrix(0, kSector1, sector + " 1");
    list.SetTextMatrix(0, kSector2, sector + " 2");
    list.SetTextMatrix(0, kSpeed, orDefault(state_.Msg[5][3], "km/h"));
    list.SetTextMatrix(0, kLapNumber, "V.");

    Grid& ref = engine_.Ref;
    ref.SetCols(kRefColumns);
    ref.SetRows(kRefHeat + 1);
    ref.SetTextMatrix(
        0, 0, tableText(language, "Classificacio", "Ref", -1, TextKind::GridFormat).value_or("Referències"));
    for (int row = kRefAbsolute; row <= kRefHeat; ++row) {
        ref.Select(row, kLapTime);
        ref.SetCellBackColour(refColour(row));
    }
}

// The legend's colours: absolute, participant's and heat's fastest lap.
int SuperPoleTable::refColour(int refRow) const {
    constexpr cls::Paint kPaints[] = {cls::Paint::AbsoluteFastest, cls::Paint::ParticipantFastest,
                                      cls::Paint::HeatFastest};
    return cls::paletteOf(state_.Settings, kPaints[refRow - kRefAbsolute]);
}

int SuperPoleTable::lastRow() const { return engine_.LlistaTR.Rows() - 1; }

void SuperPoleTable::NewHeat() {
    participant_ = 0;
    const TrackConfig& t = state_.Track;
    for (int lane = 1; lane < static_cast<int>(t.LaneParticipant.size()) && participant_ == 0; ++lane)
        participant_ = t.LaneParticipant[lane];
    Grid& list = engine_.LlistaTR;
    list.SetRows(kFirstLapRow);
    clearRow(list, kFirstLapRow - 1);
    setRefRow(kRefHeat, {});
    const auto own = participantRefs_.find(participant_);
    setRefRow(kRefParticipant, own == participantRefs_.end() ? std::vector<std::string>{} : own->second);
}

SuperPoleTable::Sensor SuperPoleTable::sensorOf(int lane) const {
    const TrackConfig& t = state_.Track;
    if (t.SplitEnabled == 0) return Sensor::None;
    if (lane == t.SectorLane) return Sensor::Sector;
    if (lane == t.SpeedTrapLane) return Sensor::SpeedTrap;
    return Sensor::None;
}

double* SuperPoleTable::carriedOf(int lane) {
    std::vector<double>& carried = state_.Track.CarriedTime;
    return lane >= 1 && inRange(carried, lane) ? &carried[static_cast<std::size_t>(lane)] : nullptr;
}

SensorMark SuperPoleTable::Update(int lane, double lapTime) {
    const Sensor sensor = sensorOf(lane);
    if (sensor == Sensor::None) {
        crossing(lane, lapTime);
        return {};
    }
    // Sector and speed belong to a lap: none before the first crossing.
    if (lastRow() < kFirstLapRow) return {};
    return sensor == Sensor::Sector ? sectorPass(lane, lapTime) : speedTrapPass(lapTime);
}

// ---- sensors --------------------------------------------------------------------------

SensorMark SuperPoleTable::sectorPass(int lane, double lapTime) {
    const std::vector<double>& last = state_.Track.LastPassTime;
    if (!inRange(last, lane) || last.empty()) return {};
    const double sinceLine = WrapDay(last[static_cast<std::size_t>(lane)] - last[0]);
    for (const int col : {kSector1, kSector2}) {
        if (!blank(engine_.LlistaTR.TextMatrix(lastRow(), col))) continue;
        fillCell(col, sinceLine);
        if (col == kSector2)
            if (double* sector = carriedOf(lane)) *sector = lapTime;
        return {static_cast<float>(col), static_cast<float>(sinceLine)};
    }
    return {};  // both sectors of this lap already shown
}

SensorMark SuperPoleTable::speedTrapPass(double lapTime) {
    double* trap = carriedOf(state_.Track.SpeedTrapLane);
    double* sector = carriedOf(state_.Track.SectorLane);
    if (!trap || !sector) return {};
    if (*trap * *sector == 0) {
        *trap = lapTime;
        return {kMarkArmed, 0};
    }
    if (!blank(engine_.LlistaTR.TextMatrix(lastRow(), kSpeed))) return {};
    // Equal times would divide by zero: no speed rather than an infinite one.
    const double span = lapTime - *sector;
    if (span == 0 || !std::isfinite(span)) return {};
    const double speed = std::fabs(state_.Track.SpeedTrapDistance / 100.0 / span * 3.6);
    fillCell(kSpeed, speed);
    *sector = 0;
    return {kMarkSpeed, static_cast<float>(speed)};
}

void SuperPoleTable::fillCell(int col, double value) {
    Grid& list = engine_.LlistaTR;
    std::string text = FormatNumber(value, kCellMask);
    const int colour = rankingColour(col, text);
    list.SetTextMatrix(lastRow(), col, std::move(text));
    list.Select(lastRow(), col);
    list.SetCellBackColour(colour);
}

// The first reference lap that the value equals or beats (smaller sector,
// larger speed); a reference without that value cannot be beaten.
int SuperPoleTable::rankingColour(int col, const std::string& text) const {
    const double value = ReadNumber(text);
    const Grid& ref = engine_.Ref;
    for (int row = kRefAbsolute; row <= kRefHeat; ++row) {
        if (blank(ref.TextMatrix(row, col))) continue;
        const double reference = ref.Number(row, col);
        if (col == kSpeed ? value >= reference : value <= reference) return refColour(row);
    }
    return cls::kBrightWhite;
}

// ---- the line -------------------------------------------------------------------------

void SuperPoleTable::crossing(int lane, double lapTime) {
    TrackConfig& t = state_.Track;
    if (inRange(t.LastPassTime, lane) && lane >= 1)
        t.LastPassTime[0] = t.LastPassTime[static_cast<std::size_t>(lane)];
    for (const int sensorLane : {t.SectorLane, t.SpeedTrapLane})
        if (sensorLane <= t.LaneCount)
            if (double* carried = carriedOf(sensorLane)) *carried = 0;

    const int participant =
        inRange(t.LaneParticipant, lane) ? t.LaneParticipant[static_cast<std::size_t>(lane)] : 0;
    const int count = passCount(lane, participant);
    const int row = engine_.FindRow(participant);
    std::string lapText =
        count <= 1 ? cls::kFirstPassText : FormatNumber(static_cast<float>(lapTime), kLapMask);
    if (row < engine_.InfoClass.Rows() && !blank(engine_.InfoClass.TextMatrix(row, cls::kLastLap)))
        lapText = engine_.InfoClass.TextMatrix(row, cls::kLastLap);  // as the lap list shows it

    Grid& list = engine_.LlistaTR;
    list.SetTextMatrix(lastRow(), kLapTime, lapText);
    list.SetTextMatrix(lastRow(), kLapNumber, std::to_string(count));
    if (count >= 2) keepReferences(participant, lapText);
    list.AddItem("");  // the lap now in progress
}

// Passes counted in the heat as the table holds them; unlike the lap-by-lap
// view during a crash replay, it is the count at this very pass.
int SuperPoleTable::passCount(int lane, int participant) const {
    const int row = engine_.FindRow(participant);
    if (row < engine_.InfoClass.Rows())
        return static_cast<int>(engine_.InfoClass.Number(row, cls::kHeatLaps));
    const VoltaaVolta* view = engine_.LapView();
    return view && view->HasLane(lane) ? view->PassCount(lane) : lastRow();
}

void SuperPoleTable::keepReferences(int participant, const std::string& lapText) {
    const Grid& table = engine_.InfoClass;
    const int row = engine_.FindRow(participant);
    if (row < table.Rows()) {
        if (table.TextMatrix(row, cls::kHeatBest) == lapText && improves(kRefHeat, lapText))
            copyLapToRef(kRefHeat);
        if (table.TextMatrix(row, cls::kFastest) == lapText && improves(kRefParticipant, lapText)) {
            copyLapToRef(kRefParticipant);
            std::vector<std::string>& own = participantRefs_[participant];
            own.clear();
            for (int col = 0; col < kRefColumns; ++col)
                own.push_back(engine_.Ref.TextMatrix(kRefParticipant, col));
        }
    }
    if (engine_.TaulaVR.TextMatrix(1, cls::kVrTime) == lapText && improves(kRefAbsolute, lapText))
        copyLapToRef(kRefAbsolute);
}

// A tie keeps the earlier reference lap, as the fastest-lap tables do.
bool SuperPoleTable::improves(int refRow, const std::string& lapText) const {
    const std::string& held = engine_.Ref.TextMatrix(refRow, kLapTime);
    return blank(held) || ReadNumber(lapText) < ReadNumber(held);
}

void SuperPoleTable::copyLapToRef(int refRow) {
    std::vector<std::string> cells;
    for (int col = 0; col < kRefColumns; ++col) cells.push_back(engine_.LlistaTR.TextMatrix(lastRow(), col));
    setRefRow(refRow, cells);
}

void SuperPoleTable::setRefRow(int refRow, const std::vector<std::string>& cells) {
    for (int col = 0; col < kRefColumns; ++col)
        engine_.Ref.SetTextMatrix(refRow, col, col < static_cast<int>(cells.size()) ? cells[col] : "");
}

// ---- clock, end and replay ------------------------------------------------------------

void SuperPoleTable::Tick(double elapsed) {
    const std::vector<double>& last = state_.Track.LastPassTime;
    if (lastRow() < kFirstLapRow || last.empty()) return;
    engine_.LlistaTR.SetTextMatrix(lastRow(), kLapTime,
                                   FormatNumber(WrapDay(elapsed - last[0]), kRunningMask));
}

void SuperPoleTable::HeatEnded() {
    Grid& list = engine_.LlistaTR;
    if (lastRow() >= kFirstLapRow && blank(list.TextMatrix(lastRow(), kLapNumber)))
        list.SetTextMatrix(lastRow(), kLapTime, "");
}

void SuperPoleTable::Restore(const LapRecord& record) {
    TrackConfig& t = state_.Track;
    const int mark = static_cast<int>(record.extra1);
    if (lastRow() < kFirstLapRow) return;
    if (mark == kSector1 || mark == kSector2) {
        fillCell(mark, record.extra2);
        if (mark == kSector2)
            if (double* sector = carriedOf(t.SectorLane)) *sector = record.lapTime;
    } else if (record.extra1 == kMarkArmed) {
        if (double* trap = carriedOf(t.SpeedTrapLane)) *trap = record.lapTime;
    } else if (record.extra1 == kMarkSpeed) {
        fillCell(kSpeed, record.extra2);
        if (double* sector = carriedOf(t.SectorLane)) *sector = 0;
    }
}

}  // namespace sc
