// Runs the built slotcursa-tool programme and checks its one line of JSON.
#include <gtest/gtest.h>

#include <string>

#include "tools/tool_run.h"

namespace {

using sc::test::ToolRun;

ToolRun runProgramme(const std::string& arguments) { return sc::test::runTool("programme " + arguments); }

int lineCount(const std::string& text) {
    int lines = 0;
    for (char c : text) lines += c == '\n';
    return lines;
}

TEST(ProgrammeCommand, PrintsTheHeatAsOneJsonLine) {
    auto run = runProgramme("--lanes 4 --participants 10 --change 1,2,3,4 --heat 9");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output,
              "{\"heat\":9,\"pass\":0,\"heatInPass\":9,\"positions\":["
              "{\"position\":1,\"lane\":1,\"participant\":2},"
              "{\"position\":2,\"lane\":2,\"participant\":1},"
              "{\"position\":3,\"lane\":3,\"participant\":10},"
              "{\"position\":4,\"lane\":4,\"participant\":9}],"
              "\"heatsRun\":[3,3,3,4,4,4,4,4,4,3]}\n");
}

TEST(ProgrammeCommand, HeatsRunIsNullWhenTheFieldFitsTheLanes) {
    auto run = runProgramme("--lanes 3 --participants 3 --change 3,1,2 --heat 4");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output,
              "{\"heat\":4,\"pass\":1,\"heatInPass\":1,\"positions\":["
              "{\"position\":1,\"lane\":3,\"participant\":3},"
              "{\"position\":2,\"lane\":1,\"participant\":2},"
              "{\"position\":3,\"lane\":2,\"participant\":1}],"
              "\"heatsRun\":null}\n");
}

TEST(ProgrammeCommand, SuperPolePutsTheOneCarOnEveryLane) {
    auto run = runProgramme("--lanes 2 --participants 3 --change 2,1 --heat 2 --superpole");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output,
              "{\"heat\":2,\"pass\":0,\"heatInPass\":2,\"positions\":["
              "{\"position\":1,\"lane\":2,\"participant\":2},"
              "{\"position\":2,\"lane\":1,\"participant\":2}],"
              "\"heatsRun\":[1,1,0]}\n");
}

TEST(ProgrammeCommand, BadArgumentsGiveOneLineAndExitOne) {
    for (const char* arguments : {
             "--lanes 4 --participants 10 --change 1,2,3 --heat 1",        // row shorter than the lanes
             "--lanes 65 --participants 10 --change 1 --heat 1",           // too many lanes
             "--lanes 0 --participants 10 --change 1 --heat 1",            //
             "--lanes 4 --participants 100 --change 1,2,3,4 --heat 1",     // too many participants
             "--lanes 4 --participants 0 --change 1,2,3,4 --heat 1",       //
             "--lanes 4 --participants 10 --change 1,2,3,4 --heat 0",      // no heat 0
             "--lanes 4 --participants 10 --change 1,x,3,4 --heat 1",      // not a number
             "--lanes 4 --participants 10 --change 1,2,3,70000 --heat 1",  // not a lane
             "--lanes four --participants 10 --change 1,2,3,4 --heat 1",
             "--participants 10 --change 1,2,3,4 --heat 1",  // missing option
             "--lanes 4 --participants 10 --change 1,2,3,4 --heat 1 --laps 3",
         }) {
        auto run = runProgramme(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments;
        EXPECT_EQ(lineCount(run.output), 1) << arguments << "\n" << run.output;
        EXPECT_EQ(run.output.find('{'), std::string::npos) << arguments;
    }
}

}  // namespace
