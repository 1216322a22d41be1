#pragma once
// Headless state of the live classification window: the column widths of
// InfoClass by modality, the colour legend, the information panel, the clock,
// the click on the table, the cut of the first race series, auto-scroll paging
// and the picture INFOGRAF\0000.GIF. The tables themselves belong to the
// standings engine; this class only shapes and reads them.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/race_state.h"

namespace sc {

class Grid;
class StandingsEngine;

// Widths in twips; 0 hides the column.
inline constexpr int kInfoClassDataRows = 24;  // rows of one auto-scroll page
inline constexpr int kLastLapShownWidth = 1075;

// The 19 widths of InfoClass for a modality.
std::vector<int> InfoClassWidths(int modality);

struct LegendRow {
    std::string text;
    int backColour = -1;  // palette 0..15, -1 the view's own
};
// "VR absoluta", "VR participant", "VR partic./màniga" on Colours(1), (5), (2);
// in SuperPole also the turn marker, the partial and the speed unit.
std::vector<LegendRow> MakeLegend(const RaceState& state);

// The picture shown in the window when the program folder has one.
std::optional<std::filesystem::path> InfografPicture(const std::filesystem::path& appFolder);

class Classificacio {
public:
    enum class ClickAction { None, OpenResults, ToggledLastLap };
    static constexpr int kSpaceKey = 32;

    Classificacio(RaceState& state, StandingsEngine& engine);

    // The main window's flag that remembers the Space key's choice across
    // programmes and restarts (KEL4.INI): 0 shows the information panel, -1 hides it.
    void ShareInfosToggle(int16_t* toggle) { infosToggle_ = toggle; }

    // Load: widths, legend and picture, for the modality and language now current.
    // The table must already be reshaped (the engine's Reshape) and loaded.
    void Load();

    // ---- what the window shows besides the tables
    const std::vector<LegendRow>& Legend() const { return legend_; }
    bool InfosVisible() const { return infosVisible_; }
    const std::string& Rellotge() const { return rellotge_; }
    // SuperPole: the running time of the car's current lap, "0.0"; empty otherwise.
    const std::string& EnPista() const { return enPista_; }
    const std::optional<std::filesystem::path>& Picture() const { return picture_; }
    bool SuperPole() const;
    // "Classificació Cursa": the classification prefix and the modality's menu caption.
    std::string Title() const;

    // ---- events
    // A key typed in the window; Space toggles the information panel. The key
    // also goes on to the heat keys: the caller forwards it.
    void KeyPress(int code);
    // A click on InfoClass at (row, col) of the grid (row 0 is the header).
    ClickAction InfoClass_Click(int row, int col);
    // Shows the last-lap column with the width of "Millor" or hides it; in the
    // race the fastest-lap column takes the other state.
    void ToggleLastLap();
    bool LastLapShown() const;

    // ---- what the heat and the programme ask of the window
    void ShowClock(const std::string& hora) { rellotge_ = hora; }
    // Auto-scroll: the first visible row moves down a page; back to the top
    // when that would pass the last row.
    void PageClassification();
    void SuperPoleTick(double elapsed);
    // First race series: DirectPlaces goes into the header cell of col 0 (kept,
    // never shown) and the row at the cut is drawn in light red.
    void MarkClassificationCut(int directPlaces);
    // Keeps the cut's light red on the position cell of the row at the cut
    // only; rows move when the table is re-ranked.
    void ApplyCut();
    int CutPlaces() const;

private:
    Grid& table() const;

    RaceState& state_;
    StandingsEngine& engine_;
    std::vector<LegendRow> legend_;
    bool infosVisible_ = true;
    int16_t* infosToggle_ = nullptr;
    std::string rellotge_;
    std::string enPista_;
    std::optional<std::filesystem::path> picture_;
};

}  // namespace sc
