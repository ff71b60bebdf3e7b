#include "6-installation/roomwindow.h"

#include "1-state/keys.h"
#include "1-state/numbertext.h"
#include "1-state/translation.h"
#include "1-state/units.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace lumidex {
namespace {

constexpr std::string_view Missing = "\u2014"; // an em dash: nothing to show

std::string unitSymbol(Unit unit)
{
    switch (unit) {
    case Unit::Feet:
        return translate("RoomWindow", "ft");
    case Unit::Millimetres:
        return translate("RoomWindow", "mm");
    case Unit::Inches:
        break;
    }
    return translate("RoomWindow", "in");
}

// Distances to the nearest tenth of an inch or foot, or the whole millimetre: seat rows are
// marked out with a tape.
std::string numberText(double inches, Unit unit)
{
    // Feet and millimetres as every dimension shows them; inches one place finer.
    return unit == Unit::Inches ? formatNumber(inches, "0.0") : formatDimension(inches, unit);
}

std::string lengthText(double inches, Unit unit)
{
    return numberText(inches, unit) + " " + unitSymbol(unit);
}

// A seat typed in one unit, written again in another: as many decimals as it needs, up to a
// hundredth of a foot or a tenth of an inch.
std::string seatFieldText(double inches, Unit unit)
{
    std::string text;
    switch (unit) {
    case Unit::Feet:
        text = formatNumber(inches / InchesPerFoot, "0.##");
        break;
    case Unit::Millimetres:
        return formatNumber(inches * MillimetresPerInch, "0");
    case Unit::Inches:
        text = formatNumber(inches, "0.#");
        break;
    }
    if (!text.empty() && text.back() == '.')
        text.pop_back(); // "10." is 10
    return text;
}

std::string angleText(double degrees)
{
    return formatNumber(degrees, "0.0") + "\u00B0";
}

std::string wholeAngleText(double degrees)
{
    return formatNumber(degrees, "0") + "\u00B0";
}

// What is needed is rounded up: a projector of the lumens shown always reaches the goal.
std::string lumensText(double lumens)
{
    return fillIn(translate("RoomWindow", "%1 ANSI lumens"), formatNumber(std::ceil(lumens), "0"));
}

std::string withoutAccessKey(std::string_view caption)
{
    std::string out;
    for (char c : caption) {
        if (c != '&')
            out.push_back(c);
    }
    if (!out.empty() && out.back() == ':')
        out.pop_back();
    return out;
}

std::string_view cinemaText(CinemaRating rating)
{
    switch (rating) {
    case CinemaRating::TooDim:
        return LUMIDEX_TRANSLATE_NOOP("RoomWindow", "too dim");
    case CinemaRating::Brighter:
        return LUMIDEX_TRANSLATE_NOOP("RoomWindow", "brighter than cinema");
    case CinemaRating::AboutRight:
        break;
    }
    return LUMIDEX_TRANSLATE_NOOP("RoomWindow", "about right");
}

// The lumens row of each contrast category, in the order of ContrastCategories.
constexpr std::array<std::string_view, 4> ContrastNeedNames{"lblForPassive", "lblForBasic",
                                                            "lblForAnalytical", "lblForFullMotion"};

std::string ratioText(double ratio)
{
    return formatNumber(ratio, "0") + ":1";
}

constexpr std::array<std::string_view, 3> ViewingCaptions{
    LUMIDEX_TRANSLATE_NOOP("RoomWindow", "30\u00B0 view (SMPTE EG 18 minimum)"),
    LUMIDEX_TRANSLATE_NOOP("RoomWindow", "36\u00B0 view (THX, farthest seat)"),
    LUMIDEX_TRANSLATE_NOOP("RoomWindow", "40\u00B0 view (home theatre)")};
constexpr std::array<std::string_view, 3> ViewingNames{"lblView30", "lblView36", "lblView40"};

} // namespace

RoomWindow::RoomWindow(const InstallationState &state)
    : m_state(state), m_units(state.screen.displayUnits)
{
    refresh();
}

bool RoomWindow::acceptsKey(char key)
{
    return isDecimalKey(key) || key == KeyBackspace;
}

std::string_view RoomWindow::fieldName(RoomField field)
{
    switch (field) {
    case RoomField::Lumens:
        return "txtLumens";
    case RoomField::Gain:
        return "txtGain";
    case RoomField::Ambient:
        return "txtAmbient";
    case RoomField::Lines:
        return "txtLines";
    case RoomField::NearestSeat:
        return "txtNearestSeat";
    case RoomField::FarthestSeat:
        break;
    }
    return "txtFarthestSeat";
}

