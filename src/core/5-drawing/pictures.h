#pragma once

// The projector pictures of the drawing: one side view per family, drawn at 20 twips per
// inch in proportion to the real projector, standing upright and facing the screen, with the
// front of the lens on the right edge. The placement rules read their sizes and lens axis.

#include "3-catalogue/catalogue.h"

#include <string_view>

namespace lumidex {

struct PictureGeometry
{
    std::string_view family;
    int width;
    int height;
    int lensY; // lens axis, from the top of the upright picture
    // How many of the family's first entries have an enhanced outline that already fills its
    // element on the sheet; the others were drawn with a blank border.
    int enhancedFilling = 0;
};

const PictureGeometry &pictureOf(const Selection &selection);
const PictureGeometry &pictureFamily(std::string_view family);

// A picture's extent in the drawing, twips.
struct PictureBox
{
    double width = 0;
    double height = 0;
    double lensY = 0; // lens axis, from the top of the upright picture

    bool operator==(const PictureBox &) const = default;
};

// The real projector at `scale` twips per inch: every height read off the drawing is measured
// to these edges, so it is the same at every scale.
PictureBox trueSize(const PictureGeometry &picture, int scale);

// The picture as drawn: the real projector, but never smaller than half its size at 20 twips
// per inch, so that a projector stays visible beside a very large screen.
PictureBox drawnSize(const PictureGeometry &picture, int scale);

inline constexpr PictureGeometry ArrowPicture{"imgArrow", 120, 80, 40};
inline constexpr PictureGeometry ArrowVPicture{"imgArrow_V", 80, 120, 60};

} // namespace lumidex
