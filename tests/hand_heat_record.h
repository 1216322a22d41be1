#pragma once
// A heat record (50 bytes) laid out by hand, field by field at its offsets,
// so the tests check the file layout without the program's own encoder.
#include <cstdint>
#include <cstring>
#include <iterator>
#include <vector>

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

// A participant record from its fields in file order: participant, total laps,
// pass time, fastest lap, its lane, position, lane, heat laps, places gained,
// last lap, best lap and the three keys. The five int16 fields sit at 0, 14,
// 16, 18 and 24, singles elsewhere; fields left out stay zero.
inline Bytes handRow(const std::vector<float>& fields) {
    static constexpr std::size_t kAt[] = {0, 2, 6, 10, 14, 16, 18, 20, 24, 26, 30, 34, 38, 42};
    HandRecord r;
    for (std::size_t i = 0; i < fields.size() && i < std::size(kAt); ++i) {
        const std::size_t at = kAt[i];
        if (at == 0 || (at >= 14 && at <= 18) || at == 24)
            r.i16(at, static_cast<int16_t>(fields[i]));
        else
            r.f32(at, fields[i]);
    }
    return r.bytes;
}

}  // namespace sc::test
