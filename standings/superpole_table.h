#pragma once
// SuperPole timing of the one car on track: a row per lap in LlistaTR (lap
// time, the two sector times, the speed, the lap number), fed by the line
// crossings, the sector detector and the speed trap; and the three reference
// laps of Ref that colour each new sector or speed.
#include <map>
#include <string>
#include <vector>

#include "core/lap_record.h"
#include "standings/sensor_mark.h"

namespace sc {

struct RaceState;
class StandingsEngine;

namespace sp {
// LlistaTR columns; Ref uses the first four.
inline constexpr int kLapTime = 0;  // the lap time, or the running time of the lap in progress
inline constexpr int kSector1 = 1;
inline constexpr int kSector2 = 2;
inline constexpr int kSpeed = 3;
inline constexpr int kLapNumber = 4;  // the lane's pass counter at the crossing that ended the lap
inline constexpr int kColumns = 5;
inline constexpr int kRefColumns = 4;
// Rows 0 (header) and 1 (the approach to the first crossing) are always there.
inline constexpr int kFirstLapRow = 2;

// Ref rows, in the order a new value is compared with them.
inline constexpr int kRefAbsolute = 1;     // the lap that holds the absolute fastest lap
inline constexpr int kRefParticipant = 2;  // the participant's fastest lap
inline constexpr int kRefHeat = 3;         // the best lap of this heat

// SensorMark::extra1 values.
inline constexpr float kMarkNothing = 100;
inline constexpr float kMarkArmed = 10;
inline constexpr float kMarkSpeed = 13;
}  // namespace sp

class SuperPoleTable {
public:
    SuperPoleTable(RaceState& state, StandingsEngine& engine);

    // Heat set-up: LlistaTR back to its header and approach row; the heat's
    // reference cleared, the participant's own reference restored.
    void NewHeat();
    // A pass of the SuperPole car (a crossing of the line) or of the sector
    // detector or speed trap; what the lap-log record of a sensor pass carries.
    SensorMark Update(int lane, double lapTime);
    // The running time of the lap in progress, from the elapsed heat time.
    void Tick(double elapsed);
    // The unfinished lap shows no running time once the heat is over.
    void HeatEnded();
    // Crash replay: a sensor record of the lap log put back as it was shown.
    void Restore(const LapRecord& record);

private:
    enum class Sensor { None, Sector, SpeedTrap };
    Sensor sensorOf(int lane) const;
    int lastRow() const;
    SensorMark sectorPass(int lane, double lapTime);
    SensorMark speedTrapPass(double lapTime);
    void crossing(int lane, double lapTime);
    void fillCell(int col, double value);
    int rankingColour(int col, const std::string& text) const;
    int refColour(int refRow) const;
    void keepReferences(int participant, const std::string& lapText);
    bool improves(int refRow, const std::string& lapText) const;
    void copyLapToRef(int refRow);
    void setRefRow(int refRow, const std::vector<std::string>& cells);
    double* carriedOf(int lane);  // null for a lane without timing state
    int passCount(int lane, int participant) const;

    RaceState& state_;
    StandingsEngine& engine_;
    // Each participant's fastest-lap row, so a later heat of the same car
    // compares with it again.
    std::map<int, std::vector<std::string>> participantRefs_;
    int participant_ = 0;  // whose heat this is
};

}  // namespace sc
