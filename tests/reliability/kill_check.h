#pragma once
// What a kill round lost: the passes the program had registered before the
// kill that the stored heat lacks, stored standings that disagree with the
// stored laps, and a recovery file left behind.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/lap_record.h"
#include "core/record_file.h"

namespace sc::reliability {

// The series files of the heat once it has been stored.
struct StoredHeat {
    std::vector<LapRecord> lapFile;     // <base>.VAV
    std::vector<HeatBlock> heatBlocks;  // <base>.DAD
    bool recoveryFileLeft = false;      // KEL4.TMP still in the program folder
};

// The records of heat `heat` in a lap file: its header through its end record
// (through the end of the file when the header carries no count).
std::optional<std::vector<LapRecord>> lapBlockOf(const std::vector<LapRecord>& lapFile, int heat);

// The heat a lap log belongs to, from its header (1 for an empty log).
int heatOf(const std::vector<LapRecord>& log);

// A pass or rejected detection of the log, its values as a message shows them.
std::string describe(const LapRecord& record);

// One line per fault; empty when nothing was lost (a typed correction is a
// registered change too). `beforeKill` is the lap log
// as the kill left it, header first.
// `corrections`: the net typed lap correction of each participant number.
std::vector<std::string> findLosses(const std::vector<LapRecord>& beforeKill, const StoredHeat& stored,
                                    const std::map<int, int>& corrections = {});

// Registered passes whose pass time is none of the racing times of their lane:
// after a restart the heat clock must run on from where the kill stopped it.
std::vector<std::string> findMistimedPasses(const std::vector<LapRecord>& block,
                                            const std::map<int, std::vector<double>>& racingTimes);

}  // namespace sc::reliability
