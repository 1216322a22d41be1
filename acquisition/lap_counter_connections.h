#pragma once
// The serial connections to the lap counters: one port per connection, opened
// with the model's settings, each serving a block of lanes; the receive handler
// that hands a connection's bytes to its decoder; and the port search of the
// track configuration window.

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "acquisition/lap_counter_actions.h"
#include "acquisition/lap_counter_decoder.h"
#include "acquisition/serial_port.h"

namespace sc {

struct RaceState;
class PcClock;
class Prompter;

// What the receive handler needs from the heat-running code.
struct ReceiveHooks {
    // Read before every byte: an action carried out may start, pause or end the heat.
    std::function<HeatView()> heatView;
    // Carries an action out at once, in the order the decoder gives them.
    std::function<void(int connection, const LapCounterAction&)> apply;
    // Around the decoding of a notification: the heat timer is stopped so a tick
    // never interleaves with a detection, and restarted when a heat runs.
    std::function<void()> beforeDecode;
    std::function<void()> afterDecode;
};

class LapCounterConnections {
public:
    static constexpr int kMaxConnections = 4;
    using PortFactory = std::function<std::unique_ptr<SerialPort>()>;

    LapCounterConnections(RaceState& state, Prompter& prompter, const PcClock& clock, PortFactory factory);
    ~LapCounterConnections();
    LapCounterConnections(const LapCounterConnections&) = delete;
    LapCounterConnections& operator=(const LapCounterConnections&) = delete;

    void setReceiveHooks(ReceiveHooks hooks) { hooks_ = std::move(hooks); }

    // (Re)opens every configured connection and derives its lane range; a port
    // that cannot be opened is reported with Retry and Cancel. Does nothing
    // while an interrupted heat is being recovered.
    void OpenLapCounterPorts();
    // Closes every open port (the live window unloads).
    void CloseLapCounterPorts();

    // The reception notification of connection k (1..4): the received bytes are
    // stamped with the PC clock at once, then go in order through the
    // connection's decoder. Returns the actions, already handed to the apply
    // hook. Bytes that arrive while a message box waits inside a decode, or
    // while reception is held, are kept and decoded after, with their clock.
    std::vector<LapCounterAction> PortCom_OnComm(int connection);

    // Crash recovery: the ports open before the question, whatever they receive
    // is kept until the answer. Opens even while RecoveryPending is set.
    void OpenLapCounterPortsHeld();
    // The answer: Yes decodes what was kept, in order, No drops it; either way
    // reception goes on live.
    std::vector<LapCounterAction> ReleaseHeldReception(bool decode);
    std::size_t HeldChunks() const { return received_.size(); }
    // A heat-timer tick: a DS030 pass whose time bytes never came is handed over.
    std::vector<LapCounterAction> tickConnections();

    // Port object k, or null when it has not been created.
    SerialPort* port(int connection) const;
    // The decoding state of connection k (1..4).
    ConnectionState& connection(int k) { return connections_.at(k); }

private:
    bool openConnection(int i);
    bool retryOrCancel(int i);
    void deriveLaneRange(int i, int count);
    std::string message(int item) const;
    int configuredCount() const;
    HeatView heatView() const;
    void apply(int connection, const std::vector<LapCounterAction>& actions) const;
    void openAll();
    std::vector<LapCounterAction> decodeReceived();

    // Bytes as they arrived, not decoded yet.
    struct Arrival {
        int connection;
        Bytes bytes;
        double pcClock;
    };

    RaceState& state_;
    Prompter& prompter_;
    const PcClock& clock_;
    PortFactory factory_;
    ReceiveHooks hooks_;
    std::array<std::unique_ptr<SerialPort>, kMaxConnections + 1> ports_;
    std::array<ConnectionState, kMaxConnections + 1> connections_;
    std::deque<Arrival> received_;
    bool holding_ = false;
    bool decoding_ = false;
};

// Settings the port search opens with: any standard rate tells whether the port exists.
inline constexpr const char* kProbeSettings = "9600,n,8,1";

// Port search: sets the port to number n, opens it and closes it again. False
// when any step fails; an already open port object is left alone.
bool probePort(SerialPort& port, int n, const std::string& settings = kProbeSettings);

}  // namespace sc
