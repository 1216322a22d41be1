#include "core/lap_record.h"

#include "core/record_fields.h"

namespace sc {

namespace {

// The 24 bytes in file order.
constexpr auto lapFields = [](auto& r, auto& f) {
    f(r.lane);
    f(r.participant);
    f(r.passTime);
    f(r.lapTime);
    f(r.best);
    f(r.number);
    f(r.extra1);
    f(r.extra2);
};

}  // namespace

Bytes encodeLapRecord(const LapRecord& r) { return encodeFields(r, lapFields); }

LapRecord decodeLapRecord(ByteReader& in) { return decodeFields<LapRecord>(in, lapFields); }

}  // namespace sc
