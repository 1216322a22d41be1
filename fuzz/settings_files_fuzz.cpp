// Any bytes as VIROLA.CFG and as PISTA.CFG: the loads either throw FileError or
// give values that save and load back unchanged, with nothing left to clamp.
#include <cstdlib>

#include "core/settings_files.h"

namespace {

template <typename Load, typename Save>
void checkSettles(const sc::Bytes& data, Load load, Save save) {
    try {
        const sc::Bytes once = save(load(data, nullptr));
        sc::LoadReport report;
        const sc::Bytes twice = save(load(once, &report));
        if (once != twice || !report.clamped.empty()) std::abort();
    } catch (const sc::FileError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const sc::Bytes data(bytes, bytes + size);
    checkSettles(
        data, [](const sc::Bytes& d, sc::LoadReport* r) { return sc::loadProgramSettingsBytes(d, r); },
        sc::programSettingsBytes);
    checkSettles(
        data, [](const sc::Bytes& d, sc::LoadReport* r) { return sc::loadTrackConfigBytes(d, r); },
        sc::trackConfigBytes);
    return 0;
}
