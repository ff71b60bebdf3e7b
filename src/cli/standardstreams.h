#pragma once

// "-" in place of a file name: the standard input where a file is read, the standard output
// where one is written, so that the tool sits in a pipe like any other.

#include "7-project/filereading.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumidex::cli {

inline bool isStandardStream(std::string_view name)
{
    return name == "-";
}

// How messages name the standard input or output where they would name a file.
inline constexpr std::string_view StandardInputName = "standard input";
inline constexpr std::string_view StandardOutputName = "standard output";

// A file's content, or the standard input's for "-", at most `limit` bytes (more fails with
// EFBIG, as a file over the limit does).
std::optional<std::string> readInput(const std::string &name, std::size_t limit,
                                     ReadFailure &failure);

// The bytes on the standard output; false when they could not all be written.
bool writeStandardOutput(std::string_view bytes);

} // namespace lumidex::cli
