#pragma once
// The entrants and participants window `Inscrits`: one name slot per start
// position, the start lane of each slot, a pick list of known names, and the
// save that rewrites the list (and renumbers the series' heat and penalty
// files when the slot count changed).
//
// The list edited follows the race state as the opening command left it:
// CurrentModality 0 with the program folder as working folder is the roster,
// 0 with a race folder the race's entrants, 1..4 the participants of
// CurrentSeries of that modality.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/byte_io.h"
#include "core/grid.h"
#include "core/prompter.h"
#include "core/race_state.h"

namespace sc {

inline constexpr int kMaxSlots = 99;

// A uniform random number in [0, 1).
using RandomSource = std::function<double()>;
// Seeded from the system timer, as the window's reordering wants.
RandomSource clockSeededRandom();

// Smallest slot count: LaneCount, or LaneCount + heats - 1 once two heats have
// run; in SuperPole that minus LaneCount plus 1, never below LaneCount.
int minimumSlots(int laneCount, int heatsRun, bool superPole);
// The typed count clamped to minimum..99 (a text without a number reads 0).
int clampSlotCount(const std::string& typed, int minimum);

// The swap pass: for i = 1..n, j = int(r * n) + 1, exchange slots i and j.
// `slots` holds 1..n (element 0 unused).
void swapPass(std::vector<std::string>& slots, const RandomSource& random);

// Heat file of a series with its slot count changed from `oldCount` to
// `newCount`: fewer slots drop the records of positions above newCount heat
// by heat; more slots add one empty participant record (participant number,
// everything else 0, as a participant that has not run) per new position.
// Header counts follow. Throws FileError for a damaged file.
Bytes renumberHeatFile(const Bytes& data, int oldCount, int newCount,
                       const std::filesystem::path& file = "TMP.DAD");
// Penalty file with the entries of positions above newCount dropped; the
// kept entries are copied byte for byte. Throws FileError for a damaged file.
Bytes renumberPenaltyFile(const Bytes& data, int newCount, const std::filesystem::path& file = "TMP.PEN");

class FileError;

// A participant file that could not be read: what happened and, for a series
// list (CurrentModality 1..4) or a list of names, what the director can do.
std::string damagedParticipantsMessage(const RaceState& state, const FileError& error);

class Inscrits {
public:
    Inscrits(RaceState& state, Prompter& prompter);

    // Title suffix, track configuration, the list, the limits, the pick list.
    void Load();
    // The pick list: race entrants for a modality when the race has them, else the roster.
    void CarregarInscProva();
    // Clamps the count field and lays the slots out again, keeping names.
    void NPilots_Lostfocus();
    // Double click on a pick-list row (header row 0 ignored).
    void LlistaInscrits_DblClick(int row);
    // Shift key down / up on the pick list.
    void LlistaInscrits_Shift(bool held) { shiftHeld = held; }
    // 0: numeric by column 0; 1: text by column 1.
    void Ordre_Click(int k);
    void Reordenar(const RandomSource& random);
    void Reordenar() { Reordenar(clockSeededRandom()); }
    // 1 saves and closes; anything else closes. True when the window closes.
    bool Sortir_Click(int index);

    int slotCount() const { return static_cast<int>(NomPista.size()) - 1; }
    std::string NOrdre(int slot) const;     // "##"
    std::string TextPista(int slot) const;  // start lane, or start order in SuperPole
    int minimum() const { return minimum_; }

    // Where the list is stored, relative to the working folder; none for a modality without files.
    std::optional<std::filesystem::path> listFile() const;
    bool entrantsMode() const;  // a race's entrants (not the roster)

    std::string titleSuffix;                // " - " + caption of the menu entry of the list
    std::vector<std::string> NomPista{""};  // slots 1..n
    std::string NPilots;                    // count field text
    bool NPilotsEnabled = true;
    bool Text1Enabled = true;  // count caption
    std::string Text2;         // range "min - 99", or the frozen count
    std::string Text0Count;    // "(#)" rows of the pick list
    bool pickListFromEntrants = false;
    Grid LlistaInscrits{1, 2, 1, 0};
    int currentSlot = 1;  // where the next double click writes
    bool shiftHeld = false;

private:
    void layOutSlots(int count);
    int loadedCount_ = 0;
    // The series list did not read: saving would write the heat counter as 0.
    bool seriesListUnread_ = false;
    int minimum_ = 0;
    int modality_ = 0;
    int series_ = 0;

    RaceState& state_;
    Prompter& prompter_;
};

}  // namespace sc