std::string RoomWindow::fieldLabel(RoomField field) const
{
    const std::string unit = unitSymbol(m_state.screen.displayUnits);
    switch (field) {
    case RoomField::Lumens:
        return translate("RoomWindow", "Light &output (ANSI lumens):");
    case RoomField::Gain:
        return translate("RoomWindow", "Screen &gain:");
    case RoomField::Ambient:
        return translate("RoomWindow", "&Ambient light on the screen (lux):");
    case RoomField::Lines:
        return translate("RoomWindow", "&Vertical resolution (lines):");
    case RoomField::NearestSeat:
        return fillIn(translate("RoomWindow", "&Nearest seat (%1):"), unit);
    case RoomField::FarthestSeat:
        break;
    }
    return fillIn(translate("RoomWindow", "&Farthest seat (%1):"), unit);
}

void RoomWindow::setFieldText(RoomField field, std::string text)
{
    if (field == RoomField::NearestSeat || field == RoomField::FarthestSeat) {
        // A seat is held in inches, so that a change of units moves the text, not the seat.
        const double inches = unitsToInches(leadingNumber(text), m_state.screen.displayUnits);
        auto &seat = m_seatInches[field == RoomField::NearestSeat ? 0 : 1];
        seat.reset();
        if (std::isfinite(inches) && inches > 0)
            seat = inches;
    }
    m_texts[index(field)] = std::move(text);
    compose();
}

void RoomWindow::refresh()
{
    const Unit units = m_state.screen.displayUnits;
    if (units != m_units) {
        for (std::size_t i = 0; i < m_seatInches.size(); ++i) {
            if (m_seatInches[i])
                m_texts[index(RoomField::NearestSeat) + i] = seatFieldText(*m_seatInches[i], units);
        }
        m_units = units;
    }
    compose();
}

void RoomWindow::readInputs()
{
    // A text that does not start with a number is used as nothing, never as 0: "..." typed for
    // the room light is no dark room.
    constexpr double Nothing = std::numeric_limits<double>::quiet_NaN();
    auto read = [this](RoomField field) {
        const std::string &text = fieldText(field);
        const std::optional<double> v = leadingNumberIfAny(text);
        m_notNumber[index(field)] = !v && text.find_first_not_of(" \t") != std::string::npos;
        return m_notNumber[index(field)] ? Nothing : v.value_or(0.0);
    };
    RoomInputs in;
    const double lumens = read(RoomField::Lumens);
    if (fieldText(RoomField::Lumens).find_first_not_of(" \t") != std::string::npos)
        in.lumens = lumens;
    in.gain = read(RoomField::Gain);
    in.ambientLux = read(RoomField::Ambient);
    in.lines = read(RoomField::Lines);
    read(RoomField::NearestSeat);
    read(RoomField::FarthestSeat);
    for (const auto &seat : m_seatInches) {
        if (seat)
            in.seats.push_back(*seat);
    }
    m_inputs = std::move(in);
}

