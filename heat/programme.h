#pragma once
// Opening the programme of a series (`MnuPrg_Click`): the main window goes into
// heat-running mode with the race's track configuration, the series'
// participants, the live lap-by-lap view and the heat clock; and closing it
// again (`Menu`(0)), with Shift opening the next series at once.

#include <memory>
#include <optional>
#include <string>

#include "heat/heat_clock.h"
#include "heat/heat_panel.h"
#include "heat/rejected_detections.h"
#include "organisation/distribution_file.h"

namespace sc {

struct RaceState;
class PcClock;
class Prompter;
class StandingsSink;
class LapRegistration;

inline constexpr int kSuperPoleTimerInterval = 50;  // milliseconds
inline constexpr int kHeatTimerInterval = 500;

// What the programme needs from the main window and the windows it loads.
class ProgrammeHost {
public:
    virtual ~ProgrammeHost() = default;
    // Series list `LlSeries`(modality): selected position (-1 none), item count, selecting.
    virtual int SelectedSeries(int /*modality*/) const { return -1; }
    virtual int SeriesInList(int /*modality*/) const { return 0; }
    virtual void SelectSeries(int /*modality*/, int /*position*/) {}
    // The race list's selected name as shown.
    virtual std::string SelectedRaceName() const { return {}; }
    // Live classification window (official practice, SuperPole, race).
    virtual void LoadClassification() {}
    virtual void UnloadClassification() {}
    // First race series: the classification keeps DirectPlaces hidden in its
    // top-left cell and colours that row to mark the cut.
    virtual void MarkClassificationCut(int /*directPlaces*/) {}
    // The live window's load and unload open and close the lap-counter ports.
    virtual void OpenLapCounterPorts() {}
    virtual void CloseLapCounterPorts() {}
};

// The main-window controls the programme switches.
struct ProgrammeState {
    std::string title = "SlotCursa";
    bool heatMode = false;
    bool FonsDePantallaVisible = true;
    bool MnuArxiu = true;
    bool MnuProgrames = true;
    bool MnuDades = false;
    bool MnuResultats = false;
    bool MnuFinestres = false;
    bool classificationLoaded = false;
    HeatPanel panel;
    RejectedDetections errors;
    std::optional<RepechageReport> report;  // the last report given
};

class Programme {
public:
    Programme(RaceState& state, const PcClock& clock, Prompter& prompter, ProgrammeHost& host,
              StandingsHooks& hooks, StandingsSink& sink);
    ~Programme();
    Programme(const Programme&) = delete;
    Programme& operator=(const Programme&) = delete;

    // Opens modality `index` (0..4) for the series selected in its list. False
    // when nothing was opened (no series selected, damaged files: told).
    bool MnuPrg_Click(int index);
    // `Menu`(0): back to selection mode, or with Shift on to the next series.
    void Close(bool shift);
    // AUTORUNS.INI at start: plain training at once.
    void StartPlainTraining() { MnuPrg_Click(0); }

    // Present only in heat-running mode.
    HeatClock* Clock();
    VoltaaVolta* View();
    LapLog* Log();
    LapRegistration* Registration();

    ProgrammeState ui;

private:
    struct Live;
    bool loadSeries();
    void extendTitle(int index);
    void giveRepechageReport(int index);
    void abandon();

    RaceState& state_;
    const PcClock& clock_;
    Prompter& prompter_;
    ProgrammeHost& host_;
    StandingsHooks& hooks_;
    StandingsSink& sink_;
    std::unique_ptr<Live> live_;
    std::unique_ptr<Live> retired_;  // the heat machinery of the last close
};

// Start-up's last step: when AUTORUNS.INI is in the program folder, plain
// training opens. True when it did.
bool OpenPlainTrainingOnAutorun(const RaceState& state, Programme& programme);

}  // namespace sc
