#include "output/text_export.h"

#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "core/number_format.h"
#include "localisation/language_tables.h"
#include "organisation/race_manager.h"
#include "output/race_results_state.h"
#include "output/report_heading.h"
#include "results/results_laps.h"
#include "results/results_table.h"

namespace sc {
namespace fs = std::filesystem;

namespace {

// Msg(9, item) of the export window: section and table titles, the caption.
constexpr int kQuadrants = 0, kAfterHeat = 1, kAfterHeatLapsTable = 2, kAfterHeatFastestTable = 3;
constexpr int kLane = 4, kLaneTable = 5, kHeat = 6, kHeatTable = 7, kParticipant = 8, kAllHeats = 9;
constexpr int kExporting = 15, kCancelled = 17;
// The title of section s (1..6) in the progress line.
constexpr int kSectionTitle[] = {0, kQuadrants, kAfterHeat, kLane, kHeat, kParticipant, kAllHeats};
constexpr const char* kEol = "\r\n";

// The number-printing form: a blank for the sign before, a blank after.
std::string printed(double value) { return Str(value) + " "; }

// A participant of the loaded series: its series and number.
using Person = std::pair<int, int>;

// What the classification lines show after the position.
enum class ListKind { ByHeat, ByLane, ByParticipant, AllHeats };

struct PositionTable {
    std::vector<std::string> columns;                    // header cells after "Participant"
    std::map<Person, std::string> names;                 // every participant, by series and number
    std::map<Person, std::map<int, std::string>> noted;  // positions by column
};

class TextExport {
public:
    TextExport(const RaceState& state, bool separate, const ArchiveListener& listener)
        : state_(state), separate_(separate), listener_(listener) {}

    std::string run(const RaceHeader& race) {
        labels_.InfoArxiu = msg(kExporting) + " " + race.name + " (" + race.date + ")";
        labels_.files = kTextExportSteps;
        show();
        for (int m = 2; m <= 4; ++m)
            if (state_.SeriesCount[m] > 0) modality(m);
        return std::move(out_);
    }

private:
    std::string msg(int item) const { return msgText(state_, "Exportar", 9, item); }
    void show() const {
        if (listener_ && !listener_(labels_)) throw RaceResultsStop{msg(kCancelled)};
    }
    void text(const std::string& line) {
        out_ += line;
        out_ += kEol;
    }
    void cells(const std::vector<std::string>& cells) {
        for (const auto& c : cells) {
            out_ += '\t';
            out_ += c;
        }
        out_ += kEol;
    }

    const Grid& grid() const { return shown_->LlistaVoltes; }
    const std::string& cell(int row, int col) const { return grid().TextMatrix(row, col); }
    const std::string& header(int col) const { return grid().TextMatrix(0, col); }
    Person person(int row) const {
        return {static_cast<int>(grid().Number(row, rc::Series)),
                static_cast<int>(grid().Number(row, rc::Number))};
    }
    int count(const FilterList& list) const { return list.count() - 1; }
    bool manyPasses() const { return count(results_->Passada) > 1; }

    void modality(int m) {
        const int16_t language = state_.Settings.Language;
        const SeriesFolder source = RaceSeriesFolder(state_, m);
        track_ = source.track;
        results_.emplace(state_, source);
        if (auto format = tableText(language, "Resultats", "LlistaVoltes", -1, TextKind::GridFormat))
            results_->LlistaVoltes.SetFormatString(*format);
        results_->Load(0);
        empty_.emplace(*results_);
        empty_->LlistaVoltes.SetRows(1);
        // A series file that cannot be read would leave rows out: nothing is written.
        if (!results_->problems.empty())
            throw RaceResultsStop{FileProblemsMessage(state_, results_->problems)};
        caption_ = ModalityCaption(language, m);
        text(caption_);
        text(std::string(100, '-'));
        text("");
        if (count(results_->Manigues) <= 0) return;
        for (int s = 1; s <= 6; ++s) {
            labels_.file = (m - 2) * 6 + s;
            labels_.InfoTreball = caption_ + " - " + msg(kSectionTitle[s]);
            show();
            section(s);
        }
    }

