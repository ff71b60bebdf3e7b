#pragma once

// The installation state that both windows read and write: the screen, the projector
// selection, the shared flags and the project's page counters. One object for the whole run,
// passed by reference to every window; nothing of it is global.

#include "catalogue/catalogue.h"
#include "geometry/screenmodel.h"

#include <cstdint>

namespace lumidex {

// How the installation window asks the screen calculator to recompute.
enum class ScreenUpdate : std::int16_t
{
    None = 0,
    FromHeight = 1,
    FromWidth = 2,
    FromDiagonal = 3,
    ReapplyUnits = 4,
    SnapAspect = 5,
};

struct InstallationState
{
    ScreenState screen;
    Selection selection = Selection::crt(Series::CR7300);
    std::int16_t inputSignal = -1;
    std::int16_t sxgaAspectMode = 0;

    bool tipsEnabled = true;      // tooltips and explanatory notes
    bool expertMode = false;      // installer's tips suppressed
    bool layoutTipShown = false;  // the "WIDEST screen" tip was shown once
    bool customViaButton = false; // the custom ratio was reached by the aspect button
    ScreenUpdate screenUpdateCode = ScreenUpdate::None;

    std::int16_t pageCount = 1;
    std::int16_t currentPage = 1;

    RangeGroup rangeGroup() const { return rangeGroupOf(selection); }
};

} // namespace lumidex
