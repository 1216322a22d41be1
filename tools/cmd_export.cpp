// slotcursa-tool export-text APPFOLDER RACE FILE and display-files APPFOLDER
// RACE: the main window's "Exportar a TXT..." and external-display export
// without the windows.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "core/file_error.h"
#include "core/race_store.h"
#include "output/display_files.h"
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

// CURSA.TXT shows `series`, by default the last race series (the one the main
// window selects with the race).
void runDisplayFiles(const fs::path& appFolder, const std::string& raceText, int series) {
    RaceState state = stateFor(appFolder);
    state.CurrentRace = static_cast<int16_t>(raceArgument(appFolder, raceText));
    if (series == 0)
        series = readRaceHeader(appFolder / raceFolderName(state.CurrentRace) / kRaceHeaderFileName)
                     .SeriesCount[3];
    const ArchiveOutcome outcome = WriteDisplayFiles(state, series);
    if (!outcome.ok()) throw ToolError(outcome.message);
    std::cout << DisplayFilesWrittenText(state.Settings.Language, state.CurrentRace) << "\n";
}

}  // namespace

void addExportCommands(CLI::App& app, int& status) {
    auto* text =
        app.add_subcommand("export-text", "Export the results of race RACE of APPFOLDER to the text FILE");
    text->add_option("APPFOLDER", "The program folder")->required();
    text->add_option("RACE", "The race number")->required();
    text->add_option("FILE", "The text file to write")->required();
    auto separate = std::make_shared<bool>(false);
    text->add_flag("--separate-quadrants", *separate, "Laps and fastest laps in separate quadrants (QuaSep)");
    text->callback([text, separate, &status] {
        status = 1;
        runExportText(text->get_option("APPFOLDER")->as<std::string>(),
                      text->get_option("RACE")->as<std::string>(),
                      text->get_option("FILE")->as<std::string>(), *separate);
        status = 0;
    });
    auto* display = app.add_subcommand(
        "display-files", "Write ENTRENAMENTS.TXT, REPESQUES.TXT and CURSA.TXT into the folder of race RACE");
    display->add_option("APPFOLDER", "The program folder")->required();
    display->add_option("RACE", "The race number")->required();
    display->add_option("--series", "The race series CURSA.TXT shows (default: the last)")
        ->check(CLI::Range(1, 999));
    display->callback([display, &status] {
        status = 1;
        const auto* series = display->get_option("--series");
        try {
            runDisplayFiles(display->get_option("APPFOLDER")->as<std::string>(),
                            display->get_option("RACE")->as<std::string>(),
                            series->count() ? series->as<int>() : 0);
        } catch (const FileError& e) {
            throw ToolError(e.describe());
        }
        status = 0;
    });
}

}  // namespace sc::tool