void RoomWindow::compose()
{
    readInputs();
    const ScreenState &screen = m_state.screen;
    const Unit units = screen.displayUnits;
    const RoomRefusals refused = refusalsOf(m_inputs);
    m_figures = evaluateRoom(screen, m_inputs);
    const RoomFigures &f = m_figures;

    // Why a figure that needs an input is missing.
    auto notNumber = [this](RoomField field) { return m_notNumber[index(field)]; };
    const std::string noLumens =
        notNumber(RoomField::Lumens) ? translate("RoomWindow", "light output must be a number")
        : refused.lumens             ? translate("RoomWindow", "light output must be more than 0")
                                     : translate("RoomWindow", "type the light output");
    const std::string noGain = notNumber(RoomField::Gain)
                                   ? translate("RoomWindow", "gain must be a number")
                                   : translate("RoomWindow", "gain must be more than 0");
    const std::string noAmbient =
        notNumber(RoomField::Ambient) ? translate("RoomWindow", "room light must be a number")
        : refused.ambient             ? translate("RoomWindow", "room light cannot be below 0")
                                      : translate("RoomWindow", "dark room");

    m_sections.clear();
    m_sections.push_back(
        {translate("RoomWindow", "Screen"),
         {{"lblScreen", translate("RoomWindow", "Size"),
           fillIn(translate("RoomWindow", "%1 x %2"), numberText(screen.width, units),
                  lengthText(screen.height, units)) +
               fillIn(translate("RoomWindow", ", diagonal %1"),
                      lengthText(screen.diagonal, units))},
          {"lblArea", translate("RoomWindow", "Image area"),
           fillIn(translate("RoomWindow", "%1 sq ft, %2 m\u00B2"), formatNumber(f.areaSqFt, "0.00"),
                  formatNumber(f.areaSqM, "0.00"))}}});

    const std::string luminance = translate("RoomWindow", "Luminance");
    const std::string againstCinema =
        translate("RoomWindow", "Against cinema (48 cd/m\u00B2, 14 fL)");
    RoomSection brightness{translate("RoomWindow", "Brightness"), {}};
    if (f.footLamberts) {
        brightness.rows.push_back(
            {"lblLuminance", luminance,
             fillIn(translate("RoomWindow", "%1 fL, %2 cd/m\u00B2"),
                    formatNumber(*f.footLamberts, "0.0"), formatNumber(*f.nits, "0"))});
        brightness.rows.push_back({"lblCinema", againstCinema,
                                   translate("RoomWindow", cinemaText(*f.cinema)),
                                   *f.cinema == CinemaRating::TooDim});
    } else {
        const std::string why =
            refused.gain && m_inputs.lumens && !refused.lumens ? noGain : noLumens;
        brightness.rows.push_back({"lblLuminance", luminance, why, refused.lumens || refused.gain});
        brightness.rows.push_back({"lblCinema", againstCinema, std::string(Missing)});
    }
    m_sections.push_back(std::move(brightness));

    RoomSection light{translate("RoomWindow", "Room light"), {}};
    light.rows.push_back(
        {"lblScreenLux", translate("RoomWindow", "Light from the projector"),
         f.screenLux ? fillIn(translate("RoomWindow", "%1 lux"), formatNumber(*f.screenLux, "0"))
                     : noLumens,
         refused.lumens});
    const bool dark = refused.ambient || m_inputs.ambientLux == 0;
    const std::string noContrast = dark ? noAmbient : noLumens;
    light.rows.push_back({"lblContrast", translate("RoomWindow", "Image contrast"),
                          f.contrast ? formatNumber(*f.contrast, "0.0") + ":1" : noContrast,
                          refused.ambient});
    // The highest category met, not a verdict: a 60:1 home cinema meets analytical decision
    // making and still falls short of the 80:1 that full-motion video needs (shown below).
    RoomRow category{"lblContrastCategory",
                     translate("RoomWindow", "Highest ANSI/AVIXA category met"), noContrast,
                     refused.ambient};
    if (f.contrastCategory) {
        const std::string name =
            translate("ViewingRoom", contrastStandard(*f.contrastCategory).name);
        category.value =
            f.contrast ? name : fillIn(translate("RoomWindow", "%1 (dark room)"), name);
    } else if (f.contrast) {
        category.value = fillIn(translate("RoomWindow", "none, below %1"),
                                ratioText(ContrastCategories.front().ratio));
        category.warning = true;
    }
    light.rows.push_back(std::move(category));
    m_sections.push_back(std::move(light));

    auto neededOr = [](const std::optional<double> &lumens, const std::string &why) {
        return lumens ? lumensText(*lumens) : why;
    };
    RoomSection needed{translate("RoomWindow", "Light output needed"),
                       {{"lblForCinema", translate("RoomWindow", "For 14 fL"),
                         neededOr(f.lumensForCinema, noGain), refused.gain}}};
    for (std::size_t i = 0; i < ContrastCategories.size(); ++i) {
        const ContrastStandard &c = ContrastCategories[i];
        needed.rows.push_back({ContrastNeedNames[i],
                               fillIn(translate("RoomWindow", "For %1 (%2)"), ratioText(c.ratio),
                                      translate("ViewingRoom", c.name)),
                               neededOr(f.lumensForContrast[i], noAmbient), refused.ambient});
    }
    m_sections.push_back(std::move(needed));

    RoomSection seating{translate("RoomWindow", "Seating"), {}};
    for (std::size_t i = 0; i < ViewingAngles.size(); ++i) {
        seating.rows.push_back({ViewingNames[i], translate("RoomWindow", ViewingCaptions[i]),
                                lengthText(f.viewingDistances[i], units)});
    }
    const std::string noLines = notNumber(RoomField::Lines)
                                    ? translate("RoomWindow", "lines must be a number")
                                    : translate("RoomWindow", "lines must be 1 or more");
    seating.rows.push_back({"lblArcMinute", translate("RoomWindow", "Lines blend beyond"),
                            f.arcMinuteDistance ? lengthText(*f.arcMinuteDistance, units) : noLines,
                            !f.arcMinuteDistance});
    std::vector<std::pair<std::string, SeatView>> named;
    std::size_t next = 0;
    for (std::size_t i = 0; i < m_seatInches.size(); ++i) {
        const bool nearest = i == 0;
        const RoomField field = nearest ? RoomField::NearestSeat : RoomField::FarthestSeat;
        RoomRow row{nearest ? "lblNearestSeat" : "lblFarthestSeat",
                    nearest ? translate("RoomWindow", "Nearest seat")
                            : translate("RoomWindow", "Farthest seat"),
                    std::string(Missing), notNumber(field)};
        if (notNumber(field))
            row.value = translate("RoomWindow", "must be a number");
        if (m_seatInches[i] && next < f.seats.size()) {
            const SeatView &seat = f.seats[next++];
            row.value = lengthText(seat.distance, units) + ": " + angleText(seat.angle);
            if (seat.outsideComfort)
                row.value += translate("RoomWindow", ", outside 26\u00B0 to 50\u00B0");
            row.warning = seat.outsideComfort;
            named.emplace_back(nearest ? translate("RoomWindow", "Nearest")
                                       : translate("RoomWindow", "Farthest"),
                               seat);
        }
        seating.rows.push_back(std::move(row));
    }
    m_sections.push_back(std::move(seating));

    m_topView = roomTopView(
        screen.width, fillIn(translate("RoomWindow", "Screen %1"), lengthText(screen.width, units)),
        named);
}

