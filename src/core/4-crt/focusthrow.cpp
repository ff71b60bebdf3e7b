#include "4-crt/focusthrow.h"

#include "1-state/numbertext.h"
#include "1-state/units.h"

#include <cmath>
#include <initializer_list>
#include <limits>

namespace lumidex {
namespace {

// Distance over width of a typical screen, the first guess of the width search.
constexpr double cr7300DistancePerWidth = 1.3614;
constexpr double cr7400DistancePerWidth = 1.5;

constexpr int maxWidthRounds = 100;
// Rounded distances are whole inches, so this only means "equal".
constexpr double sameDistance = 0.051;

bool allFinite(std::initializer_list<double> values)
{
    for (double v : values) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

} // namespace

FocusThrowResult FocusThrowDistance(const FocusRecord &record, float screenWidth,
                                    const FocusAngleInput &angle)
{
    FocusThrowResult result;

    // The tables hold steep throws as positive angles; a projector tilted down by the same
    // amount needs the same lens setting, so only the size of a custom angle is looked up.
    float theta = 0.0f;
    if (angle.special) {
        result.throwAngle = angle.customAngle;
        theta = toSingle(std::fabs(angle.customAngle));
    } else if (angle.centre) {
        result.throwAngle = 0.0;
    } else {
        result.throwAngle = record.defaultAngle;
        theta = std::fabs(record.defaultAngle);
    }
    float size = screenWidth * 5.0f * 0.25f;

    // A throw steeper than any measured one reads the lens data of the table's first angle,
    // but the beam still leaves the lens at the angle the projector really stands at: the
    // lookup gets its own copy to clamp.
    float lookedUpAngle = theta;
    const TablePosition byAngle = LocateInTable(lookedUpAngle, record.angleTable);
    const double lensAngle =
        static_cast<double>(Interpolate(record.angleTable2, byAngle.t, byAngle.index)) * DegToRad;
    const double offsetFactor = Interpolate(record.factorTable1, byAngle.t, byAngle.index);
    const double lengthFactor = Interpolate(record.factorTable2, byAngle.t, byAngle.index);

    const TablePosition bySize = LocateInTable(size, record.diagonals);
    const double lever = lengthFactor * Interpolate(record.sizeTableA, bySize.t, bySize.index);
    const double lensDistance =
        lengthFactor * Interpolate(record.sizeTableB, bySize.t, bySize.index);
    const double lensOffset = offsetFactor * Interpolate(record.sizeTableC, bySize.t, bySize.index);
    result.dataOutOfRangeCount = (byAngle.outOfRange ? 1 : 0) + (bySize.outOfRange ? 1 : 0);

    // The lens sits off the beam's centre line; correct the angle once for that offset, then
    // read where the corrected beam lands.
    const double firstSlope =
        (lensDistance * std::sin(lensAngle) + lensOffset) / (lensDistance * std::cos(lensAngle));
    const double axisAngle = theta * DegToRad + lensAngle - std::atan(firstSlope);
    const double rise = lensDistance * std::sin(axisAngle) + lensOffset;
    const double run = lensDistance * std::cos(axisAngle);
    const double secondSlope = rise / run;
    const double distance = run / 25.4;
    const double lensToScreen = std::sqrt(rise * rise + run * run);
    const double tilt = -std::tan(axisAngle) / lever;
    const double focusAngle = std::atan(tilt) / DegToRad;
    const double rounded = roundHalfEven(distance);

    if (!allFinite({result.throwAngle, firstSlope, axisAngle, secondSlope, distance, lensToScreen,
                    tilt, focusAngle}) ||
        std::fabs(rounded) > std::numeric_limits<int>::max()) {
        const double shownAngle = std::isfinite(result.throwAngle) ? result.throwAngle : 0.0;
        FocusThrowResult refused;
        refused.throwAngle = shownAngle;
        refused.focusAngleOutOfRange = true;
        refused.dataOutOfRangeCount = result.dataOutOfRangeCount;
        return refused;
    }

    result.distanceInches = distance;
    result.roundedDistance = static_cast<int>(rounded);
    result.secondAngleDegrees = std::atan(secondSlope) / DegToRad;
    result.lensToScreen = lensToScreen;
    result.focusAngle = focusAngle;
    result.focusAngleOutOfRange =
        focusAngle < record.minFocusAngle || focusAngle > record.maxFocusAngle;
    return result;
}

FocusWidthResult FocusWidthFromDistance(const FocusRecord &record, int seriesRecord,
                                        float typedDistance, const FocusAngleInput &angle)
{
    FocusWidthResult result;
    if (!std::isfinite(typedDistance))
        return result;

    const double target = roundHalfEven(typedDistance);
    const double distancePerWidth =
        seriesRecord == 2 ? cr7400DistancePerWidth : cr7300DistancePerWidth;
    float width = toSingle(typedDistance / distancePerWidth);

    while (result.rounds < maxWidthRounds) {
        const int reached = FocusThrowDistance(record, width, angle).roundedDistance;
        ++result.rounds;
        if (std::fabs(target - reached) < sameDistance) {
            result.converged = true;
            break;
        }
        if (reached == 0)
            break; // a refused screen gives no distance to scale by
        const float next = toSingle(static_cast<double>(width) * target / reached);
        if (!std::isfinite(next))
            break; // the typed distance lies far beyond the tables; keep a usable width
        width = next;
    }
    result.width = width;
    return result;
}

} // namespace lumidex
