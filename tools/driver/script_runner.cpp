#include "tools/driver/script_runner.h"

#include "tools/driver/command_table.h"
#include "tools/driver/session.h"

namespace sc::driver {

int runScript(const std::vector<ScriptLine>& lines, Session& session, std::ostream& errors) {
    const CommandTable& commands = driverCommands();
    for (const ScriptLine& line : lines) {
        const Command* command = commands.find(line.word);
        try {
            if (!command) throw ScriptError("unknown command '" + line.word + "'");
            command->run(session, line);
        } catch (const std::exception& e) {
            session.out().flush();
            errors << "line " << line.number << ": " << e.what() << "\n";
            return kScriptFailed;
        }
        if (session.crashed()) break;
    }
    return 0;
}

}  // namespace sc::driver
