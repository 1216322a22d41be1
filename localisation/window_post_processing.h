#pragma once
// The language-independent finishing of a window's texts.

#include "core/race_state.h"
#include "localisation/window_texts.h"

namespace sc {

void postProcessWindowTexts(const RaceState& state, WindowTexts& window);

}  // namespace sc
