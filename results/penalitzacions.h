#pragma once
// The penalties window (`Penalitzacions`) without its screen: the participant
// combo, the value and reason boxes, the grid of penalties and the save that
// rewrites the series' penalty file.
#include <filesystem>
#include <string>
#include <vector>

#include "core/grid.h"
#include "core/race_state.h"
#include "core/write_result.h"

namespace sc {

class Penalitzacions {
public:
    enum Col { Name = 0, Value = 1, Reason = 2 };

    // The penalties of `file` for the participants `names` (slot i at i - 1).
    Penalitzacions(std::filesystem::path file, std::vector<std::string> names);

    // Fills the combo and the grid, then reads the file when it exists. False
    // with `problem` set when it cannot be read (the grid then shows none).
    bool Load();

    Grid Quadre;
    std::vector<std::string> Participant;  // the combo's entries
    int selected = -1;                     // the combo's position (slot - 1)
    std::string Valor;
    std::string Concepte;
    std::string problem;  // FILE: offset N: what

    void Participant_Click(int position);
    void Quadre_Click(int row);  // a data row selects its participant
    // Leaving the value box: the number as read; no number or not above 0
    // empties value and reason.
    void Valor_LostFocus();
    // The selected participant's row takes the boxes (value normalised first).
    void Anotar();
    // Anotar, then the file rewritten: one record per row whose value is above
    // 0, in slot order; an empty file when none. False (nothing changed on
    // disk) when it cannot be written or a reason has no Windows-1252 form.
    WriteResult Gravar();

private:
    std::filesystem::path file_;
};

// The penalties of race series `series` of the current race, for its
// participants padded to the race track's lanes. FileError when the
// participant list cannot be read.
Penalitzacions RacePenalties(const RaceState& state, int series);

// " - RACE - MODALITY (SERIESLABEL N)", the window title's suffix.
std::string PenaltiesTitleSuffix(const std::string& race, const std::string& modalityCaption,
                                 const std::string& seriesLabel, int series);

}  // namespace sc
