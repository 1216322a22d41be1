#include "core/settings_files.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>

#include "core/file_fault_text.h"
#include "core/file_io.h"

namespace sc {
namespace fs = std::filesystem;

namespace {

constexpr int16_t kIntegerMax = std::numeric_limits<int16_t>::max();
constexpr int16_t kDefaultColours[kColourRoles + 1] = {0, 12, 10, 15, 14, 11};

// VIROLA.CFG offsets
constexpr std::size_t kAskComasAt = 4;
constexpr std::size_t kColourCountAt = 19;

// PISTA.CFG offsets
constexpr std::size_t kConnectionCountAt = 9;
constexpr std::size_t kLaneCountAt = 29;
constexpr std::size_t kSplitAt = 299;
constexpr std::size_t kSplitEnd = 309;  // five Integers from 299
constexpr std::size_t kPartialsAt = 309;
constexpr std::size_t kPartialsEnd = 313;

// Notes every value it had to move into range.
class Clamper {
public:
    explicit Clamper(LoadReport* report) : report_(report) {}

    int16_t range(const std::string& field, int16_t value, int16_t low, int16_t high) {
        if (value < low) return replace(field, value, low);
        if (value > high) return replace(field, value, high);
        return value;
    }
    int16_t replace(const std::string& field, long from, int16_t to) {
        note(field + " " + std::to_string(from) + " -> " + std::to_string(to));
        return to;
    }
    void note(const std::string& line) {
        if (report_) report_->clamped.push_back(line);
    }

private:
    LoadReport* report_;
};

std::string indexed(const char* field, std::size_t i) {
    return std::string(field) + "(" + std::to_string(i) + ")";
}

std::string numberText(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

// ---- VIROLA.CFG ----

void readColours(ByteReader& in, ProgramSettings& settings, Clamper& clamp) {
    in.seek(kColourCountAt);
    const int16_t stored = in.integer();
    const auto held = static_cast<long>(std::min<std::size_t>(in.remaining() / 2, kIntegerMax));
    int16_t count = stored;
    if (count < 0) count = clamp.replace("ColourCount", count, 0);
    if (count > held) {
        clamp.note("ColourCount " + std::to_string(count) + " -> " + std::to_string(held) +
                   " (the file holds no more colours)");
        count = static_cast<int16_t>(held);
    }
    settings.Colours.assign(static_cast<std::size_t>(count) + 1, 0);
    for (std::size_t i = 1; i <= static_cast<std::size_t>(count); ++i)
        settings.Colours[i] = clamp.range(indexed("Colours", i), in.integer(), 0, 15);
    settings.ColourCount = count;
    if (count < kColourRoles) {
        // The windows paint five colour roles; the missing ones take their defaults.
        clamp.replace("ColourCount", count, kColourRoles);
        for (int16_t i = count + 1; i <= kColourRoles; ++i) settings.Colours.push_back(kDefaultColours[i]);
        settings.ColourCount = kColourRoles;
    }
}

// ---- PISTA.CFG ----

float clampMinLapTime(float stored, Clamper& clamp) {
    float value = stored;
    if (std::isnan(value) || value < 0) value = 0;
    if (value > kMaxMinLapTime) value = kMaxMinLapTime;
    if (value != stored || std::isnan(stored))
        clamp.note("MinLapTime " + numberText(stored) + " -> " + numberText(value));
    return value;
}

void readConnections(ByteReader& in, TrackConfig& track, Clamper& clamp) {
    in.seek(kConnectionCountAt);
    track.ConnectionCount = clamp.range("ConnectionCount", in.integer(), 1, kMaxConnections);
    const auto count = static_cast<std::size_t>(track.ConnectionCount);
    track.ConnectionPort.assign(count + 1, 0);
    track.ConnectionFirstLane.assign(count + 1, 0);
    for (std::size_t k = 1; k <= count; ++k) {
        track.ConnectionPort[k] = clamp.range(indexed("ConnectionPort", k), in.integer(), 1, kMaxConnections);
        track.ConnectionFirstLane[k] =
            clamp.range(indexed("ConnectionFirstLane", k), in.integer(), 0, kIntegerMax);
    }
}

void readLaneChange(ByteReader& in, TrackConfig& track, Clamper& clamp) {
    in.seek(kLaneCountAt);
    track.LaneCount = clamp.range("LaneCount", in.integer(), 1, kMaxTrackLanes);
    const auto lanes = static_cast<std::size_t>(track.LaneCount);
    track.LaneChange.assign(lanes + 1, 0);
    for (std::size_t i = 1; i <= lanes; ++i)
        track.LaneChange[i] = clamp.range(indexed("LaneChange", i), in.integer(), 0, kMaxTrackLanes);
}

void setDefaultSectors(TrackConfig& track) {
    track.SplitEnabled = 0;
    track.SectorCount = kDefaultSectorCount;
    track.SectorLane = static_cast<int16_t>(track.LaneCount - 1);
    track.SpeedTrapLane = track.LaneCount;
    track.SpeedTrapDistance = kDefaultSpeedTrapDistance;
}

int16_t readSplitFlag(ByteReader& in, Clamper& clamp) {
    if (in.size() <= 300) return 0;
    in.seek(kSplitAt);
    const int16_t split = in.integer();
    if (split == -1 && in.size() < kSplitEnd) {
        clamp.note("SplitEnabled -1 -> 0 (the sector fields are cut short)");
        return 0;
    }
    if (split != 0 && split != -1) return clamp.replace("SplitEnabled", split, 0);
    return split;
}

void readSectors(ByteReader& in, TrackConfig& track, Clamper& clamp) {
    setDefaultSectors(track);
    if (readSplitFlag(in, clamp) != -1) return;
    track.SplitEnabled = -1;
    in.integer();  // the sector count as entered; always 3 in use
    track.SectorLane = clamp.range("SectorLane", in.integer(), 0, track.LaneCount);
    track.SpeedTrapLane = clamp.range("SpeedTrapLane", in.integer(), 0, track.LaneCount);
    const int16_t distance = in.integer();
    track.SpeedTrapDistance =
        distance > 0 ? distance : clamp.replace("SpeedTrapDistance", distance, kDefaultSpeedTrapDistance);
}

void readPartials(ByteReader& in, TrackConfig& track, Clamper& clamp) {
    track.PartialCount = 0;
    track.PartialStep = 0;
    if (track.ComaDivisions <= 0 || in.size() <= 310) return;
    if (in.size() < kPartialsEnd) {
        clamp.note("PartialCount and PartialStep -> 0 (the file ends inside them)");
        return;
    }
    in.seek(kPartialsAt);
    const int16_t count = in.integer();
    const int16_t step = in.integer();
    if (static_cast<int>(count) * step < 1) {
        if (count != 0 || step != 0)
            clamp.note("PartialCount/PartialStep " + std::to_string(count) + "/" + std::to_string(step) +
                       " -> 0/0");
        return;
    }
    track.PartialCount = clamp.range("PartialCount", count, 2, 100);
    track.PartialStep = clamp.range("PartialStep", step, 1, 999);
}

template <typename T>
void requireElements(const std::vector<T>& values, int16_t count, const char* what) {
    if (values.size() <= static_cast<std::size_t>(count))
        throw std::invalid_argument(std::string(what) + " holds fewer values than its count");
}

}  // namespace

// ---- defaults ----

ProgramSettings defaultProgramSettings() {
    ProgramSettings settings;
    settings.Language = 0;
    settings.AskComas = 0;
    settings.AutoScrollSeconds = 0;
    settings.SettingsVersion = kProgramMinorVersion;
    settings.LapCounterModel = 1;
    settings.ColourCount = kColourRoles;
    settings.Colours.assign(std::begin(kDefaultColours), std::end(kDefaultColours));
    return settings;
}

TrackConfig defaultTrackConfig(int16_t maxLanes) {
    TrackConfig track;
    track.LaneCount = std::clamp<int16_t>(maxLanes, 1, kMaxTrackLanes);
    track.LaneChange.assign(1, 0);  // numbered 1..LaneCount by the resize
    track.ConnectionCount = 2;
    track.ConnectionPort = {0, 1, 2};
    track.ConnectionFirstLane = {0, 1, 9};
    track.SplitEnabled = 0;
    track.SectorCount = kDefaultSectorCount;
    track.SectorLane = 10;
    track.SpeedTrapLane = 11;
    track.SpeedTrapDistance = kDefaultSpeedTrapDistance;
    resizeTrackWorkingArrays(track);
    setComaFormat(track);
    return track;
}

// ---- working values ----

void resizeTrackWorkingArrays(TrackConfig& track) {
    const std::size_t connections = static_cast<std::size_t>(std::max<int16_t>(track.ConnectionCount, 0)) + 1;
    track.ConnectionPort.resize(connections, 0);
    track.ConnectionFirstLane.resize(connections, 0);
    track.ConnectionLastLane.assign(connections, 0);
    track.ConnectionOpen.assign(connections, 0);
    track.ConnectionFlag.assign(connections, 0);
    track.ReceiveBuffer.assign(connections, "");
    track.LastFrame.assign(connections, "");

    // New lanes take their own number, so the row stays a permutation.
    const std::size_t lanes = static_cast<std::size_t>(std::max<int16_t>(track.LaneCount, 0)) + 1;
    const std::size_t kept = std::max<std::size_t>(track.LaneChange.size(), 1);
    track.LaneChange.resize(lanes, 0);
    for (std::size_t i = kept; i < lanes; ++i) track.LaneChange[i] = static_cast<int16_t>(i);
    int16_t largest = 0;
    for (std::size_t i = 1; i < lanes; ++i) largest = std::max(largest, track.LaneChange[i]);
    track.LaneChange[0] = largest;

    const std::size_t positions = static_cast<std::size_t>(largest) + 1;
    track.LaneParticipant.assign(positions, 0);
    track.LastPassTime.assign(positions, 0.0);
    track.LaneSpare.assign(positions, 0.0);
    track.CarriedTime.assign(positions, 0.0);
}

void setComaFormat(TrackConfig& track) {
    if (track.ComaDivisions == 0) {
        track.ComaZeros.clear();
        track.ComaFormat = "0";
        return;
    }
    const std::string digits = std::to_string(std::abs(static_cast<int>(track.ComaDivisions)));
    track.ComaZeros.assign(digits.size(), '0');
    track.ComaFormat = "0." + track.ComaZeros;
}

// ---- loads ----

ProgramSettings loadProgramSettingsBytes(const Bytes& data, LoadReport* report, const fs::path& file) {
    ByteReader in(data, file);
    Clamper clamp(report);
    ProgramSettings settings;
    settings.Language = clamp.range("Language", in.integer(), 0, 1);
    in.seek(kAskComasAt);
    const int16_t ask = in.integer();
    settings.AskComas = ask < -1 ? clamp.replace("AskComas", ask, 0) : ask;
    const int16_t scroll = in.integer();
    settings.AutoScrollSeconds = scroll < -1 ? clamp.replace("AutoScrollSeconds", scroll, 10) : scroll;
    const uint8_t version = in.byte();
    settings.SettingsVersion = version == 0 ? kProgramMinorVersion : version;
    settings.LapCounterModel = clamp.range("LapCounterModel", in.integer(), 0, kLapCounterModels - 1);
    readColours(in, settings, clamp);
    return settings;
}

TrackConfig loadTrackConfigBytes(const Bytes& data, LoadReport* report, const fs::path& file) {
    ByteReader in(data, file);
    Clamper clamp(report);
    TrackConfig track;
    track.MinLapTime = clampMinLapTime(in.single(), clamp);
    track.ComaDivisions = clamp.range("ComaDivisions", in.integer(), 0, kIntegerMax);
    readConnections(in, track, clamp);
    readLaneChange(in, track, clamp);
    resizeTrackWorkingArrays(track);
    readSectors(in, track, clamp);
    readPartials(in, track, clamp);
    setComaFormat(track);
    return track;
}

ProgramSettings loadProgramSettings(const fs::path& file, LoadReport* report) {
    return loadProgramSettingsBytes(readFileOrThrow(file), report, file);
}

TrackConfig loadTrackConfig(const fs::path& file, LoadReport* report) {
    return loadTrackConfigBytes(readFileOrThrow(file), report, file);
}

void LoadProgramSettings(RaceState& state, LoadReport* report) {
    state.Settings = loadProgramSettings(state.inAppFolder(kSettingsFileName), report);
}

void LoadTrackConfig(RaceState& state, LoadReport* report) {
    const fs::path file = state.inWorkingFolder(kTrackFileName);
    if (fileExists(file)) {
        state.Track = loadTrackConfig(file, report);
        return;
    }
    // Only a file removed by hand gets here: fall back rather than fail.
    const fs::path general = state.inAppFolder(kTrackFileName);
    if (general != file && fileExists(general)) {
        try {
            state.Track = loadTrackConfig(general);
            Clamper(report).note(ShownFileName(file) +
                                 (state.Settings.Language == 1
                                      ? " no existe: se usa el de la carpeta del programa."
                                      : " no existeix: s'usa el de la carpeta del programa."));
            return;
        } catch (const FileError& e) {
            // unreadable as well: the defaults below, and the director learns why
            Clamper(report).note(FileFaultText(state.Settings.Language, e));
        }
    }
    state.Track = defaultTrackConfig(state.MaxLanes);
    Clamper(report).note(ShownFileName(file) +
                         (state.Settings.Language == 1
                              ? " no existe: se usa la configuración de circuito por defecto."
                              : " no existeix: s'usa la configuració de circuit per defecte."));
}

// ---- saves ----

Bytes programSettingsBytes(const ProgramSettings& settings) {
    if (settings.ColourCount < 0) throw std::invalid_argument("negative ColourCount");
    requireElements(settings.Colours, settings.ColourCount, "Colours");
    ByteWriter out;
    out.integer(settings.Language);
    out.zeros(2);
    out.integer(settings.AskComas);
    out.integer(settings.AutoScrollSeconds);
    out.byte(settings.SettingsVersion);
    out.integer(settings.LapCounterModel);
    out.zeros(8);
    out.integer(settings.ColourCount);
    for (std::size_t i = 1; i <= static_cast<std::size_t>(settings.ColourCount); ++i)
        out.integer(settings.Colours[i]);
    return std::move(out.bytes());
}

Bytes trackConfigBytes(const TrackConfig& track) {
    if (track.ConnectionCount < 1 || track.ConnectionCount > kMaxConnections)
        throw std::invalid_argument("ConnectionCount outside 1..4");
    if (track.LaneCount < 1 || track.LaneCount > kMaxTrackLanes)
        throw std::invalid_argument("LaneCount outside 1..64");
    requireElements(track.ConnectionPort, track.ConnectionCount, "ConnectionPort");
    requireElements(track.ConnectionFirstLane, track.ConnectionCount, "ConnectionFirstLane");
    requireElements(track.LaneChange, track.LaneCount, "LaneChange");

    ByteWriter out;
    out.single(track.MinLapTime);
    out.integer(track.ComaDivisions);
    out.seek(kConnectionCountAt);
    out.integer(track.ConnectionCount);
    for (std::size_t k = 1; k <= static_cast<std::size_t>(track.ConnectionCount); ++k) {
        out.integer(track.ConnectionPort[k]);
        out.integer(track.ConnectionFirstLane[k]);
    }
    out.seek(kLaneCountAt);
    out.integer(track.LaneCount);
    for (std::size_t i = 1; i <= static_cast<std::size_t>(track.LaneCount); ++i)
        out.integer(track.LaneChange[i]);
    if (track.SplitEnabled != 0) {
        out.seek(kSplitAt);
        for (int16_t value :
             {int16_t{-1}, track.SectorCount, track.SectorLane, track.SpeedTrapLane, track.SpeedTrapDistance})
            out.integer(value);
    }
    if (static_cast<int>(track.PartialCount) * track.PartialStep >= 1) {
        out.seek(kPartialsAt);
        out.integer(track.PartialCount);
        out.integer(track.PartialStep);
    }
    return std::move(out.bytes());
}

WriteResult saveProgramSettings(const ProgramSettings& settings, const fs::path& file) {
    return writeBuiltFile(file, [&] { return programSettingsBytes(settings); });
}

WriteResult saveTrackConfig(const TrackConfig& track, const fs::path& file) {
    return writeBuiltFile(file, [&] { return trackConfigBytes(track); });
}

WriteResult copyTrackConfigIntoRace(const fs::path& appFolder, const fs::path& raceFolder) {
    const auto data = readFileBytes(appFolder / kTrackFileName);
    if (!data) return WriteResult::failed(raceFolder / kTrackFileName, ENOENT);
    return writeFileAtomic(raceFolder / kTrackFileName, *data);
}

}  // namespace sc
