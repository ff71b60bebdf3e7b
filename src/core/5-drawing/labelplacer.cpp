#include "5-drawing/labelplacer.h"

#include "5-drawing/drawingarea.h"

#include <algorithm>
#include <cmath>

namespace lumidex {

bool crossesBox(const DrawLine &line, const LabelPlacer::Box &box)
{
    // Liang-Barsky clipping against the open box.
    double t0 = 0;
    double t1 = 1;
    const double dx = line.x2 - line.x1;
    const double dy = line.y2 - line.y1;
    const auto clip = [&](double p, double q) {
        if (p == 0)
            return q > 0;
        const double t = q / p;
        if (p < 0) {
            if (t > t1)
                return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0)
                return false;
            t1 = std::min(t1, t);
        }
        return true;
    };
    return clip(-dx, line.x1 - box.left) && clip(dx, box.right - line.x1) &&
           clip(-dy, line.y1 - box.top) && clip(dy, box.bottom - line.y1) && t1 - t0 > 1e-9;
}

LabelPlacer::LabelPlacer(const Drawing &drawing)
{
    drawing.forEachLine([&](std::string_view, const DrawLine &l) {
        if (l.visible && l.length() > 0)
            m_lines.push_back(&l);
    });
    drawing.forEachPicture([&](std::string_view, const DrawPicture &p) {
        if (p.visible && !p.family.empty())
            m_taken.push_back({p.left, p.top, p.left + p.width, p.top + p.height});
    });
    for (std::size_t i = 0; i < Drawing::MinLabel; ++i) { // the rulers' numbers
        const DrawLabel &l = drawing.Label1[i];
        if (l.visible)
            m_taken.push_back({l.left, l.top, l.left + l.width, l.top + l.height});
    }
}

bool LabelPlacer::inside(const Box &box)
{
    const DrawingArea &a = ShownDrawingArea;
    return box.left >= a.left && box.top >= a.top && box.right <= a.left + a.width &&
           box.bottom <= a.top + a.height;
}

bool LabelPlacer::isFree(const Box &box, const DrawLine *own) const
{
    if (!inside(box))
        return false;
    if (std::any_of(m_taken.begin(), m_taken.end(), [&](const Box &t) { return box.meets(t); }))
        return false;
    return std::none_of(m_lines.begin(), m_lines.end(),
                        [&](const DrawLine *l) { return l != own && crossesBox(*l, box); });
}

void LabelPlacer::place(DrawLabel &label, const std::vector<LabelSpot> &spots, const DrawLine *own)
{
    if (!label.visible || spots.empty())
        return;
    // Failing a free spot, the first that stays inside the drawing.
    const auto boxAt = [&](const LabelSpot &spot) {
        return Box{spot.left, spot.top, spot.left + label.width, spot.top + spot.height};
    };
    const LabelSpot *chosen = nullptr;
    for (const LabelSpot &spot : spots) {
        if (isFree(boxAt(spot), own)) {
            chosen = &spot;
            break;
        }
        if (!chosen && inside(boxAt(spot)))
            chosen = &spot;
    }
    if (!chosen)
        chosen = &spots.front();
    label.left = chosen->left;
    label.top = chosen->top;
    label.height = chosen->height;
    m_taken.push_back({label.left, label.top, label.left + label.width, label.top + label.height});
}

void LabelPlacer::placeOnVertical(DrawLabel &label, const DrawLine &line)
{
    if (!label.visible || !line.visible)
        return;
    const int h = label.height;
    const int w = label.width;
    const int x = line.x1;
    const int upper = std::min(line.y1, line.y2);
    const int lower = std::max(line.y1, line.y2);
    const int middle = (upper + lower) / 2 - h / 2;
    const auto aboveFloor = [&](int top) { return std::min(top, Drawing::FloorY - h); };

    // Nearest the line's middle first: on the line, then beside it, right and left; then a
    // little further up or down, and so on.
    constexpr int Step = 60;
    const int reach = std::max(lower - upper, 2400);
    std::vector<LabelSpot> spots;
    const auto addRow = [&](int top) {
        for (const int left : {x - w / 2, x + 40, x - 40 - w})
            spots.push_back({left, aboveFloor(top), h});
    };
    addRow(middle);
    for (int shift = Step; shift <= reach; shift += Step) {
        addRow(middle - shift);
        addRow(middle + shift);
    }
    place(label, spots, &line);
}

} // namespace lumidex
