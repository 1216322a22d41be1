#pragma once
// The DS030 byte stream: one code byte per message; a pass is its sensor mask followed
// by three BCD time bytes (seconds, hundredths, ten-thousandths).

#include <cstdint>
#include <vector>

#include "acquisition/lap_counter_decoder.h"

namespace sc {

std::vector<LapCounterAction> feedDs030Byte(ConnectionState& connection, uint8_t byte, double pcClock,
                                            const HeatView& heat);

// Hands over the pending pass, timed by the PC, once its time bytes are overdue.
std::vector<LapCounterAction> flushLatePass(ConnectionState& connection, double pcClock,
                                            const HeatView& heat);

}  // namespace sc
