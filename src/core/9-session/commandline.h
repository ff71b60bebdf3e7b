#pragma once

// Start-up switches: /m with a unit letter, /t (tooltips off), /x (expert mode). Each switch
// is looked for anywhere in the command line, case-sensitively.

#include "1-state/startoptions.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lumidex {

StartOptions parseSwitches(std::string_view commandLine);

// The program's arguments (without the program name). An argument ending in ".lmx" (any case)
// or naming anything that exists (file or folder) is a project argument: it is never searched
// for switches, so that "/trips/gone.lmx" cannot switch tooltips off nor a folder "/mmedia"
// switch to millimetres. The first project argument is the project to open, even when it is
// missing or not a project, so that the installer learns why it did not open.
StartOptions parseArguments(std::span<const std::string> arguments);

bool isProjectFileName(std::string_view name);

} // namespace lumidex
