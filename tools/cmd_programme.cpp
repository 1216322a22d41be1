#include <CLI/CLI.hpp>

#include "tools/commands.h"

namespace sc::tool {

void addProgrammeCommand(CLI::App& app, int& status) {
    auto* cmd = app.add_subcommand("programme", "not available yet");
    cmd->callback([&status] {
        status = 1;
        throw ToolError("'programme' is not available yet");
    });
}

}  // namespace sc::tool
