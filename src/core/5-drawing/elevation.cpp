#include "5-drawing/elevation.h"

#include "1-state/numbertext.h"
#include "3-catalogue/throwformulas.h"
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
        m_d.hdimbox.caption = m_in.distanceText;
        arrangeUnderFloor();
        return m_d;
    }

private:
    int lensAxis() const { return twips(m_in.vertical.lensAxis); }
    int realTop() const { return twips(m_in.vertical.pictureTop); }
    int realBottom() const { return twips(m_in.vertical.pictureTop + m_real.height); }
    int drawnTop() const { return twips(m_in.vertical.drawnTop); }
    int drawnWidth() const { return twips(m_drawn.width); }
    int drawnHeight() const { return twips(m_drawn.height); }

    DrawPicture picture(int entry, int right, bool ghost, bool visible) const
    {
        return {m_picture.family, entry,         right - drawnWidth(),   drawnTop(),
                drawnWidth(),     drawnHeight(), m_in.vertical.inverted, ghost,
                visible};
    }

    // Beside its line, never below the floor line, whatever the line's length. The value is
    // the line's own length at the drawing's scale.
    void placeHeightLabel(DrawLabel &label, const DrawLine &line) const
    {
        centreOn(label, line);
        if (label.top + label.height > Drawing::FloorY)
            label.top = Drawing::FloorY - label.height;
        label.caption = formatLength(double(line.y2 - line.y1) / m_in.scale, m_in.units);
    }

    void drawScreen()
    {
        Drawing &d = m_d;
        const int top = twips(m_in.vertical.screenTop);
        const int bottom = twips(m_in.vertical.screenBottom);
        d.screen_pic.y1 = d.line_Vsize.y1 = top;
        d.screen_pic.y2 = d.line_Vsize.y2 = bottom;
        centreOn(d.lblVsize, d.line_Vsize);
        d.lblVsize.caption = formatLength(m_in.screenHeight, m_in.units);

        m_screenCentreY = twips((top + bottom) / 2.0);
        d.line_Hcent.y1 = m_screenCentreY;
        d.line_Hcent.y2 = Drawing::FloorY;
        d.lblHcent.caption =
            formatLength(double(Drawing::FloorY - m_screenCentreY) / m_in.scale, m_in.units);
        centreOn(d.lblHcent, d.line_Hcent);
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
                     LineStyle::DashDot,
                     true};
        d.lineNear.x1 = m_in.nearStartX;
        d.Line4[20].x1 = d.Line4[20].x2 = m_in.nearStartX;
        d.hdimbox.left =
            Drawing::ScreenPlaneX - (Drawing::ScreenPlaneX - m_in.nearStartX) / 2 - 308;
    }

    void drawCrtProjector()
    {
        Drawing &d = m_d;
        const int mount = static_cast<int>(m_in.mount);
        const int x = m_in.nearX;
        const int entry = m_in.selection.series == Series::CR7500 ? 0 : std::clamp(mount, 0, 2);
        d.nearPicture = picture(entry, x, false, true);
        d.farPicture.visible = false;

        // The height lines stand just left of the picture: to the projector's top (the ceiling
        // side) and to its underside.
        const int left = x - drawnWidth();
        d.line_flr_proj = {left - 190,       realBottom(),   left - 190, Drawing::FloorY,
                           DrawColour::Grey, LineStyle::Dot, true};
        d.line_flr_ceiling = {left - 590,       realTop(),      left - 590, Drawing::FloorY,
                              DrawColour::Grey, LineStyle::Dot, true};
        placeHeightLabel(d.lblflr_proj, d.line_flr_proj);
        placeHeightLabel(d.lblflr_ceiling, d.line_flr_ceiling);
        d.lineHoriz_flr_proj = {d.line_flr_proj.x1 - 35,
                                d.line_flr_proj.y1,
                                d.line_flr_proj.x1 + 415,
                                d.line_flr_proj.y1,
                                DrawColour::Grey,
                                LineStyle::Dot,
                                true};
        d.lineHoriz_flr_ceiling = {d.line_flr_ceiling.x1 - 35,
                                   realTop(),
                                   d.line_flr_ceiling.x1 + 565,
                                   realTop(),
                                   DrawColour::Grey,
                                   LineStyle::Dot,
                                   true};

        drawNearDistance();
        d.lineFlr_HTD = {
            x,   d.lineHoriz_flr_proj.y1, x, d.Line4[20].y1 - 30, DrawColour::Grey, LineStyle::Dot,
            true};
        d.line_back_proj.visible = false;
        d.lineCeiling = {0, realTop(), 9000, realTop(), DrawColour::Grey, LineStyle::Dash, true};

        // Which heights the mounting position calls for.
        const bool ceiling = mount == 0;
        const bool floor = mount == 2;
        d.line_flr_proj.visible = d.lblflr_proj.visible = d.lineHoriz_flr_proj.visible = !floor;
        d.lineFlr_HTD.visible = !floor;
        d.lineCeiling.visible = ceiling;
        if (realTop() > d.screen_pic.y1) {
            d.lineCeiling.visible = false;
            d.line_Hcent.visible = false;
            d.lblHcent.visible = false;
        }
        d.lineFar.visible = false;
        d.Line4[24].visible = false;
        d.Label1[14].visible = d.Label1[15].visible = false;
        d.txtHTDFar.visible = false;
    }

    void drawDataProjector()
    {
        Drawing &d = m_d;
        const Selection &s = m_in.selection;
        const bool zoom = m_in.zoom;
        const int mount = static_cast<int>(m_in.mount);

        // Pictures: the near (or only) position, and a ghost at the farthest position.
        int nearEntry = 0;
        const std::string_view family = m_picture.family;
        if (family == "imgLX460" || family == "imgLX510" || family == "imgLX550")
            nearEntry = mount == 1 ? 1 : 0;
        else if (family == "imgLX540")
            nearEntry = mount == 0 ? 0 : 1;
        else if (family == "Image2")
            nearEntry = (!zoom && mount != 0) ? 1 : 0;
        else if (family == "imgLX450")
            nearEntry = s.lens == 2 ? 1 : 0;
        d.nearPicture = picture(nearEntry, m_in.nearX, false, true);
        d.farPicture = picture(m_in.fromHole ? 3 : 2, m_in.farX, true, zoom);

        drawNearDistance();

        // The height dimension stands beside the projector, on the side with room, and runs
        // from the floor to the projector's top.
        const int nearX = m_in.nearX;
        const int side =
            nearX + 700 > d.screen_pic.x1 - 250 ? nearX - drawnWidth() - 700 : nearX + 700;
        d.line_flr_proj = {side,           realTop(), side, Drawing::FloorY, DrawColour::Grey,
                           LineStyle::Dot, true};
        placeHeightLabel(d.lblflr_proj, d.line_flr_proj);
        d.lineFlr_HTD = {std::min(side, nearX - drawnWidth()),
                         realTop(),
                         std::max(side, nearX),
                         realTop(),
                         DrawColour::Grey,
                         LineStyle::Dot,
                         true};
        d.lineHoriz_flr_proj.visible = false;
        d.line_flr_ceiling.visible = false;
        d.lblflr_ceiling.visible = false;
        d.lineCeiling = {0,
                         realTop(),
                         Drawing::ScreenPlaneX,
                         realTop(),
                         DrawColour::Grey,
                         LineStyle::Dash,
                         m_in.vertical.inverted};

        // Extension line from the near picture down to its dimension line.
        const int pictureBottom = drawnTop() + drawnHeight();
        d.lineHoriz_flr_ceiling = {m_in.nearStartX,
                                   pictureBottom + 40,
                                   m_in.nearStartX,
                                   d.lineNear.y1 - 40,
                                   DrawColour::Grey,
                                   LineStyle::Dot,
                                   true};

        // The farthest position of a zoom lens.
        const int farStart = m_in.farStartX;
        d.lineFar.visible = zoom;
        d.lineFar.x1 = farStart;
        d.Line4[24] = {farStart, 4800, farStart, 5130, DrawColour::Black, LineStyle::Solid, zoom};
        d.Label1[14].visible = d.Label1[15].visible = zoom;
        d.txtHTDFar.caption = zoom ? m_in.farText : std::string{};
        d.txtHTDFar.visible = zoom;
        d.line_back_proj = {farStart,          pictureBottom + 40, farStart,
                            d.lineFar.y1 - 40, DrawColour::Grey,   LineStyle::Dot,
                            zoom && mount == 0};
    }

    // The distance boxes and the "Min."/"Max." tags share the strip between the floor line and
    // the ruler with the distance lines, their markers and the pictures' extension lines. Each
    // takes the first of its places where it hides nothing it is not about.
    void arrangeUnderFloor()
    {
        struct Box
        {
            int left, top, right, bottom;
            bool meets(const Box &o) const
            {
                return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
            }
        };
        std::vector<Box> taken;
        const auto lineBox = [](const DrawLine &l, int margin) {
            return Box{std::min(l.x1, l.x2) - margin, std::min(l.y1, l.y2) - margin,
                       std::max(l.x1, l.x2) + margin, std::max(l.y1, l.y2) + margin};
        };
        Drawing &d = m_d;
        for (const DrawLine *l :
             {&d.lineNear, &d.lineFar, &d.Line4[3], &d.Line4[20], &d.Line4[24],
              &d.lineHoriz_flr_ceiling, &d.line_back_proj, &d.lineFlr_HTD, &d.Line3, &d.Line2}) {
            if (l->visible)
                taken.push_back(lineBox(*l, 6));
        }
        for (const DrawPicture *p : {&d.nearPicture, &d.farPicture}) {
            if (p->visible)
                taken.push_back({p->left, p->top, p->left + p->width, p->top + p->height});
        }

        // Below the near distance line, and between the floor line and the far one.
        constexpr int LowTop = 4935;
        constexpr int LowHeight = 215;
        constexpr int HighTop = 4690;
        constexpr int HighHeight = 160;
        const auto widthOf = [](const std::string &caption) {
            return static_cast<int>(caption.size()) * 95 + 60;
        };
        const auto place = [&](DrawLabel &label, std::initializer_list<std::pair<int, int>> spots,
                               int height) {
            if (!label.visible)
                return;
            label.width = std::max(label.field ? 400 : 0, widthOf(label.caption));
            const auto heightAt = [&](int top) { return top == HighTop ? HighHeight : height; };
            for (const auto &[left, top] : spots) {
                const Box box{left, top, left + label.width, top + heightAt(top)};
                if (std::none_of(taken.begin(), taken.end(),
                                 [&](const Box &t) { return box.meets(t); })) {
                    label.left = left;
                    label.top = top;
                    label.height = heightAt(top);
                    taken.push_back(box);
                    return;
                }
            }
            const auto &[left, top] = *spots.begin(); // nowhere free: where it belongs
            label.left = left;
            label.top = top;
            label.height = heightAt(top);
        };

        const int nearStart = d.lineNear.x1;
        const int screen = Drawing::ScreenPlaneX;
        const int w = std::max(400, widthOf(d.hdimbox.caption));
        place(d.hdimbox,
              {{screen - (screen - nearStart) / 2 - w / 2, LowTop},
               {screen - 30 - w, LowTop},
               {nearStart + 30, LowTop},
               {screen + 60, LowTop}},
              LowHeight);
        if (!d.txtHTDFar.visible)
            return;
        const int farStart = d.lineFar.x1;
        const int fw = std::max(400, widthOf(d.txtHTDFar.caption));
        const int between = farStart + (nearStart - farStart) / 2 - fw / 2;
        place(d.txtHTDFar,
              {{between, LowTop},
               {farStart - 30 - fw, LowTop},
               {between, HighTop},
               {farStart - 30 - fw, HighTop}},
              LowHeight);
        DrawLabel &min = d.Label1[14];
        DrawLabel &max = d.Label1[15];
        const int tag = widthOf(min.caption);
        place(min,
              {{nearStart - 30 - tag, LowTop},
               {nearStart + 30, LowTop},
               {nearStart + 30, HighTop},
               {nearStart - 30 - tag, HighTop}},
              LabelHeight);
        place(max,
              {{farStart - 30 - tag, LowTop},
               {farStart + 30, LowTop},
               {farStart - 30 - tag, HighTop},
               {farStart + 30, HighTop}},
              LabelHeight);
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
        // The ticks never move; their numbers follow the scale and the units.
        const double across = 60.0 * 20 / m_in.scale;
        const double up = 30.0 * 20 / m_in.scale;
        for (int k = 1; k <= 13; ++k) {
            if (k == 7)
                continue;
            const double inches = k < 7 ? k * across : (k - 7) * up;
            std::string caption;
            switch (m_in.units) {
            case Unit::Inches:
                caption = formatNumber(inches, "0");
                break;
            case Unit::Feet:
                caption = formatNumber(inches / 12, "0");
                break;
            case Unit::Millimetres:
                caption = std::to_string(static_cast<long long>(inches * 25.4));
                break;
            }
            m_d.Label1[static_cast<std::size_t>(k)].caption = caption;
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
