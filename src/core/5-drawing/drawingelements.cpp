#include "5-drawing/drawingelements.h"

namespace lumidex {

int paintedTextWidth(std::string_view caption)
{
    int width = 40; // the white margin either side
    for (const char c : caption) {
        if (c >= '0' && c <= '9')
            width += 96;
        else if (c == '.' || c == ',' || c == ' ')
            width += 48;
        else
            width += 110;
    }
    return width;
}

std::vector<DrawingElement> visibleElements(const Drawing &drawing)
{
    std::vector<DrawingElement> out;
    drawing.forEachLine([&](std::string_view name, const DrawLine &l) {
        if (!l.visible || l.length() == 0)
            return;
        DrawingElement e;
        e.name = std::string(name);
        e.kind = ElementKind::Line;
        e.x1 = l.x1;
        e.y1 = l.y1;
        e.x2 = l.x2;
        e.y2 = l.y2;
        e.colour = l.colour;
        e.style = l.style;
        out.push_back(std::move(e));
    });
    drawing.forEachPicture([&](std::string_view name, const DrawPicture &p) {
        if (!p.visible || p.family.empty())
            return;
        DrawingElement e;
        e.name = std::string(name);
        if (name == p.family)
            e.name += "(" + std::to_string(p.entry) + ")";
        e.kind = ElementKind::Picture;
        e.left = p.left;
        e.top = p.top;
        e.width = p.width;
        e.height = p.height;
        out.push_back(std::move(e));
    });
    drawing.forEachLabel([&](std::string_view name, const DrawLabel &l) {
        if (!l.visible || l.caption.empty())
            return;
        DrawingElement e;
        e.name = std::string(name);
        e.caption = l.caption;
        e.colour = l.colour;
        e.top = l.top;
        e.height = l.height;
        if (l.field) {
            e.kind = ElementKind::Box;
            e.left = l.left;
            e.width = l.width;
        } else {
            // The caption is centred in its label and painted on a white fill of its own width.
            e.kind = ElementKind::Label;
            e.width = paintedTextWidth(l.caption);
            e.left = l.left + l.width / 2 - e.width / 2;
        }
        out.push_back(std::move(e));
    });
    return out;
}

std::string_view kindName(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Label:
        return "label";
    case ElementKind::Box:
        return "box";
    case ElementKind::Picture:
        return "picture";
    case ElementKind::Line:
        break;
    }
    return "line";
}

std::string_view colourName(DrawColour colour)
{
    switch (colour) {
    case DrawColour::Red:
        return "red";
    case DrawColour::Blue:
        return "blue";
    case DrawColour::Grey:
        return "grey";
    case DrawColour::DarkGrey:
        return "darkgrey";
    case DrawColour::Black:
        break;
    }
    return "black";
}

std::string_view styleName(LineStyle style)
{
    switch (style) {
    case LineStyle::Dash:
        return "dash";
    case LineStyle::Dot:
        return "dot";
    case LineStyle::DashDot:
        return "dashdot";
    case LineStyle::Solid:
        break;
    }
    return "solid";
}

} // namespace lumidex
