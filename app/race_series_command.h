#pragma once
// The race modality's new-series command: MnuNou_Click(4) with the automatic
// build of the race series, then the programme of the first series built.
#include <functional>

#include "app/portada.h"
#include "core/prompter.h"
#include "core/race_state.h"

namespace sc {

// After a build the first series built is selected and `openProgramme`
// (MnuPrg_Click(4)) opens it; without one, one empty series as before.
void MnuNouCursa_Click(Portada& portada, RaceState& state, Prompter& prompter,
                       const std::function<void()>& openProgramme);

}  // namespace sc
