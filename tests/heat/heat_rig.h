#pragma once
// One heat-running set-up in a fresh folder: the panel showing, the lap log,
// registration and heat clock wired as the program wires them.
#include <filesystem>

#include "core/lap_log.h"
#include "core/prompter.h"
#include "core/race_state.h"
#include "core/settable_clock.h"
#include "core/settings_files.h"
#include "heat/heat_clock.h"
#include "heat/lap_counter_dispatch.h"
#include "heat/lap_registration.h"
#include "heat/rejected_detections.h"
#include "standings/voltaavolta.h"
#include "temp_folder.h"

namespace sc::test {

// Standings that hear nothing; a test's own are built the same way and serve
// registration and the heat clock both.
struct NoStandings : StandingsSink, StandingsHooks {
    NoStandings(RaceState&, Prompter&) {}
};

template <typename Hooks = NoStandings>
struct HeatRig {
    explicit HeatRig(int lanes) : view(lanes, state.Settings) {
        state.AppFolder = state.WorkingFolder = folder;
        state.Track = defaultTrackConfig(lanes);
        state.Track.MinLapTime = 1.0f;
        panel.visible = true;
        panel.SetCaptions(0);
    }
    ~HeatRig() { log.Discard(); }
    HeatRig(const HeatRig&) = delete;
    HeatRig& operator=(const HeatRig&) = delete;

    void at(double t) { clock.t = t; }
    void apply(const LapCounterAction& action) { ApplyLapCounterAction(targets, action); }
    std::vector<LapRecord> logRecords() const { return ReadLapLog(log.file()).records; }

    TempFolder temp;
    std::filesystem::path folder = temp.path();
    RaceState state;
    SettableClock clock;
    QueuedPrompter prompter;
    Hooks hooks{state, prompter};
    HeatPanel panel;
    RejectedDetections errors;
    VoltaaVolta view;
    LapLog log{folder};
    LapRegistration registration{state, log, view, errors, hooks};
    HeatClock heat{state, panel, errors, view, log, registration, clock, prompter, hooks};
    HeatTargets targets{state, panel, errors, heat, registration};
};

}  // namespace sc::test
