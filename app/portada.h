#pragma once
// The main window's state: race and date lists, one series list per
// modality, which controls are enabled, and the selections carried across a
// restart in KEL4.INI.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/prompter.h"
#include "core/race_state.h"

namespace sc {

// A list or drop-down list: its items and selected position (-1 = none).
struct ListControl {
    std::vector<std::string> items;
    int selected = -1;
    bool enabled = true;

    int count() const { return static_cast<int>(items.size()); }
    bool isValidPosition(long position) const { return position >= 0 && position < count(); }
    void clear() {
        items.clear();
        selected = -1;
    }
};

inline constexpr int kSeriesLists = 4;  // LlSeries(1..4), one per modality

class Portada {
public:
    Portada(RaceState& state, Prompter& prompter);

    // Load step: heat flag, catalogue, KEL4.INI read and deleted.
    void Load();
    // Asked before the program closes: false (after telling the director) while
    // a heat runs, whose laps only an ended heat stores.
    bool QueryUnload();
    // Unload step: a stray KEL4.TMP deleted, KEL4.INI written anew; false when
    // it could not be written.
    bool Unload();

    // Fills the race and date lists from PROVES.LLS and selects the last race.
    void CarregarLlistats();
    // Race chosen in the race list or the date list (the other follows).
    void LlProves_Click(int position);
    void Data_Click(int position) { LlProves_Click(position); }
    // Series chosen in the series list of modality 1..4.
    void LlSeries_Click(int modality, int position);

    void ProvaActiva(bool flag);
    void SerieActiva(int modality, bool flag);

    // KEL4.INI handling on its own, for the load step and the tests.
    void readSelections();
    bool writeSelections() const;

    // "major.minor.revision".
    static std::string versionText();
    // LOGO.GIF, else LOGO.JPG, of the program folder (any case).
    std::optional<std::filesystem::path> logoFile() const;
    // Caption of the external-display export button for the selected race.
    std::string exportCaption() const;

    ListControl LlProves;
    ListControl Data;
    std::array<ListControl, kSeriesLists + 1> LlSeries;    // 1..4
    bool raceControlsEnabled = false;                      // ProvaActiva
    std::array<bool, kSeriesLists + 1> modalityEnabled{};  // SerieActiva, 1..4
    int16_t ClassificationToggle = 0;                      // the classification window's space-bar toggle

private:
    void refillSeriesLists();
    void reportStoreProblems(const std::vector<std::string>& problems);

    RaceState& state_;
    Prompter& prompter_;
};

}  // namespace sc
