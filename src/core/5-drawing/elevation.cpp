#include "5-drawing/elevation.h"

#include "1-state/numbertext.h"
#include "3-catalogue/throwformulas.h"
#include "5-drawing/drawingarea.h"
#include "5-drawing/drawingelements.h"
#include "5-drawing/labelplacer.h"
#include "5-drawing/pictures.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace lumidex {
namespace {

int twips(double y)
{
    return static_cast<int>(roundHalfEven(std::clamp(y, -1e9, 1e9)));
}

// Dotted extension lines stop this short of the picture and of the dimension line they lead to.
constexpr int ExtensionGap = 40;
// A value's box stands this far from the end of the line it gives.
constexpr int ValueGap = 30;

void centreOn(DrawLabel &label, const DrawLine &line)
{
    label.left = line.x1 - label.width / 2;
    label.top = (line.y1 + line.y2) / 2 - label.height / 2;
}

class ElevationWriter
{
public:
    explicit ElevationWriter(const ElevationInput &in)
        : m_in(in), m_picture(pictureOf(in.selection)), m_real(trueSize(m_picture, in.scale)),
          m_drawn(drawnSize(m_picture, in.scale))
    {}

    Drawing write()
    {
        drawScreen();
        if (m_in.selection.isCrt())
            drawCrtProjector();
        else
            drawDataProjector();
        placeArrow();
        drawRulers();
        drawOtherMountings();
        m_d.hdimbox.caption = m_in.distanceText;
        arrangeLabels();
        return m_d;
    }

private:
    int lensAxis() const { return twips(m_in.vertical.lensAxis); }
    int realTop() const { return twips(m_in.vertical.pictureTop); }
    int realBottom() const { return twips(m_in.vertical.pictureTop + m_real.height); }
    int drawnTop() const { return twips(m_in.vertical.drawnTop); }
    int drawnBottom() const { return drawnTop() + drawnHeight(); }
    int drawnWidth() const { return twips(m_drawn.width); }
    int drawnHeight() const { return twips(m_drawn.height); }

    DrawPicture picture(int entry, int right, bool ghost, bool visible) const
    {
        return {m_picture.family, entry,         right - drawnWidth(),   drawnTop(),
                drawnWidth(),     drawnHeight(), m_in.vertical.inverted, ghost,
                visible};
    }

    // On its line, never below the floor line, whatever the line's length. The value is the
    // true height from `top` (twips) down to the floor: a picture drawn larger than the
    // projector ends its line at the picture's edge, but the number stays the projector's.
    void placeHeightLabel(DrawLabel &label, const DrawLine &line, int top) const
    {
        label.caption = formatLength(double(Drawing::FloorY - top) / m_in.scale, m_in.units);
        label.width = paintedTextWidth(label.caption);
        centreOn(label, line);
        if (label.top + label.height > Drawing::FloorY)
            label.top = Drawing::FloorY - label.height;
    }

    void drawScreen()
    {
        Drawing &d = m_d;
        const int top = twips(m_in.vertical.screenTop);
        const int bottom = twips(m_in.vertical.screenBottom);
        d.screen_pic.y1 = d.line_Vsize.y1 = top;
        d.screen_pic.y2 = d.line_Vsize.y2 = bottom;
        d.lblVsize.caption = formatLength(m_in.screenHeight, m_in.units);

        m_screenCentreY = twips((top + bottom) / 2.0);
        d.line_Hcent.y1 = m_screenCentreY;
        d.line_Hcent.y2 = Drawing::FloorY;
        d.lblHcent.caption =
            formatLength(double(Drawing::FloorY - m_screenCentreY) / m_in.scale, m_in.units);
        d.lblHcent.width = paintedTextWidth(d.lblHcent.caption);
        centreOn(d.lblHcent, d.line_Hcent);
        d.lblVsize.width = paintedTextWidth(d.lblVsize.caption);
        centreOn(d.lblVsize, d.line_Vsize);

        // A screen raised with its projector: how high its lower edge hangs above the floor.
        const bool raised = bottom < Drawing::FloorY;
        d.line_flr_screen = {d.line_Vsize.x1, bottom,           d.line_Vsize.x1, Drawing::FloorY,
                             DrawColour::Red, LineStyle::Solid, raised};
        d.lblflr_screen.visible = raised;
        if (raised)
            placeHeightLabel(d.lblflr_screen, d.line_flr_screen, bottom);
    }

