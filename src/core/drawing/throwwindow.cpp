#include "drawing/throwwindow.h"

#include "catalogue/throwformulas.h"
#include "geometry/numbertext.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumidex {
namespace {

constexpr std::array<std::string_view, 3> sizeDefaults{"60", "80", "100"};
constexpr std::string_view DistanceDefault = "109";
constexpr double ScreenPlaneX = 8280;
constexpr std::int16_t DefaultScale = 20;

constexpr std::string_view AnglePrompt =
    "Please enter the projector angle in degrees off center axis:\r\r\r\r\r\r"
    "(Use negative number for angles above center of screen)";

// The leftmost x at which a model's picture still fits in the drawing.
int pictureMinimumX(Model m)
{
    switch (m) {
    case Model::LX440:
    case Model::LX450:
        return 510;
    case Model::DX520:
        return 540;
    case Model::LX460:
    case Model::LX470:
    case Model::LX480:
    case Model::LX490:
        return 239;
    case Model::LX510:
    case Model::LX530:
        return 506;
    case Model::LX550:
        return 360;
    case Model::LX540:
        return 335;
    case Model::LX410:
    case Model::LX420:
    case Model::LX430:
        break;
    }
    return 330;
}

std::int16_t nearestScale(double value)
{
    return static_cast<std::int16_t>(roundHalfEven(value));
}

// A custom angle's mounting position for a CRT series, or nullopt when the series refuses it.
struct AngleMapping
{
    std::optional<MountPosition> position;
    bool withTips = false;
};

AngleMapping mapAngle(Series series, double a)
{
    using P = MountPosition;
    switch (series) {
    case Series::CR7100:
        if (a < -22 || a > 22)
            return {};
        if (a < -2)
            return {P::Top};
        return {a < 11 ? P::Center : P::Bottom};
    case Series::CR7300:
        if (a >= -30 && a < -15.2)
            return {P::Top, true};
        if (a >= -15.2 && a < -2)
            return {P::Top};
        if (a >= -2 && a < 11)
            return {P::Center};
        if (a >= 11 && a <= 15.2)
            return {P::Bottom};
        if (a > 15.2 && a <= 30)
            return {P::Bottom, true};
        return {};
    case Series::CR7400:
        if (a >= -24 && a < -17)
            return {P::Top, true};
        if (a >= -17 && a <= -2)
            return {P::Top};
        if (a > -2 && a < 11)
            return {P::Center};
        if (a >= 11 && a <= 17)
            return {P::Bottom};
        if (a > 17 && a <= 24)
            return {P::Bottom, true};
        return {};
    case Series::CR7200:
        if (a >= -30 && a < -22)
            return {P::Top, true};
        if (a >= -22 && a < -2)
            return {P::Top};
        if (a >= -2 && a < 11)
            return {P::Center};
        if (a >= 11 && a <= 22)
            return {P::Bottom};
        if (a > 22 && a <= 30)
            return {P::Bottom, true};
        return {};
    case Series::CR7500:
        break;
    }
    return {};
}

} // namespace

ThrowWindow::ThrowWindow(InstallationState &state, Dialogs &dialogs, ThrowWindowHost &host,
                         const FocusTables &focus)
    : m_state(state), m_dialogs(dialogs), m_host(host), m_focus(focus)
{
    m_state.throwAngle = m_focus.record(1).defaultAngle;
}

void ThrowWindow::setNotes(std::string text, NoteColour colour)
{
    m_notes = std::move(text);
    m_notesColour = colour;
}

void ThrowWindow::requestScreenUpdate(ScreenUpdate code)
{
    m_state.screenUpdateCode = code;
    m_host.pressUpdateScreen();
}

void ThrowWindow::enablePositions(std::initializer_list<int> entries)
{
    m_positionEnabled = {};
    for (int e : entries)
        m_positionEnabled[static_cast<std::size_t>(e)] = true;
}

void ThrowWindow::selectSeries(Series series)
{
    m_state.selection = Selection::crt(series);
    m_signals.clear();
    m_positionEnabled = {true, true, true, series != Series::CR7500};
    selectPosition(static_cast<int>(m_state.mountPosition));
    m_distanceEnabled = true;
}

