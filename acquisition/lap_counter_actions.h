#pragma once
// What a lap-counter decoder asks of the rest of the program. The decoders only
// describe; the heat clock, lap registration and the windows carry the actions out,
// in the order given.

#include <cstdint>
#include <string>
#include <variant>

namespace sc {

// A car crossed a lane sensor. deviceLapTime is 0 when the device gave no time.
struct Detection {
    int16_t lane = 0;
    float deviceLapTime = 0;
    double pcClock = 0;  // PC clock when the pass's first byte arrived
    bool operator==(const Detection&) const = default;
};

struct StartHeat {
    double pcClock = 0;
    bool operator==(const StartHeat&) const = default;
};

struct PauseHeat {
    double pcClock = 0;
    bool operator==(const PauseHeat&) const = default;
};

struct ResumeHeat {
    double pcClock = 0;
    bool operator==(const ResumeHeat&) const = default;
};

// The device is alive: the heat ends 2.5 seconds after the last of these.
struct KeepAlive {
    double pcClock = 0;
    bool operator==(const KeepAlive&) const = default;
};

struct EndHeat {
    bool operator==(const EndHeat&) const = default;
};

// Colour signals of the device's lights.
enum class PanelScope : uint8_t {
    HeatPanel,     // before a start: the heat panel alone
    PauseDisplay,  // during a pause: the pause label, the clock label and the heat panel
};

inline constexpr int16_t kRestoreColour = -1;  // back to the colour of the first heat-menu button

struct PanelColour {
    PanelScope scope = PanelScope::HeatPanel;
    int16_t colour = kRestoreColour;  // palette code, or kRestoreColour
    bool hideHeatMenu = false;        // also hide the rejected-detection list and the heat-menu buttons
    bool operator==(const PanelColour&) const = default;
};

// One lane of a heat summary counted by the device itself.
struct LaneSummary {
    int16_t lane = 0;
    int16_t laps = 0;
    float best = 0;  // already 99.9999 when below the minimum lap time
    bool operator==(const LaneSummary&) const = default;
};

using LapCounterAction =
    std::variant<Detection, StartHeat, PauseHeat, ResumeHeat, KeepAlive, EndHeat, PanelColour, LaneSummary>;

// One line for logs, tool output and test messages.
std::string describe(const LapCounterAction& action);

}  // namespace sc
