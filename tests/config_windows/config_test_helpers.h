#pragma once
// A throw-away program folder for the configuration window tests.

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "core/byte_io.h"
#include "core/file_io.h"
#include "core/race_state.h"
#include "core/race_store.h"
#include "core/settings_files.h"
#include "temp_folder.h"

namespace sc::test {

class ProgramFolder : public TempFolder {
public:
    // A race state living in this folder, with the defaults of a first start.
    RaceState state(int16_t lanes = 4) const {
        RaceState s;
        s.AppFolder = path();
        s.WorkingFolder = path();
        s.Settings = defaultProgramSettings();
        s.Settings.SettingsVersion = 7;
        s.Track = defaultTrackConfig(lanes);
        return s;
    }

    // Race 1 named `name` with `series` series in modalities 1..4 and no lists yet; `s` works in it.
    std::filesystem::path race(RaceState& s, std::array<int16_t, 4> series, const std::string& name) const {
        const auto folder = path() / "PROVA001";
        std::filesystem::create_directories(folder);
        if (!writeRaceHeader(folder / kRaceHeaderFileName, RaceHeader{series, name, "01/07/2024"})) return {};
        s.SeriesCount = {1, series[0], series[1], series[2], series[3]};
        s.WorkingFolder = folder;
        return folder;
    }
};

inline Bytes fileBytes(const std::filesystem::path& file) { return readFileBytes(file).value_or(Bytes{}); }

// The `count` Integers stored from `offset` on.
inline std::vector<int16_t> integersAt(const Bytes& data, std::size_t offset, std::size_t count = 1) {
    ByteReader r(data, "test");
    r.seek(offset);
    std::vector<int16_t> values;
    while (values.size() < count) values.push_back(r.integer());
    return values;
}

}  // namespace sc::test
