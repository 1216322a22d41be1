#include "organisation/entrants.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <random>
#include <system_error>

#include "core/cp1252.h"
#include "core/file_error.h"
#include "core/file_fault_text.h"
#include "core/file_io.h"
#include "core/number_format.h"
#include "core/race_store.h"
#include "core/record_file.h"
#include "core/settings_files.h"
#include "localisation/apply_language.h"
#include "localisation/file_problem_texts.h"
#include "localisation/language_tables.h"
#include "localisation/text_case.h"
#include "organisation/heat_programme.h"
#include "organisation/race_manager.h"

namespace sc {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kInscrits = "Inscrits";
constexpr std::string_view kPortada = "Portada";
constexpr int kSuperPole = 3;
constexpr int kColNumberWidth = 600;
constexpr int kColNameWidth = 1700;

// "Dorsal|Inscrit" -> "^Dorsal|<Inscrit": number centred, name left.
std::string pickListFormat(const std::string& headings) {
    const auto bar = headings.find('|');
    if (bar == std::string::npos) return "^" + headings + "|<";
    return "^" + headings.substr(0, bar) + "|<" + headings.substr(bar + 1);
}

}  // namespace

RandomSource clockSeededRandom() {
    const auto seed = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    auto engine = std::make_shared<std::mt19937_64>(seed);
    return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}

int minimumSlots(int laneCount, int heatsRun, bool superPole) {
    int minimum = heatsRun >= 2 ? laneCount + heatsRun - 1 : laneCount;
    if (superPole) minimum = std::max(minimum - laneCount + 1, laneCount);
    return minimum;
}

int clampSlotCount(const std::string& typed, int minimum) {
    const double value = ReadNumber(typed);
    int count = value > kMaxSlots ? kMaxSlots : static_cast<int>(std::max(value, -1.0));
    if (count < minimum) count = minimum;
    return count;
}

void swapPass(std::vector<std::string>& slots, const RandomSource& random) {
    const int n = static_cast<int>(slots.size()) - 1;
    for (int i = 1; i <= n; ++i) {
        double r = random();
        if (!(r >= 0.0 && r < 1.0)) r = 0.0;  // a source out of range never indexes past the slots
        const int j = std::min(static_cast<int>(r * n) + 1, n);
        std::swap(slots[i], slots[j]);
    }
}

Bytes renumberHeatFile(const Bytes& data, int oldCount, int newCount, const fs::path& file) {
    Bytes out;
    for (const HeatBlock& block : walkHeatBlocks(data, file)) {
        std::vector<HeatRecord> rows;
        for (const HeatRecord& row : block.rows)
            if (row.participant <= newCount) rows.push_back(row);
        for (int p = oldCount + 1; p <= newCount; ++p) {
            const bool present = std::any_of(rows.begin(), rows.end(),
                                             [p](const HeatRecord& r) { return r.participant == p; });
            if (!present) {
                HeatRecord empty;
                empty.participant = static_cast<int16_t>(p);
                rows.push_back(empty);
            }
        }
        HeatRecord header = block.header;
        header.placesGained = static_cast<int16_t>(rows.size());
        const Bytes head = encodeHeatRecord(header);
        out.insert(out.end(), head.begin(), head.end());
        for (const HeatRecord& row : rows) {
            const Bytes bytes = encodeHeatRecord(row);
            out.insert(out.end(), bytes.begin(), bytes.end());
        }
    }
    return out;
}

Bytes renumberPenaltyFile(const Bytes& data, int newCount, const fs::path& file) {
    Bytes out;
    ByteReader reader(data, file);
    while (!reader.atEnd()) {
        const std::size_t start = reader.pos();
        const int16_t participant = reader.integer();
        reader.single();
        reader.countedRaw();
        if (participant >= 1 && participant <= newCount)
            out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(start),
                       data.begin() + static_cast<std::ptrdiff_t>(reader.pos()));
    }
    return out;
}

std::string damagedParticipantsMessage(const RaceState& state, const FileError& error) {
    const bool series = state.CurrentModality >= 1 && state.CurrentModality <= 4;
    return fileProblemText(state.Settings.Language,
                           series ? FileProblemText::DamagedSeriesList : FileProblemText::DamagedNameList,
                           {error.file().filename().string(), FileFaultText(state.Settings.Language, error)});
}

// ---------------------------------------------------------------- Inscrits

Inscrits::Inscrits(RaceState& state, Prompter& prompter) : state_(state), prompter_(prompter) {}

bool Inscrits::entrantsMode() const { return modality_ == 0 && !workingInAppFolder(state_); }