    // The throw line from the lens to the screen centre, and the near distance line with its
    // marker and value box.
    void drawNearDistance()
    {
        Drawing &d = m_d;
        d.line_TD = {m_in.nearX,
                     lensAxis(),
                     Drawing::ScreenPlaneX,
                     m_screenCentreY,
                     DrawColour::DarkGrey,
                     LineStyle::Solid,
                     true};
        d.lineNear.x1 = m_in.nearStartX;
        d.nearMarker().x1 = d.nearMarker().x2 = m_in.nearStartX;
        // Centred under the line at about its box's usual width; the labels' arrangement
        // settles it.
        constexpr int UsualHalfBox = 308;
        d.hdimbox.left =
            Drawing::ScreenPlaneX - (Drawing::ScreenPlaneX - m_in.nearStartX) / 2 - UsualHalfBox;
    }

    void drawCrtProjector()
    {
        Drawing &d = m_d;
        const int mount = static_cast<int>(m_in.mount);
        const int x = m_in.nearX;
        const int entry = std::clamp(mount, 0, 2);
        d.nearPicture = picture(entry, x, false, true);
        d.farPicture.visible = false;

        // The height lines stand just left of the picture and end at its edges: to the
        // projector's top (the ceiling side) and to its underside.
        constexpr int UndersideLineGap = 190;
        constexpr int TopLineGap = 590;
        const int left = x - drawnWidth();
        d.line_flr_proj = {left - UndersideLineGap,
                           drawnBottom(),
                           left - UndersideLineGap,
                           Drawing::FloorY,
                           DrawColour::Grey,
                           LineStyle::Solid,
                           true};
        d.line_flr_ceiling = {
            left - TopLineGap, drawnTop(), left - TopLineGap, Drawing::FloorY, DrawColour::Grey,
            LineStyle::Solid,  true};
        placeHeightLabel(d.lblflr_proj, d.line_flr_proj, realBottom());
        placeHeightLabel(d.lblflr_ceiling, d.line_flr_ceiling, realTop());
        // Dotted lines carry the underside and the top across to their height lines: from
        // just before each line to under the picture, and to just short of its left edge.
        constexpr int ExtensionBefore = 35;
        constexpr int UndersideExtension = UndersideLineGap + 225;
        constexpr int TopExtension = TopLineGap - 25;
        d.lineHoriz_flr_proj = {d.line_flr_proj.x1 - ExtensionBefore,
                                d.line_flr_proj.y1,
                                d.line_flr_proj.x1 + UndersideExtension,
                                d.line_flr_proj.y1,
                                DrawColour::Grey,
                                LineStyle::Dot,
                                true};
        d.lineHoriz_flr_ceiling = {d.line_flr_ceiling.x1 - ExtensionBefore,
                                   drawnTop(),
                                   d.line_flr_ceiling.x1 + TopExtension,
                                   drawnTop(),
                                   DrawColour::Grey,
                                   LineStyle::Dot,
                                   true};

        drawNearDistance();
        // Down from the projector's underside to just above its marker.
        constexpr int MarkerGap = 30;
        d.lineFlr_HTD = {x,
                         d.lineHoriz_flr_proj.y1,
                         x,
                         d.nearMarker().y1 - MarkerGap,
                         DrawColour::Grey,
                         LineStyle::Dot,
                         true};
        d.line_back_proj.visible = false;
        d.lineCeiling = {
            0, drawnTop(), Drawing::RulerX, drawnTop(), DrawColour::Grey, LineStyle::Dash, true};

        // Which heights the mounting position calls for. The screen's centre height is always
        // given: a screen raised off the floor is hung by it.
        const bool ceiling = mount == 0;
        const bool floor = mount == 2;
        d.line_flr_proj.visible = d.lblflr_proj.visible = d.lineHoriz_flr_proj.visible = !floor;
        d.lineFlr_HTD.visible = !floor;
        d.lineCeiling.visible = ceiling && realTop() <= d.screen_pic.y1;
        d.lineFar.visible = false;
        d.farMarker().visible = false;
        d.minLabel().visible = d.maxLabel().visible = false;
        d.txtHTDFar.visible = false;
    }

