#pragma once
// The driver's commands: a table from command word to handler. Each group of
// commands lives in its own file and adds itself with its add...Commands.

#include <functional>
#include <map>
#include <string>

#include "tools/driver/script_line.h"

namespace sc::driver {

class Session;

using CommandHandler = std::function<void(Session&, const ScriptLine&)>;

struct Command {
    std::string usage;  // "race N"
    CommandHandler run;
};

class CommandTable {
public:
    void add(const std::string& word, std::string usage, CommandHandler run);
    const Command* find(const std::string& word) const;
    const std::map<std::string, Command>& all() const { return commands_; }

private:
    std::map<std::string, Command> commands_;
};

// A ScriptError unless the line has exactly `count` arguments.
void requireArgs(const ScriptLine& line, std::size_t count, const std::string& usage);

void addProgramCommands(CommandTable& table);    // start, quit, crash, answer, meanwhile, state
void addConfigCommands(CommandTable& table);     // settings, track
void addSelectionCommands(CommandTable& table);  // race, series
void addRaceCommands(CommandTable& table);  // new-race, race-data, add-series, delete-race, delete-series
void addListCommands(CommandTable& table);  // roster, entrants, participants, participants-show
void addHeatCommands(
    CommandTable& table);  // open, close, menu, clock, key, manual, tick, bytes, lanes, errors, panel

void addStandingsCommands(CommandTable& table);  // classification, vr, superpole
void addResultsCommands(CommandTable& table);    // results, penalties, penalties-show, listing, listing-export
void addPrintCommands(CommandTable& table);      // print
void addCorregirCommands(CommandTable& table);   // comas, pick, correct

// Every command of the driver.
const CommandTable& driverCommands();

}  // namespace sc::driver
