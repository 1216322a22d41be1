// slotcursa-tool run end to end: exit codes and the files a script leaves.
// What the commands do to races, series, lists and the selections file is the
// windows' logic, tested in organisation/ and app/ and by tests/scripts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/file_io.h"
#include "core/race_store.h"
#include "temp_folder.h"
#include "tool_run.h"

namespace sc {
namespace {
namespace fs = std::filesystem;
using test::ToolRun;

Bytes bytesOf(const fs::path& file) { return readFileBytes(file).value_or(Bytes{}); }

class RunScript : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(folder()); }

    fs::path folder() const { return temp_.path() / "prog"; }
    fs::path race(int n) const { return folder() / raceFolderName(n); }

    // Runs the script in the program folder. Scripts read through "-" run on a pipe in
    // the kill rounds (tests/reliability).
    ToolRun run(const std::string& script) {
        const fs::path scriptFile = temp_.path() / "script.txt";
        std::ofstream(scriptFile, std::ios::binary) << script;
        return test::runTool("run --folder '" + folder().string() + "' '" + scriptFile.string() + "'",
                             temp_.path() / "stderr.txt");
    }

    test::TempFolder temp_;
};

TEST_F(RunScript, BadLines_StopWithStatusTwoAndTheirLineNumber) {
    const std::pair<std::string, std::string> cases[] = {
        {"start\nrace 1\n", "line 2:"},                                              // no race to select
        {"start\n# comment\n\nfly away\nstate\n", "line 4: unknown command 'fly'"},  // blanks count
        {"state\n", "line 1: the program is not running"},                           // before start
        {"track lanes=4 colour=3\n", "line 1: unknown key 'colour'"},
        {"start\nstart\n", "line 2: the program is already running"},
        {"start\nanswer maybe\n", "line 2: usage: answer"},
        {"start\nanswer yes\nnew-race A | 1\n", "line 3: the answer 'yes' is not a button"},
        {"track connections=5:1\n", "line 1: port must be between 1 and 4"},
    };
    for (const auto& [script, expected] : cases) {
        const ToolRun r = run(script);
        EXPECT_EQ(r.status, 2) << script;
        EXPECT_EQ(r.err.rfind("slotcursa-tool: " + expected, 0), 0u) << script << "\n" << r.err;
    }
}

TEST_F(RunScript, Crash_EndsAtOnceWithoutWritingTheSelections) {
    ASSERT_EQ(run("track lanes=4\nstart\ncrash\nnew-race A | 1\n").status, 0);
    EXPECT_FALSE(fs::exists(folder() / "KEL4.INI"));
    EXPECT_FALSE(fs::exists(race(1)));
}

TEST_F(RunScript, FirstStart_AcceptsBothWindowsWithTheirDefaults) {
    const ToolRun r = run("start\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const Bytes settings = bytesOf(folder() / "VIROLA.CFG");
    ASSERT_FALSE(settings.empty());
    EXPECT_FALSE(bytesOf(folder() / "PISTA.CFG").empty());
    // The general track window opened again and accepted unchanged.
    ASSERT_EQ(run("track\n").status, 0);
    EXPECT_EQ(bytesOf(folder() / "VIROLA.CFG"), settings);
}

TEST_F(RunScript, Replay_HdwCopiedFromALapLogRebuildsTheHeat) {
    // A free-practice heat of a first pass and three laps, left in the lap log.
    const auto recorded =
        run("track lanes=2 minlap=1\nstart\nnew-race Cursa | 01-01-2024\nclock 10:00:00\nopen 1\nkey S\n"
            "clock 10:00:05\nmanual 1\nclock 10:00:07\nmanual 1\nclock 10:00:09.5\nmanual 1\n"
            "clock 10:00:12\nmanual 1\nkey S\n");
    ASSERT_EQ(recorded.status, 0) << recorded.err;
    const Bytes log = bytesOf(race(1) / "VLTAVLT.TMP");
    ASSERT_EQ(log.size(), 6u * 24);  // header, four passes, end
    ASSERT_TRUE(writeFileAtomic(race(1) / "LLR001.HDW", log));

    const auto replayed = run("start\nclock 11:00:00\nopen 1\nmanual 0\nlanes\n");
    ASSERT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_NE(
        replayed.out.find(
            R"("passes":"4","laps":["+1","2.0000","2.5000","2.5000"],"fastest":"2.0000","highlighted":2)"),
        std::string::npos)
        << replayed.out;
    // The replayed heat's own log holds the same passes.
    EXPECT_EQ(bytesOf(race(1) / "VLTAVLT.TMP").size(), log.size());
}

}  // namespace
}  // namespace sc