    // The CR-75xx's other mountings at the same distance, as lighter pictures, where they
    // have room: clear of the projector drawn and of every line but the throw line.
    void drawOtherMountings()
    {
        Drawing &d = m_d;
        for (std::size_t p = 0; p < m_in.otherMountings.size(); ++p) {
            const std::optional<VerticalPlacement> &v = m_in.otherMountings[p];
            if (!v)
                continue;
            DrawPicture &ghost = d.crtPictures[p];
            ghost = picture(static_cast<int>(p), m_in.nearX, true, true);
            ghost.top = twips(v->drawnTop);
            ghost.inverted = v->inverted;
            const LabelPlacer::Box box{ghost.left, ghost.top, ghost.left + ghost.width,
                                       ghost.top + ghost.height};
            const DrawPicture &shown = d.nearPicture;
            const LabelPlacer::Box shownBox{shown.left, shown.top, shown.left + shown.width,
                                            shown.top + shown.height};
            bool clear = !box.meets(shownBox) && box.top >= ShownDrawingArea.top &&
                         box.bottom <= Drawing::FloorY;
            d.forEachLine([&](std::string_view, const DrawLine &l) {
                if (clear && l.visible && &l != &d.line_TD && crossesBox(l, box))
                    clear = false;
            });
            ghost.visible = clear;
        }
    }

    void drawDataProjector()
    {
        Drawing &d = m_d;
        const Selection &s = m_in.selection;
        const bool zoom = m_in.zoom;
        const int mount = static_cast<int>(m_in.mount);

        // Pictures: the near (or only) position, and a ghost at the farthest position.
        int nearEntry = 0;
        switch (modelEntry(s.model).nearPicture) {
        case NearPicture::First:
            break;
        case NearPicture::SecondAtCentre:
            nearEntry = mount == 1 ? 1 : 0;
            break;
        case NearPicture::SecondBelowCeiling:
            nearEntry = mount == 0 ? 0 : 1;
            break;
        case NearPicture::SecondFixedBelowCeiling:
            nearEntry = (!zoom && mount != 0) ? 1 : 0;
            break;
        case NearPicture::SecondForLens2:
            nearEntry = s.lens == 2 ? 1 : 0;
            break;
        }
        d.nearPicture = picture(nearEntry, m_in.nearX, false, true);
        d.farPicture = picture(m_in.fromHole ? 3 : 2, m_in.farX, true, zoom);

        drawNearDistance();

        // The height dimension stands beside the projector, on the side with room, clear of
        // the far position's picture, and runs from the floor to the projector's top.
        const int nearX = m_in.nearX;
        constexpr int Beside = 700;          // from the picture's edge to its height line
        constexpr int ScreenClearance = 250; // kept free before the screen on the right
        constexpr int FarPictureMargin = 60; // a line this near the far picture meets it
        const int nearLeft = nearX - drawnWidth();
        const bool leftSide = nearX + Beside > d.screen_pic.x1 - ScreenClearance;
        int side = nearX + Beside;
        if (leftSide) {
            side = nearLeft - Beside;
            if (zoom && side > d.farPicture.left - FarPictureMargin &&
                side < m_in.farX + FarPictureMargin)
                side = d.farPicture.left - Beside;
        }
        d.line_flr_proj = {
            side, drawnTop(), side, Drawing::FloorY, DrawColour::Grey, LineStyle::Solid, true};
        placeHeightLabel(d.lblflr_proj, d.line_flr_proj, realTop());
        d.lineFlr_HTD = {std::min(side, nearLeft),
                         drawnTop(),
                         std::max(side, nearX),
                         drawnTop(),
                         DrawColour::Grey,
                         LineStyle::Dot,
                         true};
        d.lineHoriz_flr_proj.visible = false;

        // Hung from the ceiling: the ceiling line at the projector's top, and how high it is,
        // beside the projector's own height on the side away from the projector.
        const bool hung = m_in.vertical.inverted;
        d.lineCeiling = {0,          drawnTop(),       Drawing::ScreenPlaneX,
                         drawnTop(), DrawColour::Grey, LineStyle::Dash,
                         hung};
        // Its own height line, a step further from the projector.
        constexpr int CeilingLineStep = 350;
        const int ceilingX = leftSide ? side + CeilingLineStep : side - CeilingLineStep;
        d.line_flr_ceiling = {ceilingX,         drawnTop(),       ceilingX, Drawing::FloorY,
                              DrawColour::Grey, LineStyle::Solid, hung};
        d.lblflr_ceiling.visible = hung;
        if (hung)
            placeHeightLabel(d.lblflr_ceiling, d.line_flr_ceiling, realTop());

        // Extension line from the near picture down to its dimension line.
        const int pictureBottom = drawnBottom();
        d.lineHoriz_flr_ceiling = {m_in.nearStartX,
                                   pictureBottom + ExtensionGap,
                                   m_in.nearStartX,
                                   d.lineNear.y1 - ExtensionGap,
                                   DrawColour::Grey,
                                   LineStyle::Dot,
                                   true};

        // The farthest position of a zoom lens.
        const int farStart = m_in.farStartX;
        d.lineFar.visible = zoom;
        d.lineFar.x1 = farStart;
        d.farMarker() = {farStart,          Drawing::MarkerTop, farStart, Drawing::MarkerBottom,
                         DrawColour::Black, LineStyle::Solid,   zoom};
        d.minLabel().visible = d.maxLabel().visible = zoom;
        d.txtHTDFar.caption = zoom ? m_in.farText : std::string{};
        d.txtHTDFar.visible = zoom;
        d.line_back_proj = {farStart,          pictureBottom + ExtensionGap,
                            farStart,          d.lineFar.y1 - ExtensionGap,
                            DrawColour::Grey,  LineStyle::Dot,
                            zoom && mount == 0};
    }

