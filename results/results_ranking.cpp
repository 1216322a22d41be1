// Filtering and ranking of the results table: the four criteria, gaps over the
// visible rows and position labels that repeat on a tie.
#include <algorithm>
#include <cctype>

#include "core/laps_format.h"
#include "core/number_format.h"
#include "results/results_table.h"

namespace sc {

namespace {

std::string TrimmedUpper(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    std::string out =
        first == std::string_view::npos ? "" : std::string(text.substr(first, last - first + 1));
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

constexpr double kNoFastestLap = 99.9999;

struct CriterionColumns {
    int value;
    bool laps;  // laps ordering with the key in value + 1; else numeric on value..value + 1
};

CriterionColumns columnsOf(Criterion c) {
    switch (c) {
        case Criterion::TotalLaps:
            return {rc::TotalLaps, true};
        case Criterion::HeatLaps:
            return {rc::HeatLaps, true};
        case Criterion::HeatFastestLap:
            return {rc::HeatFastest, false};
        default:
            return {rc::Fastest, false};
    }
}

}  // namespace

bool Resultats::Passes(int row) const {
    const Grid& g = LlistaVoltes;
    if (Participant.selected > 0 && Participant.selected < Participant.count() &&
        TrimmedUpper(g.TextMatrix(row, rc::Name)) != TrimmedUpper(Participant.items[Participant.selected]))
        return false;
    const std::pair<const FilterList*, int> numeric[] = {{&EqSerie, rc::Series},
                                                         {&EqDorsal, rc::Number},
                                                         {&Passada, rc::Pass},
                                                         {&Pista, rc::Lane},
                                                         {&Manigues, rc::Heat}};
    for (const auto& [list, col] : numeric)
        if (list->active() && g.Number(row, col) != list->value()) return false;
    // No laps and no fastest lap: the participant has not run yet. A missing
    // fastest lap shows as 99.9999, so the placeholder counts as none; the laps
    // are those before the penalty, which would make them negative.
    const double fastest = g.Number(row, rc::Fastest);
    const double laps = g.Number(row, rc::TotalLaps) + g.Number(row, rc::Penalty);
    return !(laps == 0 && (fastest == 0 || fastest == kNoFastestLap));
}

void Resultats::Filtrar() {
    LlistaVoltes.SetRedraw(false);
    for (int row = 1; row < LlistaVoltes.Rows(); ++row)
        LlistaVoltes.SetRowHeight(row, Passes(row) ? kShownRowHeight : 0);
    Rank();
    LlistaVoltes.SetRedraw(true);
}

void Resultats::ParticipantChosen(int position) {
    Participant.selected = position >= 0 && position < Participant.count() ? position : 0;
    EqDorsal.selected = Participant.selected;
    Filtrar();
}

void Resultats::DorsalChosen(int position) { ParticipantChosen(position); }

void Resultats::CriteriOrdre_Click(Criterion criteri) {
    criterion = criteri;
    LlistaVoltes.SetRedraw(false);
    Rank();
    LlistaVoltes.SetRedraw(true);
}

void Resultats::Rank() {
    Grid& g = LlistaVoltes;
    for (int col : {rc::TotalLaps, rc::Fastest, rc::HeatLaps, rc::HeatFastest, rc::Penalty})
        g.SetColWidth(col, 0);
    for (int col : {rc::TotalKey, rc::FastestKey, rc::HeatLapsKey, rc::HeatFastestKey}) g.SetColWidth(col, 0);
    const CriterionColumns cols = columnsOf(criterion);
    if (cols.laps) {
        const int k = cols.value;
        // More laps first; on equal laps the greater key (minus the earlier time of day).
        g.SortCustom([&g, k](int a, int b) {
            for (int col : {k, k + 1}) {
                const double x = g.Number(a, col), y = g.Number(b, col);
                if (x != y) return x > y ? -1 : 1;
            }
            return 0;
        });
    } else {
        g.SortNumericAscending(cols.value, cols.value + 1);
    }
    g.SetColWidth(cols.value, kValueWidth);
    if (criterion == Criterion::TotalLaps && hasPenalties) g.SetColWidth(rc::Penalty, kPenaltyWidth);
    LabelAndGaps(cols.value);
}

void Resultats::LabelAndGaps(int valueCol) {
    Grid& g = LlistaVoltes;
    const bool laps = columnsOf(criterion).laps;
    // A fractional penalty on a track without comas: gaps keep the half lap.
    TrackConfig track = source_.track;
    if (hasPenalties && track.ComaFormat == "0") track.ComaFormat = "0.0###";
    auto gap = [&](int other, int row) {
        if (!laps) return FormatNumber(g.Number(row, valueCol) - g.Number(other, valueCol), "+0.0000");
        return GapText(g.TextMatrix(other, valueCol), g.TextMatrix(row, valueCol),
                       g.TextMatrix(other, valueCol + 1), g.TextMatrix(row, valueCol + 1), track,
                       state_.Msg[0][0], state_.Msg[0][1]);
    };
    int p = 0, leader = 0, previous = 0;
    std::string label;
    for (int row = 1; row < g.Rows(); ++row) {
        if (g.RowHidden(row)) {
            for (int col : {rc::Position, rc::GapFirst, rc::GapPrevious}) g.SetTextMatrix(row, col, "");
            continue;
        }
        ++p;
        if (p == 1) {
            leader = row;
            g.SetTextMatrix(row, rc::GapFirst, "");
        } else {
            g.SetTextMatrix(row, rc::GapFirst, gap(leader, row));
        }
        g.SetTextMatrix(row, rc::GapPrevious, p >= 3 ? gap(previous, row) : "");
        const bool ownLabel =
            p == 1 || g.Number(row, rc::GapPrevious) != 0 || (p == 2 && g.Number(row, rc::GapFirst) != 0);
        if (ownLabel) label = FormatNumber(p, "#") + ".-";
        g.SetTextMatrix(row, rc::Position, label);
        previous = row;
    }
}

std::vector<int> Resultats::VisibleRows() const {
    std::vector<int> rows;
    for (int row = 1; row < LlistaVoltes.Rows(); ++row)
        if (!LlistaVoltes.RowHidden(row)) rows.push_back(row);
    return rows;
}

}  // namespace sc
