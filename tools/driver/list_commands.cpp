// roster, entrants, participants.
#include "tools/driver/command_table.h"

namespace sc::driver {

void addListCommands(CommandTable&) {}

}  // namespace sc::driver
