#pragma once
// Turns each detection of a lap counter (or a manual pass) into a registered
// pass: first pass, valid lap or rejected detection; keeps the per-lane
// timing, the live lap-by-lap view, the rejected-detection list and the lap log.

#include <string>

#include "core/lap_log.h"
#include "core/lap_record.h"
#include "standings/sensor_mark.h"

namespace sc {

struct RaceState;
class VoltaaVolta;
class RejectedDetections;

// The standings engine's side of registration; does nothing until one exists.
class StandingsSink {
public:
    virtual ~StandingsSink() = default;
    // A counted pass in official practice, SuperPole or race.
    virtual void AnotarVolta(int /*lane*/, double /*lapTime*/, const LapRecord& /*record*/) {}
    // Rows of the SuperPole time table (header rows included).
    virtual int SuperPoleTableRows() const { return 0; }
    // A sector or speed-trap pass of the SuperPole car.
    virtual SensorMark UpdateSuperPoleTable(int /*lane*/, double /*lapTime*/) { return {}; }
    // After a crash replay of a competitive heat.
    virtual void RecomputeStandings() {}
};

class LapRegistration {
public:
    static constexpr float kFirstPassTime = 99.9999f;
    static constexpr double kDeviceTrustSeconds = 99.0;

    LapRegistration(RaceState& state, LapLog& log, VoltaaVolta& view, RejectedDetections& errors,
                    StandingsSink& sink);

    // lapTime: the device's time, or 0; on return the registered time.
    void RegisterDetection(int lane, double& lapTime, double pcClock);
    void RegisterSensorPass(int lane, double& lapTime, double pcClock);

    // Applies one record of a replayed log to the view, the rejected list and
    // the lane timing, as its live registration did.
    void ApplyRecord(const LapRecord& record);
    // Crash recovery: rebuilds the log and the views from the lap log.
    ReplayResult Replay();

    // False once a lap-log write has failed in this heat.
    bool LogHealthy() const { return logHealthy_; }

private:
    int laneLimit() const;
    bool hasLaneState(int lane) const;
    void reject(int lane, double lapTime, LapRecord& record);
    void countPass(int lane, double lapTime, LapRecord& record);
    void append(const LapRecord& record);
    void noteRejection(int lane, double passTime);

    RaceState& state_;
    LapLog& log_;
    VoltaaVolta& view_;
    RejectedDetections& errors_;
    StandingsSink& sink_;
    bool logHealthy_ = true;
};

// The heat clock caption of a pass, elapsed seconds as "H:mm:ss".
std::string HeatClockCaption(double secondsSinceStart);

}  // namespace sc
