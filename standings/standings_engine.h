#pragma once
// The live classification of the series being run: one row per participant in
// the grid InfoClass, updated at every accepted passing and re-ranked at once,
// the absolute fastest lap of the modality (TaulaVR) and the SuperPole time
// lists the live classification window shows.
#include <functional>
#include <string>

#include "core/grid.h"
#include "core/race_state.h"
#include "standings/gap_memo.h"

namespace sc {

class VoltaaVolta;

// One accepted passing, as the lap record buffer and the lap-by-lap view hold it.
struct Passing {
    int lane = 0;
    int participant = 0;
    double passTime = 0;  // the record's pass time: seconds since the heat start
    double lapTime = 0;
    int lapCount = 0;         // model 0 only: laps the counter reported in its message
    std::string lastLapText;  // the lane's last lap as the lap-by-lap view shows it
    std::string bestLapText;  // the lane's best-lap label of the view
};

class StandingsEngine {
public:
    explicit StandingsEngine(RaceState& state);

    // The lap-by-lap view whose driver labels, lap lists and scroll bar the
    // standings touch; none in tests that only rank.
    void SetLapView(VoltaaVolta* view) { view_ = view; }
    VoltaaVolta* LapView() const { return view_; }

    // Rebuilds the empty tables for ParticipantCount rows in the current language
    // (new grid objects: views attach after this).
    void Reshape();
    // Keeps the grid object (and its view) but gives it ParticipantCount data
    // rows, every data cell empty, without picture, on `backColour`.
    void ResetRows(int backColour);

    void NovaManiga();
    void AnotarVolta(const Passing& passing);
    void TempsDeManiga(int fila);
    void OrdenarClass();
    void PintarClass();
    // A typed +/- lap correction of a running race heat (standings_correction.cpp).
    bool CorrectLaps(int participant, int delta);

    // Row of the participant, or one past the last row when no row holds it.
    int FindRow(int participant) const;
    // FindRow, but a slot without a name (a lane nobody runs on) counts for no one either.
    int CountingRow(int participant) const;
    // Col 10: heats run by every participant up to CurrentHeat (blank when not shown).
    void WriteHeatsRun();
    // SuperPole: col 11 shows Msg(5,0) ("E") on the row of the participant whose
    // turn heat `heat` is; nothing in the other modalities.
    void PrepareSuperPoleLabels(int heat);
    // Forgets the lane of the latest passing (the flag), as before any.
    void ForgetLatestLane() { latestLane_ = 0; }

    Grid InfoClass;
    Grid TaulaVR;
    // SuperPole: a row per lap of the car on track, and the reference laps
    // copied from it (filled by SuperPoleTable).
    Grid LlistaTR{1, 1, 1, 0};
    Grid Ref{1, 1, 1, 0};
    // The SuperPole sector and speed displays of the live window; handed the
    // lane and lap time of every SuperPole passing.
    std::function<void(int lane, double lapTime)> UpdateSuperPoleTable;

private:
    int16_t modality() const { return state_.CurrentModality; }
    bool isRace() const;
    bool isSuperPole() const;
    double passTimeOfDay(const Passing& passing) const;
    int rows() const { return InfoClass.Rows() - 1; }
    std::string lapsText(double laps) const;
    void clearHeatColumns();
    void placeHeatParticipants();
    void enterLaps(int row, const Passing& passing);
    void enterFastestLaps(int row, const Passing& passing);
    void improveAbsoluteFastest(int row, int lane);
    void writeSeriesKey(int row, const Passing& passing);
    void rankHeatPositions();
    void rankSeries();
    bool orderChanged() const;
    struct RankedRows {
        int leader = 0, previous = 0;
    };
    void writePositionsAndGaps(bool changed);
    void writeRankedRow(int row, bool changed, int valueCol, RankedRows& ranked);
    void followTheCar(int row);
    void paintRow(int row);
    int fastestLapColour(int row, int col) const;  // -2 when the cell shows no fastest lap

    RaceState& state_;
    VoltaaVolta* view_ = nullptr;
    int latestLane_ = 0;
    GapMemo gaps_;
};

}  // namespace sc
