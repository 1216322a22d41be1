#include "standings/heat_results_store.h"

#include <algorithm>
#include <cmath>
#include <system_error>

#include "core/file_error.h"
#include "core/file_fault_text.h"
#include "core/file_io.h"
#include "core/lap_log.h"
#include "core/laps_format.h"
#include "core/number_format.h"
#include "core/prompter.h"
#include "core/race_store.h"
#include "core/record_file.h"
#include "localisation/file_problem_texts.h"
#include "localisation/heat_notices.h"
#include "standings/classification_columns.h"
#include "standings/standings_engine.h"
#include "standings/voltaavolta.h"

namespace sc {

using namespace cls;

namespace {

int16_t toInteger(double value) {
    if (!(std::fabs(value) < 32768.0)) return value < 0 ? INT16_MIN : INT16_MAX;
    return static_cast<int16_t>(std::lround(value));
}

std::string lapsText(float laps, const TrackConfig& track) {
    std::string text = Str(laps);
    return FormatLaps(text, false, track);
}

std::vector<HeatRecord> decodeAll(const Bytes& data, const std::filesystem::path& file) {
    std::vector<HeatRecord> records;
    ByteReader reader(data, file);
    while (reader.remaining() >= kHeatRecordSize) records.push_back(decodeHeatRecord(reader));
    return records;
}

// What the director sees, and can do, when the stored standings cannot be shown.
std::string storedHeatsAdvice(int language) {
    return language == 1
               ? "\nLa clasificación se muestra sin las mangas guardadas: recupere el archivo de una copia "
                 "de la prueba."
               : "\nLa classificació es mostra sense les mànigues guardades: recupereu l'arxiu d'una còpia "
                 "de la prova.";
}

}  // namespace

HeatResultsStore::HeatResultsStore(RaceState& state, StandingsEngine& engine, Prompter& prompter)
    : state_(state), engine_(engine), prompter_(prompter) {}

std::filesystem::path HeatResultsStore::SeriesFile(const std::string& extension) const {
    return state_.inWorkingFolder(state_.CurrentBase + extension);
}

void HeatResultsStore::warn(const std::string& text) { prompter_.inform(text, "", MessageIcon::Exclamation); }

// ---- rows and records --------------------------------------------------------------

void HeatResultsStore::RegistreDesDeFila(int16_t fila) {
    const Grid& g = engine_.InfoClass;
    const bool race = state_.CurrentModality == static_cast<int16_t>(Modality::Race);
    HeatRecord& rec = Registre;
    rec = HeatRecord{};
    rec.participant = toInteger(num(g, fila, kNumber));
    rec.totalLaps = static_cast<float>(num(g, fila, kLaps));
    if (race)
        rec.passTime = rec.totalLaps > 0 ? static_cast<float>(-num(g, fila, kSeriesKey)) : 0.0f;
    else
        rec.passTime = static_cast<float>(num(g, fila, kFastestTime));
    rec.fastestLap = static_cast<float>(num(g, fila, kFastest));
    rec.fastestLane = toInteger(num(g, fila, kFastestLane));
    rec.position = toInteger(num(g, fila, kHeatPosition));
    if (g.Cell(fila, kHeats).picture) rec.position = static_cast<int16_t>(-rec.position);
    rec.lane = toInteger(num(g, fila, kLane));
    rec.heatLaps = static_cast<float>(num(g, fila, kHeatLaps));
    rec.placesGained = toInteger(num(g, fila, kGained));
    rec.lastLap = static_cast<float>(num(g, fila, kLastLap));
    rec.bestLap = static_cast<float>(num(g, fila, kHeatBest));
    rec.key0 = static_cast<float>(num(g, fila, kHeatPosition));
    rec.key1 = static_cast<float>(num(g, fila, kHeatKey1));
    rec.key2 = static_cast<float>(num(g, fila, kHeatKey2));
}

void HeatResultsStore::FilaDesDeRegistre(int16_t fila) {
    Grid& g = engine_.InfoClass;
    if (fila < 1 || fila >= g.Rows()) return;
    const HeatRecord& rec = Registre;
    const TrackConfig& t = state_.Track;
    const int16_t modality = state_.CurrentModality;
    const auto set = [&](int col, std::string text) { g.SetTextMatrix(fila, col, std::move(text)); };

    set(kNumber, Str(rec.participant));
    const auto slot = static_cast<std::size_t>(rec.participant);
    if (rec.participant > 0 && slot < state_.Participants.size()) set(kName, state_.Participants[slot]);
    set(kLaps, lapsText(rec.totalLaps, t));
    if (modality == static_cast<int16_t>(Modality::Race)) {
        set(kSeriesKey, rec.totalLaps == 0 ? FormatNumber(-rec.participant, "0")
                                           : FormatNumber(-rec.passTime, kClockMask));
    } else {
        set(kSeriesKey, rec.fastestLap != 0 ? "0" : FormatNumber(rec.participant, "0"));
        set(kFastestTime, FormatNumber(rec.passTime, kClockMask));
    }
    set(kFastest, FormatNumber(rec.fastestLap, kTimeMask));
    set(kFastestLane, FormatNumber(rec.fastestLane, kLaneMask));
    g.Select(fila, kHeats);
    g.SetCellPicture(rec.position < 0);
    set(kLane, FormatNumber(rec.lane, kLaneMask));
    set(kHeatLaps, lapsText(rec.heatLaps, t));
    set(kGained, FormatNumber(rec.placesGained, kSignedMask));
    set(kLastLap, rec.lastLap == 1.0f ? kFirstPassText : FormatNumber(rec.lastLap, kTimeMask));
    set(kHeatBest, FormatNumber(rec.bestLap, kTimeMask));
    if (rec.key0 > 0)
        set(kHeatPosition,
            FormatNumber(rec.key0, modality == static_cast<int16_t>(Modality::SuperPole) ? kKeyMask : "0"));
    set(kHeatKey1, FormatNumber(rec.key1, kKeyMask));
    set(kHeatKey2, FormatNumber(rec.key2, kKeyMask));
}

// ---- building the live table ---------------------------------------------------------

void HeatResultsStore::CarregarClass() {
    Grid& g = engine_.InfoClass;
    g.SetRedraw(false);
    if (state_.CurrentHeat <= 0) {
        std::error_code ec;
        std::filesystem::remove(SeriesFile(".DAD"), ec);
        buildUnrunTable();
    } else if (!loadHeatBlock()) {
        buildUnrunTable();
    }
    RebuildAbsoluteFastest();
    engine_.WriteHeatsRun();
    engine_.PrepareSuperPoleLabels(state_.HeatRunning != 0 ? state_.CurrentHeat : state_.CurrentHeat + 1);
    engine_.OrdenarClass();
    g.SetRedraw(true);
}

void HeatResultsStore::buildUnrunTable() {
    Grid& g = engine_.InfoClass;
    engine_.ResetRows(kBrightWhite);
    const bool race = state_.CurrentModality == static_cast<int16_t>(Modality::Race);
    for (int i = 1; i < g.Rows(); ++i) {
        g.SetTextMatrix(i, kNumber, std::to_string(i));
        const auto slot = static_cast<std::size_t>(i);
        g.SetTextMatrix(i, kName, slot < state_.Participants.size() ? state_.Participants[slot] : "");
        g.SetTextMatrix(i, kSeriesKey, std::to_string(race ? -i : i));
    }
    if (VoltaaVolta* view = engine_.LapView()) view->ResetAll();
}

// The standings stored with CurrentHeat; false (after telling the user) when
// the file does not hold them.
bool HeatResultsStore::loadHeatBlock() {
    const auto file = SeriesFile(".DAD");
    std::vector<HeatBlock> blocks;
    try {
        blocks = readHeatBlocks(file);
    } catch (const FileError& e) {
        warn(fileProblemText(state_.Settings.Language, FileProblemText::HeatFileUnreadable,
                             {file.filename().string(), FileFaultText(state_.Settings.Language, e)}));
        return false;
    }
    const auto found = std::find_if(blocks.begin(), blocks.end(), [&](const HeatBlock& b) {
        return b.header.heatNumber() == state_.CurrentHeat;
    });
    if (found == blocks.end()) {
        const bool spanish = state_.Settings.Language == 1;
        warn((spanish ? "El archivo " : "L'arxiu ") + ShownFileName(file) +
             (spanish ? " no tiene la clasificación de la manga" : " no té la classificació de la màniga") +
             Str(state_.CurrentHeat) + "." + storedHeatsAdvice(state_.Settings.Language));
        return false;
    }
    engine_.ResetRows(kDefaultColour);
    const int rows = std::min<int>(static_cast<int>(found->rows.size()), engine_.InfoClass.Rows() - 1);
    for (int j = 1; j <= rows; ++j) {
        Registre = found->rows[static_cast<std::size_t>(j - 1)];
        FilaDesDeRegistre(static_cast<int16_t>(j));
    }
    return true;
}

// ---- storing and cancelling a heat ----------------------------------------------------

std::size_t HeatBlockStart(const std::vector<HeatRecord>& records, int16_t heat) {
    if (heat <= 1) return 1;
    std::size_t start = 1;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const HeatRecord& rec = records[i];
        if (rec.participant != 0 || rec.heatNumber() < 1 || rec.heatNumber() >= heat) continue;
        const std::size_t after = i + 2 + static_cast<std::size_t>(std::max<int16_t>(rec.count(), 0));
        if (rec.heatNumber() == heat - 1) return std::min(after, records.size() + 1);
        start = std::min(after, records.size() + 1);  // a missing previous block: after the last earlier one
    }
    return start;
}

