#include "core/lap_log.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "core/file_io.h"
#include "core/platform.h"
#include "core/record_file.h"

namespace sc {
namespace fs = std::filesystem;

namespace {

constexpr double kDay = 86400.0;
constexpr double kKeepAliveGrace = 2.5;
constexpr int16_t kPauseLane = -1;

LapRecord decodeOne(const Bytes& bytes, const fs::path& file) {
    ByteReader in(bytes, file);
    return decodeLapRecord(in);
}

std::uintmax_t sizeOr0(const fs::path& file) {
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    return ec ? 0 : size;
}

}  // namespace

double WrapDay(double seconds) { return seconds < 0 ? seconds + kDay : seconds; }

LapLog::LapLog(fs::path folder) : folder_(std::move(folder)) {}

LapLog::~LapLog() { closeFd(); }

void LapLog::closeFd() {
    if (fd_ >= 0) platform::closeFile(fd_);
    fd_ = -1;
}

bool LapLog::Create(double heatStartTime, int16_t currentHeat) {
    closeFd();
    count_ = 0;
    std::error_code ec;
    fs::remove(file(), ec);
    fd_ = platform::openFile(file(), platform::OpenMode::ReadWriteTruncate);
    if (fd_ < 0) return false;
    LapRecord header;
    header.passTime = static_cast<float>(heatStartTime);
    header.lapTime = static_cast<float>(currentHeat);
    return Append(header);
}

bool LapLog::Append(const LapRecord& record) {
    if (fd_ < 0) return false;
    const Bytes bytes = encodeLapRecord(record);
    // On the disk before the next event: a power cut loses no registered pass.
    if (!platform::seekTo(fd_, count_ * kLapRecordSize) ||
        !platform::writeAll(fd_, bytes.data(), bytes.size()) || !platform::syncData(fd_))
        return false;
    ++count_;
    return true;
}

bool LapLog::Close(LapRecord end) {
    if (fd_ < 0) return false;
    Bytes first(kLapRecordSize);
    bool ok = platform::seekTo(fd_, 0) &&
              platform::readUpTo(fd_, first.data(), first.size()) == static_cast<long long>(first.size());
    if (ok) {
        LapRecord header = decodeOne(first, file());
        header.number = static_cast<int16_t>(count_);
        const Bytes bytes = encodeLapRecord(header);
        ok = platform::seekTo(fd_, 0) && platform::writeAll(fd_, bytes.data(), bytes.size());
    }
    // Append syncs the end record and, with it, the header's new count.
    ok = platform::syncFile(fd_) && ok;
    end.number = static_cast<int16_t>(count_);
    ok = Append(end) && ok;
    ok = platform::closeFile(fd_) && ok;
    fd_ = -1;
    return ok;
}

void LapLog::Discard() {
    closeFd();
    count_ = 0;
    std::error_code ec;
    fs::remove(file(), ec);
}

ReplayResult LapLog::Replay(int laneLimit, const ApplyRecord& apply) {
    ReplayResult result;
    closeFd();
    count_ = 0;
    std::error_code ec;
    if (fs::exists(backupFile(), ec)) {
        // A replay that died while copying leaves the full log in the backup
        // and a shorter copy in the log: the backup is the one to keep.
        if (!fs::exists(file(), ec) || sizeOr0(file()) < sizeOr0(backupFile())) {
            fs::remove(file(), ec);
            fs::rename(backupFile(), file(), ec);
            if (ec) return result;
            result.restoredBackup = true;
        } else {
            fs::remove(backupFile(), ec);
        }
    }
    if (!fs::exists(file(), ec)) {
        const int fd = platform::openFile(file(), platform::OpenMode::Write);
        if (fd < 0) return result;
        platform::closeFile(fd);
    }
    fs::rename(file(), backupFile(), ec);
    if (ec) return result;

    const int in = platform::openFile(backupFile(), platform::OpenMode::Read);
    if (in < 0) return result;
    fd_ = platform::openFile(file(), platform::OpenMode::ReadWriteTruncate);
    if (fd_ < 0) {
        platform::closeFile(in);
        return result;
    }
    bool written = true;
    Bytes bytes(kLapRecordSize);
    for (;;) {
        const long long got = platform::readUpTo(in, bytes.data(), bytes.size());
        if (got < 0) written = false;
        if (got != static_cast<long long>(kLapRecordSize)) {
            result.truncated = got > 0;
            break;
        }
        const LapRecord record = decodeOne(bytes, backupFile());
        if (!Append(record)) {
            written = false;
            break;
        }
        ++result.records;
        result.last = record;
        if (record.lane == kPauseLane) ++result.pauses;
        if (record.lane >= 1 && record.lane <= laneLimit && apply) apply(record);
    }
    platform::closeFile(in);
    // The backup goes only once its every record is safe in the new log.
    if (written) fs::remove(backupFile(), ec);
    result.ok = written;
    return result;
}

LapRecord MakePauseRecord(double resumeTime, double newHeatStartTime, double pauseLength,
                          int16_t pauseNumber) {
    LapRecord pause;
    pause.lane = kPauseLane;
    pause.passTime = static_cast<float>(WrapDay(resumeTime - newHeatStartTime));
    pause.lapTime = static_cast<float>(pauseLength);
    pause.number = pauseNumber;
    return pause;
}

LapRecord MakeEndRecord(double keepAliveDeadline, double heatStartTime) {
    if (keepAliveDeadline < kKeepAliveGrace) keepAliveDeadline += kDay;
    const double end = keepAliveDeadline - kKeepAliveGrace;
    LapRecord record;
    record.passTime = static_cast<float>(end);
    record.lapTime = static_cast<float>(WrapDay(end - heatStartTime));
    return record;
}

LapLogContents ReadLapLog(const fs::path& file) {
    LapLogContents contents;
    contents.records = readLapRecords(file);
    contents.truncated = sizeOr0(file) % kLapRecordSize != 0;
    return contents;
}

std::size_t SeriesCopyStart(const std::vector<LapRecord>& lapFile, int16_t currentHeat) {
    if (currentHeat <= 1) return 1;
    const auto previous = static_cast<float>(currentHeat - 1);
    for (std::size_t i = 0; i < lapFile.size(); ++i) {
        const LapRecord& r = lapFile[i];
        if (r.lane != 0 || r.lapTime != previous) continue;
        // A damaged count must neither overwrite the header nor leave a gap.
        const std::size_t number = r.number < 1 ? 1 : static_cast<std::size_t>(r.number);
        const std::size_t start = i + 1 + number + 1;
        return std::min(start, lapFile.size() + 1);
    }
    return 1;
}

WriteResult CopyLapLogToSeries(const fs::path& log, const fs::path& vav, int16_t currentHeat) {
    auto logBytes = readFileBytes(log);
    if (!logBytes) return WriteResult::failed(vav, ENOENT);
    logBytes->resize(logBytes->size() - logBytes->size() % kLapRecordSize);
    Bytes series = readFileBytes(vav).value_or(Bytes{});
    series.resize(series.size() - series.size() % kLapRecordSize);
    const std::size_t start = SeriesCopyStart(decodeLapRecords(series, vav), currentHeat);
    series.resize((start - 1) * kLapRecordSize);
    series.insert(series.end(), logBytes->begin(), logBytes->end());
    return writeFileAtomic(vav, series);
}

}  // namespace sc
