#include "core/settings_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <numeric>
#include <optional>
#include <tuple>
#include <utility>

#include "core/file_io.h"
#include "failure_offset.h"
#include "temp_folder.h"

namespace sc {
namespace {
namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A fresh folder per test, removed afterwards.
class SettingsFilesTest : public ::testing::Test {
protected:
    test::TempFolder temp_;
    const fs::path& folder_ = temp_.path();
};

using Connections = std::vector<std::pair<int16_t, int16_t>>;

// PISTA.CFG written field by field at its offsets.
ByteWriter trackFile(int16_t comaDivisions, const Connections& connections,
                     const std::vector<int16_t>& laneChange, float minLap = 2.5f,
                     std::optional<int16_t> laneCount = std::nullopt) {
    ByteWriter w;
    w.single(minLap);
    w.integer(comaDivisions);
    w.seek(9);
    w.integer(static_cast<int16_t>(connections.size()));
    for (auto [port, first] : connections) {
        w.integer(port);
        w.integer(first);
    }
    w.seek(29);
    w.integer(laneCount.value_or(static_cast<int16_t>(laneChange.size())));
    for (int16_t lane : laneChange) w.integer(lane);
    return w;
}

ByteWriter eightLanes(int16_t comaDivisions = 0) {
    return trackFile(comaDivisions, {{1, 1}, {2, 5}}, {1, 2, 3, 4, 5, 6, 7, 8});
}

void put(ByteWriter& w, std::size_t at, std::initializer_list<int16_t> values) {
    w.seek(at);
    for (int16_t v : values) w.integer(v);
}

void padTo(ByteWriter& w, std::size_t size) {
    if (w.bytes().size() < size) w.bytes().resize(size, 0);
}

// VIROLA.CFG written field by field.
ByteWriter settingsFile(int16_t autoScroll, uint8_t version, const std::vector<int16_t>& colours,
                        int16_t colourCount = -99) {
    ByteWriter w;
    w.integer(1);  // Spanish
    w.zeros(2);
    w.integer(3);  // comas at the end of pass 3
    w.integer(autoScroll);
    w.byte(version);
    w.integer(2);  // DS300
    w.zeros(8);
    w.integer(colourCount == -99 ? static_cast<int16_t>(colours.size()) : colourCount);
    for (int16_t c : colours) w.integer(c);
    return w;
}

// ---- PISTA.CFG ----

TEST_F(SettingsFilesTest, LoadTrackConfig_ReadsEveryFieldAndSavesTheSameBytes) {
    const Bytes file = eightLanes().bytes();
    ASSERT_EQ(file.size(), 47u);
    LoadReport report;
    TrackConfig t = loadTrackConfigBytes(file, &report);
    EXPECT_THAT(report.clamped, IsEmpty());
    EXPECT_EQ(std::tuple(t.MinLapTime, t.ConnectionCount, t.LaneCount), std::tuple(2.5f, 2, 8));
    EXPECT_THAT(t.ConnectionPort, ElementsAre(0, 1, 2));
    EXPECT_THAT(t.ConnectionFirstLane, ElementsAre(0, 1, 5));
    EXPECT_EQ(t.ConnectionLastLane.size(), 3u);
    EXPECT_THAT(t.LaneChange, ElementsAre(8, 1, 2, 3, 4, 5, 6, 7, 8));
    EXPECT_EQ(trackConfigBytes(t), file);
}

TEST_F(SettingsFilesTest, LoadTrackConfig_SectorsAndPartialsRoundTripByteExact) {
    ByteWriter w = eightLanes(100);
    put(w, 299, {-1, 3, 7, 8, 35, 11, 10});
    const Bytes file = w.bytes();
    ASSERT_EQ(file.size(), 313u);
    TrackConfig t = loadTrackConfigBytes(file);
    EXPECT_EQ(std::tuple(t.SplitEnabled, t.SectorCount, t.SectorLane, t.SpeedTrapLane, t.SpeedTrapDistance,
                         t.PartialCount, t.PartialStep),
              std::tuple(-1, 3, 7, 8, 35, 11, 10));
    EXPECT_EQ(trackConfigBytes(t), file);
}

// What the sector fields at 299 give: a file of 300 bytes (half of a -1) has
// none; a stored sector count is always replaced by three; fields cut short
// load without sectors and say so.
TEST_F(SettingsFilesTest, LoadTrackConfig_SectorFieldsAsStoredOrDefault) {
    struct Case {
        std::vector<int16_t> at299;
        int16_t split, lane, trap, distance;
        std::size_t clamped;
    };
    const Case cases[] = {
        {{}, 0, 7, 8, 40, 0}, {{-1, 5, 2, 3, 50}, -1, 2, 3, 50, 0}, {{-1, 3, 2}, 0, 7, 8, 40, 1}};
    for (const Case& c : cases) {
        ByteWriter w = eightLanes();
        if (c.at299.empty()) {
            padTo(w, 300);
            w.bytes()[299] = 0xFF;
        }
        for (std::size_t i = 0; i < c.at299.size(); ++i) put(w, 299 + 2 * i, {c.at299[i]});
        LoadReport report;
        const TrackConfig t = loadTrackConfigBytes(w.bytes(), &report);
        SCOPED_TRACE(c.at299.size());
        EXPECT_EQ(
            std::tuple(t.SplitEnabled, t.SectorCount, t.SectorLane, t.SpeedTrapLane, t.SpeedTrapDistance),
            std::tuple(c.split, 3, c.lane, c.trap, c.distance));
        EXPECT_EQ(report.clamped.size(), c.clamped);
    }
}

// Whole partial fields without coma divisions, or 311 and 312 bytes with them.
TEST_F(SettingsFilesTest, LoadTrackConfig_PartialsNeedComaDivisionsAndTheWholeFields) {
    ByteWriter noComas = eightLanes(0);
    put(noComas, 309, {11, 10});
    ByteWriter cut = eightLanes(100);
    put(cut, 309, {11, 10});
    for (const Bytes& file : {noComas.bytes(), Bytes(cut.bytes().begin(), cut.bytes().end() - 2),
                              Bytes(cut.bytes().begin(), cut.bytes().end() - 1)}) {
        LoadReport report;
        const TrackConfig t = loadTrackConfigBytes(file, &report);
        EXPECT_EQ(t.PartialCount, 0) << file.size();
        EXPECT_EQ(t.PartialStep, 0);
        EXPECT_EQ(report.clamped.size(), file.size() < 313 ? 1u : 0u);  // cut short is said
    }
}

TEST_F(SettingsFilesTest, LoadTrackConfig_LaneChangeZeroIsTheLargestValue) {
    TrackConfig t = loadTrackConfigBytes(trackFile(0, {{1, 1}}, {3, 1, 2}).bytes());
    EXPECT_THAT(t.LaneChange, ElementsAre(3, 3, 1, 2));
    EXPECT_EQ(t.LaneParticipant.size(), 4u);

    t = loadTrackConfigBytes(trackFile(0, {{1, 1}}, {0, 0}).bytes());
    EXPECT_EQ(t.LaneChange[0], 0);
    EXPECT_EQ(t.LaneParticipant.size(), 1u);
}

TEST_F(SettingsFilesTest, LoadTrackConfig_ComaFormatFollowsTheDigitsOfComaDivisions) {
    const std::pair<int16_t, const char*> cases[] = {
        {0, "0"}, {9, "0.0"}, {10, "0.00"}, {100, "0.000"}, {9999, "0.0000"}};
    for (auto [divisions, format] : cases) {
        TrackConfig t = loadTrackConfigBytes(eightLanes(divisions).bytes());
        EXPECT_EQ(t.ComaFormat, format) << divisions;
        EXPECT_EQ("0." + t.ComaZeros, divisions == 0 ? "0." : format) << divisions;
    }
}

// The working arrays follow the clamped counts.
TEST_F(SettingsFilesTest, LoadTrackConfig_CountsOutsideTheWindowsRangesAreClampedAndReported) {
    struct Case {
        std::size_t at;
        int16_t stored, lanes, connections;
        const char* said;
    };
    const Case cases[] = {{29, 30000, 64, 2, "LaneCount 30000 -> 64"},
                          {29, -5, 1, 2, "LaneCount -5 -> 1"},
                          {9, 0, 8, 1, "ConnectionCount 0 -> 1"},
                          {9, 9, 8, 4, "ConnectionCount 9 -> 4"}};
    for (const Case& c : cases) {
        ByteWriter w = eightLanes();
        put(w, c.at, {c.stored});
        padTo(w, 31 + 2 * 64);
        LoadReport report;
        const TrackConfig t = loadTrackConfigBytes(w.bytes(), &report);
        SCOPED_TRACE(c.said);
        EXPECT_EQ(std::tuple(t.LaneCount, t.LaneChange.size(), t.ConnectionCount, t.ConnectionPort.size(),
                             t.ReceiveBuffer.size()),
                  std::tuple(c.lanes, c.lanes + 1u, c.connections, c.connections + 1u, c.connections + 1u));
        ASSERT_FALSE(report.clamped.empty());
        EXPECT_EQ(report.clamped[0], c.said);
    }
}

TEST_F(SettingsFilesTest, LoadTrackConfig_ValuesOutsideTheWindowsRangesAreClampedAndReported) {
    ByteWriter w = trackFile(-4, {{9, -3}}, {99, -1}, std::numeric_limits<float>::quiet_NaN());
    put(w, 299, {7});
    LoadReport report;
    TrackConfig t = loadTrackConfigBytes(w.bytes(), &report);
    EXPECT_EQ(std::tuple(t.MinLapTime, t.ComaDivisions, t.ConnectionPort[1], t.ConnectionFirstLane[1],
                         t.SplitEnabled),
              std::tuple(0.0f, 0, 4, 0, 0));
    EXPECT_THAT(t.LaneChange, ElementsAre(64, 64, 0));
    EXPECT_EQ(report.clamped.size(), 7u);

    ByteWriter sectors = eightLanes(10);
    put(sectors, 299, {-1, 3, 70, -2, 0, 300, 2000});
    report = {};
    t = loadTrackConfigBytes(sectors.bytes(), &report);
    EXPECT_EQ(std::tuple(t.SectorLane, t.SpeedTrapLane, t.SpeedTrapDistance, t.PartialCount, t.PartialStep),
              std::tuple(8, 0, 40, 100, 999));
    EXPECT_EQ(report.clamped.size(), 5u);

    report = {};
    t = loadTrackConfigBytes(trackFile(0, {{1, 1}}, {1}, 250.0f).bytes(), &report);
    EXPECT_EQ(t.MinLapTime, kMaxMinLapTime);
    EXPECT_THAT(report.clamped, ElementsAre("MinLapTime 250 -> 99.99"));
}

TEST_F(SettingsFilesTest, LoadTrackConfig_TruncatedFileFailsAtTheMissingField) {
    auto offsetOf = [](const Bytes& data) {
        return test::failureOffset([&] { loadTrackConfigBytes(data); });
    };
    EXPECT_EQ(offsetOf({}), 0u);
    Bytes head = eightLanes().bytes();
    EXPECT_EQ(offsetOf(Bytes(head.begin(), head.begin() + 20)), 29u);
    EXPECT_EQ(offsetOf(Bytes(head.begin(), head.begin() + 36)), 35u);  // inside the lane-change row
    ByteWriter huge = eightLanes();
    put(huge, 29, {30000});
    EXPECT_EQ(offsetOf(huge.bytes()), 47u);  // 64 lanes clamped, the file holds 8
}

// ---- saving PISTA.CFG ----

// From the start-up values: 64 lanes numbered in order, ports 1 and 2 from lanes 1
// and 9, sector lane 10, trap 11 at 40; a true split flag is written as -1.
TEST_F(SettingsFilesTest, TrackConfigBytes_EndAfterTheLastFieldWrittenWithZeroGaps) {
    std::vector<int16_t> lanes(64);
    std::iota(lanes.begin(), lanes.end(), 1);
    const ByteWriter plain = trackFile(0, {{1, 1}, {2, 9}}, lanes, 0.0f);
    TrackConfig t = defaultTrackConfig();
    EXPECT_EQ(t.LaneParticipant.size(), 65u);
    EXPECT_EQ(t.ComaFormat, "0");
    EXPECT_EQ(trackConfigBytes(t), plain.bytes());

    t.SplitEnabled = 1;
    ByteWriter split = plain;
    put(split, 299, {-1, 3, 10, 11, 40});
    EXPECT_EQ(trackConfigBytes(t), split.bytes());

    t.SplitEnabled = 0;
    t.PartialCount = 11;
    t.PartialStep = 10;
    ByteWriter partials = plain;
    put(partials, 309, {11, 10});
    EXPECT_EQ(trackConfigBytes(t), partials.bytes());
}

TEST_F(SettingsFilesTest, SaveTrackConfig_WritesWhatLoadsBackAndRefusesCountsTheLayoutCannotHold) {
    const fs::path file = folder_ / kTrackFileName;
    for (auto [connections, lanes] : {std::pair<int16_t, int16_t>{5, 64}, {2, 65}, {2, 0}}) {
        TrackConfig t = defaultTrackConfig();
        t.ConnectionCount = connections;
        t.LaneCount = lanes;
        EXPECT_THROW(trackConfigBytes(t), std::invalid_argument) << connections << " " << lanes;
        EXPECT_FALSE(saveTrackConfig(t, file));
        EXPECT_FALSE(fileExists(file));
    }
    ASSERT_TRUE(saveTrackConfig(defaultTrackConfig(16), file));
    EXPECT_EQ(trackConfigBytes(loadTrackConfig(file)), trackConfigBytes(defaultTrackConfig(16)));
}

TEST_F(SettingsFilesTest, ResizeTrackWorkingArrays_NumbersNewLanesAndRecomputesTheLargest) {
    TrackConfig t = loadTrackConfigBytes(trackFile(0, {{1, 1}}, {3, 1, 2}).bytes());
    t.LaneCount = 5;
    t.ConnectionCount = 3;
    resizeTrackWorkingArrays(t);
    EXPECT_THAT(t.LaneChange, ElementsAre(5, 3, 1, 2, 4, 5));
    EXPECT_EQ(
        std::tuple(t.LaneParticipant.size(), t.LastPassTime.size(), t.LaneSpare.size(), t.CarriedTime.size()),
        std::tuple(6u, 6u, 6u, 6u));
    EXPECT_THAT(t.ConnectionPort, ElementsAre(0, 1, 0, 0));
    t.LaneCount = 2;
    resizeTrackWorkingArrays(t);
    EXPECT_THAT(t.LaneChange, ElementsAre(3, 3, 1));
}

// ---- the race-state loads ----

// The race's copy (copied byte for byte) first; without it the program folder's,
// then the defaults, each said.
TEST_F(SettingsFilesTest, LoadTrackConfig_ReadsTheRaceCopyOrFallsBackAndSaysSoOrThrowsOnDamage) {
    RaceState state;
    state.AppFolder = state.WorkingFolder = folder_;
    const fs::path race = folder_ / "PROVA001";
    fs::create_directories(race);
    const Bytes raceCopy = trackFile(0, {{3, 1}}, {2, 1}).bytes();
    ASSERT_TRUE(writeFileAtomic(folder_ / kTrackFileName, raceCopy));
    ASSERT_TRUE(copyTrackConfigIntoRace(folder_, race));
    EXPECT_EQ(*readFileBytes(race / kTrackFileName), raceCopy);
    EXPECT_FALSE(copyTrackConfigIntoRace(folder_ / "none", race));
    ASSERT_TRUE(writeFileAtomic(folder_ / kTrackFileName, eightLanes().bytes()));
    LoadReport report;
    {
        WorkingFolderGuard inRace(state, race);
        LoadTrackConfig(state, &report);
    }
    EXPECT_EQ(state.Track.LaneCount, 2);
    EXPECT_EQ(state.Track.ConnectionPort[1], 3);
    EXPECT_TRUE(report.clamped.empty());
    EXPECT_EQ(state.WorkingFolder, folder_);  // the guard gives the folder back

    state.WorkingFolder = race;
    fs::remove(race / kTrackFileName);
    LoadTrackConfig(state, &report);
    EXPECT_EQ(state.Track.LaneCount, 8);
    EXPECT_EQ(report.clamped, std::vector<std::string>{
                                  "PROVA001\\PISTA.CFG no existeix: s'usa el de la carpeta del programa."});

    // An unreadable program-folder copy is named before the defaults are taken.
    ASSERT_TRUE(writeFileAtomic(folder_ / kTrackFileName, Bytes{0, 0}));
    report = {};
    state.Settings.Language = 1;
    LoadTrackConfig(state, &report);
    EXPECT_EQ(state.Track.LaneCount, 64);
    EXPECT_EQ(state.Track.LaneChange[0], 64);
    EXPECT_EQ(report.clamped,
              (std::vector<std::string>{
                  "El archivo PISTA.CFG está dañado: termina a mitad de un valor (byte 0).",
                  "PROVA001\\PISTA.CFG no existe: se usa la configuración de circuito por defecto."}));

    ASSERT_TRUE(writeFileAtomic(race / kTrackFileName, Bytes{0, 0, 0}));  // damaged: the state stays
    state.Track = defaultTrackConfig(12);
    EXPECT_THROW(LoadTrackConfig(state), FileError);
    EXPECT_EQ(state.Track.LaneCount, 12);
}

// ---- VIROLA.CFG ----

TEST_F(SettingsFilesTest, LoadProgramSettings_ReadsEveryFieldAndSavesTheSameBytes) {
    const Bytes file = settingsFile(30, 4, {12, 10, 15, 14, 11}).bytes();
    ASSERT_EQ(file.size(), 31u);
    LoadReport report;
    ProgramSettings s = loadProgramSettingsBytes(file, &report);
    EXPECT_THAT(report.clamped, IsEmpty());
    EXPECT_EQ(std::tuple(s.Language, s.AskComas, s.AutoScrollSeconds, s.SettingsVersion, s.LapCounterModel,
                         s.ColourCount),
              std::tuple(1, 3, 30, 4, 2, 5));
    EXPECT_THAT(s.Colours, ElementsAre(0, 12, 10, 15, 14, 11));
    EXPECT_EQ(programSettingsBytes(s), file);
}

TEST_F(SettingsFilesTest, LoadProgramSettings_AppliesTheThreeLoadRules) {
    const std::pair<int16_t, int16_t> scroll[] = {{-2, 10}, {-1, -1}, {0, 0}, {-300, 10}};
    for (auto [stored, loaded] : scroll) {
        ProgramSettings s = loadProgramSettingsBytes(settingsFile(stored, 1, {1, 2, 3, 4, 5}).bytes());
        EXPECT_EQ(s.AutoScrollSeconds, loaded) << stored;
    }
    for (auto [stored, loaded] : {std::pair<int16_t, int16_t>{-2, 0}, {-1, -1}}) {
        ByteWriter w = settingsFile(0, 1, {1, 2, 3, 4, 5});
        put(w, 4, {stored});
        EXPECT_EQ(loadProgramSettingsBytes(w.bytes()).AskComas, loaded) << stored;
    }
    EXPECT_EQ(loadProgramSettingsBytes(settingsFile(0, 0, {1, 2, 3, 4, 5}).bytes()).SettingsVersion,
              kProgramMinorVersion);
}

TEST_F(SettingsFilesTest, LoadProgramSettings_OutOfRangeValuesAreClampedAndReported) {
    ByteWriter w = settingsFile(0, 1, {1, 20, 3, -1, 5});
    put(w, 0, {2});
    put(w, 9, {9});
    LoadReport report;
    ProgramSettings s = loadProgramSettingsBytes(w.bytes(), &report);
    EXPECT_EQ(s.Language, 1);
    EXPECT_EQ(s.LapCounterModel, 4);
    EXPECT_THAT(s.Colours, ElementsAre(0, 1, 15, 3, 0, 5));
    EXPECT_THAT(report.clamped, ElementsAre("Language 2 -> 1", "LapCounterModel 9 -> 4",
                                            "Colours(2) 20 -> 15", "Colours(4) -1 -> 0"));
}

TEST_F(SettingsFilesTest, LoadProgramSettings_ColourCountIsBoundByTheFileAndTheFiveRoles) {
    LoadReport report;
    ProgramSettings s = loadProgramSettingsBytes(settingsFile(0, 1, {1, 2, 3, 4, 5}, 30000).bytes(), &report);
    EXPECT_EQ(s.ColourCount, 5);
    EXPECT_THAT(s.Colours, ElementsAre(0, 1, 2, 3, 4, 5));
    EXPECT_EQ(report.clamped.size(), 1u);

    report = {};
    s = loadProgramSettingsBytes(settingsFile(0, 1, {1, 2, 3}).bytes(), &report);
    EXPECT_THAT(s.Colours, ElementsAre(0, 1, 2, 3, 14, 11));
    EXPECT_EQ(s.ColourCount, 5);
    EXPECT_THAT(report.clamped, ElementsAre("ColourCount 3 -> 5"));

    s = loadProgramSettingsBytes(settingsFile(0, 1, {}, -3).bytes());
    EXPECT_THAT(s.Colours, ElementsAre(0, 12, 10, 15, 14, 11));

    report = {};
    s = loadProgramSettingsBytes(settingsFile(0, 1, {1, 2, 3, 4, 5, 6, 7}).bytes(), &report);
    EXPECT_EQ(s.ColourCount, 7);
    EXPECT_THAT(report.clamped, IsEmpty());
}

TEST_F(SettingsFilesTest, LoadProgramSettings_FileShorterThanItsFixedFieldsFails) {
    Bytes file = settingsFile(0, 1, {}).bytes();
    file.resize(20);
    EXPECT_EQ(test::failureOffset([&] { loadProgramSettingsBytes(file); }), 19u);
    EXPECT_THROW(loadProgramSettings(folder_ / kSettingsFileName), FileError);  // missing
}

TEST_F(SettingsFilesTest, SaveProgramSettings_WritesTwentyOnePlusTwoPerColour) {
    RaceState state;
    state.AppFolder = folder_;
    ProgramSettings s = defaultProgramSettings();
    s.AutoScrollSeconds = 7;
    ASSERT_TRUE(saveProgramSettings(s, folder_ / kSettingsFileName));
    EXPECT_EQ(fs::file_size(folder_ / kSettingsFileName), 31u);
    LoadProgramSettings(state);
    EXPECT_EQ(state.Settings.AutoScrollSeconds, 7);
    EXPECT_THAT(state.Settings.Colours, ElementsAre(0, 12, 10, 15, 14, 11));

    s.ColourCount = 6;  // more than Colours holds
    EXPECT_FALSE(saveProgramSettings(s, folder_ / kSettingsFileName));
    EXPECT_EQ(fs::file_size(folder_ / kSettingsFileName), 31u);
}

}  // namespace
}  // namespace sc
