#pragma once

// The drawing as a flat list of what is painted, in painting order: every visible line with its
// end points, every visible label, box and picture with the extent it covers on the page. The
// command-line tool prints it and the layout checks read it, so that both see exactly what an
// installer sees.

#include "5-drawing/drawing.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

enum class ElementKind
{
    Line,
    Label,   // a value or caption painted on a white fill
    Box,     // a boxed value field
    Picture, // a projector or an arrow
};

struct DrawingElement
{
    std::string name; // as the drawing names it, an array entry as "Line4(20)"
    ElementKind kind = ElementKind::Line;
    // Lines: their end points. Others: the extent they cover.
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int left = 0, top = 0, width = 0, height = 0;
    std::string caption;
    DrawColour colour = DrawColour::Black;
    LineStyle style = LineStyle::Solid;
};

// How wide a label's caption is painted, with the white margin that interrupts the line under
// it, twips. The drawing's small type is about 95 twips a character at most.
int paintedTextWidth(std::string_view caption);

std::vector<DrawingElement> visibleElements(const Drawing &drawing);

std::string_view kindName(ElementKind kind);
std::string_view colourName(DrawColour colour);
std::string_view styleName(LineStyle style);

} // namespace lumidex
