#include "core/record_file.h"

#include <cerrno>
#include <fstream>
#include <string>

#include "core/file_io.h"

namespace sc {
namespace fs = std::filesystem;

RecordFile::RecordFile(fs::path file, std::size_t recordSize) : file_(std::move(file)), size_(recordSize) {}

std::size_t RecordFile::count() const {
    std::error_code ec;
    auto length = fs::file_size(file_, ec);
    return ec ? 0 : static_cast<std::size_t>(length / size_);
}

std::optional<Bytes> RecordFile::read(std::size_t record) const {
    if (record == 0 || record > count()) return std::nullopt;
    std::ifstream in(file_, std::ios::binary);
    if (!in.seekg(static_cast<std::streamoff>((record - 1) * size_))) return std::nullopt;
    Bytes data(size_);
    if (!in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(size_)))
        return std::nullopt;
    return data;
}

WriteResult RecordFile::write(std::size_t record, const Bytes& data) const {
    if (record == 0 || data.size() != size_) return WriteResult::failed(file_, EINVAL);
    return writeInPlace(file_, (record - 1) * size_, data);
}

std::vector<Bytes> RecordFile::readAll() const {
    std::vector<Bytes> records;
    auto data = readFileBytes(file_);
    if (!data) return records;
    const std::size_t whole = data->size() / size_;
    records.reserve(whole);
    for (std::size_t i = 0; i < whole; ++i) {
        auto first = data->begin() + static_cast<std::ptrdiff_t>(i * size_);
        records.emplace_back(first, first + static_cast<std::ptrdiff_t>(size_));
    }
    return records;
}

namespace {

template <typename Record, typename Decode>
std::optional<Record> readTyped(const fs::path& file, std::size_t size, std::size_t record, Decode decode) {
    auto bytes = RecordFile(file, size).read(record);
    if (!bytes) return std::nullopt;
    ByteReader in(*bytes, file);
    return decode(in);
}

}  // namespace

std::optional<HeatRecord> readHeatRecord(const fs::path& file, std::size_t record) {
    return readTyped<HeatRecord>(file, kHeatRecordSize, record, decodeHeatRecord);
}

WriteResult writeHeatRecord(const fs::path& file, std::size_t record, const HeatRecord& value) {
    return RecordFile(file, kHeatRecordSize).write(record, encodeHeatRecord(value));
}

std::optional<LapRecord> readLapRecord(const fs::path& file, std::size_t record) {
    return readTyped<LapRecord>(file, kLapRecordSize, record, decodeLapRecord);
}

WriteResult writeLapRecord(const fs::path& file, std::size_t record, const LapRecord& value) {
    return RecordFile(file, kLapRecordSize).write(record, encodeLapRecord(value));
}

std::vector<LapRecord> readLapRecords(const fs::path& file) {
    std::vector<LapRecord> records;
    for (const auto& bytes : RecordFile(file, kLapRecordSize).readAll()) {
        ByteReader in(bytes, file);
        records.push_back(decodeLapRecord(in));
    }
    return records;
}

void requireWholeRecords(const Bytes& data, std::size_t recordSize, const fs::path& file) {
    const std::size_t tail = data.size() % recordSize;
    if (tail != 0)
        throw FileError(file, data.size() - tail, FileFault::PartialRecord,
                        "file length " + std::to_string(data.size()) + " is not a multiple of " +
                            std::to_string(recordSize) + " (partial record at the end)");
}

std::vector<LapRecord> decodeLapRecords(const Bytes& data, const fs::path& file) {
    requireWholeRecords(data, kLapRecordSize, file);
    std::vector<LapRecord> records;
    records.reserve(data.size() / kLapRecordSize);
    ByteReader in(data, file);
    while (!in.atEnd()) records.push_back(decodeLapRecord(in));
    return records;
}

std::vector<HeatBlock> walkHeatBlocks(const Bytes& data, const fs::path& file) {
    requireWholeRecords(data, kHeatRecordSize, file);
    const std::size_t total = data.size() / kHeatRecordSize;
    std::vector<HeatBlock> blocks;
    ByteReader in(data, file);
    std::size_t record = 1;
    while (record <= total) {
        const std::size_t offset = (record - 1) * kHeatRecordSize;
        in.seek(offset);
        HeatBlock block{record, decodeHeatRecord(in), {}};
        if (!block.header.isHeader())
            throw FileError(file, offset, FileFault::BadHeatBlock,
                            "record " + std::to_string(record) +
                                " should be a heat header but holds participant " +
                                std::to_string(block.header.participant));
        const int count = block.header.count();
        if (count < 0 || static_cast<std::size_t>(count) > total - record)
            throw FileError(file, offset + kHeatCountOffset, FileFault::BadHeatBlock,
                            "heat " + std::to_string(block.header.heatNumber()) + " announces " +
                                std::to_string(count) + " participant records, the file holds " +
                                std::to_string(total - record));
        block.rows.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) block.rows.push_back(decodeHeatRecord(in));
        record += static_cast<std::size_t>(count) + 1;
        blocks.push_back(std::move(block));
    }
    return blocks;
}

std::vector<HeatBlock> readHeatBlocks(const fs::path& file) {
    return walkHeatBlocks(readFileOrThrow(file), file);
}

}  // namespace sc