    void section(int s) {
        using C = Criterion;
        switch (s) {
            case 1:
                return quadrants();
            case 2:
                byHeat(C::TotalLaps, rc::TotalLaps, kAfterHeat, kAfterHeatLapsTable);
                return byHeat(C::FastestLap, rc::Fastest, kAfterHeat, kAfterHeatFastestTable);
            case 3:
                byLane(C::HeatLaps, rc::HeatLaps);
                return byLane(C::HeatFastestLap, rc::HeatFastest);
            case 4:
                byHeat(C::HeatLaps, rc::HeatLaps, kHeat, kHeatTable);
                return byHeat(C::HeatFastestLap, rc::HeatFastest, kHeat, kHeatTable);
            case 5:
                byParticipant(C::HeatLaps, rc::HeatLaps);
                return byParticipant(C::HeatFastestLap, rc::HeatFastest);
            default:
                allHeats(C::HeatLaps, rc::HeatLaps);
                return allHeats(C::HeatFastestLap, rc::HeatFastest);
        }
    }

    // Every filter to "all" and the routine's criterion, ranked.
    void start(Criterion criterion) {
        Resultats& r = *results_;
        for (FilterList* list : {&r.Participant, &r.EqDorsal, &r.Pista, &r.Passada, &r.Manigues})
            list->selected = 0;
        r.criterion = criterion;
        r.Filtrar();
        shown_ = &r;
    }
    // The part of the ranked table whose column `col` reads `value`, filtered
    // by `choose`: the rows and positions the whole table shows under that
    // filter, ranked over a hundred rows rather than ten thousand.
    Resultats& filtered(std::map<long, Resultats>& parts, double value,
                        const std::function<void(Resultats&)>& choose) {
        Resultats& part = parts.at(static_cast<long>(value));
        choose(part);
        part.Filtrar();
        shown_ = &part;
        show();
        return part;
    }

    // The visible rows with a key value, one line each.
    void classification(ListKind kind, int key) {
        for (int row : shown_->VisibleRows()) {
            if (cell(row, key).empty()) continue;
            const std::string lane = header(rc::Lane) + cell(row, rc::Lane);
            const std::string pass = manyPasses() ? " " + header(rc::Pass) + cell(row, rc::Pass) : "";
            const std::string heat = "(" + header(rc::Heat) + cell(row, rc::Heat) + ")";
            const std::string& name = cell(row, rc::Name);
            std::vector<std::string> line{cell(row, rc::Position)};
            switch (kind) {
                case ListKind::ByHeat:
                    line.insert(line.end(), {name, "(" + lane + ")"});
                    break;
                case ListKind::ByLane:
                    line.insert(line.end(), {name, heat});
                    break;
                case ListKind::ByParticipant:
                    line.insert(line.end(), {lane + pass, heat});
                    break;
                case ListKind::AllHeats:
                    line.insert(line.end(), {name, "(" + lane + pass + ")", heat, cell(row, key)});
                    cells(line);
                    continue;
            }
            line.insert(line.end(), {cell(row, key), cell(row, rc::GapFirst), cell(row, rc::GapPrevious)});
            cells(line);
        }
    }

    // Title, empty line, the list, empty line.
    void block(const std::string& title, ListKind kind, int key) {
        text(title);
        text("");
        classification(kind, key);
        text("");
    }

