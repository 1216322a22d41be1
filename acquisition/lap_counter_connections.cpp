#include "acquisition/lap_counter_connections.h"

#include <algorithm>

#include "acquisition/lap_counter_model.h"
#include "core/number_format.h"
#include "core/prompter.h"
#include "core/race_state.h"
#include "localisation/language_tables.h"

namespace sc {
namespace {

constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;

// Restarts the heat timer even when an action throws.
class DecodeScope {
public:
    explicit DecodeScope(const ReceiveHooks& hooks) : hooks_(hooks) {
        if (hooks_.beforeDecode) hooks_.beforeDecode();
    }
    ~DecodeScope() {
        if (hooks_.afterDecode) hooks_.afterDecode();
    }
    DecodeScope(const DecodeScope&) = delete;
    DecodeScope& operator=(const DecodeScope&) = delete;

private:
    const ReceiveHooks& hooks_;
};

int16_t valueAt(const std::vector<int16_t>& values, int index, int16_t otherwise = 0) {
    return index >= 0 && index < static_cast<int>(values.size()) ? values[index] : otherwise;
}

void ensureSize(std::vector<int16_t>& values, int count) {
    if (static_cast<int>(values.size()) < count + 1) values.resize(count + 1, 0);
}

}  // namespace

LapCounterConnections::LapCounterConnections(RaceState& state, Prompter& prompter, const PcClock& clock,
                                             PortFactory factory)
    : state_(state), prompter_(prompter), clock_(clock), factory_(std::move(factory)) {}

LapCounterConnections::~LapCounterConnections() {
    // The ports must not call back into a half-destroyed owner.
    for (auto& port : ports_) {
        if (!port) continue;
        port->setNotification({});
        port->close();
    }
}

int LapCounterConnections::configuredCount() const {
    return std::clamp<int>(state_.Track.ConnectionCount, 0, kMaxConnections);
}

void LapCounterConnections::OpenLapCounterPorts() {
    if (state_.RecoveryPending) return;
    openAll();
}

void LapCounterConnections::OpenLapCounterPortsHeld() {
    holding_ = true;
    openAll();
}

std::vector<LapCounterAction> LapCounterConnections::ReleaseHeldReception(bool decode) {
    holding_ = false;
    if (!decode) received_.clear();
    // The heat's programme may have loaded a track with other lanes since the ports opened.
    const int count = configuredCount();
    ensureSize(state_.Track.ConnectionLastLane, count);
    for (int i = 1; i <= count; ++i) deriveLaneRange(i, count);
    return decodeReceived();
}

void LapCounterConnections::openAll() {
    const int count = configuredCount();
    ensureSize(state_.Track.ConnectionOpen, count);
    ensureSize(state_.Track.ConnectionLastLane, count);
    for (int i = 1; i <= count; ++i) {
        while (!openConnection(i)) {
            if (!retryOrCancel(i)) {
                state_.Track.ConnectionOpen[i] = kFalse;
                break;
            }
        }
        deriveLaneRange(i, count);
    }
}

// The steps of one connection up to its open; false at the first that fails,
// and a retry repeats from there.
bool LapCounterConnections::openConnection(int i) {
    if (!ports_[i]) {
        ports_[i] = factory_ ? factory_() : nullptr;
        if (!ports_[i]) return false;
        ports_[i]->setNotification([this, i] { PortCom_OnComm(i); });
    }
    SerialPort& port = *ports_[i];
    if (port.isOpen()) port.close();
    state_.Track.ConnectionOpen[i] = kFalse;
    const auto model = static_cast<LapCounterModel>(state_.Settings.LapCounterModel);
    const std::string settings(portSettingsText(model));
    state_.Track.ConnectionOpen[i] = kTrue;
    if (port.isOpen()) return true;
    return !settings.empty() && port.open(valueAt(state_.Track.ConnectionPort, i), settings);
}

bool LapCounterConnections::retryOrCancel(int i) {
    const MessageBox box{message(2) + Str(i) + ".",
                         message(3),
                         {Button::Retry, Button::Cancel},
                         // Cancel by default: an unattended answer never loops on a dead port.
                         Button::Cancel,
                         MessageIcon::Critical};
    return prompter_.ask(box) == Button::Retry;
}

void LapCounterConnections::deriveLaneRange(int i, int count) {
    auto& track = state_.Track;
    const int16_t largestLane = track.LaneChange.empty() ? track.LaneCount : track.LaneChange[0];
    const int16_t last =
        i < count ? static_cast<int16_t>(valueAt(track.ConnectionFirstLane, i + 1) - 1) : largestLane;
    track.ConnectionLastLane[i] = last;

    ConnectionState& connection = connections_[i];
    const auto model = static_cast<LapCounterModel>(state_.Settings.LapCounterModel);
    if (connection.model != model)
        connection = ConnectionState{};  // another model's half frame means nothing
    connection.model = model;
    connection.firstLane = valueAt(track.ConnectionFirstLane, i);
    connection.lastLane = last;
}

// The main window's message texts, from the table when it has not loaded them yet.
std::string LapCounterConnections::message(int item) const {
    if (!state_.Msg[0][item].empty()) return state_.Msg[0][item];
    return tableMessage(state_.Settings.Language, "Portada", 0, item).value_or("");
}

void LapCounterConnections::CloseLapCounterPorts() {
    for (int i = 1; i <= kMaxConnections; ++i) {
        if (ports_[i] && ports_[i]->isOpen()) ports_[i]->close();
        if (i < static_cast<int>(state_.Track.ConnectionOpen.size())) state_.Track.ConnectionOpen[i] = kFalse;
    }
}

SerialPort* LapCounterConnections::port(int connection) const {
    if (connection < 1 || connection > kMaxConnections) return nullptr;
    return ports_[connection].get();
}

HeatView LapCounterConnections::heatView() const { return hooks_.heatView ? hooks_.heatView() : HeatView{}; }

void LapCounterConnections::apply(int connection, const std::vector<LapCounterAction>& actions) const {
    if (!hooks_.apply) return;
    for (const auto& action : actions) hooks_.apply(connection, action);
}

std::vector<LapCounterAction> LapCounterConnections::PortCom_OnComm(int k) {
    SerialPort* received = port(k);
    if (!received) return {};
    Bytes bytes = received->readAll();
    if (!bytes.empty()) received_.push_back({k, std::move(bytes), clock_.now()});
    // A notification nested in a decode (a message box waiting) leaves its bytes
    // to the decode in progress, so they keep their order.
    if (holding_ || decoding_) return {};
    return decodeReceived();
}

std::vector<LapCounterAction> LapCounterConnections::decodeReceived() {
    if (received_.empty()) return {};
    DecodeScope scope(hooks_);
    struct Decoding {
        bool& flag;
        explicit Decoding(bool& f) : flag(f) { flag = true; }
        ~Decoding() { flag = false; }
    } decoding(decoding_);
    std::vector<LapCounterAction> all;
    while (!received_.empty()) {
        const Arrival arrival = std::move(received_.front());
        received_.pop_front();
        for (const uint8_t byte : arrival.bytes) {
            const auto actions = feed(connections_[arrival.connection], byte, arrival.pcClock, heatView());
            apply(arrival.connection, actions);
            all.insert(all.end(), actions.begin(), actions.end());
        }
    }
    return all;
}

std::vector<LapCounterAction> LapCounterConnections::tickConnections() {
    const double now = clock_.now();
    std::vector<LapCounterAction> all;
    for (int k = 1; k <= configuredCount(); ++k) {
        if (!ports_[k] || !ports_[k]->isOpen()) continue;
        const auto actions = tick(connections_[k], now, heatView());
        apply(k, actions);
        all.insert(all.end(), actions.begin(), actions.end());
    }
    return all;
}

bool probePort(SerialPort& port, int n, const std::string& settings) {
    if (port.isOpen()) return false;
    if (!port.open(n, settings)) return false;
    const bool opened = port.isOpen();
    port.close();
    return opened;
}

}  // namespace sc
