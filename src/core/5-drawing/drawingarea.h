#pragma once

// Where the side elevation lands in the installation window. The window does not show the
// whole drawing: it shows the part from just left of its origin down past the floor, scaled
// to fit the "drawing" rectangle of the sheet with its proportions kept and centred in it.
// The window's view and the printed sheet both place the drawing through this one mapping, so
// that a line sits at the same spot on the screen and on paper.

#include "5-drawing/drawing.h"
#include "5-drawing/sheetlayout.h"

#include <algorithm>

namespace lumidex {

// The part of the drawing (in drawing twips) the window shows.
struct DrawingArea
{
    double left;
    double top;
    double width;
    double height;
};
// Wide enough on the right for the vertical ruler's longest numbers (millimetres).
inline constexpr DrawingArea ShownDrawingArea{-60, 400, Drawing::Width, Drawing::Height - 100};

// A uniform scale and a shift: drawing twips to target units.
struct DrawingTransform
{
    double scale = 1;
    double dx = 0;
    double dy = 0;

    constexpr double x(double drawingX) const { return dx + drawingX * scale; }
    constexpr double y(double drawingY) const { return dy + drawingY * scale; }
    constexpr double length(double drawingLength) const { return drawingLength * scale; }
};

// ShownDrawingArea fitted into the target rectangle, proportions kept, centred on the axis
// with room to spare. A target of no size gets a scale of zero, not a division by zero.
constexpr DrawingTransform drawingTransform(double left, double top, double width, double height)
{
    const DrawingArea &a = ShownDrawingArea;
    const double scale = std::max(0.0, std::min(width / a.width, height / a.height));
    return {scale, left + (width - a.width * scale) / 2 - a.left * scale,
            top + (height - a.height * scale) / 2 - a.top * scale};
}

// The drawing placed in the sheet's "drawing" item, in sheet twips.
inline DrawingTransform drawingToSheet()
{
    const SheetItem *item = sheetItem("drawing");
    if (!item)
        return {};
    const SheetRect r = sheetRect(*item);
    return drawingTransform(r.left, r.top, r.width, r.height);
}

} // namespace lumidex
