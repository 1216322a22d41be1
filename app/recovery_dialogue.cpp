#include "app/recovery_dialogue.h"

#include <cmath>
#include <system_error>

#include "app/portada.h"
#include "core/prompter.h"
#include "core/race_state.h"
#include "core/race_store.h"
#include "core/settings_files.h"
#include "core/startup.h"
#include "core/value_file.h"
#include "localisation/heat_notices.h"
#include "localisation/language_tables.h"

namespace sc {

namespace {

constexpr std::string_view kMainWindow = "Portada";

// A count read back from the file: a whole number from 1 to the Integer limit.
std::optional<int16_t> positiveWhole(const std::string& line) {
    const double v = lineValue(line);
    if (v < 1 || v > INT16_MAX || std::floor(v) != v) return std::nullopt;
    return static_cast<int16_t>(v);
}

std::string caption(int16_t language, std::string_view control, int index) {
    return tableText(language, kMainWindow, control, index).value_or("");
}

std::string message(int16_t language, int item) {
    return tableMessage(language, kMainWindow, 0, item).value_or("");
}

void deleteRecoveryFile(const RaceState& state) {
    std::error_code ignored;  // a file that will not go is only asked about again after the next crash
    std::filesystem::remove(state.inAppFolder(kRecoveryFileName), ignored);
}

void forgetHeat(RaceState& state) {
    state.CurrentModality = 0;
    state.CurrentSeries = 0;
    state.CurrentHeat = 0;
    state.HeatStartTime = 0;
    state.RecoveryPending = 0;
}

// Steps 1-2: the race and series of the file selected in the main window;
// false when the lists hold no such race or series.
bool selectHeat(RaceState& state, Portada& window, const RecoveryValues& values) {
    if (!window.LlProves.isValidPosition(values.race - 1)) return false;
    state.CurrentRace = values.race;
    window.LlProves_Click(values.race - 1);
    if (window.LlProves.selected != values.race - 1) return false;
    state.CurrentModality = values.modality;
    state.CurrentSeries = values.series;
    const ListControl& series = window.LlSeries[values.modality];
    if (!series.isValidPosition(values.series - 1)) return false;
    window.LlSeries_Click(values.modality, values.series - 1);
    state.CurrentHeat = values.heat;
    if (values.heatStartTime) state.HeatStartTime = *values.heatStartTime;
    return true;
}

}  // namespace

std::optional<RecoveryValues> parseRecoveryLines(const std::vector<std::string>& lines) {
    if (lines.size() < 4) return std::nullopt;
    const auto race = positiveWhole(lines[0]);
    const auto modality = positiveWhole(lines[1]);
    const auto series = positiveWhole(lines[2]);
    const auto heat = positiveWhole(lines[3]);
    if (!race || !modality || !series || !heat || *modality > kSeriesLists) return std::nullopt;
    RecoveryValues values{*race, *modality, *series, *heat, std::nullopt, {}};
    // Each resume appends the shifted start: the last one is the clock the heat
    // ran on when it died (line 5 alone would shift every later pass by the pauses).
    values.journal = readHeatJournal({lines.begin() + 4, lines.end()});
    values.heatStartTime = values.journal.heatStartTime;
    return values;
}

std::string recoveryQuestion(int16_t language, const std::string& raceName, int modality, int series,
                             int heat) {
    const char cr = '\r';
    std::string text = message(language, 11) + cr;
    text += cr;
    text += caption(language, "Marc", 0) + ": " + raceName + cr;
    text += message(language, 13) + " " + caption(language, "MnuPrg", modality) + cr;
    text += caption(language, "Text", modality) + " " + std::to_string(series) + cr;
    text += message(language, 12) + " " + std::to_string(heat) + cr;
    text += heatNotice(language, HeatNotice::StillTimed) + cr;
    return text;
}

std::string recoveryTitle(int16_t language) { return message(language, 10); }

RecoveryOutcome RunRecoveryDialogue(RaceState& state, Portada& window, Prompter& prompter,
                                    RecoveryHost& host) {
    const auto lines = readValueLines(state.inAppFolder(kRecoveryFileName));
    const auto values = lines ? parseRecoveryLines(*lines) : std::nullopt;
    const bool named = values && selectHeat(state, window, *values);
    deleteRecoveryFile(state);
    if (!named) {
        forgetHeat(state);
        return RecoveryOutcome::Discarded;
    }

    // Cars keep crossing while the question waits: the ports listen from now on.
    const auto raceTrack = state.AppFolder / raceFolderName(state.CurrentRace) / kTrackFileName;
    if (!takeConnections(state, raceTrack)) takeGeneralConnections(state);
    host.OpenLapCounterPortsHeld();

    const int16_t language = state.Settings.Language;
    const std::string& raceName = window.LlProves.items[window.LlProves.selected];
    const MessageBox box{
        recoveryQuestion(language, raceName, state.CurrentModality, state.CurrentSeries, state.CurrentHeat),
        recoveryTitle(language),
        {Button::Yes, Button::No},
        Button::No,
        MessageIcon::Question};
    if (prompter.ask(box) != Button::Yes || !host.OpenProgramme(state.CurrentModality)) {
        forgetHeat(state);
        host.ReleaseHeldReception(false);
        return RecoveryOutcome::Declined;
    }
    // RecoveryPending still set: the start keeps HeatStartTime and replays the lap log.
    host.PressStartKey();
    host.RestoreJournal(values->journal);
    state.RecoveryPending = 0;
    host.ReleaseHeldReception(true);
    return RecoveryOutcome::Resumed;
}

}  // namespace sc
