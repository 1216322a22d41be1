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
using test::detectionsOf;

class LapCounterConnectionsTest : public ::testing::Test {
protected:
    LapCounterConnectionsTest() {
        state.Settings.LapCounterModel = static_cast<int16_t>(LapCounterModel::DS300);
        setConnections({1, 5}, 8);
        writeWindowMessages(state, "Portada", kCatalan);
        connections.setReceiveHooks(hooks());
    }

    // First lanes of connections 1.. on ports 1..; the largest lane of the lane-change order.
    void setConnections(const std::vector<int16_t>& firstLanes, int16_t largestLane) {
        auto& t = state.Track;
        t.ConnectionCount = static_cast<int16_t>(firstLanes.size());
        t.ConnectionPort = {0};
        t.ConnectionFirstLane = {0};
        for (std::size_t i = 0; i < firstLanes.size(); ++i) {
            t.ConnectionPort.push_back(static_cast<int16_t>(i + 1));
            t.ConnectionFirstLane.push_back(firstLanes[i]);
        }
        t.ConnectionLastLane.assign(firstLanes.size() + 1, 0);
        t.ConnectionOpen.assign(firstLanes.size() + 1, 0);
        t.LaneCount = largestLane;
        t.LaneChange = {largestLane};
        for (int16_t lane = 1; lane <= largestLane; ++lane) t.LaneChange.push_back(lane);
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

    std::vector<int16_t> lastLanes() const { return state.Track.ConnectionLastLane; }
    std::vector<int16_t> openFlags() const { return state.Track.ConnectionOpen; }

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

TEST_F(LapCounterConnectionsTest, EachConnectionServesUpToTheNextFirstLaneOrTheLargest) {
    connections.OpenLapCounterPorts();
    EXPECT_EQ(lastLanes(), (std::vector<int16_t>{0, 4, 8}));
    EXPECT_EQ(openFlags(), (std::vector<int16_t>{0, -1, -1}));
    EXPECT_EQ(scripted(1).openPort, 1);
    EXPECT_EQ(scripted(2).openPort, 2);
    EXPECT_EQ(scripted(2).openSettings, "56000,n,8,1");
    EXPECT_EQ(connections.connection(2).firstLane, 5);
    EXPECT_EQ(connections.connection(2).lastLane, 8);
    EXPECT_EQ(connections.connection(1).lastLane, 4);
    EXPECT_TRUE(prompter.shown.empty());

    setConnections({3}, 6);  // one connection: up to the largest lane
    connections.OpenLapCounterPorts();
    EXPECT_EQ(lastLanes(), (std::vector<int16_t>{0, 6}));
    EXPECT_EQ(connections.connection(1).firstLane, 3);
    EXPECT_EQ(connections.connection(1).lastLane, 6);
}

// The model's settings (tabled in lap_counter_fields_test) reach the port.
TEST_F(LapCounterConnectionsTest, SettingsTextFollowsTheModel) {
    state.Settings.LapCounterModel = static_cast<int16_t>(LapCounterModel::DS003);
    connections.OpenLapCounterPorts();
    EXPECT_EQ(scripted(1).openSettings, "1200,n,8,1");
    EXPECT_EQ(connections.connection(1).model, LapCounterModel::DS003);
}

TEST_F(LapCounterConnectionsTest, ReopeningReusesThePortObjectsAndClosingClearsTheFlags) {
    connections.OpenLapCounterPorts();
    connections.OpenLapCounterPorts();
    EXPECT_EQ(created, 2);
    EXPECT_EQ(scripted(1).closes, 1);
    EXPECT_TRUE(scripted(1).isOpen());
    EXPECT_EQ(openFlags(), (std::vector<int16_t>{0, -1, -1}));
    connections.CloseLapCounterPorts();
    EXPECT_FALSE(scripted(1).isOpen());
    EXPECT_FALSE(scripted(2).isOpen());
    EXPECT_EQ(openFlags(), (std::vector<int16_t>{0, 0, 0}));
}

TEST_F(LapCounterConnectionsTest, FailingPort_ShowsRetryCancelAndRetrySucceeds) {
    failOpensOfPort = {0, 1};
    prompter.answers = {Button::Retry};
    connections.OpenLapCounterPorts();
    ASSERT_EQ(prompter.shown.size(), 1u);
    const MessageBox& box = prompter.shown[0];
    EXPECT_EQ(box.text, "No hi ha connexió pel port 2.");
    EXPECT_EQ(box.title, "Error");
    EXPECT_EQ(box.buttons, (std::vector<Button>{Button::Retry, Button::Cancel}));
    EXPECT_EQ(scripted(2).openAttempts, 2);
    EXPECT_EQ(openFlags(), (std::vector<int16_t>{0, -1, -1}));
}

TEST_F(LapCounterConnectionsTest, FailingPort_CancelLeavesItClosedAndGoesOn) {
    setConnections({1, 5, 9}, 12);
    failOpensOfPort = {0, 5};
    prompter.answers = {Button::Retry, Button::Cancel};
    connections.OpenLapCounterPorts();
    EXPECT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(openFlags(), (std::vector<int16_t>{0, -1, 0, -1}));
    EXPECT_EQ(lastLanes(), (std::vector<int16_t>{0, 4, 8, 12}));
    EXPECT_FALSE(scripted(2).isOpen());
    EXPECT_TRUE(scripted(3).isOpen());
}

TEST_F(LapCounterConnectionsTest, FailingPort_UnansweredBoxCancelsInsteadOfLooping) {
    failOpensOfPort = {1000};
    connections.OpenLapCounterPorts();
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(openFlags(), (std::vector<int16_t>{0, 0, -1}));
}

TEST_F(LapCounterConnectionsTest, FailingPort_MessageInSpanishBeforeTheMainWindowLoads) {
    for (auto& column : state.Msg)
        for (auto& text : column) text.clear();
    state.Settings.Language = kSpanish;
    failOpensOfPort = {1};
    connections.OpenLapCounterPorts();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "No hay conexión por el puerto 1.");
    EXPECT_EQ(prompter.shown[0].title, "Error");
}

TEST_F(LapCounterConnectionsTest, UnknownModel_IsReportedNotOpened) {
    state.Settings.LapCounterModel = 9;
    connections.OpenLapCounterPorts();
    EXPECT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(openFlags(), (std::vector<int16_t>{0, 0, 0}));
    EXPECT_EQ(scripted(1).openAttempts, 0);
}

TEST_F(LapCounterConnectionsTest, RecoveryPending_OpensNothing) {
    state.RecoveryPending = -1;
    connections.OpenLapCounterPorts();
    EXPECT_EQ(created, 0);
    EXPECT_EQ(connections.port(1), nullptr);
    EXPECT_EQ(lastLanes(), (std::vector<int16_t>{0, 0, 0}));
}

TEST_F(LapCounterConnectionsTest, ConnectionCountBeyondTheArraysIsBounded) {
    state.Track.ConnectionCount = 9;
    state.Track.ConnectionOpen = {0};
    state.Track.ConnectionLastLane = {0};
    connections.OpenLapCounterPorts();
    EXPECT_EQ(created, LapCounterConnections::kMaxConnections);
    EXPECT_EQ(openFlags().size(), 5u);
}

// ---- Receiving ----

Bytes joined(const std::vector<Bytes>& parts) {
    Bytes all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST_F(LapCounterConnectionsTest, Receive_FrameSplitOverNotificationsDecodesOnce) {
    connections.OpenLapCounterPorts();
    heat = test::runningHeat(8);
    const Bytes frame = encodePass(LapCounterModel::DS300, 2, 65'2345, 1);
    ASSERT_EQ(frame.size(), 21u);
    scripted(2).receive(Bytes(frame.begin(), frame.begin() + 1));
    scripted(2).receive(Bytes(frame.begin() + 1, frame.begin() + 20));
    EXPECT_TRUE(applied.empty());
    clock.t = 36001;
    scripted(2).receive(Bytes(frame.begin() + 20, frame.end()));
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].first, 2);
    EXPECT_EQ(applied[0].second, LapCounterAction(Detection{6, 65.2345f, 36001}));
    EXPECT_EQ(timerStops, 3);
    EXPECT_EQ(timerStarts, 3);
}

TEST_F(LapCounterConnectionsTest, Receive_SeveralFramesInOneNotificationDecodeInOrder) {
    connections.OpenLapCounterPorts();
    heat = test::runningHeat(8);
    scripted(1).receive(joined(
        {encodePass(LapCounterModel::DS300, 1, 5'0000, 1), encodePass(LapCounterModel::DS300, 4, 6'0000, 2),
         encodePass(LapCounterModel::DS300, 5, 7'0000, 3)}));  // lane 5 is not connection 1's
    std::vector<Detection> detections;
    for (const auto& [connection, action] : applied) {
        EXPECT_EQ(connection, 1);
        if (const auto* d = std::get_if<Detection>(&action)) detections.push_back(*d);
    }
    ASSERT_EQ(detections.size(), 2u);
    EXPECT_EQ(detections[0].lane, 1);
    EXPECT_EQ(detections[1].lane, 4);
    EXPECT_EQ(timerStops, 1);
    EXPECT_EQ(timerStarts, 1);
}

TEST_F(LapCounterConnectionsTest, Receive_StartAndPassInOneNotificationRegistersThePass) {
    connections.OpenLapCounterPorts();
    const Bytes start = encodeStatus(LapCounterModel::DS300, HeatPhase::BeforeStart, DeviceStatus::Go, 0, 1);
    EXPECT_TRUE(connections.PortCom_OnComm(1).empty());  // nothing waiting
    auto& port = scripted(1);
    port.setNotification({});  // read by hand below
    port.receive(joined({start, encodePass(LapCounterModel::DS300, 3, 4'5000, 2)}));
    const Actions decoded = connections.PortCom_OnComm(1);
    ASSERT_FALSE(decoded.empty());
    EXPECT_TRUE(std::any_of(decoded.begin(), decoded.end(),
                            [](const auto& a) { return std::holds_alternative<StartHeat>(a); }));
    const auto detections = detectionsOf(decoded);
    ASSERT_EQ(detections.size(), 1u);
    EXPECT_EQ(detections[0].lane, 3);
    EXPECT_TRUE(heat.heatRunning);
}

TEST_F(LapCounterConnectionsTest, Receive_DataWhileThePanelIsHiddenIsReadAndDropped) {
    connections.OpenLapCounterPorts();
    heat = HeatView{};
    scripted(1).receive(encodePass(LapCounterModel::DS300, 1, 5'0000, 1));
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
    scripted(1).receive(encodePass(LapCounterModel::DS300, 1, 5'0000, 1));
    clock.t = 36003;
    scripted(1).receive(encodePass(LapCounterModel::DS300, 2, 4'0000, 2));
    EXPECT_TRUE(applied.empty());
    EXPECT_EQ(connections.HeldChunks(), 2u);
    clock.t = 36010;
    const auto fed = detectionsOf(connections.ReleaseHeldReception(true));
    ASSERT_EQ(fed.size(), 2u);
    EXPECT_EQ(fed[0].lane, 1);
    EXPECT_DOUBLE_EQ(fed[0].pcClock, 36001.5);
    EXPECT_DOUBLE_EQ(fed[1].pcClock, 36003);
    const auto appliedPasses = [this] {
        return std::count_if(applied.begin(), applied.end(),
                             [](const auto& a) { return std::holds_alternative<Detection>(a.second); });
    };
    scripted(1).receive(encodePass(LapCounterModel::DS300, 1, 5'0000, 3));  // live again
    EXPECT_EQ(appliedPasses(), 3);

    connections.OpenLapCounterPortsHeld();
    scripted(1).receive(encodePass(LapCounterModel::DS300, 1, 5'0000, 4));
    EXPECT_TRUE(connections.ReleaseHeldReception(false).empty());
    EXPECT_EQ(appliedPasses(), 3);
}

// Bytes arriving while an action waits on a message box keep their place.
TEST_F(LapCounterConnectionsTest, Receive_NotificationDuringADecodeWaitsItsTurn) {
    connections.OpenLapCounterPorts();
    heat.heatRunning = true;
    bool nested = false;
    ReceiveHooks h = hooks();
    h.apply = [&, inner = h.apply](int connection, const LapCounterAction& action) {
        inner(connection, action);
        if (std::exchange(nested, true)) return;
        clock.t = 36002;
        scripted(1).receive(encodePass(LapCounterModel::DS300, 2, 4'0000, 2));
    };
    connections.setReceiveHooks(h);
    scripted(1).receive(joined({encodePass(LapCounterModel::DS300, 1, 5'0000, 1),
                                encodePass(LapCounterModel::DS300, 3, 6'0000, 1)}));
    std::vector<int> lanes;
    for (const auto& [connection, action] : applied)
        if (const auto* d = std::get_if<Detection>(&action)) lanes.push_back(d->lane);
    EXPECT_EQ(lanes, (std::vector<int>{1, 3, 2}));
}

TEST_F(LapCounterConnectionsTest, Tick_HandsOverALateDs030Pass) {
    state.Settings.LapCounterModel = static_cast<int16_t>(LapCounterModel::DS030);
    connections.OpenLapCounterPorts();
    heat = test::runningHeat(8);
    const Bytes pass = encodePass(LapCounterModel::DS030, 2, 4'0000);
    scripted(1).receive(Bytes{pass.front()});  // the code alone: its time bytes never come
    EXPECT_TRUE(applied.empty());
    clock.t += kTimeBytesWait + 0.5;
    const auto detections = detectionsOf(connections.tickConnections());
    ASSERT_EQ(detections.size(), 1u);
    EXPECT_EQ(detections[0].lane, 2);
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

TEST(PortSearch, ProbeOpensAndClosesAgain) {
    MachinePorts port({2});
    EXPECT_TRUE(probePort(port, 2));
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.closes, 1);
    EXPECT_FALSE(probePort(port, 1));
    EXPECT_FALSE(probePort(port, 2, "garbage"));
}

TEST(PortSearch, ProbeLeavesAnOpenPortAlone) {
    MachinePorts port({1, 2});
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
