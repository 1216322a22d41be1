#pragma once
// Plugs the standings engine and the heat results store into lap
// registration (StandingsSink) and into the heat clock (StandingsHooks).
// The hooks this does not serve (listing, printing, scrolling, the window's
// clock) are left to a subclass that owns those windows; a subclass that
// overrides SuperPoleTick calls this one first.
#include <functional>

#include "heat/heat_clock.h"
#include "heat/lap_registration.h"
#include "standings/superpole_table.h"

namespace sc {

class StandingsEngine;
class HeatResultsStore;

class StandingsPlug : public StandingsSink, public StandingsHooks {
public:
    StandingsPlug(RaceState& state, StandingsEngine& engine, HeatResultsStore& store);
    ~StandingsPlug() override;
    // The engine calls back into this object.
    StandingsPlug(const StandingsPlug&) = delete;
    StandingsPlug& operator=(const StandingsPlug&) = delete;

    // StandingsSink
    void AnotarVolta(int lane, double lapTime, const LapRecord& record) override;
    int SuperPoleTableRows() const override;
    SensorMark UpdateSuperPoleTable(int lane, double lapTime) override;
    // Re-enters every counted pass and SuperPole sensor mark of the lap log, as it happened.
    void RecomputeStandings() override;

    // StandingsHooks
    void NovaManiga() override;
    void GuardarManiga() override;
    void AnullarManiga() override;
    // Shows the corrections window through ShowCorregir; the comas of a track
    // that defines none are not asked (the (,) Comes button is off there too).
    void OpenCorregir() override;
    bool CorrectLaps(int participantNumber, int delta) override;
    void SuperPoleTick(double elapsed) override;

    SuperPoleTable& SuperPole() { return superPole_; }

    // Opens the corrections window modally (the program's dialog, the driver's answers).
    std::function<void()> ShowCorregir;

private:
    bool superPole() const;

    RaceState& state_;
    StandingsEngine& engine_;
    HeatResultsStore& store_;
    SuperPoleTable superPole_;
};

}  // namespace sc
