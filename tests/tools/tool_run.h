#pragma once
// Runs the built slotcursa-tool as a person would, from a shell.
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace sc::test {

struct ToolRun {
    int status = -1;  // exit status; -1 when the tool did not exit normally
    std::string out;
    std::string err;  // empty when stderr went into out
};

// `arguments` are shell words. Standard error goes to `errFile` and then into
// `err` when a file is named, else into `out` with the rest.
inline ToolRun runTool(const std::string& arguments, const std::filesystem::path& errFile = {}) {
    const std::string redirect = errFile.empty() ? " 2>&1" : " 2>'" + errFile.string() + "'";
    ToolRun run;
    FILE* pipe = ::popen((std::string("'") + SC_TOOL + "' " + arguments + redirect).c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (!errFile.empty()) run.err.assign(std::istreambuf_iterator<char>(std::ifstream(errFile).rdbuf()), {});
    return run;
}

}  // namespace sc::test
