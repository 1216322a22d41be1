#include "acquisition/lap_counter_actions.h"

#include <cstdio>

namespace sc {

namespace {

std::string format(const char* pattern, auto... values) {
    char text[96];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

struct Describer {
    std::string operator()(const Detection& d) const {
        return format("detection lane %d time %.4f at %.4f", d.lane, static_cast<double>(d.deviceLapTime),
                      d.pcClock);
    }
    std::string operator()(const StartHeat& s) const { return format("start at %.4f", s.pcClock); }
    std::string operator()(const PauseHeat& p) const { return format("pause at %.4f", p.pcClock); }
    std::string operator()(const ResumeHeat& r) const { return format("resume at %.4f", r.pcClock); }
    std::string operator()(const KeepAlive& k) const { return format("keep-alive at %.4f", k.pcClock); }
    std::string operator()(const EndHeat&) const { return "end"; }
    std::string operator()(const PanelColour& p) const {
        return format("%s colour %d%s", p.scope == PanelScope::HeatPanel ? "panel" : "pause display",
                      p.colour, p.hideHeatMenu ? " hiding the heat menu" : "");
    }
    std::string operator()(const LaneSummary& s) const {
        return format("summary lane %d laps %d best %.4f", s.lane, s.laps, static_cast<double>(s.best));
    }
};

}  // namespace

std::string describe(const LapCounterAction& action) { return std::visit(Describer{}, action); }

}  // namespace sc
