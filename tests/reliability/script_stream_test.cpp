// `slotcursa-tool run -` on a pipe: each line runs as it arrives and its reply
// comes before the next line is written.
#include <gtest/gtest.h>

#include <filesystem>

#include "../temp_folder.h"
#include "driver_process.h"

namespace sc::reliability {
namespace {

namespace fs = std::filesystem;
constexpr auto kWait = std::chrono::seconds(30);

TEST(ScriptOnPipe, EachReplyComesWhileTheInputStaysOpen) {
    const test::TempFolder temp;
    const fs::path folder = temp.path() / "prog";
    fs::create_directories(folder);
    DriverProcess program(SC_TOOL, folder, temp.path() / "stderr.txt");
    ASSERT_TRUE(program.send("track lanes=4"));
    ASSERT_TRUE(program.send("start"));
    ASSERT_TRUE(program.send("new-race Pipe | 01-01-2024"));
    const auto box = program.readLine(kWait);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->rfind("{\"box\":{\"title\":\"Nova prova\"", 0), 0u) << *box;
    // The race exists on disk before the next line is even written.
    EXPECT_TRUE(fs::exists(folder / "PROVA001" / "PROVA.DAD"));
    ASSERT_TRUE(program.sync(kWait));
    ASSERT_TRUE(program.send("quit"));
    EXPECT_EQ(program.finish(), 0);
    EXPECT_TRUE(fs::exists(folder / "KEL4.INI"));
}

}  // namespace
}  // namespace sc::reliability
