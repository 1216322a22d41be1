// slotcursa-tool archive APPFOLDER RACE FILE.prb and restore FILE.prb APPFOLDER:
// the race manager's archive and restore without the window.
#include <CLI/CLI.hpp>
#include <iostream>

#include "core/race_store.h"
#include "organisation/race_manager.h"
#include "output/race_archive.h"
#include "tools/commands.h"
#include "tools/program_folder.h"

namespace sc::tool {
namespace {
namespace fs = std::filesystem;

void runArchive(const fs::path& appFolder, const std::string& raceText, const fs::path& archive) {
    const RaceState state = stateFor(appFolder);
    const int race = raceArgument(appFolder, raceText);
    const fs::path folder = appFolder / raceFolderName(race);
    const auto files = raceFolderFiles(folder);
    const ArchiveOutcome outcome = ArxivarProva(state, folder, files, archive, terminalProgress());
    endProgress();
    if (!outcome.ok()) throw ToolError(outcome.message);
    std::cout << "archived race " << race << " (" << files.size() << " files) to " << archive.string()
              << "\n";
}

void runRestore(const fs::path& archive, const fs::path& appFolder) {
    const RaceState state = stateFor(appFolder);
    const ArchiveOutcome outcome = DesarxivarProva(state, archive, appFolder, terminalProgress());
    endProgress();
    if (!outcome.ok()) throw ToolError(outcome.message);
    std::cout << "restored as race " << outcome.raceNumber << " (" << raceFolderName(outcome.raceNumber)
              << ")\n";
}

}  // namespace

void addArchiveCommands(CLI::App& app, int& status) {
    auto* archive = app.add_subcommand("archive", "Pack race RACE of APPFOLDER into FILE.prb");
    archive->add_option("APPFOLDER", "The program folder")->required();
    archive->add_option("RACE", "The race number")->required();
    archive->add_option("FILE", "The archive to write")->required();
    archive->callback([archive, &status] {
        status = 1;
        runArchive(archive->get_option("APPFOLDER")->as<std::string>(),
                   archive->get_option("RACE")->as<std::string>(),
                   archive->get_option("FILE")->as<std::string>());
        status = 0;
    });
    auto* restore = app.add_subcommand("restore", "Unpack FILE.prb as a new race of APPFOLDER");
    restore->add_option("FILE", "The archive to read")->required();
    restore->add_option("APPFOLDER", "The program folder")->required();
    restore->callback([restore, &status] {
        status = 1;
        runRestore(restore->get_option("FILE")->as<std::string>(),
                   restore->get_option("APPFOLDER")->as<std::string>());
        status = 0;
    });
}

}  // namespace sc::tool
