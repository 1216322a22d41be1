// Any bytes as PROVES.LLS, PROVA.DAD and a participant list: the readers either
// throw FileError or give entries that write back to bytes reading the same
// (for the catalogue and the lists, to the very same bytes).
#include <cstdlib>

#include "core/race_store.h"

namespace {

template <typename Read, typename Write>
void checkRoundTrip(const sc::Bytes& data, Read read, Write write, bool sameBytes) {
    try {
        const auto once = read(data);
        const sc::Bytes written = write(once);
        if (read(written) != once || (sameBytes && written != data)) std::abort();
    } catch (const sc::FileError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const sc::Bytes data(bytes, bytes + size);
    checkRoundTrip(
        data, [](const sc::Bytes& d) { return sc::readCatalogueBytes(d); }, sc::catalogueBytes, true);
    checkRoundTrip(
        data, [](const sc::Bytes& d) { return sc::readRaceHeaderBytes(d); }, sc::raceHeaderBytes, false);
    checkRoundTrip(
        data, [](const sc::Bytes& d) { return sc::readParticipantListBytes(d); }, sc::participantListBytes,
        true);
    return 0;
}
