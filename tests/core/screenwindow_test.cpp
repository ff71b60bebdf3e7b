#include "2-screen/screenwindow.h"
#include "3-catalogue/catalogue.h"
#include "9-session/commandline.h"
#include "scripteddialogs.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace lumidex;
using lumidex::fakes::ScriptedDialogs;

namespace {

struct RecordingHost : ScreenWindowHost
{
    void showInstallationWindow() override { ++handOffs; }
    int handOffs = 0;
};

class ScreenWindowTest : public ::testing::Test
{
protected:
    void start(StartOptions options = {})
    {
        window.load(options);
        dialogs.messages.clear();
    }

    void type(Dimension d, std::string_view keys)
    {
        for (char c : keys) {
            if (window.keyPress(d, c)) {
                std::string text = window.field(d).text;
                if (c == ScreenWindow::KeyBackspace) {
                    if (!text.empty())
                        text.pop_back();
                } else {
                    text.push_back(c);
                }
                window.setFieldText(d, text);
            }
        }
    }

    // A field gains focus: its text is selected, so typing replaces it.
    void typeFresh(Dimension d, std::string_view keys)
    {
        window.setFieldText(d, "");
        type(d, keys);
    }

    void enter(Dimension d) { window.keyPress(d, ScreenWindow::KeyEnter); }

    std::string text(Dimension d) const { return window.field(d).text; }
    const ScreenState &screen() const { return state.screen; }

