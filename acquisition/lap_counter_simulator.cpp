#include "acquisition/lap_counter_simulator.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <stdexcept>

#include "acquisition/frame_decoder.h"

namespace sc {

namespace {

constexpr double kTicksPerSecond = 10000.0;
constexpr int kMaxCircuitLanes = 64;
constexpr double kMinLap = 0.1;
constexpr double kMaxPasses = 1'000'000;
constexpr double kLightStep = 0.5;  // red, green and go lights half a second apart

// Status first, then keep-alives, then passes, when they fall on the same instant.
enum class Rank { Status, KeepAlive, Pass };

struct TimedMessage {
    double offset;
    Rank rank;
    Bytes bytes;
};

class Player {
public:
    explicit Player(const SimulatorOptions& options) : options_(options), random_(options.seed) {}

    SimulatorPlay play() {
        if (options_.model == LapCounterModel::DS003) {
            playSummary();
        } else {
            playLights();
            playKeepAlives();
            playPasses();
        }
        std::stable_sort(timed_.begin(), timed_.end(), [](const TimedMessage& a, const TimedMessage& b) {
            return a.offset < b.offset || (a.offset == b.offset && a.rank < b.rank);
        });
        std::stable_sort(result_.passes.begin(), result_.passes.end(),
                         [](const PlayedPass& a, const PlayedPass& b) { return a.offset < b.offset; });
        for (auto& message : timed_) result_.messages.push_back({message.offset, std::move(message.bytes)});
        if (isFrameModel(options_.model)) numberFrames();
        return std::move(result_);
    }

private:
    // Consecutive messages must differ, or the receiver takes the second for a repeat.
    void numberFrames() {
        uint8_t sequence = 0;
        for (auto& message : result_.messages) {
            for (std::size_t at = frame::kSequence; at < message.bytes.size(); at += frame::kLength) {
                message.bytes[at] = sequence;
            }
            ++sequence;
        }
    }

    double uniform() { return static_cast<double>(random_() >> 11) * 0x1.0p-53; }

    int32_t ticks(double seconds) const {
        return static_cast<int32_t>(std::lround(seconds * kTicksPerSecond));
    }

    double pauseLength() const { return options_.pause ? options_.pause->length : 0.0; }

    // Wall offset of a moment of racing time: the pause stops the racing clock.
    double wallOffset(int32_t raceTicks) const {
        double offset = result_.startOffset + raceTicks / kTicksPerSecond;
        if (options_.pause && raceTicks >= ticks(options_.pause->at)) offset += options_.pause->length;
        return offset;
    }

    void send(double offset, Rank rank, Bytes bytes) {
        if (options_.repeatFrames && isFrameModel(options_.model)) {
            const Bytes copy = bytes;
            bytes.insert(bytes.end(), copy.begin(), copy.end());
        }
        timed_.push_back({offset, rank, std::move(bytes)});
    }

    void status(double offset, HeatPhase phase, DeviceStatus status, int variant = 0) {
        send(offset, Rank::Status, encodeStatus(options_.model, phase, status, variant));
    }

    void playLights() {
        status(0.0, HeatPhase::BeforeStart, DeviceStatus::Red);
        status(kLightStep, HeatPhase::BeforeStart, DeviceStatus::Green);
        result_.startOffset = 2 * kLightStep;
        status(result_.startOffset, HeatPhase::BeforeStart, DeviceStatus::Go);
        if (!options_.pause) return;
        const double pauseAt = result_.startOffset + options_.pause->at;
        const double resumeAt = pauseAt + options_.pause->length;
        status(pauseAt, HeatPhase::Running, DeviceStatus::Pause);
        status(pauseAt + kLightStep / 5, HeatPhase::Running, DeviceStatus::Red);
        status(resumeAt - kLightStep, HeatPhase::Running, DeviceStatus::Green);
        status(resumeAt, HeatPhase::Running, DeviceStatus::Go);
        result_.pauseOffset = pauseAt;
        result_.resumeOffset = resumeAt;
    }

    void playKeepAlives() {
        const double end = result_.startOffset + options_.heatSeconds + pauseLength();
        for (int k = 1; result_.startOffset + k <= end + 1e-9; ++k) {
            const double offset = result_.startOffset + k;
            status(offset, HeatPhase::Running, DeviceStatus::KeepAlive, k);
            result_.keepAlives.push_back(offset);
        }
    }

