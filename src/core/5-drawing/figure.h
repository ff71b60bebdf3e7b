#pragma once

// A small picture drawn in the installation drawing's style (its lines, labels, colours and
// pens), in twips inside a frame of its own size, for windows other than the installation
// window. The window paints it, the printed page copies it.

#include "5-drawing/drawing.h"

#include <cstdint>
#include <vector>

namespace lumidex {

struct Figure
{
    int width = 0;
    int height = 0;
    std::vector<DrawLine> lines;
    std::vector<DrawLabel> labels;
};

// The colour a drawing element is painted in, on screen and on paper, as 0xRRGGBB.
constexpr std::uint32_t drawColourRgb(DrawColour colour)
{
    switch (colour) {
    case DrawColour::Red:
        return 0xFF0000;
    case DrawColour::DarkGrey:
        return 0x404040;
    case DrawColour::Grey:
        return 0x808080;
    case DrawColour::Blue:
        return 0x0000FF;
    case DrawColour::Black:
        break;
    }
    return 0x000000;
}

} // namespace lumidex
