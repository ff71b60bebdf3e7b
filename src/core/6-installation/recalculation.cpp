#include "6-installation/recalculation.h"

#include "1-state/numbertext.h"
#include "3-catalogue/limits.h"
#include "3-catalogue/throwformulas.h"
#include "4-crt/crtmodel.h"
#include "4-crt/focusthrow.h"
#include "5-drawing/elevation.h"
#include "5-drawing/pictures.h"
#include "5-drawing/placement.h"

#include <algorithm>
#include <cmath>

namespace lumidex {
namespace {

constexpr double ScreenPlaneX = Drawing::ScreenPlaneX;
constexpr std::int16_t DefaultScale = 20;

std::int16_t nearestScale(double value)
{
    return static_cast<std::int16_t>(roundHalfEven(value));
}

int drawX(int scale, double distance)
{
    const double x = roundHalfEven(ScreenPlaneX - scale * distance);
    if (std::isnan(x))
        return 0;
    return static_cast<int>(std::clamp(x, -1e9, 1e9));
}

MessageText refusedScreenMessage()
{
    return {translate("Limits", OutOfRangeMessage), MessageIcon::Critical, {}};
}

// The recalculation as a sequence of steps over one set of results; each step either carries
// on or names the correction the screen needs.
class Recalculator
{
public:
    Recalculator(const InstallationState &state, const FocusTables &focus)
        : m_in(state.inputs), m_screen(state.screen), m_focus(focus),
          m_mount(mountedAt(state.inputs))
    {
        m_r.results = state.results;
    }

    Recalculation run()
    {
        if (!checkCapabilities())
            return std::move(m_r);
        results().drawingScale = DefaultScale;
        double frontDistance = 0; // the lens front's distance, which places the pictures
        if (m_in.selection.isCrt()) {
            if (!calculateCrt())
                return std::move(m_r);
            frontDistance = results().throwDistance;
            fitDrawing(frontDistance, false);
        } else {
            const ThrowResult t = calculateDataProjector();
            frontDistance = t.zoom ? t.throwFar : t.throwDistance;
            fitDrawing(frontDistance, true);
        }
        const double holeOffset = applyThrowPoint();
        const VerticalPlacement v = placeVertically(frontDistance);
        m_r.elevation = elevationInput(v, frontDistance, holeOffset);
        m_r.view.drawing = drawElevation(m_r.elevation);
        writeTexts(holeOffset);
        return std::move(m_r);
    }

private:
    InstallationResults &results() { return m_r.results; }
    const Selection &selection() const { return m_in.selection; }
    bool zoomLens() const
    {
        return !selection().isCrt() && lensEntry(selection()).kind == LensKind::Zoom;
    }

    bool correct(ScreenCorrection correction, bool fourByThree = false)
    {
        m_r.correction = correction;
        m_r.fourByThree = fourByThree;
        return false;
    }

    bool refuseScreen()
    {
        m_r.messages.push_back(refusedScreenMessage());
        return correct(ScreenCorrection::OutOfRange);
    }

    bool checkCapabilities()
    {
        FocusDiagonalRanges ranges;
        ranges.cr7300Min = m_focus.record(1).minDiagonal;
        ranges.cr7300Max = m_focus.record(1).maxDiagonal;
        ranges.cr7400Min = m_focus.record(2).minDiagonal;
        ranges.cr7400Max = m_focus.record(2).maxDiagonal;
        const LimitCheck check = lumidex::checkCapabilities(
            selection(), m_screen.width, m_screen.aspect, m_in.enteredThrowDistance, ranges);
        if (check.outcome == LimitOutcome::Accepted)
            return true;
        m_r.messages.push_back({check.text, check.icon, check.title});
        return correct(check.outcome == LimitOutcome::OutOfRange ? ScreenCorrection::OutOfRange
                                                                 : ScreenCorrection::AspectNotice,
                       check.aspectToFourByThree);
    }

    ThrowResult calculateDataProjector()
    {
        const ThrowResult t =
            computeThrow(selection(), {m_screen.diagonal, m_screen.width, m_screen.aspect,
                                       m_in.inputSignal, m_in.sxgaAspectMode});
        if (t.zoom) {
            results().throwFar = t.throwFar;
            results().throwNear = t.throwNear;
            results().throwNearSet = true;
        }
        results().throwDistance = t.throwDistance;
        // A data projector has no throw angle: what the page keeps must not depend on the
        // series chosen before it.
        results().throwAngle = 0.0;
        return t;
    }

