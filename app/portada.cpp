#include "app/portada.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <system_error>

#include "core/file_error.h"
#include "core/file_fault_text.h"
#include "core/file_io.h"
#include "core/race_store.h"
#include "core/startup.h"
#include "core/value_file.h"
#include "organisation/race_manager.h"

namespace sc {
namespace fs = std::filesystem;

namespace {

std::string unreadableFileMessage(int language, const FileError& e) {
    return raceFileMessage(static_cast<int16_t>(language), RaceFileText::DamagedFile,
                           FileFaultText(language, e));
}

// A KEL4.INI line holds one whole number between optional blanks; anything
// else is not a position.
std::optional<long> wholeNumber(const std::string& line) {
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    };
    skipBlanks();
    bool negative = false;
    if (i < line.size() && (line[i] == '-' || line[i] == '+')) negative = line[i++] == '-';
    const std::size_t firstDigit = i;
    long value = 0;
    while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]))) {
        if (value > 1'000'000) return std::nullopt;
        value = value * 10 + (line[i++] - '0');
    }
    if (i == firstDigit) return std::nullopt;
    skipBlanks();
    if (i != line.size()) return std::nullopt;
    return negative ? -value : value;
}

std::string storeProblemsMessage(int language, const std::vector<std::string>& problems) {
    std::string text = language == 1 ? "Se han encontrado archivos de pruebas dañados:"
                                     : "S'han trobat arxius de proves malmesos:";
    for (const auto& p : problems) text += "\n" + p;
    return text;
}

}  // namespace

void Portada::reportStoreProblems(const std::vector<std::string>& problems) {
    if (!problems.empty())
        prompter_.inform(storeProblemsMessage(state_.Settings.Language, problems), "Error",
                         MessageIcon::Exclamation);
}

Portada::Portada(RaceState& state, Prompter& prompter) : state_(state), prompter_(prompter) {
    // Free practice has one series, designed into its list.
    LlSeries[1].items = {"1"};
    LlSeries[1].selected = 0;
}

void Portada::Load() {
    state_.HeatRunning = 0;
    CarregarLlistats();
    readSelections();
}

bool Portada::QueryUnload() {
    if (state_.HeatRunning == 0) return true;
    prompter_.inform(state_.Settings.Language == 1
                         ? "Hay una manga en marcha. Termínela (tecla S) antes de salir del programa."
                         : "Hi ha una màniga en marxa. Acabeu-la (tecla S) abans de sortir del programa.",
                     "", MessageIcon::Exclamation);
    return false;
}

bool Portada::Unload() {
    // With no heat running the recovery file is a leftover: the next start
    // must not offer to recover it.
    std::error_code ec;
    fs::remove(state_.inAppFolder(kRecoveryFileName), ec);
    return writeSelections();
}

void Portada::CarregarLlistats() {
    LlProves.clear();
    Data.clear();
    std::vector<CatalogueEntry> races;
    StoreReport report{state_.Settings.Language, {}};
    try {
        races = loadRaceCatalogue(state_.AppFolder, &report);
    } catch (const FileError& e) {
        prompter_.inform(unreadableFileMessage(state_.Settings.Language, e), "Error", MessageIcon::Critical);
    }
    reportStoreProblems(report.problems);
    for (const auto& race : races) {
        LlProves.items.push_back(race.name);
        Data.items.push_back(race.date);
    }
    ProvaActiva(!races.empty());
    if (!races.empty()) LlProves_Click(LlProves.count() - 1);
}

