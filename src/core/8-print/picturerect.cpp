#include "8-print/picturerect.h"

#include "1-state/numbertext.h"
#include "5-drawing/pictures.h"

#include <cmath>

namespace lumidex {

namespace {

// Margins of the printable sheet, as fractions of the printable width and height.
constexpr double LeftMargin = 0.038;
constexpr double TopMargin = 0.028;
// Outlines drawn with a blank border are played this much larger than their element.
constexpr double Enlargement = 1.05;

bool isArrow(std::string_view name)
{
    return name == "imgArrow" || name == "imgArrow_V";
}

// The outline drawings that already fill their element.
bool keepsItsSize(PictureKind kind, const PictureElement &element)
{
    if (isArrow(element.name) || element.name == "Image3")
        return true;
    // Some families' outlines already fill their elements in the enhanced form only; their
    // older form still needs the enlargement.
    const PictureGeometry &family = pictureFamily(element.name);
    return kind == PictureKind::Enhanced && family.family == element.name && element.index >= 0 &&
           element.index < family.enhancedFilling;
}

// Rounds to a whole pixel; false when the value cannot be held, so the caller gives up.
bool toPixels(double value, std::int64_t &out)
{
    const double rounded = roundHalfEven(value);
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    constexpr double Limit = 9223372036854775808.0;
    if (!std::isfinite(rounded) || rounded >= Limit || rounded < -Limit)
        return false;
    out = static_cast<std::int64_t>(rounded);
    return true;
}

} // namespace

std::optional<PicturePlacement> placePicture(PictureKind kind, const PictureElement &element,
                                             const PrinterPage &page)
{
    const double sw = page.scaleWidth;
    const double sh = page.scaleHeight;
    if (!(sw > 0) || !(sh > 0))
        return std::nullopt;

    PicturePlacement p;
    p.isotropic = !isArrow(element.name);
    p.enlarged = !keepsItsSize(kind, element);
    const double hres = page.hres;
    const double vres = page.vres;
    bool ok = toPixels(hres * element.left / sw + LeftMargin * hres, p.x) &&
              toPixels(vres * element.top / sh + TopMargin * vres, p.y) &&
              toPixels(hres * element.width / sw, p.w) && toPixels(vres * element.height / sh, p.h);
    if (!ok)
        return std::nullopt;

    // The enlargement applies to the already rounded extent, as the picture's own extent is.
    const double factor = p.enlarged ? Enlargement : 1.0;
    ok = toPixels(factor * static_cast<double>(p.w), p.viewportWidth) &&
         toPixels(factor * static_cast<double>(p.h), p.viewportHeight);
    if (!ok)
        return std::nullopt;

    if (kind == PictureKind::Enhanced) {
        // The bottom follows the width scale (hres / sw), not the height scale, and is always
        // enlarged: printed sheets have always placed the enhanced outlines this way.
        PixelRect bounds;
        bounds.left = 0;
        bounds.top = 5;
        ok = toPixels(hres * element.width / sw, bounds.right) &&
             toPixels(Enlargement * hres * element.height / sw, bounds.bottom);
        if (!ok)
            return std::nullopt;
        p.playbackBounds = bounds;
    }
    return p;
}

} // namespace lumidex
