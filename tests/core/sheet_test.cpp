#include "5-drawing/drawingarea.h"
#include "5-drawing/sheetlayout.h"
#include "8-print/sheet.h"
#include "9-session/session.h"
#include "scripteddialogs.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace lumidex;
using lumidex::fakes::ScriptedDialogs;

namespace {

class SheetTest : public ::testing::Test
{
protected:
    SheetTest() { session.screenWindow().calc(); } // "&Layout"

    ThrowWindow &window() { return session.throwWindow(); }
    ProjectDocument &document() { return session.document(); }

    static std::vector<const SheetElement *> named(const std::vector<SheetElement> &sheet,
                                                   std::string_view name, SheetElementKind kind)
    {
        std::vector<const SheetElement *> found;
        for (const SheetElement &e : sheet) {
            if (e.name == name && e.kind == kind)
                found.push_back(&e);
        }
        return found;
    }

    static bool has(const std::vector<SheetElement> &sheet, std::string_view name)
    {
        return std::any_of(sheet.begin(), sheet.end(),
                           [&](const SheetElement &e) { return e.name == name; });
    }

    static std::size_t position(const std::vector<SheetElement> &sheet, std::string_view name)
    {
        const auto it = std::find_if(sheet.begin(), sheet.end(),
                                     [&](const SheetElement &e) { return e.name == name; });
        return static_cast<std::size_t>(it - sheet.begin());
    }

    static std::string textOf(const std::vector<SheetElement> &sheet, std::string_view name)
    {
        const auto texts = named(sheet, name, SheetElementKind::Text);
        return texts.empty() ? std::string() : texts.front()->text;
    }

