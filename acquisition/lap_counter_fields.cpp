#include "acquisition/lap_counter_fields.h"

#include <bit>
#include <stdexcept>

namespace sc {

int bcdValue(uint8_t byte) {
    const int high = byte >> 4;
    const int low = byte & 0x0F;
    if (high > 9) return 0;
    if (low > 9) return high;
    return high * 10 + low;
}

uint8_t toBcd(int value) {
    if (value < 0 || value > 99) throw std::out_of_range("a BCD byte holds 0 to 99");
    return static_cast<uint8_t>((value / 10) << 4 | value % 10);
}

std::optional<int> sensorFromBit(uint8_t mask, SensorOrder order) {
    if (!std::has_single_bit(mask)) return std::nullopt;
    const int bit = std::countr_zero(mask);  // 0..7
    return order == SensorOrder::Direct ? bit + 1 : 8 - bit;
}

uint8_t maskOfSensor(int sensor, SensorOrder order) {
    if (sensor < 1 || sensor > 8) throw std::out_of_range("a lap counter has sensors 1 to 8");
    const int bit = order == SensorOrder::Direct ? sensor - 1 : 8 - sensor;
    return static_cast<uint8_t>(1u << bit);
}

}  // namespace sc
