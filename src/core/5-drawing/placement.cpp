#include "5-drawing/placement.h"

#include "1-state/numbertext.h"
#include "3-catalogue/catalogue.h"
#include "5-drawing/drawing.h"

#include <cmath>

namespace lumidex {

int lensOffsetInches(const Selection &s, float diagonal, float aspect, std::int16_t signal)
{
    const double inches = modelEntry(s.model).lensOffset({diagonal, aspect, s.lens, signal});
    const double rounded = roundHalfEven(inches);
    return std::isfinite(rounded) && std::abs(rounded) < 1e6 ? static_cast<int>(rounded) : 0;
}

VerticalPlacement placeVertically(MountPosition position, const PictureBox &real,
                                  const PictureBox &drawn, double screenHeight, int scale,
                                  int lensOffset)
{
    constexpr double floorY = Drawing::FloorY;
    const double height = screenHeight * scale;
    const double offset = static_cast<double>(lensOffset) * scale;
    VerticalPlacement p;
    p.screenBottom = floorY;
    p.screenTop = floorY - height;
    const double centre = floorY - height / 2;
    switch (position) {
    case MountPosition::Top:
        p.lensAxis = centre - offset;
        p.inverted = true;
        break;
    case MountPosition::Center:
        p.lensAxis = centre;
        break;
    case MountPosition::Bottom:
    case MountPosition::Special:
        p.lensAxis = centre + offset;
        break;
    }
    const auto topOf = [&](const PictureBox &box) {
        return p.inverted ? p.lensAxis - (box.height - box.lensY) : p.lensAxis - box.lensY;
    };
    p.pictureTop = topOf(real);
    // A projector standing below the floor line stands on the floor instead, and the screen
    // is raised with it.
    const double below = p.pictureTop + real.height - floorY;
    if (!p.inverted && below > 0) {
        p.screenTop -= below;
        p.screenBottom -= below;
        p.lensAxis -= below;
        p.pictureTop -= below;
    }
    p.drawnTop = topOf(drawn);
    if (!p.inverted && p.drawnTop + drawn.height > floorY)
        p.drawnTop = floorY - drawn.height;
    p.fits = p.screenTop >= Drawing::TopLimitY && p.pictureTop >= Drawing::TopLimitY &&
             p.drawnTop >= Drawing::TopLimitY;
    return p;
}

} // namespace lumidex
