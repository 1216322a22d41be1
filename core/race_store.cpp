#include "core/race_store.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <stdexcept>
#include <system_error>

#include "core/file_fault_text.h"
#include "core/file_io.h"
#include "core/record_fields.h"

namespace sc {
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kRaceNameAt = 19;
constexpr std::size_t kUnusedHeaderBytes = 11;

void note(StoreReport* report, const std::string& line) {
    if (report) report->problems.push_back(line);
}

bool spanish(const StoreReport* report) { return report && report->language == 1; }

void noteSeriesCount(StoreReport* report, const fs::path& file, std::size_t modality, int stored, int used) {
    const std::string name = ShownFileName(file), m = std::to_string(modality);
    const std::string n = std::to_string(stored), kept = std::to_string(used);
    note(report, spanish(report) ? "El archivo " + name + " tenía " + n + " series en la modalidad " + m +
                                       "; se usan " + kept + "."
                                 : "L'arxiu " + name + " tenia " + n + " sèries a la modalitat " + m +
                                       "; se n'usen " + kept + ".");
}

std::string threeDigits(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", number);
    return text;
}

Bytes nameAndDateBytes(const std::string& name, const std::string& date) {
    ByteWriter out;
    out.counted(name);
    out.counted(date);
    return std::move(out.bytes());
}

// The catalogue entry of one race folder; a damaged header keeps the race's
// place under the folder's name.
CatalogueEntry catalogueEntryOf(const fs::path& folder, const std::string& folderName, StoreReport* report) {
    try {
        RaceHeader header = readRaceHeader(folder / kRaceHeaderFileName);
        return {std::move(header.name), std::move(header.date)};
    } catch (const FileError& e) {
        if (report)
            note(report, FileFaultText(report->language, e) +
                             (spanish(report) ? " La prueba aparece con el nombre de su carpeta, "
                                              : " La prova surt amb el nom de la seva carpeta, ") +
                             folderName + ".");
        return {folderName, ""};
    }
}

}  // namespace

// ---- names ----

std::string raceFolderName(int raceNumber) { return "PROVA" + threeDigits(raceNumber); }

std::string modalityPrefix(int modality) {
    static const char* const prefixes[] = {"", "LLR", "OFC", "SPP", "CRS"};
    return modality >= 1 && modality <= 4 ? prefixes[modality] : "";
}

std::string seriesBaseName(int modality, int series) {
    return modalityPrefix(modality) + threeDigits(series);
}

// ---- catalogue ----

std::vector<CatalogueEntry> readCatalogueBytes(const Bytes& data, const fs::path& file) {
    ByteReader in(data, file);
    return readUntilEnd<CatalogueEntry>(in, [](ByteReader& r) {
        CatalogueEntry entry;
        entry.name = r.counted();
        entry.date = r.counted();
        return entry;
    });
}

std::vector<CatalogueEntry> readCatalogue(const fs::path& file) {
    return readCatalogueBytes(readFileOrThrow(file), file);
}

Bytes catalogueBytes(const std::vector<CatalogueEntry>& races) {
    ByteWriter out;
    for (const auto& race : races) {
        out.counted(race.name);
        out.counted(race.date);
    }
    return std::move(out.bytes());
}

WriteResult writeCatalogue(const fs::path& file, const std::vector<CatalogueEntry>& races) {
    return writeBuiltFile(file, [&] { return catalogueBytes(races); });
}

std::vector<CatalogueEntry> rebuildRaceCatalogue(const fs::path& appFolder, StoreReport* report) {
    std::vector<CatalogueEntry> races;
    for (int number = 1;; ++number) {
        const std::string folderName = raceFolderName(number);
        const fs::path folder = appFolder / folderName;
        if (!folderExists(folder)) break;
        races.push_back(catalogueEntryOf(folder, folderName, report));
    }
    const fs::path file = appFolder / kCatalogueFileName;
    if (races.empty()) {
        // An empty catalogue never exists as a file.
        std::error_code ec;
        fs::remove(file, ec);
    } else if (!writeCatalogue(file, races)) {
        note(report, spanish(report) ? "No se ha podido grabar el archivo " + file.filename().string() +
                                           ". Compruebe que se pueda escribir en la carpeta del programa."
                                     : "No s'ha pogut gravar l'arxiu " + file.filename().string() +
                                           ". Comproveu que es pugui escriure a la carpeta del programa.");
    }
    return races;
}

std::vector<CatalogueEntry> loadRaceCatalogue(const fs::path& appFolder, StoreReport* report) {
    const fs::path file = appFolder / kCatalogueFileName;
    if (fileExists(file)) {
        try {
            auto races = readCatalogue(file);
            // An empty catalogue never exists as a file: one beside race folders lost them.
            if (!races.empty() || !folderExists(appFolder / raceFolderName(1))) return races;
            throw FileError(file, 0, "the file is empty");
        } catch (const FileError& e) {
            if (report)
                note(report, FileFaultText(report->language, e) +
                                 (spanish(report) ? " Se ha rehecho a partir de las carpetas de las pruebas."
                                                  : " S'ha refet a partir de les carpetes de les proves."));
        }
    }
    return rebuildRaceCatalogue(appFolder, report);
}

