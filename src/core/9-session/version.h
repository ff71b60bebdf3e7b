#pragma once

#include <string>

namespace lumidex {

// "Version 3.21": major, ".", then minor and revision written together.
std::string versionLabel(int major, int minor, int revision);

// The label of this build, from the project's version.
std::string versionLabel();

} // namespace lumidex
