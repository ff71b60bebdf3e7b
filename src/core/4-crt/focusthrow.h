#pragma once

// Where a CR-7300 or CR-7400 must stand to fill a screen, and the reverse: which screen width
// a distance typed by the installer gives. Both read the series' focus record and only
// compute; the installation window shows the messages and resets the screen from the flags
// they return.

#include "4-crt/focustables.h"

namespace lumidex {

// The throw angle the installer chose for the projector.
struct FocusAngleInput
{
    bool special = false;     // the "&Special" position is checked: customAngle is the angle
    double customAngle = 0.0; // degrees, read only when special; a negative angle tilts down
    bool centre = false;      // "&Center of Screen": the lens looks straight at the screen
};

struct FocusThrowResult
{
    // Degrees the drawing shows: 0 at the centre, the record's defaultAngle at the top or
    // bottom, the custom angle as typed (sign kept) when special.
    double throwAngle = 0.0;
    double distanceInches = 0.0;     // from the lens to the screen plane, along the floor
    int roundedDistance = 0;         // the distance the installer is told (halves to even)
    double secondAngleDegrees = 0.0; // the lens axis angle the drawing slants the beam by
    double lensToScreen = 0.0;       // millimetres, straight from the lens to the screen
    double focusAngle = 0.0;         // degrees the lens must be tilted to focus the screen
    // The lens cannot focus this screen at this angle (or the record gives no usable
    // distance): the caller shows the focus message and resets the screen.
    bool focusAngleOutOfRange = false;
    // How many of the two lookups (angle, then screen size) fell outside the measured points;
    // the caller shows DataOutOfRangeMessage that many times.
    int dataOutOfRangeCount = 0;
};

// The throw distance of a screen `screenWidth` inches wide at the chosen angle. The focus
// tables are indexed by the diagonal of a 4:3 screen as wide as this one (1.25 x width),
// whatever the screen's own aspect. A value outside the tables is looked up at the table's
// first entry, as LocateInTable does; a throw steeper than the steepest measured one still
// slants the beam by the projector's real angle, so it can fail the focus check. A record that
// would give no finite distance (a zero lens distance, say) gives zeros and focusAngleOutOfRange,
// so the screen is refused rather than drawn at an impossible place.
FocusThrowResult FocusThrowDistance(const FocusRecord &record, float screenWidth,
                                    const FocusAngleInput &angle);

struct FocusWidthResult
{
    float width = 0.0f;     // inches; the caller runs FocusThrowDistance once more with it
    int rounds = 0;         // throw distances worked out while searching
    bool converged = false; // the width's rounded distance is the typed distance
};

// The screen width whose rounded throw distance is the distance the installer typed (rounded
// to whole inches, halves to even). `seriesRecord` is 1 for the CR-7300, 2 for the CR-7400
// (and CR-7400H): it picks the first guess, the typed distance over the series' usual
// distance-to-width ratio. Each round scales the width by typed distance over reached
// distance. The search gives up, keeping the last width, after 100 rounds (the rounded
// distance can step back and forth across the typed one), when the reached distance is 0 or
// when the width would leave the range of a float.
FocusWidthResult FocusWidthFromDistance(const FocusRecord &record, int seriesRecord,
                                        float typedDistance, const FocusAngleInput &angle);

} // namespace lumidex
