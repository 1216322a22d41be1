#pragma once
// VIROLA.CFG (program settings) and PISTA.CFG (track configuration): the
// binary layouts, the load rules that turn stored values into working values,
// and the saves the configuration windows make.

#include <filesystem>
#include <string>
#include <vector>

#include "core/byte_io.h"
#include "core/race_state.h"
#include "core/write_result.h"

namespace sc {

inline constexpr const char* kSettingsFileName = "VIROLA.CFG";
inline constexpr const char* kTrackFileName = "PISTA.CFG";

// Values that lay outside what the windows can write and were clamped on load
// (one short English line each, e.g. "LaneCount 30000 -> 64"); empty for a
// valid file. The program tells the user when it is not empty.
struct LoadReport {
    std::vector<std::string> clamped;
};

// Ranges the configuration windows write; a loaded value outside is clamped.
inline constexpr int16_t kMaxConnections = 4;
inline constexpr int16_t kMaxTrackLanes = 64;
inline constexpr int16_t kLapCounterModels = 5;
inline constexpr int16_t kColourRoles = 5;  // colours the program uses, 1..5
inline constexpr float kMaxMinLapTime = 99.99f;

// The defaults start-up uses when VIROLA.CFG does not exist.
ProgramSettings defaultProgramSettings();
// The defaults start-up uses when PISTA.CFG does not exist in the program folder
// (working arrays sized, ComaZeros/ComaFormat set).
TrackConfig defaultTrackConfig(int16_t maxLanes = 64);

// Throw FileError (file, byte offset) when the file is missing or too short for
// its fixed fields. Out-of-range values are clamped and listed in `report`.
ProgramSettings loadProgramSettings(const std::filesystem::path& file, LoadReport* report = nullptr);
TrackConfig loadTrackConfig(const std::filesystem::path& file, LoadReport* report = nullptr);

// The same loads from the file's bytes; `file` only names it in errors.
ProgramSettings loadProgramSettingsBytes(const Bytes& data, LoadReport* report = nullptr,
                                         const std::filesystem::path& file = kSettingsFileName);
TrackConfig loadTrackConfigBytes(const Bytes& data, LoadReport* report = nullptr,
                                 const std::filesystem::path& file = kTrackFileName);

// Exact bytes the saves write (tests compare them). Throw std::invalid_argument
// when a count does not fit the layout (connections 1..4, lanes 1..64, colours
// 0..what Colours holds): such a file could not be read back.
Bytes programSettingsBytes(const ProgramSettings& settings);
Bytes trackConfigBytes(const TrackConfig& track);

// Save through a temporary file and a rename; the reason when the file cannot
// be written, kTextNotWritable when the values do not fit the layout (see above).
WriteResult saveProgramSettings(const ProgramSettings& settings, const std::filesystem::path& file);
WriteResult saveTrackConfig(const TrackConfig& track, const std::filesystem::path& file);

// Re-creates the per-connection and per-lane working arrays after the
// connection count, lane count or lane-change row changed (LaneChange[0] = max).
// ConnectionPort, ConnectionFirstLane and LaneChange keep their values.
void resizeTrackWorkingArrays(TrackConfig& track);
// ComaZeros and ComaFormat from ComaDivisions.
void setComaFormat(TrackConfig& track);

// The race-state operations. LoadProgramSettings reads AppFolder/VIROLA.CFG and
// throws FileError when it is missing or damaged (state unchanged).
// LoadTrackConfig reads WorkingFolder/PISTA.CFG; it throws FileError for a
// damaged file (state unchanged). A missing file is not an error: the program
// folder's copy is used, or the defaults when that one cannot be read either,
// and a line in `report` says so.
void LoadProgramSettings(RaceState& state, LoadReport* report = nullptr);
void LoadTrackConfig(RaceState& state, LoadReport* report = nullptr);

// Copies the program folder's PISTA.CFG byte for byte into a new race folder.
WriteResult copyTrackConfigIntoRace(const std::filesystem::path& appFolder,
                                    const std::filesystem::path& raceFolder);

// The minor version stored in SettingsVersion when the byte is 0.
inline constexpr uint8_t kProgramMinorVersion = SC_VERSION_MINOR;

}  // namespace sc