    ScriptedDialogs dialogs;
    Session session{dialogs, StartOptions{.units = Unit::Inches,
                                          .tipsOff = false,
                                          .expertMode = true,
                                          .projectFile = {}}};
};

// A data projector shows no throw angle: its hidden value box must not appear as an empty
// white box on paper, while the captions of the panels are still printed.
TEST_F(SheetTest, HiddenValueLabelsAreLeftOut)
{
    window().selectLens(Model::LX460, 0);
    ASSERT_TRUE(window().throwAngleText().empty());
    const std::vector<SheetElement> sheet = composeSheet(document());
    EXPECT_FALSE(has(sheet, "lblTA"));
    EXPECT_FALSE(has(sheet, "Label4")); // the window has no such banner to hide
    EXPECT_EQ(has(sheet, "lblAspectRatio"), !window().aspectModeCaption().empty());
    EXPECT_EQ(has(sheet, "cmbInputSignal"), window().inputSignalVisible());
    // Nor their captions: a bare "Throw Angle:" or "Input:" says nothing.
    EXPECT_FALSE(has(sheet, "Label2(1)"));
    EXPECT_EQ(has(sheet, "Label2(0)"), window().inputSignalVisible());
    EXPECT_EQ(textOf(sheet, "Label2(2)"), "Lens:");
}

TEST_F(SheetTest, CrtShowsItsThrowAngle)
{
    window().selectSeries(Series::CR7400);
    const std::string angle = window().throwAngleText();
    ASSERT_FALSE(angle.empty());
    const std::vector<SheetElement> sheet = composeSheet(document());
    EXPECT_EQ(textOf(sheet, "lblTA"), angle);
    EXPECT_EQ(has(sheet, "lblLens"), !window().lensLabel().empty());
}

// The fields carry the window's values in the right boxes: a swapped width and height would
// give the installer a wrong screen.
TEST_F(SheetTest, FieldsShowTheWindowsValues)
{
    window().selectLens(Model::LX460, 0);
    window().setTitleText(PageText::Title, "Hall B");
    window().setTitleText(PageText::Revision, "C");
    const std::vector<SheetElement> sheet = composeSheet(document());
    EXPECT_EQ(textOf(sheet, "Text1(13)"), window().sizeText(Dimension::Width));
    EXPECT_EQ(textOf(sheet, "Text1(16)"), window().sizeText(Dimension::Height));
    EXPECT_EQ(textOf(sheet, "Text1(14)"), window().sizeText(Dimension::Diagonal));
    EXPECT_EQ(textOf(sheet, "Text1(10)"), "Hall B");
    EXPECT_EQ(textOf(sheet, "Text1(21)"), "C");
    EXPECT_EQ(textOf(sheet, "txtAspect"), window().aspectText());
    EXPECT_EQ(textOf(sheet, "lblMeasurement"), window().unitsCaption());
    EXPECT_EQ(textOf(sheet, "txtPageNum(0)"), "1");
    EXPECT_EQ(textOf(sheet, "hdimbox"), window().drawing().hdimbox.caption);
    // Each field's text sits in its own white box.
    const auto boxes = named(sheet, "Text1(13)", SheetElementKind::Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes.front()->fill, SheetWhite);
}

TEST_F(SheetTest, FrameTitleIsTheDrawingPanelsCaption)
{
    window().selectLens(Model::LX460, 0);
    ASSERT_FALSE(window().frameTitle().empty());
    const std::vector<SheetElement> sheet = composeSheet(document());
    EXPECT_EQ(textOf(sheet, "fraThrow(1)"), window().frameTitle());
    const auto panel = named(sheet, "fraThrow(1)", SheetElementKind::Box);
    ASSERT_EQ(panel.size(), 1u);
    EXPECT_EQ(panel.front()->fill, PanelGrey);
}

// The frame of reference, the screen and the near distance are on every sheet, even when
// the window has them hidden; the far distance follows the window.
TEST_F(SheetTest, AlwaysPrintedLinesSurviveBeingHidden)
{
    window().selectLens(Model::LX460, 3); // a fixed lens: no farthest position
    ASSERT_FALSE(window().drawing().lineFar.visible);
    Drawing hidden = window().drawing();
    for (DrawLine *l : {&hidden.Line1, &hidden.Line2, &hidden.Line3, &hidden.screen_pic,
                        &hidden.lineNear, &hidden.line_Vsize, &hidden.lineCeiling})
        l->visible = false;
    const std::vector<SheetElement> sheet = detail::composeSheet(document(), hidden);
    for (std::string_view name : {"Line1", "Line2", "Line3", "screen_pic", "lineNear", "line_Vsize",
                                  "Line4(0)", "Line4(21)"})
        EXPECT_EQ(named(sheet, name, SheetElementKind::Line).size(), 1u) << name;
    EXPECT_FALSE(has(sheet, "lineCeiling"));
    EXPECT_FALSE(has(sheet, "lineFar"));
    EXPECT_FALSE(has(sheet, "txtHTDFar"));
    EXPECT_FALSE(has(sheet, "Line4(24)"));
}

TEST_F(SheetTest, ZoomLensPrintsItsFarthestPosition)
{
    window().selectLens(Model::LX460, 0);
    ASSERT_TRUE(window().drawing().lineFar.visible);
    const std::vector<SheetElement> sheet = composeSheet(document());
    EXPECT_TRUE(has(sheet, "lineFar"));
    EXPECT_EQ(textOf(sheet, "txtHTDFar"), window().drawing().txtHTDFar.caption);
    EXPECT_EQ(textOf(sheet, "Label1(14)"), "Min.");
    EXPECT_EQ(named(sheet, "nearPicture", SheetElementKind::Picture).size(), 1u);
}

TEST_F(SheetTest, PanelsThenDrawingThenFrameLast)
{
    window().selectLens(Model::LX460, 0);
    const std::vector<SheetElement> sheet = composeSheet(document());
    ASSERT_FALSE(sheet.empty());
    const SheetElement &frame = sheet.back();
    EXPECT_EQ(frame.name, "frame");
    EXPECT_EQ(frame.kind, SheetElementKind::Box);
    EXPECT_FALSE(frame.filled);
    EXPECT_EQ(frame.outline, FrameGrey);
    EXPECT_EQ(frame.width, 20);
    EXPECT_DOUBLE_EQ(frame.rect.width, SheetWidth);
    EXPECT_DOUBLE_EQ(frame.rect.height, SheetHeight);

    EXPECT_EQ(sheet.front().name, "fraThrow(2)");
    EXPECT_LT(position(sheet, "fraThrow(2)"), position(sheet, "fraThrow(1)"));
    EXPECT_LT(position(sheet, "fraThrow(1)"), position(sheet, "fraThrow(0)"));
    EXPECT_LT(position(sheet, "fraThrow(4)"), position(sheet, "fraThrow(5)"));
    // The drawing comes after the grey panels, or the drawing panel would cover it.
    EXPECT_LT(position(sheet, "txtPageNum(1)"), position(sheet, "Line1"));
    // The screen is drawn over the projector's lines, the data projector over everything.
    EXPECT_LT(position(sheet, "lineNear"), position(sheet, "screen_pic"));
    EXPECT_LT(position(sheet, "screen_pic"), position(sheet, "nearPicture"));
}

TEST_F(SheetTest, EverythingStaysOnTheSheet)
{
    for (int lens : {0, 3}) {
        window().selectLens(Model::LX460, lens);
        for (const SheetElement &e : composeSheet(document())) {
            if (e.kind == SheetElementKind::Line) {
                for (double x : {e.x1, e.x2}) {
                    EXPECT_GE(x, 0) << e.name;
                    EXPECT_LE(x, SheetWidth) << e.name;
                }
                for (double y : {e.y1, e.y2}) {
                    EXPECT_GE(y, 0) << e.name;
                    EXPECT_LE(y, SheetHeight) << e.name;
                }
                continue;
            }
            EXPECT_GE(e.rect.left, 0) << e.name;
            EXPECT_GE(e.rect.top, 0) << e.name;
            EXPECT_LE(e.rect.left + e.rect.width, SheetWidth) << e.name;
            EXPECT_LE(e.rect.top + e.rect.height, SheetHeight) << e.name;
        }
    }
}

// A value that belongs to a line is centred on the middle of that line on paper.
TEST_F(SheetTest, ValuesSitOnTheMiddleOfTheirLines)
{
    window().selectLens(Model::LX460, 0);
    const std::vector<SheetElement> sheet = composeSheet(document());
    const auto line = named(sheet, "line_Vsize", SheetElementKind::Line);
    const auto label = named(sheet, "lblVsize", SheetElementKind::Text);
    ASSERT_EQ(line.size(), 1u);
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(label.front()->alignment, TextAlignment::CentredOnPoint);
    EXPECT_NEAR(label.front()->rect.left, line.front()->x1, 1);
    EXPECT_NEAR(label.front()->rect.top, (line.front()->y1 + line.front()->y2) / 2, 1);
    EXPECT_TRUE(label.front()->opaque);
}

// The window's shown part of the drawing fills the target along one axis and is centred
// along the other, at the same scale both ways.
TEST(DrawingArea, FitsTheTargetKeepingProportions)
{
    const DrawingArea &a = ShownDrawingArea;
    const DrawingTransform same = drawingTransform(0, 0, a.width, a.height);
    EXPECT_DOUBLE_EQ(same.scale, 1);
    EXPECT_DOUBLE_EQ(same.x(a.left), 0);
    EXPECT_DOUBLE_EQ(same.y(a.top), 0);

    // Twice as wide as needed: half the height decides, the drawing is centred across.
    const DrawingTransform wide = drawingTransform(100, 50, 4 * a.width, a.height);
    EXPECT_DOUBLE_EQ(wide.scale, 1);
    EXPECT_DOUBLE_EQ(wide.x(a.left), 100 + 1.5 * a.width);
    EXPECT_DOUBLE_EQ(wide.y(a.top + a.height), 50 + a.height);

    const DrawingTransform none = drawingTransform(0, 0, 0, 0);
    EXPECT_DOUBLE_EQ(none.scale, 0);

    const SheetRect r = sheetRect(*sheetItem("drawing"));
    const DrawingTransform sheet = drawingToSheet();
    EXPECT_GE(sheet.x(a.left), r.left - 1e-9);
    EXPECT_LE(sheet.x(a.left + a.width), r.left + r.width + 1e-9);
    EXPECT_GE(sheet.y(a.top), r.top - 1e-9);
    EXPECT_LE(sheet.y(a.top + a.height), r.top + r.height + 1e-9);
}

} // namespace
