// The installation window over several actions in a row: everything it shows belongs to the
// inputs in force, whatever came before.

#include "1-state/numbertext.h"
#include "3-catalogue/throwformulas.h"
#include "4-crt/crtmodel.h"
#include "5-drawing/pictures.h"
#include "8-print/printjob.h"
#include "9-session/session.h"
#include "scripteddialogs.h"

#include <functional>
#include <gtest/gtest.h>

using namespace lumidex;
using lumidex::fakes::ScriptedDialogs;

namespace {

// The program without its windows, as the installer has just pressed "&Layout".
struct Desk
{
    explicit Desk(bool expert = true)
        : session(dialogs, StartOptions{Unit::Inches, false, expert, {}})
    {
        session.screenWindow().calc();
    }

    ThrowWindow &window() { return session.throwWindow(); }
    ProjectDocument &document() { return session.document(); }
    InstallationState &state() { return session.state(); }
    const Drawing &drawing() { return window().drawing(); }

    void angle(const char *answer)
    {
        dialogs.answers.push_back(std::string(answer));
        window().selectPosition(3);
    }
    void typeDistance(const char *text)
    {
        window().setDistanceText(text);
        window().distanceKeyPress(ThrowWindow::KeyEnter);
    }
    void enterDiagonal(const char *text)
    {
        window().setSizeText(Dimension::Diagonal, text);
        window().sizeKeyPress(Dimension::Diagonal, ThrowWindow::KeyEnter);
    }

