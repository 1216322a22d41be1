#pragma once
// A corrected heat carried through the series: from the corrected heat to
// the last one, every participant's total laps, fastest lap and its lane are
// summed again from the standings stored with the heat before, each heat is
// ranked again as the live table ranks it, and its records are rewritten in
// place. Works on the file's bytes; the caller saves them.
#include <cstdint>
#include <filesystem>
#include <functional>

#include "core/byte_io.h"
#include "core/heat_record.h"
#include "core/race_state.h"

namespace sc {

class Prompter;

// Puts the window's values into a participant record of the corrected heat
// (heat laps, best lap of the heat); records it has no values for stay.
using HeatCorrection = std::function<void(HeatRecord&)>;

enum class RecomputeFault { None, HeatMissing, PreviousHeatMissing };

struct RecomputedSeries {
    RecomputeFault fault = RecomputeFault::None;
    Bytes data;  // the whole heat file, every byte outside the rewritten records as it was
};

// `heatFile` holds the series' heat file (named `file` in a FileError when
// its blocks do not walk). Heats after `lastHeat` (a cancelled heat still in
// the file) are left alone.
RecomputedSeries RecomputeSeries(RaceState& state, Prompter& prompter, const Bytes& heatFile,
                                 const std::filesystem::path& file, int16_t heat, int16_t lastHeat,
                                 const HeatCorrection& correct);

}  // namespace sc
