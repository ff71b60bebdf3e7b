#pragma once

// Reading a file the installer named (in the Open dialog, on the command line or to the
// command-line tool) must never hang the program: a named pipe with nobody writing, a socket,
// a device such as /dev/zero or a folder is refused before anything is read, and nothing is
// read past a limit the caller gives.

#include <cstddef>
#include <optional>
#include <string>

namespace lumidex {

// What to do with a file larger than the caller can use.
enum class BeyondLimit
{
    Ignore, // read the first bytes only: a project reader stops after its trailer anyway
    Refuse  // fail with EFBIG, without reading the file when its size already says so
};

// Why a file could not be read: the error number and description of the open failure message.
struct ReadFailure
{
    int errorNumber = 0;
    std::string description;
};

// The content of the ordinary file at `path`, at most `limit` bytes. A file of another kind
// fails with EISDIR for a folder and EINVAL (saying what it is) for a pipe, socket or device.
std::optional<std::string> readRegularFile(const std::string &path, std::size_t limit,
                                           BeyondLimit beyond, ReadFailure &failure);

} // namespace lumidex
