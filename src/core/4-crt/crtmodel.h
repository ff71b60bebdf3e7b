#pragma once

// The lens model of the CR-7100, CR-7200 and CR-75xx series. These lenses are not covered by
// the data projector throw formulas: the CR-7100 and CR-7200 throw distance follows from the
// focal geometry of the lens for the screen width and throw angle, and the same geometry gives
// the four lens ring angles the installer dials on the spacers. The CR-75xx uses a simpler
// proportional lens constant and tells the installer its ring position and spacers as a note.
//
// Everything here is a pure function of its arguments: the installation window reads the
// shared state, calls these, shows the messages they name and writes the results back.

#include "1-state/installationstate.h"
#include "1-state/translation.h"
#include "3-catalogue/catalogue.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lumidex {

// Shown (with this title) when a pair of lens rings has no setting for the computed focus.
inline constexpr std::string_view RingInvalidMessage = "Invalid parameter";
inline constexpr std::string_view RingInvalidTitle = "SetParameter/Ring";

// Shown in a plain message box when a custom angle is steeper than the lens allows. The
// CR-7200 text names 17.7 degrees although its lens is refused only beyond 30 degrees; the
// installers' sheets quote the text as it is.
inline constexpr std::string_view Cr7100AngleLimitMessage = LUMIDEX_TRANSLATE_NOOP(
    "Positions", "Angle limit exceeded.  The Maximum Angle for the CR-7100 is (+-)17.7 degrees.");
inline constexpr std::string_view Cr7200AngleLimitMessage = LUMIDEX_TRANSLATE_NOOP(
    "Positions", "Angle limit exceeded.  The Maximum Angle for the CR-7200 is (+-)17.7 degrees.");

// The steepest custom angle each lens accepts, degrees either side of the screen centre.
inline constexpr double Cr7100MaxAngle = 17.7;
inline constexpr double Cr7200MaxAngle = 30.0;

// --- Focus conversion and ring geometry --------------------------------------------------------

// The focus correction of the lens for a ray `thetaDegrees` off the lens axis. The lens was
// measured at 11.9 and 5.5 degrees for six focus parameters; between the measured parameters
// the values are interpolated (and below the first one extrapolated from the first two), and
// between and beyond the two angles a parabola through the origin and both measurements is
// used. The sign follows the side of the axis.
double FocusConversion(double thetaDegrees, float focusParameter);

// The two angles of one lens ring pair: the rings are two arms of length R, one turning about
// the origin and one about (x, q - r); their common end is where they meet.
struct RingResult
{
    bool valid = false; // false: the arms cannot meet; the caller shows RingInvalidMessage
    double first = 0.0;
    double second = 0.0;
};

// Both arms' angles in degrees at the meeting point with the larger x. Arms that just touch
// (their pivots exactly 2R apart) meet at the midpoint even when rounding makes the
// quadratic's discriminant a hair negative. Never returns a value that is not a number.
RingResult RingAngles(double x, double q, double r, double R);

// A ring setting as the installer's tips window shows it.
std::string ringSettingText(int ring);

// --- CR-7100 and CR-7200 -----------------------------------------------------------------------

// The throw angle the lens model works with.
struct Crt7100Angle
{
    // The custom angle is beyond the lens: show `message` and leave every result as it was.
    bool refused = false;
    std::string message;
    double A = 0.0; // degrees; negative only for a custom angle between -2 and 0
    // What the installation keeps as its throw angle: the standard angle of the mounting
    // position, or the custom angle as the installer typed it.
    double throwAngle = 0.0;
};

// mountPosition: 0 top, 1 centre, 2 bottom of screen. A projector at the screen centre throws
// straight (0 degrees); top and bottom use the lens's standard 13.6 degrees. A custom angle
// counts by its size, except that a slight upward tilt (down to -2 degrees) keeps its sign.
// Precondition: `series` is CR7100 or CR7200.
Crt7100Angle crt7100Angle(Series series, MountPosition mountPosition, bool customAngleActive,
                          double throwAngle);

// The screen width the lens must cover: a custom angle steeper than 13.6 degrees spreads the
// picture, so the lens is chosen as for a wider screen.
double effectiveWidth(double screenWidth, double A, bool customAngleActive);

