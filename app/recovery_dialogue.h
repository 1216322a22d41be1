#pragma once
// The recovery dialogue of start-up: when the last run died during a heat,
// KEL4.TMP names the race, modality, series and heat; the user is asked
// whether to resume it, and on Yes the heat is started again from the lap log.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "heat/heat_journal.h"

namespace sc {

struct RaceState;
class Portada;
class Prompter;

// The heat named by KEL4.TMP.
struct RecoveryValues {
    int16_t race = 0;
    int16_t modality = 0;
    int16_t series = 0;
    int16_t heat = 0;
    std::optional<double> heatStartTime;  // the last start time of lines 5.. (one more per resume)
    HeatJournal journal;                  // a pause in progress, typed corrections
};

// The lines of KEL4.TMP; nullopt with fewer than four lines or with a value
// that cannot name a heat (not a whole number, modality outside 1..4, race,
// series or heat below 1).
std::optional<RecoveryValues> parseRecoveryLines(const std::vector<std::string>& lines);

// The question shown, in the given language, each part ended by CR; its last
// line says the heat is still being timed.
std::string recoveryQuestion(int16_t language, const std::string& raceName, int modality, int series,
                             int heat);
std::string recoveryTitle(int16_t language);

// What the dialogue drives beyond the main window's lists.
class RecoveryHost {
public:
    virtual ~RecoveryHost() = default;
    // The modality menu entry `MnuPrg`(modality); false when nothing opened.
    virtual bool OpenProgramme(int modality) = 0;
    // The start/stop key S of the heat keys.
    virtual void PressStartKey() = 0;
    // Before the question: the lap-counter ports open and keep what they receive.
    virtual void OpenLapCounterPortsHeld() = 0;
    // After it: Yes decodes what was kept, in order and with its arrival clock;
    // No drops it.
    virtual void ReleaseHeldReception(bool decode) = 0;
    // After the restart: the pause in progress and the typed corrections.
    virtual void RestoreJournal(const HeatJournal& journal) = 0;
};

enum class RecoveryOutcome {
    Discarded,  // KEL4.TMP named no heat: deleted, nothing asked
    Declined,   // the user answered No (or the programme could not open)
    Resumed,
};

// Runs the dialogue; KEL4.TMP is gone and RecoveryPending clear afterwards.
RecoveryOutcome RunRecoveryDialogue(RaceState& state, Portada& window, Prompter& prompter,
                                    RecoveryHost& host);

}  // namespace sc
