#pragma once
// The diagnostic export of the comas window: one line per lane with the
// timing behind its coma, appended to Export_Comes.txt in the program folder.
#include <filesystem>
#include <string>
#include <vector>

#include "core/lap_record.h"

namespace sc {

inline constexpr const char* kComaExportName = "Export_Comes.txt";

// The counted passings of one lane in a heat (first passing included).
struct LaneTiming {
    int laps = 0;            // passings - 1
    double firstToLast = 0;  // seconds from the first passing to the last
    double shortest = 0;     // shortest lap, 0 when none
};
LaneTiming LaneTimingOf(const std::vector<LapRecord>& heatRecords, int lane);

struct ComaExportLine {
    std::string race;  // the race name up to its first blank
    int heat = 0;
    int lane = 0;
    std::string participant, value, laps;  // as the window shows them
    double heatDuration = 0;
    LaneTiming timing;
    int partialCount = 0, partialStep = 0;
};
// The fields separated by " ; " (average lap = time / laps, 0 without laps).
std::string ComaExportText(const ComaExportLine& line);

// Appends the lines (Windows-1252, CR LF); false when the file cannot be written.
bool AppendComaExport(const std::filesystem::path& file, const std::vector<ComaExportLine>& lines);

}  // namespace sc
