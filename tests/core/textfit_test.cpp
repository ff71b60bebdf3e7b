#include "7-project/projectfile.h"
#include "8-print/textfit.h"

#include <gtest/gtest.h>

using namespace lumidex;

namespace {

// Every character half as wide as the size, lines 1.2 times as high.
class EvenMeasure : public TextMeasure
{
public:
    double width(std::string_view utf8, double points) const override
    {
        std::size_t characters = 0;
        for (std::size_t pos = 0; pos < utf8.size(); ++characters)
            nextUtf8(utf8, pos);
        return double(characters) * 0.5 * points;
    }
    double lineHeight(double points) const override { return 1.2 * points; }
};

struct FitCase
{
    const char *name;
    const char *text;
    double width;
    double height;
    FittedText expected;
};

class TextFit : public testing::TestWithParam<FitCase>
{};

TEST_P(TextFit, WholeTextInTheBox)
{
    const FitCase &c = GetParam();
    EXPECT_EQ(fitTextInBox(c.text, 12, c.width, c.height, EvenMeasure()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, TextFit,
    testing::Values(
        FitCase{"fitsAsItIs", "abcd", 30, 20, {12, {"abcd"}, {}}},
        FitCase{"shrinksOnOneLine", "abcdefghij", 40, 20, {8, {"abcdefghij"}, {}}},
        FitCase{"wrapsAtSevenPoints",
                "aaaa bbbb cccc dddd",
                40,
                20,
                {7, {"aaaa bbbb", "cccc dddd"}, {}}},
        FitCase{"spacesAtABreakDropped", "aaaa    bbbb", 20, 20, {7, {"aaaa", "bbbb"}, {}}},
        FitCase{"leadingSpacesKept", "  aaaa bbbb cccc", 40, 20, {7, {"  aaaa bbbb", "cccc"}, {}}},
        FitCase{"longWordBrokenBetweenCharacters",
                "abcdefghijklmnopqrstuvwxyz",
                40,
                100,
                {7, {"abcdefghijk", "lmnopqrstuv", "wxyz"}, {}}},
        FitCase{"neverInsideACharacter",
                "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"
                "\u00e9\u00e9",
                20,
                30,
                {7,
                 {"\u00e9\u00e9\u00e9\u00e9\u00e9", "\u00e9\u00e9\u00e9\u00e9\u00e9", "\u00e9"},
                 {}}},
        // Never smaller than 7 points and never cut: the box keeps what it holds, says so on its
        // last line, and the rest, as typed, goes onto the notes sheet.
        FitCase{"restContinuesOnTheNotesSheet",
                "aaaa bbbb cccc dddd  eeee",
                40,
                17,
                {7, {"aaaa bbbb", std::string(ContinuedMark)}, "cccc dddd  eeee"}},
        FitCase{"aBoxOfOneLineSendsItAll",
                "aaaa bbbb cccc dddd",
                40,
                12,
                {7, {std::string(ContinuedMark)}, "aaaa bbbb cccc dddd"}},
        FitCase{"aWordBrokenAtTheBoxContinuesWhole",
                "abcdefghijklmnopqrstuvwxyz",
                40,
                17,
                {7, {"abcdefghijk", std::string(ContinuedMark)}, "lmnopqrstuvwxyz"}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