    bool takeWidth(float width)
    {
        if (!(width > 0) || !std::isfinite(width))
            return refuseScreen();
        m_r.width = width;
        return correct(ScreenCorrection::TypedDistance);
    }

    // False when the screen needs a correction first.
    bool calculateCrt()
    {
        const Series series = selection().series;
        const float width = m_screen.width;
        const float typed = m_in.enteredThrowDistance;
        const MountPosition mount = m_mount;
        switch (series) {
        case Series::CR7300:
        case Series::CR7400: {
            const int n = series == Series::CR7300 ? 1 : 2;
            const FocusRecord &record = m_focus.record(n);
            const FocusAngleInput angle{m_in.customAngleActive(), m_in.customAngle.value_or(0.0),
                                        m_mount == MountPosition::Center};
            if (typed > 0) {
                results().throwDistance = typed;
                return takeWidth(FocusWidthFromDistance(record, n, typed, angle).width);
            }
            const FocusThrowResult f = FocusThrowDistance(record, width, angle);
            for (int i = 0; i < f.dataOutOfRangeCount; ++i)
                m_r.messages.push_back(
                    {translate("Recalculation", DataOutOfRangeMessage), MessageIcon::None, {}});
            results().throwAngle = f.throwAngle;
            if (f.focusAngleOutOfRange) {
                m_r.messages.push_back(
                    {translate("Recalculation",
                               "Focus Angle out of range.  \rScreen size will now be reset."),
                     MessageIcon::None,
                     {}});
                return correct(ScreenCorrection::FocusAngle);
            }
            results().throwDistance = f.distanceInches;
            m_focusRounded = f.roundedDistance;
            return true;
        }
        case Series::CR7100:
        case Series::CR7200: {
            // A custom angle beyond the lens never gets this far: it is refused when entered.
            const Crt7100Angle a = crt7100Angle(series, mount, m_in.customAngleActive(),
                                                m_in.customAngle.value_or(0.0));
            const bool custom = m_in.customAngleActive() && !a.refused;
            const Crt7100Angle used = custom ? a : crt7100Angle(series, mount, false, 0.0);
            results().throwAngle = used.throwAngle;
            if (typed > 0) {
                const Crt7100Reverse r = crt7100Reverse(typed, used.A, custom);
                if (r.refused)
                    return refuseScreen();
                results().throwDistance = r.distance;
                return takeWidth(r.width);
            }
            const auto forward = crt7100Forward(width, used.A, custom);
            if (!forward)
                return refuseScreen();
            results().throwDistance = forward->distance;
            results().focusParameter = forward->focusParameter;
            for (const auto &pair : {forward->rings12, forward->rings34}) {
                if (!pair)
                    m_r.messages.push_back({std::string(RingInvalidMessage), MessageIcon::None,
                                            std::string(RingInvalidTitle)});
            }
            forward->applyRings(results().ringSettings);
            results().ringsSet = true;
            m_r.showTips = series == Series::CR7100;
            return true;
        }
        case Series::CR7500: {
            const Crt7500Result r = CalculateCrt7500(width, typed, mount);
            m_crt7500Angle = CalculateCrt7500(width, typed, MountPosition::Top).throwAngle;
            results().throwAngle = r.throwAngle;
            results().throwDistance = r.distance;
            m_crtNote = r.notes;
            if (r.newWidth)
                return takeWidth(*r.newWidth);
            return true;
        }
        }
        return true;
    }

    void fitDrawing(double distance, bool mayGrow)
    {
        // Scale the drawing so that the projector stands inside it: smaller while it falls
        // off the left edge, larger while it huddles against the screen. The scale never goes
        // below one twip per inch; a projector that still does not fit is drawn at the edge.
        const int minimumX = pictureOf(selection()).width;
        std::int16_t &scale = results().drawingScale;
        for (;;) {
            const double x = roundHalfEven(ScreenPlaneX - scale * distance);
            results().projectorDrawX = drawX(scale, distance);
            if (x < minimumX) {
                const std::int16_t smaller = nearestScale(scale / 1.5);
                if (smaller >= scale)
                    return;
                scale = std::max<std::int16_t>(smaller, 1);
            } else if (mayGrow && x >= 4620 && scale < 40) {
                scale = nearestScale(scale * 1.5);
            } else {
                return;
            }
        }
    }

    // The installation hole counts only in the recalculation right after it was chosen.
    double applyThrowPoint()
    {
        m_r.view.checkedThrowPoint =
            m_in.throwPointPending ? m_in.throwPoint : ThrowPoint::LensFront;
        if (m_r.view.checkedThrowPoint != ThrowPoint::InstallationHole)
            return 0;
        const Selection &s = selection();
        const double offset =
            s.isCrt() ? seriesEntry(s.series).holeOffset : modelEntry(s.model).holeOffset;
        results().throwDistance += offset;
        if (zoomLens())
            results().throwFar = static_cast<float>(results().throwFar + offset);
        return offset;
    }

