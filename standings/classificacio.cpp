#include "standings/classificacio.h"

#include <algorithm>
#include <sstream>

#include "core/file_io.h"
#include "core/grid.h"
#include "core/number_format.h"
#include "localisation/language_tables.h"
#include "standings/classification_columns.h"
#include "standings/standings_engine.h"

namespace sc {

using namespace cls;

namespace {

constexpr const char* kWindow = "Classificacio";
constexpr const char* kPictureFolder = "INFOGRAF";
constexpr const char* kPictureFile = "0000.GIF";
constexpr const char* kRunningLapMask = "0.0";
constexpr int kCutColumns = kGapAhead;  // the cut is drawn over cols 0..9

bool isModality(int modality, Modality m) { return modality == static_cast<int>(m); }

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void setForeIfDifferent(Grid& g, int row, int col, int colour) {
    if (g.Cell(row, col).foreColour == colour) return;
    g.Select(row, col);
    g.SetCellForeColour(colour);
}

}  // namespace

std::vector<int> InfoClassWidths(int modality) {
    // The participant's number shows: it is what a typed lap correction names.
    std::vector<int> w{450, 500, 2300, 0, 0, 0, 0, 0, 1075, 1075, 400, 600, 1000, 0, 1075, 1075, 450, 0, 0};
    if (isModality(modality, Modality::Race)) {
        w[kLaps] = 1500;
        w[kGained] = 500;
        return w;
    }
    w[kFastest] = 1400;
    w[kFastestLane] = 600;
    // One car at a time: the heat's pass count and the lap corrections of the
    // race tell nothing in SuperPole.
    if (isModality(modality, Modality::SuperPole)) w[kHeatLaps] = 0;
    return w;
}

std::vector<LegendRow> MakeLegend(const RaceState& state) {
    const int16_t language = state.Settings.Language;
    const std::string texts = tableText(language, kWindow, "Legenda", -1, TextKind::ListItems).value_or("");
    const Paint colours[] = {Paint::AbsoluteFastest, Paint::ParticipantFastest, Paint::HeatFastest};
    std::vector<LegendRow> legend;
    const std::vector<std::string> lines = splitLines(texts);
    for (std::size_t i = 0; i < lines.size() && i < std::size(colours); ++i)
        legend.push_back({lines[i], paletteOf(state.Settings, colours[i])});
    if (isModality(state.CurrentModality, Modality::SuperPole))
        for (int item : {0, 2, 3})
            legend.push_back({tableMessage(language, kWindow, 5, item).value_or(""), kDefaultColour});
    return legend;
}

std::optional<std::filesystem::path> InfografPicture(const std::filesystem::path& appFolder) {
    const std::filesystem::path folder = findCaseInsensitive(appFolder, kPictureFolder);
    const std::filesystem::path file = findCaseInsensitive(folder, kPictureFile);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
    return file;
}

Classificacio::Classificacio(RaceState& state, StandingsEngine& engine) : state_(state), engine_(engine) {}

Grid& Classificacio::table() const { return engine_.InfoClass; }

bool Classificacio::SuperPole() const { return isModality(state_.CurrentModality, Modality::SuperPole); }

std::string Classificacio::Title() const {
    const int16_t language = state_.Settings.Language;
    std::string prefix = tableMessage(language, kWindow, 5, 8).value_or("");
    if (!prefix.empty() && prefix.back() != ' ') prefix += ' ';
    return prefix + tableText(language, "Portada", "MnuPrg", state_.CurrentModality).value_or("");
}

void Classificacio::Load() {
    Grid& g = table();
    g.SetRedraw(false);
    const std::vector<int> widths = InfoClassWidths(state_.CurrentModality);
    for (int col = 0; col < static_cast<int>(widths.size()); ++col) g.SetColWidth(col, widths[col]);
    g.SetRedraw(true);
    legend_ = MakeLegend(state_);
    picture_ = InfografPicture(state_.AppFolder);
    infosVisible_ = infosToggle_ == nullptr || *infosToggle_ == 0;
    rellotge_.clear();
    enPista_.clear();
}

void Classificacio::KeyPress(int code) {
    if (code != kSpaceKey) return;
    infosVisible_ = !infosVisible_;
    if (infosToggle_) *infosToggle_ = infosVisible_ ? 0 : -1;
}

Classificacio::ClickAction Classificacio::InfoClass_Click(int row, int col) {
    const int m = state_.CurrentModality;
    if (m < static_cast<int>(Modality::OfficialPractice) || m > static_cast<int>(Modality::Race))
        return ClickAction::None;
    if (row < 0 || col < 0 || row >= table().Rows() || col >= table().Cols()) return ClickAction::None;
    if (row == 0 || col == 0) return state_.HeatRunning == 0 ? ClickAction::OpenResults : ClickAction::None;
    ToggleLastLap();
    return ClickAction::ToggledLastLap;
}

bool Classificacio::LastLapShown() const { return table().ColWidth(kLastLap) > 0; }

void Classificacio::ToggleLastLap() {
    Grid& g = table();
    const bool race = isModality(state_.CurrentModality, Modality::Race);
    const int width = g.ColWidth(kHeatBest);
    g.SetRedraw(false);
    if (!LastLapShown()) {
        g.SetColWidth(kLastLap, width);
        if (race) g.SetColWidth(kFastest, 0);
    } else {
        g.SetColWidth(kLastLap, 0);
        if (race) g.SetColWidth(kFastest, width);
    }
    g.SetRedraw(true);
}

void Classificacio::PageClassification() {
    Grid& g = table();
    const int first = g.FixedRows();
    const int top = std::max(g.TopRow(), first) + kInfoClassDataRows;
    g.SetTopRow(top > g.Rows() - 1 ? first : top);
}

void Classificacio::SuperPoleTick(double elapsed) {
    const std::vector<double>& crossing = state_.Track.LastPassTime;
    if (!SuperPole() || engine_.LlistaTR.Rows() <= 2 || crossing.empty()) {
        enPista_.clear();
        return;
    }
    const double running = elapsed - crossing[0];
    enPista_ = running < 0 ? std::string() : FormatNumber(running, kRunningLapMask);
}

int Classificacio::CutPlaces() const { return static_cast<int>(table().Number(0, kPosition)); }

void Classificacio::MarkClassificationCut(int directPlaces) {
    if (directPlaces < 1) return;
    table().SetTextMatrix(0, kPosition, std::to_string(directPlaces));
    ApplyCut();
}

void Classificacio::ApplyCut() {
    Grid& g = table();
    const int cut = CutPlaces();
    if (cut < 1) return;
    g.SetRedraw(false);
    for (int r = 1; r < g.Rows(); ++r) {
        const bool atCut = r == cut && g.Number(r, kPosition) == cut;
        setForeIfDifferent(g, r, kPosition, atCut ? kLightRed : kDefaultColour);
        if (atCut)
            for (int col = kPosition + 1; col <= kCutColumns; ++col) setForeIfDifferent(g, r, col, kLightRed);
    }
    g.SetRedraw(true);
}

}  // namespace sc
