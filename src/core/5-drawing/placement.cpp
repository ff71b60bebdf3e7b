#include "5-drawing/placement.h"

#include "1-state/numbertext.h"
#include "5-drawing/drawing.h"

#include <cmath>

namespace lumidex {

int lensOffsetInches(const Selection &s, float diagonal, float aspect, std::int16_t signal)
{
    const double D = diagonal;
    double inches = 0;
    auto mm = [&](double millimetres) { inches = millimetres / 25.4; };
    switch (s.model) {
    case Model::LX440:
    case Model::LX450:
        inches = 5.35;
        break;
    case Model::DX520:
        inches = 6.9;
        break;
    case Model::LX510:
    case Model::LX530:
        inches = 6.1;
        break;
    case Model::LX460:
    case Model::LX490:
        mm(D / 1.31 * 9.5 + 83.3);
        break;
    case Model::LX480:
        mm(D / 1.29 * 9.5 + 83.3);
        break;
    case Model::LX470:
        mm(D / (signal == 2 ? 1.29 : signal == 3 ? 1.31 : 1.26) * 9.5 + 83.3);
        break;
    case Model::LX550:
        mm(D / 1.3102 * 9.984 + 89);
        break;
    case Model::LX540:
        mm(aspect < 1.4f ? D / 1.1087 * 8.45 + 99.5 : D / 1.3573 * 8.45 + 99.5);
        break;
    case Model::LX410:
        if (s.lens == 0) {
            inches = aspect > 1.4f ? D / 28.045 * 11 + 4.37 : D / 34.323 * 11 + 4.37;
            break;
        }
        [[fallthrough]];
    case Model::LX420:
    case Model::LX430:
        mm(D / 1.31 * 11 + 111);
        break;
    }
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