bool HeatResultsStore::GuardarManiga() {
    const int16_t h = state_.CurrentHeat;
    if (h < 1) return false;
    // Every part is tried; the first failure names its file and reason.
    WriteResult result = writeHeatCounter(SeriesFile(".PAR"), h);
    auto keepFirstFailure = [&result](WriteResult next) {
        if (result) result = std::move(next);
    };
    keepFirstFailure(CopyLapLogToSeries(state_.inWorkingFolder(kLapLogName), SeriesFile(".VAV"), h));
    if (heatFileUnreadable(h)) {  // the laps are kept; the heat file is left as it is
        warn(fileProblemText(state_.Settings.Language, FileProblemText::HeatNotStored,
                             {SeriesFile(".DAD").filename().string(), std::to_string(h),
                              SeriesFile(".VAV").filename().string()}));
        return false;
    }
    keepFirstFailure(writeHeatBlock(h));
    if (result) return true;
    const int language = state_.Settings.Language;
    const std::string why = FileWriteText(language, result.error());
    warn(language == 1 ? "No se ha podido guardar la manga en los ficheros de la serie (" + why + ")."
                       : "No s'ha pogut desar la màniga als fitxers de la sèrie (" + why + ").");
    return false;
}

// A heat file holding earlier heats that does not read cleanly is never
// written to: a block put after what it seems to hold may land inside a broken one.
bool HeatResultsStore::heatFileUnreadable(int16_t heat) const {
    if (heat <= 1) return false;  // heat 1 starts the file anew
    const auto file = SeriesFile(".DAD");
    const auto data = readFileBytes(file);
    if (!data) return fileExists(file);
    try {
        walkHeatBlocks(*data, file);
    } catch (const FileError&) {
        return true;
    }
    return false;
}

