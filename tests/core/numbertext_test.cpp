#include "1-state/numbertext.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>

using namespace lumidex;

namespace {

struct ReadCase
{
    const char *name;
    const char *text;
    double expected;
};

class LeadingNumber : public testing::TestWithParam<ReadCase>
{};

TEST_P(LeadingNumber, ReadsTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(leadingNumber(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumber,
    testing::Values(ReadCase{"plain", "100", 100}, ReadCase{"slashStopsReading", "12/5", 12},
                    ReadCase{"secondPointStops", "1.2.3", 1.2}, ReadCase{"letters", "abc", 0},
                    ReadCase{"empty", "", 0}, ReadCase{"leadingPoint", ".5", 0.5},
                    ReadCase{"blanksIgnored", " 1 2\t3", 123}, ReadCase{"negative", "-3.5", -3.5},
                    ReadCase{"exponent", "1e3", 1000}, ReadCase{"oldExponentLetter", "2D2", 200},
                    ReadCase{"danglingExponent", "7e", 7}, ReadCase{"trailingText", "60in", 60},
                    ReadCase{"onlyPoint", ".", 0}, ReadCase{"onlySlash", "/", 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LeadingNumberLimits, HugeTextReadsAsInfinityNeverThrows)
{
    EXPECT_TRUE(std::isinf(leadingNumber("1e400")));
    EXPECT_TRUE(std::isinf(leadingNumber(std::string(400, '9'))));
    EXPECT_EQ(leadingNumber("1e-400"), 0.0);
}

struct FormatCase
{
    const char *name;
    double value;
    const char *pattern;
    const char *expected;
};

class FormatNumber : public testing::TestWithParam<FormatCase>
{};

TEST_P(FormatNumber, FollowsThePattern)
{
    EXPECT_EQ(formatNumber(GetParam().value, GetParam().pattern), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatNumber,
    testing::Values(FormatCase{"hashTenths", 125.0 / 10, "###.#", "12.5"},
                    FormatCase{"hashWholeKeepsPoint", -4, "###.#", "-4."},
                    FormatCase{"hashZeroIsPoint", 0, "###.#", "."},
                    FormatCase{"hashSmallFraction", 0.05, "###.#", ".1"},
                    FormatCase{"hashManyWholeDigits", 1234.56, "###.#", "1234.6"},
                    FormatCase{"feetOfHundredInches", 100.0 / 12, "0.0", "8.3"},
                    FormatCase{"tenthHalfAwayFromZero", 0.25, "0.0", "0.3"},
                    FormatCase{"wholeHalfAwayFromZero", 2.5, "0", "3"},
                    FormatCase{"negativeHalfAwayFromZero", -2.5, "0", "-3"},
                    FormatCase{"millimetres", 100 * 25.4, "0", "2540"},
                    FormatCase{"twoDecimalsPadded", 1.5, "0.00", "1.50"},
                    FormatCase{"decimalNotBinaryHalf", 2.675, "0.00", "2.68"},
                    FormatCase{"carryIntoNewDigit", 99.95, "0.0", "100.0"},
                    FormatCase{"negativeRoundingToZeroHasNoSign", -0.01, "0.0", "0.0"},
                    FormatCase{"ratioCaption", 16.0f / 9.0f, "0.00", "1.78"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FormatWhole, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(formatWhole(80.5), "80");
    EXPECT_EQ(formatWhole(81.5), "82");
    EXPECT_EQ(formatWhole(99.5), "100");
    EXPECT_EQ(formatWhole(106.66666f), "107");
    EXPECT_EQ(formatWhole(0.4), "0");
}

TEST(FormatSingle, WritesUpToSevenSignificantDigits)
{
    EXPECT_EQ(formatSingle(100.0f), "100");
    EXPECT_EQ(formatSingle(106.66666f), "106.6667");
    EXPECT_EQ(formatSingle(80.5f), "80.5");
    EXPECT_EQ(formatSingle(0.5f), "0.5");
    EXPECT_EQ(formatSingle(1234567.0f), "1234567");
    EXPECT_EQ(formatSingle(123456789.0f), "1.234568E+08");
    EXPECT_EQ(formatSingle(0.0001f), "0.0001");
    EXPECT_EQ(formatSingle(0.00001f), "1E-05");
    EXPECT_EQ(formatSingle(-3.25f), "-3.25");
}

TEST(FormatRoundTrip, NineDigitsReadBackTheSameFloat)
{
    for (float v : {106.66666f, 4.0f / 3.0f, 122.38373f, 3.1496062f, 1e-5f}) {
        const std::string text = formatRoundTrip(v);
        EXPECT_EQ(static_cast<float>(std::stod(text)), v) << text;
    }
}

// A key typed into a number field in the desktop's locale. Before, the comma was dropped, so a
// German "10,5" feet became a 105 foot screen.
struct KeyCase
{
    const char *name;
    char32_t typed;
    char32_t decimalSeparator;
    bool fractions;
    std::optional<char> goesIn; // nothing: refused
};

class NumberKey : public ::testing::TestWithParam<KeyCase>
{};

TEST_P(NumberKey, TypesWhatTheFieldTakes)
{
    const KeyCase &c = GetParam();
    EXPECT_EQ(numberKey(c.typed, c.decimalSeparator, c.fractions), c.goesIn);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, NumberKey,
    ::testing::Values(KeyCase{"GermanCommaIsTheDecimalPoint", U',', U',', true, '.'},
                      KeyCase{"GermanFullStopStillTheDecimalPoint", U'.', U',', true, '.'},
                      KeyCase{"EnglishCommaRefused", U',', U'.', true, std::nullopt},
                      KeyCase{"ArabicDecimalSeparator", U'\u066B', U'\u066B', true, '.'},
                      KeyCase{"DigitAccepted", U'7', U',', true, '7'},
                      KeyCase{"SlashWhereFractionsAre", U'/', U'.', true, '/'},
                      KeyCase{"SlashRefusedWithoutFractions", U'/', U'.', false, std::nullopt},
                      KeyCase{"LetterRefused", U'a', U',', true, std::nullopt},
                      KeyCase{"MinusRefused", U'-', U'.', true, std::nullopt},
                      KeyCase{"SpaceRefused", U' ', U',', true, std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
