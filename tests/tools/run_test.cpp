// slotcursa-tool run end to end: exit codes and the files a script leaves.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/file_io.h"
#include "core/race_store.h"

namespace sc {
namespace {
namespace fs = std::filesystem;

struct ScriptRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string textOf(const fs::path& file) {
    auto data = readFileBytes(file);
    return data ? std::string(data->begin(), data->end()) : "";
}

Bytes bytesOf(const fs::path& file) { return readFileBytes(file).value_or(Bytes{}); }

class RunScript : public testing::Test {
protected:
    void SetUp() override {
        const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        root_ = fs::path(testing::TempDir()) / ("sc_run_" + std::to_string(::getpid()) + "_" + name);
        fs::remove_all(root_);
        fs::create_directories(folder());
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path folder() const { return root_ / "prog"; }
    fs::path race(int n) const { return folder() / raceFolderName(n); }

    // Runs the script in the program folder; `viaStdin` feeds it through "-".
    ScriptRun run(const std::string& script, bool viaStdin = false) {
        const fs::path scriptFile = root_ / "script.txt";
        std::ofstream(scriptFile, std::ios::binary) << script;
        const fs::path errFile = root_ / "stderr.txt";
        std::string command = std::string("'") + SC_TOOL + "' run --folder '" + folder().string() + "' ";
        command += viaStdin ? "- <'" + scriptFile.string() + "'" : "'" + scriptFile.string() + "'";
        command += " 2>'" + errFile.string() + "'";
        ScriptRun result;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe) return result;
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
        const int raw = ::pclose(pipe);
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.err = textOf(errFile);
        return result;
    }

    // Plays heats by hand: the heat counter is the first Integer of the list.
    void setHeatCounter(const fs::path& list, int16_t heats) { ASSERT_TRUE(writeHeatCounter(list, heats)); }

