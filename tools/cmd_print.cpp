// slotcursa-tool print FOLDER KIND [--modality M] [--series S] [--language L] [--pdf FILE]:
// a report of a race folder (PROVAnnn) as the program prints it, as text or PDF.
#include <CLI/CLI.hpp>
#include <iostream>
#include <regex>

#include "core/file_error.h"
#include "core/prompter.h"
#include "core/race_store.h"
#include "core/settings_files.h"
#include "localisation/apply_language.h"
#include "output/print_jobs.h"
#include "standings/heat_results_store.h"
#include "standings/standings_engine.h"
#include "tools/commands.h"
#include "tools/report_output.h"

namespace sc::tool {

namespace {
namespace fs = std::filesystem;

struct PrintArgs {
    std::string folder, kind, pdf;
    int modality = static_cast<int>(Modality::Race);
    int series = 1;
    int language = 0;
};

// The state of the program with the race of `folder` selected.
RaceState raceState(const PrintArgs& args, RaceHeading& heading) {
    const fs::path folder = fs::absolute(args.folder).lexically_normal();
    std::smatch number;
    const std::string name = folder.filename().string();
    if (!std::regex_match(name, number, std::regex("PROVA([0-9]{3})")))
        throw ToolError("FOLDER must be a race folder PROVAnnn, not '" + name + "'");
    RaceState state;
    state.AppFolder = folder.parent_path();
    state.WorkingFolder = folder;
    state.CurrentRace = static_cast<int16_t>(std::stoi(number[1]));
    state.Settings.Language = static_cast<int16_t>(args.language);
    const RaceHeader header = readRaceHeader(folder / kRaceHeaderFileName);
    for (int m = 1; m <= 4; ++m) state.SeriesCount[m] = header.SeriesCount[m - 1];
    heading = {header.name, header.date};
    if (fs::exists(folder / kTrackFileName)) state.Track = loadTrackConfig(folder / kTrackFileName);
    if (args.series > state.SeriesCount[args.modality])
        throw ToolError("the race has no series " + std::to_string(args.series) + " in modality " +
                        std::to_string(args.modality));
    state.CurrentModality = static_cast<int16_t>(args.modality);
    state.CurrentSeries = static_cast<int16_t>(args.series);
    for (const char* window : {"Portada", "Classificacio", "Resultats"}) {
        WindowTexts texts;
        texts.name = window;
        AplicarIdioma(state, texts);
    }
    return state;
}

PrintJob printJob(const PrintArgs& args) {
    RaceHeading heading;
    RaceState state = raceState(args, heading);
    if (args.kind == "heat") {
        // The live classification as the series files leave it after their last heat.
        state.CurrentBase = seriesBaseName(state.CurrentModality, state.CurrentSeries);
        LoadParticipants(state, state.CurrentSeries);
        // Loading a series with no heat clears its heat file: never from here.
        if (state.CurrentHeat <= 0) throw ToolError("the series has no heat stored yet");
        StandingsEngine engine(state);
        QueuedPrompter boxes;
        HeatResultsStore store(state, engine, boxes);
        engine.Reshape();
        store.CarregarClass();
        if (!boxes.shown.empty()) throw ToolError(boxes.shown.front().text);
        return HeatClassificationJob(state, heading, engine.InfoClass);
    }
    const auto jobs = SeriesResultsJobs(state, heading, args.modality, args.series);
    return jobs[args.kind == "results" ? 0 : args.kind == "quadrant" ? 1 : 2];
}

}  // namespace

void addPrintCommand(CLI::App& app, int& status) {
    auto args = std::make_shared<PrintArgs>();
    auto* cmd =
        app.add_subcommand("print", "A race folder's report as the program prints it, as text or PDF");
    cmd->add_option("FOLDER", args->folder, "Race folder PROVAnnn")->required();
    cmd->add_option("KIND", args->kind, "heat, results, quadrant or quadrant-fastest")
        ->required()
        ->check(CLI::IsMember({"heat", "results", "quadrant", "quadrant-fastest"}));
    cmd->add_option("--modality", args->modality, "2 official practice, 3 SuperPole, 4 race (default)")
        ->check(CLI::Range(2, 4));
    cmd->add_option("--series", args->series, "Series number (default 1)")->check(CLI::Range(1, 99));
    cmd->add_option("--language", args->language, "0 Catalan (default), 1 Spanish")->check(CLI::Range(0, 1));
    cmd->add_option("--pdf", args->pdf, "Write a PDF instead of text");
    cmd->callback([args, &status] {
        status = 1;
        try {
            const PrintJob job = printJob(*args);
            OutputReport(std::cout, job.report,
                         args->pdf.empty() ? std::nullopt : std::optional<fs::path>(args->pdf));
        } catch (const FileError& e) {
            throw ToolError(e.describe());
        } catch (const std::runtime_error& e) {
            throw ToolError(e.what());
        }
        status = 0;
    });
}

}  // namespace sc::tool
