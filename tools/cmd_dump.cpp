#include <CLI/CLI.hpp>

#include "tools/commands.h"

namespace sc::tool {

void addDumpCommand(CLI::App& app, int& status) {
    auto* cmd = app.add_subcommand("dump", "not available yet");
    cmd->callback([&status] {
        status = 1;
        throw ToolError("'dump' is not available yet");
    });
}

}  // namespace sc::tool