void ThrowWindow::selectLens(Model model, int lens)
{
    const ModelEntry &entry = modelEntry(model);
    if (lens < 0 || static_cast<std::size_t>(lens) >= entry.lenses.size())
        return;
    if (model == Model::LX530 && !m_state.restoringSelection) {
        const int mode = m_dialogs.sxgaChoice();
        m_state.sxgaAspectMode = static_cast<std::int16_t>(mode);
        if (mode == -1)
            return; // cancelled: the previous projector stays as it was
    }
    m_signals.assign(entry.inputSignals.begin(), entry.inputSignals.end());
    if (!m_signals.empty() && !m_state.restoringSelection)
        m_state.inputSignal = 1;
    m_state.selection = Selection::dataProjector(model, lens);

    // Which mounting positions the model and lens allow, and which one to take.
    const auto current = static_cast<int>(m_state.mountPosition);
    auto selectCurrentOrTop = [&](std::initializer_list<int> allowed) {
        enablePositions(allowed);
        const bool ok = current >= 0 && current < PositionCount &&
                        m_positionEnabled[static_cast<std::size_t>(current)];
        selectPosition(ok ? current : 0);
    };
    auto checkOnly = [&](int position) {
        enablePositions({position});
        m_checkedPosition = position;
        m_state.customAngleActive = false;
        recalculate();
    };
    constexpr int Top = 0, Center = 1, Bottom = 2, Special = 3;
    switch (model) {
    case Model::LX410:
    case Model::LX420:
    case Model::LX430:
    case Model::LX540:
        selectCurrentOrTop({Top, Bottom});
        break;
    case Model::LX550:
        if (lens == 0) {
            selectCurrentOrTop({Top, Bottom});
        } else if (lens == 3) {
            enablePositions({Center});
            selectPosition(Center);
        } else {
            selectCurrentOrTop({Top, Center, Bottom});
        }
        break;
    case Model::LX460:
    case Model::LX470:
    case Model::LX480:
    case Model::LX490:
        if (lens == 2) {
            enablePositions({Center});
            selectPosition(Center);
        } else {
            selectCurrentOrTop({Top, Center, Bottom});
        }
        break;
    case Model::LX440:
    case Model::LX450:
        checkOnly(lens == 2 ? Center : Special);
        break;
    case Model::DX520:
        checkOnly(Special);
        break;
    case Model::LX510:
    case Model::LX530: {
        const int shortThrow = model == Model::LX510 ? 5 : 7;
        enablePositions({lens == shortThrow ? Center : Special});
        selectPosition(lens == shortThrow ? Center : Special);
        break;
    }
    }
    m_distanceEnabled = false;
}

void ThrowWindow::selectPosition(int index)
{
    if (index < 0 || index > 4)
        return;
    m_checkedPosition = index == 4 ? 3 : index;
    m_state.customAngleActive = false;

    MountPosition reached = static_cast<MountPosition>(std::min(index, 3));
    const bool crt = m_state.selection.isCrt();
    if (index == 4 || (index == 3 && crt)) {
        if (index == 3) {
            const auto answer = m_dialogs.input(AnglePrompt, "Custom Projector Placement", "14");
            if (!answer || answer->empty())
                return;
            if (!isNumeric(*answer)) {
                m_dialogs.message("Angle must be a valid NUMBER", MessageIcon::Critical,
                                  "Input Error");
                return;
            }
            m_state.throwAngle = leadingNumber(*answer);
        }
        const AngleMapping mapping = mapAngle(m_state.selection.series, m_state.throwAngle);
        if (!mapping.position) {
            if (m_state.selection.series == Series::CR7100) {
                m_dialogs.message("This angle is too large for this projector",
                                  MessageIcon::Critical, "Input Error");
            } else {
                m_dialogs.message("This angle is too large for this projector.", MessageIcon::None,
                                  {});
            }
            return;
        }
        reached = *mapping.position;
        m_state.customAngleActive = true;
    }
    m_state.mountPosition = reached;
    recalculate();
    if (m_state.selection.isModel(Model::LX470) && reached == MountPosition::Center)
        setNotes("Removal of lens spacers is required for this throw angle.", NoteColour::Black);
}

void ThrowWindow::selectThrowPoint(int index)
{
    if (index < 0 || index > 1 || index == m_checkedThrowPoint)
        return;
    m_checkedThrowPoint = index;
    m_state.throwPointPending = true;
    recalculate();
}

void ThrowWindow::selectUnits(Unit unit)
{
    m_state.screen.displayUnits = unit;
    requestScreenUpdate(ScreenUpdate::ReapplyUnits);
}

