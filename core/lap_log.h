#pragma once
// The lap log VLTAVLT.TMP of the running heat: one 24-byte record per
// detection, pause and heat end, kept open while the heat runs. Every record
// reaches the disk (fdatasync) before Append returns, so a crash loses none.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "core/lap_record.h"
#include "core/write_result.h"

namespace sc {

inline constexpr const char* kLapLogName = "VLTAVLT.TMP";
inline constexpr const char* kLapLogBackupName = "VLTAVLT.BAK";

struct ReplayResult {
    bool ok = false;                // the log was rebuilt and is open for appending
    std::size_t records = 0;        // whole records replayed
    bool truncated = false;         // a partial record at the end was dropped
    bool restoredBackup = false;    // an interrupted earlier replay's backup was the fuller log
    std::optional<LapRecord> last;  // the last record read
    int16_t pauses = 0;             // pause records replayed
};

class LapLog {
public:
    // The log lives in `folder` (the heat's working folder).
    explicit LapLog(std::filesystem::path folder);
    ~LapLog();
    LapLog(const LapLog&) = delete;
    LapLog& operator=(const LapLog&) = delete;

    std::filesystem::path file() const { return folder_ / kLapLogName; }
    std::filesystem::path backupFile() const { return folder_ / kLapLogBackupName; }
    bool isOpen() const { return fd_ >= 0; }

    // Replaces any old log by one holding the heat header. False when the file
    // cannot be created or written.
    [[nodiscard]] bool Create(double heatStartTime, int16_t currentHeat);
    // Writes the record after the last one; false when the log is not open or
    // the write fails.
    [[nodiscard]] bool Append(const LapRecord& record);
    // Header number := records in the file, then the end record with that same
    // number; closes the log. `end` comes from MakeEndRecord.
    [[nodiscard]] bool Close(LapRecord end);
    // Rebuilds the log from itself after a crash, handing every record whose
    // lane is 1..laneLimit to `apply`; the log stays open for appending.
    using ApplyRecord = std::function<void(const LapRecord&)>;
    ReplayResult Replay(int laneLimit, const ApplyRecord& apply);
    // Closes and deletes the log (the live window unloads).
    void Discard();

private:
    void closeFd();

    std::filesystem::path folder_;
    int fd_ = -1;
    std::size_t count_ = 0;
};

// Pause record, written when the pause ends.
LapRecord MakePauseRecord(double resumeTime, double newHeatStartTime, double pauseLength,
                          int16_t pauseNumber);
// End record: the end is the last lap-counter message, keepAliveDeadline - 2.5
// (a deadline below 2.5 lies after midnight). Close fills the number.
LapRecord MakeEndRecord(double keepAliveDeadline, double heatStartTime);

// Every whole record of a log or lap file and whether a partial one was dropped.
struct LapLogContents {
    std::vector<LapRecord> records;
    bool truncated = false;
};
LapLogContents ReadLapLog(const std::filesystem::path& file);

// Record number where heat `currentHeat` starts in the series lap file: 1 for
// heat 1 or when the previous heat's header is missing; else right after the
// previous heat's block (never past the file's end).
std::size_t SeriesCopyStart(const std::vector<LapRecord>& lapFile, int16_t currentHeat);
// Copies the whole log into the series lap file `vav` from SeriesCopyStart on;
// whatever followed is dropped. Saved whole, so a crash never leaves half a file.
WriteResult CopyLapLogToSeries(const std::filesystem::path& log, const std::filesystem::path& vav,
                               int16_t currentHeat);

// Seconds difference of two clock readings, 86400 added when it comes out negative.
double WrapDay(double seconds);

}  // namespace sc
