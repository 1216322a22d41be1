#pragma once
// Main-window commands about races, series and participant lists: new race,
// new series, the race manager's aftermath and the participant windows.
// Free functions over the main window's public state.

#include <functional>

#include "app/portada.h"
#include "core/prompter.h"
#include "core/race_state.h"
#include "organisation/entrants.h"
#include "organisation/race_manager.h"

namespace sc {

// The automatic build of race series from the classifications; returns true
// when it built (and listed) series itself.
using AutoSeriesBuild = std::function<bool(Portada&, RaceState&, Prompter&)>;

// MnuNou_Click(m), m = 1..4: asks "<caption of MnuPrg(m)>. Vols crear la sèrie
// n. <n>?" (Yes/No, default No), adds series n to LlSeries(m), writes the four
// series counts at the head of PROVA.DAD, enables the modality when the count
// became 1 and selects the last series. For the race modality `autoBuild` is
// tried first. Index 0 (a new race) is the caller's: open NovaProva.
void MnuNou_Click(Portada& portada, RaceState& state, Prompter& prompter, int m,
                  const AutoSeriesBuild& autoBuild = {});

// The question MnuNou_Click(m) asks with n the new series.
std::string newSeriesQuestion(const RaceState& state, int m, int n);

// NovaProva accepted from the main window (create mode): the race is created
// as race LlProves.count() + 1, its name and date added to the lists, the race
// controls enabled and the new race selected. True when the window closes.
bool acceptNewRace(Portada& portada, NovaProva& window);

// After the race manager closed: catalogue rebuilt from the folders and the
// main window's lists reloaded.
void afterRaceManager(Portada& portada, RaceState& state);

// MnuIns_Click(m), m = 0..4: participant window for the selected race (and the
// series selected in LlSeries(m)), working folder the race folder while `show`
// runs; CurrentModality back to 0 after. MnuIns100_Click: the roster of the
// program folder. `show` loads and shows the window (modally in the GUI).
void MnuIns_Click(Portada& portada, RaceState& state, Prompter& prompter, int m,
                  const std::function<void(Inscrits&)>& show);
void MnuIns100_Click(RaceState& state, Prompter& prompter, const std::function<void(Inscrits&)>& show);

}  // namespace sc
