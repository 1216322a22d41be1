#include "core/heat_record.h"

namespace sc {

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): heat and count differ in meaning, tests pin both
HeatRecord HeatRecord::header(int16_t heat, float startTime, int16_t count) {
    HeatRecord r;
    r.passTime = startTime;
    r.lane = heat;
    r.placesGained = count;
    return r;
}

Bytes encodeHeatRecord(const HeatRecord& r) {
    ByteWriter w;
    w.integer(r.participant);
    w.single(r.totalLaps);
    w.single(r.passTime);
    w.single(r.fastestLap);
    w.integer(r.fastestLane);
    w.integer(r.position);
    w.integer(r.lane);
    w.single(r.heatLaps);
    w.integer(r.placesGained);
    w.single(r.lastLap);
    w.single(r.bestLap);
    w.single(r.key0);
    w.single(r.key1);
    w.single(r.key2);
    w.single(r.unused);
    return w.bytes();
}

HeatRecord decodeHeatRecord(ByteReader& in) {
    HeatRecord r;
    r.participant = in.integer();
    r.totalLaps = in.single();
    r.passTime = in.single();
    r.fastestLap = in.single();
    r.fastestLane = in.integer();
    r.position = in.integer();
    r.lane = in.integer();
    r.heatLaps = in.single();
    r.placesGained = in.integer();
    r.lastLap = in.single();
    r.bestLap = in.single();
    r.key0 = in.single();
    r.key1 = in.single();
    r.key2 = in.single();
    r.unused = in.single();
    return r;
}

}  // namespace sc
