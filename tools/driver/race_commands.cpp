// new-race, race-data, add-series, delete-race, delete-series.
#include "tools/driver/command_table.h"

namespace sc::driver {

void addRaceCommands(CommandTable&) {}

}  // namespace sc::driver
