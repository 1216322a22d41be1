#include "results/corregir.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/file_error.h"
#include "core/file_fault_text.h"
#include "core/file_io.h"
#include "core/lap_log.h"
#include "core/laps_format.h"
#include "core/number_format.h"
#include "core/prompter.h"
#include "core/race_store.h"
#include "core/record_file.h"
#include "results/coma_export.h"
#include "results/coma_pictures.h"
#include "results/coma_proposal.h"
#include "results/series_recompute.h"
#include "standings/classification_columns.h"
#include "standings/heat_results_store.h"
#include "standings/heat_time.h"
#include "standings/standings_engine.h"

namespace sc {

using namespace cls;

namespace {

constexpr const char* kLapTimeMask = "0.0000";

std::string lapsShown(double laps, const TrackConfig& track) {
    std::string text = Str(std::max(laps, 0.0));
    return FormatLaps(text, true, track);
}

std::string wholeLaps(double laps) { return FormatNumber(std::floor(std::max(laps, 0.0)), "0"); }

}  // namespace

Corregir::Corregir(RaceState& state, StandingsEngine& live, HeatResultsStore& liveStore, Prompter& prompter)
    : state_(state), live_(live), liveStore_(liveStore), prompter_(prompter), mode_(state.ModeCorregir) {}

std::filesystem::path Corregir::seriesFile(const char* extension) const {
    return state_.inWorkingFolder(state_.CurrentBase + extension);
}

void Corregir::warn(const std::string& catalan, const std::string& spanish) {
    prompter_.inform(state_.Settings.Language == 1 ? spanish : catalan, "", MessageIcon::Exclamation);
}

// ---- loading -------------------------------------------------------------------

void Corregir::Form_Load() {
    SelManiga.clear();
    for (int h = 1; h <= state_.CurrentHeat; ++h) SelManiga.push_back(std::to_string(h));
    picture = InfografFile(state_.AppFolder, kTrackPicture);
    if (state_.CurrentHeat >= 1) SelManiga_Click(state_.CurrentHeat - 1);
    const TrackConfig& t = state_.Track;
    if (comasMode() && t.PartialCount * t.PartialStep > 0 &&
        state_.CurrentModality == static_cast<int16_t>(Modality::Race) && state_.Settings.LapCounterModel > 0)
        CalcularComes();
    focusRow = nextEnabledRow(-1);
}

void Corregir::SelManiga_Click(int index) {
    if (index < 0 || index >= static_cast<int>(SelManiga.size())) return;
    SelManigaIndex = index;
    HeatRows loaded = heatRows(SelectedHeat());
    rows = std::move(loaded.rows);
    heatStart_ = loaded.start;
    focusRow = -1;
}

// The stored records of `heat` on their lane rows; every row empty and
// closed when the file does not hold the heat.
Corregir::HeatRows Corregir::heatRows(int heat) {
    const TrackConfig& t = state_.Track;
    HeatRows out;
    for (int i = 1; i <= t.LaneCount && i < static_cast<int>(t.LaneChange.size()); ++i)
        out.rows.push_back(CorregirRow{t.LaneChange[static_cast<std::size_t>(i)], "", "", "", false});
    std::vector<HeatBlock> blocks;
    try {
        blocks = readHeatBlocks(seriesFile(".DAD"));
    } catch (const FileError& e) {
        if (!std::exchange(warned_, true))
            warn(FileFaultText(0, e) +
                     "\nNo es pot corregir cap màniga: recupereu l'arxiu d'una còpia de la prova.",
                 FileFaultText(1, e) +
                     "\nNo se puede corregir ninguna manga: recupere el archivo de una copia de "
                     "la prueba.");
        return out;
    }
    const auto block = std::find_if(blocks.begin(), blocks.end(),
                                    [heat](const HeatBlock& b) { return b.header.heatNumber() == heat; });
    if (block == blocks.end()) return out;
    out.start = block->header.startTime();
    const int asked = comasMode() ? std::min<int>(-mode_, static_cast<int>(out.rows.size())) : 0;
    const int firstAsked = static_cast<int>(out.rows.size()) - asked;
    for (const HeatRecord& rec : block->rows) {
        const auto row = std::find_if(out.rows.begin(), out.rows.end(),
                                      [&rec](const CorregirRow& r) { return r.lane == rec.lane; });
        if (row == out.rows.end() || rec.participant < 1) continue;
        const auto slot = static_cast<std::size_t>(rec.participant);
        row->EQ = slot < state_.Participants.size() ? state_.Participants[slot] : "";
        if (comasMode()) {
            row->NV = wholeLaps(rec.heatLaps);
        } else {
            row->NV = lapsShown(rec.heatLaps, t);
            row->VR = FormatNumber(rec.bestLap, kLapTimeMask);
        }
        // A slot without a name counts for no one, so it has nothing to correct.
        row->enabled = !blank(row->EQ) && (!comasMode() || row - out.rows.begin() >= firstAsked);
    }
    return out;
}

CorregirRow* Corregir::rowOfLane(int lane) {
    const auto row =
        std::find_if(rows.begin(), rows.end(), [lane](const CorregirRow& r) { return r.lane == lane; });
    return row == rows.end() ? nullptr : &*row;
}

int Corregir::nextEnabledRow(int row) const {
    for (int i = std::max(row + 1, 0); i < static_cast<int>(rows.size()); ++i)
        if (rows[static_cast<std::size_t>(i)].enabled) return i;
    return -1;
}

// ---- editing -------------------------------------------------------------------

void Corregir::Box_GotFocus(int row) {
    if (row < 0 || row >= static_cast<int>(rows.size())) return;
    focusRow = row;
    VR_Change(row);
}

void Corregir::NV_LostFocus(int row) {
    if (row < 0 || row >= static_cast<int>(rows.size())) return;
    std::string& nv = rows[static_cast<std::size_t>(row)].NV;
    std::string text = nv;
    const double laps = ParseNumber(text);
    nv = comasMode() ? wholeLaps(laps) : lapsShown(laps, state_.Track);
}

void Corregir::VR_LostFocus(int row) {
    if (row < 0 || row >= static_cast<int>(rows.size())) return;
    std::string& vr = rows[static_cast<std::size_t>(row)].VR;
    if (comasMode()) {
        vr = ComaText(vr, state_.Track);
    } else {
        std::string text = vr;
        const double lap = ParseNumber(text);
        vr = FormatNumber(lap < state_.Track.MinLapTime || lap < 0 ? 0.0 : lap, kLapTimeMask);
    }
    VR_Change(row);
}

void Corregir::VR_Change(int row) {
    if (!comasMode() || row != focusRow) return;
    picture = ComaPicture(state_.AppFolder, rows[static_cast<std::size_t>(row)].VR);
}

// Comas only: the best-lap boxes of a correction take no coma.
void Corregir::GraficComes_Click(int x, int y) {
    picked_ = false;
    if (!comasMode() || focusRow < 0 || !rows[static_cast<std::size_t>(focusRow)].enabled) return;
    const auto coma = ComaAtPixel(InfografFile(state_.AppFolder, kPixelTable), x, y);
    if (!coma) return;
    rows[static_cast<std::size_t>(focusRow)].VR = ComaText(*coma, state_.Track);
    picked_ = true;
    VR_Change(focusRow);
}

void Corregir::GraficComes_DblClick(int x, int y) {
    GraficComes_Click(x, y);
    if (!picked_) return;
    const int next = nextEnabledRow(focusRow);
    if (next >= 0)
        Box_GotFocus(next);
    else
        Sortir_Click(1);
}

void Corregir::Sortir_Click(int index) {
    if (index == 1 && !CorregirClass()) return;  // told; the window stays for another try
    saved = index == 1;
    closed = true;
}

// ---- proposed comas ------------------------------------------------------------

void Corregir::CalcularComes() {
    const auto closing = HeatClosingRecord(readLapRecords(seriesFile(".VAV")), SelectedHeat());
    if (!closing) return;
    const Grid& g = live_.InfoClass;
    for (CorregirRow& row : rows) {
        if (!row.enabled) continue;
        int r = 1;
        while (r < g.Rows() && num(g, r, kLane) != row.lane) ++r;
        if (r >= g.Rows()) continue;
        ComaTiming timing;
        timing.heatDuration = closing->lapTime;
        // The live keys hold times of day; the closing record counts from the heat start.
        timing.lastPassSeconds = SecondsSinceHeatStart(-num(g, r, kSeriesKey), heatStart_);
        timing.completedLaps = -num(g, r, kHeatKey1);
        timing.firstToLast = num(g, r, kHeatKey2);
        timing.bestLap = num(g, r, kHeatBest);
        if (const auto coma = ProposedComa(timing, state_.Track.PartialCount, state_.Track.PartialStep))
            row.VR = ComaText(std::to_string(*coma), state_.Track);
    }
}

// ---- saving --------------------------------------------------------------------

void Corregir::correct(HeatRecord& record) {
    const CorregirRow* row = rowOfLane(record.lane);
    if (row == nullptr || !row->enabled) return;  // no values here: the stored ones stay
    std::string laps = row->NV;
    if (comasMode()) {
        record.heatLaps = static_cast<float>(std::floor(std::max(ParseNumber(laps), 0.0)) +
                                             ComaFraction(row->VR, state_.Track));
        return;
    }
    std::string best = row->VR;
    const double lap = ParseNumber(best);
    record.heatLaps = static_cast<float>(std::max(ParseNumber(laps), 0.0));
    record.bestLap = lap < state_.Track.MinLapTime || lap < 0 ? 0.0f : static_cast<float>(lap);
}

bool Corregir::CorregirClass() {
    const int heat = SelectedHeat();
    if (heat < 1) return false;
    const auto file = seriesFile(".DAD");
    const std::string shown = ShownFileName(file);
    RecomputedSeries series;
    try {
        series = RecomputeSeries(state_, prompter_, readFileOrThrow(file), file, static_cast<int16_t>(heat),
                                 state_.CurrentHeat, [this](HeatRecord& rec) { correct(rec); });
    } catch (const FileError& e) {
        warn(FileFaultText(0, e) + "\nNo s'ha corregit res: recupereu l'arxiu d'una còpia de la prova.",
             FileFaultText(1, e) +
                 "\nNo se ha corregido nada: recupere el archivo de una copia de la prueba.");
        return false;
    }
    if (series.fault != RecomputeFault::None) {
        const int missing = series.fault == RecomputeFault::HeatMissing ? heat : heat - 1;
        warn("L'arxiu " + shown + " no té la màniga " + std::to_string(missing) + ": no s'ha corregit res.",
             "El archivo " + shown + " no tiene la manga " + std::to_string(missing) +
                 ": no se ha corregido nada.");
        return false;
    }
    if (!writeFileAtomic(file, series.data)) {
        warn(
            "No s'ha pogut gravar l'arxiu " + shown +
                ": la correcció no s'ha desat i l'arxiu queda com estava. Comproveu que el disc no estigui "
                "ple ni protegit i torneu a gravar.",
            "No se ha podido grabar el archivo " + shown +
                ": la corrección no se ha guardado y el archivo queda como estaba. Compruebe que el disco no "
                "esté lleno ni protegido y vuelva a grabar.");
        return false;
    }
    liveStore_.CarregarClass();
    return true;
}

// ---- diagnostic export ------------------------------------------------------------

bool Corregir::ExportarComes() {
    std::string race;
    try {
        race = readRaceHeader(state_.inWorkingFolder(kRaceHeaderFileName)).name;
    } catch (const FileError&) {
    }  // the line is still worth writing without it
    race = race.substr(0, race.find(' '));
    const auto lapFile = readLapRecords(seriesFile(".VAV"));
    const int laneCount = state_.Track.LaneCount;
    std::vector<ComaExportLine> lines;
    for (int h = laneCount; h <= state_.ParticipantCount && h <= state_.CurrentHeat; ++h) {
        const auto closing = HeatClosingRecord(lapFile, h);
        if (!closing) continue;
        const auto records = HeatLapRecords(lapFile, h);
        const std::vector<CorregirRow> shown = h == SelectedHeat() ? rows : heatRows(h).rows;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const CorregirRow& row = shown[i];
            const bool concerned = h == state_.ParticipantCount || static_cast<int>(i) + 1 == laneCount;
            if (!concerned || blank(row.EQ)) continue;
            lines.push_back(ComaExportLine{race, h, row.lane, row.EQ, row.VR, row.NV,
                                           WrapDay(closing->lapTime), LaneTimingOf(records, row.lane),
                                           state_.Track.PartialCount, state_.Track.PartialStep});
        }
    }
    if (AppendComaExport(state_.inAppFolder(kComaExportName), lines)) return true;
    warn(std::string("No s'ha pogut escriure a l'arxiu ") + kComaExportName + ".",
         std::string("No se ha podido escribir en el archivo ") + kComaExportName + ".");
    return false;
}

}  // namespace sc
