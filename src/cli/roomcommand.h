#pragma once

#include <string>
#include <vector>

namespace lumidex::cli {

// lumidex-cli room: the Brightness and Seating window's figures for a screen completed as the
// screen command completes it, as one JSON object on the standard output. Returns the exit
// status; bad arguments print their message and the usage, and give 2.
int runRoom(const std::vector<std::string> &args);

} // namespace lumidex::cli
