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
        FitCase{"fitsAsItIs", "abcd", 30, 20, {12, {"abcd"}}},
        FitCase{"shrinksOnOneLine", "abcdefghij", 40, 20, {8, {"abcdefghij"}}},
        FitCase{
            "wrapsAtSevenPoints", "aaaa bbbb cccc dddd", 40, 20, {7, {"aaaa bbbb", "cccc dddd"}}},
        FitCase{"wrapsSmallerInALowBox",
                "aaaa bbbb cccc dddd",
                40,
                12,
                {5, {"aaaa bbbb cccc", "dddd"}}},
        FitCase{"spacesAtABreakDropped", "aaaa    bbbb", 20, 20, {7, {"aaaa", "bbbb"}}},
        FitCase{"leadingSpacesKept", "  aaaa bbbb cccc", 40, 20, {7, {"  aaaa bbbb", "cccc"}}},
        FitCase{"longWordBrokenBetweenCharacters",
                "abcdefghijklmnopqrstuvwxyz",
                40,
                100,
                {7, {"abcdefghijk", "lmnopqrstuv", "wxyz"}}},
        FitCase{
            "neverInsideACharacter",
            "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"
            "\u00e9\u00e9",
            20,
            30,
            {7, {"\u00e9\u00e9\u00e9\u00e9\u00e9", "\u00e9\u00e9\u00e9\u00e9\u00e9", "\u00e9"}}},
        // Even the smallest size does not hold it all: the lines are drawn cut at the box.
        FitCase{"tooMuchForTheBox",
                "aaaa bbbb cccc dddd",
                10,
                4,
                {4, {"aaaa", "bbbb", "cccc", "dddd"}}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
