#include "output/results_report.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "core/file_error.h"
#include "core/number_format.h"
#include "core/race_store.h"
#include "core/record_file.h"
#include "localisation/language_tables.h"

namespace sc {

namespace rr = results_report;
namespace qr = quadrant_report;

namespace {

constexpr double kNoLap = 99.9999;  // how the table shows a missing fastest lap

std::string caption(int16_t language, const char* control, int index = -1) {
    return tableText(language, "Resultats", control, index).value_or("");
}

std::string chosen(const FilterList& list) {
    return list.selected >= 0 && list.selected < list.count() ? list.items[list.selected] : std::string();
}

int valueColumn(Criterion criterion) {
    switch (criterion) {
        case Criterion::TotalLaps:
            return rc::TotalLaps;
        case Criterion::FastestLap:
            return rc::Fastest;
        case Criterion::HeatLaps:
            return rc::HeatLaps;
        case Criterion::HeatFastestLap:
            return rc::HeatFastest;
    }
    return rc::TotalLaps;
}

void placeResultsRow(ReportLayout& out, const Resultats& results, int row) {
    const Grid& grid = results.LlistaVoltes;
    const auto cell = [&](int col) -> const std::string& { return grid.TextMatrix(row, col); };
    if (row > 0) {
        std::string label = cell(rc::Position);
        if (label.ends_with(".-")) label.resize(label.size() - 2);
        out.Right(rr::kPosition, label);
        out.Left(rr::kPosition, ".-");
    }
    out.Left(rr::kName, cell(rc::Name));
    out.SetFontSize(kReportSmallFontSize);
    out.Centre(rr::kSeries, cell(rc::Series));
    out.Centre(rr::kPass, cell(rc::Pass));
    out.Centre(rr::kLane, cell(rc::Lane));
    out.Centre(rr::kHeat, cell(rc::Heat));
    out.SetFontSize(kReportFontSize);
    out.Right(rr::kValue, cell(valueColumn(results.criterion)));
    out.SetFontSize(kReportSmallFontSize);
    out.Right(rr::kGapLeader, cell(rc::GapFirst));
    out.Right(rr::kGapAhead, cell(rc::GapPrevious));
    if (results.hasPenalties) out.Right(rr::kPenalty, cell(rc::Penalty));
    out.SetFontSize(kReportFontSize);
    out.NewLine();
}

std::string seriesLabel(int16_t language, int modality) {
    return tableText(language, "Portada", "Text", modality).value_or("");
}

}  // namespace

Report ResultsReport(const RaceState& state, const RaceHeading& race, const Resultats& results,
                     int modality) {
    const int16_t language = state.Settings.Language;
    ReportLayout out(rr::kWidth);
    PlaceRaceHeading(out, race, rr::kWidth);
    out.Left(0, ModalityCaption(language, modality) + " - " + caption(language, "Ordre") + " " +
                    caption(language, "CriteriOrdre", static_cast<int>(results.criterion)));
    out.NewLine();
    out.Left(0, seriesLabel(language, modality) + " " + chosen(results.EqSerie) + "   " +
                    caption(language, "TextFiltre", 1) + " " + chosen(results.Participant) + "   " +
                    caption(language, "TextFiltre", 2) + " " + chosen(results.Pista) + "   " +
                    caption(language, "TextFiltre", 3) + " " + chosen(results.Passada));
    out.NewLine(3);
    placeResultsRow(out, results, 0);
    out.EndHeader();
    for (int row : results.VisibleRows()) placeResultsRow(out, results, row);
    return out.Take();
}

namespace {

struct QuadrantLine {
    std::string name;
    std::map<int, double> heats;  // heat ordinal -> value
    double total = 0;
    int lastHeat = 0;  // the total laps of the row of this heat
};

std::string quadrantValue(double value, Quadrant kind) {
    if (kind == Quadrant::FastestLaps && value >= kNoLap) return "-";
    return FormatNumber(value, kind == Quadrant::Laps ? "0.00" : "0.0000");
}

}  // namespace

Report QuadrantReport(const RaceState& state, const RaceHeading& race, const Resultats& results, int modality,
                      int series, int lastHeat, Quadrant kind) {
    const Grid& grid = results.LlistaVoltes;
    std::map<int, QuadrantLine> people;  // by participant number
    int heats = 0;
    for (int row = 1; row < grid.Rows(); ++row) {
        if (static_cast<int>(grid.Number(row, rc::Series)) != series) continue;
        QuadrantLine& line = people[static_cast<int>(grid.Number(row, rc::Number))];
        line.name = grid.TextMatrix(row, rc::Name);
        const int heat = static_cast<int>(grid.Number(row, rc::Heat));
        heats = std::max(heats, heat);
        if (kind == Quadrant::Laps) {
            line.heats[heat] = grid.Number(row, rc::HeatLaps);
            if (heat >= line.lastHeat) line.total = grid.Number(row, rc::TotalLaps);
            line.lastHeat = std::max(line.lastHeat, heat);
        } else {
            const double lap = grid.Number(row, rc::HeatFastest);
            line.heats[heat] = lap;
            if (line.total == 0 || lap < line.total) line.total = lap;
        }
    }
    const int16_t language = state.Settings.Language;
    const bool laps = kind == Quadrant::Laps;
    const double totalColumn = qr::kFirstHeat + qr::kHeatStep * heats + 2;
    ReportLayout out(std::max<int>(qr::kMinimumWidth, static_cast<int>(totalColumn)));
    PlaceRaceHeading(out, race, std::max<int>(qr::kMinimumWidth, static_cast<int>(totalColumn)));
    out.Left(0,
             ReportMessage(language, laps ? "Resultats" : "Classificacio", 7, 2) + std::to_string(lastHeat));
    out.NewLine();
    out.Left(0, ModalitySeriesCaption(language, modality, series, state.SeriesCount.at(modality)));
    out.NewLine(3);
    out.Left(qr::kName, grid.TextMatrix(0, rc::Name));
    for (int h = 1; h <= heats; ++h) out.Right(qr::kFirstHeat + qr::kHeatStep * (h - 1), std::to_string(h));
    out.Right(totalColumn, ReportMessage(language, laps ? "Resultats" : "Classificacio", 7, 3));
    out.NewLine();
    out.EndHeader();
    for (const auto& [number, line] : people) {
        out.Right(qr::kNumber, std::to_string(number));
        out.Left(qr::kName, line.name);
        for (int h = 1; h <= heats; ++h) {
            const auto value = line.heats.find(h);
            out.Right(qr::kFirstHeat + qr::kHeatStep * (h - 1),
                      value == line.heats.end() ? "-" : quadrantValue(value->second, kind));
        }
        out.Right(totalColumn, line.heats.empty() ? "-" : quadrantValue(line.total, kind));
        out.NewLine();
    }
    return out.Take();
}

int QuadrantSeries(const Resultats& results, int fallback) {
    const int chosenSeries = static_cast<int>(results.EqSerie.value());
    return chosenSeries != 0 ? chosenSeries : std::max(fallback, 1);
}

int LastStoredHeat(const SeriesFolder& source, int series) {
    try {
        const auto file = source.file(series, ".DAD");
        const auto par = source.file(series, ".PAR");
        if (!std::filesystem::exists(file)) return 0;
        auto blocks = readHeatBlocks(file);
        if (std::filesystem::exists(par))
            blocks.resize(countedHeatBlocks(blocks, readParticipantList(par).heats));
        return blocks.empty() ? 0 : blocks.back().header.heatNumber();
    } catch (const FileError&) {
        return 0;
    }
}

}  // namespace sc
