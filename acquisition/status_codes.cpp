#include "acquisition/status_codes.h"

#include <array>

namespace sc {

namespace {

struct StatusCode {
    StatusFamily family;
    HeatPhase phase;
    uint8_t code;
    DeviceStatus status;
};

using enum StatusFamily;
using enum HeatPhase;
using enum DeviceStatus;

constexpr std::array kStatusCodes{
    StatusCode{Frame, BeforeStart, 161, Red},   StatusCode{Frame, BeforeStart, 162, Green},
    StatusCode{Frame, BeforeStart, 163, Go},    StatusCode{Frame, Running, 162, Green},
    StatusCode{Frame, Running, 163, Go},        StatusCode{Frame, Running, 164, KeepAlive},
    StatusCode{Frame, Running, 165, Pause},     StatusCode{Frame, Running, 166, Red},
    StatusCode{Frame, Running, 167, KeepAlive}, StatusCode{DS030, BeforeStart, 160, Red},
    StatusCode{DS030, BeforeStart, 161, Green}, StatusCode{DS030, BeforeStart, 162, Go},
    StatusCode{DS030, Running, 160, Red},       StatusCode{DS030, Running, 161, Green},
    StatusCode{DS030, Running, 162, Go},        StatusCode{DS030, Running, 163, Pause},
    StatusCode{DS030, Running, 164, KeepAlive}, StatusCode{DS030, Running, 165, KeepAlive},
};

constexpr int16_t kRed = 12;
constexpr int16_t kGreen = 10;

std::vector<LapCounterAction> beforeStart(DeviceStatus status, double pcClock) {
    switch (status) {
        case Red:
            return {PanelColour{PanelScope::HeatPanel, kRed, true}};
        case Green:
            return {PanelColour{PanelScope::HeatPanel, kGreen, false}};
        case Go:
            return {PanelColour{PanelScope::HeatPanel, kRestoreColour, false}, StartHeat{pcClock}};
        default:
            return {};
    }
}

std::vector<LapCounterAction> whileRunning(DeviceStatus status, bool paused, double pcClock) {
    switch (status) {
        case Red:
            if (paused) return {PanelColour{PanelScope::PauseDisplay, kRed, false}};
            return {};
        case Green:
            if (paused) return {PanelColour{PanelScope::PauseDisplay, kGreen, false}};
            return {};
        case Go:
            if (paused)
                return {PanelColour{PanelScope::PauseDisplay, kRestoreColour, false}, ResumeHeat{pcClock}};
            return {};
        case Pause:
            if (!paused) return {PauseHeat{pcClock}};
            return {};
        case KeepAlive:
            return {sc::KeepAlive{pcClock}};
    }
    return {};
}

}  // namespace

std::optional<DeviceStatus> statusOfCode(StatusFamily family, HeatPhase phase, uint8_t code) {
    for (const auto& entry : kStatusCodes) {
        if (entry.family == family && entry.phase == phase && entry.code == code) return entry.status;
    }
    return std::nullopt;
}

std::vector<uint8_t> codesOfStatus(StatusFamily family, HeatPhase phase, DeviceStatus status) {
    std::vector<uint8_t> codes;
    for (const auto& entry : kStatusCodes) {
        if (entry.family == family && entry.phase == phase && entry.status == status)
            codes.push_back(entry.code);
    }
    return codes;
}

std::vector<LapCounterAction> statusActions(DeviceStatus status, const HeatView& heat, double pcClock) {
    return heat.heatRunning ? whileRunning(status, heat.paused, pcClock) : beforeStart(status, pcClock);
}

}  // namespace sc
