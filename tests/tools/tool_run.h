#pragma once
// Runs the built slotcursa-tool with arguments and collects what it prints.
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace sc::test {

struct ToolRun {
    std::string output;  // stdout and stderr together
    int exitCode = -1;
};

inline ToolRun runTool(const std::string& arguments) {
    const std::string command = std::string("'") + SC_TOOL + "' " + arguments + " 2>&1";
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[512];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
    const int status = pclose(pipe);
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    return run;
}

}  // namespace sc::test
