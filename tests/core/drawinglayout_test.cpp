// Every set-up an installer can make, drawn and checked as a reader of the sheet would: no
// value hides another value, a picture or a line it does not belong to, nothing falls outside
// the drawing, no reference line runs through a projector, and the rulers count evenly.
// LUMIDEX_LAYOUT_SWEEP=all checks every screen size; by default a sample of them.

#include "2-screen/screenmodel.h"
#include "3-catalogue/catalogue.h"
#include "5-drawing/drawingarea.h"
#include "5-drawing/drawingelements.h"
#include "5-drawing/labelplacer.h"
#include "6-installation/positions.h"
#include "6-installation/recalculation.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

using namespace lumidex;

namespace {

struct Case
{
    Selection selection;
    MountPosition position;
    std::optional<double> angle;
    int diagonal;
    Unit units;
    bool wide;     // 16:9 rather than 4:3
    bool fromHole; // distances from the installation hole

    std::string describe() const
    {
        std::ostringstream s;
        s << (selection.isCrt() ? seriesEntry(selection.series).caption
                                : modelEntry(selection.model).caption);
        if (!selection.isCrt())
            s << " lens " << selection.lens;
        s << " position " << int(position);
        if (angle)
            s << " angle " << *angle;
        s << " diagonal " << diagonal << " units " << int(units) << (wide ? " 16:9" : " 4:3")
          << (fromHole ? " hole" : " lens");
        return s.str();
    }
};

const FocusTables &focus()
{
    static const FocusTables tables = BuildFocusTables();
    return tables;
}

struct Drawn
{
    InstallationView view;
    int scale;
};

std::optional<Drawn> draw(const Case &s)
{
    InstallationState state;
    state.screen.diagonal = float(s.diagonal);
    const double aspect = s.wide ? 16.0 / 9.0 : 4.0 / 3.0;
    state.screen.aspect = float(aspect);
    state.screen.height = float(s.diagonal / std::sqrt(1 + aspect * aspect));
    state.screen.width = float(state.screen.height * aspect);
    state.inputs.throwPoint = s.fromHole ? ThrowPoint::InstallationHole : ThrowPoint::LensFront;
    state.inputs.throwPointPending = s.fromHole;
    state.screen.displayUnits = s.units;
    state.inputs.selection = s.selection;
    state.inputs.position = s.position;
    state.inputs.customAngle = s.angle;
    state.inputs.inputSignal = 1;
    const Recalculation r = recalculate(state, focus());
    if (r.correction != ScreenCorrection::None)
        return std::nullopt;
    return Drawn{r.view, r.results.drawingScale};
}

struct Rect
{
    int left, top, right, bottom;
    bool overlaps(const Rect &o) const
    {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
};

Rect extent(const DrawingElement &e)
{
    if (e.kind == ElementKind::Line)
        return {std::min(e.x1, e.x2), std::min(e.y1, e.y2), std::max(e.x1, e.x2),
                std::max(e.y1, e.y2)};
    return {e.left, e.top, e.left + e.width, e.top + e.height};
}

// Does the line pass through the rectangle's inside (its edges do not count)?
bool crosses(const DrawingElement &line, const Rect &r)
{
    const DrawLine l{line.x1, line.y1, line.x2, line.y2};
    return crossesBox(l, {r.left, r.top, r.right, r.bottom});
}

// The line whose value a label is, which it may sit on.
const std::map<std::string, std::vector<std::string>> &ownLines()
{
    static const std::map<std::string, std::vector<std::string>> own{
        {"lblVsize", {"line_Vsize"}},
        {"lblHcent", {"line_Hcent"}},
        {"lblflr_proj", {"line_flr_proj"}},
        {"lblflr_ceiling", {"line_flr_ceiling"}},
        {"lblflr_screen", {"line_flr_screen"}},
        {"hdimbox", {"lineNear"}},
        {"txtHTDFar", {"lineFar"}},
    };
    return own;
}

bool isReferenceLine(std::string_view name)
{
    return name == "lineCeiling" || name == "lineFlr_HTD" || name.starts_with("lineHoriz_") ||
           name == "line_back_proj" || name == "line_flr_proj" || name == "line_flr_ceiling" ||
           name == "line_flr_screen" || name == "lineNear" || name == "lineFar" ||
           name == "line_Hcent" || name == "line_Vsize";
}

std::vector<std::string> layoutFaults(const InstallationView &view)
{
    std::vector<std::string> faults;
    const std::vector<DrawingElement> elements = visibleElements(view.drawing);
    const DrawingArea &area = ShownDrawingArea;
    const Rect inside{int(area.left), int(area.top), int(area.left + area.width),
                      int(area.top + area.height)};
    for (const DrawingElement &e : elements) {
        const Rect r = extent(e);
        if (r.left < inside.left || r.top < inside.top || r.right > inside.right ||
            r.bottom > inside.bottom)
            faults.push_back(e.name + " lies outside the drawing");
    }
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const DrawingElement &a = elements[i];
        if (a.kind != ElementKind::Label && a.kind != ElementKind::Box)
            continue;
        const Rect ra = extent(a);
        for (std::size_t j = 0; j < elements.size(); ++j) {
            const DrawingElement &b = elements[j];
            if (i == j)
                continue;
            if (b.kind == ElementKind::Line) {
                const auto own = ownLines().find(a.name);
                const bool isOwn =
                    own != ownLines().end() &&
                    std::find(own->second.begin(), own->second.end(), b.name) != own->second.end();
                if (!isOwn && crosses(b, ra))
                    faults.push_back(a.name + " '" + a.caption + "' crosses " + b.name);
            } else if (j > i || b.kind == ElementKind::Picture) {
                if (ra.overlaps(extent(b)))
                    faults.push_back(a.name + " '" + a.caption + "' overlaps " + b.name);
            }
        }
    }
    for (const DrawingElement &line : elements) {
        if (line.kind != ElementKind::Line || !isReferenceLine(line.name))
            continue;
        for (const DrawingElement &p : elements) {
            if (p.kind == ElementKind::Picture && !p.name.starts_with("imgArrow") &&
                crosses(line, extent(p)))
                faults.push_back(line.name + " runs through " + p.name);
        }
    }
    return faults;
}

// The rulers' numbers are their ticks' values at the precision they are shown with, so that
// neighbouring numbers step evenly.
std::vector<std::string> rulerFaults(const Drawing &d, int scale, Unit units)
{
    const double perInch = units == Unit::Feet ? 1.0 / 12 : units == Unit::Millimetres ? 25.4 : 1.0;
    std::vector<std::string> faults;
    for (int k = 1; k <= 13; ++k) {
        if (k == 7)
            continue;
        const double tick = (k < 7 ? k * 1200.0 : (k - 7) * 600.0) / scale * perInch;
        const std::string &caption = d.Label1[std::size_t(k)].caption;
        const double tolerance = caption.find('.') == std::string::npos ? 0.5 : 0.05;
        if (std::abs(std::stod(caption) - tick) > tolerance + 1e-9)
            faults.push_back("ruler number " + caption + " for " + std::to_string(tick));
    }
    return faults;
}

std::vector<Case> setups(bool all)
{
    std::vector<Selection> selections;
    for (const SeriesEntry &s : crtSeries())
        selections.push_back(Selection::crt(s.series));
    for (const ModelEntry &m : dataProjectors()) {
        for (std::size_t lens = 0; lens < m.lenses.size(); ++lens)
            selections.push_back(Selection::dataProjector(m.model, int(lens)));
    }
    std::vector<Case> out;
    int n = 0;
    for (const Selection &sel : selections) {
        const PositionFlags offered = positionsOffered(sel);
        std::vector<std::pair<MountPosition, std::optional<double>>> positions;
        for (int p = 0; p < PositionCount; ++p) {
            if (!offered[std::size_t(p)])
                continue;
            if (sel.isCrt() && p == int(MountPosition::Special)) {
                for (const double a : {-25.0, -10.0, -1.0, 5.0, 15.0, 20.0, 28.0}) {
                    if (decideCustomAngle(sel.series, a).position)
                        positions.emplace_back(MountPosition::Special, a);
                }
            } else {
                positions.emplace_back(MountPosition(p), std::nullopt);
            }
        }
        for (const auto &[position, angle] : positions) {
            for (int diagonal = 40; diagonal <= 600; diagonal += 10) {
                for (const Unit units : {Unit::Inches, Unit::Feet, Unit::Millimetres}) {
                    for (const bool wide : {false, true}) {
                        for (const bool hole : {false, true}) {
                            if (all || ++n % 23 == 0)
                                out.push_back({sel, position, angle, diagonal, units, wide, hole});
                        }
                    }
                }
            }
        }
    }
    return out;
}

TEST(DrawingLayout, EverySetUpReadsCleanly)
{
    const char *env = std::getenv("LUMIDEX_LAYOUT_SWEEP");
    const bool all = env && std::string_view(env) == "all";
    int drawn = 0;
    int failing = 0;
    for (const Case &s : setups(all)) {
        const std::optional<Drawn> view = draw(s);
        if (!view)
            continue;
        ++drawn;
        std::vector<std::string> faults = layoutFaults(view->view);
        for (std::string &f : rulerFaults(view->view.drawing, view->scale, s.units))
            faults.push_back(std::move(f));
        if (!faults.empty() && ++failing <= 40) {
            std::string text;
            for (const std::string &f : faults)
                text += "\n  " + f;
            ADD_FAILURE() << s.describe() << text;
        }
    }
    EXPECT_EQ(failing, 0) << "of " << drawn << " set-ups drawn";
    EXPECT_GT(drawn, 100);
}

} // namespace
