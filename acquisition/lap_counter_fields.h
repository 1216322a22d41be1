#pragma once
// Field codings shared by the lap-counter protocols: BCD time bytes and one-bit sensor masks.

#include <cstdint>
#include <optional>

namespace sc {

// Reads the two hexadecimal digits as a decimal number; a digit above 9 ends it
// (0x59 is 59, 0x5A is 5, 0xA4 is 0).
int bcdValue(uint8_t byte);
// 0..99 to its BCD byte.
uint8_t toBcd(int value);

enum class SensorOrder : uint8_t {
    Reversed,  // DS030 and DS300: mask 128 is sensor 1
    Direct,    // DS200: mask 1 is sensor 1
};

// Sensor 1..8 of a mask with exactly one bit set; nothing for any other mask.
std::optional<int> sensorFromBit(uint8_t mask, SensorOrder order);
// The mask of sensor 1..8.
uint8_t maskOfSensor(int sensor, SensorOrder order);

}  // namespace sc
