#include "core/penalty_file.h"

#include <limits>
#include <stdexcept>

#include "core/cp1252.h"
#include "core/file_io.h"
#include "core/record_fields.h"

namespace sc {
namespace fs = std::filesystem;

std::vector<PenaltyEntry> decodePenalties(const Bytes& data, const fs::path& file) {
    ByteReader in(data, file);
    // Braces read the fields left to right.
    return readUntilEnd<PenaltyEntry>(in, [](ByteReader& r) {
        return PenaltyEntry{r.integer(), r.single(), r.counted()};
    });
}

std::vector<PenaltyEntry> readPenalties(const fs::path& file) {
    return decodePenalties(readFileOrThrow(file), file);
}

Bytes penaltyBytes(const std::vector<PenaltyEntry>& entries) {
    ByteWriter out;
    for (const auto& e : entries) {
        auto raw = utf8ToCp1252(e.reason);
        if (!raw) throw std::invalid_argument("reason cannot be written in Windows-1252: " + e.reason);
        if (raw->size() > static_cast<std::size_t>(std::numeric_limits<int16_t>::max()))
            throw std::invalid_argument("reason longer than 32767 characters");
        out.integer(e.participant);
        out.single(e.penalty);
        out.countedRaw(*raw);
    }
    return out.bytes();
}

WriteResult writePenalties(const fs::path& file, const std::vector<PenaltyEntry>& entries) {
    return writeBuiltFile(file, [&] { return penaltyBytes(entries); });
}

}  // namespace sc
