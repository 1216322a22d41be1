// Filling the results table from the series files: participants, penalties
// and the heat blocks of the heat file.
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "core/file_error.h"
#include "core/laps_format.h"
#include "core/number_format.h"
#include "core/penalty_file.h"
#include "core/race_store.h"
#include "core/record_file.h"
#include "results/results_laps.h"
#include "results/results_table.h"

namespace sc {
namespace fs = std::filesystem;

namespace {

constexpr const char* kHeader =
    "|^Ser.|Dor.|<Participant|^Psd.|^Pst.|^Mng.|>Total V.|HdP|>V. Ràpida|HdP|>V. parc.|HdP|"
    ">V.R. parc.|HdP|>Dif. Prm.|>Dif. Ant.|>Pen.";

std::string Fixed2(double value) { return FormatNumber(value, "0.00"); }
std::string Lap4(float value) { return FormatNumber(value, "0.0000;;99.9999"); }

// The text of minus the value shown: "12.50" gives "-12.50", "0.00" stays.
std::string Negated(const std::string& text) {
    if (text == "0.00") return text;
    return text[0] == '-' ? text.substr(1) : "-" + text;
}

}  // namespace

Resultats::Resultats(const RaceState& state, SeriesFolder source)
    : LlistaVoltes(1, rc::Count, 1, 0), state_(state), source_(std::move(source)) {
    LlistaVoltes.SetFormatString(kHeader);
    NetejarLlistats();
}

void Resultats::Load(int series) {
    EqSerie.reset(AllEntry(state_, AllWord::Totes));
    const int count =
        source_.modality >= 1 && source_.modality <= 4 ? state_.SeriesCount[source_.modality] : 0;
    for (int s = 1; s <= count; ++s) EqSerie.items.push_back(FormatNumber(s, "#"));
    EqSerie.selected = series >= 1 && series <= count ? series : 0;
    // The criterion of the modality, ranked once the rows are in.
    criterion =
        source_.modality == static_cast<int>(Modality::Race) ? Criterion::TotalLaps : Criterion::FastestLap;
    NetejarLlistats();
    CarregarLlistats();
}

void Resultats::NetejarLlistats() {
    LlistaVoltes.SetRows(1);
    hasPenalties = false;
    problems.clear();
    if (!source_.trackProblem.empty()) problems.push_back(source_.trackProblem);
    Participant.reset(AllEntry(state_, AllWord::Tots));
    EqDorsal.reset("0");
    Pista.reset(AllEntry(state_, AllWord::Totes));
    Passada.reset(AllEntry(state_, AllWord::Totes));
    Manigues.reset(AllEntry(state_, AllWord::Totes));
}

void Resultats::CarregarLlistats() {
    LlistaVoltes.SetRedraw(false);
    const int chosen = static_cast<int>(EqSerie.value());
    // Rows are gathered first and moved into the grid in one go.
    std::vector<Row> rows;
    for (int s = 1; s < EqSerie.count(); ++s)
        if (chosen == 0 || chosen == s) AddSeries(s, rows);
    Grid& g = LlistaVoltes;
    g.SetRows(1 + static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < rc::Count; ++c)
            if (!rows[r][c].empty()) g.SetTextMatrix(r + 1, c, std::move(rows[r][c]));
    FillFilterLists();
    Filtrar();
    LlistaVoltes.SetRedraw(true);
}

void Resultats::SeriesChosen(int position) {
    EqSerie.selected = position >= 0 && position < EqSerie.count() ? position : 0;
    NetejarLlistats();
    CarregarLlistats();
}

void Resultats::AddSeries(int series, std::vector<Row>& rows) {
    ParticipantList list;
    std::vector<HeatBlock> blocks;
    std::vector<PenaltyEntry> penalties;
    try {
        const fs::path par = source_.file(series, ".PAR");
        if (fs::exists(par)) list = readParticipantList(par);
        const fs::path pen = source_.file(series, ".PEN");
        if (fs::exists(pen)) penalties = readPenalties(pen);
        const fs::path dad = source_.file(series, ".DAD");
        if (fs::exists(dad)) blocks = readHeatBlocks(dad);
    } catch (const FileError& e) {
        problems.push_back(e.describe());
        return;
    }
    const int names = static_cast<int>(list.names.size());
    std::vector<float> penalty(names + 1, 0.0f);
    for (const auto& e : penalties)
        if (e.participant >= 1 && e.participant <= names) penalty[e.participant] += e.penalty;
    if (!penalties.empty()) hasPenalties = true;

    // Heats are grouped in passes of as many heats as the series has slots.
    const int heatsPerPass = std::max(names, static_cast<int>(source_.track.LaneCount));
    std::vector<int> heatsRun(names + 1, 0);
    const std::string seriesText = std::to_string(series);
    blocks.resize(countedHeatBlocks(blocks, list.heats));  // no cancelled heat
    for (const auto& block : blocks) {
        const int heat = block.header.heatNumber();
        const int pass = heat >= 1 && heatsPerPass > 0 ? (heat - 1) / heatsPerPass + 1 : 0;
        const std::string passText = pass > 0 ? std::to_string(pass) : "";  // the "#" mask
        for (const auto& r : block.rows) {
            const int p = r.participant;
            if (p < 1 || p > names || list.names[p - 1].empty()) continue;  // no name: left out
            ++heatsRun[p];
            const float heatKey = r.key2 != 0 ? r.key2 : r.passTime;
            Row& row = rows.emplace_back();
            row[rc::Series] = seriesText;
            row[rc::Number] = std::to_string(p);
            row[rc::Name] = list.names[p - 1];
            row[rc::Pass] = passText;
            row[rc::Lane] = std::to_string(r.lane);
            row[rc::Heat] = std::to_string(heatsRun[p]);
            row[rc::TotalLaps] = ResultsLapsText(r.totalLaps - penalty[p], source_.track);
            row[rc::FastestKey] = Fixed2(r.passTime);
            row[rc::TotalKey] = Negated(row[rc::FastestKey]);
            row[rc::Fastest] = Lap4(r.fastestLap);
            row[rc::HeatLaps] = ResultsLapsText(r.heatLaps, source_.track);
            row[rc::HeatFastestKey] = r.key2 != 0 ? Fixed2(heatKey) : row[rc::FastestKey];
            row[rc::HeatLapsKey] = Negated(row[rc::HeatFastestKey]);
            row[rc::HeatFastest] = Lap4(r.bestLap);
            if (penalty[p] != 0) row[rc::Penalty] = ResultsLapsText(penalty[p], source_.track);
        }
    }
}

void Resultats::FillFilterLists() {
    const Grid& g = LlistaVoltes;
    AddParticipants(g, rc::Number, rc::Name, Participant, EqDorsal);
    AddValues(g, rc::Lane, Pista);
    AddValues(g, rc::Pass, Passada);
    AddValues(g, rc::Heat, Manigues);
}

}  // namespace sc