void Portada::LlProves_Click(int position) {
    if (!LlProves.isValidPosition(position)) return;
    LlProves.selected = position;
    Data.selected = Data.isValidPosition(position) ? position : -1;
    state_.CurrentRace = static_cast<int16_t>(position + 1);

    std::array<int16_t, 4> counts{};
    const fs::path header = state_.AppFolder / raceFolderName(state_.CurrentRace) / kRaceHeaderFileName;
    StoreReport report{state_.Settings.Language, {}};
    try {
        counts = readRaceHeader(header, &report).SeriesCount;
    } catch (const FileError& e) {
        prompter_.inform(unreadableFileMessage(state_.Settings.Language, e), "Error", MessageIcon::Critical);
    }
    reportStoreProblems(report.problems);
    for (int m = 1; m <= kSeriesLists; ++m)
        state_.SeriesCount[m] = std::clamp<int16_t>(counts[m - 1], 0, kMaxSeries);
    state_.WorkingFolder = state_.AppFolder;
    refillSeriesLists();
}

void Portada::refillSeriesLists() {
    for (int m = 2; m <= kSeriesLists; ++m) {
        ListControl& list = LlSeries[m];
        list.clear();
        for (int k = 1; k <= state_.SeriesCount[m]; ++k) list.items.push_back(std::to_string(k));
        const bool any = list.count() > 0;
        SerieActiva(m, any);
        if (any) list.selected = list.count() - 1;
    }
}

void Portada::LlSeries_Click(int modality, int position) {
    if (modality < 1 || modality > kSeriesLists) return;
    if (LlSeries[modality].isValidPosition(position)) LlSeries[modality].selected = position;
}

void Portada::ProvaActiva(bool flag) {
    raceControlsEnabled = flag;
    SerieActiva(1, flag);
    if (!flag) {
        state_.CurrentRace = 0;
        for (int m = 2; m <= kSeriesLists; ++m) {
            LlSeries[m].clear();
            SerieActiva(m, false);
        }
    }
}

void Portada::SerieActiva(int modality, bool flag) {
    if (modality < 1 || modality > kSeriesLists) return;
    modalityEnabled[modality] = flag;
    LlSeries[modality].enabled = flag;
}

void Portada::readSelections() {
    ClassificationToggle = 0;
    const fs::path file = state_.inAppFolder(kSelectionsFileName);
    const auto lines = readValueLines(file);
    if (!lines || lines->empty()) {
        // No orderly exit last time (or the first start).
        state_.RecoveryPending = -1;
    } else {
        std::size_t next = 0;
        auto take = [&] { return wholeNumber((*lines)[next++]); };
        if (auto race = take(); race && LlProves.isValidPosition(*race))
            LlProves_Click(static_cast<int>(*race));
        for (int m = 1; m <= kSeriesLists && next < lines->size(); ++m) {
            if (auto series = take(); series && LlSeries[m].isValidPosition(*series))
                LlSeries[m].selected = static_cast<int>(*series);
        }
        if (next < lines->size()) {
            if (auto toggle = take()) ClassificationToggle = *toggle != 0 ? -1 : 0;
        }
    }
    std::error_code ec;
    fs::remove(file, ec);
}

bool Portada::writeSelections() const {
    std::vector<std::string> lines;
    lines.push_back(valueText(static_cast<long>(LlProves.selected)));
    for (int m = 1; m <= kSeriesLists; ++m)
        lines.push_back(valueText(static_cast<long>(LlSeries[m].selected)));
    lines.push_back(valueText(static_cast<long>(ClassificationToggle)));
    return static_cast<bool>(writeValueLines(state_.inAppFolder(kSelectionsFileName), lines));
}

std::string Portada::versionText() {
    return std::to_string(SC_VERSION_MAJOR) + "." + std::to_string(SC_VERSION_MINOR) + "." +
           std::to_string(SC_VERSION_PATCH);
}

std::optional<fs::path> Portada::logoFile() const {
    for (const char* name : {"LOGO.GIF", "LOGO.JPG"}) {
        fs::path file = findCaseInsensitive(state_.AppFolder, name);
        if (fileExists(file)) return file;
    }
    return std::nullopt;
}

std::string Portada::exportCaption() const {
    char number[8];
    std::snprintf(number, sizeof number, "%03d", static_cast<int>(state_.CurrentRace));
    return std::string("Exportar ") + number;
}

}  // namespace sc