    PositionTable positionTable() const {
        PositionTable table;
        for (int row = 1; row < grid().Rows(); ++row) table.names.emplace(person(row), cell(row, rc::Name));
        return table;
    }
    void note(PositionTable& table, int key) const {
        const int column = static_cast<int>(table.columns.size()) - 1;
        for (int row : shown_->VisibleRows())
            if (!cell(row, key).empty()) table.noted[person(row)][column] = cell(row, rc::Position);
    }
    // Lines by series, then participant number.
    void print(const std::string& title, const PositionTable& table) {
        text(title);
        text("");
        std::vector<std::string> head{header(rc::Name)};
        head.insert(head.end(), table.columns.begin(), table.columns.end());
        cells(head);
        for (const auto& [who, name] : table.names) {
            std::vector<std::string> line{name};
            const auto found = table.noted.find(who);
            for (int c = 0; c < static_cast<int>(table.columns.size()); ++c) {
                std::string position;
                if (found != table.noted.end())
                    if (auto at = found->second.find(c); at != found->second.end()) position = at->second;
                line.push_back(position);
            }
            cells(line);
        }
        text("");
    }

    // The ranked table cut by the values of column `col`, each part keeping the
    // table's order, filters and criterion.
    std::map<long, Resultats> partsBy(int col) const {
        const Resultats& whole = *results_;
        std::map<long, std::vector<int>> rows;
        for (int row = 1; row < whole.LlistaVoltes.Rows(); ++row)
            rows[static_cast<long>(whole.LlistaVoltes.Number(row, col))].push_back(row);
        std::map<long, Resultats> parts;
        for (const auto& [value, list] : rows) {
            Resultats& part = parts.try_emplace(value, *empty_).first->second;
            part.criterion = whole.criterion;
            part.LlistaVoltes.SetRows(1 + static_cast<int>(list.size()));
            for (int i = 0; i < static_cast<int>(list.size()); ++i)
                for (int c = 0; c < rc::Count; ++c)
                    part.LlistaVoltes.SetTextMatrix(i + 1, c, whole.LlistaVoltes.TextMatrix(list[i], c));
        }
        return parts;
    }

    // MngAMng and Mng: one classification per heat, then the table by heat.
    void byHeat(Criterion criterion, int key, int title, int tableTitle) {
        start(criterion);
        const FilterList& heats = results_->Manigues;
        PositionTable table = positionTable();
        auto parts = partsBy(rc::Heat);
        for (int k = 1; k <= count(heats); ++k) {
            const double heat = ReadNumber(heats.items[k]);
            filtered(parts, heat, [k](Resultats& part) { part.Manigues.selected = k; });
            block(msg(title) + printed(heat), ListKind::ByHeat, key);
            table.columns.push_back(printed(heat));
            note(table, key);
        }
        print(msg(tableTitle), table);
    }

    // Pst: one classification per pass and lane; a table column each.
    void byLane(Criterion criterion, int key) {
        start(criterion);
        const Resultats& r = *results_;
        PositionTable table = positionTable();
        auto parts = partsBy(rc::Lane);
        const int passes = count(r.Passada);
        for (int p = passes > 0 ? 1 : 0; p <= passes; ++p) {
            const std::string pass =
                manyPasses() ? " " + header(rc::Pass) + printed(ReadNumber(r.Passada.items[p])) : "";
            for (int k = 1; k <= count(r.Pista); ++k) {
                filtered(parts, ReadNumber(r.Pista.items[k]), [p, k](Resultats& part) {
                    part.Passada.selected = p;
                    part.Pista.selected = k;
                });
                const std::string lane = printed(ReadNumber(r.Pista.items[k]));
                block(msg(kLane) + " " + lane + pass, ListKind::ByLane, key);
                table.columns.push_back(lane + pass);
                note(table, key);
            }
        }
        print(msg(kLaneTable), table);
    }

    // Eqp: one classification per participant, no table.
    void byParticipant(Criterion criterion, int key) {
        start(criterion);
        const Resultats& r = *results_;
        auto parts = partsBy(rc::Number);
        for (int k = 1; k <= count(r.Participant); ++k) {
            filtered(parts, ReadNumber(r.EqDorsal.items[k]), [k](Resultats& part) {
                part.Participant.selected = k;
                part.EqDorsal.selected = k;
            });
            block(msg(kParticipant) + " " + r.Participant.items[k], ListKind::ByParticipant, key);
        }
    }

