#pragma once

#include <string>

namespace lumidex {

// "Version 3.21": major, ".", then minor and revision written together.
std::string versionLabel(int major, int minor, int revision);

// The label of this build, from the project's version.
std::string versionLabel();

// The build's version as the package and `--version` write it: "3.2.1".
std::string versionNumber();

} // namespace lumidex
