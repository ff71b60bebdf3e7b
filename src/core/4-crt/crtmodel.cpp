#include "4-crt/crtmodel.h"

#include "1-state/numbertext.h"
#include "1-state/units.h"

#include <cmath>
#include <cstddef>

namespace lumidex {
namespace {

double sinDeg(double degrees)
{
    return std::sin(degrees * DegToRad);
}

double cosDeg(double degrees)
{
    return std::cos(degrees * DegToRad);
}

double tanDeg(double degrees)
{
    return std::tan(degrees * DegToRad);
}

double atnDeg(double value)
{
    return std::atan(value) / DegToRad;
}

double sign(double value)
{
    return value > 0 ? 1.0 : (value < 0 ? -1.0 : 0.0);
}

// The focus corrections measured on the lens at 11.9 and 5.5 degrees off axis, for six focus
// parameters (single precision, as measured).
struct FocusKnot
{
    float parameter;
    float at11_9;
    float at5_5;
};

constexpr std::array<FocusKnot, 6> focusKnots{{
    {11.29f, -1.26f, -0.505f},
    {14.31f, -0.989f, -0.352f},
    {18.75f, -0.654f, -0.26f},
    {28.74f, -0.4001f, -0.132f},
    {39.72f, -0.173f, -0.065f},
    {48.08f, -0.09f, -0.056f},
}};

// The CR-7100 / CR-7200 lens for a range of effective widths v (from <= v < to). L0 and h are
// straight lines in W = 1.25 v, the diagonal of a 4:3 picture as wide as the screen. The
// auxiliary angle is fixed for the smallest and the largest lenses; the middle lenses take
// atn(1 / (0.1769 W - 1.8515)).
struct BandRow
{
    double from;
    double to;
    double l0PerW;
    double l0Base;
    double hPerW;
    double hBase;
    std::optional<double> fixedG;
};

constexpr std::array<BandRow, 6> lensBands{{
    {55, 72, 25.765, 249.5, 0.7483, 9.0757, 3.8967},
    {72, 97, 26.033, 227.4, 0.79, 5.2, std::nullopt},
    {97, 120, 30.197, -272.2, 0.9083, -9, std::nullopt},
    {120, 176, 28.129, 38.014, 0.861, -1.9, std::nullopt},
    {176, 200, 26.4, 418.3, 0.8057, 10.25, 1.5287},
    {200, 241, 29.17, -274.2, 0.8904, -10.93, 1.5287},
}};

// Both ring pairs: arms of 0.75, the moving pivot set 0.4 beyond the focus correction of the
// throw (r = -0.4).
constexpr double ringArm = 0.75;
constexpr double ringPivot = -0.4;

// Rounding in b^2 - 4ac is bounded by a small multiple of the terms that cancel in it; a
// discriminant that is negative by less than this share of them is a touching pair of arms.
constexpr double discriminantTolerance = 1e-12;

// The CR-75xx lens: throw = (1 + 0.23 x 1.25 x width) x K x cos(angle).
constexpr double cr7500Spread = 0.23;

} // namespace

double FocusConversion(double thetaDegrees, float focusParameter)
{
    const FocusKnot &last = focusKnots.back();
    double a = last.at11_9;
    double b = last.at5_5;
    if (!(focusParameter >= last.parameter)) {
        // The first knot above the parameter; a parameter below the first knot (the smallest
        // screens) is extrapolated along the first interval.
        std::size_t k = 1;
        while (k + 1 < focusKnots.size() && !(focusKnots[k].parameter > focusParameter))
            ++k;
        const FocusKnot &lo = focusKnots[k - 1];
        const FocusKnot &hi = focusKnots[k];
        const double t = (static_cast<double>(focusParameter) - lo.parameter) /
                         (static_cast<double>(hi.parameter) - lo.parameter);
        a = lo.at11_9 + (static_cast<double>(hi.at11_9) - lo.at11_9) * t;
        b = lo.at5_5 + (static_cast<double>(hi.at5_5) - lo.at5_5) * t;
    }

    // F(s) = s (k0 + k1 s) through both measurements, s the tangent of the angle.
    const double t1 = tanDeg(11.9);
    const double t2 = tanDeg(5.5);
    const double k1 = (a / t1 - b / t2) / (t1 - t2);
    const double k0 = a / t1 - k1 * t1;
    const double s = tanDeg(std::abs(thetaDegrees));
    return sign(thetaDegrees) * s * (k0 + k1 * s);
}

RingResult RingAngles(double x, double q, double r, double R)
{
    const double y = q - r;
    if (x == 0 && y == 0)
        return {true, 0.0, 180.0};

    // Meeting point (X, Y) of the circle of radius R about the origin and the one about
    // (x, y): 4 D2 X^2 - 4 D2 x X + D2^2 - 4 R^2 y^2 = 0.
    const double D2 = x * x + y * y;
    const double a = 4 * D2;
    const double b = -4 * D2 * x;
    const double c = D2 * D2 - 4 * R * R * y * y;
    double discriminant = b * b - 4 * a * c;
    if (discriminant < 0) {
        const double scale = b * b + 4 * a * (D2 * D2 + 4 * R * R * y * y);
        if (-discriminant > discriminantTolerance * scale)
            return {};
        discriminant = 0;
    }

    const double X = (-b + std::sqrt(discriminant)) / (2 * a);
    double Y = 0;
    if (y == 0) {
        // Pivots level with each other: the arms meet above the midpoint, if they reach.
        double rise = R * R - X * X;
        if (rise < 0) {
            if (-rise > discriminantTolerance * R * R)
                return {};
            rise = 0;
        }
        Y = std::sqrt(rise);
    } else {
        Y = (D2 - 2 * x * X) / (2 * y);
    }

    RingResult result{true, 0.0, 180.0};
    if (X != 0)
        result.first = sign(X) * (90 - sign(X) * atnDeg(Y / X));
    const double dx = X - x;
    const double dy = Y - y;
    if (dx != 0)
        result.second = -sign(dx) * (sign(dx) * atnDeg(dy / dx) + 90);
    // Pivots so close together that D2 vanishes, or inputs that are not numbers, leave no
    // setting to show.
    if (!std::isfinite(result.first) || !std::isfinite(result.second))
        return {};
    return result;
}

std::string ringSettingText(int ring)
{
    return formatNumber(ring / 10.0, "###.#");
}

Crt7100Angle crt7100Angle(Series series, MountPosition mountPosition, bool customAngleActive,
                          double throwAngle)
{
    Crt7100Angle result;
    result.throwAngle = throwAngle;
    result.A = std::abs(throwAngle);
    if (!customAngleActive) {
        result.A = mountPosition == MountPosition::Center ? 0.0 : 13.6;
        result.throwAngle = result.A;
        return result;
    }
    if (throwAngle >= -2 && throwAngle < 0) {
        result.A = throwAngle;
        return result;
    }
    // A page keeps the angle as a 32-bit float: the limits are compared at that precision, so
    // that an angle at the limit is still taken when its project is opened again.
    const float steepness = toSingle(result.A);
    if (series == Series::CR7100 && steepness > toSingle(Cr7100MaxAngle)) {
        result.refused = true;
        result.message = Cr7100AngleLimitMessage;
    } else if (series == Series::CR7200 && steepness > toSingle(Cr7200MaxAngle)) {
        result.refused = true;
        result.message = Cr7200AngleLimitMessage;
    }
    return result;
}

double effectiveWidth(double screenWidth, double A, bool customAngleActive)
{
    if (customAngleActive && A > 13.6)
        return screenWidth * ((A - 13.6) * 0.00447 + 1);
    return screenWidth;
}

std::optional<LensBand> lensBandFor(double v)
{
    for (const BandRow &row : lensBands) {
        if (v >= row.from && v < row.to) {
            const double W = 1.25 * v;
            const double g = row.fixedG ? *row.fixedG : atnDeg(1 / (0.1769 * W - 1.8515));
            return LensBand{row.l0PerW * W + row.l0Base, row.hPerW * W + row.hBase, g};
        }
    }
    return std::nullopt;
}

std::optional<Crt7100Distance> crt7100Distance(double screenWidth, double A, bool customAngleActive)
{
    const std::optional<LensBand> band =
        lensBandFor(effectiveWidth(screenWidth, A, customAngleActive));
    if (!band)
        return std::nullopt;
    Crt7100Distance result;
    result.L0 = band->L0;
    result.g = band->g;
    // The slope flattens towards the centre position; 0.9997 at the standard 13.6 degrees.
    result.h = band->h * (A >= 10 ? 0.00402 * A + 0.945 : 0.04943 * A + 0.512);
    result.phi = 0.9314 * A - 0.91;
    result.distance = cosDeg(A) * (result.L0 + result.h * sinDeg(result.phi)) / 25.4;
    if (!std::isfinite(result.distance))
        return std::nullopt;
    return result;
}

void Crt7100Forward::applyRings(std::array<int, 4> &ringSettings) const
{
    if (rings12) {
        ringSettings[0] = (*rings12)[0];
        ringSettings[1] = (*rings12)[1];
    }
    if (rings34) {
        ringSettings[2] = (*rings34)[0];
        ringSettings[3] = (*rings34)[1];
    }
}

namespace {

// A ring pair as stored: {second angle, first angle} in whole degrees, half to even, so that
// ringSetting 1 (and 3) take the second angle and ringSetting 2 (and 4) the first.
std::optional<std::array<int, 2>> ringPair(const RingResult &ring)
{
    if (!ring.valid)
        return std::nullopt;
    return std::array<int, 2>{static_cast<int>(roundHalfEven(ring.second)),
                              static_cast<int>(roundHalfEven(ring.first))};
}

} // namespace

std::optional<Crt7100Forward> crt7100Forward(float screenWidth, double A, bool customAngleActive)
{
    const std::optional<Crt7100Distance> lens = crt7100Distance(screenWidth, A, customAngleActive);
    if (!lens)
        return std::nullopt;

    Crt7100Forward result;
    result.distance = lens->distance;
    // The ray through the lens leaves at the throw angle less the lens's own tilt.
    const double d = atnDeg(lens->h * cosDeg(lens->phi) / lens->L0);
    const double phi2 = A - d;
    result.focusParameter = static_cast<float>(lens->L0 * 0.00572 - 0.45155);
    const double p1 = FocusConversion(lens->g, result.focusParameter);
    const double p2 = FocusConversion(phi2, result.focusParameter);
    result.rings12 = ringPair(RingAngles(p1, p2, ringPivot, ringArm));
    result.rings34 = ringPair(RingAngles(0, p2, ringPivot, ringArm));
    return result;
}

Crt7100Reverse crt7100Reverse(float enteredDistance, double A, bool customAngleActive)
{
    Crt7100Reverse result;
    result.refused = true;
    if (!std::isfinite(enteredDistance) || !(enteredDistance > 0))
        return result;

    // The distance grows almost in proportion to the width, so scaling the width by the
    // missing share of the distance closes in within a few rounds.
    const double target = roundHalfEven(enteredDistance);
    double width = enteredDistance / 1.3614;
    while (result.rounds < Crt7100MaxReverseRounds) {
        ++result.rounds;
        const std::optional<Crt7100Distance> lens = crt7100Distance(width, A, customAngleActive);
        if (!lens || !(lens->distance > 0))
            return result;
        width = width * target / lens->distance;
        if (std::abs(lens->distance - target) < 0.1) {
            result.converged = true;
            break;
        }
    }

    if (!std::isfinite(width))
        return result;
    result.width = static_cast<float>(width);
    const std::optional<Crt7100Distance> settled =
        crt7100Distance(result.width, A, customAngleActive);
    if (!settled)
        return result;
    result.distance = settled->distance;
    result.refused = false;
    return result;
}

Crt7500Result CalculateCrt7500(float S, float V, MountPosition mountPosition)
{
    Crt7500Result result;
    if (S <= 64) {
        result.K = 141.2;
        result.throwAngle = 11;
    } else if (S <= 96) {
        result.K = 140;
        result.throwAngle = 12;
    } else {
        result.K = 138.8;
        result.throwAngle = 12;
    }

    // A typed distance picks the lens constant by itself.
    if (V > 0) {
        result.K = V <= 106 ? 141.2 : (V <= 154 ? 140 : 138.8);
        result.throwAngle = 12;
    }

    const bool largeScreen = S > 120;
    const bool centre = mountPosition == MountPosition::Center;
    result.notes = Crt7500Notes[(largeScreen ? 1 : 0) + (centre ? 2 : 0)];
    if (centre)
        result.throwAngle = 0;

    const double cosAngle = cosDeg(result.throwAngle);
    if (V > 0) {
        result.distance = V;
        result.newWidth = static_cast<float>(
            4 * ((static_cast<double>(V) * 25.4 / cosAngle) / result.K - 1) / cr7500Spread / 5);
    } else {
        result.distance = (1 + cr7500Spread * 1.25 * S) * result.K * cosAngle / 25.4;
    }
    return result;
}

} // namespace lumidex
