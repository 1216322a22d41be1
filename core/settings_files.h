#pragma once
// VIROLA.CFG (program settings) and PISTA.CFG (track configuration): the
// binary layouts, the load rules that turn stored values into working values,
// and the saves the configuration windows make.

#include <filesystem>
#include <string>
#include <vector>

#include "core/race_state.h"

namespace sc {

inline constexpr const char* kSettingsFileName = "VIROLA.CFG";
inline constexpr const char* kTrackFileName = "PISTA.CFG";

// Values that lay outside what the windows can write and were clamped on load
// (one short English line each, e.g. "LaneCount 30000 -> 64"); empty for a
// valid file. The program tells the user when it is not empty.
struct LoadReport {
    std::vector<std::string> clamped;
};

// The defaults start-up uses when VIROLA.CFG does not exist.
ProgramSettings defaultProgramSettings();
// The defaults start-up uses when PISTA.CFG does not exist in the program folder
// (working arrays sized, ComaZeros/ComaFormat set).
TrackConfig defaultTrackConfig(int16_t maxLanes = 64);

// Throw FileError (file, byte offset) when the file is missing or too short.
ProgramSettings loadProgramSettings(const std::filesystem::path& file, LoadReport* report = nullptr);
TrackConfig loadTrackConfig(const std::filesystem::path& file, LoadReport* report = nullptr);

// Exact bytes the saves write (tests compare them).
Bytes programSettingsBytes(const ProgramSettings& settings);
Bytes trackConfigBytes(const TrackConfig& track);

// Save through a temporary file and a rename; false when the file cannot be written.
bool saveProgramSettings(const ProgramSettings& settings, const std::filesystem::path& file);
bool saveTrackConfig(const TrackConfig& track, const std::filesystem::path& file);

// Re-creates the per-connection and per-lane working arrays after the
// connection count, lane count or lane-change row changed (LaneChange[0] = max).
void resizeTrackWorkingArrays(TrackConfig& track);
// ComaZeros and ComaFormat from ComaDivisions.
void setComaFormat(TrackConfig& track);

// The race-state operations: read the file of the program folder / the
// working folder into the state.
void LoadProgramSettings(RaceState& state, LoadReport* report = nullptr);
void LoadTrackConfig(RaceState& state, LoadReport* report = nullptr);

// Copies the program folder's PISTA.CFG byte for byte into a new race folder.
bool copyTrackConfigIntoRace(const std::filesystem::path& appFolder, const std::filesystem::path& raceFolder);

// The minor version stored in SettingsVersion when the byte is 0.
inline constexpr uint8_t kProgramMinorVersion = SC_VERSION_MINOR;

}  // namespace sc
