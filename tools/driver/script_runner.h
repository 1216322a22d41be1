#pragma once
// Runs a driver script line by line through the command table.

#include <functional>
#include <optional>
#include <ostream>
#include <vector>

#include "tools/driver/script_line.h"

namespace sc::driver {

class Session;

inline constexpr int kScriptFailed = 2;  // exit status of a line the driver cannot carry out

// Hands out the script's lines one at a time; nullopt at its end.
using NextScriptLine = std::function<std::optional<ScriptLine>()>;

// Runs each line as `next` hands it out, flushing the output after every line
// so that a harness on a pipe sees each reply before it sends the next line.
// After a crash the lines wait for a later `start` (a new run of the program,
// which then works on the files the crash left); with none they are dropped.
// 0 when every line ran (or the script crashed the program on purpose);
// kScriptFailed after writing "line N: why" to `errors`.
int runScript(const NextScriptLine& next, Session& session, std::ostream& errors);
int runScript(const std::vector<ScriptLine>& lines, Session& session, std::ostream& errors);

}  // namespace sc::driver
