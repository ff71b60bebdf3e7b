#include "5-drawing/sheetlayout.h"
#include "6-installation/roomwindow.h"
#include "8-print/printerprofile.h"
#include "8-print/roomsheet.h"
#include "scripteddialogs.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace lumidex;
using lumidex::fakes::ScriptedDialogs;

namespace {

class RoomWindowTest : public ::testing::Test
{
protected:
    RoomWindowTest()
    {
        state.screen.aspect = 16.0f / 9.0f;
        state.screen.diagonal = 100;
        recomputeFromDiagonal(state.screen, RangeGroup::D);
        window.refresh();
    }

    const RoomRow &row(std::string_view name) const
    {
        for (const RoomSection &s : window.sections()) {
            for (const RoomRow &r : s.rows) {
                if (r.name == name)
                    return r;
            }
        }
        static const RoomRow none{"", "", "no such row"};
        return none;
    }

    InstallationState state;
    RoomWindow window{state};
};

TEST_F(RoomWindowTest, FollowsTheScreenAndTheUnitsWithoutMovingTheSeats)
{
    window.setFieldText(RoomField::Lumens, "2000");
    window.setFieldText(RoomField::NearestSeat, "120");
    EXPECT_EQ(row("lblLuminance").value, "67.4 fL, 231 cd/m\u00B2");
    EXPECT_EQ(row("lblArea").value, "29.67 sq ft, 2.76 m\u00B2");
    EXPECT_EQ(row("lblNearestSeat").value, "120.0 in: 39.9\u00B0");

    // Another window makes the screen 120 inches and shows feet.
    state.screen.diagonal = 120;
    recomputeFromDiagonal(state.screen, RangeGroup::D);
    state.screen.displayUnits = Unit::Feet;
    window.refresh();
    EXPECT_EQ(window.fieldText(RoomField::NearestSeat), "10");
    EXPECT_EQ(window.fieldLabel(RoomField::NearestSeat), "&Nearest seat (ft):");
    EXPECT_EQ(row("lblView30").value, "16.3 ft");
    EXPECT_EQ(row("lblView36").value, "13.4 ft");
    EXPECT_EQ(row("lblNearestSeat").value, "10.0 ft: 47.1\u00B0");
    ASSERT_EQ(window.inputs().seats.size(), 1u);
    EXPECT_DOUBLE_EQ(window.inputs().seats[0], 120.0);

    state.screen.displayUnits = Unit::Millimetres;
    window.refresh();
    EXPECT_EQ(window.fieldText(RoomField::NearestSeat), "3048");
    EXPECT_EQ(row("lblView30").value, "4957 mm");
}

struct TypedCase
{
    const char *name;
    RoomField field;
    const char *text;
    const char *row;
    const char *value;
    bool warning;
};

TEST_F(RoomWindowTest, TypedTextIsReadAsItsLeadingNumberAndRefusalsSayWhy)
{
    const TypedCase cases[] = {
        {"light output not typed yet", RoomField::Lumens, "", "lblLuminance",
         "type the light output", false},
        {"light output 0", RoomField::Lumens, "0", "lblScreenLux",
         "light output must be more than 0", true},
        {"leading number", RoomField::Lumens, "2000.5.3", "lblScreenLux", "726 lux", false},
        {"gain 0", RoomField::Gain, "0", "lblForCinema", "gain must be more than 0", true},
        {"gain 1.3", RoomField::Gain, "1.3", "lblForCinema", "320 ANSI lumens", false},
        {"no room light", RoomField::Ambient, "", "lblContrast", "dark room", false},
        {"a dark room limits no category", RoomField::Ambient, "0", "lblContrastCategory",
         "full-motion video (dark room)", false},
        {"a dim room", RoomField::Ambient, "20", "lblContrast", "37.3:1", false},
        {"a dim room's category", RoomField::Ambient, "20", "lblContrastCategory",
         "basic decision making", false},
        {"a home cinema at 61:1 is not yet video", RoomField::Ambient, "12", "lblContrastCategory",
         "analytical decision making", false},
        {"a bright room", RoomField::Ambient, "100", "lblContrastCategory", "passive viewing",
         false},
        {"too bright for any category", RoomField::Ambient, "200", "lblContrastCategory",
         "none, below 7:1", true},
        {"room light needs", RoomField::Ambient, "100", "lblForAnalytical", "13509 ANSI lumens",
         false},
        {"room light needs for video", RoomField::Ambient, "100", "lblForFullMotion",
         "21779 ANSI lumens", false},
        {"no lines", RoomField::Lines, "", "lblArcMinute", "lines must be 1 or more", true},
        // A text with no number is flagged and used as nothing, never read as 0.
        {"room light not a number", RoomField::Ambient, "...", "lblContrast",
         "room light must be a number", true},
        {"light output not a number", RoomField::Lumens, ".", "lblScreenLux",
         "light output must be a number", true},
        {"gain not a number", RoomField::Gain, "..", "lblForCinema", "gain must be a number", true},
        {"lines not a number", RoomField::Lines, ".", "lblArcMinute", "lines must be a number",
         true},
        {"seat not a number", RoomField::NearestSeat, "...", "lblNearestSeat", "must be a number",
         true},
        {"seat too near", RoomField::NearestSeat, "80", "lblNearestSeat",
         "80.0 in: 57.2\u00B0, outside 26\u00B0 to 50\u00B0", true},
        {"seat cleared", RoomField::NearestSeat, "", "lblNearestSeat", "\u2014", false},
    };
    window.setFieldText(RoomField::Lumens, "2000");
    for (const TypedCase &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = window.fieldText(c.field);
        window.setFieldText(c.field, c.text);
        EXPECT_EQ(row(c.row).value, c.value);
        EXPECT_EQ(row(c.row).warning, c.warning);
        window.setFieldText(c.field, before);
    }
}

TEST_F(RoomWindowTest, TopViewArcsSeeTheScreenEdgesAtTheirAngle)
{
    window.setFieldText(RoomField::NearestSeat, "80");
    const Figure &fig = window.topView();
    // The screen is the thick line; each arc starts at its right edge and ends at its left.
    const auto screen =
        std::find_if(fig.lines.begin(), fig.lines.end(), [](const DrawLine &l) { return l.thick; });
    ASSERT_NE(screen, fig.lines.end());
    std::vector<DrawLine> arc; // the 36 degree arc's segments, each joined to the last
    for (const DrawLine &l : fig.lines) {
        const bool joined = arc.empty() || (l.x1 == arc.back().x2 && l.y1 == arc.back().y2);
        if (l.colour == DrawColour::Blue && l.style == LineStyle::Solid && joined)
            arc.push_back(l);
    }
    ASSERT_FALSE(arc.empty());
    EXPECT_NEAR(arc.front().x1, screen->x2, 1);
    EXPECT_NEAR(arc.back().x2, screen->x1, 1);
    // From every point of the 36 degree arc the screen's edges are 36 degrees apart.
    for (const DrawLine &l : arc) {
        const double a1 = std::atan2(l.x2 - screen->x1, l.y2 - screen->y1);
        const double a2 = std::atan2(l.x2 - screen->x2, l.y2 - screen->y2);
        if (l.y2 - screen->y1 > 100) {
            EXPECT_NEAR((a1 - a2) * 180 / 3.14159265358979, 36.0, 0.5);
        }
    }
    // A seat outside the comfortable angles is drawn in red.
    EXPECT_TRUE(std::any_of(fig.labels.begin(), fig.labels.end(), [](const DrawLabel &l) {
        return l.caption == "Nearest 57.2\u00B0" && l.colour == DrawColour::Red;
    }));
}

TEST_F(RoomWindowTest, CopiedTextAndPrintedPageCarryEveryRow)
{
    window.setFieldText(RoomField::Lumens, "2000");
    const std::string text = window.text();
    const std::vector<SheetElement> sheet = composeRoomSheet(window);
    auto onSheet = [&](const std::string &s) {
        return std::any_of(sheet.begin(), sheet.end(), [&](const SheetElement &e) {
            return e.kind == SheetElementKind::Text && e.text == s;
        });
    };
    EXPECT_EQ(text.rfind("Brightness and Seating\n\nLight output (ANSI lumens): 2000\n", 0), 0u);
    for (const RoomSection &s : window.sections()) {
        for (const RoomRow &r : s.rows) {
            EXPECT_NE(text.find(r.label + ": " + r.value + "\n"), std::string::npos) << r.label;
            EXPECT_TRUE(onSheet(r.label) && onSheet(r.value)) << r.label;
        }
    }
    // Every line of text ends inside the frame.
    for (const SheetElement &e : sheet) {
        if (e.kind == SheetElementKind::Text) {
            EXPECT_LE(e.rect.top + e.points * 20, SheetHeight) << e.text;
        }
    }
    const auto lines = std::count_if(sheet.begin(), sheet.end(), [](const SheetElement &e) {
        return e.kind == SheetElementKind::Line && e.name == "topView";
    });
    EXPECT_EQ(static_cast<std::size_t>(lines), window.topView().lines.size());
}

// A printer that logs its calls and can fail at a sheet.
class LoggingPrinter : public Printer
{
public:
    std::optional<PrintRequest> choose(int pages, int) override
    {
        log += "dialog " + std::to_string(pages) + ";";
        return answer;
    }
    void setBusy(bool) override {}
    bool beginJob() override { return log += "begin;", true; }
    bool newSheet() override { return log += "new;", true; }
    bool drawSheet(const std::vector<SheetElement> &) override
    {
        log += "sheet;";
        return ++sheets != failAtSheet;
    }
    bool endJob() override { return log += "end;", true; }
    void abortJob() override { log += "abort;"; }

