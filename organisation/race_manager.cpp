#include "organisation/race_manager.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <system_error>

#include "core/cp1252.h"
#include "core/file_error.h"
#include "core/file_fault_text.h"
#include "core/file_io.h"
#include "core/number_format.h"
#include "core/platform.h"
#include "core/settings_files.h"
#include "localisation/apply_language.h"
#include "localisation/language_tables.h"
#include "localisation/text_case.h"
#include "organisation/distribution_file.h"

namespace sc {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kNovaProva = "NovaProva";
constexpr std::string_view kGestorProves = "GestorProves";
constexpr std::string_view kPortada = "Portada";
constexpr std::array<const char*, 4> kSeriesExtensions = {".PAR", ".DAD", ".VAV", ".PEN"};

struct FileText {
    RaceFileText id;
    std::string_view catalan;
    std::string_view spanish;
};

constexpr FileText kFileTexts[] = {
    {RaceFileText::NotWritableRaceData,
     "El nom o la data de la prova tenen caràcters que no es poden gravar. Canvia'ls.",
     "El nombre o la fecha de la prueba tienen caracteres que no se pueden grabar. Cámbielos."},
    {RaceFileText::NotWritableName, "El nom del lloc %s té caràcters que no es poden gravar. Canvia'l.",
     "El nombre de la posición %s tiene caracteres que no se pueden grabar. Cámbielo."},
    {RaceFileText::FolderNotCreated, "No s'ha pogut crear la carpeta %s.",
     "No se ha podido crear la carpeta %s."},
    {RaceFileText::FolderExists, "La carpeta %s ja existeix: no s'ha creat cap prova.",
     "La carpeta %s ya existe: no se ha creado ninguna prueba."},
    {RaceFileText::FileNotWritten, "No s'ha pogut gravar %s.", "No se ha podido grabar %s."},
    {RaceFileText::FileNotDeleted, "No s'ha pogut eliminar %s.", "No se ha podido eliminar %s."},
    {RaceFileText::FileNotRenamed, "No s'ha pogut canviar el nom %s. No s'ha tocat res més.",
     "No se ha podido cambiar el nombre %s. No se ha tocado nada más."},
    {RaceFileText::DamagedFile,
     "%s\nNo s'ha canviat res. Recupereu l'arxiu d'una còpia de la prova o torneu a entrar-ne les dades.",
     "%s\nNo se ha cambiado nada. Recupere el archivo de una copia de la prueba o vuelva a entrar sus "
     "datos."},
};

std::string catalogueEntryName(const fs::path& folder) { return folder.filename().string(); }

bool isBlank(char c) { return c == ' '; }

}  // namespace

std::string raceFileMessage(int16_t language, RaceFileText text, const std::string& detail) {
    for (const FileText& t : kFileTexts) {
        if (t.id != text) continue;
        std::string s(language == kSpanish ? t.spanish : t.catalan);
        if (auto at = s.find("%s"); at != std::string::npos) s.replace(at, 2, detail);
        return s;
    }
    return detail;
}

std::string msgText(const RaceState& state, std::string_view window, int section, int item) {
    if (section < 0 || section >= 10 || item < 0 || item >= 20) return {};
    if (!state.Msg[section][item].empty()) return state.Msg[section][item];
    return tableMessage(state.Settings.Language, window, section, item).value_or("");
}

std::string trimRightBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

std::string trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    return trimRightBlanks(text);
}

std::string todayDateText() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    const std::tm local = platform::localTime(now);
    char text[16];
    std::strftime(text, sizeof text, "%d-%m-%Y", &local);
    return text;
}

// ---------------------------------------------------------------- NovaProva

NovaProva::NovaProva(RaceState& state, Prompter& prompter) : state_(state), prompter_(prompter) {}

void NovaProva::Load() {
    writeWindowMessages(state_, kNovaProva, state_.Settings.Language);
    if (!changeMode()) {
        TextProva.clear();
        TextData = todayDateText();
    }
}

std::string NovaProva::title() const { return msgText(state_, kNovaProva, 2, changeMode() ? 1 : 0); }

bool NovaProva::checkName() {
    const int16_t language = state_.Settings.Language;
    if (trimBlanks(TextProva).empty()) {
        prompter_.inform(msgText(state_, kNovaProva, 2, 2), msgText(state_, kPortada, 0, 3),
                         MessageIcon::Exclamation);
        return false;
    }
    // Name and date go to files in Windows-1252: a character it lacks is refused, never altered.
    if (!utf8ToCp1252(TextProva) || !utf8ToCp1252(TextData)) {
        prompter_.inform(raceFileMessage(language, RaceFileText::NotWritableRaceData),
                         msgText(state_, kPortada, 0, 3), MessageIcon::Exclamation);
        return false;
    }
    return true;
}

