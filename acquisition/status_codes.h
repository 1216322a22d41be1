#pragma once
// The race-control codes of the frame protocols and of the DS030 byte stream, and
// what each one does to the heat. Decoders read the tables; encoders write them.

#include <cstdint>
#include <optional>
#include <vector>

#include "acquisition/lap_counter_actions.h"
#include "acquisition/lap_counter_decoder.h"

namespace sc {

enum class StatusFamily : uint8_t { Frame, DS030 };
enum class HeatPhase : uint8_t { BeforeStart, Running };
enum class DeviceStatus : uint8_t { Red, Green, Go, Pause, KeepAlive };

std::optional<DeviceStatus> statusOfCode(StatusFamily family, HeatPhase phase, uint8_t code);

// Every code that means the status in that phase (keep-alive has two); empty when none.
std::vector<uint8_t> codesOfStatus(StatusFamily family, HeatPhase phase, DeviceStatus status);

// What the status does given the heat as it stands.
std::vector<LapCounterAction> statusActions(DeviceStatus status, const HeatView& heat, double pcClock);

}  // namespace sc
