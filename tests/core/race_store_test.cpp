#include "core/race_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "core/file_io.h"
#include "failure_offset.h"
#include "temp_folder.h"

namespace sc {
namespace {
namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

class RaceStoreTest : public ::testing::Test {
protected:
    // PROVA.DAD laid out by hand: four counts, 11 zero bytes, name, date.
    static Bytes headerFile(const std::string& rawName, const std::string& rawDate,
                            std::array<int16_t, 4> counts = {1, 2, 0, 3}) {
        ByteWriter w;
        for (int16_t c : counts) w.integer(c);
        w.zeros(11);
        w.countedRaw(rawName);
        w.countedRaw(rawDate);
        return w.bytes();
    }
    fs::path makeRace(int number, const std::string& rawName, const std::string& rawDate) {
        const fs::path folder = app_ / raceFolderName(number);
        fs::create_directories(folder);
        EXPECT_TRUE(writeFileAtomic(folder / kRaceHeaderFileName, headerFile(rawName, rawDate)));
        return folder;
    }
    fs::path catalogue() const { return app_ / kCatalogueFileName; }

    test::TempFolder temp_;
    const fs::path& app_ = temp_.path();
};

Bytes participantFileBytes(int16_t heats, std::initializer_list<std::string> rawNames) {
    ByteWriter w;
    w.integer(heats);
    for (const auto& n : rawNames) w.countedRaw(n);
    return w.bytes();
}

// ---- names ----

TEST(RaceStoreNames, FolderAndSeriesNamesUseThreeDigits) {
    EXPECT_EQ(raceFolderName(1), "PROVA001");
    EXPECT_EQ(raceFolderName(42), "PROVA042");
    EXPECT_EQ(raceFolderName(1000), "PROVA1000");
    const std::tuple<int, int, const char*> series[] = {
        {1, 1, "LLR001"}, {2, 12, "OFC012"}, {3, 3, "SPP003"}, {4, 101, "CRS101"}};
    for (auto [modality, number, name] : series) EXPECT_EQ(seriesBaseName(modality, number), name);
    EXPECT_EQ(modalityPrefix(0), "");
    EXPECT_EQ(modalityPrefix(5), "");
}

// ---- catalogue ----

TEST_F(RaceStoreTest, Catalogue_PairsOfCountedTextsRoundTripByteExact) {
    ByteWriter w;
    w.countedRaw("Gran Premi \xC0");  // À in Windows-1252
    w.countedRaw("12/05/2024");
    w.countedRaw("");
    w.countedRaw("");
    const Bytes file = w.bytes();
    auto races = readCatalogueBytes(file);
    EXPECT_THAT(races, ElementsAre(CatalogueEntry{"Gran Premi À", "12/05/2024"}, CatalogueEntry{"", ""}));
    EXPECT_EQ(catalogueBytes(races), file);
    ASSERT_TRUE(writeCatalogue(catalogue(), races));
    EXPECT_EQ(*readFileBytes(catalogue()), file);
    EXPECT_EQ(readCatalogue(catalogue()), races);
}

TEST_F(RaceStoreTest, Catalogue_NameWithoutDateOrBadLengthIsDamaged) {
    ByteWriter w;
    w.countedRaw("Prova");
    const std::size_t dateAt = w.bytes().size();
    EXPECT_EQ(test::failureOffset([&] { readCatalogueBytes(w.bytes()); }), dateAt);
    EXPECT_THROW(readCatalogueBytes(Bytes{0xFF, 0xFF}), FileError);       // length -1
    EXPECT_THROW(readCatalogueBytes(Bytes{0x30, 0x75, 'a'}), FileError);  // length 30000
    EXPECT_THROW(readCatalogueBytes(Bytes{1}), FileError);                // half a length
}

// A damaged or missing header keeps its race's place under the folder's name.
TEST_F(RaceStoreTest, RebuildRaceCatalogue_StopsAtTheFirstMissingFolderAndKeepsDamagedRacesNumbered) {
    makeRace(1, "Primera", "01/01");
    const fs::path second = makeRace(2, "Segona", "02/02");
    makeRace(3, "Tercera", "03/03");
    makeRace(4, "Quarta", "04/04");
    makeRace(6, "Sisena", "06/06");
    ASSERT_TRUE(writeFileAtomic(second / kRaceHeaderFileName, Bytes{1, 0, 2, 0, 0}));
    fs::remove(app_ / "PROVA003" / kRaceHeaderFileName);
    StoreReport report;
    EXPECT_THAT(rebuildRaceCatalogue(app_, &report),
                ElementsAre(CatalogueEntry{"Primera", "01/01"}, CatalogueEntry{"PROVA002", ""},
                            CatalogueEntry{"PROVA003", ""}, CatalogueEntry{"Quarta", "04/04"}));
    EXPECT_THAT(report.problems, SizeIs(2));
    ByteWriter expected;
    for (const char* text : {"Primera", "01/01", "PROVA002", "", "PROVA003", "", "Quarta", "04/04"})
        expected.countedRaw(text);
    EXPECT_EQ(*readFileBytes(catalogue()), expected.bytes());
}

// Without races no file is left, not even an empty one.
TEST_F(RaceStoreTest, LoadRaceCatalogue_ReadsTheFileOrRebuildsIt) {
    ASSERT_TRUE(writeFileAtomic(catalogue(), Bytes{}));
    EXPECT_THAT(rebuildRaceCatalogue(app_), IsEmpty());
    EXPECT_FALSE(fileExists(catalogue()));
    EXPECT_THAT(loadRaceCatalogue(app_), IsEmpty());
    EXPECT_FALSE(fileExists(catalogue()));

    makeRace(1, "Primera", "01/01");
    EXPECT_THAT(loadRaceCatalogue(app_), ElementsAre(CatalogueEntry{"Primera", "01/01"}));
    EXPECT_TRUE(fileExists(catalogue()));

    // An existing catalogue is trusted as it stands.
    ASSERT_TRUE(writeCatalogue(catalogue(), {{"Renamed", "x"}}));
    EXPECT_THAT(loadRaceCatalogue(app_), ElementsAre(CatalogueEntry{"Renamed", "x"}));

    // A damaged one is rebuilt, and so is an empty one beside race folders: it lost them.
    for (const Bytes& file : {Bytes{5, 0, 'a'}, Bytes{}}) {
        ASSERT_TRUE(writeFileAtomic(catalogue(), file));
        StoreReport report;
        EXPECT_THAT(loadRaceCatalogue(app_, &report), ElementsAre(CatalogueEntry{"Primera", "01/01"}));
        EXPECT_THAT(report.problems, SizeIs(1));
        EXPECT_EQ(readCatalogue(catalogue()).size(), 1u);
    }
}

// ---- race header ----

TEST_F(RaceStoreTest, RaceHeader_CountsZerosAndTextsAtTheirOffsets) {
    const Bytes file = headerFile("Cursa d'hivern", "3 de mar\xE7");
    ASSERT_EQ(file.size(), 8u + 11 + 2 + 14 + 2 + 9);
    RaceHeader h = readRaceHeaderBytes(file);
    EXPECT_THAT(h.SeriesCount, ElementsAre(1, 2, 0, 3));
    EXPECT_EQ(h.name, "Cursa d'hivern");
    EXPECT_EQ(h.date, "3 de març");
    EXPECT_EQ(raceHeaderBytes(h), file);
    const fs::path path = app_ / kRaceHeaderFileName;
    ASSERT_TRUE(writeRaceHeader(path, h));
    EXPECT_EQ(readRaceHeader(path), h);
}

TEST_F(RaceStoreTest, RaceHeader_ShortFileFailsAndAbsurdCountsAreClamped) {
    Bytes file = headerFile("Nom", "Data");
    EXPECT_THROW(readRaceHeaderBytes(Bytes(file.begin(), file.begin() + 19)), FileError);
    EXPECT_THROW(readRaceHeaderBytes(Bytes(file.begin(), file.begin() + 25)), FileError);

    StoreReport report;
    RaceHeader h = readRaceHeaderBytes(headerFile("Nom", "Data", {-1, 30000, 999, 0}), &report);
    EXPECT_THAT(h.SeriesCount, ElementsAre(0, kMaxSeries, 999, 0));
    EXPECT_THAT(report.problems, SizeIs(2));
}

// Each rewrite leaves the other fields and the bytes beyond the date as they were.
TEST_F(RaceStoreTest, HeaderRewrites_TouchOnlyTheirOwnFieldsAndNeedTheFile) {
    const fs::path path = app_ / kRaceHeaderFileName;
    Bytes file = headerFile("Un nom llarg de cursa", "01/01/2024");
    file.push_back(0xAB);
    ASSERT_TRUE(writeFileAtomic(path, file));
    ASSERT_TRUE(writeSeriesCounts(path, {4, 0, 1, 2}));
    ASSERT_TRUE(writeRaceNameAndDate(path, "Curta", "2/2"));
    Bytes expected = headerFile("Curta", "2/2", {4, 0, 1, 2});
    expected.insert(expected.end(), file.begin() + static_cast<long>(expected.size()), file.end());
    EXPECT_EQ(*readFileBytes(path), expected);
    EXPECT_FALSE(writeSeriesCounts(app_ / "none.DAD", {1, 1, 1, 1}));
    EXPECT_FALSE(writeRaceNameAndDate(app_ / "none.DAD", "a", "b"));
    EXPECT_FALSE(fileExists(app_ / "none.DAD"));
}

bool refusedForText(const WriteResult& r) { return !r && r.error().error == kTextNotWritable; }

TEST_F(RaceStoreTest, NamesWithoutAWindows1252FormAreRefusedBeforeWriting) {
    const fs::path header = app_ / kRaceHeaderFileName;
    const Bytes original = headerFile("Nom", "Data");
    ASSERT_TRUE(writeFileAtomic(header, original));
    EXPECT_TRUE(refusedForText(writeRaceNameAndDate(header, "東京", "x")));
    EXPECT_TRUE(refusedForText(writeRaceHeader(header, {{1, 1, 1, 1}, "ok", "Ω"})));
    EXPECT_EQ(*readFileBytes(header), original);

    EXPECT_TRUE(refusedForText(writeCatalogue(catalogue(), {{"Москва", ""}})));
    EXPECT_FALSE(fileExists(catalogue()));
    const fs::path list = app_ / kEntrantsFileName;
    EXPECT_TRUE(refusedForText(writeParticipantList(list, {0, {"Anna", "李"}})));
    EXPECT_FALSE(fileExists(list));
    EXPECT_TRUE(writeParticipantList(list, {0, {"Núria Œ €"}}));
    EXPECT_EQ(readParticipantList(list).names[0], "Núria Œ €");
}

// ---- participant lists ----

TEST_F(RaceStoreTest, ParticipantList_HeatCounterAndCountedTextsRoundTrip) {
    const Bytes file = participantFileBytes(5, {"Pere", "", "Mart\xED"});
    ParticipantList list = readParticipantListBytes(file);
    EXPECT_EQ(list.heats, 5);
    EXPECT_THAT(list.names, ElementsAre("Pere", "", "Martí"));
    EXPECT_EQ(participantListBytes(list), file);

    EXPECT_THROW(readParticipantListBytes(Bytes{}), FileError);
    EXPECT_THROW(readParticipantListBytes(Bytes{0, 0, 4, 0, 'a'}), FileError);
    EXPECT_THROW(readParticipantListBytes(Bytes{0, 0, 0}), FileError);
}

TEST_F(RaceStoreTest, ParticipantList_MoreEntriesThanAnIntegerCountsIsDamaged) {
    Bytes file(2 + 2 * (kMaxParticipantEntries + 1), 0);
    EXPECT_THROW(readParticipantListBytes(file), FileError);
    file.resize(2 + 2 * kMaxParticipantEntries);
    EXPECT_EQ(readParticipantListBytes(file).names.size(), kMaxParticipantEntries);
}

TEST_F(RaceStoreTest, WriteHeatCounter_LeavesTheNamesUntouched) {
    const fs::path path = app_ / "CRS001.PAR";
    ASSERT_TRUE(writeFileAtomic(path, participantFileBytes(2, {"Anna", "Berta"})));
    ASSERT_TRUE(writeHeatCounter(path, 3));
    EXPECT_EQ(*readFileBytes(path), participantFileBytes(3, {"Anna", "Berta"}));
}

// ---- loading participants into the race state ----

// The modality chooses the file; the list is padded to the lanes and keeps every
// name beyond them; without a modality, a file or a sound file the list is empty.
TEST_F(RaceStoreTest, LoadParticipants_ModalityChoosesTheFileAndTheListCoversEveryLane) {
    struct Case {
        int16_t modality;
        int series;
        const char* file;  // "" writes none
        Bytes bytes;
        int16_t heat, count;
        std::vector<std::string> names;
        int16_t lanes = 8;
        std::optional<std::size_t> failsAt = std::nullopt;
    };
    const Case cases[] = {
        {0, 7, "PROVA.PAR", participantFileBytes(1, {"Entrant"}), 1, 8, {"Entrant"}},
        {2, 1, "OFC001.PAR", participantFileBytes(2, {"Oficial"}), 2, 8, {"Oficial"}},
        {4, 2, "CRS002.PAR", participantFileBytes(3, {}), 3, 8, {}},
        {1, 1, "LLR001.PAR", participantFileBytes(0, {"A", "", "C"}), 0, 3, {"A", "", "C"}, 2},
        {4, 1, "CRS001.PAR", participantFileBytes(-4, {"A"}), 0, 8, {"A"}},
        {9, 1, "", {}, 0, 8, {}},
        {3, 1, "", {}, 0, 8, {}},
        {4, 3, "CRS003.PAR", Bytes{4, 0, 9, 0, 'x'}, 0, 8, {}, 8, 2},
    };
    RaceState state;
    state.AppFolder = app_;
    state.WorkingFolder = app_ / "PROVA001";
    fs::create_directories(state.WorkingFolder);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.modality << "/" << c.series);
        if (*c.file) {
            ASSERT_TRUE(writeFileAtomic(state.WorkingFolder / c.file, c.bytes));
        }
        state.CurrentModality = c.modality;
        state.Track.LaneCount = c.lanes;
        state.CurrentHeat = 6;
        state.Participants = {"", "old"};
        EXPECT_EQ(test::failureOffset([&] { LoadParticipants(state, c.series); }), c.failsAt);
        std::vector<std::string> expected = {""};
        expected.insert(expected.end(), c.names.begin(), c.names.end());
        expected.resize(c.count + 1u);
        EXPECT_EQ(state.CurrentHeat, c.heat);
        EXPECT_EQ(state.ParticipantCount, c.count);
        EXPECT_EQ(state.Participants, expected);
    }
}

}  // namespace
}  // namespace sc
