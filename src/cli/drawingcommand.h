#pragma once

#include <string>
#include <vector>

namespace lumidex::cli {

// project drawing FILE.lmx -o OUT.dxf|OUT.svg [--page N | --pages A-B] [--format dxf|svg]:
// the side elevation of each page as a true-scale DXF or as the window's picture in SVG, one
// file a page (NAME-p01.dxf, ...) when several are asked for; -o - writes the one page to the
// standard output. `args` follow "drawing". Bad arguments throw UsageError; a project that
// cannot be read, pages it does not have, a page that cannot be drawn or a file that cannot
// be written return 1, each page written whole or not at all.
int runProjectDrawing(const std::vector<std::string> &args);

} // namespace lumidex::cli
