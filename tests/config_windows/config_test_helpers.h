#pragma once
// A throw-away program folder for the configuration window tests.

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <system_error>

#include "core/byte_io.h"
#include "core/file_io.h"
#include "core/race_state.h"
#include "core/settings_files.h"

namespace sc::test {

class ProgramFolder {
public:
    ProgramFolder() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("sc_config_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~ProgramFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // A race state living in this folder, with the defaults of a first start.
    RaceState state(int16_t lanes = 4) const {
        RaceState s;
        s.AppFolder = path_;
        s.WorkingFolder = path_;
        s.Settings = defaultProgramSettings();
        s.Settings.SettingsVersion = 7;
        s.Track = defaultTrackConfig(s.MaxLanes);
        s.Track.LaneCount = lanes;
        s.Track.LaneChange.clear();
        resizeTrackWorkingArrays(s.Track);
        return s;
    }

private:
    std::filesystem::path path_;
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
