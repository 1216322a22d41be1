// Ranking of the live classification: heat positions, series order,
// positions with their change colours, gaps and follow-the-car scrolling.
#include <algorithm>
#include <vector>

#include "core/laps_format.h"
#include "core/number_format.h"
#include "standings/classification_columns.h"
#include "standings/gap_memo.h"
#include "standings/standings_engine.h"
#include "standings/voltaavolta.h"

namespace sc {

using namespace cls;

namespace {

constexpr int kFollowWindow = 15;  // rows below the first visible one that still count as seen
constexpr int kFollowMargin = 8;   // rows shown above the followed car

int raceOrder(double laps1, double key1, double laps2, double key2) {
    if (laps1 != laps2) return laps1 > laps2 ? -1 : 1;
    if (key1 != key2) return key1 > key2 ? -1 : 1;
    return 0;
}

// The gap of row r to row ref, remembered: it rarely changes between passings.
const std::string& gapText(const Grid& g, GapMemo& memo, const RaceState& state, int r, int ref,
                           GapSlot slot) {
    if (state.CurrentModality == static_cast<int16_t>(Modality::Race)) {
        const std::string &refLaps = g.TextMatrix(ref, kLaps), &laps = g.TextMatrix(r, kLaps);
        const std::string &refKey = g.TextMatrix(ref, kSeriesKey), &key = g.TextMatrix(r, kSeriesKey);
        return memo.Text(r, slot, {refLaps, laps, refKey, key},
                         [&] { return GapText(refLaps, laps, refKey, key, state); });
    }
    const std::string &refBest = g.TextMatrix(ref, kFastest), &best = g.TextMatrix(r, kFastest);
    return memo.Text(r, slot, {refBest, best, {}, {}},
                     [&] { return FormatNumber(num(g, r, kFastest) - num(g, ref, kFastest), kGapMask); });
}

}  // namespace

void StandingsEngine::OrdenarClass() {
    InfoClass.SetRedraw(false);
    if (!isSuperPole()) rankHeatPositions();
    rankSeries();
    writePositionsAndGaps(orderChanged());
    if (InfoClass.Rows() > 1) {
        InfoClass.Select(1, kGapLeader, 1, kGapAhead);
        InfoClass.SetText("");
    }
    if (InfoClass.Rows() > 2) InfoClass.SetTextMatrix(2, kGapAhead, "");
    PintarClass();
    InfoClass.SetRedraw(true);
}

void StandingsEngine::rankHeatPositions() {
    Grid& g = InfoClass;
    const int n = rows();
    if (n < 1) return;
    g.SortNumericAscending(kHeatKey1, kHeatKey2);
    const bool official = modality() == static_cast<int16_t>(Modality::OfficialPractice);
    int skipped = 0;
    bool counting = true;
    for (int r = 1; r <= n; ++r) {
        std::string position;  // each cell written once: no change when it stays
        if (counting && num(g, r, kHeatKey1) != 0)
            position = std::to_string(r - skipped);
        else if (counting && official)
            ++skipped;
        else
            counting = false;  // a row without a key stands first: no positions yet
        g.SetTextMatrix(r, kHeatPosition, std::move(position));
    }
}

void StandingsEngine::rankSeries() {
    Grid& g = InfoClass;
    if (!isRace()) {
        g.SortNumericAscending(kSeriesKey, kFastestTime);
        return;
    }
    // Read the keys once: the sort compares rows many times.
    std::vector<double> laps(static_cast<std::size_t>(g.Rows())), keys(laps.size());
    for (int r = 1; r < g.Rows(); ++r) {
        laps[r] = num(g, r, kLaps);
        keys[r] = num(g, r, kSeriesKey);
    }
    g.SortCustom([&](int a, int b) { return raceOrder(laps[a], keys[a], laps[b], keys[b]); });
}

bool StandingsEngine::orderChanged() const {
    if (state_.HeatRunning == 0) return false;
    const Grid& g = InfoClass;
    for (int r = 1; r <= rows(); ++r) {
        const bool ranked = !g.TextMatrix(r, kPosition).empty() || num(g, r, kHeatLaps) >= 1;
        if (ranked && num(g, r, kPosition) != r) return true;
    }
    return false;
}

// Gaps are taken to the leader and to the ranked row above: a participant
// who has passed without a lap time yet stands first in practice and is
// neither of them.
void StandingsEngine::writePositionsAndGaps(bool changed) {
    const bool free = modality() == static_cast<int16_t>(Modality::FreePractice);
    const int valueCol = isRace() ? kLaps : kFastest;
    // Race gaps read the comas and the two suffixes; practice gaps only their mask.
    gaps_.SetContext(isRace() ? "race\n" + state_.Track.ComaFormat + "\n" + state_.Msg[0][0] + "\n" +
                                    state_.Msg[0][1]
                              : std::string("practice"));
    RankedRows ranked;
    for (int r = 1; r <= rows(); ++r) {
        if (changed || state_.HeatRunning == 0) InfoClass.SetCellBackColourAt(r, kPosition, kButtonFace);
        if (!free) writeRankedRow(r, changed, valueCol, ranked);
        followTheCar(r);
    }
}

void StandingsEngine::writeRankedRow(int r, bool changed, int valueCol, RankedRows& ranked) {
    Grid& g = InfoClass;
    if (num(g, r, valueCol) == 0) {
        for (int col : {kPosition, kGapLeader, kGapAhead}) g.SetTextMatrix(r, col, "");
        return;
    }
    const int leader = ranked.leader == 0 ? r : ranked.leader;
    const int above = ranked.previous == 0 ? r : ranked.previous;
    ranked.leader = leader;
    ranked.previous = r;
    if (changed && state_.HeatRunning != 0) {
        const std::string& old = g.TextMatrix(r, kPosition);
        const double oldPosition = num(g, r, kPosition);
        if (old.empty() || oldPosition > r)
            g.SetCellBackColourAt(r, kPosition, kLightGreen);
        else if (oldPosition < r)
            g.SetCellBackColourAt(r, kPosition, kLightRed);
    }
    g.SetTextMatrix(r, kPosition, std::to_string(r));
    // The leader shows no gaps; the second only its gap to the leader.
    const bool leads = leader == r, second = above == r || above == leader;
    g.SetTextMatrix(r, kGapLeader,
                    leads ? std::string() : gapText(g, gaps_, state_, r, leader, GapSlot::Leader));
    g.SetTextMatrix(r, kGapAhead,
                    second ? std::string() : gapText(g, gaps_, state_, r, above, GapSlot::Ahead));
}

void StandingsEngine::followTheCar(int r) {
    if (!view_ || !view_->ScrollVisible() || latestLane_ == 0) return;
    const bool free = modality() == static_cast<int16_t>(Modality::FreePractice);
    if (!free && state_.HeatRunning == 0) return;
    if (num(InfoClass, r, kLane) != latestLane_) return;
    const int top = InfoClass.TopRow();
    if (r < top || r > top + kFollowWindow) InfoClass.SetTopRow(std::max(1, r - kFollowMargin));
}

}  // namespace sc
