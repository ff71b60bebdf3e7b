#pragma once

// Start-up switches: /m with a unit letter, /t (tooltips off), /x (expert mode). Each switch
// is looked for anywhere in the command line, case-sensitively.

#include "geometry/units.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lumidex {

struct StartOptions
{
    Unit units = Unit::Inches;
    bool tipsOff = false;
    bool expertMode = false;
    std::optional<std::string> projectFile; // an existing .lmx named on the command line
};

StartOptions parseSwitches(std::string_view commandLine);

// The program's arguments (without the program name). An argument that names an existing
// project file is taken as the project to open and is left out of the switch search, so that
// a path such as /tmp/x.lmx cannot switch tooltips off or expert mode on.
StartOptions parseArguments(std::span<const std::string> arguments);

bool isProjectFileName(std::string_view name);

} // namespace lumidex
