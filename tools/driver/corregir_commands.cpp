// comas, pick, correct: the corrections window (Corregir) as the heat opens
// it, answered from a queue filled before the command that opens it.
#include <nlohmann/json.hpp>

#include "core/number_format.h"
#include "heat/heat_clock.h"
#include "results/corregir.h"
#include "tools/driver/command_table.h"
#include "tools/driver/heat_driver.h"
#include "tools/driver/session.h"

namespace sc::driver {

namespace {

using Kind = CorregirAction::Kind;

int rowOfLane(const Corregir& form, const std::string& lane) {
    for (std::size_t i = 0; i < form.rows.size(); ++i)
        if (std::to_string(form.rows[i].lane) == lane) return form.rows[i].enabled ? static_cast<int>(i) : -2;
    return -1;
}

void typeValue(Corregir& form, int row, const std::string& text) {
    form.Box_GotFocus(row);
    form.rows[static_cast<std::size_t>(row)].VR = text;
    form.VR_Change(row);
    form.VR_LostFocus(row);
}

void typeValues(Corregir& form, const std::vector<std::string>& values) {
    std::vector<int> open;
    for (std::size_t i = 0; i < form.rows.size(); ++i)
        if (form.rows[i].enabled) open.push_back(static_cast<int>(i));
    if (open.size() != values.size())
        throw ScriptError("comas: the window takes " + std::to_string(open.size()) + " values, " +
                          std::to_string(values.size()) + " given");
    for (std::size_t k = 0; k < open.size(); ++k) typeValue(form, open[k], values[k]);
    form.Sortir_Click(1);
}

// LANE=LAPS:BEST; an empty LAPS or BEST leaves that box as it is.
void typeCorrection(Corregir& form, const CorregirAction& action) {
    if (action.heat < 1 || action.heat > static_cast<int>(form.SelManiga.size()))
        throw ScriptError("correct: heat " + std::to_string(action.heat) + " has not been run");
    form.SelManiga_Click(action.heat - 1);
    for (const std::string& item : action.values) {
        const auto eq = item.find('='), colon = item.find(':');
        if (eq == std::string::npos || colon == std::string::npos || colon < eq)
            throw ScriptError("correct: LANE=LAPS:BEST, not '" + item + "'");
        const int row = rowOfLane(form, item.substr(0, eq));
        if (row < 0)
            throw ScriptError("correct: lane " + item.substr(0, eq) +
                              (row == -1 ? " is not a lane of the track" : " has nobody in this heat"));
        const std::string laps = item.substr(eq + 1, colon - eq - 1), best = item.substr(colon + 1);
        form.Box_GotFocus(row);
        if (!laps.empty()) {
            form.rows[static_cast<std::size_t>(row)].NV = laps;
            form.NV_LostFocus(row);
        }
        if (!best.empty()) typeValue(form, row, best);
    }
    form.Sortir_Click(1);
}

void apply(Corregir& form, const CorregirAction& action) {
    switch (action.kind) {
        case Kind::Values:
            typeValues(form, action.values);
            break;
        case Kind::Propose:
            form.Sortir_Click(1);
            break;
        case Kind::Click:
            form.GraficComes_Click(action.x, action.y);
            break;
        case Kind::DoubleClick:
            form.GraficComes_DblClick(action.x, action.y);
            break;
        case Kind::Correct:
            typeCorrection(form, action);
            break;
    }
}

void print(std::ostream& out, const RaceState& state, const Corregir& form) {
    nlohmann::ordered_json rows = nlohmann::json::array();
    for (const CorregirRow& row : form.rows)
        rows.push_back({{"lane", row.lane},
                        {"participant", row.EQ},
                        {"laps", row.NV},
                        {"value", row.VR},
                        {"enabled", row.enabled}});
    nlohmann::ordered_json line;
    auto& w = line["corregir"];
    w["mode"] = form.comasMode() ? "comas" : "correct";
    w["ModeCorregir"] = state.ModeCorregir;
    w["heat"] = form.SelectedHeat();
    w["rows"] = std::move(rows);
    w["picture"] = form.picture.filename().string();
    w["saved"] = form.saved;
    out << line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

HeatDriver& idleHeat(Session& session) {
    HeatDriver& heat = session.heat();
    if (!heat.programme.ui.heatMode) throw ScriptError("not in heat-running mode (use 'open')");
    if (session.state().HeatRunning != 0) throw ScriptError("the heat menu is hidden while a heat runs");
    return heat;
}

// ---- comas V1 V2 ... | comas propose
void comas(Session& session, const ScriptLine& line) {
    if (line.args.empty()) throw ScriptError("usage: comas V1 V2 ... | comas propose");
    CorregirAction action;
    action.kind = line.args.size() == 1 && line.args[0] == "propose" ? Kind::Propose : Kind::Values;
    if (action.kind == Kind::Values) action.values = line.args;
    session.heat().corregirAnswers.push_back(std::move(action));
}

// ---- pick X Y [double]
void pick(Session& session, const ScriptLine& line) {
    if (line.args.size() != 2 && !(line.args.size() == 3 && line.args[2] == "double"))
        throw ScriptError("usage: pick X Y [double]");
    CorregirAction action;
    action.kind = line.args.size() == 3 ? Kind::DoubleClick : Kind::Click;
    action.x = wholeNumberArgument(line.args[0], "pick X", 0, 100000);
    action.y = wholeNumberArgument(line.args[1], "pick Y", 0, 100000);
    session.heat().corregirAnswers.push_back(action);
}

// ---- correct SERIES HEAT LANE=LAPS:BEST ...: "(C)orregir" of the open programme
void correct(Session& session, const ScriptLine& line) {
    if (line.args.size() < 3) throw ScriptError("usage: correct SERIES HEAT LANE=LAPS:BEST ...");
    HeatDriver& heat = idleHeat(session);
    const int series = wholeNumberArgument(line.args[0], "correct SERIES", 1, 999);
    if (series != session.state().CurrentSeries)
        throw ScriptError("correct: series " + line.args[0] + " is not the open series");
    if (!heat.programme.ui.panel.Menu[3].enabled) throw ScriptError("menu 3 is disabled");
    CorregirAction action;
    action.kind = Kind::Correct;
    action.heat = wholeNumberArgument(line.args[1], "correct HEAT", 1, 32767);
    action.values.assign(line.args.begin() + 2, line.args.end());
    heat.corregirAnswers.push_front(std::move(action));
    heat.programme.Clock()->Menu_Click(3);
}

}  // namespace

void AnswerCorregir(HeatDriver& heat, RaceState& state, Prompter& prompter, std::ostream& out) {
    Corregir form(state, heat.engine, heat.store, prompter);
    form.Form_Load();
    while (!form.closed && !heat.corregirAnswers.empty()) {
        const CorregirAction action = heat.corregirAnswers.front();
        heat.corregirAnswers.pop_front();
        apply(form, action);
        // A save that failed (told in its box) leaves the window open: it is closed unsaved.
        if (!form.closed &&
            (action.kind == Kind::Values || action.kind == Kind::Propose || action.kind == Kind::Correct))
            form.Sortir_Click(0);
    }
    if (!form.closed) form.Sortir_Click(0);  // Esc: nothing saved
    print(out, state, form);
}

void addCorregirCommands(CommandTable& table) {
    table.add("comas", "comas V1 V2 ... | comas propose", comas);
    table.add("pick", "pick X Y [double]", pick);
    table.add("correct", "correct SERIES HEAT LANE=LAPS:BEST ...", correct);
}

}  // namespace sc::driver
