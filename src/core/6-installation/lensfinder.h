#pragma once

// The lens finder: a dealer in a room knows the screen and the distance available, not the
// lens. It lists every projector and lens that fills that screen from that distance, within
// the model's limits, best first. It uses the same formulas and limits as the installation
// window and never shows a message.

#include "1-state/installationstate.h"
#include "4-crt/focustables.h"

#include <optional>
#include <string>
#include <vector>

namespace lumidex {

struct LensMatch
{
    Selection selection;
    std::string caption; // "LX-460 Standard Zoom Lens", "CR-7300"
    bool zoom = false;
    double throwNear = 0; // inches, zoom lenses
    double throwFar = 0;
    double throwDistance = 0; // inches, fixed lenses and CRT series
    // 0 when the distance sits in the middle of the zoom range (or exactly on a fixed lens's
    // distance), 1 at the ends of what still fits.
    double offCentre = 0;
};

// A fixed lens fits when the distance is within this fraction of its own distance.
inline constexpr double FixedLensTolerance = 0.02;

// `distance` in inches from the lens front. CRT series count as fixed lenses at `position`.
std::vector<LensMatch> findLenses(const ScreenState &screen, MountPosition position,
                                  double distance, const FocusTables &focus);

// The line the Lens Finder window shows under its list after a search from `distance` (inches,
// shown in `units`) found `matches` rows, so that an empty list is never left unexplained.
std::string lensSearchSummary(double distance, std::size_t matches, Unit units);

} // namespace lumidex
