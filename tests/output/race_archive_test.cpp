#include "output/race_archive.h"

#include <gtest/gtest.h>

#include <set>

#include "app/app_test_helpers.h"
#include "core/race_store.h"
#include "temp_folder.h"

namespace sc {
namespace {
namespace fs = std::filesystem;

std::string readText(const fs::path& file) {
    return fs::exists(file) ? test::readText(file) : std::string("<missing>");
}

// Counted text as the archive stores it.
std::string counted(const std::string& s) {
    return std::string{static_cast<char>(s.size() & 0xFF), static_cast<char>(s.size() >> 8)} + s;
}
std::string longBytes(int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    return {static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16),
            static_cast<char>(u >> 24)};
}
std::string entry(const std::string& name, const std::string& content) {
    return counted(name) + longBytes(static_cast<int32_t>(content.size())) + content;
}

class RaceArchiveTest : public ::testing::Test {
protected:
    void SetUp() override { test::addRace(app, "Copa", "01-02-2026", {0, 1, 0, 2}); }
    fs::path race() const { return app / raceFolderName(1); }
    std::string header() const { return readText(race() / kRaceHeaderFileName); }

    // Restores archive bytes written to `bad.prb` beside the program folder.
    ArchiveOutcome restoreBytes(const std::string& bytes, const ArchiveListener& listener = {}) {
        test::writeText(root.path() / "bad.prb", bytes);
        return DesarxivarProva(state, root.path() / "bad.prb", app, listener);
    }
    // Every path below the temporary root but the archive under test, so a
    // test can see that nothing else appeared.
    std::set<std::string> disk() const {
        std::set<std::string> paths;
        for (const auto& entry : fs::recursive_directory_iterator(root.path()))
            if (entry.path() != root.path() / "bad.prb") paths.insert(entry.path().string());
        return paths;
    }
    std::string formatMessage() const { return "El format de l'arxiu no és correcte"; }
    // The archive's head: magic, race name and date; the file count follows.
    const std::string head = std::string("KEL_ARX_PRB_V42") + counted("Copa") + counted("01-02-2026");

