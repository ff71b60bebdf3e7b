#pragma once

// The true-scale elevation as a CAD drawing exchange file (DXF, AutoCAD 2007 format, so that
// texts are UTF-8). Lengths are in inches, or in millimetres for a page in millimetres, and
// the header says which, so that a CAD program inserts the elevation at its real size. Each
// kind of element has its layer; the dimensions are the format's own dimension entities,
// which CAD users can restyle and measure again. A page in feet is drawn in inches, its
// dimensions reading whole inches: a CAD drawing has one length unit, and the installer's
// building drawings measure in inches or millimetres.

#include "8-print/trueelevation.h"

#include <array>
#include <string>
#include <string_view>

namespace lumidex {

inline constexpr std::array<std::string_view, 6> DxfLayers{"SCREEN",     "PROJECTOR", "THROW",
                                                           "DIMENSIONS", "TEXT",      "ROOM"};

std::string elevationDxf(const TrueElevation &elevation);

} // namespace lumidex