bool NovaProva::Sortir_Click(int index) {
    accepted = false;
    if (index != 1) return true;
    if (!checkName()) return false;
    acceptedName = trimBlanks(TextProva);
    acceptedDate = trimRightBlanks(TextData);
    if (!changeMode() && !createRace()) return false;
    accepted = true;
    return true;
}

bool NovaProva::createRace() {
    MessageBox confirm{trimRightBlanks(TextProva) + "\r" + trimRightBlanks(TextData),
                       msgText(state_, kNovaProva, 2, 0),
                       {Button::Ok, Button::Cancel},
                       Button::Ok,
                       MessageIcon::Question};
    if (prompter_.ask(confirm) != Button::Ok) return false;

    const int number = RaceCount + 1;
    const std::string problem = createRaceOnDisk(state_, number, acceptedName, TextData);
    if (!problem.empty()) {
        prompter_.inform(problem, msgText(state_, kPortada, 0, 3), MessageIcon::Critical);
        return false;
    }
    createdRace = number;
    // A distribution file with a wrong line did not decide the series counts: say why.
    const std::string distribution = distributionProblemMessage(
        state_.Settings.Language, checkDistributionFile(state_.AppFolder, state_.Track.LaneCount));
    if (!distribution.empty()) prompter_.inform(distribution, "", MessageIcon::Exclamation);
    return true;
}

namespace {

// The catalogue with the new race last: appended when the file agrees with
// the folders, else rebuilt from them.
WriteResult addToCatalogue(const fs::path& appFolder, int number, const CatalogueEntry& race) {
    const fs::path file = appFolder / kCatalogueFileName;
    std::vector<CatalogueEntry> races;
    try {
        if (fileExists(file)) races = readCatalogue(file);
    } catch (const FileError&) {
        races.clear();
    }
    if (static_cast<int>(races.size()) == number - 1) {
        races.push_back(race);
        return writeCatalogue(file, races);
    }
    races = rebuildRaceCatalogue(appFolder);
    // The rebuild tells no reason: a second try does.
    if (fileExists(file)) return {};
    return writeCatalogue(file, races);
}

}  // namespace

std::string createRaceOnDisk(RaceState& state, int raceNumber, const std::string& name,
                             const std::string& date) {
    const int16_t language = state.Settings.Language;
    if (!utf8ToCp1252(name) || !utf8ToCp1252(date))
        return raceFileMessage(language, RaceFileText::NotWritableRaceData);

    const std::string base = raceFolderName(raceNumber);
    const fs::path folder = state.AppFolder / base;
    std::error_code ec;
    if (fs::exists(folder, ec)) return raceFileMessage(language, RaceFileText::FolderExists, base);
    if (!fs::create_directory(folder, ec) || ec)
        return raceFileMessage(language, RaceFileText::FolderNotCreated, base);

    auto fail = [&](RaceFileText text, const std::string& detail) {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
        return raceFileMessage(language, text, detail);
    };
    auto failWrite = [&](const WriteResult& written) {
        return fail(RaceFileText::FileNotWritten, FileWriteText(language, written.error()));
    };
    if (const WriteResult copied = copyTrackConfigIntoRace(state.AppFolder, folder); !copied)
        return failWrite(copied);
    try {
        WorkingFolderGuard inRace(state, folder);
        LoadTrackConfig(state);
    } catch (const FileError& e) {
        return fail(RaceFileText::DamagedFile, FileFaultText(language, e));
    }

    const auto start = static_cast<int16_t>(initialSeriesCount(state.AppFolder, state.Track.LaneCount));
    RaceHeader header;
    header.SeriesCount.fill(start);
    header.name = name;
    header.date = date;
    if (const WriteResult written = writeRaceHeader(folder / kRaceHeaderFileName, header); !written)
        return failWrite(written);
    if (const WriteResult listed = addToCatalogue(state.AppFolder, raceNumber, {name, date}); !listed) {
        std::string problem = failWrite(listed);
        rebuildRaceCatalogue(state.AppFolder);
        return problem;
    }

    for (int m = 1; m <= 4; ++m) state.SeriesCount[m] = start;
    state.CurrentRace = static_cast<int16_t>(raceNumber);
    state.CurrentBase = base;
    return {};
}

// ---------------------------------------------------------------- deletions