// ---- race header ----

RaceHeader readRaceHeaderBytes(const Bytes& data, StoreReport* report, const fs::path& file) {
    ByteReader in(data, file);
    RaceHeader header;
    for (std::size_t m = 0; m < header.SeriesCount.size(); ++m) {
        const int16_t count = in.integer();
        header.SeriesCount[m] = std::clamp<int16_t>(count, 0, kMaxSeries);
        if (count != header.SeriesCount[m])
            noteSeriesCount(report, file, m + 1, count, header.SeriesCount[m]);
    }
    in.seek(kRaceNameAt);
    header.name = in.counted();
    header.date = in.counted();
    return header;
}

RaceHeader readRaceHeader(const fs::path& file, StoreReport* report) {
    return readRaceHeaderBytes(readFileOrThrow(file), report, file);
}

Bytes raceHeaderBytes(const RaceHeader& header) {
    ByteWriter out;
    for (int16_t count : header.SeriesCount) out.integer(count);
    out.zeros(kUnusedHeaderBytes);
    out.counted(header.name);
    out.counted(header.date);
    return std::move(out.bytes());
}

WriteResult writeRaceHeader(const fs::path& file, const RaceHeader& header) {
    return writeBuiltFile(file, [&] { return raceHeaderBytes(header); });
}

WriteResult writeSeriesCounts(const fs::path& file, const std::array<int16_t, 4>& counts) {
    if (!fileExists(file)) return WriteResult::failed(file, ENOENT);
    ByteWriter out;
    for (int16_t count : counts) out.integer(count);
    return writeInPlace(file, 0, out.bytes());
}

WriteResult writeRaceNameAndDate(const fs::path& file, const std::string& name, const std::string& date) {
    Bytes texts;
    try {
        texts = nameAndDateBytes(name, date);
    } catch (const std::invalid_argument&) {
        return WriteResult::failed(file, kTextNotWritable);
    }
    if (!fileExists(file)) return WriteResult::failed(file, ENOENT);
    return writeInPlace(file, kRaceNameAt, texts);
}

// ---- participant lists ----

ParticipantList readParticipantListBytes(const Bytes& data, const fs::path& file) {
    ByteReader in(data, file);
    ParticipantList list;
    list.heats = in.integer();
    std::size_t read = 0;
    list.names = readUntilEnd<std::string>(in, [&read](ByteReader& r) {
        if (read++ == kMaxParticipantEntries)
            r.fail("more entries than a list can hold", FileFault::TooManyEntries);
        return r.counted();
    });
    return list;
}

ParticipantList readParticipantList(const fs::path& file) {
    return readParticipantListBytes(readFileOrThrow(file), file);
}

Bytes participantListBytes(const ParticipantList& list) {
    ByteWriter out;
    out.integer(list.heats);
    for (const auto& name : list.names) out.counted(name);
    return std::move(out.bytes());
}

WriteResult writeParticipantList(const fs::path& file, const ParticipantList& list) {
    return writeBuiltFile(file, [&] { return participantListBytes(list); });
}

WriteResult writeHeatCounter(const fs::path& file, int16_t heats) {
    ByteWriter out;
    out.integer(heats);
    return writeInPlace(file, 0, out.bytes());
}

std::optional<fs::path> participantFile(const RaceState& state, int series) {
    if (state.CurrentModality == 0) return state.inWorkingFolder(kEntrantsFileName);
    if (state.CurrentModality < 1 || state.CurrentModality > 4) return std::nullopt;
    return state.inWorkingFolder(seriesBaseName(state.CurrentModality, series) + ".PAR");
}

void LoadParticipants(RaceState& state, int series) {
    state.CurrentHeat = 0;
    state.ParticipantCount = 0;
    state.Participants.assign(1, "");

    std::optional<FileError> damage;
    const auto file = participantFile(state, series);
    if (file && fileExists(*file)) {
        try {
            ParticipantList list = readParticipantList(*file);
            state.CurrentHeat = std::max<int16_t>(list.heats, 0);
            for (auto& name : list.names) state.Participants.push_back(std::move(name));
        } catch (const FileError& e) {
            damage = e;
        }
    }
    const std::size_t padded = std::max<std::size_t>(
        state.Participants.size() - 1, static_cast<std::size_t>(std::max<int16_t>(state.Track.LaneCount, 0)));
    state.Participants.resize(padded + 1);
    state.ParticipantCount = static_cast<int16_t>(padded);
    if (damage) throw *damage;
}

}  // namespace sc
