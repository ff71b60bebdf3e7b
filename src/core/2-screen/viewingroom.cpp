#include "2-screen/viewingroom.h"

#include <cmath>
#include <numbers>

namespace lumidex {
namespace {

constexpr double Radians = std::numbers::pi / 180.0;
constexpr double ArcMinute = 1.0 / 60.0; // degrees

bool usable(double v)
{
    return std::isfinite(v) && v > 0;
}

std::optional<double> finite(double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

// The light output that lifts the picture to `contrast` against the room light: the projector
// must put (contrast - 1) times the room's lux on the screen.
double lumensForContrast(double contrast, double ambientLux, double areaSqM)
{
    return (contrast - 1.0) * ambientLux * areaSqM;
}

} // namespace

double viewingDistance(double width, double degrees)
{
    return width / (2.0 * std::tan(degrees / 2.0 * Radians));
}

double viewingAngle(double width, double distance)
{
    return 2.0 * std::atan(width / (2.0 * distance)) / Radians;
}

CinemaRating rateLuminance(double nits)
{
    if (nits < CinemaNits - CinemaToleranceNits)
        return CinemaRating::TooDim;
    if (nits > CinemaNits + CinemaToleranceNits)
        return CinemaRating::Brighter;
    return CinemaRating::AboutRight;
}

const ContrastStandard &contrastStandard(ContrastCategory category)
{
    return ContrastCategories[static_cast<std::size_t>(category)];
}

std::optional<ContrastCategory> rateContrast(double contrast)
{
    std::optional<ContrastCategory> met;
    for (const ContrastStandard &standard : ContrastCategories) {
        if (contrast >= standard.ratio)
            met = standard.category;
    }
    return met;
}

bool seatOutsideComfort(double angle)
{
    return angle < LeastSeatAngle || angle > GreatestSeatAngle;
}

RoomRefusals refusalsOf(const RoomInputs &inputs)
{
    RoomRefusals r;
    r.lumens = inputs.lumens && !usable(*inputs.lumens);
    r.gain = !usable(inputs.gain);
    r.ambient = !std::isfinite(inputs.ambientLux) || inputs.ambientLux < 0;
    r.lines = !std::isfinite(inputs.lines) || inputs.lines < 1;
    return r;
}

RoomFigures evaluateRoom(const ScreenState &screen, const RoomInputs &inputs)
{
    const RoomRefusals refused = refusalsOf(inputs);
    const double width = screen.width;
    const double height = screen.height;
    const double areaSqIn = width * height;

    RoomFigures f;
    f.areaSqFt = areaSqIn / SquareInchesPerSquareFoot;
    f.areaSqM = areaSqIn * SquareMetresPerSquareInch;
    const bool lumensGiven = inputs.lumens && !refused.lumens;
    const bool roomLit = !refused.ambient && inputs.ambientLux > 0;

    if (!refused.gain) {
        f.lumensForCinema = finite(CinemaFootLamberts * f.areaSqFt / inputs.gain);
        if (lumensGiven) {
            f.footLamberts = finite(*inputs.lumens * inputs.gain / f.areaSqFt);
            if (f.footLamberts) {
                f.nits = *f.footLamberts * NitsPerFootLambert;
                f.cinema = rateLuminance(*f.nits);
            }
        }
    }
    if (lumensGiven) {
        f.screenLux = finite(*inputs.lumens / f.areaSqM);
        if (f.screenLux && roomLit) {
            f.contrast = (*f.screenLux + inputs.ambientLux) / inputs.ambientLux;
            f.contrastCategory = rateContrast(*f.contrast);
        }
    }
    if (roomLit) {
        for (std::size_t i = 0; i < ContrastCategories.size(); ++i) {
            f.lumensForContrast[i] = finite(
                lumensForContrast(ContrastCategories[i].ratio, inputs.ambientLux, f.areaSqM));
        }
    } else if (!refused.ambient) {
        f.contrastCategory = ContrastCategory::FullMotionVideo;
    }

    for (std::size_t i = 0; i < ViewingAngles.size(); ++i)
        f.viewingDistances[i] = viewingDistance(width, ViewingAngles[i]);
    if (!refused.lines) {
        // One line subtends one arc-minute, about the finest detail the eye resolves.
        const double lineHeight = height / inputs.lines;
        f.arcMinuteDistance = lineHeight / (2.0 * std::tan(ArcMinute / 2.0 * Radians));
    }
    for (double seat : inputs.seats) {
        if (!usable(seat))
            continue;
        const double angle = viewingAngle(width, seat);
        f.seats.push_back({seat, angle, seatOutsideComfort(angle)});
    }
    return f;
}

} // namespace lumidex