    InstallationState state;
    ScriptedDialogs dialogs;
    RecordingHost host;
    ScreenWindow window{state, dialogs, host, screenSizesOf};
};

TEST_F(ScreenWindowTest, StartsAtHundredInchFourByThree)
{
    start();
    EXPECT_EQ(text(Dimension::Diagonal), "100");
    EXPECT_EQ(text(Dimension::Width), "80");
    EXPECT_EQ(text(Dimension::Height), "60");
    EXPECT_EQ(window.aspectCaption(), "1.33:1");
    EXPECT_EQ(window.unitsCaption(), "Units:  Inches");
    EXPECT_EQ(window.checkedPreset(), 0);
    EXPECT_EQ(window.calcCaption(), "&Layout");
    EXPECT_TRUE(state.tipsEnabled);
    EXPECT_FALSE(state.expertMode);
}

struct StartCase
{
    const char *name;
    const char *commandLine;
    const char *diagonal;
    const char *width;
    const char *height;
    const char *unitsCaption;
    bool tips;
    bool expert;
};

class StartSwitches : public ScreenWindowTest, public ::testing::WithParamInterface<StartCase>
{};

TEST_P(StartSwitches, ApplyUnitsTipsAndExpertMode)
{
    const StartCase &c = GetParam();
    start(parseSwitches(c.commandLine));
    EXPECT_EQ(text(Dimension::Diagonal), c.diagonal);
    EXPECT_EQ(text(Dimension::Width), c.width);
    EXPECT_EQ(text(Dimension::Height), c.height);
    EXPECT_EQ(window.unitsCaption(), c.unitsCaption);
    EXPECT_EQ(window.tooltipsChecked(), c.tips);
    EXPECT_EQ(state.tipsEnabled, c.tips);
    EXPECT_EQ(state.expertMode, c.expert);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, StartSwitches,
    testing::Values(
        StartCase{"feet", "/mF", "8.3", "6.7", "5.0", "Units:  Feet", true, false},
        StartCase{"metric", "/mm", "2540", "2032", "1524", "Units:  Millimeters", true, false},
        StartCase{"unknownLetterIsInches", "/mx", "100", "80", "60", "Units:  Inches", true, false},
        StartCase{"expert", "/m /x", "100", "80", "60", "Units:  Inches", true, true},
        StartCase{"tipsOff", "/t", "100", "80", "60", "Units:  Inches", false, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ScreenWindowTest, DiagonalEnteredCompletesWidthAndHeight)
{
    start();
    typeFresh(Dimension::Diagonal, "150");
    EXPECT_EQ(window.calcCaption(), "&ReCalculate");
    EXPECT_FALSE(window.field(Dimension::Width).enabled);
    EXPECT_FALSE(window.field(Dimension::Height).enabled);
    enter(Dimension::Diagonal);
    EXPECT_EQ(text(Dimension::Width), "120");
    EXPECT_EQ(text(Dimension::Height), "90");
    EXPECT_EQ(window.calcCaption(), "&Layout");
    EXPECT_TRUE(window.field(Dimension::Width).enabled);
    EXPECT_TRUE(window.takeCalcFocusRequest());
    EXPECT_FALSE(window.takeCalcFocusRequest());
}

TEST_F(ScreenWindowTest, CalcAfterTypingAppliesTheFieldLikeEnter)
{
    start();
    typeFresh(Dimension::Height, "7");
    EXPECT_FALSE(window.field(Dimension::Width).enabled);
    EXPECT_FALSE(window.field(Dimension::Diagonal).enabled);
    EXPECT_EQ(window.calcCaption(), "&ReCalculate");
    window.calc();
    EXPECT_FLOAT_EQ(screen().height, 7.0f);
    EXPECT_EQ(text(Dimension::Width), "9");
    EXPECT_EQ(window.calcCaption(), "&Layout");
    EXPECT_EQ(host.handOffs, 0);
}

struct KeyCase
{
    const char *name;
    char key;
    bool goesIntoField;
    bool startsEntry;
};

class KeyFilter : public ScreenWindowTest, public ::testing::WithParamInterface<KeyCase>
{};

TEST_P(KeyFilter, AcceptsDigitsPointAndSlashOnly)
{
    start();
    const KeyCase &c = GetParam();
    EXPECT_EQ(window.keyPress(Dimension::Width, c.key), c.goesIntoField);
    EXPECT_EQ(window.calcCaption(), c.startsEntry ? "&ReCalculate" : "&Layout");
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyFilter,
    testing::Values(KeyCase{"digit", '7', true, true}, KeyCase{"point", '.', true, true},
                    KeyCase{"slash", '/', true, true}, KeyCase{"backspace", 8, true, false},
                    KeyCase{"letter", 'a', false, false}, KeyCase{"minus", '-', false, false},
                    KeyCase{"blank", ' ', false, false}),
    [](const auto &info) { return std::string(info.param.name); });

// Delete, Backspace on a selection, cut and paste reach the window as the field's new text, and
// start an entry as a typed digit does. Before, an emptied field sat beside "Layout", which
// handed over a screen the fields no longer showed.
TEST_F(ScreenWindowTest, AnEmptiedFieldIsAnEntryNotAScreenToHandOver)
{
    start();
    typeFresh(Dimension::Diagonal, "150");
    enter(Dimension::Diagonal);
    window.setFieldText(Dimension::Diagonal, "");
    EXPECT_EQ(window.calcCaption(), "&ReCalculate");
    EXPECT_FALSE(window.field(Dimension::Width).enabled);
    EXPECT_FALSE(window.field(Dimension::Height).enabled);
    window.calc(); // the empty diagonal takes its default
    EXPECT_FLOAT_EQ(screen().diagonal, 100.0f);
    EXPECT_EQ(text(Dimension::Width), "80");
    EXPECT_EQ(host.handOffs, 0);
    window.calc();
    EXPECT_EQ(host.handOffs, 1);
}

TEST_F(ScreenWindowTest, EscapeDropsTheEntryInProgressOnly)
{
    start(parseSwitches("/mf"));
    typeFresh(Dimension::Width, "9");
    window.cancelEntry();
    EXPECT_EQ(window.calcCaption(), "&Layout");
    EXPECT_EQ(text(Dimension::Width), "6.7");
    EXPECT_FLOAT_EQ(screen().width, 80.0f);
    for (Dimension d : AllDimensions)
        EXPECT_TRUE(window.field(d).enabled);
    // Determine Aspect Ratio has its own way out, Cancel.
    window.enterDetermineMode();
    typeFresh(Dimension::Width, "9");
    window.cancelEntry();
    EXPECT_EQ(window.calcCaption(), "&Cancel");
    EXPECT_EQ(text(Dimension::Width), "9");
}

TEST_F(ScreenWindowTest, EmptyWidthInMillimetresTakesEightyMillimetres)
{
    start(parseSwitches("/mm"));
    typeFresh(Dimension::Width, "");
    enter(Dimension::Width);
    EXPECT_NEAR(screen().width, 80 / 25.4, 1e-5);
    EXPECT_EQ(text(Dimension::Width), "80");
    for (Dimension d : AllDimensions)
        EXPECT_EQ(window.field(d).colour, TextColour::Red);
}

TEST_F(ScreenWindowTest, TypedValuesFollowTheLeadingNumberRule)
{
    start();
    typeFresh(Dimension::Height, "12/5");
    enter(Dimension::Height);
    EXPECT_FLOAT_EQ(screen().height, 12.0f);
    typeFresh(Dimension::Height, "1.2.3");
    enter(Dimension::Height);
    EXPECT_FLOAT_EQ(screen().height, 1.2f);
}

TEST_F(ScreenWindowTest, ZeroTypedResetsTheScreen)
{
    start();
    typeFresh(Dimension::Height, "0");
    enter(Dimension::Height);
    EXPECT_EQ(text(Dimension::Diagonal), "100");
    EXPECT_EQ(text(Dimension::Width), "80");
    EXPECT_EQ(text(Dimension::Height), "60");
}

TEST_F(ScreenWindowTest, ResetKeepsSixteenByNineConsistent)
{
    start();
    window.selectPreset(2);
    typeFresh(Dimension::Width, "40000");
    enter(Dimension::Width);
    EXPECT_FLOAT_EQ(screen().diagonal, 100.0f);
    EXPECT_NEAR(screen().width / screen().height, 16.0 / 9.0, 1e-5);
    EXPECT_EQ(text(Dimension::Width), "87");
    EXPECT_EQ(text(Dimension::Height), "49");
}

TEST_F(ScreenWindowTest, SpinnersStepOneInchWhateverTheUnit)
{
    start(parseSwitches("/mf"));
    window.spinUp(Dimension::Width);
    EXPECT_FLOAT_EQ(screen().width, 81.0f);
    EXPECT_FLOAT_EQ(screen().height, 60.75f);
    EXPECT_EQ(text(Dimension::Width), "6.8");
    window.spinDown(Dimension::Diagonal);
    EXPECT_NEAR(screen().diagonal, 100.25f, 1e-4);
}

TEST_F(ScreenWindowTest, ShiftClickCyclesOneFieldsUnit)
{
    start();
    window.shiftClick(Dimension::Diagonal);
    EXPECT_EQ(text(Dimension::Diagonal), "8.3");
    EXPECT_EQ(window.field(Dimension::Diagonal).label, "&Diagonal: Ft");
    window.shiftClick(Dimension::Diagonal);
    EXPECT_EQ(text(Dimension::Diagonal), "2540");
    EXPECT_EQ(window.field(Dimension::Diagonal).label, "&Diagonal: mm");
    window.shiftClick(Dimension::Diagonal);
    EXPECT_EQ(text(Dimension::Diagonal), "100");
    EXPECT_EQ(window.field(Dimension::Diagonal).label, "&Diagonal: Inch");
    EXPECT_EQ(window.unitsCaption(), "Units:  Inches");
    EXPECT_EQ(text(Dimension::Width), "80");

    window.shiftClick(Dimension::Width); // feet for the width only
    window.spinUp(Dimension::Height);
    EXPECT_EQ(text(Dimension::Width), "6.8");
    window.selectUnits(Unit::Inches);
    EXPECT_EQ(window.field(Dimension::Diagonal).label, "&Diagonal");
    EXPECT_EQ(window.field(Dimension::Width).label, "&Width");
}

TEST_F(ScreenWindowTest, ShiftClickShowsStoredInchesInFull)
{
    start();
    window.selectPreset(2);
    window.shiftClick(Dimension::Width);
    window.shiftClick(Dimension::Width);
    window.shiftClick(Dimension::Width);
    EXPECT_EQ(text(Dimension::Width), "106.6667");
}

TEST_F(ScreenWindowTest, UnitsLabelDoubleClickCycles)
{
    start();
    window.cycleUnits();
    EXPECT_EQ(window.unitsCaption(), "Units:  Feet");
    window.cycleUnits();
    EXPECT_EQ(window.unitsCaption(), "Units:  Millimeters");
    EXPECT_EQ(text(Dimension::Height), "1524");
    window.cycleUnits();
    EXPECT_EQ(window.unitsCaption(), "Units:  Inches");
}

struct PresetCase
{
    const char *name;
    int preset;
    bool film;
    const char *caption;
    const char *diagonal;
    const char *width;
    const char *height;
};

class Presets : public ScreenWindowTest, public ::testing::WithParamInterface<PresetCase>
{};

TEST_P(Presets, KeepHeightUpToOnePointSevenEightThenWidth)
{
    const PresetCase &c = GetParam();
    start();
    window.selectMeasurement(c.film);
    window.selectPreset(c.preset);
    EXPECT_EQ(window.aspectCaption(), c.caption);
    EXPECT_EQ(window.checkedPreset(), c.preset);
    EXPECT_EQ(text(Dimension::Diagonal), c.diagonal);
    EXPECT_EQ(text(Dimension::Width), c.width);
    EXPECT_EQ(text(Dimension::Height), c.height);
}

INSTANTIATE_TEST_SUITE_P(
    Ratios, Presets,
    testing::Values(PresetCase{"tv", 0, true, "1.33:1", "100", "80", "60"},
                    PresetCase{"european", 1, false, "5:3", "117", "100", "60"},
                    PresetCase{"hd", 2, true, "1.78:1", "122", "107", "60"},
                    PresetCase{"hdVideo", 2, false, "16:9", "122", "107", "60"},
                    PresetCase{"american", 3, false, "37:20", "91", "80", "43"},
                    PresetCase{"anamorphic1", 4, true, "2.00:1", "89", "80", "40"},
                    PresetCase{"anamorphic2", 5, true, "2.35:1", "87", "80", "34"}),
    [](const auto &info) { return std::string(info.param.name); });

struct CustomCase
{
    const char *name;
    const char *answer;
    float ratio;
    const char *caption;
    bool note;
    TwipsRect outline;
};

class CustomRatio : public ScreenWindowTest, public ::testing::WithParamInterface<CustomCase>
{};

TEST_P(CustomRatio, TypedRatioIsApplied)
{
    const CustomCase &c = GetParam();
    start();
    dialogs.answers.push_back(std::string(c.answer));
    window.selectPreset(CustomPreset);
    ASSERT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_EQ(dialogs.prompts[0], "Custom aspect ratio|Please enter aspect ratio:|1.33");
    EXPECT_EQ(screen().aspect, c.ratio);
    EXPECT_EQ(window.aspectCaption(), c.caption);
    EXPECT_EQ(window.checkedPreset(), CustomPreset);
    EXPECT_EQ(dialogs.messages.size(), c.note ? 1u : 0u);
    const TwipsRect r = *window.visibleOutline();
    EXPECT_NEAR(r.left, c.outline.left, 1e-3);
    EXPECT_NEAR(r.top, c.outline.top, 1e-3);
    EXPECT_NEAR(r.width, c.outline.width, 1e-3);
    EXPECT_NEAR(r.height, c.outline.height, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CustomRatio,
    testing::Values(
        CustomCase{
            "exactFourByThree", "1.33", 4.0f / 3.0f, "1.33:1", false, {2025, 825, 1780, 1335}},
        CustomCase{"narrowShowsNote", "1.2", 1.2f, "1.20:1", true, {2114, 825, 1602, 1335}},
        CustomCase{"oneAndAHalf", "1.5", 1.5f, "1.50:1", false, {1913.75, 825, 2002.5, 1335}},
        CustomCase{"wide", "2", 2.0f, "2.00:1", false, {1725, 895.5, 2370, 1185}},
        CustomCase{"narrowestTaken", "0.01", 0.01f, "0.01:1", true, {2908.325, 825, 13.35, 1335}},
        CustomCase{"widestTaken", "100", 100.0f, "100.00:1", false, {1725, 1476.15, 2370, 23.7}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ScreenWindowTest, NarrowRatioNoteHasTheInstallerText)
{
    start();
    dialogs.answers.push_back("1.2");
    window.selectPreset(CustomPreset);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Lumidex");
    EXPECT_EQ(dialogs.messages[0].text.substr(0, 36), "For aspect ratios less than 4:3, ple");
    EXPECT_NE(dialogs.messages[0].text.find("ratio.\rFor example, if a 100\" H x 100\" W"),
              std::string::npos);
    EXPECT_NE(dialogs.messages[0].text.find("133\".)  Then use"), std::string::npos);
}

TEST_F(ScreenWindowTest, NarrowRatioNoteIsSilentWithTipsOff)
{
    start(parseSwitches("/t"));
    dialogs.answers.push_back("1.2");
    window.selectPreset(CustomPreset);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FLOAT_EQ(screen().aspect, 1.2f);
}

TEST_F(ScreenWindowTest, CancelledCustomFromMenuKeepsThePreviousPreset)
{
    start();
    window.selectPreset(2);
    window.selectPreset(CustomPreset); // no answer scripted: cancelled
    EXPECT_EQ(window.checkedPreset(), 2);
    EXPECT_EQ(screen().aspect, 16.0f / 9.0f);
    EXPECT_EQ(window.aspectCaption(), "1.78:1");
}

TEST_F(ScreenWindowTest, AspectButtonFromWidestMovesToCustomAndKeepsRatioOnCancel)
{
    start();
    window.selectPreset(5);
    window.nextPreset();
    EXPECT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_EQ(window.checkedPreset(), CustomPreset);
    EXPECT_FLOAT_EQ(screen().aspect, 2.35f);
    EXPECT_EQ(window.aspectCaption(), "2.35:1");
    window.nextPreset();
    EXPECT_EQ(window.checkedPreset(), 0);
}

TEST_F(ScreenWindowTest, SwitchingCaptionFormWithCustomPromptsAgain)
{
    start();
    dialogs.answers.push_back("1.5");
    window.selectPreset(CustomPreset);
    dialogs.answers.push_back("1.6");
    window.selectMeasurement(false);
    EXPECT_EQ(dialogs.prompts.size(), 2u);
    EXPECT_EQ(window.aspectCaption(), "1.60:1");
    EXPECT_FALSE(window.filmChecked());
}

struct BadRatioCase
{
    const char *name;
    const char *answer;
    const char *message = "The aspect ratio must be a positive number.";
};

class BadCustomRatio : public ScreenWindowTest, public ::testing::WithParamInterface<BadRatioCase>
{};

// A ratio that reads as zero or less would divide by zero, one far outside 1:100 to 100:1 breaks
// the screen's arithmetic; it is refused and nothing changes.
TEST_P(BadCustomRatio, IsRefusedAndNothingChanges)
{
    start();
    window.selectPreset(2);
    const ScreenState before = screen();
    dialogs.answers.push_back(std::string(GetParam().answer));
    window.selectPreset(CustomPreset);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Input Value Error");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(dialogs.messages[0].text, GetParam().message);
    EXPECT_EQ(screen().aspect, before.aspect);
    EXPECT_EQ(screen().width, before.width);
    EXPECT_EQ(window.checkedPreset(), 2);
}

constexpr const char *Range = "The aspect ratio must lie between 0.01 and 100.";

INSTANTIATE_TEST_SUITE_P(Answers, BadCustomRatio,
                         testing::Values(BadRatioCase{"letters", "abc"}, BadRatioCase{"zero", "0"},
                                         BadRatioCase{"negative", "-1.5"},
                                         BadRatioCase{"overflow", "1e99"},
                                         BadRatioCase{"tooNarrow", "0.009", Range},
                                         BadRatioCase{"farTooNarrow", "1e-13", Range},
                                         BadRatioCase{"tooWide", "100.1", Range}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ScreenWindowTest, DetermineFromWidthAndHeight)
{
    start();
    window.enterDetermineMode();
    EXPECT_EQ(window.calcCaption(), "&Cancel");
    EXPECT_EQ(text(Dimension::Diagonal), "???");
    EXPECT_FALSE(window.field(Dimension::Width).spinnerVisible);
    EXPECT_TRUE(window.determinePanelVisible());
    typeFresh(Dimension::Width, "96");
    EXPECT_EQ(window.calcCaption(), "&Cancel");
    typeFresh(Dimension::Height, "54");
    EXPECT_FALSE(window.field(Dimension::Diagonal).enabled);
    EXPECT_EQ(window.calcCaption(), "&Calculate");
    window.calc();
    EXPECT_EQ(screen().aspect, 96.0f / 54.0f);
    EXPECT_EQ(window.aspectCaption(), "1.78:1");
    EXPECT_EQ(window.checkedPreset(), CustomPreset);
    EXPECT_EQ(text(Dimension::Diagonal), "110");
    EXPECT_FLOAT_EQ(screen().height, 54.0f);
    EXPECT_FALSE(window.determineMode());
    EXPECT_TRUE(window.field(Dimension::Width).spinnerVisible);
    EXPECT_TRUE(window.field(Dimension::Diagonal).enabled);
    EXPECT_EQ(window.calcCaption(), "&Layout");
}

TEST_F(ScreenWindowTest, DetermineFromDiagonalAndHeight)
{
    start();
    window.enterDetermineMode();
    typeFresh(Dimension::Diagonal, "100");
    typeFresh(Dimension::Height, "60");
    EXPECT_FALSE(window.field(Dimension::Width).enabled);
    enter(Dimension::Height);
    EXPECT_EQ(screen().aspect, 4.0f / 3.0f);
    EXPECT_EQ(text(Dimension::Width), "80");
}

TEST_F(ScreenWindowTest, DetermineEnterAfterOneFieldCancels)
{
    start();
    window.selectPreset(5);
    window.enterDetermineMode();
    typeFresh(Dimension::Width, "50");
    enter(Dimension::Width);
    EXPECT_FALSE(window.determineMode());
    EXPECT_EQ(window.checkedPreset(), CustomPreset);
    EXPECT_EQ(window.aspectCaption(), "1.33:1");
    EXPECT_EQ(text(Dimension::Diagonal), "100");
    EXPECT_EQ(text(Dimension::Width), "80");
    EXPECT_EQ(text(Dimension::Height), "60");
}

struct DetermineErrorCase
{
    const char *name;
    const char *units; // command line
    Dimension first;
    const char *firstText;
    Dimension second;
    const char *secondText;
    const char *message;
};

class DetermineErrors : public ScreenWindowTest,
                        public ::testing::WithParamInterface<DetermineErrorCase>
{};

TEST_P(DetermineErrors, AreReportedAndTheModeRestarts)
{
    const DetermineErrorCase &c = GetParam();
    start(parseSwitches(c.units));
    const ScreenState before = screen();
    window.enterDetermineMode();
    if (std::string_view(c.units) == "/mm")
        window.shiftClick(Dimension::Height); // height in inches, diagonal in millimetres
    typeFresh(c.first, c.firstText);
    typeFresh(c.second, c.secondText);
    window.calc();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Input Value Error");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(dialogs.messages[0].text, c.message);
    EXPECT_TRUE(window.determineMode());
    EXPECT_EQ(window.calcCaption(), "&Cancel");
    for (Dimension d : AllDimensions) {
        EXPECT_EQ(text(d), "???");
        EXPECT_TRUE(window.field(d).enabled);
    }
    EXPECT_EQ(screen().width, before.width);
    EXPECT_EQ(screen().aspect, before.aspect);
    EXPECT_FALSE(std::isnan(screen().height));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, DetermineErrors,
    testing::Values(
        DetermineErrorCase{"heightNotSmaller", "", Dimension::Diagonal, "50", Dimension::Height,
                           "60", "Height must be smaller than diagonal."},
        DetermineErrorCase{"widthEqual", "", Dimension::Width, "80", Dimension::Diagonal, "80",
                           "Width must be smaller than diagonal."},
        DetermineErrorCase{"zeroHeightWithWidth", "", Dimension::Width, "80", Dimension::Height,
                           "0", "Height must be greater than zero."},
        DetermineErrorCase{"zeroWidthWithHeight", "", Dimension::Height, "60", Dimension::Width,
                           "/", "Width must be greater than zero."},
        DetermineErrorCase{"zeroHeightWithDiagonal", "", Dimension::Diagonal, "100",
                           Dimension::Height, ".", "Height must be greater than zero."},
        // 1000 mm is 39 inches: shorter than a 50 inch height although 1000 > 50 as typed.
        DetermineErrorCase{"mixedUnits", "/mm", Dimension::Diagonal, "1000", Dimension::Height,
                           "50", "Height must be smaller than diagonal."},
        DetermineErrorCase{"ratioTooNarrow", "", Dimension::Width, ".001", Dimension::Height,
                           "1000", "The aspect ratio must lie between 0.01 and 100."}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ScreenWindowTest, LayoutTipIsShownOnceAndHandsOver)
{
    start();
    window.calc();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Installer's Tip");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(dialogs.messages[0].text,
              "     Projector throw distance should be \ndetermined with the WIDEST screen used.");
    EXPECT_EQ(host.handOffs, 1);
    window.calc();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(host.handOffs, 2);
}

TEST_F(ScreenWindowTest, LayoutTipNeverInExpertMode)
{
    start(parseSwitches("/x"));
    window.calc();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(state.layoutTipShown);
    EXPECT_EQ(host.handOffs, 1);
}

TEST_F(ScreenWindowTest, ExpertSwitchAnnouncesEachMode)
{
    start();
    window.toggleExpertMode();
    EXPECT_TRUE(state.expertMode);
    window.toggleExpertMode();
    EXPECT_FALSE(state.expertMode);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text,
              "           Expert Mode \nInstaller's tips will not appear.");
    EXPECT_EQ(dialogs.messages[1].text, "       Normal Mode \nInstaller's tips will appear.");
}

struct UpdateCase
{
    const char *name;
    ScreenUpdate how;
    float aspect;
    int checkedPreset;
    float expectedAspect;
};

class UpdateRequests : public ScreenWindowTest, public ::testing::WithParamInterface<UpdateCase>
{};

TEST_P(UpdateRequests, RecomputeThenHandOver)
{
    const UpdateCase &c = GetParam();
    start();
    state.screen.aspect = c.aspect;
    EXPECT_TRUE(window.applyCorrection(c.how)); // Calc showed "Layout"
    EXPECT_EQ(window.checkedPreset(), c.checkedPreset);
    EXPECT_EQ(screen().aspect, c.expectedAspect);
    EXPECT_EQ(host.handOffs, 0);           // the installation window asked: it is not shown
    EXPECT_TRUE(dialogs.messages.empty()); // nor is the first Layout's tip
}

INSTANTIATE_TEST_SUITE_P(Codes, UpdateRequests,
                         testing::Values(UpdateCase{"snapToFourByThree", ScreenUpdate::SnapAspect,
                                                    1.35f, 0, 4.0f / 3.0f},
                                         UpdateCase{"snapToSixteenByNine", ScreenUpdate::SnapAspect,
                                                    1.75f, 2, 16.0f / 9.0f},
                                         UpdateCase{"snapLeavesOthers", ScreenUpdate::SnapAspect,
                                                    2.35f, 0, 2.35f}),
                         [](const auto &info) { return std::string(info.param.name); });

struct CalcModeCase
{
    const char *name;
    void (*leave)(ScreenWindow &); // how the installer left the calculator
    bool handsOver;
};

class UpdateInEveryMode : public ScreenWindowTest,
                          public ::testing::WithParamInterface<CalcModeCase>
{};

// Calc hands the corrected screen over only from "Layout", and its window hears of it once the
// installation window has taken it; otherwise Calc does what its caption says.
TEST_P(UpdateInEveryMode, HandsOverOnlyFromLayout)
{
    const CalcModeCase &c = GetParam();
    start();
    c.leave(window);
    int told = 0;
    window.setChangedCallback([&] { ++told; });
    const bool handedOver = window.applyCorrection(ScreenUpdate::FromWidth);
    EXPECT_EQ(handedOver, c.handsOver);
    EXPECT_EQ(window.calcCaption(), "&Layout"); // the value entered, the ratio determined
    EXPECT_EQ(host.handOffs, 0);
    if (handedOver) {
        EXPECT_EQ(told, 0);
        window.handOverTaken();
        EXPECT_EQ(told, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, UpdateInEveryMode,
    testing::Values(CalcModeCase{"layout", [](ScreenWindow &) {}, true},
                    CalcModeCase{"valueTyped",
                                 [](ScreenWindow &w) { w.keyPress(Dimension::Width, '9'); }, false},
                    CalcModeCase{"determining", [](ScreenWindow &w) { w.enterDetermineMode(); },
                                 false},
                    CalcModeCase{"determiningTwoTyped",
                                 [](ScreenWindow &w) {
                                     w.enterDetermineMode();
                                     w.keyPress(Dimension::Width, '9');
                                     w.keyPress(Dimension::Height, '9');
                                 },
                                 false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ScreenWindowTest, UpdateFromWidthCompletesTheScreen)
{
    start();
    state.screen.width = 120;
    EXPECT_TRUE(window.applyCorrection(ScreenUpdate::FromWidth));
    EXPECT_EQ(text(Dimension::Height), "90");
    EXPECT_EQ(text(Dimension::Diagonal), "150");
}

TEST_F(ScreenWindowTest, TooltipsMenuFollowsSharedStateOnActivation)
{
    start();
    window.toggleTooltips();
    EXPECT_FALSE(state.tipsEnabled);
    state.tipsEnabled = true; // switched on in the installation window
    window.activate();
    EXPECT_TRUE(window.tooltipsChecked());
}

} // namespace
