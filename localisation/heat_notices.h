#pragma once
// What the director is told when the heat's safety net fails (the lap log, the
// recovery file, a crash replay, a cancelled heat's counter), while the
// recovery question waits, or before Esc leaves the heats: each in Catalan and
// Spanish, saying what to do.

#include <cstdint>
#include <string>

namespace sc {

enum class HeatNotice {
    StillTimed,         // a line of the recovery question
    LapLogCreate,       // VLTAVLT.TMP could not be created at heat start
    LapLogWrite,        // a pass or pause record did not reach VLTAVLT.TMP
    LapLogClose,        // the end record or the close failed
    RecoveryFileWrite,  // KEL4.TMP could not be written or extended
    ReplayFailed,       // the crash replay could not rebuild the log
    HeatCountWrite,     // cancelling a heat could not write the series' heat count
    CloseAsked,         // Esc typed between stored heats: leave heat-running mode?
};

std::string heatNotice(int16_t language, HeatNotice notice);

}  // namespace sc
