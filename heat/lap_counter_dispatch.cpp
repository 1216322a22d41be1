#include "heat/lap_counter_dispatch.h"

#include <type_traits>

#include "heat/heat_clock.h"
#include "heat/heat_panel.h"
#include "heat/lap_registration.h"
#include "heat/rejected_detections.h"
#include "core/race_state.h"

namespace sc {

HeatView MakeHeatView(const RaceState& state, const HeatPanel& panel) {
    HeatView view;
    view.panelVisible = panel.visible;
    view.heatRunning = state.HeatRunning != 0;
    view.paused = state.Paused != 0;
    view.laneCount = state.Track.LaneCount;
    view.minLapTime = state.Track.MinLapTime;
    return view;
}

namespace {

void applyColour(HeatTargets& heat, const PanelColour& signal) {
    HeatPanel& panel = heat.panel;
    const int colour = signal.colour == kRestoreColour ? panel.Menu[0].backColour : signal.colour;
    if (signal.hideHeatMenu) {
        heat.errors.SetVisible(false);
        panel.ShowMenu(false);
    }
    panel.backColour = colour;
    if (signal.scope != PanelScope::PauseDisplay) return;
    panel.textPausaBackColour = colour;
    panel.horaBackColour = colour;
    if (signal.colour == kRestoreColour) panel.textPausaVisible = true;
}

}  // namespace

void ApplyLapCounterAction(HeatTargets& heat, const LapCounterAction& action) {
    const bool running = heat.state.HeatRunning != 0;
    std::visit(
        [&](const auto& a) {
            using A = std::decay_t<decltype(a)>;
            if constexpr (std::is_same_v<A, Detection>) {
                if (!running) return;
                double lapTime = a.deviceLapTime;
                heat.registration.RegisterDetection(a.lane, lapTime, a.pcClock);
            } else if constexpr (std::is_same_v<A, StartHeat>) {
                if (!running) heat.clock.StartHeat(a.pcClock);
            } else if constexpr (std::is_same_v<A, PauseHeat>) {
                heat.clock.PauseHeat(a.pcClock);
            } else if constexpr (std::is_same_v<A, ResumeHeat>) {
                heat.clock.ResumeHeat(a.pcClock);
            } else if constexpr (std::is_same_v<A, KeepAlive>) {
                if (running) heat.clock.KeepAliveHeard(a.pcClock);
            } else if constexpr (std::is_same_v<A, EndHeat>) {
                heat.clock.EndHeat();
            } else if constexpr (std::is_same_v<A, PanelColour>) {
                if (heat.panel.visible) applyColour(heat, a);
            }
            // LaneSummary: shown by the live window of the device-counted heat, not here.
        },
        action);
}

ReceiveHooks MakeReceiveHooks(RaceState& state, HeatPanel& panel, HeatTargetsFinder find) {
    ReceiveHooks hooks;
    hooks.heatView = [&state, &panel] { return MakeHeatView(state, panel); };
    hooks.apply = [find](int, const LapCounterAction& action) {
        if (auto targets = find()) ApplyLapCounterAction(*targets, action);
    };
    hooks.beforeDecode = [&panel] { panel.timerEnabled = false; };
    hooks.afterDecode = [&state, &panel] { panel.timerEnabled = state.HeatRunning != 0; };
    return hooks;
}

}  // namespace sc
