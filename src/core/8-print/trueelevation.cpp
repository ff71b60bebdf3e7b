#include "8-print/trueelevation.h"

#include "3-catalogue/catalogue.h"
#include "5-drawing/pictures.h"
#include "6-installation/recalculation.h"
#include "6-installation/throwwindow.h"
#include "7-project/projectdocument.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace lumidex {
namespace {

std::string withoutLeadingSpaces(const std::string &text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

} // namespace

std::optional<TrueElevation> trueElevation(const ThrowWindow &window, const FocusTables &focus)
{
    // The window keeps what it showed, not the geometry behind it: work the installation out
    // again from the same inputs, with the throw point the view checked.
    InstallationState state = window.state();
    state.screen = window.viewScreen();
    state.inputs.throwPoint = window.view().checkedThrowPoint;
    state.inputs.throwPointPending = state.inputs.throwPoint == ThrowPoint::InstallationHole;
    state.inputs.enteredThrowDistance = 0.0f;
    const Recalculation r = recalculate(state, focus);
    if (r.correction != ScreenCorrection::None)
        return std::nullopt;

    const ElevationInput &e = r.elevation;
    const InstallationResults &res = r.results;
    const Drawing &shown = window.drawing();
    const double scale = e.scale;
    const auto height = [&](double yTwips) { return (Drawing::FloorY - yTwips) / scale; };
    const Selection &s = e.selection;
    const double hole =
        e.fromHole ? (s.isCrt() ? seriesEntry(s.series).holeOffset : modelEntry(s.model).holeOffset)
                   : 0.0;

    TrueElevation t;
    t.units = state.screen.displayUnits;
    t.screenTop = height(e.vertical.screenTop);
    t.screenBottom = height(e.vertical.screenBottom);
    t.screenCentre = (t.screenTop + t.screenBottom) / 2;

    // The lens fronts: the recalculation's distances less the installation hole behind them.
    const double nearFront = e.zoom ? double(res.throwNear) : res.throwDistance - hole;
    const double farFront = e.zoom ? double(res.throwFar) - hole : nearFront;
    const PictureBox real = trueSize(pictureOf(s), e.scale);
    const double width = real.width / scale;
    const double top = height(e.vertical.pictureTop);
    const double bottom = top - real.height / scale;
    t.lensX = -nearFront;
    t.lensY = height(e.vertical.lensAxis);
    t.farLensX = -farFront;
    t.projector = {t.lensX - width, bottom, t.lensX, top};
    if (e.zoom)
        t.farProjector = TrueRect{t.farLensX - width, bottom, t.farLensX, top};
    if (shown.lineCeiling.visible)
        t.ceiling = top;

    // Every dimension the window shows, its lines set off from the drawing by a margin that
    // grows with the installation.
    const double farthest = -std::min(t.projector.left, t.farProjector ? t.farProjector->left : 0);
    const double gap = std::max(farthest, std::max(t.screenTop, top)) / 25;
    const auto across = [&](std::string_view element, double distance, double y) {
        t.dimensions.push_back({element, -distance, 0, 0, 0, false, y, distance});
    };
    const auto upright = [&](std::string_view element, double x, double from, double to,
                             double at) {
        t.dimensions.push_back({element, x, from, x, to, true, at, to - from});
    };
    across("hdimbox", nearFront + hole, -2 * gap);
    if (e.zoom)
        across("txtHTDFar", double(res.throwFar), -4 * gap);
    upright("lblVsize", 0, t.screenBottom, t.screenTop, 2 * gap);
    if (shown.lblHcent.visible)
        upright("lblHcent", 0, 0, t.screenCentre, 4 * gap);
    if (shown.lblflr_screen.visible)
        upright("lblflr_screen", 0, 0, t.screenBottom, 6 * gap);
    // The window's height lines: a CRT's to its underside and to its top (the ceiling it
    // hangs from), a data projector's to its top.
    const double rear = std::min(t.projector.left, t.farProjector ? t.farProjector->left : 0);
    if (shown.lblflr_proj.visible)
        upright("lblflr_proj", t.projector.left, 0, s.isCrt() ? bottom : top, rear - 2 * gap);
    if (shown.lblflr_ceiling.visible)
        upright("lblflr_ceiling", t.projector.left, 0, top, rear - 4 * gap);

    const auto add = [&](std::string label, const std::string &value) {
        if (!withoutLeadingSpaces(value).empty())
            t.texts.push_back(label + withoutLeadingSpaces(value));
    };
    add("", r.view.frameTitle);
    add("Lens: ", r.view.lensLabel);
    add("Throw Angle: ", r.view.throwAngleText);
    add("", r.view.aspectModeCaption);
    add("Title: ", window.titleText(PageText::Title));
    add("By: ", window.titleText(PageText::Author));
    add("Date: ", window.titleText(PageText::Date));
    add("Approved by: ", window.titleText(PageText::ApprovedBy));
    add("", window.titleText(PageText::Approval2));
    add("Revision: ", window.titleText(PageText::Revision));
    add("Notes: ", window.notes());
    // The notes the Notes field does not hold, as the drawing shows them.
    for (const Notice &n : r.view.notices) {
        if (n.text != window.notes())
            add("", n.text);
    }
    return t;
}

bool showPageAsStored(ProjectDocument &document, int page)
{
    // The installer's own changes to the page shown belong to it, as moving to another page
    // would keep them; a screen the window corrected is no change of his and is not stored.
    document.storePage();
    document.pageScroll(page);
    const PageRecord &stored = document.project().page(page);
    const ScreenState &shown = document.window().viewScreen();
    return document.currentPage() == page && shown.width == stored.screenWidth &&
           shown.aspect == stored.aspectRatio;
}

std::string pageFileName(const std::string &path, int page)
{
    const std::filesystem::path p(path);
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "-p%02d", page);
    std::filesystem::path name = p.stem();
    name += suffix;
    name += p.extension();
    return (p.parent_path() / name).string();
}

} // namespace lumidex
