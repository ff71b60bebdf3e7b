#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumidex::cli {

// Everything the tool reads as input (a project's JSON, a session's actions) is far smaller
// than this; a larger input, a device such as /dev/zero or a file chosen by mistake, is refused
// before it is read.
inline constexpr std::size_t MaxInputBytes = std::size_t{4} << 20;

// The whole file at `path`, or nothing with the open failure message
// in `failure`. Only an ordinary file is read: a folder, a named pipe or a device is refused
// without waiting on it. `contents` names what the file should hold, for the message about a
// file that is too large ("a project's JSON").
std::optional<std::string> readInputFile(const std::string &path, std::string_view contents,
                                         std::string &failure);
// The standard input (a pipe is what it is for), capped at the same size.
std::optional<std::string> readStandardInput(std::string_view contents, std::string &failure);

} // namespace lumidex::cli