std::vector<RoomRow> RoomWindow::typedRows() const
{
    std::vector<RoomRow> rows;
    for (RoomField field : AllRoomFields) {
        const std::string &typed = fieldText(field);
        rows.push_back({fieldName(field), withoutAccessKey(fieldLabel(field)),
                        typed.empty() ? std::string(Missing) : typed});
    }
    return rows;
}

std::string RoomWindow::text() const
{
    std::string out = translate("RoomWindow", Caption) + "\n\n";
    for (const RoomRow &row : typedRows())
        out += row.label + ": " + row.value + "\n";
    for (const RoomSection &section : m_sections) {
        out += "\n" + section.title + "\n";
        for (const RoomRow &row : section.rows)
            out += row.label + ": " + row.value + "\n";
    }
    return out;
}

// --- the top view ---

namespace {

constexpr int ViewWidth = 4800;
constexpr int ViewHeight = 4400;
constexpr int ScreenY = 420;
constexpr int SideRoom = 240;
constexpr int LegendTop = ViewHeight - 420;
constexpr int DepthRoom = LegendTop - 200 - ScreenY;
constexpr int ArcSegments = 72;

struct ArcStyle
{
    DrawColour colour;
    LineStyle style;
};
constexpr std::array<ArcStyle, 3> ArcStyles{{{DrawColour::DarkGrey, LineStyle::Dash},
                                             {DrawColour::Blue, LineStyle::Solid},
                                             {DrawColour::DarkGrey, LineStyle::DashDot}}};

int twips(double v)
{
    return static_cast<int>(std::lround(v));
}

DrawLine lineOf(double x1, double y1, double x2, double y2, DrawColour colour, LineStyle style)
{
    DrawLine l;
    l.x1 = twips(x1);
    l.y1 = twips(y1);
    l.x2 = twips(x2);
    l.y2 = twips(y2);
    l.colour = colour;
    l.style = style;
    return l;
}

DrawLabel labelAt(std::string caption, double centreX, double top, int width, DrawColour colour)
{
    DrawLabel l;
    l.caption = std::move(caption);
    l.width = width;
    l.left = twips(centreX - width / 2.0);
    l.top = twips(top);
    l.colour = colour;
    return l;
}

} // namespace