std::string deleteRaceFolder(const fs::path& appFolder, int raceNumber, int16_t language) {
    const fs::path folder = appFolder / raceFolderName(raceNumber);
    // A race past a gap in the numbering is not listed: nothing to delete or renumber.
    if (!folderExists(folder)) return {};
    std::error_code ec;
    fs::remove_all(folder, ec);
    if (ec) return raceFileMessage(language, RaceFileText::FileNotDeleted, catalogueEntryName(folder));

    for (int k = raceNumber + 1; folderExists(appFolder / raceFolderName(k)); ++k) {
        const fs::path from = appFolder / raceFolderName(k);
        const fs::path to = appFolder / raceFolderName(k - 1);
        const std::string detail = raceFolderName(k) + " -> " + raceFolderName(k - 1);
        if (fs::exists(to, ec)) return raceFileMessage(language, RaceFileText::FileNotRenamed, detail);
        fs::rename(from, to, ec);
        if (ec) return raceFileMessage(language, RaceFileText::FileNotRenamed, detail);
    }
    return {};
}

std::string deleteSeriesFiles(const fs::path& raceFolder, int modality, int series,
                              std::array<int16_t, 4>& counts, int16_t language) {
    if (modality < 1 || modality > 4 || series < 1) return {};
    const int last = counts[modality - 1];
    std::error_code ec;
    for (int k = series; k <= last; ++k) {
        for (const char* ext : kSeriesExtensions) {
            const std::string name = seriesBaseName(modality, k) + ext;
            const fs::path file = raceFolder / name;
            if (!fileExists(file)) continue;
            if (k == series) {
                fs::remove(file, ec);
                if (ec) return raceFileMessage(language, RaceFileText::FileNotDeleted, name);
                continue;
            }
            const std::string target = seriesBaseName(modality, k - 1) + ext;
            const std::string detail = name + " -> " + target;
            if (fs::exists(raceFolder / target, ec))
                return raceFileMessage(language, RaceFileText::FileNotRenamed, detail);
            fs::rename(file, raceFolder / target, ec);
            if (ec) return raceFileMessage(language, RaceFileText::FileNotRenamed, detail);
        }
    }
    if (counts[modality - 1] > 0) --counts[modality - 1];
    if (const WriteResult written = writeSeriesCounts(raceFolder / kRaceHeaderFileName, counts); !written)
        return raceFileMessage(language, RaceFileText::FileNotWritten,
                               FileWriteText(language, written.error()));
    return {};
}

// ---------------------------------------------------------------- GestorProves

GestorProves::GestorProves(RaceState& state, Prompter& prompter) : state_(state), prompter_(prompter) {}

void GestorProves::Load() {
    writeWindowMessages(state_, kGestorProves, state_.Settings.Language);
    NPrgr = 4;
    CarregarFitxers();
}

void GestorProves::inform(const std::string& text) {
    prompter_.inform(text, msgText(state_, kPortada, 0, 3), MessageIcon::Exclamation);
}

void GestorProves::CarregarFitxers() {
    LlProves.clear();
    Data.clear();
    raceSelected = -1;
    StoreReport report{state_.Settings.Language, {}};
    std::vector<CatalogueEntry> races;
    try {
        races = loadRaceCatalogue(state_.AppFolder, &report);
    } catch (const FileError& e) {
        report.problems.push_back(FileFaultText(state_.Settings.Language, e));
    }
    // Each problem says what became of the file.
    for (const std::string& problem : report.problems) inform(problem);
    for (const CatalogueEntry& race : races) {
        LlProves.push_back(race.name);
        Data.push_back(race.date);
    }
    if (!LlProves.empty())
        LlProves_Click(static_cast<int>(LlProves.size()) - 1);
    else
        LlProves_Click(-1);
}

fs::path GestorProves::selectedRaceFolder() const {
    if (raceSelected < 0) return {};
    return state_.AppFolder / raceFolderName(raceSelected + 1);
}

void GestorProves::LlProves_Click(int position) {
    raceSelected = position >= 0 && position < static_cast<int>(LlProves.size()) ? position : -1;
    counts = {};
    if (raceSelected >= 0) {
        try {
            counts = readRaceHeader(selectedRaceFolder() / kRaceHeaderFileName).SeriesCount;
        } catch (const FileError& e) {
            inform(raceFileMessage(state_.Settings.Language, RaceFileText::DamagedFile,
                                   FileFaultText(state_.Settings.Language, e)));
        }
    }
    CarregarFitxersDeCarpeta();
    refillSeries();
}

