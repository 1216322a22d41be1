#pragma once
// The lap listing window (`LlistarVoltes`) without its screen: every pass of
// one heat read back from a lap file, sorted three ways, filtered by
// participant, lane and pass, and the VLTAVLT.TXT export of every heat.
#include <filesystem>
#include <string>
#include <vector>

#include "core/grid.h"
#include "core/lap_record.h"
#include "core/race_state.h"
#include "core/write_result.h"
#include "results/filter_list.h"
#include "results/series_folder.h"

namespace sc {

namespace lc {
inline constexpr int Position = 0, Series = 1, Number = 2, Name = 3, Pass = 4, Lane = 5, Heat = 6, Lap = 7;
inline constexpr int PassKey = 8, LapTime = 9, TimeKey = 10, HeatTime = 11, Count = 12;
}  // namespace lc

inline constexpr const char* kLapLogFileName = "VLTAVLT.TMP";
inline constexpr const char* kLapExportFileName = "VLTAVLT.TXT";

// One heat's records in a lap file: the header and the records after it up to
// the end record (to the end of the file while the heat runs).
struct LapHeat {
    int heat = 0;
    float start = 0;  // HeatStartTime, seconds of the day
    std::vector<LapRecord> records;
};

// The heats of a lap file, header to header; a count that runs past the end
// takes what is there.
std::vector<LapHeat> walkLapHeats(const std::vector<LapRecord>& records);

class LlistarVoltes {
public:
    enum class Order { LapNumber = 1, LapTime = 2, HeatTime = 3 };

    // The lap files of `source`: the series' .VAV in official practice,
    // SuperPole and race, the lap log VLTAVLT.TMP of its folder otherwise.
    // The state gives the series counts, the current participants (for the
    // lap log) and the message texts.
    LlistarVoltes(const RaceState& state, SeriesFolder source);

    Grid LlistaVoltes;
    FilterList Serie;        // Filtre(0): the series of the modality
    FilterList Participant;  // Filtre(1): "Tots", names
    FilterList EqDorsal;     // numbers at the participant list's positions
    FilterList Pista;        // Filtre(2)
    FilterList Passada;      // Filtre(3)
    FilterList Manigues;     // Filtre(4): the heats of the file, no "all" entry
    Order order = Order::LapNumber;
    int readings = 0;       // Contador(0): the visible rows
    std::string heatStart;  // Contador(3): the heat's start clock
    std::string problem;    // the lap file could not be read

    // Opens on `series` (its last heat, or `heat` when the file holds it).
    void Load(int series, int heat = 0);
    void NetejarLlistats();
    void CarregarLlistats();
    void Filtrar();
    void CriteriOrdre_Click(Order k);
    void SerieChosen(int position);  // reloads, filters back to "all"
    void HeatChosen(int position);
    void ParticipantChosen(int position);  // EqDorsal follows

    // VLTAVLT.TXT next to the lap file: for every heat, every row with a
    // participant: name;lane;heat;lap;lap time;pass time;time into the heat,
    // CR LF after each. False when it cannot be written.
    WriteResult Exportar();
    std::filesystem::path File() const;

private:
    int SelectedSeries() const;
    void ReadFile();
    void AddRows(const LapHeat& heat);
    void Number();

    const RaceState& state_;
    SeriesFolder source_;
    std::vector<LapHeat> heats_;
    std::vector<std::string> names_;
    int heatsPerPass_ = 0;
};

}  // namespace sc
