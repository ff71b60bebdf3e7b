#include "9-session/tooltips.h"

#include <gtest/gtest.h>

using namespace lumidex;

namespace {

TEST(Tooltips, FirstTipStaysUntilAHidingPlaceIsCrossed)
{
    Tooltips tips;
    EXPECT_EQ(tips.hover(TipControl::InstallationRatio, true), Tooltips::Action::Show);
    EXPECT_EQ(tips.text(), "Double click to cycle through aspect ratios.");
    EXPECT_EQ(tips.hover(TipControl::MeasurementLabel, true), Tooltips::Action::None);
    EXPECT_EQ(tips.text(), "Double click to cycle through aspect ratios.");
    EXPECT_EQ(tips.hide(), Tooltips::Action::Hide);
    EXPECT_EQ(tips.hover(TipControl::MeasurementLabel, true), Tooltips::Action::Show);
    EXPECT_EQ(tips.text(), "Double click to cycle through measurement units.");
}

TEST(Tooltips, TipsOffOrAFieldWithoutTipHide)
{
    Tooltips tips;
    EXPECT_EQ(tips.hover(TipControl::ThrowDistance, false), Tooltips::Action::None);
    EXPECT_FALSE(tips.visible());
    tips.hover(TipControl::ThrowDistance, true);
    EXPECT_EQ(tips.hover(TipControl::OtherTitleField, true), Tooltips::Action::Hide);
    tips.hover(TipControl::ThrowDistance, true);
    EXPECT_EQ(tips.hover(TipControl::CalculatorUnits, false), Tooltips::Action::Hide);
}

struct PlaceCase
{
    const char *name;
    int x, y;
    TipRect expected;
};

class TipPlacement : public testing::TestWithParam<PlaceCase>
{};

TEST_P(TipPlacement, BelowThePointerAndInsideTheScreen)
{
    const PlaceCase &c = GetParam();
    const TipRect r = placeTip(c.x, c.y, 196, 16, 1920, 1080);
    EXPECT_EQ(r.left, c.expected.left);
    EXPECT_EQ(r.top, c.expected.top);
    EXPECT_EQ(r.width, c.expected.width);
    EXPECT_EQ(r.height, c.expected.height);
}

INSTANTIATE_TEST_SUITE_P(Pointers, TipPlacement,
                         testing::Values(PlaceCase{"middle", 500, 400, {498, 418, 200, 18}},
                                         PlaceCase{"rightEdge", 1900, 400, {1720, 418, 200, 18}},
                                         PlaceCase{"bottomEdge", 500, 1075, {498, 1062, 200, 18}}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
