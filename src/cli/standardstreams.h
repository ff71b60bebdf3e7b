#pragma once

// "-" in place of a file name: the standard input where a file is read (inputfile.h reads it),
// the standard output where one is written, so that the tool sits in a pipe like any other.

#include <string_view>

namespace lumidex::cli {

inline bool isStandardStream(std::string_view name)
{
    return name == "-";
}

// How messages name the standard input or output where they would name a file.
inline constexpr std::string_view StandardInputName = "standard input";
inline constexpr std::string_view StandardOutputName = "standard output";

// The bytes on the standard output; false when they could not all be written.
bool writeStandardOutput(std::string_view bytes);

} // namespace lumidex::cli
