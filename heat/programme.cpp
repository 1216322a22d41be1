#include "heat/programme.h"

#include "core/file_error.h"
#include "core/file_io.h"
#include "core/lap_log.h"
#include "core/number_format.h"
#include "core/prompter.h"
#include "core/race_state.h"
#include "core/race_store.h"
#include "core/settings_files.h"
#include "core/startup.h"
#include "heat/lap_registration.h"
#include "localisation/language_tables.h"
#include "organisation/entrants.h"
#include "standings/voltaavolta.h"

namespace sc {

namespace {

constexpr int kSuperPole = static_cast<int>(Modality::SuperPole);
constexpr int kOfficialPractice = static_cast<int>(Modality::OfficialPractice);
constexpr int kRace = static_cast<int>(Modality::Race);

std::string portadaCaption(const RaceState& state, const char* control, int index) {
    return tableText(state.Settings.Language, "Portada", control, index).value_or(std::string());
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

// The live lap-by-lap window and the heat machinery that lives with it.
struct Programme::Live {
    Live(RaceState& state, ProgrammeState& ui, const PcClock& clock, Prompter& prompter,
         StandingsHooks& hooks, StandingsSink& sink)
        : view(state.Track.LaneCount, state.Settings,
               tableText(state.Settings.Language, "VoltaaVolta", "Titol", 0).value_or("Pista")),
          log(state.WorkingFolder),
          registration(state, log, view, ui.errors, sink),
          heat(state, ui.panel, ui.errors, view, log, registration, clock, prompter, hooks) {}

    VoltaaVolta view;
    LapLog log;
    LapRegistration registration;
    HeatClock heat;
};

Programme::Programme(RaceState& state, const PcClock& clock, Prompter& prompter, ProgrammeHost& host,
                     StandingsHooks& hooks, StandingsSink& sink)
    : state_(state), clock_(clock), prompter_(prompter), host_(host), hooks_(hooks), sink_(sink) {}

Programme::~Programme() = default;

HeatClock* Programme::Clock() { return live_ ? &live_->heat : nullptr; }
VoltaaVolta* Programme::View() { return live_ ? &live_->view : nullptr; }
LapRegistration* Programme::Registration() { return live_ ? &live_->registration : nullptr; }

bool Programme::MnuPrg_Click(int index) {
    if (index < 0 || index > kRace || ui.heatMode) return false;
    if (index > 0 && host_.SelectedSeries(index) < 0) return false;
    state_.CurrentModality = static_cast<int16_t>(index);
    if (index > 0) {
        state_.CurrentSeries = static_cast<int16_t>(host_.SelectedSeries(index) + 1);
        state_.WorkingFolder = state_.AppFolder / raceFolderName(state_.CurrentRace);
    } else {
        state_.WorkingFolder = state_.AppFolder;
    }
    if (!loadSeries()) {
        abandon();
        return false;
    }
    ui.panel.SetCaptions(state_.Settings.Language);
    for (int i = 0; i < kHeatMenuButtons; ++i) ui.panel.EnableMenu(i, i == kMenuClose);
    extendTitle(index);

    live_ = std::make_unique<Live>(state_, ui, clock_, prompter_, hooks_, sink_);
    live_->heat.onClose = [this](bool shift) { Close(shift); };
    host_.OpenLapCounterPorts();
    ui.MnuFinestres = true;  // every live window within reach, the lap-by-lap one too
    if (index >= kOfficialPractice) {
        state_.CurrentBase = seriesBaseName(index, state_.CurrentSeries);
        host_.LoadClassification();
        ui.classificationLoaded = true;
    }
    ui.MnuArxiu = ui.MnuProgrames = ui.MnuDades = ui.MnuResultats = false;
    ui.FonsDePantallaVisible = false;
    ui.panel.visible = true;
    ui.panel.ShowMenu(true);
    ui.errors.SetVisible(false);
    ui.panel.timerInterval = index == kSuperPole ? kSuperPoleTimerInterval : kHeatTimerInterval;
    ui.heatMode = true;
    giveRepechageReport(index);
    return true;
}

// Steps 3 and 6: the track configuration of the working folder and the
// series' participants (which also set CurrentHeat).
bool Programme::loadSeries() {
    state_.CurrentHeat = 0;
    try {
        LoadReport report;
        LoadTrackConfig(state_, &report);
        if (!report.clamped.empty())
            prompter_.inform(clampedValuesMessage(state_.Settings.Language, kTrackFileName, report.clamped),
                             "", MessageIcon::Exclamation);
    } catch (const FileError& e) {
        prompter_.inform(damagedFileMessage(state_.Settings.Language, e), "", MessageIcon::Exclamation);
        return false;
    }
    try {
        LoadParticipants(state_, state_.CurrentSeries);
    } catch (const FileError& e) {
        prompter_.inform(damagedParticipantsMessage(state_, e), "", MessageIcon::Exclamation);
        return false;
    }
    return true;
}

void Programme::abandon() {
    state_.WorkingFolder = state_.AppFolder;
    state_.CurrentModality = 0;
}

void Programme::extendTitle(int index) {
    if (index > 0) ui.title += " - " + trimmed(host_.SelectedRaceName());
    ui.title += " - " + portadaCaption(state_, "MnuPrg", index);
    if (index > 0 && host_.SeriesInList(index) >= 2)
        ui.title +=
            " (" + portadaCaption(state_, "Text", index) + FormatNumber(state_.CurrentSeries, " #") + ")";
    if (index > 1) ui.title += " <";
}

void Programme::giveRepechageReport(int index) {
    const auto lookup =
        readDistributionRecord(state_.AppFolder, state_.Track.LaneCount, state_.ParticipantCount);
    // Where a report is due, a file that could not be used says so instead of nothing.
    const bool reportDue = index == kOfficialPractice || (index == kRace && state_.CurrentSeries == 1);
    const std::string problem = distributionProblemMessage(state_.Settings.Language, lookup);
    if (reportDue && !problem.empty()) prompter_.inform(problem, "", MessageIcon::Exclamation);
    ui.report = repechageReport(index, state_.CurrentSeries, state_.Track.LaneCount, lookup);
    if (!ui.report) return;
    if (ui.report->cutRow) host_.MarkClassificationCut(*ui.report->cutRow);
    prompter_.ask(ui.report->box);
}

void Programme::Close(bool shift) {
    if (!ui.heatMode || state_.HeatRunning != 0) return;
    ui.FonsDePantallaVisible = true;
    ui.panel.visible = false;
    ui.MnuFinestres = false;
    ui.MnuArxiu = ui.MnuProgrames = true;
    ui.MnuDades = ui.MnuResultats = state_.CurrentRace > 0;
    host_.CloseLapCounterPorts();
    live_->log.Discard();
    // The close is a click handled inside this heat clock: it is retired, not
    // destroyed, until the next close.
    retired_ = std::move(live_);
    state_.WorkingFolder = state_.AppFolder;
    if (state_.CurrentModality > 1) {
        host_.UnloadClassification();
        ui.classificationLoaded = false;
    }
    ui.title = ui.title.substr(0, ui.title.find(' '));
    ui.heatMode = false;

    const int modality = state_.CurrentModality;
    const int next = host_.SelectedSeries(modality) + 1;
    if (shift && modality > 1 && next >= 1 && next < host_.SeriesInList(modality)) {
        host_.SelectSeries(modality, next);
        MnuPrg_Click(modality);
    } else {
        state_.CurrentModality = 0;
    }
}

bool OpenPlainTrainingOnAutorun(const RaceState& state, Programme& programme) {
    if (!fileExists(state.inAppFolder(kAutorunFileName))) return false;
    return programme.MnuPrg_Click(0);
}

}  // namespace sc