std::optional<fs::path> Inscrits::listFile() const {
    // Free practice keeps its list in LLRnnn.PAR like the other modalities: the
    // participant loader reads that file, so what is saved here is what runs.
    return participantFile(state_, series_);
}

void Inscrits::Load() {
    modality_ = state_.CurrentModality;
    series_ = modality_ >= 1 ? state_.CurrentSeries : 0;
    const int16_t language = state_.Settings.Language;
    writeWindowMessages(state_, kInscrits, language);

    std::optional<std::string> menu;
    if (modality_ == 0)
        menu = entrantsMode() ? tableText(language, kPortada, "MnuIns", 0)
                              : tableText(language, kPortada, "MnuIns100", -1);
    else
        menu = tableText(language, kPortada, "MnuIns", modality_);
    if (!menu) menu = tableText(language, kPortada, "MnuPrg", modality_);
    titleSuffix = " - " + withoutEllipsis(menu.value_or(""));

    try {
        LoadTrackConfig(state_);
    } catch (const FileError& e) {
        prompter_.inform(raceFileMessage(language, RaceFileText::DamagedFile, FileFaultText(language, e)),
                         msgText(state_, kPortada, 0, 3), MessageIcon::Exclamation);
    }
    seriesListUnread_ = false;
    try {
        LoadParticipants(state_, series_);
    } catch (const FileError& e) {
        seriesListUnread_ = modality_ >= 1;
        prompter_.inform(damagedParticipantsMessage(state_, e), msgText(state_, kPortada, 0, 3),
                         MessageIcon::Exclamation);
    }
    loadedCount_ = state_.ParticipantCount;
    NomPista.assign(state_.Participants.begin(), state_.Participants.end());
    if (NomPista.empty()) NomPista.emplace_back();
    NomPista.resize(static_cast<std::size_t>(loadedCount_) + 1);
    NPilots = std::to_string(loadedCount_);

    const int least = minimumSlots(state_.Track.LaneCount, state_.CurrentHeat, modality_ == kSuperPole);
    const bool frozen = least > loadedCount_;
    minimum_ = frozen ? loadedCount_ : least;
    Text1Enabled = !frozen;
    NPilotsEnabled = !frozen;
    Text2 = frozen ? std::to_string(loadedCount_) : std::to_string(least) + " - " + std::to_string(kMaxSlots);
    currentSlot = 1;
    shiftHeld = false;
    CarregarInscProva();
}

void Inscrits::CarregarInscProva() {
    const fs::path raceEntrants = state_.WorkingFolder / kEntrantsFileName;
    pickListFromEntrants = modality_ >= 1 && fileExists(raceEntrants);
    const fs::path source = pickListFromEntrants ? raceEntrants : state_.AppFolder / kEntrantsFileName;

    LlistaInscrits = Grid(1, 2, 1, 0);
    LlistaInscrits.SetFormatString(
        pickListFormat(msgText(state_, kInscrits, 6, pickListFromEntrants ? 7 : 9)));
    LlistaInscrits.SetColWidth(0, kColNumberWidth);
    LlistaInscrits.SetColWidth(1, kColNameWidth);
    LlistaInscrits.SetColAlignment(0, Alignment::Centre);
    LlistaInscrits.SetColAlignment(1, Alignment::Left);
    if (fileExists(source)) {
        try {
            const ParticipantList list = readParticipantList(source);
            for (std::size_t i = 0; i < list.names.size(); ++i)
                LlistaInscrits.AddItem(std::to_string(i + 1) + "\t" + list.names[i]);
        } catch (const FileError& e) {
            prompter_.inform(raceFileMessage(state_.Settings.Language, RaceFileText::DamagedFile,
                                             FileFaultText(state_.Settings.Language, e)),
                             msgText(state_, kPortada, 0, 3), MessageIcon::Exclamation);
        }
    }
    Text0Count = FormatNumber(LlistaInscrits.Rows() - 1, "(#)");
}

std::string Inscrits::NOrdre(int slot) const { return FormatNumber(slot, "##"); }

std::string Inscrits::TextPista(int slot) const {
    return std::to_string(startLaneOfSlot(slot, state_.Track.LaneChange, modality_ == kSuperPole));
}

void Inscrits::layOutSlots(int count) {
    NomPista.resize(static_cast<std::size_t>(count) + 1);
    if (currentSlot > count || currentSlot < 1) currentSlot = 1;
}

void Inscrits::NPilots_Lostfocus() {
    const int count = clampSlotCount(NPilots, minimum_);
    NPilots = std::to_string(count);
    layOutSlots(count);
}

