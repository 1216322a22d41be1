#pragma once
// The life of a heat: start, pause, resume and end, the 500 ms clock tick that
// shows the elapsed time and ends the heat when the lap counter falls silent,
// the heat keys, the heat-menu buttons, manual passes and the replay of a
// recorded heat (.HDW).

#include <functional>
#include <string>
#include <vector>

#include "heat/heat_journal.h"
#include "heat/heat_panel.h"
#include "localisation/heat_notices.h"

namespace sc {

struct RaceState;
class PcClock;
class Prompter;
class LapLog;
class LapRegistration;
class RejectedDetections;
class VoltaaVolta;
struct LapRecord;

inline constexpr double kKeepAliveSeconds = 2.5;
inline constexpr double kKeepAliveUnarmed = -99;
inline constexpr const char* kReplayExtension = ".HDW";

// What the heat asks of the standings engine and of the windows it opens.
// Every call does nothing until someone plugs in.
class StandingsHooks {
public:
    virtual ~StandingsHooks() = default;
    // Heat set-up of the standings (official practice, SuperPole, race), after
    // the participants of the heat were placed on their lanes.
    virtual void NovaManiga() {}
    // Stores the heat just ended in the series files.
    virtual void GuardarManiga() {}
    // Corrections window, modal: ModeCorregir is -n to take n comas, 0 to correct data.
    virtual void OpenCorregir() {}
    // Lap listing window, modal.
    virtual void LlistarVoltes() {}
    // Prints the heat classification; with Shift the results and lap quadrants.
    virtual void Imprimir(bool /*shift*/) {}
    // Cancels the last heat.
    virtual void AnullarManiga() {}
    // Typed lap correction of a running race heat: `participantNumber` as shown
    // in the live classification, delta +1 or -1. An unknown number changes
    // nothing. True when the correction was made.
    virtual bool CorrectLaps(int /*participantNumber*/, int /*delta*/) { return false; }
    // Auto-scroll: the classification table pages down by 24 rows, back to the top past its end.
    virtual void PageClassification() {}
    // The classification window's clock label `Rellotge` copies `Hora`.
    virtual void ShowClock(const std::string& /*hora*/) {}
    // SuperPole: the running time of the car's current lap, from the elapsed heat time.
    virtual void SuperPoleTick(double /*elapsed*/) {}
    // Heat start moves the mouse pointer out of the way (right edge, half height).
    virtual void ParkMousePointer() {}
};

// Comas to ask at the end of heat `currentHeat` (race only): every lane with
// AskComas -1; at the end of pass p the last heat of the pass asks every lane
// and the heats of the pass's closing stints one each; none otherwise.
int ComasToAsk(int modality, int askComas, int currentHeat, int laneCount, int participantCount);

// Modalities 0 and 1 (every lane) or the heat rule (the others): who runs the
// current heat on which lane, the driver boxes and titles, and the per-lane
// timing cleared.
void PlaceHeatParticipants(RaceState& state, VoltaaVolta& view);

class HeatClock {
public:
    HeatClock(RaceState& state, HeatPanel& panel, RejectedDetections& errors, VoltaaVolta& view, LapLog& log,
              LapRegistration& registration, const PcClock& clock, Prompter& prompter, StandingsHooks& hooks);

    void StartHeat(double pcClock);
    void PauseHeat() { PauseHeat(now()); }
    void PauseHeat(double pcClock);
    void ResumeHeat() { ResumeHeat(now()); }
    void ResumeHeat(double pcClock);
    void EndHeat();
    // A lap-counter keep-alive: the heat ends 2.5 s after the last one.
    void KeepAliveHeard(double pcClock);
    // Ends a running heat whose keep-alive deadline lies before `pcClock`; true
    // when it did. Checked on every tick and before every lap-counter action,
    // so a busy line never lets a pass in after the heat's end.
    bool EndIfSilent(double pcClock);
    // One tick of `Transcorregut`.
    void Tick();

    // A typed key; -1 marks that Shift is held for the next key.
    void HeatKeys(int key);
    // `Menu`(index) clicked while no heat runs.
    void Menu_Click(int index, bool shift = false);
    // `Manual`(index): a pass on lane 1..16 while running, or the replay (0) while idle.
    void Manual_Click(int index);
    // Replays the next heat of the series' .HDW file; false when there is none.
    bool ReplayHeat();
    // A heat recovered after a crash: paused again when it died paused, its
    // typed corrections made again (and kept in the new KEL4.TMP).
    void RestoreJournal(const HeatJournal& journal);

    // Menu(0) "(Esc) Tancar": closes heat-running mode; the argument says Shift was held.
    std::function<void(bool)> onClose;

    // Comas asked at the end of the last heat (0 when none).
    int LastComasAsked() const { return lastComas_; }

private:
    double now() const;
    void setHora(std::string text);
    void showHeatEnded();
    void closeLapLog();
    void writeRecoveryFile();
    void tell(HeatNotice notice);
    bool closeByKeyWanted(int key, bool shift);
    void autoScroll(double elapsed);
    bool lapCorrectionKey(int key);
    void applyLapCorrection();
    void correctLaps(const TypedCorrection& correction);
    void journal(const std::string& line);
    void clearLapCorrection();
    void reloadParticipants();
    double recordedDeviceTime(const LapRecord& record) const;

    RaceState& state_;
    HeatPanel& panel_;
    RejectedDetections& errors_;
    VoltaaVolta& view_;
    LapLog& log_;
    LapRegistration& registration_;
    const PcClock& clock_;
    Prompter& prompter_;
    StandingsHooks& hooks_;
    bool shiftHeld_ = false;
    bool heatStored_ = false;  // a stored heat on screen: a stray Esc asks before closing
    long scrollStep_ = 0;
    int lastComas_ = 0;
};

}  // namespace sc
