#pragma once
// The results window's table (`Resultats`): one row per participant and heat
// of the series of a modality, read afresh from the series files, filtered and
// ranked by one of four criteria with position labels and gaps.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "core/grid.h"
#include "core/race_state.h"
#include "results/filter_list.h"
#include "results/series_folder.h"

namespace sc {

// Columns of the results table.
namespace rc {
inline constexpr int Position = 0, Series = 1, Number = 2, Name = 3, Pass = 4, Lane = 5, Heat = 6;
inline constexpr int TotalLaps = 7, TotalKey = 8, Fastest = 9, FastestKey = 10, HeatLaps = 11;
inline constexpr int HeatLapsKey = 12, HeatFastest = 13, HeatFastestKey = 14, GapFirst = 15;
inline constexpr int GapPrevious = 16, Penalty = 17, Count = 18;
}  // namespace rc

enum class Criterion { TotalLaps = 1, FastestLap = 2, HeatLaps = 3, HeatFastestLap = 4 };

class Resultats {
public:
    static constexpr int kShownRowHeight = 250;
    static constexpr int kValueWidth = 1000;
    static constexpr int kPenaltyWidth = 500;

    // The series files of `source`; the state gives the series counts and the
    // message texts.
    Resultats(const RaceState& state, SeriesFolder source);

    Grid LlistaVoltes;
    FilterList EqSerie;      // "Totes", 1..SeriesCount: the series loaded
    FilterList Participant;  // Filtre(1): "Tots", names
    FilterList EqDorsal;     // the participant numbers, at the participant list's positions
    FilterList Pista;        // Filtre(2)
    FilterList Passada;      // Filtre(3)
    FilterList Manigues;     // Filtre(4): the participant's heat ordinal
    Criterion criterion = Criterion::FastestLap;
    bool hasPenalties = false;
    // Series files that could not be read, one line each; their rows are left out.
    std::vector<std::string> problems;

    // The window's load: series list (0 = all series), table, filters, and the
    // criterion of the modality ("Total voltes" in the race).
    void Load(int series);
    void NetejarLlistats();
    void CarregarLlistats();
    void Filtrar();
    void CriteriOrdre_Click(Criterion criteri);
    // Filter choices; a series choice reloads and resets the other filters.
    void SeriesChosen(int position);
    void ParticipantChosen(int position);  // EqDorsal follows
    void DorsalChosen(int position);       // the participant list follows

    // Visible rows only, for the driver and printing.
    std::vector<int> VisibleRows() const;

private:
    using Row = std::array<std::string, rc::Count>;
    void AddSeries(int series, std::vector<Row>& rows);
    void FillFilterLists();
    bool Passes(int row) const;
    void Rank();
    void LabelAndGaps(int valueCol);

    const RaceState& state_;
    SeriesFolder source_;
};

}  // namespace sc
