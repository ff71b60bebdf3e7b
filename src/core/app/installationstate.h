#pragma once

// The installation state that both windows read and write: the screen, the projector
// selection, the shared flags and the project's page counters. One object for the whole run,
// passed by reference to every window; nothing of it is global.

#include "catalogue/catalogue.h"
#include "geometry/screenmodel.h"

#include <array>
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

enum class MountPosition : std::int16_t
{
    Top = 0,
    Center = 1,
    Bottom = 2,
    Special = 3
};

struct InstallationState
{
    ScreenState screen;
    Selection selection = Selection::crt(Series::CR7300);
    std::int16_t inputSignal = -1;
    std::int16_t sxgaAspectMode = 0;
    bool restoringSelection = false; // a stored page re-applies its selection

    bool tipsEnabled = true;      // tooltips and explanatory notes
    bool expertMode = false;      // installer's tips suppressed
    bool layoutTipShown = false;  // the "WIDEST screen" tip was shown once
    bool customViaButton = false; // the custom ratio was reached by the aspect button
    ScreenUpdate screenUpdateCode = ScreenUpdate::None;

    // Installation inputs and results of the last recalculation (distances in inches).
    float enteredThrowDistance = 0.0f; // typed for a CRT series; 0 when none
    MountPosition mountPosition = MountPosition::Top;
    bool customAngleActive = false;
    double throwAngle = 15.2; // degrees; negative above the screen centre
    bool throwPointPending = false;
    float throwNear = 0.0f;
    float throwFar = 0.0f;
    bool throwNearSet = false; // no zoom lens calculated yet
    double throwDistance = 0.0;
    std::int16_t drawingScale = 20; // twips per inch
    std::int32_t projectorDrawX = 0;
    std::array<int, 4> ringSettings{}; // CR-7100/CR-7200 lens rings, tenths of a degree
    float focusParameter = 0.0f;
    bool ringsSet = false; // a CR-7100/CR-7200 screen size calculation gave ring settings

    RangeGroup rangeGroup() const { return rangeGroupOf(selection); }
};

} // namespace lumidex
