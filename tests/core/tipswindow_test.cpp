#include "4-crt/tipswindow.h"

#include <gtest/gtest.h>

using namespace lumidex;

namespace {

TEST(TipsWindow, Cr7100WalksHeadingThenThreeSteps)
{
    TipsWindow tips(Series::CR7100, 80, {125, -40, 0, 7});
    EXPECT_FALSE(tips.warningVisible());
    EXPECT_EQ(tips.step(), 0);
    tips.advance();
    EXPECT_EQ(tips.text().substr(0, 8), "STEP 1\r\r");
    EXPECT_TRUE(tips.screwsPictureVisible());
    tips.advance();
    EXPECT_EQ(tips.text().substr(0, 6), "STEP 2");
    EXPECT_TRUE(tips.ringsVisible());
    EXPECT_FALSE(tips.screwsPictureVisible());
    // abs(12.5) >= abs(-4): the second ring first.
    EXPECT_EQ(tips.ringLabels(),
              (std::array<std::string, 6>{"-4.", "12.5", ".", ".7", "4.", "-12.5"}));
    tips.advance();
    EXPECT_EQ(tips.text().substr(0, 6), "STEP 3");
    EXPECT_FALSE(tips.ringsVisible());
    EXPECT_FALSE(tips.closed());
    tips.advance();
    EXPECT_TRUE(tips.closed());
}

TEST(TipsWindow, SmallerFirstRingKeepsItsPlace)
{
    TipsWindow tips(Series::CR7100, 80, {30, -50, 0, 0});
    tips.advance();
    tips.advance();
    EXPECT_EQ(tips.ringLabels()[0], "3.");
    EXPECT_EQ(tips.ringLabels()[1], "-5.");
    EXPECT_EQ(tips.ringLabels()[4], "-3.");
    EXPECT_EQ(tips.ringLabels()[5], "5.");
}

TEST(TipsWindow, SmallScreenWarningComesFirst)
{
    TipsWindow tips(Series::CR7100, 71.9f, {});
    EXPECT_TRUE(tips.warningVisible());
    EXPECT_EQ(tips.warningNote(), "(The following ring information is for the above lenses)");
    tips.advance();
    EXPECT_FALSE(tips.warningVisible());
    EXPECT_EQ(tips.step(), 0);
    tips.advance();
    EXPECT_EQ(tips.text().substr(0, 6), "STEP 1");
}

TEST(TipsWindow, OtherSeriesShowTheAngleWarningAndCloseOnTheFirstClick)
{
    TipsWindow tips(Series::CR7300, 80, {});
    EXPECT_TRUE(tips.warningVisible());
    EXPECT_EQ(tips.warningNote(),
              "(Varnel Regional Office information is located under the ABOUT menu)");
    tips.advance();
    EXPECT_TRUE(tips.closed());
}

} // namespace
