// slotcursa-tool run: drives the program's logic from a script, with no display.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

#include "tools/commands.h"
#include "tools/driver/script_runner.h"
#include "tools/driver/session.h"

namespace sc::tool {

namespace {

struct RunArgs {
    std::string folder;
    std::string script;
};

std::vector<driver::ScriptLine> readScriptFile(const std::string& script) {
    std::ifstream in(script, std::ios::binary);
    if (!in) throw ToolError("cannot read the script " + script);
    return driver::readScript(in);
}

// Standard input runs each line as it arrives, so a harness on a pipe can pace
// the program and wait for its replies.
int runStandardInput(driver::Session& session, std::ostream& errors) {
    driver::ScriptReader reader(std::cin);
    return driver::runScript([&reader] { return reader.next(); }, session, errors);
}

std::filesystem::path programFolder(const std::string& folder) {
    std::filesystem::path path =
        folder.empty() ? std::filesystem::current_path() : std::filesystem::path(folder);
    std::error_code ec;
    if (!std::filesystem::is_directory(path, ec)) throw ToolError("no such folder: " + path.string());
    return std::filesystem::absolute(path, ec);
}

}  // namespace

void addRunCommand(CLI::App& app, int& status) {
    auto args = std::make_shared<RunArgs>();
    auto* cmd = app.add_subcommand("run", "drive the program from a script (see docs/DRIVER.md)");
    cmd->add_option("--folder", args->folder, "program folder (default: the current folder)");
    cmd->add_option("script", args->script, "script file, or - for standard input")->required();
    cmd->callback([args, &status] {
        // A script file is read whole first, so an unreadable one fails before any run.
        std::optional<std::vector<driver::ScriptLine>> fileLines;
        if (args->script != "-") fileLines = readScriptFile(args->script);
        driver::Session session(programFolder(args->folder), std::cout);
        std::ostringstream errors;
        status =
            fileLines ? driver::runScript(*fileLines, session, errors) : runStandardInput(session, errors);
        std::cout.flush();
        if (status != 0) std::cerr << "slotcursa-tool: " << errors.str();
    });
}

}  // namespace sc::tool
