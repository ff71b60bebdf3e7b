#pragma once

// Where a data projector must stand to fill the screen: the maker's published throw formulas
// for every model and lens, and how a distance is shown to the installer. CRT series are
// worked out by their own lens-ring and focus-table routines, not here.

#include "1-state/units.h"
#include "3-catalogue/catalogue.h"

#include <string>

namespace lumidex {

struct ThrowResult
{
    bool zoom; // the lens has a nearest and a farthest distance
    // Zoom lens only: the farthest and nearest distances in inches, with the maker's 2.5 %
    // safety margin where the lens has one. A fixed lens has a single distance, so these
    // are 0 and the caller keeps the throwFar and throwNear it already holds: the drawing
    // and the limit checks go on reading the last zoom lens's values.
    float throwFar;
    float throwNear;
    // The distance shown as "throw distance" and from which the projector is placed, in
    // inches: the nearest distance for a zoom lens, the one distance for a fixed lens.
    double throwDistance;
};

// Distances from the front of the lens for the selected data projector and lens. The
// installation-hole offset is added later, by the throw distance point step.
// Precondition: the selection is a data projector, not a CRT series.
ThrowResult computeThrow(const Selection &s, const ThrowInputs &in);

// A distance held in inches as the installation window shows it in `units`: whole inches,
// feet with one decimal, whole millimetres.
std::string formatLength(double inches, Unit units);

} // namespace lumidex
