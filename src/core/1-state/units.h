#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumidex {

// Display units. The numbers are those stored in project files and given by /m.
enum class Unit : std::int16_t
{
    Inches = 0,
    Feet = 1,
    Millimetres = 2
};

inline constexpr double InchesPerFoot = 12.0;
inline constexpr double MillimetresPerInch = 25.4;
// Degrees to radians with the program's own value of pi: distances on printed sheets and in
// stored projects were worked out with it.
inline constexpr double DegToRad = 3.141592654 / 180;

inline constexpr int unitIndex(Unit unit)
{
    return static_cast<int>(unit);
}

// Index 0-2 to a unit; anything else is inches.
Unit unitFromIndex(int index);

// Inches, feet, millimetres, then inches again.
Unit nextUnit(Unit unit);

// A length typed in `unit` converted to inches (feet x 12, millimetres / 25.4).
double unitsToInches(double value, Unit unit);

// A screen dimension as a field shows it: whole inches (halves to even), feet with one
// decimal, whole millimetres.
std::string formatDimension(double inches, Unit unit);

} // namespace lumidex
