#pragma once
// Heat-running mode as the driver holds it: the programme of the main window
// with the standings engine and heat store plugged in, a host that reads the
// main window's lists, and the corrections window answered by printing what
// it would ask.

#include <memory>
#include <ostream>

#include "acquisition/lap_counter_connections.h"
#include "app/classification_plug.h"
#include "app/portada.h"
#include "app/portada_host.h"
#include "heat/programme.h"
#include "standings/heat_results_store.h"
#include "standings/standings_engine.h"
#include "tools/report_output.h"

namespace sc::driver {

// The corrections window is not driven yet: it prints one line with what it
// was opened for. The lap listing prints the last heat of the series;
// (I)mprimir prints its reports as text.
class DriverHooks : public ClassificationPlug {
public:
    DriverHooks(RaceState& state, StandingsEngine& engine, HeatResultsStore& store, const Portada& window,
                std::ostream& out)
        : ClassificationPlug(state, engine, store), state_(state), out_(out), printer_(out) {
        SetPrinting(&printer_, &window);
    }
    void OpenCorregir() override;
    void LlistarVoltes() override;

private:
    RaceState& state_;
    std::ostream& out_;
    tool::TextReportPrinter printer_;
};

struct HeatDriver {
    HeatDriver(RaceState& state, Portada& window, const PcClock& clock, Prompter& prompter,
               std::ostream& out);

    StandingsEngine engine;
    HeatResultsStore store;
    DriverHooks hooks;
    LapCounterConnections connections;  // scripted ports: `bytes` is what they receive
    PortadaHost host;
    Programme programme;
    bool shiftHeld = false;  // `key shift`: for the next key, menu or close
};

}  // namespace sc::driver
