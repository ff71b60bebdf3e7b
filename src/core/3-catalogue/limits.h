#pragma once

// What each projector and lens can fill: screen width ranges, typed throw distance ranges
// and the aspect ratios a model accepts. Checked before every throw calculation; a refused
// screen is reset, an unsupported ratio replaced by 4:3.

#include "1-state/dialogs.h"
#include "3-catalogue/catalogue.h"

#include <string>

namespace lumidex {

enum class LimitOutcome
{
    Accepted,
    OutOfRange,   // message, then the screen is reset to a 100 inch diagonal
    AspectNotice, // notice, then the ratio becomes 4:3
};

struct LimitCheck
{
    LimitOutcome outcome = LimitOutcome::Accepted;
    std::string text;
    std::string title; // empty: the program's own title
    MessageIcon icon = MessageIcon::None;
    bool aspectToFourByThree = false; // also set for a refused CR-7300/CR-7400 ratio
};

// The smallest and largest tabulated diagonals of the CR-7300 and CR-7400 focus records; a
// screen of those series must be between 0.8 times each (the width of a 4:3 screen).
struct FocusDiagonalRanges
{
    float cr7300Min = 60.0f;
    float cr7300Max = 300.0f;
    float cr7400Min = 60.0f;
    float cr7400Max = 250.0f;
};

// width and aspect of the shared screen; enteredDistance is the throw distance typed for a
// CRT series in inches, 0 when none.
LimitCheck checkCapabilities(const Selection &selection, float width, float aspect,
                             float enteredDistance, const FocusDiagonalRanges &focus);

extern const std::string_view OutOfRangeMessage;

} // namespace lumidex
