#include "results/lap_listing.h"

#include <algorithm>
#include <set>

#include "core/cp1252.h"
#include "core/file_error.h"
#include "core/file_io.h"
#include "core/number_format.h"
#include "core/race_store.h"
#include "core/record_file.h"

namespace sc {
namespace fs = std::filesystem;

namespace {

constexpr const char* kHeader =
    "|^Ser.|Dor.|<Participant|^Psd.|^Pst.|^Mng.|^Vlt. nº|HdP|>Temps|HdP|>T. de màniga";
constexpr int kHiddenKeyWidth = 0;
constexpr int kPauseLane = -1;

bool storesLaps(int modality) { return modality >= static_cast<int>(Modality::OfficialPractice); }

}  // namespace

std::vector<LapHeat> walkLapHeats(const std::vector<LapRecord>& records) {
    std::vector<LapHeat> heats;
    const std::size_t n = records.size();
    for (std::size_t i = 0; i < n;) {
        const LapRecord& header = records[i];
        if (header.lane != 0 || header.number < 0) {
            ++i;  // not where a header belongs: look for the next one
            continue;
        }
        // The header counts itself and the heat's records; the end record follows
        // them. A running heat's header counts 0: its records run to the end.
        const std::size_t count = static_cast<std::size_t>(header.number);
        const std::size_t end = count > 0 ? std::min(i + count, n) : n;
        LapHeat heat{static_cast<int>(header.lapTime), header.passTime, {}};
        for (std::size_t j = i + 1; j < end; ++j)
            if (records[j].lane != 0) heat.records.push_back(records[j]);
        heats.push_back(std::move(heat));
        i = count > 0 ? i + count + 1 : n;
    }
    return heats;
}

LlistarVoltes::LlistarVoltes(const RaceState& state, SeriesFolder source)
    : LlistaVoltes(1, lc::Count, 1, 0), state_(state), source_(std::move(source)) {
    LlistaVoltes.SetFormatString(kHeader);
    for (int col : {lc::PassKey, lc::TimeKey}) LlistaVoltes.SetColWidth(col, kHiddenKeyWidth);
}

int LlistarVoltes::SelectedSeries() const {
    return Serie.selected >= 0 && Serie.selected < Serie.count()
               ? static_cast<int>(ReadNumber(Serie.items[Serie.selected]))
               : 1;
}

fs::path LlistarVoltes::File() const {
    return storesLaps(source_.modality) ? source_.file(SelectedSeries(), ".VAV")
                                        : source_.folder / kLapLogFileName;
}

void LlistarVoltes::Load(int series, int heat) {
    Serie.items.clear();
    const int count = storesLaps(source_.modality) ? state_.SeriesCount[source_.modality] : 1;
    for (int s = 1; s <= count; ++s) Serie.items.push_back(FormatNumber(s, "0"));
    Serie.selected = std::clamp(series, 1, std::max(count, 1)) - 1;
    ReadFile();
    // The heat list has no "all" entry.
    const auto at = std::find(Manigues.items.begin(), Manigues.items.end(), FormatNumber(heat, "0"));
    if (at != Manigues.items.end()) Manigues.selected = static_cast<int>(at - Manigues.items.begin());
    NetejarLlistats();
    CarregarLlistats();
}

void LlistarVoltes::ReadFile() {
    heats_.clear();
    names_.clear();
    problem.clear();
    try {
        heats_ = walkLapHeats(readLapRecords(File()));
        if (!storesLaps(source_.modality))
            names_.assign(state_.Participants.begin() + 1, state_.Participants.end());
        else if (const fs::path par = source_.file(SelectedSeries(), ".PAR"); fs::exists(par))
            names_ = readParticipantList(par).names;
    } catch (const FileError& e) {
        problem = e.describe();
    }
    heatsPerPass_ = std::max(static_cast<int>(names_.size()), static_cast<int>(source_.track.LaneCount));
    Manigues.items.clear();
    for (const auto& h : heats_) Manigues.items.push_back(FormatNumber(h.heat, "0"));
    Manigues.selected = Manigues.count() - 1;
}

void LlistarVoltes::NetejarLlistats() {
    LlistaVoltes.SetRows(1);
    readings = 0;
    heatStart.clear();
    Participant.reset(AllEntry(state_, AllWord::Tots));
    EqDorsal.reset("0");
    Pista.reset(AllEntry(state_, AllWord::Totes));
    Passada.reset(AllEntry(state_, AllWord::Totes));
}

void LlistarVoltes::CarregarLlistats() {
    if (Manigues.selected < 0 || Manigues.selected >= static_cast<int>(heats_.size())) return;
    LlistaVoltes.SetRedraw(false);
    const LapHeat& heat = heats_[Manigues.selected];
    heatStart = FormatTimeOfDay(heat.start, kLongTimeMask);
    AddRows(heat);
    AddParticipants(LlistaVoltes, lc::Number, lc::Name, Participant, EqDorsal);
    AddValues(LlistaVoltes, lc::Lane, Pista);
    AddValues(LlistaVoltes, lc::Pass, Passada);
    CriteriOrdre_Click(order);
    LlistaVoltes.SetRedraw(true);
}

void LlistarVoltes::AddRows(const LapHeat& heat) {
    const std::string series = FormatNumber(SelectedSeries(), "#");
    const int pass = heat.heat >= 1 && heatsPerPass_ > 0 ? (heat.heat - 1) / heatsPerPass_ + 1 : 0;
    for (const LapRecord& r : heat.records) {
        if (r.lane == 0 || r.extra1 != 0) continue;  // SuperPole sensor records are not passes
        const bool pause = r.lane == kPauseLane;
        const int p = r.participant;
        const std::string fields[lc::Count] = {
            "",
            series,
            FormatNumber(p, "#"),
            p >= 1 && p <= static_cast<int>(names_.size()) ? names_[p - 1] : "",
            FormatNumber(pass, "#"),
            FormatNumber(r.lane, "0"),
            FormatNumber(heat.heat, "0"),
            FormatNumber(r.number, "0"),
            FormatNumber(r.passTime, "0.0000"),
            pause ? FormatTimeOfDay(r.lapTime, kLongTimeMask) : FormatNumber(r.lapTime, "0.0000"),
            FormatNumber(r.passTime, "0.0000"),
            FormatTimeOfDay(r.passTime, kLongTimeMask)};
        std::string tabbed;
        for (int c = 0; c < lc::Count; ++c) tabbed += (c ? "\t" : "") + fields[c];
        LlistaVoltes.AddItem(tabbed);
    }
}

void LlistarVoltes::CriteriOrdre_Click(Order k) {
    order = k;
    LlistaVoltes.SetRedraw(false);
    switch (k) {
        case Order::LapTime:
            LlistaVoltes.SortNumericAscending(lc::LapTime, lc::TimeKey);
            break;
        case Order::HeatTime:
            LlistaVoltes.SortNumericAscending(lc::TimeKey, lc::TimeKey);
            break;
        default:
            LlistaVoltes.SortNumericAscending(lc::Lap, lc::PassKey);
            break;
    }
    Filtrar();
    LlistaVoltes.SetRedraw(true);
}

void LlistarVoltes::Filtrar() {
    const std::pair<const FilterList*, int> filters[] = {
        {&EqDorsal, lc::Number}, {&Pista, lc::Lane}, {&Passada, lc::Pass}};
    for (int row = 1; row < LlistaVoltes.Rows(); ++row) {
        bool shown = true;
        for (const auto& [list, col] : filters)
            if (list->active() && LlistaVoltes.Number(row, col) != list->value()) shown = false;
        LlistaVoltes.SetRowHeight(row, shown ? Grid::kDefaultRowHeight : 0);
    }
    Number();
}

void LlistarVoltes::Number() {
    readings = 0;
    for (int row = 1; row < LlistaVoltes.Rows(); ++row)
        LlistaVoltes.SetTextMatrix(row, lc::Position,
                                   LlistaVoltes.RowHidden(row) ? "" : FormatNumber(++readings, "#") + ".-");
}

void LlistarVoltes::SerieChosen(int position) {
    if (position < 0 || position >= Serie.count()) return;
    Serie.selected = position;
    ReadFile();
    NetejarLlistats();
    CarregarLlistats();
}

void LlistarVoltes::HeatChosen(int position) {
    if (position < 0 || position >= Manigues.count()) return;
    Manigues.selected = position;
    NetejarLlistats();
    CarregarLlistats();
}

void LlistarVoltes::ParticipantChosen(int position) {
    Participant.selected = position >= 0 && position < Participant.count() ? position : 0;
    EqDorsal.selected = Participant.selected;
    Filtrar();
}

WriteResult LlistarVoltes::Exportar() {
    const int shown = Manigues.selected;
    std::string text;
    for (int h = 0; h < Manigues.count(); ++h) {
        HeatChosen(h);
        for (int row = 1; row < LlistaVoltes.Rows(); ++row) {
            if (LlistaVoltes.TextMatrix(row, lc::Name).empty()) continue;
            std::string line;
            for (int col : {lc::Name, lc::Lane, lc::Heat, lc::Lap, lc::LapTime, lc::TimeKey, lc::HeatTime})
                line += (line.empty() ? "" : ";") + LlistaVoltes.TextMatrix(row, col);
            text += line + "\r\n";
        }
    }
    HeatChosen(shown);
    const auto ansi = utf8ToCp1252(text);
    return writeFileAtomic(File().parent_path() / kLapExportFileName, ansi ? *ansi : text);
}

}  // namespace sc
