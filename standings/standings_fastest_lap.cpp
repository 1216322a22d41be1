// The absolute fastest lap of the modality (TaulaVR row 1), rebuilt from the
// heat files of every series.
#include "core/file_error.h"
#include "core/file_io.h"
#include "core/number_format.h"
#include "core/race_store.h"
#include "core/record_file.h"
#include "standings/classification_columns.h"
#include "standings/heat_results_store.h"
#include "standings/standings_engine.h"

namespace sc {

using namespace cls;

namespace {

struct FastestLap {
    double time = 0;  // as shown, "0.0000"
    std::string text, name;
    int participant = 0, lane = 0, series = 0;
};

// Blocks of heats that count: the cancelled heats' blocks that still lie
// in the file (beyond the heat counter) do not.
void scanSeries(const std::filesystem::path& par, const std::filesystem::path& dad, int series,
                FastestLap& best) {
    ParticipantList list;
    std::vector<HeatBlock> blocks;
    try {
        list = readParticipantList(par);
        blocks = readHeatBlocks(dad);
    } catch (const FileError&) {
        return;  // a damaged series gives no candidate; its own load reports it
    }
    blocks.resize(countedHeatBlocks(blocks, list.heats));
    for (const HeatBlock& block : blocks) {
        for (const HeatRecord& rec : block.rows) {
            const auto slot = static_cast<std::size_t>(rec.participant);
            // A lap of a slot without a name belongs to no one.
            if (!(rec.fastestLap > 0) || slot < 1 || slot > list.names.size() || blank(list.names[slot - 1]))
                continue;
            std::string text = FormatNumber(rec.fastestLap, kAbsoluteMask);
            const double shown = ReadNumber(text);
            if (!best.text.empty() && shown >= best.time) continue;  // ties keep the earlier
            best = {shown, std::move(text), list.names[slot - 1], rec.participant, rec.fastestLane, series};
        }
    }
}

}  // namespace

void HeatResultsStore::RebuildAbsoluteFastest() {
    Grid& vr = engine_.TaulaVR;
    vr.Select(1, 0, 1, vr.Cols() - 1);
    vr.SetText("");
    const int16_t m = state_.CurrentModality;
    if (m < 1 || m >= static_cast<int>(state_.SeriesCount.size())) return;
    FastestLap best;
    const std::string prefix = modalityPrefix(m);
    for (int s = 1; s <= state_.SeriesCount[static_cast<std::size_t>(m)]; ++s) {
        const std::string base = prefix + FormatNumber(s, "000");
        const auto par = state_.inWorkingFolder(base + ".PAR");
        if (fileExists(par)) scanSeries(par, state_.inWorkingFolder(base + ".DAD"), s, best);
    }
    if (best.text.empty()) return;
    vr.SetTextMatrix(1, kVrTime, best.text);
    vr.SetTextMatrix(1, kVrName, best.name);
    vr.SetTextMatrix(1, kVrNumber, std::to_string(best.participant));
    vr.SetTextMatrix(1, kVrLane, std::to_string(best.lane));
    vr.SetTextMatrix(1, kVrSeries, std::to_string(best.series));
}

}  // namespace sc
