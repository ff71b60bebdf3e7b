#pragma once

// The side elevation of the installation the window shows, at true scale for CAD programs:
// the screen's face at x = 0, the floor at y = 0, the projector towards negative x at its
// throw distance, every length in inches. The numbers are the recalculation's own, before
// any rounding to twips or to the window's texts, so that a CAD user measuring the drawing
// reads what the installer would have worked out.

#include "1-state/units.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

class ProjectDocument;
class ThrowWindow;
struct FocusTables;

// A dimension the window shows, named by the window's element that shows its value.
struct TrueDimension
{
    std::string_view element; // "hdimbox", "txtHTDFar", "lblVsize", "lblHcent", ...
    double x1 = 0, y1 = 0;    // the two points measured
    double x2 = 0, y2 = 0;
    bool vertical = false;
    double at = 0;       // the dimension line's y (horizontal) or x (vertical)
    double measured = 0; // inches
};

struct TrueRect
{
    double left = 0, bottom = 0, right = 0, top = 0;
};

struct TrueElevation
{
    Unit units = Unit::Inches; // the page's measurement units
    double screenBottom = 0;
    double screenTop = 0;
    double screenCentre = 0;
    // The projector at its near (or only) position, and the far end of a zoom range.
    TrueRect projector;
    std::optional<TrueRect> farProjector;
    double lensX = 0; // the lens front, near position
    double lensY = 0; // the lens axis
    double farLensX = 0;
    std::optional<double> ceiling; // the ceiling line of a projector hung from it
    std::vector<TrueDimension> dimensions;
    // The frame title, the lens, the throw angle, the notes and the title block, in order.
    std::vector<std::string> texts;
};

// The elevation the window shows now; nothing when its installation cannot be worked out
// again as shown (the screen was corrected meanwhile).
std::optional<TrueElevation> trueElevation(const ThrowWindow &window, const FocusTables &focus);

// Shows the page in the window as the page scroll bar does. False when the window could not
// show it as the page holds it: its screen was refused or corrected, so no drawing of it
// would be the page's.
bool showPageAsStored(ProjectDocument &document, int page);

// The file a page of several goes to: "hall.dxf" gives "hall-p01.dxf" for page 1.
std::string pageFileName(const std::string &path, int page);

} // namespace lumidex
