#include <CLI/CLI.hpp>

#include "tools/commands.h"

namespace sc::tool {

void addRunCommand(CLI::App& app, int& status) {
    auto* cmd = app.add_subcommand("run", "not available yet");
    cmd->callback([&status] {
        status = 1;
        throw ToolError("'run' is not available yet");
    });
}

}  // namespace sc::tool
