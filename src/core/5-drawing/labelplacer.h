#pragma once

// Places the drawing's values one after another, each at the first of its candidate spots
// where it hides nothing it is not about: no value placed before it, no picture, no line but
// its own, and nothing outside the shown drawing. A value with no free spot takes its first,
// where it belongs.

#include "5-drawing/drawing.h"

#include <vector>

namespace lumidex {

struct LabelSpot
{
    int left;
    int top;
    int height;
};

class LabelPlacer
{
public:
    // Takes the pictures, the rulers' numbers and the lines of `drawing` as they stand.
    explicit LabelPlacer(const Drawing &drawing);

    // At the first free spot of `spots`; `own` is the line the value belongs to, if any.
    void place(DrawLabel &label, const std::vector<LabelSpot> &spots, const DrawLine *own);
    // A height's value on its vertical dimension line: at the line's middle, else moved along
    // it, else beside it; never below the floor line.
    void placeOnVertical(DrawLabel &label, const DrawLine &line);

    struct Box
    {
        int left, top, right, bottom;
        bool meets(const Box &o) const
        {
            return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
        }
    };

private:
    static bool inside(const Box &box);
    bool isFree(const Box &box, const DrawLine *own) const;

    std::vector<Box> m_taken;
    std::vector<const DrawLine *> m_lines;
};

// Whether the segment runs through the inside of the box (along an edge does not count).
bool crossesBox(const DrawLine &line, const LabelPlacer::Box &box);

} // namespace lumidex
