#include "output/heat_report.h"

#include "standings/classification_columns.h"

namespace sc {

namespace hr = heat_report;

namespace {

// "[3]" for a lane; a blank lane (no pass yet) prints nothing, the header its heading.
std::string bracketed(const std::string& lane, bool header) {
    if (header || cls::blank(lane)) return lane;
    return "[" + lane + "]";
}

void placeRow(ReportLayout& out, const Grid& grid, int row, bool race) {
    const auto cell = [&](int col) -> const std::string& { return grid.TextMatrix(row, col); };
    const bool header = row == 0;
    if (!header) {
        out.Right(hr::kPosition, std::to_string(row));
        out.Left(hr::kPosition, ".-");
    }
    out.Left(hr::kName, cell(cls::kName));
    if (race) {
        out.Right(hr::kLaps, cell(cls::kLaps));
    } else {
        out.Right(hr::kFastest, cell(cls::kFastest));
        out.Centre(hr::kFastestLane, bracketed(cell(cls::kFastestLane), header));
    }
    out.SetFontSize(kReportSmallFontSize);
    out.Right(hr::kGapLeader, cell(cls::kGapLeader));
    out.Right(hr::kGapAhead, cell(cls::kGapAhead));
    out.SetFontSize(kReportFontSize);
    out.Centre(hr::kLane, bracketed(cell(cls::kLane), header));
    out.Right(hr::kHeatLaps, cell(cls::kHeatLaps));
    out.Right(hr::kHeatBest, cell(cls::kHeatBest));
    out.NewLine();
}

}  // namespace

Report HeatClassificationReport(const RaceState& state, const RaceHeading& race, const Grid& infoClass) {
    const int16_t language = state.Settings.Language;
    const int modality = state.CurrentModality;
    ReportLayout out(hr::kWidth);
    PlaceRaceHeading(out, race, hr::kWidth);
    const int seriesCount = modality >= 0 && modality < static_cast<int>(state.SeriesCount.size())
                                ? state.SeriesCount[modality]
                                : 0;
    out.Left(0, ReportMessage(language, "Classificacio", 5, 8) +
                    ModalitySeriesCaption(language, modality, state.CurrentSeries, seriesCount));
    out.NewLine();
    out.Left(0, ReportMessage(language, "Classificacio", 5, 9) + " " + std::to_string(state.CurrentHeat));
    out.NewLine(3);
    const bool raceModality = modality == static_cast<int>(Modality::Race);
    placeRow(out, infoClass, 0, raceModality);
    out.EndHeader();
    for (int row = 1; row < infoClass.Rows(); ++row) placeRow(out, infoClass, row, raceModality);
    return out.Take();
}

}  // namespace sc
