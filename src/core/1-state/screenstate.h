#pragma once

// The projection screen both windows share: width, height and diagonal in inches, stored as
// 32-bit floats and never rounded, the aspect ratio, and the units each is shown in.

#include "1-state/units.h"

#include <array>

namespace lumidex {

// The order of the screen calculator's spinners.
enum class Dimension
{
    Height = 0,
    Width = 1,
    Diagonal = 2
};
inline constexpr std::array<Dimension, 3> AllDimensions{Dimension::Height, Dimension::Width,
                                                        Dimension::Diagonal};

struct ScreenState
{
    float width = 80.0f;
    float height = 60.0f;
    float diagonal = 120.0f;
    float aspect = 4.0f / 3.0f;
    Unit displayUnits = Unit::Inches;
    Unit heightUnit = Unit::Inches;
    Unit widthUnit = Unit::Inches;
    Unit diagonalUnit = Unit::Inches;

    float &value(Dimension d);
    float value(Dimension d) const;
    Unit &unit(Dimension d);
    Unit unit(Dimension d) const;
    bool operator==(const ScreenState &) const = default;
};

} // namespace lumidex
