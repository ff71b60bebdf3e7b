#include "1-state/units.h"

#include "1-state/numbertext.h"

namespace lumidex {

Unit unitFromIndex(int index)
{
    switch (index) {
    case 1:
        return Unit::Feet;
    case 2:
        return Unit::Millimetres;
    default:
        return Unit::Inches;
    }
}

Unit nextUnit(Unit unit)
{
    return unitFromIndex((unitIndex(unit) + 1) % 3);
}

double unitsToInches(double value, Unit unit)
{
    switch (unit) {
    case Unit::Feet:
        return value * InchesPerFoot;
    case Unit::Millimetres:
        return value / MillimetresPerInch;
    case Unit::Inches:
        break;
    }
    return value;
}

std::string formatDimension(double inches, Unit unit)
{
    switch (unit) {
    case Unit::Feet:
        return formatNumber(inches / InchesPerFoot, "0.0");
    case Unit::Millimetres:
        return formatNumber(inches * MillimetresPerInch, "0");
    case Unit::Inches:
        break;
    }
    return formatWhole(inches);
}

} // namespace lumidex
