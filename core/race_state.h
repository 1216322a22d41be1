#pragma once
// The one shared set of values every window and routine reads and writes.
// Arrays keep element 0 with the meaning the program gives it; useful
// elements run from 1 to their bound.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace sc {

enum class Modality : int16_t { Training = 0, FreePractice = 1, OfficialPractice = 2, SuperPole = 3, Race = 4 };

struct ProgramSettings {
    int16_t Language = 0;           // 0 Catalan, 1 Spanish
    int16_t AskComas = 0;           // 0 never, -1 every heat, n > 0 at the end of pass n
    int16_t AutoScrollSeconds = 0;  // 0 = off
    uint8_t SettingsVersion = 0;
    int16_t LapCounterModel = 1;    // 0 DS003, 1 DS030, 2 DS300, 3 DS300 & DS4port, 4 DS200
    int16_t ColourCount = 5;
    std::vector<int16_t> Colours{0, 12, 10, 15, 14, 11};  // 1..ColourCount
};

// What a track starts with when its file does not say otherwise.
inline constexpr int16_t kDefaultSectorCount = 3;
inline constexpr int16_t kDefaultSpeedTrapDistance = 40;  // centimetres

struct TrackConfig {
    float MinLapTime = 0;
    int16_t ComaDivisions = 0;
    int16_t PartialCount = 0;
    int16_t PartialStep = 0;
    std::string ComaZeros;           // one "0" per decimal digit of ComaDivisions
    std::string ComaFormat = "0";    // "0." + ComaZeros, or "0"

    int16_t ConnectionCount = 2;
    std::vector<int16_t> ConnectionPort{0, 1, 2};         // 1..ConnectionCount
    std::vector<int16_t> ConnectionFirstLane{0, 1, 9};    // 1..ConnectionCount
    std::vector<int16_t> ConnectionLastLane{0, 0, 0};     // derived when the ports open
    std::vector<int16_t> ConnectionOpen{0, 0, 0};         // flag: port configured and opened
    std::vector<int16_t> ConnectionFlag{0, 0, 0};         // spare per-connection flag
    std::vector<std::string> ReceiveBuffer{"", "", ""};   // bytes of a frame being assembled
    std::vector<std::string> LastFrame{"", "", ""};       // last frame processed

    int16_t LaneCount = 64;
    std::vector<int16_t> LaneChange;  // 0..LaneCount; element 0 = largest of 1..LaneCount

    // Per lane, 0..LaneChange[0]
    std::vector<int16_t> LaneParticipant;
    std::vector<double> LastPassTime;  // seconds since HeatStartTime
    std::vector<double> LaneSpare;     // a further per-lane time value
    std::vector<double> CarriedTime;   // time of rejected detections since the last valid lap

    int16_t SplitEnabled = 0;  // flag
    int16_t SectorCount = kDefaultSectorCount;
    int16_t SuperPoleLane = 0;
    int16_t SectorLane = 10;
    int16_t SpeedTrapLane = 11;
    int16_t SpeedTrapDistance = kDefaultSpeedTrapDistance;  // centimetres
};

struct RaceState {
    // 1. Environment
    std::filesystem::path AppFolder;      // program folder
    std::filesystem::path WorkingFolder;  // folder relative file names resolve against
    int16_t MaxLanes = 64;
    double ScaleX = 1.0;
    double ScaleY = 1.0;

    // 2. Program settings, 3. track configuration
    ProgramSettings Settings;
    TrackConfig Track;

    // 4. Selection
    int16_t CurrentRace = 0;
    int16_t CurrentModality = 0;
    int16_t CurrentSeries = 0;
    int16_t CurrentHeat = 0;
    std::string CurrentBase;
    int16_t ModeCorregir = 0;
    std::vector<int16_t> SeriesCount{0, 0, 0, 0, 0};  // 0..4

    // 5. Participants of the current series
    int16_t ParticipantCount = 0;
    std::vector<std::string> Participants{""};  // 1..ParticipantCount

    // 6. Heat clock (times of day stay double in memory)
    int16_t HeatRunning = 0;
    int16_t Paused = 0;
    double HeatStartTime = 0;
    double PauseStartTime = 0;
    int16_t PauseCount = 0;
    double KeepAliveDeadline = 0;
    int16_t RecoveryPending = 0;

    // 8. Language table Msg(column 0..9, row 0..19)
    std::string Msg[10][20];

    // Resolves a file name of the current working folder.
    std::filesystem::path inWorkingFolder(const std::string& name) const { return WorkingFolder / name; }
    std::filesystem::path inAppFolder(const std::string& name) const { return AppFolder / name; }
};

// Changes the working folder for the life of the guard and restores it after.
class WorkingFolderGuard {
public:
    WorkingFolderGuard(RaceState& state, std::filesystem::path folder)
        : state_(state), previous_(state.WorkingFolder) {
        state_.WorkingFolder = std::move(folder);
    }
    ~WorkingFolderGuard() { state_.WorkingFolder = previous_; }
    WorkingFolderGuard(const WorkingFolderGuard&) = delete;
    WorkingFolderGuard& operator=(const WorkingFolderGuard&) = delete;

private:
    RaceState& state_;
    std::filesystem::path previous_;
};

// Seconds since midnight; tests use a settable clock.
class PcClock {
public:
    virtual ~PcClock() = default;
    virtual double now() const = 0;
};

}  // namespace sc
