#include "results/coma_export.h"

#include <algorithm>
#include <fstream>

#include "core/cp1252.h"
#include "core/number_format.h"

namespace sc {

LaneTiming LaneTimingOf(const std::vector<LapRecord>& heatRecords, int lane) {
    LaneTiming timing;
    bool first = true;
    double firstPass = 0;
    for (const LapRecord& rec : heatRecords) {
        if (rec.lane != lane || rec.number < 1) continue;  // other lanes, pauses, rejected detections
        if (first) {
            firstPass = rec.passTime;
            first = false;
            continue;
        }
        ++timing.laps;
        timing.firstToLast = rec.passTime - firstPass;
        if (timing.shortest == 0 || rec.lapTime < timing.shortest) timing.shortest = rec.lapTime;
    }
    return timing;
}

std::string ComaExportText(const ComaExportLine& l) {
    const double average = l.timing.laps > 0 ? l.timing.firstToLast / l.timing.laps : 0;
    const std::vector<std::string> fields{l.race,
                                          std::to_string(l.heat),
                                          std::to_string(l.lane),
                                          l.participant,
                                          l.value,
                                          l.laps,
                                          FormatNumber(l.heatDuration, "0.000"),
                                          std::to_string(l.timing.laps),
                                          FormatNumber(l.timing.firstToLast, "0.000"),
                                          FormatNumber(average, "0.0000"),
                                          FormatNumber(l.timing.shortest, "0.0000"),
                                          std::to_string(l.partialCount),
                                          std::to_string(l.partialStep)};
    std::string text;
    for (const std::string& field : fields) text += (text.empty() ? "" : " ; ") + field;
    return text;
}

bool AppendComaExport(const std::filesystem::path& file, const std::vector<ComaExportLine>& lines) {
    std::ofstream out(file, std::ios::binary | std::ios::app);
    for (const ComaExportLine& line : lines) {
        const std::string text = ComaExportText(line);
        // Every name here was stored in Windows-1252, so it converts back.
        const std::string bytes = utf8ToCp1252(text).value_or(text);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out << "\r\n";
    }
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace sc
