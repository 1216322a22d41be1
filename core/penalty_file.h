#pragma once
// The penalties of a series (`CurrentBase`.PEN): repeated to the end of the
// file, an Integer participant, a Single penalty in laps and a counted text of
// the reasons. No header.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/byte_io.h"
#include "core/write_result.h"

namespace sc {

struct PenaltyEntry {
    int16_t participant = 0;  // 1-based position in the series' participant list
    float penalty = 0;        // laps
    std::string reason;       // UTF-8

    bool operator==(const PenaltyEntry&) const = default;
};

// FileError (with the offset) when an entry is cut short or a length is bad.
std::vector<PenaltyEntry> decodePenalties(const Bytes& data, const std::filesystem::path& file);
// FileError also when the file is missing (callers test for it first).
std::vector<PenaltyEntry> readPenalties(const std::filesystem::path& file);

// Throws std::invalid_argument when a reason cannot be written in Windows-1252
// or is too long for a counted text.
Bytes penaltyBytes(const std::vector<PenaltyEntry>& entries);
// Whole-file save through a temporary file; the reason when it cannot be
// written (kTextNotWritable for a reason penaltyBytes refuses).
WriteResult writePenalties(const std::filesystem::path& file, const std::vector<PenaltyEntry>& entries);

}  // namespace sc
