#include "4-crt/focusthrow.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

using namespace lumidex;

namespace {

constexpr FocusAngleInput topOrBottom{false, 0.0, false};
constexpr FocusAngleInput centre{false, 0.0, true};
constexpr FocusAngleInput custom(double degrees)
{
    return {true, degrees, false};
}

void zeroLensDistance(FocusRecord &r)
{
    r.sizeTableB.assign(11, 0.0f);
}
void emptyTables(FocusRecord &r)
{
    const float angle = r.defaultAngle;
    r = FocusRecord();
    r.defaultAngle = angle;
}

FocusRecord recordOf(int n, void (*damage)(FocusRecord &) = nullptr)
{
    FocusRecord r = BuildFocusTables().record(n);
    if (damage)
        damage(r);
    return r;
}

struct ThrowCase
{
    const char *name;
    int record;
    float width;
    FocusAngleInput angle;
    double throwAngle, distance;
    int rounded;
    double focusAngle;
    bool focusOutOfRange;
    int dataOutOfRange; // lookups outside the tables
    void (*damage)(FocusRecord &) = nullptr;
};

class FocusThrow : public testing::TestWithParam<ThrowCase>
{};

// A damaged record must refuse the screen with zeros, never hand a NaN to the drawing.
TEST_P(FocusThrow, DistanceAndFocusCheck)
{
    const ThrowCase &c = GetParam();
    const FocusThrowResult r = FocusThrowDistance(recordOf(c.record, c.damage), c.width, c.angle);
    EXPECT_DOUBLE_EQ(r.throwAngle, c.throwAngle);
    EXPECT_NEAR(r.distanceInches, c.distance, 0.005);
    EXPECT_EQ(r.roundedDistance, c.rounded);
    EXPECT_NEAR(r.focusAngle, c.focusAngle, 0.005);
    EXPECT_EQ(r.focusAngleOutOfRange, c.focusOutOfRange);
    EXPECT_EQ(r.dataOutOfRangeCount, c.dataOutOfRange);
    EXPECT_TRUE(std::isfinite(r.secondAngleDegrees) && std::isfinite(r.lensToScreen));
}

INSTANTIATE_TEST_SUITE_P(
    Records, FocusThrow,
    testing::Values(
        ThrowCase{"cr7300TopOrBottom", 1, 80, topOrBottom, 15.2f, 105.876, 106, -0.660, false, 0},
        ThrowCase{"cr7300Centre", 1, 80, centre, 0, 110.920, 111, 0.051, false, 0},
        // Special wins over the centre position; tilting down focuses like tilting up.
        ThrowCase{
            "specialDownward", 1, 80, {true, -15.2, true}, -15.2, 105.876, 106, -0.660, false, 0},
        // Steeper than measured: lens data at 30 degrees, beam at 32, beyond the lens's tilt.
        ThrowCase{"cr7300SteeperThanTables", 1, 48, custom(32), 32, 62.414, 62, -2.586, true, 1},
        ThrowCase{"cr7400SmallScreenSteep", 2, 48, custom(20), 20, 74.589, 75, -1.457, true, 0},
        ThrowCase{"zeroLensDistance", 1, 80, topOrBottom, 15.2f, 0, 0, 0, true, 0,
                  zeroLensDistance},
        ThrowCase{"emptyTables", 1, 80, topOrBottom, 15.2f, 0, 0, 0, true, 2, emptyTables}),
    [](const auto &info) { return std::string(info.param.name); });

struct WidthCase
{
    const char *name;
    int record;
    float typed;
    FocusAngleInput angle;
    bool converged;
    int distance; // the found width's rounded distance
    int rounds;
    void (*damage)(FocusRecord &) = nullptr;
};

class FocusWidthSearch : public testing::TestWithParam<WidthCase>
{};

TEST_P(FocusWidthSearch, FindsWidthOrGivesUp)
{
    const WidthCase &c = GetParam();
    const FocusRecord record = recordOf(c.record, c.damage);
    const FocusWidthResult r = FocusWidthFromDistance(record, c.record, c.typed, c.angle);
    EXPECT_EQ(r.converged, c.converged);
    EXPECT_EQ(r.rounds, c.rounds);
    EXPECT_TRUE(std::isfinite(r.width));
    if (c.converged) {
        EXPECT_EQ(FocusThrowDistance(record, r.width, c.angle).roundedDistance, c.distance);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Records, FocusWidthSearch,
    testing::Values(WidthCase{"cr7400Typed150", 2, 150, topOrBottom, true, 150, 2},
                    WidthCase{"halfRoundsToEven", 2, 151.5f, topOrBottom, true, 152, 3},
                    // Closer than the smallest screen can be thrown: the width shrinks away.
                    WidthCase{"cr7400CentreTooClose", 2, 75, centre, false, 0, 100},
                    // Farther than the largest screen: the width grows until a float ends.
                    WidthCase{"cr7300FarBeyondTables", 1, 1000, topOrBottom, false, 0, 31},
                    WidthCase{"noDistanceToScaleBy", 1, 136, topOrBottom, false, 0, 1,
                              zeroLensDistance}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