    int32_t nextLapTicks() {
        const double lap = options_.lapSeconds + options_.jitterSeconds * (2 * uniform() - 1);
        return std::max<int32_t>(ticks(lap), ticks(kMinLap));
    }

    // Racing times of one car's passes, the first one shortly after the start.
    std::vector<int32_t> carPasses() {
        std::vector<int32_t> passes;
        int32_t raceTicks = std::max<int32_t>(1, ticks(options_.lapSeconds * (0.2 + 0.3 * uniform())));
        while (raceTicks < ticks(options_.heatSeconds)) {
            passes.push_back(raceTicks);
            raceTicks += nextLapTicks();
        }
        return passes;
    }

    void playPasses() {
        for (int local = 1; local <= options_.lanes; ++local) {
            int32_t previous = 0;
            for (const int32_t raceTicks : carPasses()) {
                const int32_t lap = raceTicks - previous;
                previous = raceTicks;
                const double offset = wallOffset(raceTicks);
                send(offset, Rank::Pass, encodePass(options_.model, local, lap));
                result_.passes.push_back({static_cast<int16_t>(options_.firstLane + local - 1), lap, offset});
            }
        }
    }

    void playSummary() {
        for (int local = 1; local <= options_.lanes; ++local) {
            const auto passes = carPasses();
            LaneResult lane{static_cast<int>(passes.size() > 1 ? passes.size() - 1 : 0), 0};
            for (std::size_t i = 1; i < passes.size(); ++i) {
                const int32_t lap = passes[i] - passes[i - 1];
                if (lane.bestTenThousandths == 0 || lap < lane.bestTenThousandths)
                    lane.bestTenThousandths = lap;
            }
            result_.summary.push_back(lane);
        }
        send(options_.heatSeconds, Rank::Status, encodeSummary(result_.summary));
    }

    const SimulatorOptions& options_;
    std::mt19937_64 random_;
    std::vector<TimedMessage> timed_;
    SimulatorPlay result_;
};

void require(bool condition, const char* reason) {
    if (!condition) throw std::invalid_argument(reason);
}

}  // namespace

void checkSimulatorOptions(const SimulatorOptions& o) {
    const auto model = static_cast<int>(o.model);
    require(model >= 0 && model < kLapCounterModelCount, "the model must be 0 to 4 or its name");
    const int maxLanes = o.model == LapCounterModel::DS300DS4port || o.model == LapCounterModel::DS003
                             ? kMaxCircuitLanes
                             : maxLocalLanes(o.model);
    require(o.lanes >= 1 && o.lanes <= maxLanes,
            "--lanes is out of range for this model (8, or 64 for DS003 and DS4port)");
    require(o.firstLane >= 1 && o.firstLane + o.lanes - 1 <= kMaxCircuitLanes,
            "the lanes must lie within 1..64");
    require(std::isfinite(o.lapSeconds) && std::isfinite(o.jitterSeconds) && o.jitterSeconds >= 0,
            "--lap and --jitter must be numbers, --jitter not negative");
    require(o.lapSeconds - o.jitterSeconds >= kMinLap, "--lap minus --jitter must be at least 0.1 s");
    require(o.model != LapCounterModel::DS030 || o.lapSeconds + o.jitterSeconds < 99.99,
            "a DS030 sends lap times below 100 s");
    require(o.lapSeconds + o.jitterSeconds < 5999, "lap times stay below 100 minutes");
    require(std::isfinite(o.heatSeconds) && o.heatSeconds > 0 && o.heatSeconds <= 86400,
            "--seconds must be above 0 and at most 86400");
    require(o.heatSeconds / (o.lapSeconds - o.jitterSeconds) * o.lanes <= kMaxPasses,
            "too many passes: use fewer lanes, longer laps or a shorter heat");
    require(o.model != LapCounterModel::DS003 || o.heatSeconds / (o.lapSeconds - o.jitterSeconds) < 9999,
            "a DS003 counts at most 9999 laps");
    if (o.pause) {
        require(o.model != LapCounterModel::DS003, "a DS003 sends only its summary: --pause does not apply");
        require(o.pause->at > 0 && o.pause->at < o.heatSeconds, "the pause must begin within the heat");
        require(o.pause->length >= 1 && o.pause->length <= 86400, "a pause lasts at least 1 s");
    }
}

SimulatorPlay playLapCounter(const SimulatorOptions& options) {
    checkSimulatorOptions(options);
    return Player(options).play();
}

}  // namespace sc
