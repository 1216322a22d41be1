#pragma once
// Runs a driver script line by line through the command table.

#include <ostream>
#include <vector>

#include "tools/driver/script_line.h"

namespace sc::driver {

class Session;

inline constexpr int kScriptFailed = 2;  // exit status of a line the driver cannot carry out

// 0 when every line ran (or the script crashed the program on purpose);
// kScriptFailed after writing "line N: why" to `errors`.
int runScript(const std::vector<ScriptLine>& lines, Session& session, std::ostream& errors);

}  // namespace sc::driver
