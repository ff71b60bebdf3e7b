#pragma once

// The side elevation of one installation, drawn afresh from the numbers of one recalculation:
// the screen at the right, the projector at its distance and height, the dimension lines with
// their values and the rulers. Nothing is carried over from an earlier drawing, so no element
// can show a value that belongs to another installation.

#include "1-state/installationstate.h"
#include "1-state/units.h"
#include "5-drawing/drawing.h"
#include "5-drawing/placement.h"

#include <array>
#include <optional>
#include <string>

namespace lumidex {

struct ElevationInput
{
    Selection selection;
    MountPosition mount = MountPosition::Top; // as mounted (a custom angle's position)
    bool zoom = false;                        // a data projector's zoom lens
    int scale = 20;                           // twips per inch
    Unit units = Unit::Inches;
    float screenHeight = 0.0f; // inches
    VerticalPlacement vertical;
    // CR-75xx: where the projector would stand at each other mounting, by position; none where
    // it has no place beside the screen as drawn.
    std::array<std::optional<VerticalPlacement>, 3> otherMountings;
    // Lens front of the near (or only) and of the farthest position, and where their distance
    // lines start: the lens front, or the installation hole behind it.
    int nearX = 0;
    int nearStartX = 0;
    int farX = 0;
    int farStartX = 0;
    bool fromHole = false; // the distances are measured from the installation hole
    std::string distanceText;
    std::string farText; // zoom lenses only
};

Drawing drawElevation(const ElevationInput &in);

} // namespace lumidex
