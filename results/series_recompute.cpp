#include "results/series_recompute.h"

#include <algorithm>
#include <vector>

#include "core/number_format.h"
#include "core/record_file.h"
#include "standings/classification_columns.h"
#include "standings/heat_results_store.h"
#include "standings/standings_engine.h"

namespace sc {

using namespace cls;

namespace {

// The running standings of every participant 1..n.
struct Totals {
    std::vector<double> laps, fastest;
    std::vector<int16_t> lane;
    explicit Totals(int n) : laps(static_cast<std::size_t>(n) + 1), fastest(laps.size()), lane(laps.size()) {}

    bool holds(int p) const { return p >= 1 && p < static_cast<int>(laps.size()); }
    void load(const HeatBlock& block) {
        for (const HeatRecord& rec : block.rows) {
            if (!holds(rec.participant)) continue;
            const auto p = static_cast<std::size_t>(rec.participant);
            laps[p] = rec.totalLaps;
            fastest[p] = rec.fastestLap;
            lane[p] = rec.fastestLane;
        }
    }
    void add(HeatRecord& rec) {
        if (!holds(rec.participant)) return;
        const auto p = static_cast<std::size_t>(rec.participant);
        laps[p] += rec.heatLaps;
        if (rec.bestLap > 0 && (fastest[p] == 0 || fastest[p] > rec.bestLap)) {
            fastest[p] = rec.bestLap;
            lane[p] = rec.lane;
        }
        rec.totalLaps = static_cast<float>(laps[p]);
        rec.fastestLap = static_cast<float>(fastest[p]);
        rec.fastestLane = lane[p];
    }
};

const HeatBlock* blockOf(const std::vector<HeatBlock>& blocks, int heat) {
    const auto found = std::find_if(blocks.begin(), blocks.end(),
                                    [heat](const HeatBlock& b) { return b.header.heatNumber() == heat; });
    return found == blocks.end() ? nullptr : &*found;
}

// The heat keys the ranking needs, rebuilt from the stored heat: laps in the
// race, the best lap in official practice. A SuperPole time in col 16 stays.
void rebuildHeatKeys(Grid& g, int row, int16_t modality) {
    const int first = modality == static_cast<int16_t>(Modality::SuperPole) ? kHeatKey1 : kHeatPosition;
    for (int col = first; col <= kHeatKey2; ++col) g.SetTextMatrix(row, col, "");
    if (modality == static_cast<int16_t>(Modality::OfficialPractice) && !blank(g.TextMatrix(row, kHeatBest)))
        g.SetTextMatrix(row, kHeatKey1, g.TextMatrix(row, kHeatBest));
    if (modality == static_cast<int16_t>(Modality::Race) && num(g, row, kHeatLaps) >= 2)
        g.SetTextMatrix(row, kHeatKey1, Str(-(num(g, row, kHeatLaps) - 1)));
}

}  // namespace

RecomputedSeries RecomputeSeries(RaceState& state, Prompter& prompter, const Bytes& heatFile,
                                 const std::filesystem::path& file, int16_t heat, int16_t lastHeat,
                                 const HeatCorrection& correct) {
    RecomputedSeries out{RecomputeFault::None, heatFile};
    const std::vector<HeatBlock> blocks = walkHeatBlocks(heatFile, file);
    const HeatBlock* corrected = blockOf(blocks, heat);
    if (corrected == nullptr) return {RecomputeFault::HeatMissing, {}};
    Totals totals(state.ParticipantCount);
    if (heat > 1) {
        const HeatBlock* before = blockOf(blocks, heat - 1);
        if (before == nullptr) return {RecomputeFault::PreviousHeatMissing, {}};
        totals.load(*before);
    }

    // A table of its own: the live one is rebuilt from the file afterwards.
    StandingsEngine engine(state);
    HeatResultsStore rows(state, engine, prompter);
    Grid& g = engine.InfoClass;
    for (auto b = blocks.begin() + (corrected - blocks.data()); b != blocks.end(); ++b) {
        if (b->header.heatNumber() > lastHeat || b->header.heatNumber() < heat) break;
        const int n = static_cast<int>(b->rows.size());
        g.SetRows(n + 1);
        if (n == 0) continue;
        g.Select(1, 0, n, g.Cols() - 1);
        g.SetText("");
        g.SetCellPicture(false);
        for (int j = 1; j <= n; ++j) {
            HeatRecord rec = b->rows[static_cast<std::size_t>(j - 1)];
            if (b->header.heatNumber() == heat) correct(rec);
            totals.add(rec);
            rows.Registre = rec;
            rows.FilaDesDeRegistre(static_cast<int16_t>(j));
            rebuildHeatKeys(g, j, state.CurrentModality);
        }
        engine.OrdenarClass();
        for (int j = 1; j <= n; ++j) {
            rows.RegistreDesDeFila(static_cast<int16_t>(j));
            const Bytes bytes = encodeHeatRecord(rows.Registre);
            const std::size_t offset = (b->record + static_cast<std::size_t>(j) - 1) * kHeatRecordSize;
            std::copy(bytes.begin(), bytes.end(), out.data.begin() + static_cast<std::ptrdiff_t>(offset));
        }
    }
    return out;
}

}  // namespace sc