    test::TempFolder root;
    fs::path app = root.path() / "app";
    fs::path archive = root.path() / "copa.prb";
    RaceState state;
};

TEST_F(RaceArchiveTest, ArchiveHoldsTheLayoutByteForByteInListOrder) {
    test::writeText(race() / "Z.DAD", "xyz");
    test::writeText(race() / "EMPTY.PEN", "");
    ASSERT_TRUE(ArxivarProva(state, race(), {" Z.DAD ", "EMPTY.PEN", "PROVA.DAD"}, archive).ok());

    const std::string expected = head + std::string("\x03\x00", 2) + entry("Z.DAD", "xyz") +
                                 entry("EMPTY.PEN", "") + entry("PROVA.DAD", header());
    EXPECT_EQ(readText(archive), expected);
    EXPECT_FALSE(fs::exists(root.path() / "copa.prb.~part"));
}

TEST_F(RaceArchiveTest, TwelveFilesRestoreTwiceAsConsecutiveRaces) {
    std::vector<std::string> files{"PROVA.DAD"};
    for (int i = 11; i >= 1; --i) {
        const std::string name = "CRS" + std::to_string(100 + i) + ".VAV";
        test::writeText(race() / name,
                        std::string(static_cast<std::size_t>(i) * 70000, static_cast<char>('a' + i)));
        files.push_back(name);
    }
    test::writeText(race() / "CRS111.VAV", "");  // an empty file among them
    ASSERT_TRUE(ArxivarProva(state, race(), files, archive).ok());
    EXPECT_EQ(readText(archive).substr(15 + 6 + 12, 2), std::string("\x0C\x00", 2));

    std::vector<int> restored;
    std::vector<ArchiveProgress> seen;
    for (int round = 0; round < 2; ++round) {
        const auto outcome = DesarxivarProva(state, archive, app, [&](const ArchiveProgress& p) {
            seen.push_back(p);
            return true;
        });
        ASSERT_TRUE(outcome.ok()) << outcome.message;
        restored.push_back(outcome.raceNumber);
    }
    EXPECT_EQ(restored, (std::vector<int>{2, 3}));
    for (const std::string& name : files)
        EXPECT_EQ(readText(app / "PROVA003" / name), readText(race() / name)) << name;
    const auto catalogue = readCatalogue(app / kCatalogueFileName);
    ASSERT_EQ(catalogue.size(), 3u);
    EXPECT_EQ(catalogue[2], (CatalogueEntry{"Copa", "01-02-2026"}));

    const ArchiveProgress& last = seen.back();
    EXPECT_EQ(last.InfoArxiu, "Desarxivant Copa (01-02-2026)");
    EXPECT_EQ(last.percent(), "12/12");
    EXPECT_EQ(last.InfoTreball, files.back());
}

TEST_F(RaceArchiveTest, ExistingArchiveIsReplacedOnlyWhenTheNewOneIsWhole) {
    test::writeText(archive, "old");
    test::writeText(race() / "BIG.VAV", std::string(3 << 20, 'b'));
    int calls = 0;
    const auto cancelled = ArxivarProva(state, race(), {"PROVA.DAD", "BIG.VAV"}, archive,
                                        [&](const ArchiveProgress&) { return ++calls < 6; });
    EXPECT_EQ(cancelled.message, "Cancel·lat: no s'ha deixat cap arxiu a mitges.");
    EXPECT_EQ(readText(archive), "old");
    EXPECT_FALSE(fs::exists(root.path() / "copa.prb.~part"));

    ASSERT_TRUE(ArxivarProva(state, race(), {"PROVA.DAD"}, archive).ok());
    EXPECT_EQ(readText(archive).substr(0, 15), "KEL_ARX_PRB_V42");
}

TEST_F(RaceArchiveTest, ArchivingAMissingFileOrADamagedHeaderLeavesNoArchive) {
    auto missing = ArxivarProva(state, race(), {"PROVA.DAD", "GONE.DAD"}, archive);
    EXPECT_NE(missing.message.find("GONE.DAD"), std::string::npos) << missing.message;
    // A write that cannot happen says why, in the director's words.
    EXPECT_EQ(ArxivarProva(state, race(), {}, root.path() / "no" / "copa.prb").message,
              "No s'ha pogut gravar copa.prb: l'arxiu o la carpeta no existeix.");
    test::writeText(race() / kRaceHeaderFileName, std::string(20, '\0'));
    EXPECT_FALSE(ArxivarProva(state, race(), {"PROVA.DAD"}, archive).ok());
    EXPECT_FALSE(fs::exists(archive));
    EXPECT_FALSE(fs::exists(root.path() / "copa.prb.~part"));
}

TEST_F(RaceArchiveTest, TextFileOrWrongMagicCreatesNoFolder) {
    const auto before = disk();
    for (const std::string& bytes :
         {std::string("Hola, no sóc cap arxiu.\r\n"), std::string("KEL_ARX"), std::string()}) {
        EXPECT_EQ(restoreBytes(bytes).message, formatMessage());
        EXPECT_EQ(disk(), before);
    }
    state.Settings.Language = 1;
    EXPECT_EQ(restoreBytes("KEL_ARX_PRB_V41").message, "El formato del archivo no es correcto");
}

TEST_F(RaceArchiveTest, HostileArchivesAreRefusedWithNothingWritten) {
    const std::string dad = entry("PROVA.DAD", header());
    auto two = [&](const std::string& second) { return head + std::string("\x02\x00", 2) + dad + second; };
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"dot-dot folder part", two(entry("../evil.txt", "x"))},
        {"backslash folder part", two(entry("..\\evil.txt", "x"))},
        {"absolute name", two(entry("/tmp/evil.txt", "x"))},
        {"drive name", two(entry("C:evil.txt", "x"))},
        {"dot-dot alone", two(entry("..", "x"))},
        {"empty name", two(entry("", "x"))},
        {"duplicate name", two(entry("prova.dad", "x"))},
        {"control character", two(entry(std::string("a\0b", 3), "x"))},
        {"negative length", two(counted("A.DAD") + longBytes(-1))},
        {"length past the end", two(counted("A.DAD") + longBytes(5) + "abc")},
        {"huge length", two(counted("A.DAD") + longBytes(0x7FFFFFFF))},
        {"negative name length", two(std::string("\xFF\xFF", 2))},
        {"count the archive cannot hold", head + std::string("\xFF\x7F", 2) + dad},
        {"negative count", head + std::string("\xFF\xFF", 2) + dad},
        {"truncated name", two(counted("LONGNAME.DAD").substr(0, 6))},
        {"bytes after the last file", two(entry("A.DAD", "x")) + "tail"},
        {"negative race name length", std::string("KEL_ARX_PRB_V42\xFF\xFF", 17)},
    };
    const auto before = disk();
    for (const auto& [what, bytes] : cases) {
        const auto outcome = restoreBytes(bytes);
        EXPECT_EQ(outcome.message.rfind(formatMessage() + "\n", 0), 0u) << what << ": " << outcome.message;
        EXPECT_EQ(disk(), before) << what;
    }
    EXPECT_EQ(readCatalogue(app / kCatalogueFileName).size(), 1u);
}

TEST_F(RaceArchiveTest, HalfRestoredRaceIsRemoved) {
    const auto before = disk();
    // Every name is sound but the race header is missing: the folder made for it goes again.
    auto outcome = restoreBytes(head + std::string("\x01\x00", 2) + entry("CRS001.DAD", "data"));
    EXPECT_EQ(outcome.message.rfind(formatMessage() + "\n", 0), 0u) << outcome.message;
    EXPECT_EQ(disk(), before);

    // Cancelled during the copy.
    const std::string whole = head + std::string("\x02\x00", 2) + entry("PROVA.DAD", header()) +
                              entry("CRS001.VAV", std::string(3 << 20, 'v'));
    int calls = 0;
    outcome = restoreBytes(whole, [&](const ArchiveProgress& p) { return p.file < 2 || ++calls < 2; });
    EXPECT_EQ(outcome.message, "Cancel·lat: no s'ha deixat cap arxiu a mitges.");
    EXPECT_EQ(disk(), before);
}

}  // namespace
}  // namespace sc
