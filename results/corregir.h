#pragma once
// Headless state of the corrections window `Corregir`. ModeCorregir 0 or
// more corrects a heat already run (laps and best lap per lane); -n enters
// the comas of the last n lane positions of the lane-change order (the cars
// that end their stint with this heat). One row per lane position; nothing
// is written until "&Gravar", which carries the heat through the series and
// rebuilds the live classification.
#include <filesystem>
#include <string>
#include <vector>

#include "core/heat_record.h"
#include "core/race_state.h"

namespace sc {

class Prompter;
class StandingsEngine;
class HeatResultsStore;

struct CorregirRow {
    int16_t lane = 0;      // NP: LaneChange(i)
    std::string EQ;        // participant
    std::string NV;        // laps of the heat
    std::string VR;        // best lap (corrections) or coma (comas)
    bool enabled = false;  // a participant runs here and (comas) its coma is asked
};

class Corregir {
public:
    Corregir(RaceState& state, StandingsEngine& live, HeatResultsStore& liveStore, Prompter& prompter);

    bool comasMode() const { return mode_ < 0; }
    std::vector<CorregirRow> rows;  // lane positions 1..LaneCount
    std::vector<std::string> SelManiga;
    int SelManigaIndex = -1;
    int focusRow = -1;              // the lane row whose NV or VR box has the focus
    std::filesystem::path picture;  // what GraficComes shows
    bool closed = false;
    bool saved = false;

    // Selects CurrentHeat, fills the rows and, for comas of a race timed by a
    // lap counter with comas by partials, proposes them.
    void Form_Load();
    void SelManiga_Click(int index);
    int SelectedHeat() const { return SelManigaIndex + 1; }

    void Box_GotFocus(int row);
    void NV_LostFocus(int row);
    void VR_LostFocus(int row);
    void VR_Change(int row);
    void GraficComes_Click(int x, int y);
    void GraficComes_DblClick(int x, int y);
    // 1 "&Gravar" saves (when it succeeds) and closes; 0 "(Esc) Tancar" closes.
    void Sortir_Click(int index);
    void ExpCom_Click() { ExportarComes(); }

    void CalcularComes();
    bool CorregirClass();
    bool ExportarComes();

private:
    struct HeatRows {
        std::vector<CorregirRow> rows;
        float start = 0;  // the heat's start, time of day
    };
    HeatRows heatRows(int heat);
    CorregirRow* rowOfLane(int lane);
    int nextEnabledRow(int row) const;
    void correct(HeatRecord& record);
    void warn(const std::string& catalan, const std::string& spanish);
    std::filesystem::path seriesFile(const char* extension) const;

    RaceState& state_;
    StandingsEngine& live_;
    HeatResultsStore& liveStore_;
    Prompter& prompter_;
    int16_t mode_;
    float heatStart_ = 0;
    bool picked_ = false;
    bool warned_ = false;  // a damaged heat file is told once
};

}  // namespace sc
