#pragma once
// Carries a lap-counter decoder's actions out on the running heat, and tells
// the decoders what the heat looks like. Shared by the program and the driver.

#include <functional>
#include <optional>

#include "acquisition/lap_counter_actions.h"
#include "acquisition/lap_counter_connections.h"
#include "acquisition/lap_counter_decoder.h"

namespace sc {

struct RaceState;
struct HeatPanel;
class HeatClock;
class LapRegistration;
class RejectedDetections;

// The heat machinery of heat-running mode that the lap counters act on.
struct HeatTargets {
    RaceState& state;
    HeatPanel& panel;
    RejectedDetections& errors;
    HeatClock& clock;
    LapRegistration& registration;
};

// The heat as the decoders see it.
HeatView MakeHeatView(const RaceState& state, const HeatPanel& panel);

// One decoder action: passes only count while a heat runs and a start only
// starts an idle heat, so a late or stray message never disturbs the other state.
void ApplyLapCounterAction(HeatTargets& heat, const LapCounterAction& action);

// What heat-running mode offers right now; nothing outside it.
using HeatTargetsFinder = std::function<std::optional<HeatTargets>()>;

// The receive hooks of the lap-counter connections over the heat: the heat
// timer is off while a notification is decoded and back on after it when a
// heat runs; actions outside heat-running mode are dropped.
ReceiveHooks MakeReceiveHooks(RaceState& state, HeatPanel& panel, HeatTargetsFinder find);

}  // namespace sc
