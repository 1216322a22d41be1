#include <CLI/CLI.hpp>
#include <iostream>

#include "tools/commands.h"

int main(int argc, char** argv) {
    CLI::App app{"slotcursa-tool: the headless companion of SlotCursa"};
    app.require_subcommand(1);
    int status = 0;
    sc::tool::addDumpCommand(app, status);
    sc::tool::addProgrammeCommand(app, status);
    sc::tool::addSimulateCommand(app, status);
    sc::tool::addRunCommand(app, status);
    sc::tool::addArchiveCommands(app, status);
    sc::tool::addPrintCommand(app, status);
    sc::tool::addExportCommands(app, status);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    } catch (const sc::tool::ToolError& e) {
        std::cerr << "slotcursa-tool: " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "slotcursa-tool: " << e.what() << "\n";
        return 1;
    }
    return status;
}
