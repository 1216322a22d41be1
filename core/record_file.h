#pragma once
// Random-access files of fixed-size records, record numbers from 1 (heat files,
// lap files, the lap log), and the walk over the heat blocks of a heat file.

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <vector>

#include "core/byte_io.h"
#include "core/heat_record.h"
#include "core/lap_record.h"
#include "core/write_result.h"

namespace sc {

class RecordFile {
public:
    RecordFile(std::filesystem::path file, std::size_t recordSize);

    const std::filesystem::path& file() const { return file_; }
    std::size_t recordSize() const { return size_; }

    // Whole records in the file; 0 when it is missing. A partial tail is not counted.
    std::size_t count() const;
    // Record r (from 1); nullopt when r is 0 or the record is not wholly in the file.
    std::optional<Bytes> read(std::size_t record) const;
    // Writes record r in place; the file is created or grows (zero-filled) when r
    // lies past its end; every other byte stays untouched. False when `data` is not
    // one record (EINVAL) or the file cannot be written.
    WriteResult write(std::size_t record, const Bytes& data) const;
    // Every whole record in order; empty when the file is missing.
    std::vector<Bytes> readAll() const;

private:
    std::filesystem::path file_;
    std::size_t size_;
};

std::optional<HeatRecord> readHeatRecord(const std::filesystem::path& file, std::size_t record);
WriteResult writeHeatRecord(const std::filesystem::path& file, std::size_t record, const HeatRecord& value);
std::optional<LapRecord> readLapRecord(const std::filesystem::path& file, std::size_t record);
WriteResult writeLapRecord(const std::filesystem::path& file, std::size_t record, const LapRecord& value);
// Every whole lap record of the file (a lap log being written may end inside one).
std::vector<LapRecord> readLapRecords(const std::filesystem::path& file);

// Throws FileError at the start of the partial tail when the data is not a whole
// number of records.
void requireWholeRecords(const Bytes& data, std::size_t recordSize, const std::filesystem::path& file);
// Every lap record of `data`; FileError when its length is not a multiple of 24.
std::vector<LapRecord> decodeLapRecords(const Bytes& data, const std::filesystem::path& file);

struct HeatBlock {
    std::size_t record = 0;  // record number of the header
    HeatRecord header;
    std::vector<HeatRecord> rows;
};

// Walks a heat file from record 1, header to header. FileError (with the offset)
// when the length is not a multiple of 50, a header's count is negative or runs
// past the end, or a record where a header belongs is not one.
std::vector<HeatBlock> walkHeatBlocks(const Bytes& data, const std::filesystem::path& file);
std::vector<HeatBlock> readHeatBlocks(const std::filesystem::path& file);

// How many leading blocks hold heats that still count. Heats are stored in order, and
// a cancelled heat's block stays in the file, past the series' heat counter, until the
// next heat is stored over it. A counter of 0 has counted nothing yet (a series whose
// heats are all cancelled loses its file), so it leaves every block.
inline std::size_t countedHeatBlocks(const std::vector<HeatBlock>& blocks, int heatsRun) {
    return heatsRun > 0 ? std::min(blocks.size(), static_cast<std::size_t>(heatsRun)) : blocks.size();
}

}  // namespace sc
