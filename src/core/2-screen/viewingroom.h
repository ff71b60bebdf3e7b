#pragma once

// The two questions a dealer hears once the screen is sized: will the picture be bright enough
// in this room, and where do the seats go. Everything follows from the screen in force and what
// the installer types from the projector's data sheet (the catalogue has no light output); the
// references are public standards, so that the answer holds up in front of a customer.

#include "1-state/translation.h"
#include "2-screen/screenmodel.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace lumidex {

inline constexpr double SquareInchesPerSquareFoot = 144.0;
inline constexpr double SquareMetresPerSquareInch = 0.00064516; // 0.0254 m squared
inline constexpr double NitsPerFootLambert = 3.426;

// Digital cinema's reference white (SMPTE ST 431-1, ISO 26431-1): 48 cd/m2, 14 fL, with a
// theatre's tolerance of 3 fL either way.
inline constexpr double CinemaFootLamberts = 14.0;
inline constexpr double CinemaNits = 48.0;
inline constexpr double CinemaToleranceNits = 10.2;

// The four categories of the ANSI/AVIXA projected-image contrast standard, from the least
// demanding up: the lowest contrast each viewing task needs.
enum class ContrastCategory
{
    PassiveViewing,           // 7:1, signage and pictures only glanced at
    BasicDecisionMaking,      // 15:1, reading text, presentations
    AnalyticalDecisionMaking, // 50:1, detailed images, spreadsheets
    FullMotionVideo,          // 80:1, film and video, the home cinema's goal
};

struct ContrastStandard
{
    ContrastCategory category;
    double ratio;
    std::string_view name;
};

inline constexpr std::array<ContrastStandard, 4> ContrastCategories{{
    {ContrastCategory::PassiveViewing, 7.0,
     LUMIDEX_TRANSLATE_NOOP("ViewingRoom", "passive viewing")},
    {ContrastCategory::BasicDecisionMaking, 15.0,
     LUMIDEX_TRANSLATE_NOOP("ViewingRoom", "basic decision making")},
    {ContrastCategory::AnalyticalDecisionMaking, 50.0,
     LUMIDEX_TRANSLATE_NOOP("ViewingRoom", "analytical decision making")},
    {ContrastCategory::FullMotionVideo, 80.0,
     LUMIDEX_TRANSLATE_NOOP("ViewingRoom", "full-motion video")},
}};

const ContrastStandard &contrastStandard(ContrastCategory category);

// Horizontal viewing angles, in degrees: the picture fills 30 degrees at the SMPTE EG 18
// minimum, 36 degrees from the farthest seat for THX, 40 degrees as homes usually recommend.
inline constexpr std::array<double, 3> ViewingAngles{30.0, 36.0, 40.0};
// A seat whose view of the picture is narrower or wider than this is worth a second look.
inline constexpr double LeastSeatAngle = 26.0;
inline constexpr double GreatestSeatAngle = 50.0;

inline constexpr double DefaultGain = 1.0;
inline constexpr double DefaultLines = 1080.0;

struct RoomInputs
{
    std::optional<double> lumens; // ANSI lumens; none until the installer types them
    double gain = DefaultGain;
    double ambientLux = 0.0; // light falling on the screen; 0 is a dark room
    double lines = DefaultLines;
    std::vector<double> seats; // inches from the screen
};

enum class CinemaRating
{
    TooDim,
    AboutRight,
    Brighter
};

struct SeatView
{
    double distance = 0; // inches
    double angle = 0;    // degrees the picture's width fills
    bool outsideComfort = false;
};

// Each figure is absent when what it needs is missing or refused: a light output that is not
// above 0, a gain that is not above 0, room light below 0 (no room light at all gives no
// contrast ratio), fewer than one line, or any of them not a number. Distances are in inches.
struct RoomFigures
{
    double areaSqFt = 0;
    double areaSqM = 0;
    std::optional<double> footLamberts;
    std::optional<double> nits;
    std::optional<CinemaRating> cinema;
    std::optional<double> screenLux;
    std::optional<double> contrast;
    // The highest category the contrast meets; none below the least of them or when the
    // contrast is unknown. A dark room sets the contrast no limit: full-motion video.
    std::optional<ContrastCategory> contrastCategory;
    std::optional<double> lumensForCinema;
    // For each of ContrastCategories, in a lit room.
    std::array<std::optional<double>, 4> lumensForContrast{};
    std::array<double, 3> viewingDistances{}; // for ViewingAngles
    std::optional<double> arcMinuteDistance;  // beyond it one line blends into the next
    std::vector<SeatView> seats;              // the seats above 0, in the order given
};

// Which inputs were refused. A missing light output is not a refusal: the window simply waits
// for it.
struct RoomRefusals
{
    bool lumens = false;
    bool gain = false;
    bool ambient = false;
    bool lines = false;
};

RoomRefusals refusalsOf(const RoomInputs &inputs);
RoomFigures evaluateRoom(const ScreenState &screen, const RoomInputs &inputs);

// The distance (inches) at which a picture `width` inches wide fills `degrees`, and the angle a
// seat at `distance` sees.
double viewingDistance(double width, double degrees);
double viewingAngle(double width, double distance);

CinemaRating rateLuminance(double nits);
// The highest category `contrast` meets; none below 7:1.
std::optional<ContrastCategory> rateContrast(double contrast);
bool seatOutsideComfort(double angle);

} // namespace lumidex