    // A drawing too tall for the frame is drawn at half the scale, until it fits.
    VerticalPlacement placeVertically(double frontDistance)
    {
        MountPosition position = m_mount;
        int lensOffset = 0;
        if (!selection().isCrt()) {
            lensOffset =
                lensOffsetInches(selection(), m_screen.diagonal, m_screen.aspect, m_in.inputSignal);
        } else {
            // A CRT throws at its angle: the lens stands that far above or below the centre,
            // measured at the lens front whichever point the distances are measured from.
            const double angle = results().throwAngle;
            if (m_in.customAngleActive())
                position = angle < 0   ? MountPosition::Top
                           : angle > 0 ? MountPosition::Bottom
                                       : MountPosition::Center;
            const double rise = std::tan(std::abs(angle) * DegToRad) * frontDistance;
            lensOffset =
                std::isfinite(rise) ? static_cast<int>(roundHalfEven(std::min(rise, 1e6))) : 0;
        }
        const PictureGeometry &picture = pictureOf(selection());
        std::int16_t &scale = results().drawingScale;
        for (;;) {
            const VerticalPlacement v = lumidex::placeVertically(
                position, trueSize(picture, scale), drawnSize(picture, scale), m_screen.height,
                scale, lensOffset);
            if (v.fits || scale <= 1) {
                if (selection().isCrt() && selection().series == Series::CR7500)
                    placeOtherMountings(frontDistance, v);
                return v;
            }
            scale = std::max<std::int16_t>(nearestScale(scale * 0.5), 1);
            fitDrawing(frontDistance, false);
        }
    }

    // The CR-75xx stands at one distance whatever its mounting: where it would hang from the
    // ceiling, stand level with the screen's centre and stand on the floor, beside the screen
    // as it is drawn. A mounting that would need the screen raised has no place beside it.
    void placeOtherMountings(double frontDistance, const VerticalPlacement &shown)
    {
        const PictureGeometry &picture = pictureOf(selection());
        const int scale = results().drawingScale;
        for (const MountPosition p :
             {MountPosition::Top, MountPosition::Center, MountPosition::Bottom}) {
            if (p == m_mount)
                continue;
            // The series' own angle at that mounting: level at the centre.
            const double angle = p == MountPosition::Center ? 0.0 : m_crt7500Angle;
            const double rise = std::tan(angle * DegToRad) * frontDistance;
            const int offset =
                std::isfinite(rise) ? static_cast<int>(roundHalfEven(std::min(rise, 1e6))) : 0;
            const VerticalPlacement v =
                lumidex::placeVertically(p, trueSize(picture, scale), drawnSize(picture, scale),
                                         m_screen.height, scale, offset);
            if (v.fits && v.screenBottom == shown.screenBottom)
                m_otherMountings[static_cast<std::size_t>(p)] = v;
        }
    }

    ElevationInput elevationInput(const VerticalPlacement &v, double frontDistance,
                                  double holeOffset) const
    {
        const InstallationResults &r = m_r.results;
        ElevationInput e;
        e.selection = selection();
        e.mount = m_mount;
        e.zoom = zoomLens();
        e.scale = r.drawingScale;
        e.units = m_screen.displayUnits;
        e.screenHeight = m_screen.height;
        e.vertical = v;
        e.otherMountings = m_otherMountings;
        e.fromHole = holeOffset > 0;
        // Lens-front positions; with the installation hole chosen the dimension lines start
        // at the hole, the model's own offset behind the lens front.
        const double nearFront = e.zoom ? r.throwNear : frontDistance;
        const double farFront = e.zoom ? r.throwFar - holeOffset : nearFront;
        e.nearX = drawX(e.scale, nearFront);
        e.nearStartX = drawX(e.scale, nearFront + holeOffset);
        e.farX = drawX(e.scale, farFront);
        e.farStartX = drawX(e.scale, farFront + holeOffset);
        e.distanceText = distanceText(holeOffset);
        if (e.zoom)
            e.farText = formatLength(r.throwFar, e.units);
        return e;
    }

    // The CR-7300 and CR-7400 tell the installer their distance in whole inches.
    std::string distanceText(double holeOffset) const
    {
        const double distance =
            m_focusRounded ? *m_focusRounded + holeOffset : m_r.results.throwDistance;
        return formatLength(distance, m_screen.displayUnits);
    }

