#include "core/heat_record.h"

#include "core/record_fields.h"

namespace sc {

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): heat and count differ in meaning, tests pin both
HeatRecord HeatRecord::header(int16_t heat, float startTime, int16_t count) {
    HeatRecord r;
    r.passTime = startTime;
    r.lane = heat;
    r.placesGained = count;
    return r;
}

namespace {

// The 50 bytes in file order.
constexpr auto heatFields = [](auto& r, auto& f) {
    f(r.participant);
    f(r.totalLaps);
    f(r.passTime);
    f(r.fastestLap);
    f(r.fastestLane);
    f(r.position);
    f(r.lane);
    f(r.heatLaps);
    f(r.placesGained);
    f(r.lastLap);
    f(r.bestLap);
    f(r.key0);
    f(r.key1);
    f(r.key2);
    f(r.unused);
};

}  // namespace

Bytes encodeHeatRecord(const HeatRecord& r) { return encodeFields(r, heatFields); }

HeatRecord decodeHeatRecord(ByteReader& in) { return decodeFields<HeatRecord>(in, heatFields); }

}  // namespace sc
