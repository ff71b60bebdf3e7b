#pragma once

// The installation state that both windows read and write: the screen, what the installer
// chose in the installation window, the results of its last recalculation and the shared
// flags. One object for the whole run, passed by reference to every window; nothing of it is
// global.

#include "1-state/screenstate.h"
#include "1-state/selection.h"

#include <array>
#include <cstdint>
#include <optional>

namespace lumidex {

enum class MountPosition : std::int16_t
{
    Top = 0,
    Center = 1,
    Bottom = 2,
    Special = 3
};

// Which end of the projector the throw distances are measured from.
enum class ThrowPoint : std::int16_t
{
    LensFront = 0,
    InstallationHole = 1
};

// What the installer chose in the installation window. Together with the screen they are the
// only state the installation window's view is worked out from: a page stores them, and
// restoring them gives the same window as choosing them by hand.
struct InstallationInputs
{
    Selection selection = Selection::crt(Series::CR7300);
    // The checked Position entry. For a data projector "Special" is an ordinary position;
    // for a CRT series it goes with an accepted custom angle.
    MountPosition position = MountPosition::Top;
    // A custom throw angle the series accepted, degrees (negative above the screen centre).
    std::optional<double> customAngle;
    // The checked Throw Distance Point entry. A recalculation measures from the installation
    // hole only right after the installer chose it; every later one is back at the lens front.
    ThrowPoint throwPoint = ThrowPoint::LensFront;
    bool throwPointPending = false;
    // A throw distance typed for a CRT series, inches, until it has been turned into a screen.
    float enteredThrowDistance = 0.0f;
    std::int16_t inputSignal = -1;   // 1-based entry of the model's list
    std::int16_t sxgaAspectMode = 0; // LX-530: 0 a 4:3 image, otherwise a 5:4 image

    bool customAngleActive() const { return customAngle.has_value(); }
    bool operator==(const InstallationInputs &) const = default;
};

// What the last recalculation worked out, in inches and degrees. Beyond what the window
// shows, these are read by the command-line tool and kept where the calculation keeps them:
// a fixed lens leaves the zoom distances as they were, a ring pair without a solution keeps
// its earlier settings.
struct InstallationResults
{
    float throwNear = 0.0f;
    float throwFar = 0.0f;
    bool throwNearSet = false; // no zoom lens calculated yet
    double throwDistance = 0.0;
    double throwAngle = 15.2;       // the angle the throw angle caption shows
    std::int16_t drawingScale = 20; // twips per inch
    std::int32_t projectorDrawX = 0;
    std::array<int, 4> ringSettings{}; // CR-7100/CR-7200 lens rings, tenths of a degree
    float focusParameter = 0.0f;
    bool ringsSet = false; // a CR-7100/CR-7200 screen size calculation gave ring settings

    bool operator==(const InstallationResults &) const = default;
};

struct InstallationState
{
    ScreenState screen;
    InstallationInputs inputs;
    InstallationResults results;

    bool tipsEnabled = true;      // tooltips and explanatory notes
    bool expertMode = false;      // installer's tips suppressed
    bool layoutTipShown = false;  // the "WIDEST screen" tip was shown once
    bool customViaButton = false; // the custom ratio was reached by the aspect button
};

} // namespace lumidex
