#include "1-state/numbertext.h"
#include "2-screen/viewingroom.h"

#include <gtest/gtest.h>

using namespace lumidex;

namespace {

ScreenState screenOf(float diagonal, float aspect)
{
    ScreenState s;
    s.aspect = aspect;
    s.diagonal = diagonal;
    recomputeFromDiagonal(s, RangeGroup::D);
    return s;
}

std::string shown(const std::optional<double> &v, std::string_view pattern)
{
    return v ? formatNumber(*v, pattern) : "none";
}

// Worked by hand, rounded as the window shows them.
struct BrightnessCase
{
    const char *name;
    float diagonal;
    float aspect;
    double lumens;
    double gain;
    double ambient;
    const char *areaSqFt;
    const char *footLamberts;
    const char *nits;
    const char *contrast;
    const char *forCinema;
    std::array<const char *, 4> forContrast; // 7:1, 15:1, 50:1, 80:1
};

TEST(ViewingRoom, BrightnessAndContrastAsWorkedByHand)
{
    const BrightnessCase cases[] = {
        {"100-inch 16:9, 2000 lumens, dark room",
         100,
         16.0f / 9.0f,
         2000,
         1.0,
         0,
         "29.67",
         "67.4",
         "231",
         "none",
         "415.4",
         {"none", "none", "none", "none"}},
        // 80 x 60 in = 33.33 sq ft = 3.0968 m2: 968.7 lux from the projector over 100 lux, and
        // (ratio - 1) x 309.68 lumens for each contrast.
        {"100-inch 4:3, 3000 lumens, gain 1.3, 100 lux",
         100,
         4.0f / 3.0f,
         3000,
         1.3,
         100,
         "33.33",
         "117.0",
         "401",
         "10.7",
         "359.0",
         {"1858.1", "4335.5", "15174.2", "24464.5"}},
    };
    for (const BrightnessCase &c : cases) {
        SCOPED_TRACE(c.name);
        const RoomFigures f =
            evaluateRoom(screenOf(c.diagonal, c.aspect), {c.lumens, c.gain, c.ambient, 1080, {}});
        EXPECT_EQ(formatNumber(f.areaSqFt, "0.00"), c.areaSqFt);
        EXPECT_EQ(shown(f.footLamberts, "0.0"), c.footLamberts);
        EXPECT_EQ(shown(f.nits, "0"), c.nits);
        EXPECT_EQ(shown(f.contrast, "0.0"), c.contrast);
        EXPECT_EQ(shown(f.lumensForCinema, "0.0"), c.forCinema);
        for (std::size_t i = 0; i < c.forContrast.size(); ++i)
            EXPECT_EQ(shown(f.lumensForContrast[i], "0.0"), c.forContrast[i]) << i;
    }
}

TEST(ViewingRoom, SeatingDistancesAsWorkedByHand)
{
    // 120-inch 16:9: 104.59 in wide, 58.83 in high.
    const RoomFigures f =
        evaluateRoom(screenOf(120, 16.0f / 9.0f), {2000.0, 1.0, 0.0, 1080, {120, 250}});
    EXPECT_EQ(formatNumber(f.viewingDistances[0], "0.0"), "195.2");
    EXPECT_EQ(formatNumber(f.viewingDistances[1], "0.0"), "160.9");
    EXPECT_EQ(formatNumber(f.viewingDistances[2], "0.0"), "143.7");
    // 58.83 / 1080 = 0.05447 in a line, 3437.7 line heights away.
    EXPECT_EQ(shown(f.arcMinuteDistance, "0.0"), "187.3");
    ASSERT_EQ(f.seats.size(), 2u);
    EXPECT_EQ(formatNumber(f.seats[0].angle, "0.0"), "47.1");
    EXPECT_FALSE(f.seats[0].outsideComfort);
    EXPECT_EQ(formatNumber(f.seats[1].angle, "0.0"), "23.6");
    EXPECT_TRUE(f.seats[1].outsideComfort);
    // A seat at a viewing distance sees exactly that angle.
    EXPECT_NEAR(viewingAngle(104.59, viewingDistance(104.59, 36)), 36, 1e-9);
}

TEST(ViewingRoom, RatingsChangeAtTheReferences)
{
    const std::pair<double, CinemaRating> luminance[] = {
        {37.7, CinemaRating::TooDim},
        {37.8, CinemaRating::AboutRight},
        {58.2, CinemaRating::AboutRight},
        {58.3, CinemaRating::Brighter},
    };
    for (const auto &[nits, rating] : luminance)
        EXPECT_EQ(rateLuminance(nits), rating) << nits;
    using enum ContrastCategory;
    const std::pair<double, std::optional<ContrastCategory>> contrast[] = {
        {6.99, std::nullopt},
        {7, PassiveViewing},
        {14.99, PassiveViewing},
        {15, BasicDecisionMaking},
        {49.99, BasicDecisionMaking},
        {50, AnalyticalDecisionMaking},
        {79.99, AnalyticalDecisionMaking},
        {80, FullMotionVideo},
    };
    for (const auto &[ratio, rating] : contrast)
        EXPECT_EQ(rateContrast(ratio), rating) << ratio;
    const std::pair<double, bool> seats[] = {{25.9, true}, {26, false}, {50, false}, {50.1, true}};
    for (const auto &[angle, outside] : seats)
        EXPECT_EQ(seatOutsideComfort(angle), outside) << angle;
}

struct RefusalCase
{
    const char *name;
    RoomInputs inputs;
    bool refused;      // some input refused, not just missing
    bool luminance;    // foot-lamberts and nits
    bool screenLux;    // light from the projector
    bool contrast;     // the picture's contrast in the room light
    bool forContrast;  // lumens for each contrast category
    bool forCinema;    // lumens for 14 fL
    bool arcMinute;    // where lines blend
    std::size_t seats; // seats kept
};

TEST(ViewingRoom, MissingOrRefusedInputsLeaveOutWhatNeedsThem)
{
    const RefusalCase cases[] = {
        {"everything given",
         {2000.0, 1.0, 10, 1080, {100}},
         false,
         true,
         true,
         true,
         true,
         true,
         true,
         1},
        {"no light output yet",
         {std::nullopt, 1.0, 10, 1080, {}},
         false,
         false,
         false,
         false,
         true,
         true,
         true,
         0},
        {"light output 0",
         {0.0, 1.0, 10, 1080, {}},
         true,
         false,
         false,
         false,
         true,
         true,
         true,
         0},
        {"gain 0", {2000.0, 0.0, 10, 1080, {}}, true, false, true, true, true, false, true, 0},
        {"room light below 0",
         {2000.0, 1.0, -1, 1080, {}},
         true,
         true,
         true,
         false,
         false,
         true,
         true,
         0},
        {"dark room", {2000.0, 1.0, 0, 1080, {}}, false, true, true, false, false, true, true, 0},
        {"no lines", {2000.0, 1.0, 0, 0, {}}, true, true, true, false, false, true, false, 0},
        {"seats at 0 or behind the screen",
         {2000.0, 1.0, 0, 1080, {0, -5, 90}},
         false,
         true,
         true,
         false,
         false,
         true,
         true,
         1},
    };
    const ScreenState screen = screenOf(100, 16.0f / 9.0f);
    for (const RefusalCase &c : cases) {
        SCOPED_TRACE(c.name);
        const RoomRefusals r = refusalsOf(c.inputs);
        EXPECT_EQ(r.lumens || r.gain || r.ambient || r.lines, c.refused);
        const RoomFigures f = evaluateRoom(screen, c.inputs);
        EXPECT_EQ(f.footLamberts.has_value(), c.luminance);
        EXPECT_EQ(f.nits.has_value(), c.luminance);
        EXPECT_EQ(f.cinema.has_value(), c.luminance);
        EXPECT_EQ(f.screenLux.has_value(), c.screenLux);
        EXPECT_EQ(f.contrast.has_value(), c.contrast);
        for (const auto &lumens : f.lumensForContrast)
            EXPECT_EQ(lumens.has_value(), c.forContrast);
        EXPECT_EQ(f.lumensForCinema.has_value(), c.forCinema);
        EXPECT_EQ(f.arcMinuteDistance.has_value(), c.arcMinute);
        EXPECT_EQ(f.seats.size(), c.seats);
    }
}

} // namespace
