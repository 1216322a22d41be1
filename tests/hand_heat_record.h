#pragma once
// A heat record (50 bytes) laid out by hand, field by field at its offsets,
// so the tests check the file layout without the program's own encoder.
#include <cstdint>
#include <cstring>

#include "core/byte_io.h"
#include "core/heat_record.h"

namespace sc::test {

struct HandRecord {
    Bytes bytes = Bytes(kHeatRecordSize, 0);
    HandRecord& i16(std::size_t at, int16_t v) {
        bytes[at] = static_cast<uint8_t>(v & 0xFF);
        bytes[at + 1] = static_cast<uint8_t>((v >> 8) & 0xFF);
        return *this;
    }
    HandRecord& f32(std::size_t at, float v) {
        uint32_t u;
        std::memcpy(&u, &v, 4);
        for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<uint8_t>(u >> (8 * k));
        return *this;
    }
};

inline Bytes handHeader(int16_t heat, float start, int16_t count) {
    return HandRecord{}.i16(0, 0).f32(6, start).i16(18, heat).i16(24, count).bytes;
}

}  // namespace sc::test
