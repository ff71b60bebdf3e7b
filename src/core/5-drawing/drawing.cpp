#include "5-drawing/drawing.h"

#include "1-state/translation.h"

#include <cstdlib>

namespace lumidex {

int DrawLine::length() const
{
    return std::max(std::abs(x2 - x1), std::abs(y2 - y1));
}

Drawing Drawing::layout()
{
    using C = DrawColour;
    using S = LineStyle;
    Drawing d;
    d.screen_pic = {8295, 3375, 8295, 4575, C::DarkGrey, S::Solid, true, true};
    d.line_Vsize = {8745, 3210, 8745, 4530, C::Red};
    d.lblVsize = {"", 8560, 3720, LabelWidth, LabelHeight, C::Red};
    d.line_Hcent = {8520, 3960, 8520, 4680, C::Red};
    // A screen raised off the floor: from its lower edge down to the floor line.
    d.line_flr_screen = {8745, 4680, 8745, 4680, C::Red, S::Solid, false};
    d.lblflr_screen = {"", 8560, 4485, LabelWidth, LabelHeight, C::Red, false};
    d.lblHcent = {"", 8340, 4200, LabelWidth, LabelHeight, C::Red};
    d.line_TD = {6060, 4590, 8280, 3960, C::DarkGrey};
    d.lineNear = {5760, 4920, 8280, 4920, C::Red};
    d.lineFar = {3720, 4860, 8280, 4860, C::Red, S::Solid, false};
    d.txtHTDFar = {"", 4560, 4740, 615, 285, C::Black, false, true};
    d.hdimbox = {"", 6420, 4980, 615, 285, C::Black, true, true};
    d.line_flr_proj = {3750, 3390, 3750, 4680, C::Grey};
    d.lblflr_proj = {"", 3600, 3840, LabelWidth, LabelHeight, C::Grey};
    d.line_flr_ceiling = {3240, 3360, 3240, 4680, C::Grey};
    d.lblflr_ceiling = {"", 3000, 4080, LabelWidth, LabelHeight, C::Grey};
    d.lineCeiling = {0, 3000, 9000, 3000, C::Grey, S::Dash};
    d.lineHoriz_flr_proj = {480, 3720, 480, 4500, C::Grey, S::Dot};
    d.lineHoriz_flr_ceiling = {3960, 3720, 3960, 4380, C::Grey, S::Dot, false};
    d.lineFlr_HTD = {2760, 3765, 3600, 3765, C::Grey, S::Dot};
    d.line_back_proj = {3240, 1680, 3240, 2460, C::Grey, S::Dot, false};
    d.Line2 = {8985, 4680, 0, 4680, C::Black};
    d.Line3 = {0, 5160, 8370, 5160};
    d.Line1 = {9000, 4800, 9000, 990};

    // Horizontal ruler: ticks every 600 twips from 480 to 8280 (items 0-2, 4-19, 21-22 and
    // the markers 3, 20 and 24 under the screen, the near and the far position).
    int tick = 0;
    for (int x = 480; x <= 8280; x += 600) {
        while (tick == 3 || tick == 20 || (tick >= 8 && tick <= 13))
            ++tick;
        if (tick > 22)
            break;
        d.Line4[static_cast<std::size_t>(tick++)] = {x, 5160, x, 5280};
    }
    // Ruler slots left over draw nothing.
    for (; tick <= 22; ++tick) {
        if (tick != 3 && tick != 20 && (tick < 8 || tick > 13))
            d.Line4[static_cast<std::size_t>(tick)].visible = false;
    }
    constexpr int Top = Drawing::MarkerTop;
    constexpr int Bottom = Drawing::MarkerBottom;
    d.Line4[Drawing::ScreenMarker] = {Drawing::ScreenPlaneX, Top, Drawing::ScreenPlaneX, Bottom};
    d.nearMarker() = {5760, Top, 5760, Bottom};
    d.farMarker() = {3720, Top, 3720, Bottom, C::Black, S::Solid, false};
    d.Line4[23].visible = false;
    // Vertical ruler ticks.
    const std::array<int, 6> ys{4080, 3480, 2880, 2280, 1680, 1080};
    for (std::size_t i = 0; i < ys.size(); ++i)
        d.Line4[Drawing::FirstUpTick + i] = {9000, ys[i], 9050, ys[i]};

    const std::array<const char *, 7> across{"0", "60", "120", "180", "240", "300", "360"};
    for (std::size_t k = 0; k < 7; ++k) {
        DrawLabel &l = d.Label1[k];
        l.caption = across[k];
        l.width = 400;
        l.left =
            Drawing::ScreenPlaneX - static_cast<int>(k) * Drawing::AcrossNumberStep - l.width / 2;
        l.top = 5300;
    }
    const std::array<const char *, 7> up{"0", "30", "60", "90", "120", "150", "180"};
    for (std::size_t k = 0; k < 7; ++k) {
        DrawLabel &l = d.Label1[Drawing::UpNumbers + k];
        l.caption = up[k];
        l.width = 400;
        l.left = 9080;
        l.top = Drawing::FloorY - static_cast<int>(k) * Drawing::UpNumberStep - LabelHeight / 2;
    }
    d.minLabel() = {std::string(MinCaption), 5800, 4920, 400, LabelHeight, C::Black, false};
    d.maxLabel() = {std::string(MaxCaption), 3760, 4920, 400, LabelHeight, C::Black, false};
    DrawLabel hidden;
    hidden.visible = false;
    d.lblNotice.fill(hidden);
    return d;
}

void Drawing::forEachLine(const std::function<void(std::string_view, const DrawLine &)> &f) const
{
    f("Line1", Line1);
    f("Line2", Line2);
    f("Line3", Line3);
    static constexpr std::array<std::string_view, 25> tickNames{
        "Line4(0)",  "Line4(1)",  "Line4(2)",  "Line4(3)",  "Line4(4)",  "Line4(5)",  "Line4(6)",
        "Line4(7)",  "Line4(8)",  "Line4(9)",  "Line4(10)", "Line4(11)", "Line4(12)", "Line4(13)",
        "Line4(14)", "Line4(15)", "Line4(16)", "Line4(17)", "Line4(18)", "Line4(19)", "Line4(20)",
        "Line4(21)", "Line4(22)", "Line4(23)", "Line4(24)"};
    for (std::size_t i = 0; i < Line4.size(); ++i)
        f(tickNames[i], Line4[i]);
    f("lineHoriz_flr_proj", lineHoriz_flr_proj);
    f("lineFlr_HTD", lineFlr_HTD);
    f("lineHoriz_flr_ceiling", lineHoriz_flr_ceiling);
    f("line_back_proj", line_back_proj);
    f("lineCeiling", lineCeiling);
    f("line_TD", line_TD);
    f("lineFar", lineFar);
    f("line_flr_proj", line_flr_proj);
    f("line_flr_ceiling", line_flr_ceiling);
    f("lineNear", lineNear);
    f("screen_pic", screen_pic);
    f("line_Vsize", line_Vsize);
    f("line_Hcent", line_Hcent);
    f("line_flr_screen", line_flr_screen);
}

void Drawing::forEachLabel(const std::function<void(std::string_view, const DrawLabel &)> &f) const
{
    static constexpr std::array<std::string_view, 16> names{
        "Label1(0)",  "Label1(1)",  "Label1(2)",  "Label1(3)", "Label1(4)",  "Label1(5)",
        "Label1(6)",  "Label1(7)",  "Label1(8)",  "Label1(9)", "Label1(10)", "Label1(11)",
        "Label1(12)", "Label1(13)", "Label1(14)", "Label1(15)"};
    for (std::size_t i = 0; i < Label1.size(); ++i)
        f(names[i], Label1[i]);
    f("txtHTDFar", txtHTDFar);
    f("lblflr_proj", lblflr_proj);
    f("lblflr_ceiling", lblflr_ceiling);
    f("hdimbox", hdimbox);
    f("lblVsize", lblVsize);
    f("lblHcent", lblHcent);
    f("lblflr_screen", lblflr_screen);
    static constexpr std::array<std::string_view, 4> notices{"lblNotice(0)", "lblNotice(1)",
                                                             "lblNotice(2)", "lblNotice(3)"};
    for (std::size_t i = 0; i < lblNotice.size(); ++i)
        f(notices[i], lblNotice[i]);
}

void Drawing::forEachPicture(
    const std::function<void(std::string_view, const DrawPicture &)> &f) const
{
    for (const DrawPicture &p : crtPictures)
        f(p.family, p);
    f("imgArrow", imgArrow);
    f("imgArrow_V", imgArrow_V);
    f(farPicture.family, farPicture);
    f(nearPicture.family, nearPicture);
}

std::string shownCaption(std::string_view name, const DrawLabel &label)
{
    if (name == "Label1(14)" || name == "Label1(15)")
        return translate("Drawing", label.caption);
    return label.caption;
}

} // namespace lumidex
