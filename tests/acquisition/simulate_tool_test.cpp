// slotcursa-tool simulate, run as a separate program: its hex lines and the bytes it
// plays on a pseudo-terminal are the simulator's messages, byte for byte.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

#include "acquisition/lap_counter_simulator.h"
#include "decoder_test_helpers.h"
#include "tools/tool_run.h"

namespace sc {
namespace {

TEST(SimulateTool, HexLinesAreTheSimulatorsMessages) {
    const test::ToolRun tool = test::runTool(
        "simulate --model ds030 --first-lane 2 --lanes 3 --lap 1.5 --jitter 0.3 --seconds 12 "
        "--seed 99 --pause 4:2 --stdout-hex");
    ASSERT_EQ(tool.status, 0) << tool.out;
    std::istringstream lines(tool.out);
    const SimulatorPlay play = playLapCounter({.model = LapCounterModel::DS030,
                                               .firstLane = 2,
                                               .lanes = 3,
                                               .lapSeconds = 1.5,
                                               .jitterSeconds = 0.3,
                                               .heatSeconds = 12,
                                               .seed = 99,
                                               .pause = PauseSpec{4, 2}});
    std::string line;
    std::size_t count = 0;
    while (std::getline(lines, line)) {
        ASSERT_LT(count, play.messages.size()) << line;
        std::istringstream fields(line);
        double offset = 0;
        fields >> offset;
        EXPECT_NEAR(offset, play.messages[count].offset, 1e-4);
        Bytes bytes;
        unsigned value = 0;
        while (fields >> std::hex >> value) bytes.push_back(static_cast<uint8_t>(value));
        EXPECT_EQ(bytes, play.messages[count].bytes) << line;
        ++count;
    }
    EXPECT_EQ(count, play.messages.size());
}

TEST(SimulateTool, BadOptionsGiveOneLineAndStatusOne) {
    for (const char* arguments : {"--model DS400 --stdout-hex", "--model 2",
                                  "--model 2 --stdout-hex --lanes 9", "--model 2 --stdout-hex --pause 5"}) {
        const test::ToolRun tool = test::runTool(std::string("simulate ") + arguments);
        EXPECT_EQ(tool.status, 1) << arguments;
        EXPECT_EQ(tool.out.rfind("slotcursa-tool: ", 0), 0u) << tool.out;
        EXPECT_EQ(tool.out.find('\n'), tool.out.size() - 1) << tool.out;
    }
}

// Reads what the pseudo-terminal delivers until the simulator closes it.
Bytes readUntilClosed(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NOCTTY);
    if (fd < 0) return {};
    Bytes received;
    uint8_t chunk[256];
    for (;;) {
        pollfd waiting{fd, POLLIN, 0};
        if (poll(&waiting, 1, 10000) <= 0) break;
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n <= 0) break;
        received.insert(received.end(), chunk, chunk + n);
    }
    close(fd);
    return received;
}

TEST(SimulateTool, PlaysItsStreamOnAPseudoTerminal) {
    const std::string command = std::string(SC_TOOL) +
                                " simulate --model DS300 --lanes 2 --lap 0.6 --jitter 0.1 --seconds 1.5 "
                                "--seed 3 --hold 0.5 --pty 2>&1";
    const std::unique_ptr<FILE, int (*)(FILE*)> tool(popen(command.c_str(), "r"), pclose);
    ASSERT_TRUE(tool);
    char line[256] = {};
    ASSERT_TRUE(std::fgets(line, sizeof line, tool.get()));
    std::string path(line);
    path.erase(path.find_last_not_of("\r\n") + 1);
    ASSERT_EQ(path.rfind("/dev/", 0), 0u) << path;

    Bytes played;
    for (const auto& m :
         playLapCounter({.lanes = 2, .lapSeconds = 0.6, .jitterSeconds = 0.1, .heatSeconds = 1.5, .seed = 3})
             .messages)
        played.insert(played.end(), m.bytes.begin(), m.bytes.end());
    EXPECT_EQ(readUntilClosed(path), played);
}

}  // namespace
}  // namespace sc
