#include "3-catalogue/limits.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace lumidex;

namespace {

constexpr float FourByThree = 4.0f / 3.0f;
constexpr float SixteenByNine = 16.0f / 9.0f;

struct LimitCase
{
    const char *name;
    Selection selection;
    float width;
    float aspect;
    float distance;
    LimitOutcome outcome;
    const char *text; // nullptr: the out-of-range message or nothing
};

class Capabilities : public testing::TestWithParam<LimitCase>
{};

TEST_P(Capabilities, AcceptRefuseOrCorrect)
{
    const LimitCase &c = GetParam();
    const LimitCheck check = checkCapabilities(c.selection, c.width, c.aspect, c.distance, {});
    EXPECT_EQ(check.outcome, c.outcome);
    if (c.outcome == LimitOutcome::OutOfRange) {
        EXPECT_EQ(check.text, OutOfRangeMessage);
        EXPECT_EQ(check.title, "");
        EXPECT_EQ(check.icon, MessageIcon::Critical);
    }
    if (c.outcome == LimitOutcome::AspectNotice) {
        EXPECT_EQ(check.text, c.text);
        EXPECT_EQ(check.title, "Notice:");
        EXPECT_TRUE(check.aspectToFourByThree);
    }
}

Selection lens(Model m, int k)
{
    return Selection::dataProjector(m, k);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, Capabilities,
    testing::Values(LimitCase{"lx440ShortThrowFits", lens(Model::LX440, 2), 80, FourByThree, 0,
                              LimitOutcome::Accepted, nullptr},
                    LimitCase{"lx440ShortThrowTooWide", lens(Model::LX440, 2), 170, FourByThree, 0,
                              LimitOutcome::OutOfRange, nullptr},
                    LimitCase{"lx410StandardNarrowMax", lens(Model::LX410, 0), 197, FourByThree, 0,
                              LimitOutcome::OutOfRange, nullptr},
                    LimitCase{"lx410StandardWideRange", lens(Model::LX410, 0), 197, SixteenByNine,
                              0, LimitOutcome::Accepted, nullptr},
                    LimitCase{"lx540WideRangeIsSmaller", lens(Model::LX540, 0), 200, SixteenByNine,
                              0, LimitOutcome::OutOfRange, nullptr},
                    LimitCase{"lx510LongThrowMin", lens(Model::LX510, 3), 63, FourByThree, 0,
                              LimitOutcome::OutOfRange, nullptr},
                    LimitCase{"lx550StandardMinInclusive", lens(Model::LX550, 0), 80, FourByThree,
                              0, LimitOutcome::Accepted, nullptr},
                    LimitCase{"dx520AnyWidth", lens(Model::DX520, 1), 5000, 2.35f, 0,
                              LimitOutcome::Accepted, nullptr},
                    LimitCase{"lx530AnyRatio", lens(Model::LX530, 0), 80, 2.35f, 0,
                              LimitOutcome::Accepted, nullptr},
                    LimitCase{"cr7100ExactlyFiftyFive", Selection::crt(Series::CR7100), 55,
                              FourByThree, 0, LimitOutcome::OutOfRange, nullptr},
                    LimitCase{"cr7100JustAbove", Selection::crt(Series::CR7100), 55.1f, FourByThree,
                              0, LimitOutcome::Accepted, nullptr},
                    LimitCase{"cr7200MaxInclusive", Selection::crt(Series::CR7200), 240,
                              FourByThree, 0, LimitOutcome::Accepted, nullptr},
                    LimitCase{"cr7200AboveMax", Selection::crt(Series::CR7200), 240.5f, FourByThree,
                              0, LimitOutcome::OutOfRange, nullptr},
                    LimitCase{"cr7100DistanceEighty", Selection::crt(Series::CR7100), 80,
                              FourByThree, 80, LimitOutcome::Accepted, nullptr},
                    LimitCase{"cr7100DistanceTooShort", Selection::crt(Series::CR7100), 80,
                              FourByThree, 78, LimitOutcome::OutOfRange, nullptr},
                    LimitCase{"cr7300DistanceUpperExclusive", Selection::crt(Series::CR7300), 80,
                              FourByThree, 309, LimitOutcome::OutOfRange, nullptr},
                    LimitCase{"cr7500DistanceUpperInclusive", Selection::crt(Series::CR7500), 80,
                              FourByThree, 320, LimitOutcome::Accepted, nullptr},
                    LimitCase{"cr7400WidestScreen", Selection::crt(Series::CR7400), 201,
                              FourByThree, 0, LimitOutcome::OutOfRange, nullptr},
                    LimitCase{"lx420SixteenByNine", lens(Model::LX420, 0), 80, SixteenByNine, 0,
                              LimitOutcome::AspectNotice,
                              "LX-420 projectors support\nthe 1.33 aspect ratio only"},
                    LimitCase{"lx450Wide", lens(Model::LX450, 1), 80, 1.5f, 0,
                              LimitOutcome::AspectNotice,
                              "LX-450 projectors support\nthe 1.33 aspect ratio only"},
                    LimitCase{"lx470AmericanWidescreen", lens(Model::LX470, 0), 80, 1.85f, 0,
                              LimitOutcome::AspectNotice,
                              "This type of projector supports\n1.33 and 1.78 aspect ratios only"},
                    LimitCase{"lx470HighDefinition", lens(Model::LX470, 0), 80, 1.78f, 0,
                              LimitOutcome::Accepted, nullptr},
                    LimitCase{"lx470AlmostFourByThree", lens(Model::LX470, 0), 80, 1.333f, 0,
                              LimitOutcome::Accepted, nullptr},
                    LimitCase{"cr7500Wide", Selection::crt(Series::CR7500), 80, 2.0f, 0,
                              LimitOutcome::AspectNotice,
                              "This type of projector supports\n1.33 and 1.78 aspect ratios only"},
                    LimitCase{"widthCheckedBeforeAspect", lens(Model::LX420, 0), 300, SixteenByNine,
                              0, LimitOutcome::OutOfRange, nullptr}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CapabilitiesErrors, FocusSeriesRatioOutsideOneToTwoAndAHalfIsRefusedAndSetToFourByThree)
{
    const LimitCheck check = checkCapabilities(Selection::crt(Series::CR7300), 80, 2.6f, 0, {});
    EXPECT_EQ(check.outcome, LimitOutcome::OutOfRange);
    EXPECT_TRUE(check.aspectToFourByThree);
}

TEST(CapabilitiesErrors, NotANumberWidthIsRefused)
{
    EXPECT_EQ(checkCapabilities(lens(Model::LX460, 0), NAN, FourByThree, 0, {}).outcome,
              LimitOutcome::OutOfRange);
    EXPECT_EQ(checkCapabilities(Selection::crt(Series::CR7100), NAN, FourByThree, 0, {}).outcome,
              LimitOutcome::OutOfRange);
}

} // namespace