    std::optional<PrintRequest> answer;
    int failAtSheet = 0;
    int sheets = 0;
    std::string log;
};

class NoProfile : public ProfileStore
{
public:
    std::string read(std::string_view, std::string_view, std::size_t) override { return {}; }
    bool write(std::string_view, std::string_view, std::string_view) override { return true; }
};

TEST_F(RoomWindowTest, PrintGivesOnePagePerCopyAndReportsAFailureOnce)
{
    struct Case
    {
        const char *name;
        std::optional<PrintRequest> answer;
        int failAtSheet;
        const char *log;
        std::size_t messages;
    };
    const Case cases[] = {
        {"cancelled", std::nullopt, 0, "dialog 1;", 0},
        {"two copies on a printer", PrintRequest{2, PrintRange::All, 1, 1, true}, 0,
         "dialog 1;begin;sheet;end;begin;sheet;end;", 0},
        {"two copies in a file", PrintRequest{2, PrintRange::All, 1, 1, false}, 0,
         "dialog 1;begin;sheet;new;sheet;end;", 0},
        {"printer fails", PrintRequest{2, PrintRange::All, 1, 1, true}, 1,
         "dialog 1;begin;sheet;abort;", 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        LoggingPrinter printer;
        printer.answer = c.answer;
        printer.failAtSheet = c.failAtSheet;
        NoProfile profile;
        ScriptedDialogs dialogs;
        printRoomCommand(window, printer, profile, dialogs);
        EXPECT_EQ(printer.log, c.log);
        ASSERT_EQ(dialogs.messages.size(), c.messages);
        if (c.messages) {
            EXPECT_EQ(dialogs.messages[0].text, PrintErrorText);
        }
    }
}

} // namespace
