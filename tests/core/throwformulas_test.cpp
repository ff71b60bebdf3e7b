#include "3-catalogue/throwformulas.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

using namespace lumidex;

namespace {

// Screens the installer might type: a 4:3 screen of 100 inches diagonal (80 x 60), a 5:4
// screen with the diagonal and width given separately so that a model reading the wrong size
// basis shows at once, and a 16:9 screen.
constexpr ThrowInputs fourByThree{100, 80, 4.0f / 3.0f, 1, 0};
constexpr ThrowInputs fiveByFour{100, 78, 1.25f, 1, 0};
constexpr ThrowInputs fiveFourImage{100, 78, 1.25f, 1, 1};
constexpr ThrowInputs signal2{100, 78, 1.25f, 2, 0};
constexpr ThrowInputs signal3{100, 78, 1.25f, 3, 0};
constexpr ThrowInputs sixteenByNine{100, 87, 16.0f / 9.0f, 1, 0};

ThrowResult throwOf(Model model, int lens, const ThrowInputs &in)
{
    return computeThrow(Selection::dataProjector(model, lens), in);
}

ThrowInputs withSignal(ThrowInputs in, std::int16_t signal)
{
    in.inputSignal = signal;
    return in;
}

ThrowInputs withAspect(ThrowInputs in, float aspect)
{
    in.aspect = aspect;
    return in;
}

TEST(ThrowWorkedExamples, Lx440StandardZoomHasNoMargin)
{
    const ThrowResult r = throwOf(Model::LX440, 0, fourByThree);
    EXPECT_TRUE(r.zoom);
    EXPECT_NEAR(r.throwFar, 232.88, 0.005);
    EXPECT_NEAR(r.throwNear, 152.71, 0.005);
    EXPECT_DOUBLE_EQ(r.throwDistance, r.throwNear);
}

TEST(ThrowWorkedExamples, Lx460StandardZoomTakesFiveQuartersOfTheWidth)
{
    const ThrowResult r = throwOf(Model::LX460, 0, fourByThree);
    EXPECT_NEAR(r.throwFar, 190.63, 0.005);
    EXPECT_NEAR(r.throwNear, 151.40, 0.005);
    EXPECT_DOUBLE_EQ(r.throwDistance, r.throwNear);
}

// A larger divisor means a shorter throw: standard (1.26) > XGA (1.29) > Mac/HDTV (1.31).
TEST(ThrowWorkedExamples, Lx470SignalsGiveThreeDistancesInOrder)
{
    for (int lens = 0; lens < 4; ++lens) {
        const ThrowResult standard = throwOf(Model::LX470, lens, withSignal(fourByThree, 1));
        const ThrowResult xga = throwOf(Model::LX470, lens, withSignal(fourByThree, 2));
        const ThrowResult hdtv = throwOf(Model::LX470, lens, withSignal(fourByThree, 3));
        EXPECT_GT(standard.throwDistance, xga.throwDistance) << lens;
        EXPECT_GT(xga.throwDistance, hdtv.throwDistance) << lens;
        if (standard.zoom) {
            EXPECT_GT(standard.throwFar, xga.throwFar) << lens;
            EXPECT_GT(xga.throwFar, hdtv.throwFar) << lens;
        }
    }
}

// Before a signal is chosen the shared state holds -1; that counts as standard installation.
TEST(ThrowWorkedExamples, Lx470UnknownSignalIsStandardInstallation)
{
    for (std::int16_t signal : {std::int16_t{-1}, std::int16_t{0}, std::int16_t{4}}) {
        const ThrowResult r = throwOf(Model::LX470, 0, withSignal(fourByThree, signal));
        const ThrowResult standard = throwOf(Model::LX470, 0, fourByThree);
        EXPECT_FLOAT_EQ(r.throwFar, standard.throwFar) << signal;
        EXPECT_FLOAT_EQ(r.throwNear, standard.throwNear) << signal;
    }
}

struct SignalCase
{
    const char *name;
    Model model;
    double factor;
};

class ThrowSignalFactor : public testing::TestWithParam<SignalCase>
{};

// Only LX-430 and LX-450 throw 4 % farther with their second signal, on every lens.
TEST_P(ThrowSignalFactor, SecondSignalScalesEveryLens)
{
    const SignalCase &c = GetParam();
    const int lensCount = static_cast<int>(modelEntry(c.model).lenses.size());
    for (int lens = 0; lens < lensCount; ++lens) {
        const ThrowResult standard = throwOf(c.model, lens, fourByThree);
        const ThrowResult second = throwOf(c.model, lens, withSignal(fourByThree, 2));
        EXPECT_EQ(second.zoom, standard.zoom) << lens;
        EXPECT_NEAR(second.throwDistance, standard.throwDistance * c.factor, 1e-4) << lens;
        if (standard.zoom) {
            EXPECT_FLOAT_EQ(second.throwFar, static_cast<float>(standard.throwFar * c.factor))
                << lens;
            EXPECT_FLOAT_EQ(second.throwNear, static_cast<float>(standard.throwNear * c.factor))
                << lens;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Models, ThrowSignalFactor,
                         testing::Values(SignalCase{"lx450Svga", Model::LX450, 1.04},
                                         SignalCase{"lx430SvgaOrVideo", Model::LX430, 1.04},
                                         SignalCase{"lx440HasNoSignalList", Model::LX440, 1.0},
                                         SignalCase{"lx420HasNoSignalList", Model::LX420, 1.0}),
                         [](const auto &info) { return std::string(info.param.name); });

struct AspectCase
{
    const char *name;
    Model model;
    float narrowAspect;
    float wideAspect;
};

class ThrowAspectSwitch : public testing::TestWithParam<AspectCase>
{};

// LX-410 and LX-540 change formulas when the screen is 1.4 or wider.
TEST_P(ThrowAspectSwitch, NarrowAndWideScreensOfOneDiagonalDiffer)
{
    const AspectCase &c = GetParam();
    const ThrowResult narrow = throwOf(c.model, 0, withAspect(fourByThree, c.narrowAspect));
    const ThrowResult wide = throwOf(c.model, 0, withAspect(fourByThree, c.wideAspect));
    const ThrowResult fourThree = throwOf(c.model, 0, fourByThree);
    const ThrowResult sixteenNine = throwOf(c.model, 0, withAspect(fourByThree, 16.0f / 9.0f));
    EXPECT_FLOAT_EQ(narrow.throwFar, fourThree.throwFar);
    EXPECT_FLOAT_EQ(narrow.throwNear, fourThree.throwNear);
    EXPECT_FLOAT_EQ(wide.throwFar, sixteenNine.throwFar);
    EXPECT_FLOAT_EQ(wide.throwNear, sixteenNine.throwNear);
    EXPECT_GT(fourThree.throwFar - sixteenNine.throwFar, 10.0f);
}

// 1.4 typed as a ratio is stored as the float 1.4f, a hair below the double 1.4; the
// comparison is made in single precision, so it counts as wide.
INSTANTIATE_TEST_SUITE_P(
    Models, ThrowAspectSwitch,
    testing::Values(
        AspectCase{"lx410AtTheBoundary", Model::LX410, std::nextafter(1.4f, 0.0f), 1.4f},
        AspectCase{"lx540AtTheBoundary", Model::LX540, std::nextafter(1.4f, 0.0f), 1.4f},
        AspectCase{"lx410FourThreeAgainstSixteenNine", Model::LX410, 4.0f / 3.0f, 16.0f / 9.0f},
        AspectCase{"lx540FourThreeAgainstSixteenNine", Model::LX540, 4.0f / 3.0f, 16.0f / 9.0f}),
    [](const auto &info) { return std::string(info.param.name); });

// The SXGA dialog returns -1 when cancelled; only mode 0 picks the 4:3-image coefficients.
TEST(ThrowSxgaMode, OnlyModeZeroIsTheFourThreeImage)
{
    const ThrowResult fourThreeImage = throwOf(Model::LX530, 0, fiveByFour);
    for (std::int16_t mode : {std::int16_t{1}, std::int16_t{-1}}) {
        ThrowInputs in = fiveByFour;
        in.sxgaAspectMode = mode;
        const ThrowResult r = throwOf(Model::LX530, 0, in);
        EXPECT_FLOAT_EQ(r.throwFar, throwOf(Model::LX530, 0, fiveFourImage).throwFar) << mode;
        EXPECT_NE(r.throwFar, fourThreeImage.throwFar) << mode;
    }
}

// Expected distances were worked out from the maker's published formulas independently of
// this code, so a mistyped constant or a changed order of operations shows here. Zoom rows
// hold far and near as 32-bit values, fixed rows the one distance.
struct ThrowCase
{
    const char *name;
    Model model;
    int lens;
    ThrowInputs inputs;
    bool zoom;
    double first;
    double second;
};

class ThrowFormula : public testing::TestWithParam<ThrowCase>
{};

TEST_P(ThrowFormula, MatchesTheMakersFormula)
{
    const ThrowCase &c = GetParam();
    const Selection s = Selection::dataProjector(c.model, c.lens);
    const ThrowResult r = computeThrow(s, c.inputs);
    ASSERT_EQ(r.zoom, c.zoom);
    EXPECT_EQ(r.zoom, lensEntry(s).kind == LensKind::Zoom);
    if (c.zoom) {
        EXPECT_FLOAT_EQ(r.throwFar, static_cast<float>(c.first));
        EXPECT_FLOAT_EQ(r.throwNear, static_cast<float>(c.second));
        EXPECT_NEAR(r.throwDistance, r.throwNear, 1e-4);
    } else {
        EXPECT_NEAR(r.throwDistance, c.first, 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllLenses, ThrowFormula,
    testing::Values(
        ThrowCase{"lx410Lens0", Model::LX410, 0, fiveByFour, true, 277.694611, 182.313873},
        ThrowCase{"lx410Lens1", Model::LX410, 1, fiveByFour, true, 489.08429, 258.946411},
        ThrowCase{"lx410Lens2", Model::LX410, 2, fiveByFour, false, 131.1846815, 0},
        ThrowCase{"lx410Lens3", Model::LX410, 3, fiveByFour, false, 462.3239326, 0},
        ThrowCase{"lx420Lens0", Model::LX420, 0, fiveByFour, true, 232.878799, 152.711273},
        ThrowCase{"lx420Lens1", Model::LX420, 1, fiveByFour, true, 410.55838, 216.433212},
        ThrowCase{"lx420Lens2", Model::LX420, 2, fiveByFour, false, 109.776402, 0},
        ThrowCase{"lx420Lens3", Model::LX420, 3, fiveByFour, false, 388.2109358, 0},
        ThrowCase{"lx430Lens0", Model::LX430, 0, fiveByFour, true, 219.830063, 150.424316},
        ThrowCase{"lx430Lens1", Model::LX430, 1, fiveByFour, true, 410.55838, 216.433212},
        ThrowCase{"lx430Lens2", Model::LX430, 2, fiveByFour, false, 109.776402, 0},
        ThrowCase{"lx460Lens0", Model::LX460, 0, fiveByFour, true, 185.776932, 147.531662},
        ThrowCase{"lx460Lens1", Model::LX460, 1, fiveByFour, true, 400.275238, 210.866013},
        ThrowCase{"lx460Lens2", Model::LX460, 2, fiveByFour, false, 68.61130312, 0},
        ThrowCase{"lx460Lens3", Model::LX460, 3, fiveByFour, false, 106.9729368, 0},
        ThrowCase{"lx470Lens0", Model::LX470, 0, fiveByFour, true, 193.281555, 153.520599},
        ThrowCase{"lx470Lens1", Model::LX470, 1, fiveByFour, true, 416.189636, 219.481918},
        ThrowCase{"lx470Lens2", Model::LX470, 2, fiveByFour, false, 71.43396138, 0},
        ThrowCase{"lx470Lens3", Model::LX470, 3, fiveByFour, false, 111.3116329, 0},
        ThrowCase{"lx440Lens0", Model::LX440, 0, fiveByFour, true, 232.878799, 152.711273},
        ThrowCase{"lx440Lens1", Model::LX440, 1, fiveByFour, true, 410.55838, 216.433212},
        ThrowCase{"lx440Lens2", Model::LX440, 2, fiveByFour, false, 70.43517461, 0},
        ThrowCase{"lx440Lens3", Model::LX440, 3, fiveByFour, false, 109.776402, 0},
        ThrowCase{"lx440Lens4", Model::LX440, 4, fiveByFour, false, 388.2109358, 0},
        ThrowCase{"lx450Lens0", Model::LX450, 0, fiveByFour, true, 219.830063, 150.424316},
        ThrowCase{"lx450Lens1", Model::LX450, 1, fiveByFour, true, 410.55838, 216.433212},
        ThrowCase{"lx450Lens2", Model::LX450, 2, fiveByFour, false, 70.43517461, 0},
        ThrowCase{"lx450Lens3", Model::LX450, 3, fiveByFour, false, 109.776402, 0},
        ThrowCase{"lx480Lens0", Model::LX480, 0, fiveByFour, true, 196.912415, 156.157532},
        ThrowCase{"lx480Lens1", Model::LX480, 1, fiveByFour, true, 403.609039, 212.670898},
        ThrowCase{"lx480Lens2", Model::LX480, 2, fiveByFour, false, 69.20260136, 0},
        ThrowCase{"lx480Lens3", Model::LX480, 3, fiveByFour, false, 107.8818189, 0},
        ThrowCase{"lx490Lens0", Model::LX490, 0, fiveByFour, true, 195.228333, 154.814209},
        ThrowCase{"lx490Lens1", Model::LX490, 1, fiveByFour, true, 400.275238, 210.866013},
        ThrowCase{"lx490Lens2", Model::LX490, 2, fiveByFour, false, 68.61130312, 0},
        ThrowCase{"lx490Lens3", Model::LX490, 3, fiveByFour, false, 106.9729368, 0},
        ThrowCase{"lx510Lens0", Model::LX510, 0, fiveByFour, true, 187.149612, 148.543854},
        ThrowCase{"lx510Lens1", Model::LX510, 1, fiveByFour, true, 297.239197, 192.613861},
        ThrowCase{"lx510Lens2", Model::LX510, 2, fiveByFour, true, 440.523834, 306.598328},
        ThrowCase{"lx510Lens3", Model::LX510, 3, fiveByFour, false, 575.856462, 0},
        ThrowCase{"lx510Lens4", Model::LX510, 4, fiveByFour, false, 105.7103543, 0},
        ThrowCase{"lx510Lens5", Model::LX510, 5, fiveByFour, false, 68.95464194, 0},
        ThrowCase{"dx520Lens0", Model::DX520, 0, fiveByFour, true, 301.709229, 199.703796},
        ThrowCase{"dx520Lens1", Model::DX520, 1, fiveByFour, true, 599.39093, 299.079315},
        ThrowCase{"dx520Lens2", Model::DX520, 2, fiveByFour, false, 99.65898564, 0},
        ThrowCase{"lx530Lens0", Model::LX530, 0, fiveByFour, true, 192.567459, 152.144577},
        ThrowCase{"lx530Lens1", Model::LX530, 1, fiveByFour, true, 305.854736, 198.274765},
        ThrowCase{"lx530Lens2", Model::LX530, 2, fiveByFour, true, 453.187683, 315.430573},
        ThrowCase{"lx530Lens3", Model::LX530, 3, fiveByFour, true, 201.833878, 159.848618},
        ThrowCase{"lx530Lens4", Model::LX530, 4, fiveByFour, false, 592.0187878, 0},
        ThrowCase{"lx530Lens5", Model::LX530, 5, fiveByFour, false, 393.2603514, 0},
        ThrowCase{"lx530Lens6", Model::LX530, 6, fiveByFour, false, 108.8439392, 0},
        ThrowCase{"lx530Lens7", Model::LX530, 7, fiveByFour, false, 71.05867347, 0},
        ThrowCase{"lx540Lens0", Model::LX540, 0, fiveByFour, true, 182.869415, 158.095871},
        ThrowCase{"lx550Lens0", Model::LX550, 0, fiveByFour, true, 180.15834, 147.660522},
        ThrowCase{"lx550Lens1", Model::LX550, 1, fiveByFour, true, 126.554543, 120.684166},
        ThrowCase{"lx550Lens2", Model::LX550, 2, fiveByFour, true, 384.821716, 261.28595},
        ThrowCase{"lx550Lens3", Model::LX550, 3, fiveByFour, false, 69.17163493, 0}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    OtherSettings, ThrowFormula,
    testing::Values(
        ThrowCase{"lx530FiveFourImageLens0", Model::LX530, 0, fiveFourImage, true, 180.214279,
                  143.005875},
        ThrowCase{"lx530FiveFourImageLens1", Model::LX530, 1, fiveFourImage, true, 286.213287,
                  185.368195},
        ThrowCase{"lx530FiveFourImageLens2", Model::LX530, 2, fiveFourImage, true, 424.314026,
                  295.193512},
        ThrowCase{"lx530FiveFourImageLens3", Model::LX530, 3, fiveFourImage, true, 188.860336,
                  149.499725},
        ThrowCase{"lx530FiveFourImageLens4", Model::LX530, 4, fiveFourImage, false, 555.1965672, 0},
        ThrowCase{"lx530FiveFourImageLens5", Model::LX530, 5, fiveFourImage, false, 368.6175154, 0},
        ThrowCase{"lx530FiveFourImageLens6", Model::LX530, 6, fiveFourImage, false, 101.6988614, 0},
        ThrowCase{"lx530FiveFourImageLens7", Model::LX530, 7, fiveFourImage, false, 66.26373704, 0},
        ThrowCase{"lx410WideLens0", Model::LX410, 0, sixteenByNine, true, 226.088272, 148.226669},
        ThrowCase{"lx410WideLens1", Model::LX410, 1, sixteenByNine, true, 398.370941, 209.835052},
        ThrowCase{"lx410WideLens2", Model::LX410, 2, sixteenByNine, false, 106.4537766, 0},
        ThrowCase{"lx410WideLens3", Model::LX410, 3, sixteenByNine, false, 376.7083895, 0},
        ThrowCase{"lx540Wide", Model::LX540, 0, sixteenByNine, true, 148.89032, 128.616379},
        ThrowCase{"lx470Signal2Lens0", Model::LX470, 0, signal2, true, 188.708969, 149.871521},
        ThrowCase{"lx470Signal2Lens1", Model::LX470, 1, signal2, true, 406.49295, 214.232224},
        ThrowCase{"lx470Signal2Lens2", Model::LX470, 2, signal2, false, 69.71410914, 0},
        ThrowCase{"lx470Signal2Lens3", Model::LX470, 3, signal2, false, 108.6680553, 0},
        ThrowCase{"lx470Signal3Lens0", Model::LX470, 0, signal3, true, 185.776932, 147.531662},
        ThrowCase{"lx470Signal3Lens1", Model::LX470, 1, signal3, true, 400.275238, 210.866013},
        ThrowCase{"lx470Signal3Lens2", Model::LX470, 2, signal3, false, 68.61130312, 0},
        ThrowCase{"lx470Signal3Lens3", Model::LX470, 3, signal3, false, 106.9729368, 0},
        ThrowCase{"lx430SvgaLens0", Model::LX430, 0, signal2, true, 228.62326, 156.441284},
        ThrowCase{"lx430SvgaLens1", Model::LX430, 1, signal2, true, 426.980743, 225.090546},
        ThrowCase{"lx430SvgaLens2", Model::LX430, 2, signal2, false, 114.1674581, 0},
        ThrowCase{"lx450SvgaLens0", Model::LX450, 0, signal2, true, 228.62326, 156.441284},
        ThrowCase{"lx450SvgaLens1", Model::LX450, 1, signal2, true, 426.980743, 225.090546},
        ThrowCase{"lx450SvgaLens2", Model::LX450, 2, signal2, false, 73.2525816, 0},
        ThrowCase{"lx450SvgaLens3", Model::LX450, 3, signal2, false, 114.1674581, 0}),
    [](const auto &info) { return std::string(info.param.name); });

struct LengthCase
{
    const char *name;
    double inches;
    Unit units;
    const char *shown;
};

class FormatLength : public testing::TestWithParam<LengthCase>
{};

TEST_P(FormatLength, ShowsTheDistanceInTheChosenUnits)
{
    const LengthCase &c = GetParam();
    EXPECT_EQ(formatLength(c.inches, c.units), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Units, FormatLength,
    testing::Values(LengthCase{"halfInchRoundsToEvenDown", 80.5, Unit::Inches, "80"},
                    LengthCase{"halfInchRoundsToEvenUp", 81.5, Unit::Inches, "82"},
                    LengthCase{"nearestInch", 152.711, Unit::Inches, "153"},
                    LengthCase{"feetOneDecimal", 125, Unit::Feet, "10.4"},
                    LengthCase{"feetShowsTrailingZero", 120, Unit::Feet, "10.0"},
                    LengthCase{"oneInchInMillimetres", 1, Unit::Millimetres, "25"},
                    LengthCase{"millimetresWhole", 232.8788, Unit::Millimetres, "5915"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
