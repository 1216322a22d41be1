// slotcursa-tool programme: its options and its one line of JSON. The heat rule
// itself is tested in tests/organisation/heat_programme_test.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tool_run.h"

namespace sc {
namespace {

test::ToolRun programme(const std::string& arguments) { return test::runTool("programme " + arguments); }

TEST(ProgrammeCommand, PrintsTheHeatAsOneJsonLine) {
    auto run = programme("--lanes 4 --participants 10 --change 1,2,3,4 --heat 9");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "{\"heat\":9,\"pass\":0,\"heatInPass\":9,\"positions\":["
              "{\"position\":1,\"lane\":1,\"participant\":2},"
              "{\"position\":2,\"lane\":2,\"participant\":1},"
              "{\"position\":3,\"lane\":3,\"participant\":10},"
              "{\"position\":4,\"lane\":4,\"participant\":9}],"
              "\"heatsRun\":[3,3,3,4,4,4,4,4,4,3]}\n");
    // A field no larger than the lanes has no heats-run list; SuperPole puts one car on every lane.
    EXPECT_NE(programme("--lanes 3 --participants 3 --change 3,1,2 --heat 4").out.find("\"heatsRun\":null"),
              std::string::npos);
    EXPECT_NE(programme("--lanes 2 --participants 3 --change 2,1 --heat 2 --superpole")
                  .out.find("{\"position\":2,\"lane\":1,\"participant\":2}"),
              std::string::npos);
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
        auto run = programme(arguments);
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << arguments << "\n" << run.out;
        EXPECT_EQ(run.out.find('{'), std::string::npos) << arguments;
    }
}

}  // namespace
}  // namespace sc