Figure roomTopView(double width, const std::string &screenCaption,
                   const std::vector<std::pair<std::string, SeatView>> &seats)
{
    Figure fig;
    fig.width = ViewWidth;
    fig.height = ViewHeight;
    if (!(width > 0) || !std::isfinite(width))
        return fig;

    // From each point of a viewing arc the screen's two edges are the same angle apart: a circle
    // through both edges, of radius W / (2 sin a), whose far point is W / (2 tan(a / 2)) away.
    // The widest of the arcs (30 degrees) reaches one screen width to either side.
    double depth = viewingDistance(width, ViewingAngles[0]);
    for (const auto &[name, seat] : seats)
        depth = std::max(depth, seat.distance);
    const double scale =
        std::min((ViewWidth / 2.0 - SideRoom) / width, double(DepthRoom) / depth); // twips/inch
    const double cx = ViewWidth / 2.0;
    const double half = width / 2.0 * scale;

    DrawLine screen =
        lineOf(cx - half, ScreenY, cx + half, ScreenY, DrawColour::Black, LineStyle::Solid);
    screen.thick = true;
    fig.lines.push_back(screen);
    fig.labels.push_back(
        labelAt(screenCaption, cx, ScreenY - 90 - LabelHeight, 2400, DrawColour::Black));

    // The arcs are labelled where they cross a line a little left of the centre, when there
    // is room between them; the legend below names them in any case.
    constexpr double LabelOffset = 620;
    std::array<double, 3> labelY{};
    bool labelsFit = true;
    for (std::size_t i = 0; i < ViewingAngles.size(); ++i) {
        const double a = ViewingAngles[i] * std::numbers::pi / 180.0;
        const double radius = width / (2.0 * std::sin(a)) * scale;
        const double centreY = ScreenY + width / (2.0 * std::tan(a)) * scale;
        const double edge = std::atan2(centreY - ScreenY, half); // above the centre's level
        const double sweep = std::numbers::pi + 2.0 * edge;
        double px = cx + half;
        double py = ScreenY;
        for (int s = 1; s <= ArcSegments; ++s) {
            const double phi = -edge + sweep * s / ArcSegments;
            const double x = cx + radius * std::cos(phi);
            const double y = centreY + radius * std::sin(phi);
            fig.lines.push_back(lineOf(px, py, x, y, ArcStyles[i].colour, ArcStyles[i].style));
            px = x;
            py = y;
        }
        if (LabelOffset < radius)
            labelY[i] = centreY + std::sqrt(radius * radius - LabelOffset * LabelOffset);
        else
            labelsFit = false;
        if (i > 0 && std::abs(labelY[i - 1] - labelY[i]) < LabelHeight + 20)
            labelsFit = false;
    }
    for (std::size_t i = 0; labelsFit && i < ViewingAngles.size(); ++i) {
        fig.labels.push_back(labelAt(wholeAngleText(ViewingAngles[i]), cx - LabelOffset,
                                     labelY[i] - LabelHeight / 2.0, 480, ArcStyles[i].colour));
    }

    // Each seat: a row across, the lines of sight to the screen's edges and what it sees.
    double lastLabelY = -1e9;
    for (const auto &[name, seat] : seats) {
        const DrawColour colour = seat.outsideComfort ? DrawColour::Red : DrawColour::Black;
        const double y = ScreenY + seat.distance * scale;
        fig.lines.push_back(
            lineOf(cx - half * 0.8, y, cx + half * 0.8, y, colour, LineStyle::Solid));
        const DrawColour sight = seat.outsideComfort ? DrawColour::Red : DrawColour::Grey;
        fig.lines.push_back(lineOf(cx, y, cx - half, ScreenY, sight, LineStyle::Dot));
        fig.lines.push_back(lineOf(cx, y, cx + half, ScreenY, sight, LineStyle::Dot));
        double top = y - LabelHeight - 20;
        if (top < lastLabelY + LabelHeight + 10)
            top = y + 20; // two seats close together: the second label goes below its row
        fig.labels.push_back(
            labelAt(name + " " + angleText(seat.angle), cx + 900, top, 1500, colour));
        lastLabelY = top;
    }

    // The legend: a sample of each arc's line and its angle.
    for (std::size_t i = 0; i < ViewingAngles.size(); ++i) {
        const double left = 700 + 1300.0 * static_cast<double>(i);
        const double y = LegendTop + LabelHeight / 2.0;
        fig.lines.push_back(
            lineOf(left, y, left + 420, y, ArcStyles[i].colour, ArcStyles[i].style));
        fig.labels.push_back(labelAt(wholeAngleText(ViewingAngles[i]), left + 700, LegendTop, 480,
                                     ArcStyles[i].colour));
    }
    return fig;
}

} // namespace lumidex
