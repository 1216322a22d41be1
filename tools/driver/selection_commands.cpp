// race, series: the selections of the main window's lists.
#include "tools/driver/command_table.h"
#include "tools/driver/session.h"

namespace sc::driver {

namespace {

void race(Session& session, const ScriptLine& line) {
    requireArgs(line, 1, "race N");
    Portada& window = session.mainWindow();
    if (window.LlProves.count() == 0) throw ScriptError("the race list is empty");
    const int n = wholeNumberArgument(line.args[0], "race N", 1, window.LlProves.count());
    window.LlProves_Click(n - 1);
}

void series(Session& session, const ScriptLine& line) {
    requireArgs(line, 2, "series M K");
    Portada& window = session.mainWindow();
    const int m = wholeNumberArgument(line.args[0], "modality M", 1, kSeriesLists);
    const ListControl& list = window.LlSeries[m];
    if (list.count() == 0 || !list.enabled)
        throw ScriptError("the series list of modality " + line.args[0] + " has no series to select");
    const int k = wholeNumberArgument(line.args[1], "series K", 1, list.count());
    window.LlSeries_Click(m, k - 1);
}

}  // namespace

void addSelectionCommands(CommandTable& table) {
    table.add("race", "race N", race);
    table.add("series", "series M K", series);
}

}  // namespace sc::driver
