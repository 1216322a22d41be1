#pragma once
// A throw-away program folder for the configuration window tests.

#include <filesystem>
#include <string>

#include "core/byte_io.h"
#include "core/file_io.h"
#include "core/race_state.h"
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
};

inline Bytes fileBytes(const std::filesystem::path& file) { return readFileBytes(file).value_or(Bytes{}); }

inline int16_t integerAt(const Bytes& data, std::size_t offset) {
    ByteReader r(data, "test");
    r.seek(offset);
    return r.integer();
}

inline float singleAt(const Bytes& data, std::size_t offset) {
    ByteReader r(data, "test");
    r.seek(offset);
    return r.single();
}

}  // namespace sc::test