// Keeps the blocks of the earlier heats byte for byte and puts the block of
// heat h after them; whatever followed (a cancelled heat) goes.
WriteResult HeatResultsStore::writeHeatBlock(int16_t heat) {
    const auto file = SeriesFile(".DAD");
    Bytes data;
    if (heat > 1) {
        data = readFileBytes(file).value_or(Bytes{});
        const std::size_t start = HeatBlockStart(decodeAll(data, file), heat);
        data.resize((start - 1) * kHeatRecordSize);
    }
    const auto append = [&data](const HeatRecord& rec) {
        const Bytes bytes = encodeHeatRecord(rec);
        data.insert(data.end(), bytes.begin(), bytes.end());
    };
    append(HeatRecord::header(heat, static_cast<float>(state_.HeatStartTime), state_.ParticipantCount));
    for (int r = 1; r < engine_.InfoClass.Rows(); ++r) {
        RegistreDesDeFila(static_cast<int16_t>(r));
        append(Registre);
    }
    return writeFileAtomic(file, data);
}

void HeatResultsStore::AnullarManiga() {
    if (state_.CurrentHeat < 1) return;  // nothing run, nothing to cancel
    MessageBox box{state_.Msg[0][5] + Str(state_.CurrentHeat) + "?",
                   state_.Msg[0][6],
                   {Button::Yes, Button::No},
                   Button::No,
                   MessageIcon::Question};
    if (prompter_.ask(box) != Button::Yes) return;
    const auto heats = static_cast<int16_t>(state_.CurrentHeat - 1);
    // A count the file did not take would bring the heat back at the next opening.
    if (!writeHeatCounter(SeriesFile(".PAR"), heats)) {
        warn(heatNotice(state_.Settings.Language, HeatNotice::HeatCountWrite));
        return;
    }
    state_.CurrentHeat = heats;
    if (VoltaaVolta* view = engine_.LapView()) view->ResetAll();
    engine_.ForgetLatestLane();
    CarregarClass();
}

}  // namespace sc