    // Every value takes the first of its places where it hides nothing it is not about: no
    // other value, no picture, no line but its own, and nothing outside the drawing. The
    // rulers' numbers and the pictures stand where they are; the distance boxes and the
    // range tags take the strip under the floor line, the heights their dimension lines.
    void arrangeLabels()
    {
        Drawing &d = m_d;
        LabelPlacer placer(d);

        // Below the near distance line, and between the floor line and the far one.
        constexpr int LowTop = 4935;
        constexpr int LowHeight = 215;
        constexpr int HighTop = 4690;
        constexpr int HighHeight = 160;
        constexpr int StripStep = 60;
        constexpr int PastScreen = 60; // the distance box's last place, right of the screen
        // Failing its own places, a value moves along the strip, left then right, until it
        // is free.
        const auto under = [&](DrawLabel &label, std::initializer_list<std::pair<int, int>> spots,
                               int height, const DrawLine *own) {
            if (!label.visible)
                return;
            std::vector<LabelSpot> candidates;
            for (const auto &[left, top] : spots)
                candidates.push_back({left, top, top == HighTop ? HighHeight : height});
            for (int left = spots.begin()->first - StripStep; left > ShownDrawingArea.left;
                 left -= StripStep) {
                candidates.push_back({left, LowTop, height});
                candidates.push_back({left, HighTop, HighHeight});
            }
            for (int left = spots.begin()->first + StripStep; left < Drawing::ScreenPlaneX;
                 left += StripStep) {
                candidates.push_back({left, LowTop, height});
                candidates.push_back({left, HighTop, HighHeight});
            }
            placer.place(label, candidates, own);
        };

        const int nearStart = d.lineNear.x1;
        const int screen = Drawing::ScreenPlaneX;
        d.hdimbox.width = std::max(Drawing::MinValueBoxWidth, paintedTextWidth(d.hdimbox.caption));
        const int w = d.hdimbox.width;
        under(d.hdimbox,
              {{screen - (screen - nearStart) / 2 - w / 2, LowTop},
               {screen - ValueGap - w, LowTop},
               {nearStart + ValueGap, LowTop},
               {screen + PastScreen, LowTop}},
              LowHeight, &d.lineNear);
        if (d.txtHTDFar.visible) {
            const int farStart = d.lineFar.x1;
            d.txtHTDFar.width =
                std::max(Drawing::MinValueBoxWidth, paintedTextWidth(d.txtHTDFar.caption));
            const int fw = d.txtHTDFar.width;
            const int between = farStart + (nearStart - farStart) / 2 - fw / 2;
            under(d.txtHTDFar,
                  {{between, LowTop},
                   {farStart - ValueGap - fw, LowTop},
                   {between, HighTop},
                   {farStart - ValueGap - fw, HighTop},
                   {farStart + ValueGap, HighTop}},
                  LowHeight, &d.lineFar);
            DrawLabel &min = d.minLabel();
            DrawLabel &max = d.maxLabel();
            min.width = paintedTextWidth(min.caption);
            max.width = paintedTextWidth(max.caption);
            const int tag = min.width;
            const int maxTag = max.width;
            under(min,
                  {{nearStart - ValueGap - tag, LowTop},
                   {nearStart + ValueGap, LowTop},
                   {nearStart + ValueGap, HighTop},
                   {nearStart - ValueGap - tag, HighTop}},
                  LabelHeight, nullptr);
            under(max,
                  {{farStart - ValueGap - maxTag, LowTop},
                   {farStart + ValueGap, LowTop},
                   {farStart - ValueGap - maxTag, HighTop},
                   {farStart + ValueGap, HighTop}},
                  LabelHeight, nullptr);
        }

        // The heights: on their lines where they are free, else moved along them or beside.
        placer.placeOnVertical(d.lblVsize, d.line_Vsize);
        placer.placeOnVertical(d.lblHcent, d.line_Hcent);
        placer.placeOnVertical(d.lblflr_screen, d.line_flr_screen);
        placer.placeOnVertical(d.lblflr_proj, d.line_flr_proj);
        placer.placeOnVertical(d.lblflr_ceiling, d.line_flr_ceiling);
    }

