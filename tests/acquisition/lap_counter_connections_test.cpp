#include "acquisition/lap_counter_connections.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "acquisition/lap_counter_encoders.h"
#include "config_windows/config_test_helpers.h"
#include "config_windows/track_config_form.h"
#include "core/prompter.h"
#include "core/race_state.h"
#include "core/settable_clock.h"
#include "decoder_test_helpers.h"
#include "localisation/apply_language.h"

namespace sc {
namespace {

using test::Actions;

class LapCounterConnectionsTest : public ::testing::Test {
protected:
    LapCounterConnectionsTest() {
        state.Settings.LapCounterModel = static_cast<int16_t>(LapCounterModel::DS300);
        setConnections({1, 5}, 8);
        writeWindowMessages(state, "Portada", kCatalan);
        connections.setReceiveHooks(hooks());
    }

    // First lanes of connections 1.. on ports 1..; lanes 1..largestLane in order.
    void setConnections(const std::vector<int16_t>& firstLanes, int16_t largestLane) {
        auto& t = state.Track = defaultTrackConfig(largestLane);
        t.ConnectionCount = static_cast<int16_t>(firstLanes.size());
        t.ConnectionPort = {0, 1, 2, 3, 4};
        t.ConnectionFirstLane = {0};
        t.ConnectionFirstLane.insert(t.ConnectionFirstLane.end(), firstLanes.begin(), firstLanes.end());
        resizeTrackWorkingArrays(t);
    }

    ReceiveHooks hooks() {
        ReceiveHooks h;
        h.heatView = [this] { return heat; };
        h.apply = [this](int connection, const LapCounterAction& action) {
            followHeatAction(heat, action);
            applied.emplace_back(connection, action);
        };
        h.beforeDecode = [this] { ++timerStops; };
        h.afterDecode = [this] { ++timerStarts; };
        return h;
    }

    ScriptedSerialPort& scripted(int connection) {
        auto* port = dynamic_cast<ScriptedSerialPort*>(connections.port(connection));
        EXPECT_NE(port, nullptr);
        return *port;
    }

    // The passes applied so far: connection and lane of each, in order.
    std::vector<std::pair<int, int>> passesApplied() const {
        std::vector<std::pair<int, int>> passes;
        for (const auto& [connection, action] : applied)
            if (const auto* d = std::get_if<Detection>(&action)) passes.emplace_back(connection, d->lane);
        return passes;
    }

    static Bytes pass(int localLane, int32_t tenThousandths, uint8_t sequence) {
        return encodePass(LapCounterModel::DS300, localLane, tenThousandths, sequence);
    }

