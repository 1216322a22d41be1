// classification, vr, superpole: the live classification window's tables as
// tab-separated lines, every column (hidden ones too), cells exactly as shown.
#include <ostream>
#include <string>

#include "core/grid.h"
#include "core/race_state.h"
#include "tools/driver/command_table.h"
#include "tools/driver/heat_driver.h"
#include "tools/driver/session.h"

namespace sc::driver {

namespace {

constexpr int16_t kFirstClassified = static_cast<int16_t>(Modality::OfficialPractice);

// The engine of an open programme that has a live classification.
StandingsEngine& liveStandings(Session& session) {
    HeatDriver& heat = session.heat();
    if (!heat.programme.ui.heatMode || session.state().CurrentModality < kFirstClassified)
        throw ScriptError("no live classification (open modality 2, 3 or 4)");
    return heat.engine;
}

void printRow(std::ostream& out, const Grid& grid, int row) {
    for (int col = 0; col < grid.Cols(); ++col) {
        if (col > 0) out << '\t';
        out << grid.TextMatrix(row, col);
    }
    out << '\n';
}

void printRows(std::ostream& out, const Grid& grid, int first) {
    for (int row = first; row < grid.Rows(); ++row) printRow(out, grid, row);
}

void classification(Session& session, const ScriptLine& line) {
    requireArgs(line, 0, "classification");
    printRows(session.out(), liveStandings(session).InfoClass, 0);
}

void vr(Session& session, const ScriptLine& line) {
    requireArgs(line, 0, "vr");
    printRow(session.out(), liveStandings(session).TaulaVR, 1);
}

void superpole(Session& session, const ScriptLine& line) {
    requireArgs(line, 0, "superpole");
    const StandingsEngine& engine = liveStandings(session);
    session.out() << "LlistaTR\n";
    printRows(session.out(), engine.LlistaTR, 0);
    session.out() << "Ref\n";
    printRows(session.out(), engine.Ref, 0);
}

}  // namespace

void addStandingsCommands(CommandTable& table) {
    table.add("classification", "classification", classification);
    table.add("vr", "vr", vr);
    table.add("superpole", "superpole", superpole);
}

}  // namespace sc::driver
