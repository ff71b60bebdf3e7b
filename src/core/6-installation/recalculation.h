#pragma once

// One recalculation of the installation window. It reads the screen and the installer's
// inputs and works out, from nothing, everything the window shows: the distances, the side
// elevation, the frame texts, the automatic note, the enabled and checked menu entries and
// the field texts. A screen the selection cannot fill is not shown at all: the recalculation
// says which correction the screen calculator must make, and the corrected screen comes back
// with a fresh recalculation.

#include "1-state/installationstate.h"
#include "1-state/translation.h"
#include "4-crt/focustables.h"
#include "5-drawing/drawing.h"
#include "5-drawing/elevation.h"
#include "6-installation/positions.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

enum class NoteColour
{
    Black,
    Red,
    Blue
};

struct Notice
{
    std::string text;
    NoteColour colour = NoteColour::Black;
    bool operator==(const Notice &) const = default;
};

struct InstallationView
{
    Drawing drawing = Drawing::layout();
    std::string distanceText; // the throw distance box
    std::string farText;      // the far distance box of a zoom lens
    std::string frameTitle;
    std::string lensLabel;
    std::string aspectModeCaption; // LX-530 only
    std::string throwAngleText;    // CRT series only
    // The notes this installation calls for, in order: the first goes into the Notes field
    // unless the installer wrote one of his own; the drawing shows the others.
    std::vector<Notice> notices;
    PositionFlags positionEnabled{};
    MountPosition checkedPosition = MountPosition::Top;
    ThrowPoint checkedThrowPoint = ThrowPoint::LensFront;
    bool distanceEnabled = false; // a throw distance can be typed (CRT series)
    std::vector<std::string> inputSignals;
    int inputSignalIndex = -1;
    std::array<std::string, 3> sizeTexts{"60", "80", "100"}; // by Dimension
    std::string aspectText = "1.33";
    std::string unitsCaption = translate("Recalculation", "Unit = in.");

    bool operator==(const InstallationView &) const = default;
};

// The automatic notes a recalculation writes. Text in the Notes field that is none of them
// (nor empty, nor a new page's " New Page") was written by the installer and is never
// overwritten.
// They are kept in English and translated where they are shown; a note counts as automatic in
// English and in the translation in force.
inline constexpr std::string_view ZoomNote = LUMIDEX_TRANSLATE_NOOP(
    "Notes", "Projector can be positioned anywhere along the line indicated.");
inline constexpr std::string_view ZoomNoteTwoLines = LUMIDEX_TRANSLATE_NOOP(
    "Notes", "Projector can be positioned anywhere along the lines indicated.");
inline constexpr std::string_view TiltNote =
    LUMIDEX_TRANSLATE_NOOP("Notes", " NOTE: Projector Tilt shown may not be correct.");
inline constexpr std::string_view SpacerNote =
    LUMIDEX_TRANSLATE_NOOP("Notes", "Removal of lens spacers is required for this throw angle.");
bool isAutomaticNote(std::string_view notes);
NoteColour noteColourOf(std::string_view notes);

// What the screen calculator must do to the screen before the installation can be shown.
enum class ScreenCorrection
{
    None,
    OutOfRange,    // the screen is refused: back to a 100 inch diagonal
    AspectNotice,  // the ratio is not supported: 4:3 (or the ratio snapped by the notice)
    TypedDistance, // a typed throw distance gives the screen width `width`
    FocusAngle,    // the lens cannot focus it: a diagonal of 100 in the display units
};

struct Recalculation
{
    std::vector<MessageText> messages; // shown in this order, before the correction
    ScreenCorrection correction = ScreenCorrection::None;
    bool fourByThree = false; // the correction also sets the ratio to 4:3
    float width = 0.0f;       // TypedDistance: the screen width that fills it
    InstallationResults results;
    InstallationView view; // only when no correction is needed
    // The true geometry the drawing was made from, for drawings at true scale.
    ElevationInput elevation;
    bool showTips = false; // CR-7100: the installer's tips window follows
};

Recalculation recalculate(const InstallationState &state, const FocusTables &focus);

} // namespace lumidex