    // The arrow head at the screen end of the distance line.
    void placeArrow()
    {
        m_d.imgArrow = {ArrowPicture.family,
                        0,
                        Drawing::ScreenPlaneX - ArrowPicture.width,
                        m_d.lineNear.y1 - ArrowPicture.height / 2,
                        ArrowPicture.width,
                        ArrowPicture.height,
                        false,
                        false,
                        true};
    }

    void drawRulers()
    {
        // The ticks never move; their numbers follow the scale and the units. Each number is
        // its tick's value: whole where the step between ticks is whole, else to a tenth, so
        // that neighbouring numbers always step alike.
        const double across = double{Drawing::AcrossNumberStep} / m_in.scale;
        const double up = double{Drawing::UpNumberStep} / m_in.scale;
        const double perInch = m_in.units == Unit::Feet          ? 1.0 / 12
                               : m_in.units == Unit::Millimetres ? 25.4
                                                                 : 1.0;
        const auto whole = [&](double stepInches) {
            const double step = stepInches * perInch;
            return m_in.units == Unit::Millimetres || std::abs(step - std::round(step)) < 1e-9;
        };
        const char *acrossFormat = whole(across) ? "0" : "0.0";
        const char *upFormat = whole(up) ? "0" : "0.0";
        // Each ruler's first number is its 0.
        constexpr int Up = static_cast<int>(Drawing::UpNumbers);
        for (int k = 1; k < static_cast<int>(Drawing::MinLabel); ++k) {
            if (k == Up)
                continue;
            const double value = (k < Up ? k * across : (k - Up) * up) * perInch;
            DrawLabel &label = m_d.Label1[static_cast<std::size_t>(k)];
            label.caption = formatNumber(value, k < Up ? acrossFormat : upFormat);
            if (k > Up)
                label.width = std::max(label.width, paintedTextWidth(label.caption));
        }
    }

    const ElevationInput &m_in;
    const PictureGeometry &m_picture;
    const PictureBox m_real;
    const PictureBox m_drawn;
    Drawing m_d = Drawing::layout();
    int m_screenCentreY = 0;
};

} // namespace

Drawing drawElevation(const ElevationInput &in)
{
    return ElevationWriter(in).write();
}

} // namespace lumidex
