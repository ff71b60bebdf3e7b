#include "3-catalogue/throwformulas.h"
#include "9-session/session.h"
#include "scripteddialogs.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>

using namespace lumidex;
using lumidex::fakes::ScriptedDialogs;

namespace {

class DrawingTest : public ::testing::Test
{
protected:
    DrawingTest() { session.screenWindow().calc(); }

    void screenWidth(const char *inches)
    {
        session.screenWindow().setFieldText(Dimension::Width, inches);
        session.screenWindow().keyPress(Dimension::Width, ScreenWindow::KeyEnter);
        session.screenWindow().calc();
    }

    ThrowWindow &window() { return session.throwWindow(); }
    const Drawing &drawing() { return session.throwWindow().drawing(); }
    InstallationState &state() { return session.state(); }

    ScriptedDialogs dialogs;
    Session session{dialogs, StartOptions{.units = Unit::Inches,
                                          .tipsOff = false,
                                          .expertMode = true,
                                          .projectFile = {}}};
};

// Every coordinate of the drawing is a sane number, whatever the installation.
void expectSane(const Drawing &d)
{
    auto sane = [](int v) { return v > -100000000 && v < 100000000; };
    d.forEachLine([&](std::string_view name, const DrawLine &l) {
        EXPECT_TRUE(sane(l.x1) && sane(l.y1) && sane(l.x2) && sane(l.y2)) << name;
    });
    d.forEachLabel([&](std::string_view name, const DrawLabel &l) {
        EXPECT_TRUE(sane(l.left) && sane(l.top)) << name;
    });
}

TEST_F(DrawingTest, ZoomLensDrawsBothPositionsWithTheirValues)
{
    window().selectLens(Model::LX460, 0);
    const Drawing &d = drawing();
    const int scale = state().results.drawingScale;
    EXPECT_EQ(d.lineNear.x1, std::lround(8280 - scale * state().results.throwNear));
    EXPECT_EQ(d.lineFar.x1, std::lround(8280 - scale * state().results.throwFar));
    EXPECT_TRUE(d.lineFar.visible);
    EXPECT_TRUE(d.Label1[14].visible);
    EXPECT_TRUE(d.Label1[15].visible);
    EXPECT_EQ(d.txtHTDFar.caption, "191");
    EXPECT_EQ(d.hdimbox.caption, "151");
    EXPECT_TRUE(d.farPicture.visible);
    EXPECT_TRUE(d.farPicture.ghost);
    // The near picture's lens front stands at the near position.
    EXPECT_EQ(d.nearPicture.left + d.nearPicture.width, d.lineNear.x1);
    expectSane(d);
}

TEST_F(DrawingTest, FixedLensHasNoRangeTagsOrNote)
{
    window().selectLens(Model::LX460, 3);
    const Drawing &d = drawing();
    EXPECT_FALSE(d.lineFar.visible);
    EXPECT_FALSE(d.Label1[14].visible);
    EXPECT_FALSE(d.Label1[15].visible);
    EXPECT_FALSE(d.farPicture.visible);
    EXPECT_EQ(window().notes(), "");
}

TEST_F(DrawingTest, InstallationHoleMovesOnlyTheFarPosition)
{
    window().selectLens(Model::LX540, 0);
    const Drawing front = drawing();
    window().selectThrowPoint(1);
    const Drawing &hole = drawing();
    EXPECT_EQ(front.farPicture.entry, 2);
    EXPECT_EQ(hole.farPicture.entry, 3);
    EXPECT_NEAR(front.lineFar.x1 - hole.lineFar.x1, 8.2 * state().results.drawingScale, 1.0);
    EXPECT_EQ(hole.nearPicture.left, front.nearPicture.left);
}

TEST_F(DrawingTest, ScreenStandsOnTheFloorLineAtScale)
{
    window().selectLens(Model::LX460, 0);
    const Drawing &d = drawing();
    const int scale = state().results.drawingScale;
    EXPECT_EQ(d.screen_pic.y2, Drawing::FloorY);
    EXPECT_EQ(d.screen_pic.y2 - d.screen_pic.y1, 60 * scale);
    EXPECT_EQ(d.lblVsize.caption, "60");
    EXPECT_EQ(d.lblHcent.caption, "30");
    EXPECT_EQ(d.line_Vsize.y1, d.screen_pic.y1);
}

struct PositionCase
{
    const char *name;
    int position;
    bool inverted;
};

class MountPositions : public DrawingTest, public ::testing::WithParamInterface<PositionCase>
{};

TEST_P(MountPositions, PlaceTheProjectorAndKeepLabelsAboveTheFloor)
{
    window().selectLens(Model::LX460, 0);
    window().selectPosition(GetParam().position);
    const Drawing &d = drawing();
    EXPECT_EQ(d.nearPicture.inverted, GetParam().inverted);
    EXPECT_LE(d.nearPicture.top + d.nearPicture.height, Drawing::FloorY);
    EXPECT_LE(d.lblflr_proj.top + d.lblflr_proj.height, Drawing::FloorY);
    EXPECT_EQ(d.lineCeiling.visible, GetParam().inverted);
    EXPECT_EQ(d.line_back_proj.visible, GetParam().position == 0);
    expectSane(d);
}

INSTANTIATE_TEST_SUITE_P(Positions, MountPositions,
                         testing::Values(PositionCase{"ceiling", 0, true},
                                         PositionCase{"centre", 1, false},
                                         PositionCase{"floor", 2, false}),
                         [](const auto &info) { return std::string(info.param.name); });

struct RulerCase
{
    const char *name;
    int lens;
    Unit units;
    const char *width;
    int scale;
    std::array<const char *, 3> across; // Label1 1, 2, 6
    std::array<const char *, 2> up;     // Label1 8, 13
};

class Rulers : public DrawingTest, public ::testing::WithParamInterface<RulerCase>
{};

TEST_P(Rulers, FollowScaleAndUnits)
{
    const RulerCase &c = GetParam();
    window().selectLens(Model::LX460, c.lens);
    window().selectUnits(c.units);
    screenWidth(c.width);
    ASSERT_EQ(state().results.drawingScale, c.scale);
    const Drawing &d = drawing();
    EXPECT_EQ(d.Label1[1].caption, c.across[0]);
    EXPECT_EQ(d.Label1[2].caption, c.across[1]);
    EXPECT_EQ(d.Label1[6].caption, c.across[2]);
    EXPECT_EQ(d.Label1[8].caption, c.up[0]);
    EXPECT_EQ(d.Label1[13].caption, c.up[1]);
    EXPECT_EQ(d.Label1[0].caption, "0");
}

INSTANTIATE_TEST_SUITE_P(
    Scales, Rulers,
    testing::Values(
        RulerCase{"inchesDefault", 0, Unit::Inches, "80", 20, {"60", "120", "360"}, {"30", "180"}},
        // A short throw lens close to its screen is drawn larger.
        // A short throw lens close to its screen is drawn larger: the steps are not whole.
        RulerCase{"inchesEnlarged",
                  2,
                  Unit::Inches,
                  "80",
                  45,
                  {"26.7", "53.3", "160.0"},
                  {"13.3", "80.0"}},
        RulerCase{"feet", 0, Unit::Feet, "6.7", 20, {"5", "10", "30"}, {"2.5", "15.0"}},
        RulerCase{"millimetres",
                  0,
                  Unit::Millimetres,
                  "2032",
                  20,
                  {"1524", "3048", "9144"},
                  {"762", "4572"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(DrawingTest, VeryLongThrowShrinksTheScaleButNeverBelowOne)
{
    window().selectLens(Model::DX520, 1);
    screenWidth("25000");
    ASSERT_FLOAT_EQ(state().screen.width, 25000.0f);
    EXPECT_EQ(state().results.drawingScale, 1);
    expectSane(drawing());
}

TEST_F(DrawingTest, TallScreenHalvesTheScaleUntilItFits)
{
    window().selectLens(Model::LX550, 0);
    screenWidth("400");
    EXPECT_LT(state().results.drawingScale, 20);
    EXPECT_GE(drawing().screen_pic.y1, Drawing::TopLimitY);
    EXPECT_GE(drawing().nearPicture.top, Drawing::TopLimitY);
}

TEST_F(DrawingTest, FloorMountedCrtShowsOnlyTheCeilingSideHeight)
{
    window().selectSeries(Series::CR7100);
    window().selectPosition(2);
    const Drawing &d = drawing();
    EXPECT_TRUE(d.nearPicture.visible);
    EXPECT_FALSE(d.nearPicture.inverted);
    EXPECT_TRUE(d.line_flr_ceiling.visible);
    EXPECT_TRUE(d.lblflr_ceiling.visible);
    EXPECT_FALSE(d.line_flr_proj.visible);
    EXPECT_FALSE(d.lineCeiling.visible);
    EXPECT_EQ(d.lineNear.x1, state().results.projectorDrawX);
    expectSane(d);
}

// A screen raised off the floor with its projector gives the height of its lower edge, and
// every CRT series gives the screen centre's height.
struct RaisedCase
{
    const char *name;
    Series series;
    int position;
    const char *angle; // with position 3
};

class RaisedScreen : public DrawingTest, public ::testing::WithParamInterface<RaisedCase>
{};

TEST_P(RaisedScreen, GivesItsHeightAboveTheFloor)
{
    const RaisedCase &c = GetParam();
    window().selectSeries(c.series);
    if (c.angle)
        dialogs.answers.push_back(c.angle);
    window().selectPosition(c.position);
    const Drawing &d = drawing();
    EXPECT_TRUE(d.lblHcent.visible);
    EXPECT_FALSE(d.lblHcent.caption.empty());
    const bool raised = d.screen_pic.y2 < Drawing::FloorY;
    EXPECT_EQ(d.line_flr_screen.visible, raised);
    EXPECT_EQ(d.lblflr_screen.visible, raised);
    if (raised) {
        EXPECT_EQ(d.line_flr_screen.y1, d.screen_pic.y2);
        EXPECT_EQ(d.line_flr_screen.y2, Drawing::FloorY);
        const double inches =
            double(Drawing::FloorY - d.screen_pic.y2) / state().results.drawingScale;
        EXPECT_EQ(d.lblflr_screen.caption, formatLength(inches, Unit::Inches));
    }
}

INSTANTIATE_TEST_SUITE_P(Crt, RaisedScreen,
                         testing::Values(RaisedCase{"cr7300Bottom", Series::CR7300, 2, nullptr},
                                         RaisedCase{"cr7200Steep", Series::CR7200, 3, "28"},
                                         RaisedCase{"cr7100Centre", Series::CR7100, 1, nullptr},
                                         RaisedCase{"cr7400Centre", Series::CR7400, 1, nullptr}),
                         [](const auto &info) { return std::string(info.param.name); });

// A ceiling-hung data projector gives the ceiling's height; lines are styled as the window's
// element table has them.
TEST_F(DrawingTest, HungDataProjectorGivesTheCeilingHeight)
{
    window().selectLens(Model::LX460, 0);
    window().selectPosition(0);
    const Drawing &d = drawing();
    EXPECT_TRUE(d.line_flr_ceiling.visible);
    EXPECT_TRUE(d.lblflr_ceiling.visible);
    EXPECT_EQ(d.line_flr_ceiling.y1, d.lineCeiling.y1);
    EXPECT_EQ(std::abs(d.line_flr_ceiling.x1 - d.line_flr_proj.x1), 350);
    for (const DrawLine *l : {&d.Line2, &d.line_flr_proj, &d.line_flr_ceiling, &d.line_TD})
        EXPECT_EQ(l->style, LineStyle::Solid);
    window().selectPosition(2);
    EXPECT_FALSE(drawing().line_flr_ceiling.visible);
}

// The CR-75xx stands at one distance at every mounting: the others are drawn lighter.
TEST_F(DrawingTest, Cr75xxShowsItsOtherMountingsAtTheSameDistance)
{
    window().selectSeries(Series::CR7500);
    window().selectPosition(0);
    const Drawing &d = drawing();
    EXPECT_EQ(d.nearPicture.entry, 0);
    EXPECT_FALSE(d.crtPictures[0].visible);
    const DrawPicture &centre = d.crtPictures[1];
    ASSERT_TRUE(centre.visible);
    EXPECT_TRUE(centre.ghost);
    EXPECT_EQ(centre.entry, 1);
    EXPECT_EQ(centre.left, d.nearPicture.left);
    EXPECT_GT(centre.top, d.nearPicture.top + d.nearPicture.height);
}

TEST(FrameTexts, TitleAndLensLabelComeFromTheCatalogue)
{
    EXPECT_EQ(frameTitleOf(Selection::dataProjector(Model::LX550, 0)), " LX-550/560");
    EXPECT_EQ(frameTitleOf(Selection::dataProjector(Model::LX460, 1)), " LX-460");
    EXPECT_EQ(frameTitleOf(Selection::crt(Series::CR7500)), "CR-75xx/CR-7600/7620M/J");
    EXPECT_EQ(frameTitleOf(Selection::crt(Series::CR7400)), "CR-7400/CR-7400H");
    EXPECT_EQ(lensLabelOf(Selection::dataProjector(Model::LX460, 0)), "Standard Zoom Lens");
    EXPECT_EQ(lensLabelOf(Selection::dataProjector(Model::LX440, 1)), "LN-104");
    EXPECT_EQ(lensLabelOf(Selection::dataProjector(Model::LX450, 0)), "LN-106");
    EXPECT_EQ(lensLabelOf(Selection::dataProjector(Model::DX520, 0)), "LN-107");
}

} // namespace

namespace {} // namespace
