#include "tools/driver/script_runner.h"

#include <algorithm>

#include "tools/driver/command_table.h"
#include "tools/driver/session.h"

namespace sc::driver {

int runScript(const std::vector<ScriptLine>& lines, Session& session, std::ostream& errors) {
    const CommandTable& commands = driverCommands();
    for (auto it = lines.begin(); it != lines.end(); ++it) {
        const ScriptLine& line = *it;
        const Command* command = commands.find(line.word);
        try {
            if (!command) throw ScriptError("unknown command '" + line.word + "'");
            command->run(session, line);
        } catch (const std::exception& e) {
            session.out().flush();
            errors << "line " << line.number << ": " << e.what() << "\n";
            return kScriptFailed;
        }
        // After a kill the script ends, unless it starts the program again later.
        if (session.crashed() &&
            std::none_of(it + 1, lines.end(), [](const ScriptLine& l) { return l.word == "start"; }))
            break;
    }
    return 0;
}

}  // namespace sc::driver
