#pragma once

#include <string>
#include <vector>

namespace lumidex::cli {

// lumidex-cli session FILE (or - for the standard input): replays the installer's actions, one
// JSON object a line, on the program's own windows and prints, after the last one, the
// installation window's state as one JSON object. Returns the exit status; an unknown action or
// a bad argument names its line and gives 2.
int runSession(std::vector<std::string> args);

} // namespace lumidex::cli
