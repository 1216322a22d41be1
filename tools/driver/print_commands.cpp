// print heat|results|quadrant|quadrant-fastest [M] [--pdf FILE]: the report the
// program would print, as text lines with every field at its column, or a PDF.
#include <optional>

#include "app/classification_plug.h"
#include "output/print_jobs.h"
#include "tools/driver/command_table.h"
#include "tools/driver/heat_driver.h"
#include "tools/driver/session.h"
#include "tools/report_output.h"

namespace sc::driver {

namespace {

constexpr const char* kPrintUsage = "print heat|results|quadrant|quadrant-fastest [M] [--pdf FILE]";
constexpr int kFirstClassified = static_cast<int>(Modality::OfficialPractice);

// The series of modality m the report is for: the running one, else the main window's choice.
int seriesOf(Session& session, int modality) {
    const RaceState& state = session.state();
    if (modality == state.CurrentModality && state.CurrentSeries > 0) return state.CurrentSeries;
    const ListControl& list = session.mainWindow().LlSeries[modality];
    return list.isValidPosition(list.selected) ? list.selected + 1 : 1;
}

PrintJob job(Session& session, const std::string& kind, std::vector<std::string> args) {
    RaceState& state = session.state();
    const RaceHeading race = SelectedRaceHeading(session.mainWindow());
    if (kind == "heat") {
        if (!args.empty()) throw ScriptError(std::string("usage: ") + kPrintUsage);
        HeatDriver& heat = session.heat();
        if (!heat.programme.ui.heatMode || state.CurrentModality < kFirstClassified)
            throw ScriptError("no live classification (open modality 2, 3 or 4)");
        return HeatClassificationJob(state, race, heat.engine.InfoClass);
    }
    if (state.CurrentRace < 1) throw ScriptError("no race selected");
    if (args.size() > 1) throw ScriptError(std::string("usage: ") + kPrintUsage);
    const int modality =
        args.empty() ? state.CurrentModality : wholeNumberArgument(args[0], "modality M", 2, 4);
    if (modality < kFirstClassified) throw ScriptError("give the modality M (2, 3 or 4)");
    session.applyLanguage("Resultats");
    const auto jobs = SeriesResultsJobs(state, race, modality, seriesOf(session, modality));
    if (kind == "results") return jobs[0];
    if (kind == "quadrant") return jobs[1];
    if (kind == "quadrant-fastest") return jobs[2];
    throw ScriptError(std::string("usage: ") + kPrintUsage);
}

void print(Session& session, const ScriptLine& line) {
    if (line.args.empty()) throw ScriptError(std::string("usage: ") + kPrintUsage);
    std::vector<std::string> args(line.args.begin() + 1, line.args.end());
    std::optional<std::filesystem::path> pdf;
    if (args.size() >= 2 && args[args.size() - 2] == "--pdf") {
        pdf = args.back();
        args.resize(args.size() - 2);
    }
    const PrintJob printed = job(session, line.args[0], std::move(args));
    try {
        tool::OutputReport(session.out(), printed.report, pdf);
    } catch (const std::runtime_error& e) {
        throw ScriptError(e.what());
    }
}

}  // namespace

void addPrintCommands(CommandTable& table) { table.add("print", kPrintUsage, print); }

}  // namespace sc::driver
