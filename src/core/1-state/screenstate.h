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

inline constexpr float FourByThree = 4.0f / 3.0f;

// A screen's width, height and diagonal, inches.
struct ScreenSize
{
    float width;
    float height;
    float diagonal;
};
// The screen the program and a new project start with, 80 x 60 inches at 4:3; its diagonal is
// worked out afresh before anything shows it.
inline constexpr ScreenSize StartScreen{80.0f, 60.0f, 120.0f};
// What a screen outside the limits becomes: a 100 inch diagonal, 100/80/60 inches at 4:3.
inline constexpr ScreenSize ResetScreen{80.0f, 60.0f, 100.0f};

struct ScreenState
{
    float width = StartScreen.width;
    float height = StartScreen.height;
    float diagonal = StartScreen.diagonal;
    float aspect = FourByThree;
    Unit displayUnits = Unit::Inches;
    Unit heightUnit = Unit::Inches;
    Unit widthUnit = Unit::Inches;
    Unit diagonalUnit = Unit::Inches;

    float &value(Dimension d);
    float value(Dimension d) const;
    Unit &unit(Dimension d);
    Unit unit(Dimension d) const;
    void setSizes(ScreenSize size)
    {
        width = size.width;
        height = size.height;
        diagonal = size.diagonal;
    }
    bool operator==(const ScreenState &) const = default;
};

} // namespace lumidex
