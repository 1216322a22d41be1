#include <CLI/CLI.hpp>

#include "tools/commands.h"

namespace sc::tool {

void addSimulateCommand(CLI::App& app, int& status) {
    auto* cmd = app.add_subcommand("simulate", "not available yet");
    cmd->callback([&status] {
        status = 1;
        throw ToolError("'simulate' is not available yet");
    });
}

}  // namespace sc::tool
