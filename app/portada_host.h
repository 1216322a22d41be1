#pragma once
// The main window's lists as the heat programme sees them: which series is
// selected and how many a modality has, the race name shown, the live
// classification rebuilt from the stored heats, the lap-counter ports.
#include <string>

#include "heat/programme.h"

namespace sc {

class Portada;
class StandingsEngine;
class HeatResultsStore;
class LapCounterConnections;

class PortadaHost : public ProgrammeHost {
public:
    PortadaHost(Portada& window, StandingsEngine& engine, HeatResultsStore& store,
                LapCounterConnections& connections)
        : window_(window), engine_(engine), store_(store), connections_(connections) {}
    int SelectedSeries(int modality) const override;
    int SeriesInList(int modality) const override;
    void SelectSeries(int modality, int position) override;
    std::string SelectedRaceName() const override;
    void LoadClassification() override;
    void OpenLapCounterPorts() override;
    void CloseLapCounterPorts() override;

private:
    Portada& window_;
    StandingsEngine& engine_;
    HeatResultsStore& store_;
    LapCounterConnections& connections_;
};

}  // namespace sc
