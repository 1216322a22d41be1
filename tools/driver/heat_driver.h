#pragma once
// Heat-running mode as the driver holds it: the programme of the main window
// with the standings engine and heat store plugged in, a host that reads the
// main window's lists, and the corrections window answered from the queue of
// `comas`, `pick` and `correct`.

#include <deque>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "acquisition/lap_counter_connections.h"
#include "app/classification_plug.h"
#include "app/portada.h"
#include "app/portada_host.h"
#include "heat/programme.h"
#include "standings/heat_results_store.h"
#include "standings/standings_engine.h"
#include "tools/report_output.h"

namespace sc::driver {

// The lap listing prints the last heat of the series; (I)mprimir prints its
// reports as text.
class DriverHooks : public ClassificationPlug {
public:
    DriverHooks(RaceState& state, StandingsEngine& engine, HeatResultsStore& store, const Portada& window,
                std::ostream& out)
        : ClassificationPlug(state, engine, store), state_(state), out_(out), printer_(out) {
        SetPrinting(&printer_, &window);
    }
    void LlistarVoltes() override;

private:
    RaceState& state_;
    std::ostream& out_;
    tool::TextReportPrinter printer_;
};

// What the next corrections windows are answered with, in order; a window
// takes actions up to one that closes it, and closes unsaved (Esc) when the
// queue runs out first.
struct CorregirAction {
    enum class Kind { Values, Propose, Click, DoubleClick, Correct } kind = Kind::Propose;
    std::vector<std::string> values;  // Values: one per box that takes a value; Correct: LANE=LAPS:BEST
    int x = 0, y = 0;                 // a click on the picture
    int heat = 0;                     // Correct: the heat selected
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
    std::deque<CorregirAction> corregirAnswers;
};

// The corrections window opened by the heat: answered from the queue, then one line printed.
void AnswerCorregir(HeatDriver& heat, RaceState& state, Prompter& prompter, std::ostream& out);

}  // namespace sc::driver
