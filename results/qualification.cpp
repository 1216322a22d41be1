#include "results/qualification.h"

#include <algorithm>
#include <set>
#include <utility>

#include "core/race_store.h"
#include "organisation/entrants.h"

namespace sc {

namespace {

constexpr int kRaceModality = 4;
constexpr int kAllSeries = 0;  // position of "Totes" in the results' series list
constexpr int kFirstSeries = 1;

using Names = std::vector<std::string>;

// Saves one series per column, in order; false at the first that failed.
bool AddColumns(RaceSeriesWriter& out, const std::vector<Names>& columns) {
    return std::all_of(columns.begin(), columns.end(), [&out](const Names& c) { return out.Add(c); });
}

}  // namespace

std::vector<int> FirstSeriesWalk(int n, int repechages) {
    std::vector<int> order;
    const bool fromEight = repechages <= 0 && n >= 8;
    int p = fromEight ? 8 : (n % 2 == 1 ? n : n - 1);
    int step = fromEight ? 2 : -2;
    for (int slot = 1; slot <= n; ++slot) {
        order.push_back(p);
        // The first test that matches p decides, even when its step condition fails.
        if (p == 1 || p == 2) {
            if (step == -2) {
                p = 1 - p;
                step = 2;
            }
        } else if (p == n - 1) {
            if (step == 2) {
                p += 3;
                step = -2;
            }
        } else if (p == n && step == 2) {
            p += 1;
            step = -2;
        }
        p += step;
    }
    return order;
}

int SnakeColumn(int index, int columns) {
    if (columns < 2) return 0;
    const int sweep = index / columns, position = index % columns;
    return sweep % 2 == 0 ? position : columns - 1 - position;
}

std::vector<RankedParticipant> RankedParticipants(const Resultats& results) {
    const Grid& g = results.LlistaVoltes;
    std::set<std::pair<int, int>> seen;
    std::vector<RankedParticipant> ranked;
    for (int row : results.VisibleRows()) {
        const int series = static_cast<int>(g.Number(row, rc::Series));
        const int number = static_cast<int>(g.Number(row, rc::Number));
        if (seen.emplace(series, number).second)
            ranked.push_back({series, number, g.TextMatrix(row, rc::Name)});
    }
    return ranked;
}

bool RaceSeriesWriter::Add(const std::vector<std::string>& names) {
    const int series = static_cast<int>(seriesList_.size()) + 1;
    const int16_t modality = state_.CurrentModality;
    state_.CurrentModality = kRaceModality;
    state_.CurrentSeries = static_cast<int16_t>(series);
    bool saved = false;
    {
        WorkingFolderGuard inRace(state_, state_.AppFolder / raceFolderName(state_.CurrentRace));
        Inscrits window(state_, prompter_);
        window.Load();
        window.NPilots = std::to_string(names.size());
        window.NPilots_Lostfocus();
        const int filled = std::min(static_cast<int>(names.size()), window.slotCount());
        for (int i = 1; i <= filled; ++i) window.NomPista[i] = names[i - 1];
        state_.CurrentHeat = 0;
        saved = window.Sortir_Click(1);
    }
    state_.CurrentModality = modality;
    if (saved) seriesList_.push_back(std::to_string(series));
    return saved;
}

QualificationStage AutoInscritsClass(const QualificationPlan& plan, Resultats& results,
                                     RaceSeriesWriter& out) {
    const auto ranked = RankedParticipants(results);
    Names names;
    for (int p : FirstSeriesWalk(static_cast<int>(ranked.size()), plan.repechages))
        names.push_back(ranked[p - 1].name);
    return out.Add(names) ? QualificationStage::FirstSeries : QualificationStage::None;
}

QualificationStage AutoInscritsRepes(const QualificationPlan& plan, Resultats& results,
                                     RaceSeriesWriter& out) {
    const int repechages = plan.repechages;
    if (repechages < 1) return QualificationStage::None;
    results.SeriesChosen(kFirstSeries);
    const auto ranked = RankedParticipants(results);
    // The direct qualifiers are passed over; the rest are dealt over the repechages.
    const int direct = std::max(2 * plan.laneCount - repechages, 0);
    std::vector<Names> columns(repechages);
    for (int i = direct; i < static_cast<int>(ranked.size()); ++i)
        columns[SnakeColumn(i - direct, repechages)].push_back(ranked[i].name);
    return AddColumns(out, columns) ? QualificationStage::Repechages : QualificationStage::None;
}

QualificationStage AutoInscritsSemis(const QualificationPlan& plan, Resultats& results,
                                     RaceSeriesWriter& out) {
    const int places = std::max(2 * plan.laneCount, plan.directPlaces);
    const int direct = places - plan.repechages;
    Names taken;
    results.SeriesChosen(kFirstSeries);
    for (const auto& p : RankedParticipants(results)) {
        if (static_cast<int>(taken.size()) >= direct) break;
        taken.push_back(p.name);
    }
    // Each repechage's best, the winners in their overall order.
    results.SeriesChosen(kAllSeries);
    std::vector<bool> open(plan.repechages + 1, true);
    for (const auto& p : RankedParticipants(results)) {
        const int repechage = p.series - 1;
        if (repechage < 1 || repechage > plan.repechages || !open[repechage]) continue;
        open[repechage] = false;
        taken.push_back(p.name);
    }
    std::vector<Names> semis(2);
    for (int i = 0; i < static_cast<int>(taken.size()); ++i) semis[SnakeColumn(i, 2)].push_back(taken[i]);
    return AddColumns(out, semis) ? QualificationStage::SemiFinals : QualificationStage::None;
}

QualificationStage AutoInscritsFinal(const QualificationPlan& plan, Resultats& results,
                                     RaceSeriesWriter& out) {
    results.SeriesChosen(kAllSeries);
    // Half the lanes each: with an odd count the quota 3.5 lets one semi-final give a fourth.
    double quota[2] = {plan.laneCount / 2.0, plan.laneCount / 2.0};
    Names finalists;
    for (const auto& p : RankedParticipants(results)) {
        if (static_cast<int>(finalists.size()) >= plan.laneCount) break;
        const int semi = p.series - 1 - plan.repechages;
        if (semi < 1 || semi > 2 || quota[semi - 1] <= 0) continue;
        quota[semi - 1] -= 1;
        finalists.push_back(p.name);
    }
    return out.Add(finalists) ? QualificationStage::Final : QualificationStage::None;
}

}  // namespace sc
