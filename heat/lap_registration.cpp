#include "heat/lap_registration.h"

#include "heat/rejected_detections.h"
#include "core/number_format.h"
#include "core/race_state.h"
#include "standings/voltaavolta.h"

namespace sc {

namespace {
constexpr int16_t kSuperPole = static_cast<int16_t>(Modality::SuperPole);
constexpr int16_t kOfficialPractice = static_cast<int16_t>(Modality::OfficialPractice);
constexpr int16_t kBestFlag = -1;
}  // namespace

std::string HeatClockCaption(double secondsSinceStart) {
    return FormatTimeOfDay(secondsSinceStart, kElapsedTimeMask);
}

LapRegistration::LapRegistration(RaceState& state, LapLog& log, VoltaaVolta& view, RejectedDetections& errors,
                                 StandingsSink& sink)
    : state_(state), log_(log), view_(view), errors_(errors), sink_(sink) {}

int LapRegistration::laneLimit() const {
    return state_.Track.LaneChange.empty() ? 0 : state_.Track.LaneChange[0];
}

bool LapRegistration::hasLaneState(int lane) const {
    const TrackConfig& t = state_.Track;
    const auto index = static_cast<std::size_t>(lane);
    return lane >= 1 && lane <= laneLimit() && index < t.LaneParticipant.size() &&
           index < t.LastPassTime.size() && index < t.CarriedTime.size();
}

void LapRegistration::RegisterDetection(int lane, double& lapTime, double pcClock) {
    if (!hasLaneState(lane)) return;
    TrackConfig& t = state_.Track;
    const bool superPole = state_.CurrentModality == kSuperPole;
    // Sector and speed-trap inputs carry no participant, so they go before the lane test.
    if (superPole && t.SplitEnabled != 0 && (lane == t.SectorLane || lane == t.SpeedTrapLane)) {
        RegisterSensorPass(lane, lapTime, pcClock);
        return;
    }
    if (!view_.TakesPart(lane)) return;
    if (superPole) {
        if (t.SuperPoleLane == 0) t.SuperPoleLane = static_cast<int16_t>(lane);
        if (t.SuperPoleLane != lane) return;
    }
    LapRecord record;
    record.lane = static_cast<int16_t>(lane);
    record.participant = t.LaneParticipant[lane];

    const double sinceStart = pcClock - state_.HeatStartTime;
    if (view_.ListEmpty(lane)) {
        lapTime = kFirstPassTime;
        view_.ShowFirstPass(lane);
        t.LastPassTime[lane] = WrapDay(sinceStart);
        countPass(lane, lapTime, record);
        return;
    }
    const double measured = WrapDay(sinceStart - t.LastPassTime[lane] + t.CarriedTime[lane]);
    // The device's time is trusted; the PC only checks it is not a stale gap.
    lapTime = (measured <= kDeviceTrustSeconds && lapTime != 0) ? lapTime + t.CarriedTime[lane] : measured;
    t.LastPassTime[lane] = WrapDay(sinceStart);
    if (lapTime < t.MinLapTime) {
        reject(lane, lapTime, record);
        return;
    }
    t.CarriedTime[lane] = 0;
    if (view_.AppendLap(lane, static_cast<float>(lapTime))) record.best = kBestFlag;
    countPass(lane, lapTime, record);
}

void LapRegistration::reject(int lane, double lapTime, LapRecord& record) {
    TrackConfig& t = state_.Track;
    t.CarriedTime[lane] = lapTime;
    record.number = 0;
    record.passTime = static_cast<float>(t.LastPassTime[lane]);
    record.lapTime = static_cast<float>(lapTime);
    append(record);
    noteRejection(lane, t.LastPassTime[lane]);
}

void LapRegistration::noteRejection(int lane, double passTime) { errors_.Add(lane, HeatClockCaption(passTime)); }

void LapRegistration::countPass(int lane, double lapTime, LapRecord& record) {
    record.number = static_cast<int16_t>(view_.CountPass(lane));
    record.passTime = static_cast<float>(state_.Track.LastPassTime[lane]);
    record.lapTime = static_cast<float>(lapTime);
    append(record);
    if (state_.CurrentModality >= kOfficialPractice) sink_.AnotarVolta(lane, lapTime, record);
}

void LapRegistration::append(const LapRecord& record) {
    if (!log_.Append(record)) logHealthy_ = false;
}

void LapRegistration::RegisterSensorPass(int lane, double& lapTime, double pcClock) {
    if (!hasLaneState(lane)) return;
    TrackConfig& t = state_.Track;
    const double sinceStart = pcClock - state_.HeatStartTime;
    const double measured = WrapDay(sinceStart - t.LastPassTime[lane]);
    if (!(measured <= kDeviceTrustSeconds && lapTime != 0)) lapTime = measured;
    t.LastPassTime[lane] = WrapDay(sinceStart);

    LapRecord record;
    record.lane = static_cast<int16_t>(lane);
    record.participant = t.LaneParticipant[lane];
    record.passTime = static_cast<float>(t.LastPassTime[lane]);
    record.lapTime = static_cast<float>(lapTime);
    const int laps = sink_.SuperPoleTableRows() - 1;
    if (laps <= 1) return;
    record.number = static_cast<int16_t>(laps);
    const SensorMark mark = sink_.UpdateSuperPoleTable(lane, lapTime);
    record.extra1 = mark.extra1;
    record.extra2 = mark.extra2;
    append(record);
}

void LapRegistration::ApplyRecord(const LapRecord& record) {
    const int lane = record.lane;
    if (!hasLaneState(lane)) return;
    TrackConfig& t = state_.Track;
    t.LastPassTime[lane] = record.passTime;
    if (record.extra1 != 0) return;  // SuperPole sensor event: no lane block
    if (record.number == 0) {
        t.CarriedTime[lane] = record.lapTime;
        noteRejection(lane, record.passTime);
        return;
    }
    t.CarriedTime[lane] = 0;
    if (state_.CurrentModality == kSuperPole && t.SuperPoleLane == 0) t.SuperPoleLane = record.lane;
    if (!view_.HasLane(lane)) return;
    if (view_.ListEmpty(lane))
        view_.ShowFirstPass(lane);
    else
        view_.AppendLap(lane, record.lapTime);
    view_.CountPass(lane);
}

ReplayResult LapRegistration::Replay() {
    ReplayResult result = log_.Replay(laneLimit(), [this](const LapRecord& record) { ApplyRecord(record); });
    if (state_.CurrentModality >= kOfficialPractice && result.last && result.last->number >= 1)
        sink_.RecomputeStandings();
    logHealthy_ = result.ok;
    return result;
}

}  // namespace sc
