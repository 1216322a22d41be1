// open, close, menu, clock, key, manual, tick, bytes, lanes, errors, panel: heat-running
// mode driven as the main window and the live window drive it.
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <utility>
#include <vector>

#include "heat/heat_clock.h"
#include "heat/lap_counter_dispatch.h"
#include "core/race_state.h"
#include "standings/voltaavolta.h"
#include "tools/driver/command_table.h"
#include "tools/driver/heat_driver.h"
#include "tools/driver/listing_print.h"
#include "tools/driver/session.h"
#include "tools/json_text.h"

namespace sc::driver {

// ---- the driver's heat-running mode

void DriverHooks::LlistarVoltes() {
    sc::LlistarVoltes listing(state_, ProgrammeSeriesFolder(state_));
    listing.Load(state_.CurrentSeries, state_.CurrentHeat);
    printListing(out_, listing);
}

// The lap counters act on the programme's heat while it is in heat-running mode.
ReceiveHooks LapCounterReceiveHooks(RaceState& state, Programme& programme) {
    return MakeReceiveHooks(state, programme.ui.panel, [&state, &programme]() -> std::optional<HeatTargets> {
        if (!programme.Clock() || !programme.Registration()) return std::nullopt;
        return HeatTargets{state, programme.ui.panel, programme.ui.errors, *programme.Clock(),
                           *programme.Registration()};
    });
}

HeatDriver::HeatDriver(RaceState& state, Portada& window, const PcClock& clock, Prompter& prompter,
                       std::ostream& out)
    : engine(state),
      store(state, engine, prompter),
      hooks(state, engine, store, window, out),
      connections(state, prompter, clock, [] { return std::make_unique<ScriptedSerialPort>(); }),
      host(window, engine, store, connections),
      programme(state, clock, prompter, host, hooks, hooks) {
    connections.setReceiveHooks(LapCounterReceiveHooks(state, programme));
    hooks.ShowCorregir = [this, &state, &prompter, &out] { AnswerCorregir(*this, state, prompter, out); };
}

namespace {

constexpr double kDay = 86400;
constexpr int kManualItems = 16;

HeatClock& heatClock(Session& session) {
    HeatClock* clock = session.heat().programme.Clock();
    if (!clock || !session.heat().programme.ui.heatMode)
        throw ScriptError("not in heat-running mode (use 'open')");
    return *clock;
}

VoltaaVolta& liveView(Session& session) {
    heatClock(session);
    return *session.heat().programme.View();
}

bool takeShift(Session& session) { return std::exchange(session.heat().shiftHeld, false); }

// ---- clock T: seconds since midnight, or H:MM:SS(.fff)
std::optional<double> parseNumber(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> parseTimeOfDay(const std::string& text) {
    const auto first = text.find(':');
    if (first == std::string::npos) return parseNumber(text);
    const auto second = text.find(':', first + 1);
    if (second == std::string::npos) return std::nullopt;
    const auto h = parseNumber(text.substr(0, first));
    const auto m = parseNumber(text.substr(first + 1, second - first - 1));
    const auto s = parseNumber(text.substr(second + 1));
    if (!h || !m || !s || *h != std::floor(*h) || *m != std::floor(*m) || *m >= 60 || *s >= 60)
        return std::nullopt;
    return *h * 3600 + *m * 60 + *s;
}

void clock(Session& session, const ScriptLine& line) {
    requireArgs(line, 1, "clock T");
    const auto t = parseTimeOfDay(line.args[0]);
    if (!t || *t < 0 || *t >= kDay)
        throw ScriptError("clock T: seconds since midnight (0 to 86399.999) or H:MM:SS.fff");
    session.clock().set(*t);
}

// ---- the programme
void open(Session& session, const ScriptLine& line) {
    requireArgs(line, 1, "open M");
    session.mainWindow();
    const int m = wholeNumberArgument(line.args[0], "modality M", 0, kSeriesLists);
    HeatDriver& heat = session.heat();
    if (heat.programme.ui.heatMode) throw ScriptError("a programme is already open (use 'close')");
    if (m > 0 && heat.host.SelectedSeries(m) < 0)
        throw ScriptError("no series is selected in the series list of modality " + line.args[0]);
    if (heat.programme.MnuPrg_Click(m)) heat.engine.SetLapView(heat.programme.View());
}

void close(Session& session, const ScriptLine& line) {
    requireArgs(line, 0, "close");
    HeatClock& clock = heatClock(session);
    if (session.state().HeatRunning != 0) throw ScriptError("a heat is running (end it with 'key S')");
    clock.Menu_Click(0, takeShift(session));
    HeatDriver& heat = session.heat();
    if (heat.programme.ui.heatMode) heat.engine.SetLapView(heat.programme.View());  // Shift: the next series
}

void menu(Session& session, const ScriptLine& line) {
    requireArgs(line, 1, "menu I");
    HeatClock& clock = heatClock(session);
    const int i = wholeNumberArgument(line.args[0], "menu I", 0, kHeatMenuButtons - 1);
    if (session.state().HeatRunning != 0) throw ScriptError("the heat menu is hidden while a heat runs");
    if (!session.heat().programme.ui.panel.Menu[i].enabled)
        throw ScriptError("menu " + line.args[0] + " is disabled");
    clock.Menu_Click(i, takeShift(session));
    HeatDriver& heat = session.heat();
    if (heat.programme.ui.heatMode) heat.engine.SetLapView(heat.programme.View());
}

// ---- keys
int keyCode(const std::string& word) {
    if (word == "esc") return kEscapeKey;
    if (word == "enter") return kEnterKey;
    if (word == "shift") return -1;
    if (word.size() == 1 && static_cast<unsigned char>(word[0]) >= 32 &&
        static_cast<unsigned char>(word[0]) < 127)
        return word[0];
    throw ScriptError("key K: one character, esc, enter or shift");
}

void key(Session& session, const ScriptLine& line) {
    requireArgs(line, 1, "key K");
    HeatClock& clock = heatClock(session);
    const int code = keyCode(line.args[0]);
    if (code == -1) {
        session.heat().shiftHeld = true;
        clock.HeatKeys(-1);
        return;
    }
    session.heat().shiftHeld = false;  // HeatKeys keeps its own Shift mark
    clock.HeatKeys(code);
    HeatDriver& heat = session.heat();
    if (heat.programme.ui.heatMode) heat.engine.SetLapView(heat.programme.View());
}

void manual(Session& session, const ScriptLine& line) {
    requireArgs(line, 1, "manual L");
    HeatClock& clock = heatClock(session);
    clock.Manual_Click(wholeNumberArgument(line.args[0], "manual L", 0, kManualItems));
}

// ---- tick [N]: each tick first moves the clock on by the timer interval
void tick(Session& session, const ScriptLine& line) {
    if (line.args.size() > 1) throw ScriptError("usage: tick [N]");
    HeatClock& clock = heatClock(session);
    const int n = line.args.empty() ? 1 : wholeNumberArgument(line.args[0], "tick N", 1, 100000);
    const HeatPanel& panel = session.heat().programme.ui.panel;
    for (int i = 0; i < n; ++i) {
        double t = session.clock().now() + panel.timerInterval / 1000.0;
        if (t >= kDay) t -= kDay;
        session.clock().set(t);
        if (panel.timerEnabled) clock.Tick();
        session.heat().connections.tickConnections();
    }
}

// ---- bytes C HEX...: what lap-counter connection C receives, at the current clock
std::optional<Bytes> parseHex(const std::vector<std::string>& words) {
    std::string digits;
    for (const std::string& word : words) digits += word;
    if (digits.empty() || digits.size() % 2 != 0) return std::nullopt;
    Bytes bytes;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        uint8_t value = 0;
        const auto [end, error] = std::from_chars(digits.data() + i, digits.data() + i + 2, value, 16);
        if (error != std::errc() || end != digits.data() + i + 2) return std::nullopt;
        bytes.push_back(value);
    }
    return bytes;
}

void bytes(Session& session, const ScriptLine& line) {
    if (line.args.size() < 2) throw ScriptError("usage: bytes C HEX...");
    const int c = wholeNumberArgument(line.args[0], "bytes C", 1, LapCounterConnections::kMaxConnections);
    const auto data = parseHex({line.args.begin() + 1, line.args.end()});
    if (!data) throw ScriptError("bytes C HEX...: pairs of hexadecimal digits, blanks allowed between pairs");
    auto* port = dynamic_cast<ScriptedSerialPort*>(session.heat().connections.port(c));
    if (!port || !port->isOpen()) throw ScriptError("connection " + line.args[0] + " is not open");
    port->receive(*data);
}

// ---- what the screen shows
void lanes(Session& session, const ScriptLine& line) {
    requireArgs(line, 0, "lanes");
    const VoltaaVolta& view = liveView(session);
    nlohmann::ordered_json blocks = nlohmann::json::array();
    for (int lane = 1; lane <= view.LaneCount(); ++lane) {
        const LaneBlock& block = view.Lane(lane);
        nlohmann::ordered_json b;
        b["lane"] = lane;
        b["title"] = block.title;
        b["visible"] = block.titleVisible;
        b["driver"] = block.driver;
        b["passes"] = block.list.TextMatrix(0, 0);
        nlohmann::ordered_json laps = nlohmann::json::array();
        for (int row = 1; row < block.list.Rows(); ++row)
            if (!block.list.TextMatrix(row, 0).empty()) laps.push_back(block.list.TextMatrix(row, 0));
        b["laps"] = std::move(laps);
        b["fastest"] = block.fastestLap;
        b["highlighted"] = block.highlightedRow;
        blocks.push_back(std::move(b));
    }
    nlohmann::ordered_json out;
    out["lanes"] = std::move(blocks);
    out["flag"] = view.FlagLane();
    session.out() << jsonText(out) << '\n';
}

void errors(Session& session, const ScriptLine& line) {
    requireArgs(line, 0, "errors");
    heatClock(session);
    const RejectedDetections& list = session.heat().programme.ui.errors;
    nlohmann::ordered_json out;
    out["errors"]["visible"] = list.Visible();
    out["errors"]["items"] = list.Items();
    out["errors"]["selected"] = list.ListIndex();
    session.out() << jsonText(out) << '\n';
}

void panel(Session& session, const ScriptLine& line) {
    requireArgs(line, 0, "panel");
    heatClock(session);
    const HeatPanel& p = session.heat().programme.ui.panel;
    nlohmann::ordered_json out;
    out["Hora"] = p.horaVisible ? p.Hora : "";
    out["horaVisible"] = p.horaVisible;
    out["horaColour"] = p.horaBackColour;
    out["pausa"] = p.textPausaVisible;
    out["panelColour"] = p.backColour;
    nlohmann::ordered_json buttons = nlohmann::json::array();
    for (const HeatMenuButton& b : p.Menu)
        buttons.push_back({{"caption", b.caption}, {"visible", b.visible}, {"enabled", b.enabled}});
    out["menu"] = std::move(buttons);
    out["MesMenys"] = p.MesMenys;
    out["timer"] = p.timerEnabled ? p.timerInterval : 0;
    out["CurrentHeat"] = session.state().CurrentHeat;
    session.out() << jsonText(nlohmann::ordered_json{{"panel", out}}) << '\n';
}

}  // namespace

void addHeatCommands(CommandTable& table) {
    table.add("open", "open M", open);
    table.add("close", "close", close);
    table.add("menu", "menu I", menu);
    table.add("clock", "clock T", clock);
    table.add("key", "key K", key);
    table.add("manual", "manual L", manual);
    table.add("tick", "tick [N]", tick);
    table.add("bytes", "bytes C HEX...", bytes);
    table.add("lanes", "lanes", lanes);
    table.add("errors", "errors", errors);
    table.add("panel", "panel", panel);
}

}  // namespace sc::driver
