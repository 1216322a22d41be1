// The +/- lap correction typed while a race heat runs: a missed or a spurious
// pass of one participant, put right in the live table and the lap-by-lap view.
#include <algorithm>

#include "core/number_format.h"
#include "standings/classification_columns.h"
#include "standings/standings_engine.h"
#include "standings/voltaavolta.h"

namespace sc {

using namespace cls;

bool StandingsEngine::CorrectLaps(int participant, int delta) {
    if (!isRace() || state_.HeatRunning == 0 || (delta != 1 && delta != -1)) return false;
    const int r = CountingRow(participant);
    if (r > rows()) return false;  // no such participant: nothing changes
    Grid& g = InfoClass;
    const double heatLaps = num(g, r, kHeatLaps) + delta;
    // Only laps counted in this heat can be taken away: a lap counter never goes below 0.
    if (heatLaps < 0) return false;

    g.SetRedraw(false);
    g.SetTextMatrix(r, kLaps, lapsText(num(g, r, kLaps) + delta));
    g.SetTextMatrix(r, kHeatLaps, lapsText(heatLaps));
    g.SetTextMatrix(r, kGained, FormatNumber(num(g, r, kGained) + delta, kSignedMask));
    const int lane = static_cast<int>(num(g, r, kLane));
    if (view_ && view_->HasLane(lane)) {  // the header cell only: the flag stays where it is
        Grid& list = view_->Lane(lane).list;
        list.SetTextMatrix(0, 0, FormatNumber(std::max(view_->PassCount(lane) + delta, 0), "0"));
    }
    TempsDeManiga(r);
    OrdenarClass();
    g.SetRedraw(true);
    return true;
}

}  // namespace sc
