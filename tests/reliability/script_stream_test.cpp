// `slotcursa-tool run -` on a pipe: each line runs as it arrives and its reply
// comes before the next line is written.
#include <gtest/gtest.h>

#include <filesystem>

#include "../temp_folder.h"
#include "core/file_io.h"
#include "driver_process.h"

namespace sc::reliability {
namespace {

namespace fs = std::filesystem;
constexpr auto kWait = std::chrono::seconds(30);

class ScriptOnPipe : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(folder()); }

    fs::path folder() const { return temp_.path() / "prog"; }
    fs::path errors() const { return temp_.path() / "stderr.txt"; }
    std::string errorText() const {
        const Bytes text = readFileBytes(errors()).value_or(Bytes{});
        return {text.begin(), text.end()};
    }

    test::TempFolder temp_;
};

TEST_F(ScriptOnPipe, EachReplyComesWhileTheInputStaysOpen) {
    DriverProcess program(SC_TOOL, folder(), errors());
    ASSERT_TRUE(program.send("track lanes=4"));
    ASSERT_TRUE(program.send("start"));
    ASSERT_TRUE(program.send("new-race Pipe | 01-01-2024"));
    const auto box = program.readLine(kWait);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->rfind("{\"box\":{\"title\":\"Nova prova\"", 0), 0u) << *box;
    // The race exists on disk before the next line is even written.
    EXPECT_TRUE(fs::exists(folder() / "PROVA001" / "PROVA.DAD"));
    ASSERT_TRUE(program.sync(kWait));
    ASSERT_TRUE(program.send("quit"));
    EXPECT_EQ(program.finish(), 0);
    EXPECT_TRUE(fs::exists(folder() / "KEL4.INI"));
}

TEST_F(ScriptOnPipe, BadLineStopsWithItsLineNumberCountingBlanksAndComments) {
    DriverProcess program(SC_TOOL, folder(), errors());
    ASSERT_TRUE(program.send("# comment"));
    ASSERT_TRUE(program.send(""));
    ASSERT_TRUE(program.send("start"));
    ASSERT_TRUE(program.sync(kWait));
    ASSERT_TRUE(program.send("fly away"));
    EXPECT_EQ(program.finish(), 2);
    EXPECT_EQ(errorText(), "slotcursa-tool: line 5: unknown command 'fly'\n");
}

TEST_F(ScriptOnPipe, LinesAfterCrashWaitForStartAndAreDroppedWithout) {
    {
        // Without a later start the lines after the crash never run: 'lanes' would fail.
        DriverProcess program(SC_TOOL, folder(), errors());
        for (const char* line : {"start", "crash", "lanes", "bogus"}) ASSERT_TRUE(program.send(line));
        EXPECT_EQ(program.finish(), 0);
        EXPECT_EQ(errorText(), "");
        EXPECT_FALSE(fs::exists(folder() / "KEL4.INI"));
    }
    // With one they run in order on the crash's files, then the new run.
    DriverProcess program(SC_TOOL, folder(), errors());
    for (const char* line : {"start", "crash", "clock 10:00:00", "start", "quit"})
        ASSERT_TRUE(program.send(line));
    EXPECT_EQ(program.finish(), 0);
    EXPECT_EQ(errorText(), "");
    EXPECT_TRUE(fs::exists(folder() / "KEL4.INI"));
}

}  // namespace
}  // namespace sc::reliability
