#pragma once

// How the program was started: the switches of its command line and the project it names.

#include "1-state/units.h"

#include <optional>
#include <string>

namespace lumidex {

struct StartOptions
{
    Unit units = Unit::Inches;
    bool tipsOff = false;
    bool expertMode = false;
    std::optional<std::string> projectFile; // the project named on the command line
};

} // namespace lumidex
