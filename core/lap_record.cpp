#include "core/lap_record.h"

namespace sc {

Bytes encodeLapRecord(const LapRecord& r) {
    ByteWriter w;
    w.integer(r.lane);
    w.integer(r.participant);
    w.single(r.passTime);
    w.single(r.lapTime);
    w.integer(r.best);
    w.integer(r.number);
    w.single(r.extra1);
    w.single(r.extra2);
    return w.bytes();
}

LapRecord decodeLapRecord(ByteReader& in) {
    LapRecord r;
    r.lane = in.integer();
    r.participant = in.integer();
    r.passTime = in.single();
    r.lapTime = in.single();
    r.best = in.integer();
    r.number = in.integer();
    r.extra1 = in.single();
    r.extra2 = in.single();
    return r;
}

}  // namespace sc
