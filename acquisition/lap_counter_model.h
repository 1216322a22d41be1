#pragma once
// The lap-counter models the program understands, and what each needs from its port.

#include <cstdint>
#include <optional>
#include <string_view>

namespace sc {

enum class LapCounterModel : int16_t { DS003 = 0, DS030 = 1, DS300 = 2, DS300DS4port = 3, DS200 = 4 };

inline constexpr int kLapCounterModelCount = 5;

// The text of the model list ("DS003", ..., "DS300 & DS4port", "DS200"); empty for unknown values.
std::string_view lapCounterModelName(LapCounterModel model);

// Serial settings text such as "56000,n,8,1"; empty for unknown values.
std::string_view portSettingsText(LapCounterModel model);
int baudRate(LapCounterModel model);

// Accepts the number 0..4 or the list text (case and blanks ignored, "DS4port" alone too).
std::optional<LapCounterModel> parseLapCounterModel(std::string_view text);

bool isFrameModel(LapCounterModel model);

}  // namespace sc
