#include "tools/driver/script_runner.h"

#include "tools/driver/command_table.h"
#include "tools/driver/session.h"

namespace sc::driver {

namespace {

// False after writing "line N: why" to `errors`.
bool runLine(const CommandTable& commands, const ScriptLine& line, Session& session, std::ostream& errors) {
    const Command* command = commands.find(line.word);
    try {
        if (!command) throw ScriptError("unknown command '" + line.word + "'");
        command->run(session, line);
    } catch (const std::exception& e) {
        session.out().flush();
        errors << "line " << line.number << ": " << e.what() << "\n";
        return false;
    }
    session.out().flush();
    return true;
}

}  // namespace

int runScript(const NextScriptLine& next, Session& session, std::ostream& errors) {
    const CommandTable& commands = driverCommands();
    std::vector<ScriptLine> afterCrash;  // held until a `start` says the program runs again
    while (std::optional<ScriptLine> line = next()) {
        if (session.crashed()) {
            const bool restarts = line->word == "start";
            afterCrash.push_back(std::move(*line));
            if (!restarts) continue;
            // The crash stays in force while the held lines run: they work on its files.
            std::vector<ScriptLine> held = std::move(afterCrash);
            afterCrash.clear();
            for (const ScriptLine& h : held)
                if (!runLine(commands, h, session, errors)) return kScriptFailed;
            continue;
        }
        if (!runLine(commands, *line, session, errors)) return kScriptFailed;
    }
    return 0;
}

int runScript(const std::vector<ScriptLine>& lines, Session& session, std::ostream& errors) {
    auto it = lines.begin();
    return runScript(
        [&]() -> std::optional<ScriptLine> {
            if (it == lines.end()) return std::nullopt;
            return *it++;
        },
        session, errors);
}

}  // namespace sc::driver
