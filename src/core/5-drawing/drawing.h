#pragma once

// The installation drawing as data: every line, label and picture of the side elevation with
// its geometry in twips (x grows towards the screen, y grows downwards), its colour, style
// and visibility. The recalculation writes it; the window, the printed sheet and the
// command-line tool only read it.

#include "1-state/translation.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace lumidex {

enum class DrawColour
{
    Black,
    Red,
    DarkGrey,
    Grey,
    Blue
};
enum class LineStyle
{
    Solid,
    Dash,
    Dot,
    DashDot
};

struct DrawLine
{
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    DrawColour colour = DrawColour::Black;
    LineStyle style = LineStyle::Solid;
    bool visible = true;
    bool thick = false;

    int length() const; // vertical or horizontal extent, whichever is larger
    bool operator==(const DrawLine &) const = default;
};

// Labels are sized for one line of the drawing's small text; the placement rules (centring,
// keeping above the floor line) read these sizes.
inline constexpr int LabelHeight = 195;
inline constexpr int LabelWidth = 615;

struct DrawLabel
{
    std::string caption;
    int left = 0;
    int top = 0;
    int width = LabelWidth;
    int height = LabelHeight;
    DrawColour colour = DrawColour::Black;
    bool visible = true;
    bool field = false; // a value field (boxed) rather than a plain label
    bool operator==(const DrawLabel &) const = default;
};

struct DrawPicture
{
    std::string_view family; // empty when no picture is placed
    int entry = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool inverted = false; // hung from the ceiling
    bool ghost = false;    // the farthest position of a zoom lens
    bool visible = false;
    bool operator==(const DrawPicture &) const = default;
};

struct Drawing
{
    // Fixed frame of reference.
    static constexpr int ScreenPlaneX = 8280;
    static constexpr int FloorY = 4680;
    static constexpr int TopLimitY = 600; // nothing is drawn above this
    static constexpr int Width = 9680;
    static constexpr int Height = 5500;
    static constexpr int RulerX = 9000; // the vertical ruler
    // The markers under the screen and the projector's positions.
    static constexpr int MarkerTop = 4800;
    static constexpr int MarkerBottom = 5130;
    // The narrowest a distance box is drawn, however short its value.
    static constexpr int MinValueBoxWidth = 400;
    // Between the rulers' numbers, at the scale of 20 twips to the inch: 60 inches across,
    // 30 up.
    static constexpr int AcrossNumberStep = 1200;
    static constexpr int UpNumberStep = 600;

    DrawLine screen_pic, line_Vsize, line_Hcent, line_TD, lineNear, lineFar, line_flr_proj,
        line_flr_ceiling, lineCeiling, lineHoriz_flr_proj, lineHoriz_flr_ceiling, lineFlr_HTD,
        line_back_proj, line_flr_screen, Line1, Line2, Line3;
    // The rulers' ticks, and the markers under the screen and the projector's positions.
    std::array<DrawLine, 25> Line4;
    DrawLabel lblVsize, lblHcent, lblflr_proj, lblflr_ceiling, lblflr_screen, txtHTDFar, hdimbox;
    // The rulers' numbers (across, then up) and the zoom range's ends.
    std::array<DrawLabel, 16> Label1;

    // The entries of Line4 and Label1 that are not ruler ticks or numbers.
    static constexpr std::size_t ScreenMarker = 3; // Line4: under the screen
    static constexpr std::size_t NearMarker = 20;  // Line4: the near (or only) position
    static constexpr std::size_t FarMarker = 24;   // Line4: a zoom lens's far position
    static constexpr std::size_t FirstUpTick = 8;  // Line4: the vertical ruler's six ticks
    static constexpr std::size_t UpNumbers = 7;    // Label1: the vertical ruler's first number
    static constexpr std::size_t MinLabel = 14;    // Label1: "Min."
    static constexpr std::size_t MaxLabel = 15;    // Label1: "Max."
    // The drawing holds its fixed captions in English, as files and the command line give
    // them; shownCaption translates them for the window and the printed sheet.
    static constexpr std::string_view MinCaption = LUMIDEX_TRANSLATE_NOOP("Drawing", "Min.");
    static constexpr std::string_view MaxCaption = LUMIDEX_TRANSLATE_NOOP("Drawing", "Max.");
    DrawLine &nearMarker() { return Line4[NearMarker]; }
    const DrawLine &nearMarker() const { return Line4[NearMarker]; }
    DrawLine &farMarker() { return Line4[FarMarker]; }
    const DrawLine &farMarker() const { return Line4[FarMarker]; }
    DrawLabel &minLabel() { return Label1[MinLabel]; }
    const DrawLabel &minLabel() const { return Label1[MinLabel]; }
    DrawLabel &maxLabel() { return Label1[MaxLabel]; }
    const DrawLabel &maxLabel() const { return Label1[MaxLabel]; }
    // The installation's notes that the Notes field does not show (it holds the installer's
    // own words), at the drawing's top left in their colours.
    std::array<DrawLabel, 4> lblNotice;
    DrawPicture nearPicture, farPicture, imgArrow, imgArrow_V;
    std::array<DrawPicture, 3> crtPictures;

    // The window's layout state, before any recalculation.
    static Drawing layout();
    bool operator==(const Drawing &) const = default;

    // Every element with its name, in painting order.
    void forEachLine(const std::function<void(std::string_view, const DrawLine &)> &f) const;
    void forEachLabel(const std::function<void(std::string_view, const DrawLabel &)> &f) const;
    void forEachPicture(const std::function<void(std::string_view, const DrawPicture &)> &f) const;
};

// The caption of the drawing's label `name` as the user reads it: the fixed captions
// translated, the values as they are.
std::string shownCaption(std::string_view name, const DrawLabel &label);

} // namespace lumidex
