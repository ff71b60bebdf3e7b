#pragma once

#include "8-print/printjob.h"

#include <string>

namespace lumidex {
class ProjectDocument;
}

namespace lumidex::cli {

// Writes the requested pages of the project the window holds as installation sheets into one
// PDF at output, painted as the printer paints them. Runs without a display. Nothing is left at
// output unless the whole PDF was written; error then says why.
bool writeSheetPdf(lumidex::ProjectDocument &document, const lumidex::PrintRequest &request,
                   const std::string &output, std::string &error);

} // namespace lumidex::cli
