#pragma once

// A project file as JSON and back, for `lumidex-cli project export` and `import`.
//
// {"pageCount":N,"trailer":"...","pages":[{"texts":[9 strings],"screenWidth":W,...}]}
//
// Texts are UTF-8; the file's own bytes are Windows-1252, and every byte maps to one character
// and back, so an exported file imports to the same bytes. Numbers are written with 9
// significant digits, enough for each 32-bit value to read back exactly. The program never
// stores an infinite or undefined number, but a damaged file may: such a value is written as
// the string "Infinity", "-Infinity" or "NaN" and read back as the same (any NaN as the
// default quiet NaN).

#include "7-project/projectfile.h"

#include <optional>
#include <string>

namespace lumidex::cli {

struct JsonValue;

std::string projectToJson(const Project &project);

// The project a document describes. Every key must be present, no other key is allowed, and
// `pageCount` must match the pages given. Refused, with the reason in `error`, is a document of
// another shape, a number that does not fit its field, a text with a character that has no
// Windows-1252 byte, and a project the program would refuse to open (a page count outside
// 1..99, a unit outside 0-2, a projector code naming no projector, ...). A text too long for
// the file is left for saveProjectFile() to refuse.
std::optional<Project> projectFromJson(const JsonValue &document, std::string *error);

} // namespace lumidex::cli