    void writeTexts(double holeOffset)
    {
        InstallationView &view = m_r.view;
        const Selection &s = selection();
        view.distanceText = distanceText(holeOffset);
        view.farText = view.drawing.txtHTDFar.caption;
        view.frameTitle = frameTitleOf(s);
        view.lensLabel = lensLabelOf(s);
        if (!s.isCrt() && modelEntry(s.model).asksImageAspect)
            view.aspectModeCaption = m_in.sxgaAspectMode == 0
                                         ? translate("Recalculation", "4:3 on 4:3 screen")
                                         : translate("Recalculation", "5:4 on 4:3 screen");
        if (s.isCrt())
            view.throwAngleText = formatSingle(static_cast<float>(m_r.results.throwAngle));
        view.notices = notices();
        view.positionEnabled = positionsOffered(s);
        view.checkedPosition = m_in.position;
        view.distanceEnabled = s.isCrt();
        if (!s.isCrt()) {
            for (std::string_view signal : modelEntry(s.model).inputSignals)
                view.inputSignals.push_back(translate("Catalogue", signal));
            view.inputSignalIndex = view.inputSignals.empty() ? -1 : m_in.inputSignal - 1;
        }
        for (Dimension d : AllDimensions)
            view.sizeTexts[static_cast<std::size_t>(d)] =
                formatLength(m_screen.value(d), m_screen.displayUnits);
        view.aspectText = formatNumber(m_screen.aspect, "0.00");
        switch (m_screen.displayUnits) {
        case Unit::Feet:
            view.unitsCaption = translate("Recalculation", "Units = ft.");
            break;
        case Unit::Millimetres:
            view.unitsCaption = translate("Recalculation", "Units = mm.");
            break;
        case Unit::Inches:
            view.unitsCaption = translate("Recalculation", "Units = in.");
            break;
        }
    }

    // The notes that belong to this installation, the one the Notes field takes first.
    std::vector<Notice> notices() const
    {
        std::vector<Notice> out;
        const Selection &s = selection();
        if (s.isCrt()) {
            if (m_in.customAngleActive())
                out.push_back({translate("Notes", TiltNote), NoteColour::Red});
            if (!m_crtNote.empty())
                out.push_back({translate("Notes", m_crtNote), NoteColour::Black});
            return out;
        }
        if (modelEntry(s.model).spacerAtCentre && m_mount == MountPosition::Center)
            out.push_back({translate("Notes", SpacerNote), NoteColour::Black});
        if (zoomLens()) {
            // Some projectors mark their range with a line at each end of it.
            const bool twoLines =
                m_r.view.drawing.line_back_proj.visible && modelEntry(s.model).zoomRangeTwoLines;
            out.push_back(
                {translate("Notes", twoLines ? ZoomNoteTwoLines : ZoomNote), NoteColour::Blue});
        }
        return out;
    }

    const InstallationInputs &m_in;
    const ScreenState &m_screen;
    const FocusTables &m_focus;
    const MountPosition m_mount;
    Recalculation m_r;
    std::optional<int> m_focusRounded; // CR-7300/CR-7400: the distance in whole inches
    std::string m_crtNote;             // CR-75xx: its lens ring note
    double m_crt7500Angle = 0;         // CR-75xx: its angle above or below the centre
    std::array<std::optional<VerticalPlacement>, 3> m_otherMountings; // CR-75xx
};

} // namespace

namespace {

// A page saved under one language and opened under another still holds its automatic note.
bool isNote(std::string_view notes, std::string_view note)
{
    return notes == note || notes == translate("Notes", note);
}

} // namespace

bool isAutomaticNote(std::string_view notes)
{
    // A new page's marker gives way to the first note of its installation.
    if (notes.empty() || isNote(notes, ZoomNote) || isNote(notes, ZoomNoteTwoLines) ||
        isNote(notes, TiltNote) || isNote(notes, SpacerNote) || notes == " New Page")
        return true;
    return std::any_of(Crt7500Notes.begin(), Crt7500Notes.end(),
                       [notes](std::string_view note) { return isNote(notes, note); });
}

NoteColour noteColourOf(std::string_view notes)
{
    if (isNote(notes, ZoomNote) || isNote(notes, ZoomNoteTwoLines))
        return NoteColour::Blue;
    if (isNote(notes, TiltNote))
        return NoteColour::Red;
    return NoteColour::Black;
}

Recalculation recalculate(const InstallationState &state, const FocusTables &focus)
{
    return Recalculator(state, focus).run();
}

} // namespace lumidex
