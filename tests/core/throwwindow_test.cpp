#include "1-state/numbertext.h"
#include "3-catalogue/limits.h"
#include "3-catalogue/throwformulas.h"
#include "4-crt/crtmodel.h"
#include "6-installation/positions.h"
#include "9-session/session.h"
#include "scripteddialogs.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace lumidex;
using lumidex::fakes::ScriptedDialogs;

namespace {

class ThrowWindowTest : public ::testing::Test
{
protected:
    ThrowWindowTest() { session.screenWindow().calc(); } // "&Layout"

    ThrowWindow &window() { return session.throwWindow(); }
    ProjectDocument &document() { return session.document(); }
    InstallationState &state() { return session.state(); }
    ScreenWindow &screen() { return session.screenWindow(); }

    void typeSize(Dimension d, std::string_view keys)
    {
        window().setSizeText(d, "");
        std::string text;
        for (char c : keys) {
            if (window().sizeKeyPress(d, c)) {
                text.push_back(c);
                window().setSizeText(d, text);
            }
        }
        window().sizeKeyPress(d, ThrowWindow::KeyEnter);
    }

    ScriptedDialogs dialogs;
    Session session{dialogs, StartOptions{.units = Unit::Inches,
                                          .tipsOff = false,
                                          .expertMode = true,
                                          .projectFile = {}}};
};

TEST_F(ThrowWindowTest, ZoomLensGivesNearestAndFarthestDistance)
{
    window().selectLens(Model::LX460, 0);
    EXPECT_NEAR(state().results.throwFar, 190.63, 0.01);
    EXPECT_NEAR(state().results.throwNear, 151.40, 0.01);
    EXPECT_DOUBLE_EQ(state().results.throwDistance, state().results.throwNear);
    EXPECT_EQ(window().distanceText(), "151");
    EXPECT_EQ(window().farDistanceText(), "191");
    EXPECT_EQ(window().notes(), "Projector can be positioned anywhere along the line indicated.");
    EXPECT_EQ(window().notesColour(), NoteColour::Blue);
    EXPECT_EQ(state().results.drawingScale, 20);
    EXPECT_FALSE(window().distanceEnabled());
}

TEST_F(ThrowWindowTest, FixedLensKeepsTheZoomValuesAndWritesNoNote)
{
    window().selectLens(Model::LX460, 0);
    const float far = state().results.throwFar;
    window().selectLens(Model::LX460, 3);
    EXPECT_EQ(state().results.throwFar, far);
    EXPECT_NE(state().results.throwDistance, state().results.throwNear);
    EXPECT_EQ(window().farDistanceText(), "");
}

TEST_F(ThrowWindowTest, InputSignalChangesDistancesAtOnce)
{
    window().selectLens(Model::LX450, 0);
    const double standard = state().results.throwDistance;
    EXPECT_EQ(window().inputSignals(), (std::vector<std::string>{"Standard Installation", "SVGA"}));
    window().chooseInputSignal(1);
    EXPECT_NEAR(state().results.throwDistance, standard * 1.04, 1e-3);
    window().selectLens(Model::LX460, 0);
    EXPECT_FALSE(window().inputSignalVisible());
}

TEST_F(ThrowWindowTest, ChoosingLx470AgainResetsItsSignal)
{
    window().selectLens(Model::LX470, 0);
    window().chooseInputSignal(2);
    EXPECT_EQ(state().inputs.inputSignal, 3);
    window().selectLens(Model::LX470, 1);
    EXPECT_EQ(state().inputs.inputSignal, 1);
    EXPECT_EQ(window().inputSignalIndex(), 0);
}

TEST_F(ThrowWindowTest, CancelledSxgaChoiceChangesNothing)
{
    window().selectLens(Model::LX460, 0);
    const double before = state().results.throwDistance;
    dialogs.sxgaAnswer = -1;
    window().selectLens(Model::LX530, 0);
    EXPECT_EQ(dialogs.sxgaShown, 1);
    EXPECT_TRUE(state().inputs.selection == Selection::dataProjector(Model::LX460, 0));
    EXPECT_EQ(state().results.throwDistance, before);

    dialogs.sxgaAnswer = 0;
    window().selectLens(Model::LX530, 0);
    const double fourThree = state().results.throwDistance;
    dialogs.sxgaAnswer = 1;
    window().selectLens(Model::LX530, 0);
    EXPECT_EQ(dialogs.sxgaShown, 3);
    EXPECT_NE(state().results.throwDistance, fourThree);
}

struct PositionCase
{
    const char *name;
    Model model;
    int lens;
    MountPosition before;
    std::array<bool, 4> enabled;
    int checked;
    MountPosition after;
};

class PositionsOffered : public ThrowWindowTest, public ::testing::WithParamInterface<PositionCase>
{};

TEST_P(PositionsOffered, FollowTheModelAndLens)
{
    const PositionCase &c = GetParam();
    state().inputs.position = c.before;
    window().selectLens(c.model, c.lens);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(window().positionEnabled(i), c.enabled[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(window().checkedPosition(), c.checked);
    EXPECT_EQ(mountedAt(state().inputs), c.after);
}

using P = MountPosition;
INSTANTIATE_TEST_SUITE_P(
    Lenses, PositionsOffered,
    testing::Values(
        PositionCase{"lx410KeepsBottom", Model::LX410, 0, P::Bottom, {1, 0, 1, 0}, 2, P::Bottom},
        PositionCase{"lx540CenterBecomesTop", Model::LX540, 0, P::Center, {1, 0, 1, 0}, 0, P::Top},
        PositionCase{"lx550ShortThrowCenter", Model::LX550, 3, P::Top, {0, 1, 0, 0}, 1, P::Center},
        PositionCase{
            "lx550ZoomKeepsCenter", Model::LX550, 1, P::Center, {1, 1, 1, 0}, 1, P::Center},
        PositionCase{"lx460Ln105Center", Model::LX460, 2, P::Bottom, {0, 1, 0, 0}, 1, P::Center},
        PositionCase{
            "lx490ZoomKeepsBottom", Model::LX490, 0, P::Bottom, {1, 1, 1, 0}, 2, P::Bottom},
        // LX-440, LX-450 and DX-520 only check their entry; the stored position stays.
        PositionCase{"lx440TakesSpecial", Model::LX440, 0, P::Bottom, {0, 0, 0, 1}, 3, P::Special},
        PositionCase{"lx450Ln105TakesCenter", Model::LX450, 2, P::Top, {0, 1, 0, 0}, 1, P::Center},
        PositionCase{"dx520TakesSpecial", Model::DX520, 1, P::Top, {0, 0, 0, 1}, 3, P::Special},
        PositionCase{"lx510SelectsSpecial", Model::LX510, 2, P::Top, {0, 0, 0, 1}, 3, P::Special},
        PositionCase{"lx510Ln115Center", Model::LX510, 5, P::Top, {0, 1, 0, 0}, 1, P::Center},
        PositionCase{"lx530Ln115Center", Model::LX530, 7, P::Top, {0, 1, 0, 0}, 1, P::Center}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ThrowWindowTest, Lx470AtCenterNeedsItsSpacersRemoved)
{
    window().selectLens(Model::LX470, 0);
    window().selectPosition(1);
    EXPECT_EQ(window().notes(), "Removal of lens spacers is required for this throw angle.");
    EXPECT_EQ(window().notesColour(), NoteColour::Black);
}

TEST_F(ThrowWindowTest, InstallationHoleAddsTheModelOffsetOnce)
{
    window().selectLens(Model::LX510, 0);
    const double front = state().results.throwDistance;
    const float near = state().results.throwNear;
    const float far = state().results.throwFar;
    window().selectThrowPoint(1);
    EXPECT_NEAR(state().results.throwDistance, front + 9.73, 1e-4);
    EXPECT_NEAR(state().results.throwFar, far + 9.73, 1e-3);
    EXPECT_EQ(state().results.throwNear, near);
    EXPECT_EQ(window().checkedThrowPoint(), 1);
    window().selectThrowPoint(1); // already checked: nothing happens
    EXPECT_NEAR(state().results.throwDistance, front + 9.73, 1e-4);

    // The next recalculation measures from the lens front again.
    window().recalc();
    EXPECT_DOUBLE_EQ(state().results.throwDistance, front);
    EXPECT_EQ(window().checkedThrowPoint(), 0);
}

TEST_F(ThrowWindowTest, RefusedScreenIsResetThroughTheScreenCalculator)
{
    window().selectLens(Model::LX440, 2);
    typeSize(Dimension::Width, "170");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, OutOfRangeMessage);
    EXPECT_EQ(dialogs.messages[0].title, "Lumidex");
    EXPECT_EQ(state().screen.width, 80.0f);
    EXPECT_EQ(state().screen.height, 60.0f);
    EXPECT_EQ(state().screen.diagonal, 100.0f);
    EXPECT_EQ(screen().field(Dimension::Width).text, "80");
    EXPECT_EQ(window().sizeText(Dimension::Width), "80");
    EXPECT_NEAR(state().results.throwDistance, (100 * 24.275 / 1.31 - 64) / 25.4, 1e-3);
}

struct ResetCase
{
    const char *name;
    Selection selection;
    int preset;             // the screen calculator's ratio, or CustomPreset with `custom`
    const char *custom;     // the custom ratio typed
    const char *typedWidth; // typed into the installation window; nullptr: Layout pressed
    float aspectAfter;
    int presetAfter;
};

class RefusedScreen : public ThrowWindowTest, public ::testing::WithParamInterface<ResetCase>
{};

// A refused screen becomes a 100 inch diagonal at the ratio in force, or at 4:3 when that
// screen is refused as well; either way a consistent screen that both windows show.
TEST_P(RefusedScreen, IsResetToAConsistentHundredInchScreen)
{
    const ResetCase &c = GetParam();
    if (c.selection.isCrt())
        window().selectSeries(c.selection.series);
    else
        window().selectLens(c.selection.model, c.selection.lens);
    if (c.custom)
        dialogs.answers.push_back(std::string(c.custom));
    screen().selectPreset(c.preset);
    if (c.typedWidth)
        typeSize(Dimension::Width, c.typedWidth);
    else
        screen().calc();

    const ScreenState &s = state().screen;
    EXPECT_EQ(s.aspect, c.aspectAfter);
    EXPECT_EQ(s.diagonal, 100.0f);
    EXPECT_NEAR(s.width, s.height * s.aspect, 1e-4);
    EXPECT_NEAR(std::hypot(s.width, s.height), 100.0, 1e-3);
    EXPECT_EQ(screen().checkedPreset(), c.presetAfter);
    EXPECT_EQ(window().sizeText(Dimension::Width), screen().field(Dimension::Width).text);
    EXPECT_EQ(window().sizeText(Dimension::Height), screen().field(Dimension::Height).text);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, RefusedScreen,
    testing::Values(ResetCase{"keepsTheRatioInForce", Selection::dataProjector(Model::LX460, 0), 2,
                              nullptr, "300", 16.0f / 9.0f, 2},
                    // 100 inches at 1.31 are 79.5 inches wide; these lenses need 80.
                    ResetCase{"refusedAgainTakesFourByThree",
                              Selection::dataProjector(Model::LX550, 0), CustomPreset, "1.31",
                              "500", 4.0f / 3.0f, 0},
                    ResetCase{"ratioRefusedTakesFourByThree", Selection::crt(Series::CR7300),
                              CustomPreset, "0.5", nullptr, 4.0f / 3.0f, 0}),
    [](const auto &info) { return std::string(info.param.name); });

enum class Request
{
    Units,
    SizeEntered,
    RefusedSize,
    LensChosen,
    PageShown
};

struct InForceCase
{
    const char *name;
    void (*calculator)(ScreenWindow &); // done in the calculator, not handed over
    Request request;
};

class ScreenInForce : public ThrowWindowTest, public ::testing::WithParamInterface<InForceCase>
{};

// Whatever the screen calculator was doing, a request of the installation window leaves its
// distances and size fields those of the screen in force.
TEST_P(ScreenInForce, IsWhatTheInstallationShows)
{
    const InForceCase &c = GetParam();
    window().selectLens(Model::LX460, 0);
    if (c.request == Request::PageShown) {
        typeSize(Dimension::Width, "100"); // page 1 keeps a screen of its own
        document().pageButton(1);
    }
    c.calculator(screen());
    switch (c.request) {
    case Request::Units:
        window().selectUnits(Unit::Feet);
        break;
    case Request::SizeEntered:
        typeSize(Dimension::Width, "100");
        break;
    case Request::RefusedSize:
        typeSize(Dimension::Width, "300");
        break;
    case Request::LensChosen:
        window().selectLens(Model::LX460, 1);
        break;
    case Request::PageShown:
        document().pageButton(0);
        break;
    }

    const ScreenState &s = state().screen;
    const ThrowResult r = computeThrow(
        state().inputs.selection, {s.diagonal, s.width, s.aspect, state().inputs.inputSignal, 0});
    EXPECT_DOUBLE_EQ(state().results.throwDistance, r.throwDistance);
    for (Dimension d : {Dimension::Width, Dimension::Height})
        EXPECT_EQ(window().sizeText(d), formatLength(s.value(d), s.displayUnits));
}

INSTANTIATE_TEST_SUITE_P(
    Requests, ScreenInForce,
    testing::Values(
        InForceCase{"unitsWhileDetermining", [](ScreenWindow &w) { w.enterDetermineMode(); },
                    Request::Units},
        InForceCase{"refusedWhileDetermining", [](ScreenWindow &w) { w.enterDetermineMode(); },
                    Request::RefusedSize},
        InForceCase{"sizeWhileAValueIsTyped",
                    [](ScreenWindow &w) {
                        w.keyPress(Dimension::Height, '9');
                        w.setFieldText(Dimension::Height, "90");
                    },
                    Request::SizeEntered},
        InForceCase{"pageWhileDetermining", [](ScreenWindow &w) { w.enterDetermineMode(); },
                    Request::PageShown},
        InForceCase{"lensAfterASpinnerStep", [](ScreenWindow &w) { w.spinUp(Dimension::Width); },
                    Request::LensChosen}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ThrowWindowTest, UnsupportedRatioBecomesFourByThree)
{
    screen().selectPreset(2);
    screen().calc();
    window().selectLens(Model::LX420, 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Notice:");
    EXPECT_EQ(dialogs.messages[0].text, "LX-420 projectors support\nthe 1.33 aspect ratio only");
    EXPECT_EQ(state().screen.aspect, 4.0f / 3.0f);
    EXPECT_EQ(screen().checkedPreset(), 0);
    EXPECT_FLOAT_EQ(state().screen.height, 60.0f);
    EXPECT_EQ(window().aspectText(), "1.33");
}

TEST_F(ThrowWindowTest, UnitsChosenHereConvertBothWindows)
{
    window().selectLens(Model::LX460, 0);
    window().selectUnits(Unit::Feet);
    EXPECT_EQ(screen().unitsCaption(), "Units:  Feet");
    EXPECT_EQ(window().unitsCaption(), "Units = ft.");
    EXPECT_EQ(window().sizeText(Dimension::Width), "6.7");
    EXPECT_EQ(window().distanceText(), formatNumber(state().results.throwDistance / 12, "0.0"));
    window().cycleUnits();
    window().cycleUnits();
    EXPECT_EQ(window().unitsCaption(), "Units = in.");
}

TEST_F(ThrowWindowTest, EmptySizeFieldTakesItsDefaultInDisplayUnits)
{
    window().selectLens(Model::LX460, 0);
    window().selectUnits(Unit::Feet);
    window().setSizeText(Dimension::Width, "");
    window().sizeKeyPress(Dimension::Width, '7');
    EXPECT_FALSE(window().sizeEnabled(Dimension::Height));
    window().setSizeText(Dimension::Width, "");
    window().sizeKeyPress(Dimension::Width, ThrowWindow::KeyEnter);
    // 80 feet is far too wide for the LX-460: refused and reset.
    EXPECT_EQ(state().screen.width, 80.0f);
    EXPECT_TRUE(window().sizeEnabled(Dimension::Height));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(ThrowWindowTest, VeryWideScreenShrinksTheDrawingWithoutEndingBelowOne)
{
    screen().setFieldText(Dimension::Width, "31000");
    screen().keyPress(Dimension::Width, ScreenWindow::KeyEnter);
    window().selectLens(Model::DX520, 1);
    EXPECT_GE(state().results.drawingScale, 1);
    EXPECT_TRUE(std::isfinite(state().results.throwFar));
    EXPECT_LT(state().results.projectorDrawX, 8280);
}

TEST_F(ThrowWindowTest, AspectDoubleClickSnapsOrRefuses)
{
    window().selectLens(Model::LX460, 0);
    window().aspectDoubleClick();
    EXPECT_EQ(state().screen.aspect, 16.0f / 9.0f);
    EXPECT_EQ(screen().checkedPreset(), 2);
    window().selectLens(Model::LX430, 0); // back to 4:3 with a notice
    dialogs.messages.clear();
    window().aspectDoubleClick();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "LX-430 projectors support\nthe 1.33 aspect ratio only");
}

struct AngleCase
{
    const char *name;
    Series series;
    const char *answer;
    std::optional<MountPosition> position; // nullopt: refused
    const char *message;                   // nullptr: none
};

class CustomAngle : public ThrowWindowTest, public ::testing::WithParamInterface<AngleCase>
{};

TEST_P(CustomAngle, MapsToAPositionOrIsRefused)
{
    const AngleCase &c = GetParam();
    window().selectSeries(c.series);
    state().inputs.position = MountPosition::Top;
    dialogs.messages.clear();
    dialogs.answers.push_back(std::string(c.answer));
    window().selectPosition(3);
    // A refused angle leaves the position in force as it was.
    EXPECT_EQ(window().checkedPosition(), c.position ? 3 : 0);
    if (c.position) {
        EXPECT_EQ(mountedAt(state().inputs), *c.position);
        EXPECT_TRUE(state().inputs.customAngleActive());
    } else {
        EXPECT_FALSE(state().inputs.customAngleActive());
    }
    if (c.message) {
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Angles, CustomAngle,
    testing::Values(
        AngleCase{"cr7100MinusTwoIsCenter", Series::CR7100, "-2", P::Center, nullptr},
        AngleCase{"cr7100JustAboveCenterIsTop", Series::CR7100, "-2.1", P::Top, nullptr},
        AngleCase{"cr7100ElevenIsBottom", Series::CR7100, "11", P::Bottom, nullptr},
        AngleCase{"cr7100LensLimitIsBottom", Series::CR7100, "17.7", P::Bottom, nullptr},
        // Within the Bottom range, but beyond what the lens can focus: refused when entered.
        AngleCase{"cr7100BeyondTheLens", Series::CR7100, "22", std::nullopt,
                  Cr7100AngleLimitMessage.data()},
        AngleCase{"cr7100TooSteep", Series::CR7100, "22.1", std::nullopt,
                  "This angle is too large for this projector"},
        AngleCase{"cr7100TooSteepAbove", Series::CR7100, "-22.1", std::nullopt,
                  "This angle is too large for this projector"},
        AngleCase{"cr7300TopLimit", Series::CR7300, "-15.2", P::Top, nullptr},
        AngleCase{"cr7300BottomWithTips", Series::CR7300, "15.3", P::Bottom, nullptr},
        AngleCase{"cr7300TooSteep", Series::CR7300, "30.1", std::nullopt,
                  "This angle is too large for this projector."},
        AngleCase{"cr7400MinusTwoIsTop", Series::CR7400, "-2", P::Top, nullptr},
        AngleCase{"cr7400JustBelowIsCenter", Series::CR7400, "-1.9", P::Center, nullptr},
        AngleCase{"cr7400TooSteep", Series::CR7400, "24.5", std::nullopt,
                  "This angle is too large for this projector."},
        AngleCase{"notANumber", Series::CR7300, "12/5", std::nullopt,
                  "Angle must be a valid NUMBER"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ThrowWindowTest, CancelledAnglePromptKeepsThePositionInForce)
{
    window().selectSeries(Series::CR7300);
    window().selectPosition(3);
    EXPECT_EQ(window().checkedPosition(), 0);
    EXPECT_EQ(state().inputs.position, MountPosition::Top);
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
