// settings, track.
#include "tools/driver/command_table.h"
#include "tools/driver/config_window_driver.h"
#include "tools/driver/session.h"

namespace sc::driver {

namespace {

void settings(Session& session, const ScriptLine& line) {
    openProgramSettings(session, parseKeyValues(line.args, programSettingsKeys()));
}

void track(Session& session, const ScriptLine& line) {
    openGeneralTrackConfig(session, parseKeyValues(line.args, trackConfigKeys()));
}

}  // namespace

void addConfigCommands(CommandTable& table) {
    table.add("settings", "settings KEY=VALUE...", settings);
    table.add("track", "track KEY=VALUE...", track);
}

}  // namespace sc::driver
