#pragma once

// The two questions a dealer hears once the screen is sized: will the picture be bright enough
// in this room, and where do the seats go. Everything follows from the screen in force and what
// the installer types from the projector's data sheet (the catalogue has no light output); the
// references are public standards, so that the answer holds up in front of a customer.

#include "2-screen/screenmodel.h"

#include <array>
#include <optional>
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

// ANSI/AVIXA image contrast: 15:1 for basic decision making (reading, presentations), 50:1
// for analytical decision making (detailed images).
inline constexpr double BasicContrast = 15.0;
inline constexpr double AnalyticalContrast = 50.0;

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

enum class ContrastRating
{
    BelowBasic,
    Basic,
    Analytical
};

struct SeatView
{
    double distance = 0; // inches
    double angle = 0;    // degrees the picture's width fills
    bool outsideComfort = false;
};

// Each figure is absent when what it needs is missing or refused: a light output that is not
// above 0, a gain that is not above 0, room light below 0 (no room light at all gives no
// contrast), fewer than one line. Distances are in inches.
struct RoomFigures
{
    double areaSqFt = 0;
    double areaSqM = 0;
    std::optional<double> footLamberts;
    std::optional<double> nits;
    std::optional<CinemaRating> cinema;
    std::optional<double> screenLux;
    std::optional<double> contrast;
    std::optional<ContrastRating> contrastRating;
    std::optional<double> lumensForCinema;
    std::optional<double> lumensForBasic;
    std::optional<double> lumensForAnalytical;
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
ContrastRating rateContrast(double contrast);
bool seatOutsideComfort(double angle);

} // namespace lumidex