    fs::path root_;
};

constexpr const char* kFourLanes = "track lanes=4\nstart\n";

Bytes seriesCountsOf(int16_t c) {
    return {static_cast<uint8_t>(c), 0, static_cast<uint8_t>(c), 0,
            static_cast<uint8_t>(c), 0, static_cast<uint8_t>(c), 0};
}

Bytes headOf(const Bytes& data, std::size_t n) {
    return Bytes(data.begin(), data.begin() + std::min(n, data.size()));
}

TEST_F(RunScript, NewRace_ThirdRaceCopiesTrackAndStartsWithOneSeriesEach) {
    const ScriptRun r = run(std::string(kFourLanes) + "new-race A | 1\nnew-race B | 2\nnew-race C | 3\n");
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_TRUE(fs::is_directory(race(3)));
    EXPECT_EQ(bytesOf(race(3) / "PISTA.CFG"), bytesOf(folder() / "PISTA.CFG"));
    EXPECT_EQ(headOf(bytesOf(race(3) / "PROVA.DAD"), 8), seriesCountsOf(1));
}

TEST_F(RunScript, NewRace_WithDistributionFileStartsWithNoSeries) {
    std::ofstream(folder() / "DISTRIBUCIONS04.TXT") << "\r\n";
    const ScriptRun r = run(std::string(kFourLanes) + "new-race A | 1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(headOf(bytesOf(race(1) / "PROVA.DAD"), 8), seriesCountsOf(0));
}

TEST_F(RunScript, DeleteRace_TwoOfFourRenumbersTheLaterFolders) {
    const ScriptRun r = run(std::string(kFourLanes) +
                            "new-race R1 | 1\nnew-race R2 | 2\nnew-race R3 | 3\nnew-race R4 | 4\n"
                            "answer yes\ndelete-race 2\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(race(1)));
    EXPECT_FALSE(fs::exists(race(4)));
    EXPECT_EQ(readRaceHeader(race(2) / "PROVA.DAD").name, "R3");
    EXPECT_EQ(readRaceHeader(race(3) / "PROVA.DAD").name, "R4");
}

TEST_F(RunScript, DeleteRace_WithoutAnAnswerKeepsEveryRace) {
    const ScriptRun r = run(std::string(kFourLanes) + "new-race R1 | 1\nnew-race R2 | 2\ndelete-race 1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readRaceHeader(race(1) / "PROVA.DAD").name, "R1");
    EXPECT_TRUE(fs::exists(race(2)));
}

TEST_F(RunScript, DeleteSeries_TwoOfFourMovesTheLaterSeriesDown) {
    const ScriptRun r = run(std::string(kFourLanes) +
                            "new-race C | 1\n"
                            "answer yes\nadd-series 4\nanswer yes\nadd-series 4\nanswer yes\nadd-series 4\n"
                            "series 4 2\nparticipants 4 two\nseries 4 3\nparticipants 4 three\n"
                            "series 4 4\nparticipants 4 four\nanswer yes\ndelete-series 4 2\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readParticipantList(race(1) / "CRS002.PAR").names.at(0), "three");
    EXPECT_EQ(readParticipantList(race(1) / "CRS003.PAR").names.at(0), "four");
    EXPECT_FALSE(fs::exists(race(1) / "CRS004.PAR"));
    EXPECT_EQ(readRaceHeader(race(1) / "PROVA.DAD").SeriesCount[3], 3);
}

TEST_F(RunScript, Participants_AfterThreeHeatsTheCountIsFrozenAndTheFileKeepsTheCounter) {
    ASSERT_EQ(run("track lanes=2\nstart\nnew-race C | 1\nparticipants 4 X;Y\n").status, 0);
    setHeatCounter(race(1) / "CRS001.PAR", 3);
    const ScriptRun r = run("start\nparticipants 4 ABC;DE\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(bytesOf(race(1) / "CRS001.PAR"), (Bytes{3, 0, 3, 0, 'A', 'B', 'C', 2, 0, 'D', 'E'}));
}

TEST_F(RunScript, Participants_AfterFourHeatsWithEightLanesTheMinimumIsEleven) {
    ASSERT_EQ(run("track lanes=8\nstart\nnew-race C | 1\nparticipants 4 1;2;3;4;5;6;7;8;9;10;11;12\n").status,
              0);
    setHeatCounter(race(1) / "CRS001.PAR", 4);
    const ScriptRun r = run("start\nparticipants 4 A;B\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(R"("slots":11,"range":"11 - 99")"), std::string::npos) << r.out;
    EXPECT_EQ(readParticipantList(race(1) / "CRS001.PAR").names.size(), 11u);
}

TEST_F(RunScript, Entrants_AnEmptyListDeletesTheRaceEntrantsFile) {
    ASSERT_EQ(run(std::string(kFourLanes) + "new-race C | 1\nentrants Anna;Pere\n").status, 0);
    ASSERT_TRUE(fs::exists(race(1) / "PROVA.PAR"));
    const ScriptRun r = run("start\nentrants ;;\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(fs::exists(race(1) / "PROVA.PAR"));
}

TEST_F(RunScript, BadLines_StopWithStatusTwoAndTheirLineNumber) {
    struct Case {
        std::string script;
        std::string expected;
    };
    const Case cases[] = {
        {"start\n# comment\n\nfly away\nstate\n", "line 4: unknown command 'fly'"},
        {"start\nrace 1\n", "line 2:"},                     // no race to select
        {"state\n", "line 1: the program is not running"},  // before start
        {"track lanes=4 colour=3\n", "line 1: unknown key 'colour'"},
        {"start\nstart\n", "line 2: the program is already running"},
        {"start\nanswer maybe\n", "line 2: usage: answer"},
        {"start\nanswer yes\nnew-race A | 1\n", "line 3: the answer 'yes' is not a button"},
        {"track connections=5:1\n", "line 1: port must be between 1 and 4"},
    };
    for (const Case& c : cases) {
        fs::remove_all(folder());
        fs::create_directories(folder());
        const ScriptRun r = run(c.script);
        EXPECT_EQ(r.status, 2) << c.script;
        EXPECT_NE(r.err.find(c.expected), std::string::npos) << c.script << "\n" << r.err;
    }
}

TEST_F(RunScript, Quit_WritesTheSelectionsAndTheNextStartDeletesThem) {
    ASSERT_EQ(run(std::string(kFourLanes) + "new-race A | 1\nnew-race B | 2\nrace 1\nquit\n").status, 0);
    EXPECT_TRUE(fs::exists(folder() / "KEL4.INI"));
    const ScriptRun r = run("start\nstate\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(R"("CurrentRace":1,)"), std::string::npos) << r.out;
    EXPECT_FALSE(fs::exists(folder() / "KEL4.INI"));
}

TEST_F(RunScript, Quit_DeletesAStrayRecoveryFile) {
    ASSERT_EQ(run(std::string(kFourLanes) + "quit\n").status, 0);
    std::ofstream(folder() / "KEL4.TMP", std::ios::binary) << " 1 \r\n 4 \r\n 1 \r\n 2 \r\n 36000 \r\n";
    const ScriptRun r = run("start\nquit\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");  // KEL4.INI was there: no question
    EXPECT_FALSE(fs::exists(folder() / "KEL4.TMP"));
}

TEST_F(RunScript, DamagedRaceFiles_PrintTheProgramsTextsInTheLanguage) {
    ASSERT_EQ(run(std::string(kFourLanes) + "new-race A | 1\nnew-race B | 2\nquit\n").status, 0);
    std::ofstream(folder() / kCatalogueFileName, std::ios::binary | std::ios::trunc) << "P";
    const ScriptRun r = run("settings language=1\nstart\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(
        r.out.find("Se han encontrado archivos de pruebas dañados:\\nEl archivo PROVES.LLS está dañado: "
                   "termina a mitad de un valor (byte 0). Se ha rehecho a partir de las carpetas de las "
                   "pruebas."),
        std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("offset"), std::string::npos) << r.out;
}

TEST_F(RunScript, Crash_EndsAtOnceWithoutWritingTheSelections) {
    const ScriptRun r = run(std::string(kFourLanes) + "crash\nnew-race A | 1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(fs::exists(folder() / "KEL4.INI"));
    EXPECT_FALSE(fs::exists(race(1)));
}

TEST_F(RunScript, StandardInput_IsReadForADash) {
    const ScriptRun r = run("start\nstate\n", true);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(R"("races":[])"), std::string::npos) << r.out;
}

TEST_F(RunScript, FirstStart_AcceptsBothWindowsWithTheirDefaults) {
    const ScriptRun r = run("start\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const Bytes settings = bytesOf(folder() / "VIROLA.CFG");
    ASSERT_FALSE(settings.empty());
    EXPECT_FALSE(bytesOf(folder() / "PISTA.CFG").empty());
    const ScriptRun dump = run("track\n");  // the general track window opened again and accepted unchanged
    ASSERT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(bytesOf(folder() / "VIROLA.CFG"), settings);
}

TEST_F(RunScript, Replay_HdwCopiedFromALapLogRebuildsTheHeat) {
    // A free-practice heat of a first pass and three laps, left in the lap log.
    const auto recorded = run(
        "track lanes=2 minlap=1\nstart\nnew-race Cursa | 01-01-2024\nclock 10:00:00\nopen 1\nkey S\n"
        "clock 10:00:05\nmanual 1\nclock 10:00:07\nmanual 1\nclock 10:00:09.5\nmanual 1\n"
        "clock 10:00:12\nmanual 1\nkey S\n");
    ASSERT_EQ(recorded.status, 0) << recorded.err;
    const Bytes log = bytesOf(race(1) / "VLTAVLT.TMP");
    ASSERT_EQ(log.size(), 6u * 24);  // header, four passes, end
    std::ofstream(race(1) / "LLR001.HDW", std::ios::binary)
        .write(reinterpret_cast<const char*>(log.data()), static_cast<std::streamsize>(log.size()));

    const auto replayed = run("start\nclock 11:00:00\nopen 1\nmanual 0\nlanes\n");
    ASSERT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_NE(replayed.out.find(R"("passes":"4","laps":["+1","2.0000","2.5000","2.5000"],"fastest":"2.0000","highlighted":2)"),
              std::string::npos)
        << replayed.out;
    // The replayed heat's own log holds the same passes.
    EXPECT_EQ(bytesOf(race(1) / "VLTAVLT.TMP").size(), log.size());
}

}  // namespace
}  // namespace sc
