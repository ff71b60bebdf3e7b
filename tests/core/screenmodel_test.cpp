#include "2-screen/screenmodel.h"
#include "3-catalogue/catalogue.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace lumidex;

namespace {

ScreenState screenOf(float height, float width, float aspect)
{
    ScreenState s;
    s.height = height;
    s.width = width;
    s.aspect = aspect;
    return s;
}

TEST(Recompute, SixteenByNineKeepsTheHeight)
{
    ScreenState s = screenOf(60, 80, aspectPresets()[2].ratio);
    recomputeKeepingWide(s, RangeGroup::D);
    EXPECT_FLOAT_EQ(s.height, 60.0f);
    EXPECT_FLOAT_EQ(s.width, 106.66666f);
    EXPECT_FLOAT_EQ(s.diagonal, 122.38373f);
    EXPECT_EQ(formatDimension(s.diagonal, Unit::Inches), "122");
    EXPECT_EQ(formatDimension(s.width, Unit::Inches), "107");
}

TEST(Recompute, WideRatiosKeepTheWidth)
{
    ScreenState s = screenOf(60, 80, aspectPresets()[5].ratio);
    recomputeKeepingWide(s, RangeGroup::D);
    EXPECT_FLOAT_EQ(s.width, 80.0f);
    EXPECT_FLOAT_EQ(s.height, 34.042553f);
    EXPECT_FLOAT_EQ(s.diagonal, 86.94191f);
    EXPECT_EQ(formatDimension(s.height, Unit::Inches), "34");
}

TEST(Recompute, FromDiagonalKeepsRatioAndPythagoras)
{
    for (float aspect : {4.0f / 3.0f, 16.0f / 9.0f, 2.35f, 1.2f}) {
        ScreenState s = screenOf(0, 0, aspect);
        s.diagonal = 150;
        recomputeFromDiagonal(s, RangeGroup::D);
        EXPECT_NEAR(s.width / s.height, aspect, 1e-5) << aspect;
        EXPECT_NEAR(std::hypot(s.width, s.height), 150.0, 1e-4) << aspect;
    }
}

TEST(Recompute, DiagonalOfHundredFeetIsTwelveHundredInchesAndRed)
{
    ScreenState s = screenOf(60, 80, 4.0f / 3.0f);
    s.diagonal = static_cast<float>(toInches("100", Unit::Feet));
    const RangeResult r = recomputeFromDiagonal(s, RangeGroup::D);
    EXPECT_FLOAT_EQ(s.diagonal, 1200.0f);
    EXPECT_FALSE(r.reset);
    for (const auto &colour : r.colours)
        EXPECT_EQ(colour, TextColour::Red);
}

struct ResetCase
{
    const char *name;
    float aspect;
    Dimension stepped;
    float start;
    int direction;
};

class HardLimitReset : public testing::TestWithParam<ResetCase>
{};

// Leaving 1..32000 inches resets to a 100 inch diagonal at the kept ratio.
TEST_P(HardLimitReset, ResetsToHundredInchDiagonalAtKeptRatio)
{
    const ResetCase &c = GetParam();
    ScreenState s = screenOf(60, 80, c.aspect);
    s.value(c.stepped) = c.start;
    const RangeResult r = stepDimension(s, c.stepped, c.direction, RangeGroup::D);
    EXPECT_TRUE(r.reset);
    EXPECT_FLOAT_EQ(s.diagonal, 100.0f);
    EXPECT_NEAR(s.width / s.height, c.aspect, 1e-5);
    EXPECT_NEAR(std::hypot(s.width, s.height), 100.0, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, HardLimitReset,
    testing::Values(ResetCase{"heightDownFromOne", 4.0f / 3.0f, Dimension::Height, 1, -1},
                    ResetCase{"widthUpPastLimit", 4.0f / 3.0f, Dimension::Width, 32000, +1},
                    ResetCase{"sixteenByNineKeepsItsRatio", 16.0f / 9.0f, Dimension::Height, 1, -1},
                    ResetCase{"wideKeepsItsRatio", 2.35f, Dimension::Diagonal, 32000, +1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(HardLimitReset, FourByThreeGivesExactlyHundredEightySixty)
{
    ScreenState s = screenOf(60, 80, 4.0f / 3.0f);
    s.height = 0;
    recomputeFromHeight(s, RangeGroup::D);
    EXPECT_EQ(s.diagonal, 100.0f);
    EXPECT_EQ(s.width, 80.0f);
    EXPECT_EQ(s.height, 60.0f);
}

// After a reset every field shows the colour of the reset screen. Before, a field the check had
// already coloured red stayed red beside the in-range 100/80/60.
TEST(HardLimitReset, ResetScreenTakesItsOwnColours)
{
    ScreenState s = screenOf(200, 40000, 4.0f / 3.0f); // height red in group D, width too wide
    s.diagonal = 100;
    const RangeResult r = checkRecommendedRange(s, RangeGroup::D);
    EXPECT_TRUE(r.reset);
    for (const auto &colour : r.colours)
        EXPECT_EQ(colour, TextColour::Black);
}

TEST(HardLimitReset, NotANumberIsReset)
{
    ScreenState s = screenOf(NAN, 80, 4.0f / 3.0f);
    EXPECT_TRUE(checkRecommendedRange(s, RangeGroup::D).reset);
    EXPECT_FALSE(std::isnan(s.height));
}

struct ColourCase
{
    const char *name;
    RangeGroup group;
    float height;
    TextColour expectedHeight;
};

class RangeColours : public testing::TestWithParam<ColourCase>
{};

TEST_P(RangeColours, BoundsAreInclusive)
{
    const ColourCase &c = GetParam();
    ScreenState s = screenOf(c.height, 80, 4.0f / 3.0f);
    s.diagonal = 100;
    const RangeResult r = checkRecommendedRange(s, c.group);
    EXPECT_FALSE(r.reset);
    EXPECT_EQ(r.colours[0], c.expectedHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, RangeColours,
    testing::Values(ColourCase{"dLowerBound", RangeGroup::D, 20, TextColour::Black},
                    ColourCase{"dBelow", RangeGroup::D, 19.9f, TextColour::Red},
                    ColourCase{"dUpperBound", RangeGroup::D, 181, TextColour::Black},
                    ColourCase{"dAbove", RangeGroup::D, 181.5f, TextColour::Red},
                    ColourCase{"aBelow", RangeGroup::A, 59, TextColour::Red},
                    ColourCase{"aInside", RangeGroup::A, 360, TextColour::Black},
                    ColourCase{"bInside", RangeGroup::B, 24, TextColour::Black},
                    ColourCase{"cBelow", RangeGroup::C, 47, TextColour::Red},
                    ColourCase{"hardLimitStillRed", RangeGroup::D, 32000, TextColour::Red}),
    [](const auto &info) { return std::string(info.param.name); });

struct GroupCase
{
    const char *name;
    Selection selection;
    RangeGroup expected;
};

class RangeGroups : public testing::TestWithParam<GroupCase>
{};

TEST_P(RangeGroups, ChosenLensDecidesTheGroup)
{
    EXPECT_EQ(screenSizesOf(GetParam().selection), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lenses, RangeGroups,
    testing::Values(
        GroupCase{"dx520Zoom", Selection::dataProjector(Model::DX520, 0), RangeGroup::A},
        GroupCase{"dx520Short", Selection::dataProjector(Model::DX520, 2), RangeGroup::A},
        GroupCase{"lx510Ln110", Selection::dataProjector(Model::LX510, 0), RangeGroup::B},
        GroupCase{"lx510Ln114", Selection::dataProjector(Model::LX510, 4), RangeGroup::B},
        GroupCase{"lx510Ln115", Selection::dataProjector(Model::LX510, 5), RangeGroup::B},
        GroupCase{"lx510Ln111", Selection::dataProjector(Model::LX510, 1), RangeGroup::C},
        GroupCase{"lx510Ln113", Selection::dataProjector(Model::LX510, 3), RangeGroup::C},
        GroupCase{"lx530SameLensOtherModel", Selection::dataProjector(Model::LX530, 0),
                  RangeGroup::D},
        GroupCase{"crt", Selection::crt(Series::CR7300), RangeGroup::D}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Display, UnitsOfAHundredInches)
{
    EXPECT_EQ(formatDimension(100, Unit::Inches), "100");
    EXPECT_EQ(formatDimension(100, Unit::Feet), "8.3");
    EXPECT_EQ(formatDimension(100, Unit::Millimetres), "2540");
    EXPECT_EQ(formatDimension(80.5f, Unit::Inches), "80");
    EXPECT_DOUBLE_EQ(toInches("80", Unit::Millimetres), 80 / 25.4);
    EXPECT_DOUBLE_EQ(toInches("12/5", Unit::Feet), 144);
}

TEST(Captions, CustomRatioHasTwoDecimals)
{
    EXPECT_EQ(customAspectCaption(1.5f), "1.50:1");
    EXPECT_EQ(customAspectCaption(16.0f / 9.0f), "1.78:1");
}

} // namespace
