#include "results/penalitzacions.h"

#include <stdexcept>

#include "core/file_error.h"
#include "core/laps_format.h"
#include "core/number_format.h"
#include "core/penalty_file.h"
#include "core/race_store.h"
#include "results/series_folder.h"

namespace sc {
namespace fs = std::filesystem;

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The number as shown back: "0,5" reads 0.5 and shows "0.5".
std::string numberText(double value) { return trimmed(Str(value)); }

}  // namespace

Penalitzacions::Penalitzacions(fs::path file, std::vector<std::string> names)
    : Quadre(2, 3, 1, 0), Participant(std::move(names)), file_(std::move(file)) {
    Quadre.SetFormatString("<Participant|^Penalització|<Motiu(s)");
}

bool Penalitzacions::Load() {
    const int n = static_cast<int>(Participant.size());
    Quadre.SetRows(n + 1);
    for (int i = 1; i <= n; ++i) Quadre.SetTextMatrix(i, Name, Participant[i - 1]);
    if (!fs::exists(file_)) return true;
    try {
        for (const auto& e : readPenalties(file_)) {
            Quadre.SetTextMatrix(e.participant, Value, numberText(e.penalty));
            Quadre.SetTextMatrix(e.participant, Reason, e.reason);
        }
    } catch (const FileError& e) {
        problem = e.describe();
        for (int i = 1; i <= n; ++i) Quadre.SetTextMatrix(i, Value, ""), Quadre.SetTextMatrix(i, Reason, "");
        return false;
    }
    return true;
}

void Penalitzacions::Participant_Click(int position) {
    if (position < 0 || position >= static_cast<int>(Participant.size())) return;
    selected = position;
    Valor = Quadre.TextMatrix(position + 1, Value);
    Concepte = Quadre.TextMatrix(position + 1, Reason);
}

void Penalitzacions::Quadre_Click(int row) {
    if (row >= 1) Participant_Click(row - 1);
}

void Penalitzacions::Valor_LostFocus() {
    std::string text = Valor;
    const double value = ParseNumber(text);
    if (value > 0) {
        Valor = numberText(value);
        return;
    }
    Valor.clear();
    Concepte.clear();
}

void Penalitzacions::Anotar() {
    if (selected < 0) return;
    Valor_LostFocus();
    Quadre.SetTextMatrix(selected + 1, Value, Valor);
    Quadre.SetTextMatrix(selected + 1, Reason, trimmed(Concepte));
}

WriteResult Penalitzacions::Gravar() {
    Anotar();
    std::vector<PenaltyEntry> entries;
    for (int i = 1; i < Quadre.Rows(); ++i) {
        std::string text = Quadre.TextMatrix(i, Value);
        const double value = ParseNumber(text);
        if (value > 0)
            entries.push_back(
                {static_cast<int16_t>(i), static_cast<float>(value), trimmed(Quadre.TextMatrix(i, Reason))});
    }
    return writePenalties(file_, entries);
}

Penalitzacions RacePenalties(const RaceState& state, int series) {
    const SeriesFolder race = RaceSeriesFolder(state, static_cast<int>(Modality::Race));
    std::vector<std::string> names;
    if (const fs::path par = race.file(series, ".PAR"); fs::exists(par))
        names = readParticipantList(par).names;
    if (names.size() < static_cast<std::size_t>(race.track.LaneCount)) names.resize(race.track.LaneCount);
    return Penalitzacions(race.file(series, ".PEN"), std::move(names));
}

std::string PenaltiesTitleSuffix(const std::string& race, const std::string& modalityCaption,
                                 const std::string& seriesLabel, int series) {
    return " - " + trimmed(race) + " - " + modalityCaption + " (" + seriesLabel + FormatNumber(series, " #") +
           ")";
}

}  // namespace sc