void ThrowWindow::cycleUnits()
{
    selectUnits(nextUnit(m_state.screen.displayUnits));
}

void ThrowWindow::chooseInputSignal(int listIndex)
{
    if (listIndex < 0 || static_cast<std::size_t>(listIndex) >= m_signals.size())
        return;
    m_state.inputSignal = static_cast<std::int16_t>(listIndex + 1);
    selectPosition(static_cast<int>(m_state.mountPosition));
}

bool ThrowWindow::sizeKeyPress(Dimension d, char key)
{
    const bool accepted = key == KeyBackspace || key == KeyEnter || (key >= 46 && key <= 57);
    if (!accepted)
        return false;
    for (Dimension other : AllDimensions)
        m_sizeEnabled[index(other)] = other == d;
    if (key != KeyEnter)
        return true;

    std::string &text = m_sizeTexts[index(d)];
    if (text.empty())
        text = sizeDefaults[index(d)];
    const ScreenUpdate code = d == Dimension::Height  ? ScreenUpdate::FromHeight
                              : d == Dimension::Width ? ScreenUpdate::FromWidth
                                                      : ScreenUpdate::FromDiagonal;
    m_state.screen.value(d) = static_cast<float>(toInches(text, m_state.screen.displayUnits));
    m_sizeEnabled = {true, true, true};
    requestScreenUpdate(code);
    return false;
}

void ThrowWindow::setSizeText(Dimension d, std::string text)
{
    m_sizeTexts[index(d)] = std::move(text);
}

bool ThrowWindow::distanceKeyPress(char key)
{
    if (key == KeyEnter) {
        if (m_distanceText.empty())
            m_distanceText = DistanceDefault;
        m_state.enteredThrowDistance =
            static_cast<float>(toInches(m_distanceText, m_state.screen.displayUnits));
        selectPosition(static_cast<int>(m_state.mountPosition));
        m_sizeEnabled = {true, true, true};
        return false;
    }
    if (key != KeyBackspace && (key < 46 || key > 57))
        return false;
    m_sizeEnabled = {false, false, false};
    return true;
}

void ThrowWindow::setDistanceText(std::string text)
{
    m_distanceText = std::move(text);
}

void ThrowWindow::aspectDoubleClick()
{
    m_state.customViaButton = true;
    const Selection &s = m_state.selection;
    if (!s.isCrt() && (s.model == Model::LX420 || s.model == Model::LX430 ||
                       s.model == Model::LX440 || s.model == Model::LX450)) {
        m_dialogs.message(std::string(modelEntry(s.model).caption) +
                              " projectors support\nthe 1.33 aspect ratio only",
                          MessageIcon::Critical, "Notice:");
        return;
    }
    const bool stepsPresets = s.isCrt() ? s.series != Series::CR7500 : s.model == Model::LX530;
    if (stepsPresets) {
        m_host.pressAspectChange();
        return;
    }
    float &aspect = m_state.screen.aspect;
    aspect = (aspect > 1.3f && aspect < 1.4f) ? 16.0f / 9.0f : 4.0f / 3.0f;
    requestScreenUpdate(ScreenUpdate::SnapAspect);
}

void ThrowWindow::throwAngleClick()
{
    selectPosition(3);
}

void ThrowWindow::recalc()
{
    recalculate();
    rewriteFields();
}

void ThrowWindow::rewriteFields()
{
    const ScreenState &s = m_state.screen;
    for (Dimension d : AllDimensions)
        m_sizeTexts[index(d)] = formatLength(s.value(d), s.displayUnits);
    m_aspectText = formatNumber(s.aspect, "0.00");
    switch (s.displayUnits) {
    case Unit::Feet:
        m_unitsCaption = "Units = ft.";
        break;
    case Unit::Millimetres:
        m_unitsCaption = "Units = mm.";
        break;
    case Unit::Inches:
        m_unitsCaption = "Units = in.";
        break;
    }
}