    RaceState state;
    QueuedPrompter prompter;
    SettableClock clock{36000};
    std::vector<int> failOpensOfPort;  // by creation order
    int created = 0;
    LapCounterConnections connections{state, prompter, clock, [this] {
                                          auto port = std::make_unique<ScriptedSerialPort>();
                                          if (created < static_cast<int>(failOpensOfPort.size()))
                                              port->failOpens = failOpensOfPort[created];
                                          ++created;
                                          return port;
                                      }};
    HeatView heat = test::openPanel(8);
    std::vector<std::pair<int, LapCounterAction>> applied;
    int timerStops = 0;
    int timerStarts = 0;
};

// ---- Opening ----

// Each connection serves up to the next first lane or the largest lane, with the model's
// settings (tabled in lap_counter_fields_test).
TEST_F(LapCounterConnectionsTest, OpeningDerivesLaneRangesTakesTheModelsSettingsAndReusesThePorts) {
    connections.OpenLapCounterPorts();
    EXPECT_EQ(state.Track.ConnectionLastLane, (std::vector<int16_t>{0, 4, 8}));
    EXPECT_EQ(state.Track.ConnectionOpen, (std::vector<int16_t>{0, -1, -1}));
    EXPECT_EQ(scripted(1).openPort, 1);
    EXPECT_EQ(scripted(2).openPort, 2);
    EXPECT_EQ(scripted(2).openSettings, "56000,n,8,1");
    EXPECT_EQ(connections.connection(2).lastLane, 8);  // first lanes and lane 4's end: Receiving
    EXPECT_TRUE(prompter.shown.empty());

    setConnections({3}, 6);  // one connection: up to the largest lane
    state.Settings.LapCounterModel = static_cast<int16_t>(LapCounterModel::DS003);
    connections.OpenLapCounterPorts();
    EXPECT_EQ(state.Track.ConnectionLastLane, (std::vector<int16_t>{0, 6}));
    EXPECT_EQ(connections.connection(1).firstLane, 3);
    EXPECT_EQ(connections.connection(1).lastLane, 6);
    EXPECT_EQ(scripted(1).openSettings, "1200,n,8,1");
    EXPECT_EQ(connections.connection(1).model, LapCounterModel::DS003);

    // Reopening reuses the port objects; closing clears the flags.
    EXPECT_EQ(created, 2);
    EXPECT_EQ(scripted(1).closes, 1);
    EXPECT_TRUE(scripted(1).isOpen());
    EXPECT_EQ(state.Track.ConnectionOpen, (std::vector<int16_t>{0, -1}));
    connections.CloseLapCounterPorts();
    EXPECT_FALSE(scripted(1).isOpen());
    EXPECT_FALSE(scripted(2).isOpen());
    EXPECT_EQ(state.Track.ConnectionOpen, (std::vector<int16_t>{0, 0}));
}

// Port 2 opens at the retry; port 3 is cancelled and left closed; port 4 still opens.
TEST_F(LapCounterConnectionsTest, FailingPort_RetryCancelAndTheOpeningGoesOn) {
    setConnections({1, 5, 9, 13}, 16);
    failOpensOfPort = {0, 1, 5};
    prompter.answers = {Button::Retry, Button::Retry, Button::Cancel};
    connections.OpenLapCounterPorts();
    ASSERT_EQ(prompter.shown.size(), 3u);
    EXPECT_EQ(prompter.shown[0].text, "No hi ha connexió pel port 2.");
    EXPECT_EQ(prompter.shown[0].title, "Error");
    EXPECT_EQ(prompter.shown[0].buttons, (std::vector<Button>{Button::Retry, Button::Cancel}));
    EXPECT_EQ(scripted(2).openAttempts, 2);
    EXPECT_EQ(state.Track.ConnectionOpen, (std::vector<int16_t>{0, -1, -1, 0, -1}));
    EXPECT_EQ(state.Track.ConnectionLastLane, (std::vector<int16_t>{0, 4, 8, 12, 16}));
    EXPECT_FALSE(scripted(3).isOpen());
    EXPECT_TRUE(scripted(4).isOpen());
}

TEST_F(LapCounterConnectionsTest, FailingPort_MessageInSpanishBeforeTheMainWindowLoads) {
    for (auto& column : state.Msg) std::ranges::fill(column, std::string{});
    state.Settings.Language = kSpanish;
    failOpensOfPort = {1};
    connections.OpenLapCounterPorts();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "No hay conexión por el puerto 1.");
}

TEST_F(LapCounterConnectionsTest, UnknownModel_IsReportedNotOpened) {
    state.Settings.LapCounterModel = 9;
    connections.OpenLapCounterPorts();
    EXPECT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(state.Track.ConnectionOpen, (std::vector<int16_t>{0, 0, 0}));
    EXPECT_EQ(scripted(1).openAttempts, 0);
}

TEST_F(LapCounterConnectionsTest, RecoveryPending_OpensNothing) {
    state.RecoveryPending = -1;
    connections.OpenLapCounterPorts();
    EXPECT_EQ(created, 0);
    EXPECT_EQ(state.Track.ConnectionLastLane, (std::vector<int16_t>{0, 0, 0}));
}

TEST_F(LapCounterConnectionsTest, ConnectionCountBeyondTheArraysIsBounded) {
    state.Track.ConnectionCount = 9;
    state.Track.ConnectionOpen = {0};
    state.Track.ConnectionLastLane = {0};
    connections.OpenLapCounterPorts();
    EXPECT_EQ(created, LapCounterConnections::kMaxConnections);
    EXPECT_EQ(state.Track.ConnectionOpen.size(), 5u);
}

// ---- Receiving ----

Bytes joined(const std::vector<Bytes>& parts) {
    Bytes all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The ports open with a heat running.
class Receiving : public LapCounterConnectionsTest {
protected:
    Receiving() {
        connections.OpenLapCounterPorts();
        heat.heatRunning = true;
    }
};

TEST_F(Receiving, FrameSplitOverNotificationsDecodesOnceAndSeveralInOneDecodeInOrder) {
    const Bytes frame = pass(2, 65'2345, 1);
    scripted(2).receive(Bytes(frame.begin(), frame.begin() + 1));
    scripted(2).receive(Bytes(frame.begin() + 1, frame.begin() + 20));
    clock.t = 36001;
    scripted(2).receive(Bytes(frame.begin() + 20, frame.end()));
    EXPECT_EQ(applied, (decltype(applied){{2, Detection{6, 65.2345f, 36001}}}));

    // Lane 5 is not connection 1's.
    scripted(1).receive(joined({pass(1, 5'0000, 1), pass(4, 6'0000, 2), pass(5, 7'0000, 3)}));
    EXPECT_EQ(passesApplied(), (std::vector<std::pair<int, int>>{{2, 6}, {1, 1}, {1, 4}}));
    EXPECT_EQ(timerStops, 4);  // once a notification
    EXPECT_EQ(timerStarts, 4);
}

TEST_F(LapCounterConnectionsTest, StartAndPassInOneNotificationRegistersThePass) {
    connections.OpenLapCounterPorts();
    const Bytes start = encodeStatus(LapCounterModel::DS300, HeatPhase::BeforeStart, DeviceStatus::Go, 0, 1);
    EXPECT_TRUE(connections.PortCom_OnComm(1).empty());  // nothing waiting
    scripted(1).setNotification({});                     // read by hand below
    scripted(1).receive(joined({start, pass(3, 4'5000, 2)}));
    EXPECT_EQ(connections.PortCom_OnComm(1),
              (Actions{PanelColour{PanelScope::HeatPanel, kRestoreColour, false}, StartHeat{36000},
                       Detection{3, 4.5f, 36000}}));
    EXPECT_TRUE(heat.heatRunning);
}

TEST_F(Receiving, DataWhileThePanelIsHiddenIsReadAndDropped) {
    heat = HeatView{};
    scripted(1).receive(pass(1, 5'0000, 1));
    EXPECT_TRUE(applied.empty());
    EXPECT_TRUE(scripted(1).readAll().empty());
}

// Crash recovery: the ports listen during the question; Yes decodes what came
// with its arrival clock, in order, No drops it.
TEST_F(LapCounterConnectionsTest, HeldReception_KeptWithItsClockUntilTheAnswer) {
    state.RecoveryPending = -1;
    connections.OpenLapCounterPortsHeld();
    heat.heatRunning = true;
    clock.t = 36001.5;
    scripted(1).receive(pass(1, 5'0000, 1));
    clock.t = 36003;
    scripted(1).receive(pass(2, 4'0000, 2));
    EXPECT_TRUE(applied.empty());
    EXPECT_EQ(connections.HeldChunks(), 2u);
    clock.t = 36010;
    EXPECT_EQ(connections.ReleaseHeldReception(true),
              (Actions{Detection{1, 5.0f, 36001.5}, Detection{2, 4.0f, 36003}}));
    scripted(1).receive(pass(1, 5'0000, 3));  // live again
    EXPECT_EQ(passesApplied().size(), 3u);

    connections.OpenLapCounterPortsHeld();
    scripted(1).receive(pass(1, 5'0000, 4));
    EXPECT_TRUE(connections.ReleaseHeldReception(false).empty());
    EXPECT_EQ(passesApplied().size(), 3u);
}

// Bytes arriving while an action waits on a message box keep their place.
TEST_F(Receiving, NotificationDuringADecodeWaitsItsTurn) {
    bool nested = false;
    ReceiveHooks h = hooks();
    h.apply = [&, inner = h.apply](int connection, const LapCounterAction& action) {
        inner(connection, action);
        if (std::exchange(nested, true)) return;
        clock.t = 36002;
        scripted(1).receive(pass(2, 4'0000, 2));
    };
    connections.setReceiveHooks(h);
    scripted(1).receive(joined({pass(1, 5'0000, 1), pass(3, 6'0000, 1)}));
    EXPECT_EQ(passesApplied(), (std::vector<std::pair<int, int>>{{1, 1}, {1, 3}, {1, 2}}));
}

TEST_F(Receiving, Tick_HandsOverALateDs030Pass) {
    state.Settings.LapCounterModel = static_cast<int16_t>(LapCounterModel::DS030);
    connections.OpenLapCounterPorts();
    scripted(1).receive({0x40});  // lane 2's code alone: its time bytes never come
    clock.t += kTimeBytesWait + 0.5;
    EXPECT_EQ(connections.tickConnections(), (Actions{Detection{2, 0.0f, 36000}}));
    EXPECT_EQ(applied.size(), 1u);
}

// ---- Port search ----

// A machine whose serial ports are only some of the numbers.
class MachinePorts : public ScriptedSerialPort {
public:
    explicit MachinePorts(std::set<int> present) : present_(std::move(present)) {}
    bool open(int port, const std::string& settings) override {
        tried.push_back(port);
        return present_.count(port) > 0 && ScriptedSerialPort::open(port, settings);
    }
    std::vector<int> tried;

private:
    std::set<int> present_;
};

TEST(PortSearch, ProbeOpensAndClosesAgainAndLeavesAnOpenPortAlone) {
    MachinePorts port({1, 2});
    EXPECT_TRUE(probePort(port, 2));
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.closes, 1);
    EXPECT_FALSE(probePort(port, 3));
    EXPECT_FALSE(probePort(port, 2, "garbage"));

    ASSERT_TRUE(port.open(1, "4800,n,8,1"));
    EXPECT_FALSE(probePort(port, 2));
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.openPort, 1);
}

TEST(PortSearch, TrackWindowListsThePortsFoundOrSaysThereAreNone) {
    const std::pair<std::set<int>, const char*> cases[] = {{{1, 3}, "Ports trobats:  COM1, COM3"},
                                                           {{}, "No s'ha trobat cap port COM."}};
    for (const auto& [present, text] : cases) {
        test::ProgramFolder folder;
        RaceState state = folder.state(4);
        QueuedPrompter prompter;
        ConfiguracioPista window(state, prompter);
        window.Form_Load();
        window.Form_Paint();
        MachinePorts port(present);
        window.setPortProbe([&port](int n) { return probePort(port, n); });
        window.TestCom_Click();
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].text, text);
        EXPECT_EQ(prompter.shown[0].title, "Buscar ports COM");
        EXPECT_EQ(port.tried, (std::vector<int>{1, 2, 3, 4}));
        EXPECT_FALSE(port.isOpen());
    }
}

}  // namespace
}  // namespace sc
