#include "8-print/picturerect.h"

#include <gtest/gtest.h>
#include <string>

using namespace lumidex;

namespace {

// 0.4 printer pixels per twip across, 0.4 down, on a 4800 x 3600 pixel printable area.
constexpr PrinterPage Page{12000, 9000, 4800, 3600};
// x = 400 + 182.4 (margin 0.038 x 4800), y = 200 + 100.8 (margin 0.028 x 3600), w = 480, h = 320.
constexpr double Left = 1000, Top = 500, Width = 1200, Height = 800;

struct EnlargementCase
{
    const char *name;
    PictureKind kind;
    const char *element;
    int index;
    bool isotropic;
    bool enlarged;
};

class PictureEnlargement : public testing::TestWithParam<EnlargementCase>
{};

TEST_P(PictureEnlargement, ViewportIsTheRectangleOrFivePercentMore)
{
    const EnlargementCase &c = GetParam();
    const auto p = placePicture(c.kind, {c.element, c.index, Left, Top, Width, Height}, Page);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->isotropic, c.isotropic);
    EXPECT_EQ(p->enlarged, c.enlarged);
    EXPECT_EQ(p->x, 582);
    EXPECT_EQ(p->y, 301);
    EXPECT_EQ(p->w, 480);
    EXPECT_EQ(p->h, 320);
    EXPECT_EQ(p->viewportWidth, c.enlarged ? 504 : 480);
    EXPECT_EQ(p->viewportHeight, c.enlarged ? 336 : 320);
    EXPECT_EQ(p->playbackBounds.has_value(), c.kind == PictureKind::Enhanced);
}

INSTANTIATE_TEST_SUITE_P(
    Elements, PictureEnlargement,
    testing::Values(
        EnlargementCase{"arrowFillsItsRectangle", PictureKind::Metafile, "imgArrow", 0, false,
                        false},
        EnlargementCase{"verticalArrowEnhanced", PictureKind::Enhanced, "imgArrow_V", 0, false,
                        false},
        EnlargementCase{"screenOutlineKeepsSize", PictureKind::Metafile, "Image3", 0, true, false},
        EnlargementCase{"projectorOutlineMetafile", PictureKind::Metafile, "imgLX460", 0, true,
                        true},
        EnlargementCase{"projectorOutlineEnhanced", PictureKind::Enhanced, "imgLX460", 0, true,
                        true},
        EnlargementCase{"lx510FirstItemEnhanced", PictureKind::Enhanced, "imgLX510", 0, true,
                        false},
        EnlargementCase{"lx510LastItemEnhanced", PictureKind::Enhanced, "imgLX510", 3, true, false},
        EnlargementCase{"lx510StillEnlargedAsMetafile", PictureKind::Metafile, "imgLX510", 2, true,
                        true}),
    [](const auto &info) { return std::string(info.param.name); });

struct RoundingCase
{
    const char *name;
    double left;
    double width;
    std::int64_t x;
    std::int64_t w;
    std::int64_t viewportWidth;
};

class PictureRounding : public testing::TestWithParam<RoundingCase>
{};

// On a 1000 pixel wide page of 10000 twips the margin is 38 pixels and a twip is 0.1 pixel, so
// halves come up exactly; they go to the even pixel.
TEST_P(PictureRounding, HalvesGoToTheEvenPixel)
{
    const RoundingCase &c = GetParam();
    const auto p = placePicture(PictureKind::Metafile, {"imgLX460", 0, c.left, 0, c.width, 0},
                                {10000, 10000, 1000, 1000});
    ASSERT_TRUE(p);
    EXPECT_EQ(p->x, c.x);
    EXPECT_EQ(p->w, c.w);
    EXPECT_EQ(p->viewportWidth, c.viewportWidth);
}

INSTANTIATE_TEST_SUITE_P(Halves, PictureRounding,
                         testing::Values(RoundingCase{"downToEven", 5, 100, 38, 10, 10},
                                         RoundingCase{"upToEven", 15, 300, 40, 30, 32},
                                         RoundingCase{"enlargementOfOddWidth", 0, 250, 38, 25, 26}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(PicturePlacement, EnhancedBoundsUseTheWidthScaleForTheBottom)
{
    // Across 0.4 pixel per twip, down 0.444: the bottom must use 0.4 and include the 5 %.
    const auto p = placePicture(PictureKind::Enhanced, {"imgArrow", 0, Left, Top, 1200, 900},
                                {12000, 9000, 4800, 4000});
    ASSERT_TRUE(p && p->playbackBounds);
    EXPECT_EQ(p->playbackBounds->left, 0);
    EXPECT_EQ(p->playbackBounds->top, 5);
    EXPECT_EQ(p->playbackBounds->right, 480);
    EXPECT_EQ(p->playbackBounds->bottom, 378);
    EXPECT_EQ(p->h, 400);
}

TEST(PicturePlacement, PrinterWiderThanSixteenBitsWorks)
{
    const auto p = placePicture(PictureKind::Enhanced, {"imgLX460", 0, 11000, 8000, 12000, 9000},
                                {12000, 9000, 40000, 36000});
    ASSERT_TRUE(p);
    EXPECT_EQ(p->x, 38187); // 36666.67 + 1520
    EXPECT_EQ(p->y, 33008); // 32000 + 1008
    EXPECT_EQ(p->w, 40000);
    EXPECT_EQ(p->h, 36000);
    EXPECT_EQ(p->viewportWidth, 42000);
    EXPECT_EQ(p->viewportHeight, 37800);
    EXPECT_EQ(p->playbackBounds->bottom, 31500); // 1.05 x 40000 x 9000 / 12000
}

TEST(PicturePlacement, PageWithoutSizeCannotBePlaced)
{
    EXPECT_FALSE(placePicture(PictureKind::Metafile, {"imgArrow", 0, 1, 1, 1, 1}, {0, 9000, 1, 1}));
    EXPECT_FALSE(placePicture(PictureKind::Enhanced, {"imgArrow", 0, 1, 1, 1, 1}, {1, 0, 1, 1}));
}

} // namespace
