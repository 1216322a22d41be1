#pragma once
// The selection as the `state` command prints it: one JSON line.

#include <string>

#include "app/portada.h"
#include "core/race_state.h"

namespace sc::driver {

std::string stateLine(const RaceState& state, const Portada& mainWindow);

}  // namespace sc::driver
