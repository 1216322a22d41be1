#pragma once
// Qualification of a race: the first race series, the repechages, the two
// semi-finals and the final, each filled from the ranked, filtered results
// table and saved through the participant window.
#include <string>
#include <vector>

#include "core/prompter.h"
#include "core/race_state.h"
#include "results/results_table.h"

namespace sc {

// What a build made, and so which series the programme opens on afterwards.
enum class QualificationStage { None = 0, FirstSeries = 1, Repechages = 2, SemiFinals = 3, Final = 4 };

// Classification positions (from 1) in the slot order of the first race
// series. With repechages: the odd positions from the largest down to 1, then
// the even ones upwards. Without: the same circle entered at position 8. With
// fewer than 8 and no repechages position 8 does not exist: the order is the
// one with repechages, which is the 8-place order with position 8 left out.
std::vector<int> FirstSeriesWalk(int n, int repechages);

// Column (from 0) of the index-th participant (from 0) dealt over `columns`
// in a snake: 0, 1, .., c-1, c-1, .., 0, 0, 1, ..
int SnakeColumn(int index, int columns);

// One participant of the visible rows, at its best-ranked row.
struct RankedParticipant {
    int series = 0;
    int number = 0;
    std::string name;
};
// The visible rows in ranked order, each participant (series and number) once:
// a participant's later rows (its other heats) are skipped.
std::vector<RankedParticipant> RankedParticipants(const Resultats& results);

// Makes the race modality's next series: appends it to the race's series list,
// fills its participant list through the participant window and saves it.
class RaceSeriesWriter {
public:
    RaceSeriesWriter(RaceState& state, Prompter& prompter, std::vector<std::string>& seriesList)
        : state_(state), prompter_(prompter), seriesList_(seriesList) {}
    // Series (listed count + 1) with `names` in slot order; false when the
    // list was not saved (the window told the director).
    bool Add(const std::vector<std::string>& names);

private:
    RaceState& state_;
    Prompter& prompter_;
    std::vector<std::string>& seriesList_;
};

// What the builders read from the distribution record and the track.
struct QualificationPlan {
    int laneCount = 0;
    int repechages = 0;  // R, never negative
    int directPlaces = 0;
};

// The builders. `results` is the results table of the source (official
// practice for the first series, else the race) and is refiltered by series
// as each stage needs. They return the stage built, None when a save failed.
QualificationStage AutoInscritsClass(const QualificationPlan& plan, Resultats& results,
                                     RaceSeriesWriter& out);
QualificationStage AutoInscritsRepes(const QualificationPlan& plan, Resultats& results,
                                     RaceSeriesWriter& out);
QualificationStage AutoInscritsSemis(const QualificationPlan& plan, Resultats& results,
                                     RaceSeriesWriter& out);
QualificationStage AutoInscritsFinal(const QualificationPlan& plan, Resultats& results,
                                     RaceSeriesWriter& out);

}  // namespace sc
