// slotcursa-tool export-text APPFOLDER RACE FILE and display-files APPFOLDER
// RACE: the main window's "Exportar a TXT..." and external-display export
// without the windows.
#include <CLI/CLI.hpp>
#include <iostream>

#include "output/text_export.h"
#include "tools/commands.h"
#include "tools/program_folder.h"

namespace sc::tool {
namespace {
namespace fs = std::filesystem;

void runExportText(const fs::path& appFolder, const std::string& raceText, const fs::path& file,
                   bool separate) {
    RaceState state = stateFor(appFolder);
    state.CurrentRace = static_cast<int16_t>(raceArgument(appFolder, raceText));
    const ArchiveOutcome outcome = ExportarProva(state, file, separate, terminalProgress());
    endProgress();
    if (!outcome.ok()) throw ToolError(outcome.message);
    std::cout << "exported race " << state.CurrentRace << " to " << file.string() << "\n";
}

}  // namespace

void addExportCommands(CLI::App& app, int& status) {
    auto* text = app.add_subcommand("export-text", "Export the results of race RACE of APPFOLDER to the text FILE");
    text->add_option("APPFOLDER", "The program folder")->required();
    text->add_option("RACE", "The race number")->required();
    text->add_option("FILE", "The text file to write")->required();
    text->add_flag("--separate-quadrants", "Laps and fastest laps in separate quadrants (QuaSep)");
    text->callback([text, &status] {
        status = 1;
        runExportText(text->get_option("APPFOLDER")->as<std::string>(), text->get_option("RACE")->as<std::string>(),
                      text->get_option("FILE")->as<std::string>(), text->get_option("--separate-quadrants")->as<bool>());
        status = 0;
    });
}

}  // namespace sc::tool