void Inscrits::LlistaInscrits_DblClick(int row) {
    if (row < LlistaInscrits.FixedRows() || row >= LlistaInscrits.Rows() || slotCount() < 1) return;
    const std::string& number = LlistaInscrits.TextMatrix(row, 0);
    const std::string& name = LlistaInscrits.TextMatrix(row, 1);
    if (currentSlot < 1 || currentSlot > slotCount()) currentSlot = 1;
    NomPista[currentSlot] = modality_ >= 1 && shiftHeld ? "#" + number + " " + name : name;
    currentSlot = currentSlot % slotCount() + 1;
}

void Inscrits::Ordre_Click(int k) {
    if (k == 0) {
        LlistaInscrits.SortNumericAscending(0, 0);
        return;
    }
    const Grid& grid = LlistaInscrits;
    LlistaInscrits.SortCustom([&grid](int a, int b) {
        const std::string x = upperCaseCaption(grid.TextMatrix(a, 1));
        const std::string y = upperCaseCaption(grid.TextMatrix(b, 1));
        return x < y ? -1 : (y < x ? 1 : 0);
    });
}

void Inscrits::Reordenar(const RandomSource& random) { swapPass(NomPista, random); }

namespace {

// Replaces a series file through its working copy (TMP.DAD, TMP.PEN): the old
// file is renamed to the copy, the new content written, the copy deleted. The
// old file comes back when the new one cannot be written.
WriteResult replaceThroughCopy(const fs::path& file, const fs::path& copy, const Bytes& content) {
    std::error_code ec;
    fs::remove(copy, ec);
    fs::rename(file, copy, ec);
    if (ec) return WriteResult::failed(file, ec.value());
    WriteResult written = writeFileAtomic(file, content);
    if (!written) {
        fs::rename(copy, file, ec);
        return written;
    }
    fs::remove(copy, ec);
    return {};
}

}  // namespace

bool Inscrits::Sortir_Click(int index) {
    if (index != 1) return true;
    const auto file = listFile();
    if (!file) return true;
    const int16_t language = state_.Settings.Language;
    const std::string errorTitle = msgText(state_, kPortada, 0, 3);
    if (seriesListUnread_) {  // the heats already run are not known: nothing is written
        prompter_.inform(
            fileProblemText(language, FileProblemText::SeriesListNotSaved, {file->filename().string()}),
            errorTitle, MessageIcon::Exclamation);
        return false;
    }

    ParticipantList list;
    list.heats = state_.CurrentHeat;
    std::size_t totalLength = 0;
    for (int i = 1; i <= slotCount(); ++i) {
        std::string name = trimBlanks(NomPista[i]);
        if (!utf8ToCp1252(name)) {
            prompter_.inform(raceFileMessage(language, RaceFileText::NotWritableName, std::to_string(i)),
                             errorTitle, MessageIcon::Exclamation);
            currentSlot = i;
            return false;
        }
        totalLength += name.size();
        list.names.push_back(std::move(name));
    }

    // The series files are read and checked before anything is written.
    std::optional<Bytes> heatFile, penaltyFile;
    const bool renumber = modality_ >= 2 && slotCount() != loadedCount_;
    const std::string base = seriesBaseName(modality_, series_);
    const fs::path dad = state_.WorkingFolder / (base + ".DAD");
    const fs::path pen = state_.WorkingFolder / (base + ".PEN");
    if (renumber) {
        try {
            if (fileExists(dad))
                heatFile = renumberHeatFile(readFileOrThrow(dad), loadedCount_, slotCount(), dad);
            if (fileExists(pen)) penaltyFile = renumberPenaltyFile(readFileOrThrow(pen), slotCount(), pen);
        } catch (const FileError& e) {
            prompter_.inform(raceFileMessage(language, RaceFileText::DamagedFile, FileFaultText(language, e)),
                             errorTitle, MessageIcon::Exclamation);
            return false;
        }
    }

    auto tellNotWritten = [&](const WriteResult& written) {
        if (written) return false;
        prompter_.inform(
            raceFileMessage(language, RaceFileText::FileNotWritten, FileWriteText(language, written.error())),
            errorTitle, MessageIcon::Critical);
        return true;
    };
    if (tellNotWritten(writeParticipantList(*file, list))) return false;
    if (modality_ == 0 && totalLength == 0) {
        std::error_code ec;
        fs::remove(*file, ec);
    }
    if (heatFile) tellNotWritten(replaceThroughCopy(dad, state_.WorkingFolder / "TMP.DAD", *heatFile));
    if (penaltyFile) tellNotWritten(replaceThroughCopy(pen, state_.WorkingFolder / "TMP.PEN", *penaltyFile));
    loadedCount_ = slotCount();
    return true;
}

}  // namespace sc