// The lens data for one effective width band.
struct LensBand
{
    double L0 = 0.0; // lens base length, mm
    double h = 0.0;  // slope, mm (before the angle correction)
    double g = 0.0;  // auxiliary angle of the first ring pair, degrees
};

// The lens for effective width `v` (inches), or nothing when no lens band covers it: the
// caller then refuses the screen with the out-of-range message and the reset.
std::optional<LensBand> lensBandFor(double v);

// What the lens model gives for a screen width and throw angle.
struct Crt7100Distance
{
    double L0 = 0.0;       // mm
    double h = 0.0;        // mm, corrected for the throw angle
    double g = 0.0;        // degrees
    double phi = 0.0;      // lens angle, degrees
    double distance = 0.0; // throw distance, inches
};

// Nothing when the effective width lies outside every lens band.
std::optional<Crt7100Distance> crt7100Distance(double screenWidth, double A,
                                               bool customAngleActive);

// A screen size calculation: the distance and the lens rings.
struct Crt7100Forward
{
    double distance = 0.0; // inches
    float focusParameter = 0.0f;
    // {ringSetting 1, ringSetting 2} and {ringSetting 3, ringSetting 4}. A pair is absent when
    // its rings cannot be set: the caller shows RingInvalidMessage once for each absent pair
    // (pair 1-2 first) and keeps that pair's earlier settings.
    std::optional<std::array<int, 2>> rings12;
    std::optional<std::array<int, 2>> rings34;

    // Writes the pairs that were computed into ringSetting 1 to 4 (index 0 to 3).
    void applyRings(std::array<int, 4> &ringSettings) const;
};

// Nothing when the effective width lies outside every lens band (the caller refuses the
// screen). Precondition: `A` comes from a crt7100Angle that was not refused.
std::optional<Crt7100Forward> crt7100Forward(float screenWidth, double A, bool customAngleActive);

// The iteration of the reverse calculation gives up after this many rounds and keeps the
// width it reached: near a band edge the distance jumps, and a typed distance inside the jump
// can never be met within a tenth of an inch.
inline constexpr int Crt7100MaxReverseRounds = 100;

struct Crt7100Reverse
{
    // The width left the lens bands (or the distance could not be worked with): the caller
    // refuses the typed distance with the out-of-range message and the reset.
    bool refused = false;
    float width = 0.0f;    // the screen width that fills the typed distance, inches
    double distance = 0.0; // the model's distance for that width, inches
    int rounds = 0;
    bool converged = false; // within 0.1 inch of the typed distance (rounded to whole inches)
};

// The screen width for a typed throw distance (inches). No lens rings are set by this pass.
Crt7100Reverse crt7100Reverse(float enteredDistance, double A, bool customAngleActive);

// --- CR-75xx -----------------------------------------------------------------------------------

// The lens ring note for a screen up to 120 inches wide, for a wider one, and the same two at
// the centre of the screen.
inline constexpr std::array<std::string_view, 4> Crt7500Notes{
    LUMIDEX_TRANSLATE_NOOP("Notes", " Lens Ring Position = 100,  CRT Spacers = 100"),
    LUMIDEX_TRANSLATE_NOOP("Notes", " Lens Ring Position = 200,  CRT Spacers = 200 and 0.2mm"),
    LUMIDEX_TRANSLATE_NOOP("Notes", " Lens Ring Position = 100,  CRT Spacers = 100 and 0.8mm"),
    LUMIDEX_TRANSLATE_NOOP("Notes", " Lens Ring Position = 200,  CRT Spacers = 200 and 0.8mm"),
};

struct Crt7500Result
{
    double throwAngle = 0.0; // degrees
    double K = 0.0;          // lens constant, mm
    std::string notes;       // for the Notes field of the installation sheet
    // A typed distance was given: the screen width it fills, inches.
    std::optional<float> newWidth;
    // The throw distance, inches: the typed one, or the one the screen width needs.
    double distance = 0.0;
};

// S: screen width (inches); V: typed throw distance (inches, 0 when none); mountPosition:
// 0 top, 1 centre, 2 bottom of screen.
Crt7500Result CalculateCrt7500(float S, float V, MountPosition mountPosition);

} // namespace lumidex