bool ThrowWindow::checkCapabilities()
{
    FocusDiagonalRanges ranges;
    ranges.cr7300Min = m_focus.record(1).minDiagonal;
    ranges.cr7300Max = m_focus.record(1).maxDiagonal;
    ranges.cr7400Min = m_focus.record(2).minDiagonal;
    ranges.cr7400Max = m_focus.record(2).maxDiagonal;
    const ScreenState &s = m_state.screen;
    const LimitCheck check = lumidex::checkCapabilities(m_state.selection, s.width, s.aspect,
                                                        m_state.enteredThrowDistance, ranges);
    if (check.outcome == LimitOutcome::Accepted)
        return true;

    m_dialogs.message(check.text, check.icon, check.title);
    if (check.aspectToFourByThree)
        m_state.screen.aspect = 4.0f / 3.0f;
    if (check.outcome == LimitOutcome::OutOfRange) {
        m_state.screen.height = 60.0f;
        m_state.screen.width = 80.0f;
        m_state.screen.diagonal = 100.0f;
        m_state.enteredThrowDistance = 0.0f;
        requestScreenUpdate(ScreenUpdate::FromDiagonal);
    } else {
        // The screen calculator shows the 4:3 preset and keeps the height.
        requestScreenUpdate(ScreenUpdate::SnapAspect);
    }
    return false;
}

void ThrowWindow::recalculate()
{
    if (!checkCapabilities())
        return; // the corrected screen comes back through the screen calculator
    m_state.drawingScale = DefaultScale;
    if (m_state.customAngleActive)
        setNotes(" NOTE: Projector Tilt shown may not be correct.", NoteColour::Red);
    calculateThrow();
    applyThrowPoint();

    const bool data = !m_state.selection.isCrt();
    m_distanceText =
        data ? formatLength(m_state.throwDistance, m_state.screen.displayUnits) : std::string{};
    const bool zoom = data && lensEntry(m_state.selection).kind == LensKind::Zoom;
    m_farText = zoom ? formatLength(m_state.throwFar, m_state.screen.displayUnits) : std::string{};
    if (zoom)
        setNotes("Projector can be positioned anywhere along the line indicated.",
                 NoteColour::Blue);
}

void ThrowWindow::calculateThrow()
{
    if (m_state.selection.isCrt())
        return; // CRT series are calculated from their lens tables
    const ScreenState &s = m_state.screen;
    const ThrowResult r =
        computeThrow(m_state.selection,
                     {s.diagonal, s.width, s.aspect, m_state.inputSignal, m_state.sxgaAspectMode});
    if (r.zoom) {
        m_state.throwFar = r.throwFar;
        m_state.throwNear = r.throwNear;
        m_state.throwNearSet = true;
    }
    m_state.throwDistance = r.throwDistance;
    fitDrawing(r.zoom ? r.throwFar : r.throwDistance);
}

void ThrowWindow::fitDrawing(double distance)
{
    // Scale the drawing so that the projector stands inside it: smaller while it falls off
    // the left edge, larger while it huddles against the screen. The scale never goes below
    // one twip per inch; a projector that still does not fit is drawn at the edge.
    const int minimumX = pictureMinimumX(m_state.selection.model);
    for (;;) {
        const double x = roundHalfEven(ScreenPlaneX - m_state.drawingScale * distance);
        const double clamped = std::clamp(x, double(std::numeric_limits<std::int32_t>::min()),
                                          double(std::numeric_limits<std::int32_t>::max()));
        m_state.projectorDrawX = std::isnan(clamped) ? 0 : static_cast<std::int32_t>(clamped);
        if (x < minimumX) {
            const std::int16_t smaller = nearestScale(m_state.drawingScale / 1.5);
            if (smaller >= m_state.drawingScale)
                return;
            m_state.drawingScale = std::max<std::int16_t>(smaller, 1);
        } else if (x >= 4620 && m_state.drawingScale < 40) {
            m_state.drawingScale = nearestScale(m_state.drawingScale * 1.5);
        } else {
            return;
        }
    }
}

void ThrowWindow::applyThrowPoint()
{
    if (!m_state.throwPointPending) {
        m_checkedThrowPoint = 0; // every other recalculation measures from the lens front
        return;
    }
    m_state.throwPointPending = false;
    if (m_checkedThrowPoint != 1)
        return;
    const Selection &s = m_state.selection;
    const double offset =
        s.isCrt() ? seriesEntry(s.series).holeOffset : modelEntry(s.model).holeOffset;
    m_state.throwDistance += offset;
    if (!s.isCrt() && lensEntry(s).kind == LensKind::Zoom)
        m_state.throwFar = static_cast<float>(m_state.throwFar + offset);
}

} // namespace lumidex
