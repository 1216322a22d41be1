#pragma once
// Plugs the standings engine and the heat results store into lap
// registration (StandingsSink) and into the heat clock (StandingsHooks).
// The hooks this does not serve (corrections, listing, printing, scrolling)
// are left to a subclass that owns those windows.
#include "acquisition/heat_clock.h"
#include "acquisition/lap_registration.h"

namespace sc {

class StandingsEngine;
class HeatResultsStore;

class StandingsPlug : public StandingsSink, public StandingsHooks {
public:
    StandingsPlug(RaceState& state, StandingsEngine& engine, HeatResultsStore& store);

    // StandingsSink
    void AnotarVolta(int lane, double lapTime, const LapRecord& record) override;
    SensorMark UpdateSuperPoleTable(int lane, double lapTime) override;
    // Re-enters every counted pass of the lap log, as it happened.
    void RecomputeStandings() override;

    // StandingsHooks
    void NovaManiga() override;
    void GuardarManiga() override;
    void AnullarManiga() override;

private:
    RaceState& state_;
    StandingsEngine& engine_;
    HeatResultsStore& store_;
};

}  // namespace sc