    // Ttl: every row in one classification.
    void allHeats(Criterion criterion, int key) {
        start(criterion);
        block(msg(kAllHeats), ListKind::AllHeats, key);
    }

    // One participant's quadrant: laps and best lap per lane, total and fastest lap.
    struct QuadrantLine {
        std::string name;
        std::map<int, double> laps;        // by lane position in the lane filter
        std::map<int, int> bestRow;        // the row of the best lap on the lane
        int totalRow = 0, fastestRow = 0;  // the first row under "Total voltes"; the fastest lap's row
    };

    // QuaUnic, or Qua with the QuaSep box: participants in the order of the
    // ranking by fastest lap, then total laps.
    void quadrants() {
        start(Criterion::FastestLap);
        results_->CriteriOrdre_Click(Criterion::TotalLaps);
        const FilterList& lanes = results_->Pista;
        std::vector<QuadrantLine> lines;
        std::map<Person, std::size_t> at;
        for (int row : results_->VisibleRows()) {
            auto [it, added] = at.emplace(person(row), lines.size());
            if (added) lines.push_back({cell(row, rc::Name), {}, {}, row, row});
            QuadrantLine& line = lines[it->second];
            const int lane = lanes.find(cell(row, rc::Lane));
            line.laps[lane] += grid().Number(row, rc::HeatLaps);
            auto best = line.bestRow.find(lane);
            if (best == line.bestRow.end() ||
                grid().Number(row, rc::HeatFastest) < grid().Number(best->second, rc::HeatFastest))
                line.bestRow[lane] = row;
            if (grid().Number(row, rc::Fastest) < grid().Number(line.fastestRow, rc::Fastest))
                line.fastestRow = row;
        }
        text(msg(kQuadrants));
        text("");
        std::vector<std::string> head{header(rc::Name)};
        for (int k = 1; k < lanes.count(); ++k) head.push_back(header(rc::Lane) + " " + lanes.items[k]);
        const auto quadrant = [&](bool laps, bool fastest) {
            cells(head);
            for (const QuadrantLine& q : lines) {
                std::vector<std::string> line{q.name};
                for (int k = 1; k < lanes.count(); ++k) {
                    const auto run = q.laps.find(k);
                    if (run == q.laps.end()) {
                        line.emplace_back();
                        continue;
                    }
                    const std::string lapsText = ResultsLapsText(static_cast<float>(run->second), track_);
                    const std::string& best = cell(q.bestRow.at(k), rc::HeatFastest);
                    line.push_back(laps && fastest ? lapsText + " / " + best : laps ? lapsText : best);
                }
                if (laps) line.push_back(cell(q.totalRow, rc::TotalLaps));
                if (fastest) line.push_back(cell(q.fastestRow, rc::Fastest));
                cells(line);
            }
            text("");
        };
        if (separate_) {
            quadrant(true, false);
            quadrant(false, true);
        } else {
            quadrant(true, true);
        }
    }

    const RaceState& state_;
    bool separate_;
    const ArchiveListener& listener_;
    ArchiveProgress labels_;
    std::optional<Resultats> results_;
    std::optional<Resultats> empty_;    // the loaded table without its rows: what parts start from
    const Resultats* shown_ = nullptr;  // the table or part being printed
    TrackConfig track_;
    std::string caption_;
    std::string out_;
};

}  // namespace

std::string TextExportContent(const RaceState& state, bool separateQuadrants,
                              const ArchiveListener& listener) {
    RaceHeader header;
    const RaceState local = RaceResultsState(state, header);
    return TextExport(local, separateQuadrants, listener).run(header);
}

ArchiveOutcome ExportarProva(const RaceState& state, const fs::path& file, bool separateQuadrants,
                             const ArchiveListener& listener) {
    try {
        WriteWindowsText(state, file, TextExportContent(state, separateQuadrants, listener));
    } catch (const RaceResultsStop& stop) {
        return {stop.message};
    }
    return {};
}

}  // namespace sc
