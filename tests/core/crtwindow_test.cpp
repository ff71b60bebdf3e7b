#include "3-catalogue/limits.h"
#include "3-catalogue/throwformulas.h"
#include "9-session/session.h"
#include "scripteddialogs.h"

#include <gtest/gtest.h>

using namespace lumidex;
using lumidex::fakes::ScriptedDialogs;

namespace {

class CrtWindowTest : public ::testing::Test
{
protected:
    explicit CrtWindowTest(bool expert = true)
        : session(dialogs, StartOptions{Unit::Inches, false, expert, {}})
    {
        session.screenWindow().calc(); // "&Layout"
    }

    void typeDistance(const char *text)
    {
        window().setDistanceText(text);
        window().distanceKeyPress(ThrowWindow::KeyEnter);
    }

    ThrowWindow &window() { return session.throwWindow(); }
    InstallationState &state() { return session.state(); }

    ScriptedDialogs dialogs;
    Session session;
};

TEST_F(CrtWindowTest, StartUpShowsTheCr7300DistanceAtOnce)
{
    EXPECT_TRUE(state().inputs.selection == Selection::crt(Series::CR7300));
    EXPECT_EQ(window().distanceText(), "106");
    EXPECT_EQ(window().throwAngleText(), "15.2");
    EXPECT_TRUE(window().drawing().nearPicture.visible);
    EXPECT_TRUE(window().drawing().nearPicture.inverted);
}

TEST_F(CrtWindowTest, Cr7300AtTheCentreThrowsStraight)
{
    window().selectPosition(1);
    EXPECT_EQ(window().distanceText(), "111");
    EXPECT_EQ(state().results.throwAngle, 0.0);
    EXPECT_EQ(window().drawing().line_TD.y1, window().drawing().line_TD.y2);
}

TEST_F(CrtWindowTest, TypedDistanceFindsTheScreenWidth)
{
    window().selectSeries(Series::CR7400);
    typeDistance("150");
    EXPECT_EQ(window().distanceText(), "150");
    EXPECT_EQ(state().inputs.enteredThrowDistance, 0.0f);
    EXPECT_NEAR(state().screen.width, 102.7, 0.1);
    EXPECT_EQ(session.screenWindow().field(Dimension::Width).text, "103");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CrtWindowTest, TypedDistanceTooShortIsRefusedAndReset)
{
    window().selectSeries(Series::CR7100);
    typeDistance("78");
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages[0].text, OutOfRangeMessage);
    EXPECT_EQ(state().screen.width, 80.0f);
    EXPECT_EQ(state().inputs.enteredThrowDistance, 0.0f);
}

TEST_F(CrtWindowTest, Cr7100AngleBeyondTheLensLeavesTheResults)
{
    window().selectSeries(Series::CR7100);
    const double before = state().results.throwDistance;
    dialogs.answers.push_back("17.8");
    window().selectPosition(3);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Angle limit exceeded.  The Maximum Angle for the "
                                        "CR-7100 is (+-)17.7 degrees.");
    EXPECT_EQ(state().results.throwDistance, before);
}

TEST_F(CrtWindowTest, Cr75xxWritesItsRingAndSpacerNote)
{
    window().selectSeries(Series::CR7500);
    EXPECT_EQ(window().notes(), " Lens Ring Position = 100,  CRT Spacers = 100");
    window().selectPosition(1);
    EXPECT_EQ(window().notes(), " Lens Ring Position = 100,  CRT Spacers = 100 and 0.8mm");
    EXPECT_EQ(window().throwAngleText(), "0");
}

TEST_F(CrtWindowTest, CustomAngleWritesTheTiltNote)
{
    window().selectSeries(Series::CR7200);
    dialogs.answers.push_back("-5");
    window().selectPosition(3);
    EXPECT_EQ(window().notes(), " NOTE: Projector Tilt shown may not be correct.");
    EXPECT_EQ(window().notesColour(), NoteColour::Red);
    EXPECT_TRUE(window().drawing().nearPicture.inverted); // above the centre: ceiling side
}

class CrtTipsTest : public CrtWindowTest
{
protected:
    CrtTipsTest() : CrtWindowTest(false) {}
};

TEST_F(CrtTipsTest, Cr7100WalksThroughTheRingSteps)
{
    dialogs.tipsShown.clear();
    window().selectSeries(Series::CR7100);
    ASSERT_EQ(dialogs.tipsShown.size(), 1u);
    EXPECT_EQ(dialogs.tipsShown[0], "Adjustment of the Modular Lens Coupling lens focus rings is "
                                    "needed to obtain optimum focus.");
    EXPECT_TRUE(state().results.ringsSet);
    EXPECT_FALSE(dialogs.tipsRings[0].empty());
}

TEST_F(CrtTipsTest, SteepCustomAngleWarnsAboutTheAngle)
{
    dialogs.tipsShown.clear();
    dialogs.answers.push_back("15.3");
    window().selectPosition(3);
    ASSERT_EQ(dialogs.tipsShown.size(), 1u);
    EXPECT_EQ(dialogs.tipsShown[0].substr(0, 23), "The ANGLE is too large.");
    EXPECT_EQ(mountedAt(state().inputs), MountPosition::Bottom);
}

TEST_F(CrtTipsTest, NeverInExpertMode)
{
    session.screenWindow().toggleExpertMode();
    dialogs.tipsShown.clear();
    window().selectSeries(Series::CR7100);
    EXPECT_TRUE(dialogs.tipsShown.empty());
}

} // namespace
