// Feeds arbitrary bytes to the record-file readers: the heat-block walk, the lap
// records, the penalty file and the value-file lines. Damage may only ever
// surface as FileError.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/penalty_file.h"
#include "core/record_file.h"
#include "core/value_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const sc::Bytes bytes(data, data + size);
    try {
        sc::walkHeatBlocks(bytes, "fuzz.DAD");
    } catch (const sc::FileError&) {
    }
    try {
        sc::decodeLapRecords(bytes, "fuzz.VAV");
    } catch (const sc::FileError&) {
    }
    try {
        auto entries = sc::decodePenalties(bytes, "fuzz.PEN");
        // What was read must write back to the same bytes.
        if (sc::penaltyBytes(entries) != bytes) __builtin_trap();
    } catch (const sc::FileError&) {
    }
    for (const auto& line : sc::splitValueLines(std::string_view(reinterpret_cast<const char*>(data), size)))
        sc::lineValue(line);
    return 0;
}
