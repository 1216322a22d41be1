#include "output/exportar.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "core/file_io.h"
#include "organisation/race_manager.h"
#include "output/text_export.h"

namespace sc {
namespace fs = std::filesystem;

namespace {

constexpr int kExists = 10, kOverwrite = 11, kNoName = 12, kNotRead = 18;

// `end` in lower case.
bool endsWithIgnoringCase(const std::string& text, const std::string& end) {
    if (text.size() < end.size()) return false;
    return std::equal(
        end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
        [](char wanted, char c) { return std::tolower(static_cast<unsigned char>(c)) == wanted; });
}

}  // namespace

Exportar::Exportar(RaceState& state, Prompter& prompter, ArchiveSource source)
    : state_(state), prompter_(prompter), source_(std::move(source)), mode_(state.ModeCorregir) {}

std::string Exportar::extension() const { return mode_ == kModeTextExport ? ".txt" : ".prb"; }

std::string Exportar::text(int item) const { return msgText(state_, "Exportar", 9, item); }

void Exportar::Carpetes_Change(const fs::path& chosen) {
    folder = chosen;
    Fitxers.clear();
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (it->is_regular_file(ec) && endsWithIgnoringCase(name, extension())) Fitxers.push_back(name);
    }
    std::sort(Fitxers.begin(), Fitxers.end());
}

void Exportar::Fitxers_Click(int index) {
    if (index >= 0 && index < static_cast<int>(Fitxers.size()))
        NomArxiu = Fitxers[static_cast<std::size_t>(index)];
}

void Exportar::NomArxiu_LostFocus() {
    NomArxiu = trimBlanks(NomArxiu);
    if (!NomArxiu.empty() && !endsWithIgnoringCase(NomArxiu, extension())) NomArxiu += extension();
}

bool Exportar::accept() {
    NomArxiu_LostFocus();
    const std::string error = msgText(state_, "Portada", 0, 3);
    if (NomArxiu.empty()) {
        prompter_.inform(text(kNoName), error, MessageIcon::Exclamation);
        return false;
    }
    if (!canRun()) return false;
    const bool exists = fileExists(path());
    if (mode_ == kModeRestore && !exists) {
        std::string s = text(kNotRead);
        if (auto at = s.find("%s"); at != std::string::npos) s.replace(at, 2, NomArxiu);
        prompter_.inform(s, error, MessageIcon::Exclamation);
        return false;
    }
    if (mode_ != kModeRestore && exists) {
        const MessageBox box{NomArxiu + "\n" + text(kOverwrite),
                             text(kExists),
                             {Button::Yes, Button::No},
                             Button::No,
                             MessageIcon::Question};
        return prompter_.ask(box) == Button::Yes;
    }
    return true;
}

ArchiveOutcome Exportar::run(const ArchiveListener& listener) {
    ArchiveOutcome outcome;
    if (mode_ == kModeTextExport)
        outcome = ExportarProva(state_, path(), QuaSep, listener);
    else if (mode_ == kModeArchive)
        outcome = ArxivarProva(state_, source_.raceFolder, source_.files, path(), listener);
    else if (mode_ == kModeRestore)
        outcome = DesarxivarProva(state_, path(), state_.AppFolder, listener);
    else
        return {};
    if (!outcome.ok()) {
        prompter_.inform(outcome.message, msgText(state_, "Portada", 0, 3), MessageIcon::Exclamation);
    } else if (mode_ == kModeRestore) {
        raceAdded = true;
        state_.ModeCorregir = 0;  // tells the race manager a race was added
    }
    return outcome;
}

}  // namespace sc
