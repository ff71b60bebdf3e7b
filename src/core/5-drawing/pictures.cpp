#include "5-drawing/pictures.h"

#include <algorithm>
#include <array>

namespace lumidex {
namespace {

constexpr std::array<PictureGeometry, 12> families{{
    {"Image2", 330, 130, 55},
    {"imgLX450", 510, 190, 80},
    {"imgDX520", 540, 230, 95},
    {"imgLX460", 239, 100, 40},
    {"imgLX510", 506, 200, 85, 4},
    {"imgLX540", 335, 130, 55},
    {"imgLX550", 360, 140, 60},
    {"imgCR7100", 600, 250, 150},
    {"imgCR7200", 640, 270, 160},
    {"imgCR7300", 560, 240, 140},
    {"imgCR7400", 520, 230, 135},
    {"imgCR7500", 620, 260, 150},
}};

} // namespace

const PictureGeometry &pictureFamily(std::string_view family)
{
    for (const PictureGeometry &g : families) {
        if (g.family == family)
            return g;
    }
    return families.front();
}

const PictureGeometry &pictureOf(const Selection &s)
{
    return pictureFamily(s.isCrt() ? seriesEntry(s.series).pictureFamily
                                   : modelEntry(s.model).pictureFamily);
}

PictureBox trueSize(const PictureGeometry &g, int scale)
{
    const double f = scale / 20.0;
    return {g.width * f, g.height * f, g.lensY * f};
}

PictureBox drawnSize(const PictureGeometry &g, int scale)
{
    const double f = std::max(scale / 20.0, 0.5);
    return {g.width * f, g.height * f, g.lensY * f};
}

} // namespace lumidex
