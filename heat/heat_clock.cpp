#include "heat/heat_clock.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <exception>
#include <limits>
#include <utility>

#include "core/file_error.h"
#include "core/file_fault_text.h"
#include "core/file_io.h"
#include "core/lap_log.h"
#include "core/number_format.h"
#include "core/prompter.h"
#include "core/race_state.h"
#include "core/race_store.h"
#include "core/startup.h"
#include "core/value_file.h"
#include "heat/lap_registration.h"
#include "heat/rejected_detections.h"
#include "localisation/heat_notices.h"
#include "organisation/entrants.h"
#include "organisation/heat_programme.h"
#include "standings/voltaavolta.h"

namespace sc {

namespace {

constexpr double kDay = 86400.0;
constexpr int16_t kFreePractice = static_cast<int16_t>(Modality::FreePractice);
constexpr int16_t kOfficialPractice = static_cast<int16_t>(Modality::OfficialPractice);
constexpr int16_t kSuperPole = static_cast<int16_t>(Modality::SuperPole);
constexpr int16_t kRace = static_cast<int16_t>(Modality::Race);
constexpr int16_t kTrue = -1;
constexpr int kManualLanes = 16;
constexpr int kComasButton = 5;

std::string inLanguage(const RaceState& state, std::string catalan, std::string spanish) {
    return state.Settings.Language == 1 ? std::move(spanish) : std::move(catalan);
}

bool competitive(int16_t modality) { return modality >= kOfficialPractice; }

// Seconds from `deadline` to `now` on a clock that wraps at midnight, within half a day.
double secondsPast(double now, double deadline) {
    double diff = now - deadline;
    if (diff < -kDay / 2) diff += kDay;
    if (diff > kDay / 2) diff -= kDay;
    return diff;
}

template <typename T>
void fillAll(std::vector<T>& values, T value) {
    std::fill(values.begin(), values.end(), value);
}

}  // namespace

int ComasToAsk(int modality, int askComas, int currentHeat, int laneCount, int participantCount) {
    if (modality != kRace) return 0;
    if (askComas == -1) return laneCount;
    if (askComas > 0 && currentHeat >= laneCount + participantCount * (askComas - 1))
        return currentHeat == participantCount * askComas ? laneCount : 1;
    return 0;
}

void PlaceHeatParticipants(RaceState& state, VoltaaVolta& view) {
    TrackConfig& t = state.Track;
    fillAll(t.CarriedTime, 0.0);
    if (!competitive(state.CurrentModality)) {
        view.SetUpAllLanes();
        return;
    }
    fillAll(t.LaneParticipant, int16_t{0});
    fillAll(t.LastPassTime, 0.0);
    fillAll(t.LaneSpare, 0.0);
    if (state.CurrentModality == kSuperPole) t.SuperPoleLane = 0;

    HeatRuleInput in{t.LaneCount, state.ParticipantCount, t.LaneChange, state.CurrentHeat,
                     state.CurrentModality == kSuperPole};
    std::vector<HeatPosition> positions;
    if (!heatRuleProblem(in)) positions = programmeHeat(in).positions;
    for (const HeatPosition& pos : positions) {
        if (pos.lane >= 0 && pos.lane < static_cast<int>(t.LaneParticipant.size()))
            t.LaneParticipant[pos.lane] = static_cast<int16_t>(pos.participant);
    }
    view.SetUpLanes(t.LaneParticipant);
    for (const HeatPosition& pos : positions) {
        if (!view.HasLane(pos.lane)) continue;
        const auto slot = static_cast<std::size_t>(pos.participant);
        view.SetDriver(pos.lane, slot < state.Participants.size() ? state.Participants[slot] : std::string());
    }
}

HeatClock::HeatClock(RaceState& state, HeatPanel& panel, RejectedDetections& errors, VoltaaVolta& view,
                     LapLog& log, LapRegistration& registration, const PcClock& clock, Prompter& prompter,
                     StandingsHooks& hooks)
    : state_(state),
      panel_(panel),
      errors_(errors),
      view_(view),
      log_(log),
      registration_(registration),
      clock_(clock),
      prompter_(prompter),
      hooks_(hooks) {
    registration_.onLogFailure = [this] { tell(HeatNotice::LapLogWrite); };
}

double HeatClock::now() const { return clock_.now(); }

void HeatClock::setHora(std::string text) {
    panel_.Hora = std::move(text);
    if (state_.CurrentModality > kFreePractice) hooks_.ShowClock(panel_.Hora);
}

void HeatClock::StartHeat(double pcClock) {
    hooks_.ParkMousePointer();
    const bool numbered = competitive(state_.CurrentModality);
    state_.CurrentHeat = numbered ? static_cast<int16_t>(state_.CurrentHeat + 1) : int16_t{1};
    const int askComas = state_.Settings.AskComas;
    if (state_.CurrentModality == kRace && askComas >= 1 &&
        state_.CurrentHeat > askComas * state_.ParticipantCount) {
        --state_.CurrentHeat;  // the last pass is over: the race has ended
        panel_.ShowMenu(true);
        return;
    }

    panel_.informationMenuEnabled = false;
    panel_.backColour = panel_.Menu[0].backColour;
    panel_.timerEnabled = true;
    setHora("0:00:00");
    panel_.textHoraVisible = true;
    panel_.horaVisible = true;
    panel_.horaBackColour = panel_.textHoraBackColour;

    PlaceHeatParticipants(state_, view_);
    if (numbered) hooks_.NovaManiga();

    int16_t pauses = 0;
    if (state_.RecoveryPending != 0) {
        pauses = registration_.Replay().pauses;  // the next pause record takes the next number
        if (!registration_.LogHealthy()) tell(HeatNotice::ReplayFailed);
    } else {
        state_.HeatStartTime = pcClock;
        registration_.SetLogHealthy(log_.Create(state_.HeatStartTime, state_.CurrentHeat));
        if (!registration_.LogHealthy()) tell(HeatNotice::LapLogCreate);
    }

    state_.HeatRunning = kTrue;
    state_.Paused = 0;
    state_.PauseCount = pauses;
    state_.KeepAliveDeadline = kKeepAliveUnarmed;
    scrollStep_ = 0;
    lastComas_ = 0;
    if (state_.CurrentModality >= kFreePractice) writeRecoveryFile();
}

void HeatClock::writeRecoveryFile() {
    if (!writeValueLines(state_.inAppFolder(kRecoveryFileName),
                         {valueText(int{state_.CurrentRace}), valueText(int{state_.CurrentModality}),
                          valueText(int{state_.CurrentSeries}), valueText(int{state_.CurrentHeat}),
                          valueText(state_.HeatStartTime)}))
        tell(HeatNotice::RecoveryFileWrite);
}

// A line of the running heat's KEL4.TMP (modalities 1..4, which have one).
void HeatClock::journal(const std::string& line) {
    if (state_.CurrentModality < kFreePractice) return;
    if (!appendValueLine(state_.inAppFolder(kRecoveryFileName), line)) tell(HeatNotice::RecoveryFileWrite);
}

void HeatClock::RestoreJournal(const HeatJournal& kept) {
    if (state_.HeatRunning == 0) return;
    for (const TypedCorrection& correction : kept.corrections) correctLaps(correction);
    if (kept.pausedSince) PauseHeat(*kept.pausedSince);
}

void HeatClock::tell(HeatNotice notice) {
    prompter_.inform(heatNotice(state_.Settings.Language, notice), "", MessageIcon::Exclamation);
}

void HeatClock::PauseHeat(double pcClock) {
    if (state_.HeatRunning == 0 || state_.Paused != 0) return;
    state_.Paused = kTrue;
    state_.PauseStartTime = pcClock;
    journal(pauseLine(pcClock));
    panel_.textPausaBackColour = kPauseColour;
    panel_.textPausaVisible = true;
    panel_.horaBackColour = panel_.textPausaBackColour;
}

void HeatClock::ResumeHeat(double pcClock) {
    if (state_.HeatRunning == 0 || state_.Paused == 0) return;
    state_.Paused = 0;
    ++state_.PauseCount;
    double length = pcClock - state_.PauseStartTime;
    if (length < 0) {  // midnight passed during the pause
        state_.PauseStartTime -= kDay;
        length = pcClock - state_.PauseStartTime;
    }
    state_.HeatStartTime += length;
    if (state_.HeatStartTime >= kDay) state_.HeatStartTime -= kDay;
    // The new start first: a kill between the two lines loses a pause record, never the clock.
    journal(valueText(state_.HeatStartTime));
    if (!log_.Append(MakePauseRecord(pcClock, state_.HeatStartTime, length, state_.PauseCount)))
        tell(HeatNotice::LapLogWrite);
    panel_.textPausaVisible = false;
    panel_.horaBackColour = panel_.textHoraBackColour;
}

void HeatClock::KeepAliveHeard(double pcClock) { state_.KeepAliveDeadline = pcClock + kKeepAliveSeconds; }

bool HeatClock::EndIfSilent(double pcClock) {
    if (state_.HeatRunning == 0 || state_.KeepAliveDeadline <= 0) return false;
    if (state_.KeepAliveDeadline > kDay) state_.KeepAliveDeadline -= kDay;
    // Compared on the day's circle, so a deadline just after midnight is not
    // taken as passed by a clock still short of it.
    if (secondsPast(pcClock, state_.KeepAliveDeadline) <= 0) return false;
    EndHeat();
    return true;
}

void HeatClock::EndHeat() {
    if (state_.HeatRunning == 0) return;
    if (state_.Paused != 0) ResumeHeat();
    state_.HeatRunning = 0;
    showHeatEnded();
    closeLapLog();
    if (competitive(state_.CurrentModality)) {
        hooks_.GuardarManiga();
        heatStored_ = true;
    }
    panel_.Hora.clear();
    std::error_code ec;
    std::filesystem::remove(state_.inAppFolder(kRecoveryFileName), ec);

    lastComas_ = ComasToAsk(state_.CurrentModality, state_.Settings.AskComas, state_.CurrentHeat,
                            state_.Track.LaneCount, state_.ParticipantCount);
    if (lastComas_ > 0) {
        state_.ModeCorregir = static_cast<int16_t>(-lastComas_);
        hooks_.OpenCorregir();
        state_.ModeCorregir = 0;
    }
}

void HeatClock::showHeatEnded() {
    panel_.informationMenuEnabled = true;
    panel_.timerEnabled = false;
    panel_.textHoraVisible = false;
    panel_.horaVisible = false;
    panel_.textPausaVisible = false;
    panel_.ShowMenu(true);
    const bool numbered = competitive(state_.CurrentModality);
    for (int i = 0; i < kHeatMenuButtons; ++i) panel_.EnableMenu(i, i <= 1 || numbered);
    panel_.EnableMenu(kComasButton, state_.CurrentModality == kRace && state_.Track.ComaDivisions != 0);
    clearLapCorrection();
}

void HeatClock::closeLapLog() {
    // A heat ended before any keep-alive (keys, a device end message) ends now.
    if (state_.KeepAliveDeadline < 0) state_.KeepAliveDeadline = now() + kKeepAliveSeconds;
    if (log_.isOpen() && !log_.Close(MakeEndRecord(state_.KeepAliveDeadline, state_.HeatStartTime)))
        tell(HeatNotice::LapLogClose);
}

void HeatClock::Tick() {
    if (!panel_.timerEnabled || state_.HeatRunning == 0) return;
    // Silence past the deadline ends the heat; a heat kept alive still shows its clock and pages.
    if (EndIfSilent(now())) return;
    if (panel_.textHoraVisible && state_.Paused != 0) {
        panel_.textPausaVisible = !panel_.textPausaVisible;
        panel_.horaBackColour =
            panel_.textPausaVisible ? panel_.textPausaBackColour : panel_.textHoraBackColour;
        return;
    }
    const double elapsed = WrapDay(now() - state_.HeatStartTime);
    autoScroll(elapsed);
    setHora(FormatTimeOfDay(elapsed, kElapsedTimeMask));
    if (state_.CurrentModality == kSuperPole) hooks_.SuperPoleTick(elapsed);
}

void HeatClock::autoScroll(double elapsed) {
    const int every = state_.Settings.AutoScrollSeconds;
    if (every <= 0) return;
    const auto step = static_cast<long>(std::floor(elapsed / every));
    if (step <= scrollStep_) return;
    scrollStep_ = step;
    view_.AutoScrollStep();
    if (state_.CurrentModality == kOfficialPractice || state_.CurrentModality == kRace)
        hooks_.PageClassification();
}

void HeatClock::HeatKeys(int key) {
    if (key == -1) {
        shiftHeld_ = true;
        return;
    }
    const bool shift = std::exchange(shiftHeld_, false);
    if (!panel_.visible) return;
    const bool running = state_.HeatRunning != 0;
    if (key == 's' || key == 'S') {
        if (running) {
            state_.KeepAliveDeadline = now() + kKeepAliveSeconds;
            EndHeat();
        } else {
            errors_.Clear();
            errors_.SetVisible(false);
            panel_.ShowMenu(false);
            StartHeat(now());
        }
        return;
    }
    if (running) {
        if (key == 'p' || key == 'P') {
            if (state_.Paused != 0)
                ResumeHeat();
            else
                PauseHeat();
        } else if (state_.CurrentModality == kRace) {
            lapCorrectionKey(key);
        }
        return;
    }
    const int button = panel_.MenuForKey(key);
    if (button == 0 && !closeByKeyWanted(key, shift)) return;
    if (button >= 0) Menu_Click(button, shift);
}

// Esc also leaves dialogs and the correction entry: typed once too often in the
// main window it would leave the heats, so with a stored heat on screen it asks.
// The button itself, and Shift+Esc, close at once.
bool HeatClock::closeByKeyWanted(int key, bool shift) {
    if (key != kEscapeKey || shift || !heatStored_) return true;
    const MessageBox box{heatNotice(state_.Settings.Language, HeatNotice::CloseAsked),
                         "",
                         {Button::Yes, Button::No},
                         Button::No,
                         MessageIcon::Question};
    return prompter_.ask(box) == Button::Yes;
}

bool HeatClock::lapCorrectionKey(int key) {
    if (key == '+' || key == '-') {
        panel_.MesMenys = std::string(1, static_cast<char>(key));
        panel_.mesMenysVisible = true;
    } else if (key >= '0' && key <= '9') {
        if (panel_.MesMenys.empty() || panel_.MesMenys.size() > 4) return false;
        panel_.MesMenys += static_cast<char>(key);
    } else if (key == kEnterKey) {
        applyLapCorrection();
    } else if (key == kEscapeKey) {
        clearLapCorrection();
    } else {
        return false;
    }
    return true;
}

void HeatClock::applyLapCorrection() {
    const std::string entry = std::exchange(panel_.MesMenys, std::string());
    panel_.mesMenysVisible = false;
    if (entry.size() < 2) return;  // a sign without a number
    correctLaps({std::stoi(entry.substr(1)), entry[0] == '+' ? 1 : -1});
}

void HeatClock::correctLaps(const TypedCorrection& correction) {
    if (hooks_.CorrectLaps(correction.participant, correction.delta)) journal(correctionLine(correction));
}

void HeatClock::clearLapCorrection() {
    panel_.MesMenys.clear();
    panel_.mesMenysVisible = false;
}

void HeatClock::Menu_Click(int index, bool shift) {
    if (state_.HeatRunning != 0 || index < 0 || index >= kHeatMenuButtons || !panel_.Menu[index].enabled)
        return;
    switch (index) {
        case 0:
            if (onClose) onClose(shift);
            break;
        case 1:
            hooks_.LlistarVoltes();
            reloadParticipants();
            break;
        case 2:
            hooks_.Imprimir(shift);
            break;
        case 3:
            hooks_.OpenCorregir();
            break;
        case 4:
            hooks_.AnullarManiga();
            break;
        case kComasButton:
            state_.ModeCorregir = static_cast<int16_t>(-state_.Track.LaneCount);
            hooks_.OpenCorregir();
            state_.ModeCorregir = 0;
            break;
    }
}

// The stored lap time holds the time carried from the lane's rejected
// detections; registration adds it again, so it is taken off here.
double HeatClock::recordedDeviceTime(const LapRecord& record) const {
    const auto lane = static_cast<std::size_t>(record.lane);
    const std::vector<double>& carried = state_.Track.CarriedTime;
    if (record.extra1 != 0 || record.lane < 1 || lane >= carried.size()) return record.lapTime;
    return record.lapTime - carried[lane];
}

void HeatClock::reloadParticipants() {
    const int16_t heat = state_.CurrentHeat, count = state_.ParticipantCount;
    std::vector<std::string> names = state_.Participants;
    try {
        LoadParticipants(state_, state_.CurrentSeries);
    } catch (const FileError& e) {
        // A list that could not be read never rewinds the heat counter (the
        // next heat would be stored as heat 1 over the series' heats).
        state_.CurrentHeat = heat;
        state_.ParticipantCount = count;
        state_.Participants = std::move(names);
        prompter_.inform(damagedParticipantsMessage(state_, e), "", MessageIcon::Exclamation);
    }
}

void HeatClock::Manual_Click(int index) {
    if (index >= 1 && index <= kManualLanes && state_.HeatRunning != 0) {
        double lapTime = 0;
        registration_.RegisterDetection(index, lapTime, now());
    } else if (index == 0 && state_.HeatRunning == 0) {
        ReplayHeat();
    }
}

bool HeatClock::ReplayHeat() {
    if (state_.HeatRunning != 0 || state_.CurrentModality < kFreePractice) return false;
    const std::string name = seriesBaseName(state_.CurrentModality, state_.CurrentSeries) + kReplayExtension;
    const auto file = findCaseInsensitive(state_.WorkingFolder, name);
    if (!fileExists(file)) return false;
    LapLogContents contents;
    try {
        contents = ReadLapLog(file);
    } catch (const FileError& e) {
        prompter_.inform(FileFaultText(state_.Settings.Language, e), "", MessageIcon::Exclamation);
        return false;
    }
    const std::vector<LapRecord>& records = contents.records;

    // Headers are found by heat number; other heats are skipped as whole blocks
    // (header, their passes, their end record).
    const float wanted = static_cast<float>(state_.CurrentHeat + 1);
    std::size_t r = 0;
    while (r < records.size() && !(records[r].lane == 0 && records[r].lapTime == wanted))
        r += records[r].lane == 0 ? static_cast<std::size_t>(std::max<int>(records[r].number, 0)) + 1 : 1;
    if (r >= records.size()) return false;

    const LapRecord header = records[r];
    StartHeat(header.passTime);
    if (state_.HeatRunning == 0) return true;  // the race was already over

    std::size_t passesLeft = header.number >= 1 ? static_cast<std::size_t>(header.number - 1)
                                                : std::numeric_limits<std::size_t>::max();
    std::size_t j = r + 1;
    double lastPass = 0;
    for (; j < records.size() && passesLeft > 0 && records[j].lane != 0; ++j, --passesLeft) {
        double lapTime = recordedDeviceTime(records[j]);
        registration_.RegisterDetection(records[j].lane, lapTime, records[j].passTime + state_.HeatStartTime);
        lastPass = std::max(lastPass, static_cast<double>(records[j].passTime));
    }
    const bool whole = header.number >= 1 && passesLeft == 0 && j < records.size() && records[j].lane == 0;
    // The end record holds the end itself; the deadline lies 2.5 s after it.
    double deadline = (whole ? records[j].passTime : state_.HeatStartTime + lastPass) + kKeepAliveSeconds;
    if (deadline > kDay) deadline -= kDay;
    state_.KeepAliveDeadline = deadline;
    EndHeat();
    if (!whole || contents.truncated)
        prompter_.inform(
            inLanguage(state_,
                       "El fitxer " + name +
                           " està incomplet: la màniga s'ha reproduït fins al darrer registre sencer.",
                       "El fichero " + name +
                           " está incompleto: la manga se ha reproducido hasta el último registro "
                           "entero."),
            "", MessageIcon::Exclamation);
    return true;
}

}  // namespace sc
