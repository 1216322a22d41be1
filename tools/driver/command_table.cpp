#include "tools/driver/command_table.h"

namespace sc::driver {

void CommandTable::add(const std::string& word, std::string usage, CommandHandler run) {
    commands_[word] = Command{std::move(usage), std::move(run)};
}

const Command* CommandTable::find(const std::string& word) const {
    auto it = commands_.find(word);
    return it == commands_.end() ? nullptr : &it->second;
}

void requireArgs(const ScriptLine& line, std::size_t count, const std::string& usage) {
    if (line.args.size() != count) throw ScriptError("usage: " + usage);
}

const CommandTable& driverCommands() {
    static const CommandTable table = [] {
        CommandTable t;
        addProgramCommands(t);
        addConfigCommands(t);
        addSelectionCommands(t);
        addRaceCommands(t);
        addListCommands(t);
        addHeatCommands(t);
        addStandingsCommands(t);
        addResultsCommands(t);
        addPrintCommands(t);
        addCorregirCommands(t);
        return t;
    }();
    return table;
}

}  // namespace sc::driver