std::vector<std::string> raceFolderFiles(const fs::path& raceFolder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(raceFolder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec)) files.push_back(it->path().filename().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

void GestorProves::CarregarFitxersDeCarpeta() {
    Fitxers.clear();
    if (raceSelected >= 0) Fitxers = raceFolderFiles(selectedRaceFolder());
}

void GestorProves::NPrgr_Click(int modality) {
    if (modality < 1 || modality > 4) return;
    NPrgr = modality;
    refillSeries();
}

void GestorProves::refillSeries() {
    LlSeries.clear();
    const int count = raceSelected >= 0 ? counts[NPrgr - 1] : 0;
    for (int k = 1; k <= count; ++k) LlSeries.push_back(std::to_string(k));
    seriesSelected = LlSeries.empty() ? -1 : static_cast<int>(LlSeries.size()) - 1;
    seriesCount = raceSelected >= 0 ? std::to_string(count) : "";
    refreshSeriesInfo();
}

void GestorProves::LlSeries_Click(int position) {
    if (position < 0 || position >= static_cast<int>(LlSeries.size())) return;
    seriesSelected = position;
    refreshSeriesInfo();
}

void GestorProves::refreshSeriesInfo() {
    completedHeats.clear();
    if (seriesSelected >= 0) {
        int16_t heats = 0;
        const fs::path file = selectedRaceFolder() / (seriesBaseName(NPrgr, seriesSelected + 1) + ".PAR");
        try {
            if (fileExists(file)) heats = std::max<int16_t>(0, readParticipantList(file).heats);
        } catch (const FileError&) {
            heats = 0;
        }
        completedHeats = std::to_string(heats);
    }
    ActivarBotons();
}

void GestorProves::ActivarBotons() {
    raceButtonsEnabled = raceSelected >= 0;
    seriesButtonEnabled = seriesSelected >= 0;
}

bool GestorProves::askNo(int item) {
    const std::string title = withoutEllipsis(
        tableText(state_.Settings.Language, kPortada, "MnuGestor", -1).value_or(std::string(kGestorProves)));
    MessageBox box{msgText(state_, kGestorProves, 3, item),
                   title,
                   {Button::Yes, Button::No},
                   Button::No,
                   MessageIcon::Question};
    return prompter_.ask(box) == Button::Yes;
}

void GestorProves::EliminarProva() {
    if (raceSelected < 0 || !askNo(2)) return;
    const std::string problem =
        deleteRaceFolder(state_.AppFolder, raceSelected + 1, state_.Settings.Language);
    if (!problem.empty()) inform(problem);
    rebuildRaceCatalogue(state_.AppFolder);
    CarregarFitxers();
}

void GestorProves::EliminarSerie() {
    if (raceSelected < 0 || seriesSelected < 0 || !askNo(3)) return;
    const int race = raceSelected;
    const std::string problem =
        deleteSeriesFiles(selectedRaceFolder(), NPrgr, seriesSelected + 1, counts, state_.Settings.Language);
    if (!problem.empty()) inform(problem);
    LlProves_Click(race);
}

std::optional<CatalogueEntry> GestorProves::selectedRaceData() {
    if (raceSelected < 0) return std::nullopt;
    try {
        const RaceHeader header = readRaceHeader(selectedRaceFolder() / kRaceHeaderFileName);
        return CatalogueEntry{header.name, header.date};
    } catch (const FileError& e) {
        inform(raceFileMessage(state_.Settings.Language, RaceFileText::DamagedFile,
                               FileFaultText(state_.Settings.Language, e)));
        return std::nullopt;
    }
}

bool GestorProves::ModificarDades(const std::string& name, const std::string& date) {
    if (raceSelected < 0) return false;
    const int16_t language = state_.Settings.Language;
    if (!utf8ToCp1252(name) || !utf8ToCp1252(date)) {
        inform(raceFileMessage(language, RaceFileText::NotWritableRaceData));
        return false;
    }
    if (const WriteResult written =
            writeRaceNameAndDate(selectedRaceFolder() / kRaceHeaderFileName, name, date);
        !written) {
        inform(raceFileMessage(language, RaceFileText::FileNotWritten,
                               FileWriteText(language, written.error())));
        return false;
    }
    LlProves[raceSelected] = name;
    Data[raceSelected] = date;
    rebuildRaceCatalogue(state_.AppFolder);
    return true;
}

bool GestorProves::Sortir_Click(int index) {
    switch (index) {
        case kDeleteRace:
            EliminarProva();
            return false;
        case kChangeData: {
            if (!OpenNovaProva) return false;
            auto data = selectedRaceData();
            if (!data) return false;
            state_.ModeCorregir = 3;
            auto changed = OpenNovaProva(*data);
            state_.ModeCorregir = 0;
            if (changed) ModificarDades(changed->name, changed->date);
            return false;
        }
        case kDeleteSeries:
            EliminarSerie();
            return false;
        case kArchive:
        case kRestore: {
            if (!OpenArchive || (index == kArchive && raceSelected < 0)) return false;
            state_.ModeCorregir = static_cast<int16_t>(index);
            const bool added = OpenArchive(index);
            state_.ModeCorregir = 0;
            if (index == kRestore && added) CarregarFitxers();
            return false;
        }
        default:
            return true;
    }
}

}  // namespace sc
