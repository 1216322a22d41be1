#pragma once
// Each subcommand of slotcursa-tool lives in its own cmd_*.cpp file.
#include <stdexcept>
#include <string>

namespace CLI {
class App;
}

namespace sc::tool {

// A one-line message for stderr; the tool exits with status 1.
struct ToolError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void addDumpCommand(CLI::App& app, int& status);
void addProgrammeCommand(CLI::App& app, int& status);
void addSimulateCommand(CLI::App& app, int& status);
void addRunCommand(CLI::App& app, int& status);
void addArchiveCommands(CLI::App& app, int& status);
void addPrintCommand(CLI::App& app, int& status);
void addExportCommands(CLI::App& app, int& status);

}  // namespace sc::tool
