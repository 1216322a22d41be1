// start, quit, crash, answer, meanwhile, state.
#include <nlohmann/json.hpp>

#include "tools/driver/command_table.h"
#include "tools/driver/session.h"
#include "tools/driver/state_report.h"

namespace sc::driver {

namespace {

void start(Session& session, const ScriptLine& line) {
    requireArgs(line, 0, "start");
    session.start();
}

void quit(Session& session, const ScriptLine& line) {
    requireArgs(line, 0, "quit");
    session.quit();
}

void crash(Session& session, const ScriptLine& line) {
    requireArgs(line, 0, "crash");
    session.crash();
}

void answer(Session& session, const ScriptLine& line) {
    const std::string usage = "answer yes|no|ok|cancel|retry";
    requireArgs(line, 1, usage);
    const auto button = buttonFromWord(line.args[0]);
    if (!button) throw ScriptError("usage: " + usage);
    session.boxes().answers.push_back(*button);
}

// meanwhile LINE: a driver line run while the next message box waits.
void meanwhile(Session& session, const ScriptLine& line) {
    if (line.args.empty()) throw ScriptError("usage: meanwhile LINE");
    ScriptLine later = line;
    later.word = line.args.front();
    later.args.erase(later.args.begin());
    later.rest = trimmed(line.rest.substr(later.word.size()));
    session.queueMeanwhile(std::move(later));
}

void state(Session& session, const ScriptLine& line) {
    requireArgs(line, 0, "state");
    session.out() << stateLine(session.state(), session.mainWindow()) << "\n";
}

}  // namespace

void addProgramCommands(CommandTable& table) {
    table.add("start", "start", start);
    table.add("quit", "quit", quit);
    table.add("crash", "crash", crash);
    table.add("answer", "answer yes|no|ok|cancel|retry", answer);
    table.add("meanwhile", "meanwhile LINE", meanwhile);
    table.add("state", "state", state);
}

}  // namespace sc::driver