    ScriptedDialogs dialogs;
    Session session;
};

class InstallationFlow : public ::testing::Test, public Desk
{
protected:
    explicit InstallationFlow(bool expert = true) : Desk(expert) {}
};

class InstallationFlowNormalMode : public InstallationFlow
{
protected:
    InstallationFlowNormalMode() : InstallationFlow(false) {}
};

// Records nothing but how many sheets were drawn.
struct CountingSink : SheetSink
{
    bool beginJob() override { return true; }
    bool newSheet() override { return true; }
    bool drawSheet(const std::vector<SheetElement> &) override { return ++sheets > 0; }
    bool endJob() override { return true; }
    void abortJob() override {}
    int sheets = 0;
};

TEST_F(InstallationFlowNormalMode, PagesAndPrintingShowNoInstallersTips)
{
    window().selectSeries(Series::CR7100);
    ASSERT_EQ(dialogs.tipsShown.size(), 1u); // working the installation out shows them
    document().pageButton(1);
    document().pageButton(0);
    document().pageScroll(2);
    CountingSink sink;
    ASSERT_EQ(printInstallation(document(), {}, sink), PrintOutcome::Printed);
    EXPECT_EQ(sink.sheets, 2);
    EXPECT_EQ(dialogs.tipsShown.size(), 1u);
    EXPECT_FALSE(state().expertMode); // held only while moving
    window().recalc();
    EXPECT_EQ(dialogs.tipsShown.size(), 2u);
}

// The same projector, lens and screen give the same drawing whatever was chosen before.
struct HistoryCase
{
    const char *name;
    std::function<void(Desk &)> before;
};

class CheckedPosition : public InstallationFlow, public ::testing::WithParamInterface<HistoryCase>
{};

TEST_P(CheckedPosition, IsThePositionTheDrawingUses)
{
    for (const auto &[model, lens] :
         {std::pair{Model::LX440, 2}, {Model::LX440, 0}, {Model::LX450, 1}, {Model::DX520, 0}}) {
        Desk fresh;
        fresh.session.throwWindow().selectLens(model, lens);
        GetParam().before(*this);
        window().selectLens(model, lens);
        EXPECT_EQ(drawing(), fresh.session.throwWindow().drawing())
            << modelEntry(model).caption << " lens " << lens;
        EXPECT_EQ(drawing().lblflr_proj.caption,
                  fresh.session.throwWindow().drawing().lblflr_proj.caption);
    }
}

INSTANTIATE_TEST_SUITE_P(Histories, CheckedPosition,
                         testing::Values(HistoryCase{"crtAtTheTop", [](Desk &) {}},
                                         HistoryCase{"zoomAtTheBottom",
                                                     [](Desk &f) {
                                                         f.session.throwWindow().selectLens(
                                                             Model::LX460, 0);
                                                         f.session.throwWindow().selectPosition(2);
                                                     }},
                                         HistoryCase{"crtAtTheCentre",
                                                     [](Desk &f) {
                                                         f.session.throwWindow().selectSeries(
                                                             Series::CR7100);
                                                         f.session.throwWindow().selectPosition(1);
                                                     }}),
                         [](const auto &info) { return std::string(info.param.name); });

// With the installation hole chosen, a CRT series measures the box and the red line from the
// hole, and the heights stay those of the lens front.
class CrtHole : public InstallationFlow, public ::testing::WithParamInterface<Series>
{};

TEST_P(CrtHole, MeasuresFromTheHoleAndKeepsTheHeights)
{
    window().selectSeries(GetParam());
    const Drawing front = drawing();
    const double frontDistance = state().results.throwDistance;
    const std::string frontBox = window().distanceText();
    window().selectThrowPoint(1);
    const double offset = seriesEntry(GetParam()).holeOffset;
    EXPECT_NEAR(state().results.throwDistance, frontDistance + offset, 1e-9);
    const bool whole = GetParam() == Series::CR7300 || GetParam() == Series::CR7400;
    const double boxed = whole ? leadingNumber(frontBox) + offset : state().results.throwDistance;
    EXPECT_EQ(window().distanceText(), formatLength(boxed, Unit::Inches));
    EXPECT_EQ(drawing().hdimbox.caption, window().distanceText());
    const int scale = state().results.drawingScale;
    EXPECT_NEAR(front.lineNear.x1 - drawing().lineNear.x1, offset * scale, 1.0);
    EXPECT_EQ(drawing().nearPicture, front.nearPicture);
    EXPECT_EQ(drawing().lblflr_proj.caption, front.lblflr_proj.caption);
    EXPECT_EQ(drawing().lblflr_ceiling.caption, front.lblflr_ceiling.caption);
}

INSTANTIATE_TEST_SUITE_P(Series, CrtHole,
                         testing::Values(Series::CR7100, Series::CR7300, Series::CR7400,
                                         Series::CR7500, Series::CR7200));

// A CRT series chosen after a data projector at "Special".
struct SeriesAfterSpecialCase
{
    const char *name;
    Series series;
    std::optional<std::string> answer; // nullopt: cancelled
    int prompts;
    int checked;
};

class SeriesAfterSpecial : public InstallationFlow,
                           public ::testing::WithParamInterface<SeriesAfterSpecialCase>
{};

TEST_P(SeriesAfterSpecial, ShowsTheNewSeriesAtAPositionItOffers)
{
    const SeriesAfterSpecialCase &c = GetParam();
    window().selectLens(Model::LX510, 0);
    ASSERT_EQ(window().checkedPosition(), 3);
    dialogs.answers.push_back(c.answer);
    window().selectSeries(c.series);
    EXPECT_EQ(int(dialogs.prompts.size()), c.prompts);
    EXPECT_EQ(window().checkedPosition(), c.checked);
    EXPECT_EQ(window().frameTitle(), frameTitleOf(Selection::crt(c.series)));
    EXPECT_TRUE(window().lensLabel().empty());
    EXPECT_EQ(drawing().nearPicture.family, pictureOf(Selection::crt(c.series)).family);
    EXPECT_EQ(window().distanceText(), formatLength(state().results.throwDistance, Unit::Inches));
}

INSTANTIATE_TEST_SUITE_P(
    Series, SeriesAfterSpecial,
    testing::Values(SeriesAfterSpecialCase{"cancelled", Series::CR7300, std::nullopt, 1, 0},
                    SeriesAfterSpecialCase{"refused", Series::CR7400, "40", 1, 0},
                    SeriesAfterSpecialCase{"accepted", Series::CR7100, "-5", 1, 3},
                    SeriesAfterSpecialCase{"noCustomAngle", Series::CR7500, "-5", 0, 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(InstallationFlow, RefusedAngleLeavesTheAcceptedOneShown)
{
    window().selectSeries(Series::CR7300);
    angle("-20");
    const Drawing accepted = drawing();
    angle("30.1");
    EXPECT_EQ(window().throwAngleText(), "-20");
    EXPECT_EQ(window().checkedPosition(), 3);
    EXPECT_EQ(drawing(), accepted);
    EXPECT_EQ(window().notes(), TiltNote);
}

TEST_F(InstallationFlow, AngleBeyondTheLensIsRefusedOnceAndUnitsFollow)
{
    window().selectSeries(Series::CR7100);
    dialogs.messages.clear();
    angle("17.8");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, Cr7100AngleLimitMessage);
    window().selectUnits(Unit::Feet);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(window().distanceText(), formatLength(state().results.throwDistance, Unit::Feet));
    EXPECT_EQ(drawing().Label1[1].caption, "5");
}

TEST_F(InstallationFlow, RefusedOrCancelledAngleIsNotStoredOnThePage)
{
    window().selectSeries(Series::CR7300);
    window().selectPosition(2);
    dialogs.answers.push_back(std::nullopt);
    window().selectPosition(3);
    angle("45");
    EXPECT_EQ(document().shownPage().screenPosition, 2);
    document().pageButton(1);
    document().pageButton(0);
    EXPECT_EQ(dialogs.prompts.size(), 2u); // returning to the page asks nothing
    EXPECT_EQ(window().checkedPosition(), 2);
}

TEST_F(InstallationFlow, DataProjectorDistanceBoxTakesNoEnter)
{
    window().selectLens(Model::LX460, 0);
    EXPECT_FALSE(window().distanceKeyPress('5'));
    EXPECT_FALSE(window().distanceKeyPress(ThrowWindow::KeyEnter));
    window().selectSeries(Series::CR7300);
    EXPECT_EQ(state().screen.diagonal, 100.0f);
}

TEST_F(InstallationFlow, EnterInTheDistanceBoxEndsTheEdit)
{
    int changes = 0;
    window().setChangedCallback([&] { ++changes; });
    window().distanceKeyPress('1');
    for (Dimension d : AllDimensions)
        EXPECT_FALSE(window().sizeEnabled(d));
    changes = 0;
    typeDistance("150");
    for (Dimension d : AllDimensions)
        EXPECT_TRUE(window().sizeEnabled(d));
    EXPECT_GT(changes, 0);
    EXPECT_EQ(window().distanceText(), "150");
}

// The note after a sequence of actions: the note of the installation in force, or none.
struct NoteCase
{
    const char *name;
    std::function<void(Desk &)> actions;
    std::string_view note;
};

class Notes : public InstallationFlow, public ::testing::WithParamInterface<NoteCase>
{};

TEST_P(Notes, BelongToTheInstallationInForce)
{
    GetParam().actions(*this);
    EXPECT_EQ(window().notes(), GetParam().note);
    EXPECT_EQ(window().notesColour(), noteColourOf(GetParam().note));
}

void zoom(Desk &f)
{
    f.session.throwWindow().selectLens(Model::LX460, 0);
}
void custom(Desk &f)
{
    f.session.throwWindow().selectSeries(Series::CR7300);
    f.dialogs.answers.push_back("-5");
    f.session.throwWindow().selectPosition(3);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Notes,
    testing::Values(NoteCase{"zoomThenFixedLens",
                             [](Desk &f) {
                                 zoom(f);
                                 f.session.throwWindow().selectLens(Model::LX460, 3);
                             },
                             ""},
                    NoteCase{"zoomThenCrt",
                             [](Desk &f) {
                                 zoom(f);
                                 f.session.throwWindow().selectSeries(Series::CR7400);
                             },
                             ""},
                    NoteCase{"customAngle", custom, TiltNote},
                    NoteCase{"customAngleDropped",
                             [](Desk &f) {
                                 custom(f);
                                 f.session.throwWindow().selectPosition(0);
                             },
                             ""},
                    NoteCase{"customAngleKeptByATypedDistance",
                             [](Desk &f) {
                                 custom(f);
                                 f.typeDistance("150");
                             },
                             TiltNote},
                    NoteCase{"lx470CentreAfterAScreenChange",
                             [](Desk &f) {
                                 f.session.throwWindow().selectLens(Model::LX470, 0);
                                 f.session.throwWindow().selectPosition(1);
                                 f.enterDiagonal("120");
                             },
                             SpacerNote},
                    // Marked by a line at each end of the range.
                    NoteCase{"twoRangeLines",
                             [](Desk &f) { f.session.throwWindow().selectLens(Model::LX410, 0); },
                             ZoomNoteTwoLines},
                    NoteCase{"cr75xxRingNote",
                             [](Desk &f) { f.session.throwWindow().selectSeries(Series::CR7500); },
                             Crt7500Notes[0]}),
    [](const auto &info) { return std::string(info.param.name); });

// The installer's own words in Notes never hide a note the installation calls for: the drawing
// shows it, in its colour, and the page reopened shows both.
struct NoticeCase
{
    const char *name;
    std::function<void(Desk &)> actions;
    std::string_view notice;
    DrawColour colour;
};

class NoticesBesideOwnNotes : public InstallationFlow,
                              public ::testing::WithParamInterface<NoticeCase>
{};

TEST_P(NoticesBesideOwnNotes, AreShownInTheDrawing)
{
    window().setTitleText(PageText::Notes, "Bracket on the truss");
    GetParam().actions(*this);
    const auto shows = [&] {
        for (const DrawLabel &l : drawing().lblNotice) {
            if (l.visible && l.caption == GetParam().notice && l.colour == GetParam().colour)
                return true;
        }
        return false;
    };
    EXPECT_EQ(window().notes(), "Bracket on the truss");
    EXPECT_TRUE(shows());
    document().pageButton(1);
    document().pageButton(0);
    EXPECT_TRUE(shows());
    // Emptied, the Notes field takes the note back and the drawing no longer repeats it.
    window().setTitleText(PageText::Notes, "");
    window().recalc();
    EXPECT_EQ(window().notes(), window().view().notices.front().text);
    for (const DrawLabel &l : drawing().lblNotice)
        EXPECT_FALSE(l.visible && l.caption == window().notes());
}

INSTANTIATE_TEST_SUITE_P(
    Installations, NoticesBesideOwnNotes,
    testing::Values(NoticeCase{"cr75xxRing",
                               [](Desk &f) {
                                   f.session.throwWindow().selectSeries(Series::CR7500);
                               },
                               Crt7500Notes[0], DrawColour::Black},
                    NoticeCase{"lx470Spacers",
                               [](Desk &f) {
                                   f.session.throwWindow().selectLens(Model::LX470, 0);
                                   f.session.throwWindow().selectPosition(1);
                               },
                               SpacerNote, DrawColour::Black},
                    NoticeCase{"customAngleTilt", custom, TiltNote, DrawColour::Red}),
    [](const auto &info) { return std::string(info.param.name); });

// A distance typed for a CRT series is worked out at the custom angle in force.
TEST_F(InstallationFlow, TypedDistanceKeepsTheCustomAngle)
{
    window().selectSeries(Series::CR7100);
    angle("-10");
    typeDistance("150");
    EXPECT_EQ(window().checkedPosition(), 3);
    EXPECT_EQ(window().throwAngleText(), "-10");
    EXPECT_EQ(window().notes(), TiltNote);
    EXPECT_NEAR(state().results.throwDistance, 150, 0.5);
}

// What a data projector's page keeps does not depend on what was chosen before it.
TEST_F(InstallationFlow, DataProjectorPageIsTheSameWhateverCameBefore)
{
    std::vector<float> angles;
    for (int position : {1, 2}) {
        window().selectSeries(Series::CR7300);
        window().selectPosition(position);
        window().selectLens(Model::LX440, 0);
        window().selectPosition(0);
        angles.push_back(document().shownPage().placementAngle);
    }
    EXPECT_EQ(angles[0], angles[1]);
}

TEST_F(InstallationFlow, InstallersOwnNotesAreKept)
{
    zoom(*this);
    window().setTitleText(PageText::Notes, "hello");
    window().selectLens(Model::LX460, 1);
    document().pageButton(1);
    document().pageButton(0);
    EXPECT_EQ(window().notes(), "hello");
    EXPECT_EQ(window().notesColour(), NoteColour::Black);
}

// Heights read off the drawing do not depend on the scale it is drawn at: the lens stands the
// model's lens offset below the screen centre, the projector's top its own height above it.
struct HeightCase
{
    Model model;
    int lens;
    double topAboveCentre; // inches: the picture's lens axis below its top, less the offset
    std::vector<const char *> diagonals;
};

class HeightsAtEveryScale : public InstallationFlow,
                            public ::testing::WithParamInterface<HeightCase>
{};

TEST_P(HeightsAtEveryScale, AreTheRealProjectors)
{
    const HeightCase &c = GetParam();
    window().selectLens(c.model, c.lens);
    std::vector<int> scales;
    for (const char *diagonal : c.diagonals) {
        enterDiagonal(diagonal);
        scales.push_back(state().results.drawingScale);
        const double centre = leadingNumber(drawing().lblHcent.caption);
        const double top = leadingNumber(drawing().lblflr_proj.caption);
        EXPECT_NEAR(top - centre, c.topAboveCentre, 1.0) << diagonal;
    }
    EXPECT_NE(scales.front(), scales.back());
}

INSTANTIATE_TEST_SUITE_P(
    Models, HeightsAtEveryScale,
    testing::Values(HeightCase{Model::LX510, 3, 85 / 20.0 - 6, {"100", "200", "400"}},
                    HeightCase{Model::DX520, 0, 95 / 20.0 - 7, {"60", "100", "200", "400"}},
                    HeightCase{Model::LX440, 0, 80 / 20.0 - 5, {"60", "100", "200", "290"}}));

} // namespace
