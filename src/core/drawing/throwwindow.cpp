#include "drawing/throwwindow.h"

#include "catalogue/throwformulas.h"
#include "crt/crtmodel.h"
#include "crt/focusthrow.h"
#include "crt/tipswindow.h"
#include "drawing/pictures.h"
#include "drawing/placement.h"
#include "geometry/numbertext.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
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

struct AngleRange
{
    Series series;
    double low;
    bool lowIncluded;
    double high;
    bool highIncluded;
    MountPosition position;
    bool withTips; // steep enough for the installer's angle warning
};

using P = MountPosition;
// The custom angles each series can throw at, and the mounting position each range means.
constexpr std::array<AngleRange, 18> angleRanges{{
    {Series::CR7100, -22, true, -2, false, P::Top, false},
    {Series::CR7100, -2, true, 11, false, P::Center, false},
    {Series::CR7100, 11, true, 22, true, P::Bottom, false},
    {Series::CR7300, -30, true, -15.2, false, P::Top, true},
    {Series::CR7300, -15.2, true, -2, false, P::Top, false},
    {Series::CR7300, -2, true, 11, false, P::Center, false},
    {Series::CR7300, 11, true, 15.2, true, P::Bottom, false},
    {Series::CR7300, 15.2, false, 30, true, P::Bottom, true},
    {Series::CR7400, -24, true, -17, false, P::Top, true},
    {Series::CR7400, -17, true, -2, true, P::Top, false},
    {Series::CR7400, -2, false, 11, false, P::Center, false},
    {Series::CR7400, 11, true, 17, true, P::Bottom, false},
    {Series::CR7400, 17, false, 24, true, P::Bottom, true},
    {Series::CR7200, -30, true, -22, false, P::Top, true},
    {Series::CR7200, -22, true, -2, false, P::Top, false},
    {Series::CR7200, -2, true, 11, false, P::Center, false},
    {Series::CR7200, 11, true, 22, true, P::Bottom, false},
    {Series::CR7200, 22, false, 30, true, P::Bottom, true},
}};

AngleMapping mapAngle(Series series, double a)
{
    for (const AngleRange &r : angleRanges) {
        const bool aboveLow = r.lowIncluded ? a >= r.low : a > r.low;
        const bool belowHigh = r.highIncluded ? a <= r.high : a < r.high;
        if (r.series == series && aboveLow && belowHigh)
            return {r.position, r.withTips};
    }
    return {}; // refused (the CR-75xx series has no custom angle)
}

} // namespace

ThrowWindow::ThrowWindow(InstallationState &state, Dialogs &dialogs, ThrowWindowHost &host,
                         const FocusTables &focus)
    : m_state(state), m_dialogs(dialogs), m_host(host), m_focus(focus)
{
    m_state.throwAngle = m_focus.record(1).defaultAngle;
    m_project = lumidex::newProject(todayText());
}

std::string todayText()
{
    const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    return projectDateText(std::chrono::year_month_day{today});
}

void ThrowWindow::setNotes(std::string text, NoteColour colour)
{
    m_titleTexts[static_cast<std::size_t>(PageText::Notes)] = std::move(text);
    m_notesColour = colour;
}

void ThrowWindow::setTitleText(PageText field, std::string text)
{
    if (field == PageText::Notes)
        m_notesColour = NoteColour::Black;
    m_titleTexts[static_cast<std::size_t>(field)] = std::move(text);
}

void ThrowWindow::requestScreenUpdate(ScreenUpdate code)
{
    // A corrected screen comes back through the screen calculator and recalculates this
    // window; should the correction itself be refused again, stop rather than hand the same
    // screen back and forth for ever.
    if (m_corrections >= MaxCorrections)
        return;
    ++m_corrections;
    m_state.screenUpdateCode = code;
    m_host.pressUpdateScreen();
    --m_corrections;
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
    selectPosition(m_restorePosition.value_or(static_cast<int>(m_state.mountPosition)));
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
        if (mapping.withTips && !m_state.expertMode) {
            TipsWindow tips(m_state.selection.series, m_state.screen.width, m_state.ringSettings);
            m_dialogs.showTips(tips);
        }
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

void ThrowWindow::toggleTooltips()
{
    m_state.tipsEnabled = !m_state.tipsEnabled;
    notify();
}

std::string ThrowWindow::throwAngleText() const
{
    if (!m_state.selection.isCrt())
        return {};
    return formatSingle(static_cast<float>(m_state.throwAngle));
}

void ThrowWindow::recalc()
{
    recalculate();
    rewriteFields();
    notify();
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
    if (check.outcome == LimitOutcome::OutOfRange) {
        resetScreen(check.aspectToFourByThree);
    } else {
        // The screen calculator shows the 4:3 preset and keeps the height.
        if (check.aspectToFourByThree)
            m_state.screen.aspect = 4.0f / 3.0f;
        requestScreenUpdate(ScreenUpdate::SnapAspect);
    }
    return false;
}

void ThrowWindow::recalculate()
{
    if (!checkCapabilities())
        return; // the corrected screen comes back through the screen calculator
    const Drawing previousDrawing = m_drawing;
    const std::int16_t previousScale = m_state.drawingScale;
    m_state.drawingScale = DefaultScale;
    m_drawing = Drawing::layout();
    if (m_state.customAngleActive)
        setNotes(" NOTE: Projector Tilt shown may not be correct.", NoteColour::Red);

    const bool data = !m_state.selection.isCrt();
    double frontDistance = 0; // the distance that places the pictures (lens front)
    bool showTips = false;
    if (data) {
        const ThrowResult r = calculateThrow();
        frontDistance = r.zoom ? r.throwFar : r.throwDistance;
        fitDrawing(frontDistance, true);
    } else {
        const CrtOutcome outcome = calculateCrt();
        if (outcome == CrtOutcome::Unchanged) {
            m_drawing = previousDrawing;
            m_state.drawingScale = previousScale;
            notify();
            return;
        }
        if (outcome == CrtOutcome::ScreenChanged)
            return; // the new screen comes back through the screen calculator
        showTips = outcome == CrtOutcome::ShowTips;
        frontDistance = m_state.throwDistance;
        fitDrawing(frontDistance, false);
    }
    const double holeOffset = applyThrowPoint();

    // Vertical placement; a drawing too tall for the frame is drawn at half the scale.
    const PictureGeometry &picture = pictureOf(m_state.selection);
    MountPosition position = m_state.mountPosition;
    int lensOffset = 0;
    if (data) {
        lensOffset = lensOffsetInches(m_state.selection, m_state.screen.diagonal,
                                      m_state.screen.aspect, m_state.inputSignal);
    } else {
        // A CRT throws at its angle: the lens stands that far above or below the centre.
        const double angle = m_state.throwAngle;
        if (m_state.customAngleActive)
            position = angle < 0   ? MountPosition::Top
                       : angle > 0 ? MountPosition::Bottom
                                   : MountPosition::Center;
        const double rise = std::tan(std::abs(angle) * DegToRad) * m_state.throwDistance;
        lensOffset = std::isfinite(rise) ? static_cast<int>(roundHalfEven(std::min(rise, 1e6))) : 0;
    }
    VerticalPlacement v;
    for (;;) {
        v = placeVertically(position, picture, m_state.screen.height, m_state.drawingScale,
                            lensOffset);
        if (v.fits || m_state.drawingScale <= 1)
            break;
        m_state.drawingScale = std::max<std::int16_t>(nearestScale(m_state.drawingScale * 0.5), 1);
        fitDrawing(frontDistance, false);
    }
    drawScreen(v);
    if (data)
        drawDataProjector(v, picture, holeOffset);
    else
        drawCrtProjector(v, picture);
    drawRulers();

    const Unit units = m_state.screen.displayUnits;
    m_distanceText = formatLength(
        m_state.selection.isCrt() && m_focusRounded ? *m_focusRounded : m_state.throwDistance,
        units);
    m_drawing.hdimbox.caption = m_distanceText;
    m_frameTitle = frameTitleOf(m_state.selection);
    m_lensLabel = lensLabelOf(m_state.selection);
    m_aspectModeCaption.clear();
    if (m_state.selection.isModel(Model::LX530))
        m_aspectModeCaption =
            m_state.sxgaAspectMode == 0 ? "4:3 on 4:3 screen" : "5:4 on 4:3 screen";
    // The size fields show the screen these distances are for, also when the screen calculator
    // changed it without handing it over (a lens chosen after a spinner was stepped).
    rewriteFields();
    notify();

    if (showTips && !m_state.expertMode) {
        TipsWindow tips(m_state.selection.series, m_state.screen.width, m_state.ringSettings);
        m_dialogs.showTips(tips);
    }
}

void ThrowWindow::refuseScreen()
{
    m_dialogs.message(OutOfRangeMessage, MessageIcon::Critical, {});
    resetScreen();
}

void ThrowWindow::resetScreen(bool fourByThree)
{
    // A refused screen becomes a 100 inch diagonal at the ratio in force. When that screen is
    // refused too (a ratio just under 4:3 on an LX-550 lens whose least width is 80 inches), or
    // no correction is left to hand it back with, the reset takes 4:3: 100/80/60 inches, which
    // every projector and lens fills, and which stays consistent even if it is not handed back.
    ScreenState &s = m_state.screen;
    if (m_resetting || m_corrections >= MaxCorrections)
        fourByThree = true;
    if (fourByThree && s.aspect != 4.0f / 3.0f) {
        s.aspect = 4.0f / 3.0f;
        m_host.adoptAspect(); // the screen calculator shows the 4:3 preset
    }
    s.height = 60.0f;
    s.width = 80.0f;
    s.diagonal = 100.0f;
    m_state.enteredThrowDistance = 0.0f;
    const bool outerReset = !m_resetting;
    m_resetting = true;
    requestScreenUpdate(ScreenUpdate::FromDiagonal);
    if (outerReset)
        m_resetting = false;
}

void ThrowWindow::takeWidth(float width)
{
    // The width that fills the typed distance goes to the screen calculator, which completes
    // the screen and recalculates this window from it.
    m_state.screen.width = width;
    m_state.enteredThrowDistance = 0.0f;
    requestScreenUpdate(ScreenUpdate::FromWidth);
}

ThrowWindow::CrtOutcome ThrowWindow::calculateCrt()
{
    m_focusRounded.reset();
    const Series series = m_state.selection.series;
    const float width = m_state.screen.width;
    const float typed = m_state.enteredThrowDistance;
    switch (series) {
    case Series::CR7300:
    case Series::CR7400: {
        const int n = series == Series::CR7300 ? 1 : 2;
        const FocusRecord &record = m_focus.record(n);
        // Only an accepted custom angle counts: a refused one stays in the prompt's answer
        // while "&Special" stays checked, and must not steer the lens.
        const FocusAngleInput angle{m_state.customAngleActive, m_state.throwAngle,
                                    m_state.mountPosition == MountPosition::Center};
        if (typed > 0) {
            const FocusWidthResult w = FocusWidthFromDistance(record, n, typed, angle);
            m_state.throwDistance = typed;
            if (!(w.width > 0) || !std::isfinite(w.width)) {
                refuseScreen();
                return CrtOutcome::ScreenChanged;
            }
            takeWidth(w.width);
            return CrtOutcome::ScreenChanged;
        }
        const FocusThrowResult r = FocusThrowDistance(record, width, angle);
        for (int i = 0; i < r.dataOutOfRangeCount; ++i)
            m_dialogs.message(DataOutOfRangeMessage, MessageIcon::None, {});
        m_state.throwAngle = r.throwAngle;
        if (r.focusAngleOutOfRange) {
            m_dialogs.message("Focus Angle out of range.  \rScreen size will now be reset.",
                              MessageIcon::None, {});
            m_sizeTexts[index(Dimension::Diagonal)] = "100";
            m_state.screen.diagonal =
                static_cast<float>(toInches("100", m_state.screen.displayUnits));
            requestScreenUpdate(ScreenUpdate::FromDiagonal);
            return CrtOutcome::ScreenChanged;
        }
        m_state.throwDistance = r.distanceInches;
        m_focusRounded = r.roundedDistance;
        return CrtOutcome::Calculated;
    }
    case Series::CR7100:
    case Series::CR7200: {
        const Crt7100Angle a = crt7100Angle(series, static_cast<int>(m_state.mountPosition),
                                            m_state.customAngleActive, m_state.throwAngle);
        if (a.refused) {
            m_dialogs.message(a.message, MessageIcon::None, {});
            return CrtOutcome::Unchanged;
        }
        m_state.throwAngle = a.throwAngle;
        if (typed > 0) {
            const Crt7100Reverse r = crt7100Reverse(typed, a.A, m_state.customAngleActive);
            if (r.refused) {
                refuseScreen();
                return CrtOutcome::ScreenChanged;
            }
            m_state.throwDistance = r.distance;
            takeWidth(r.width);
            return CrtOutcome::ScreenChanged;
        }
        const auto forward = crt7100Forward(width, a.A, m_state.customAngleActive);
        if (!forward) {
            refuseScreen();
            return CrtOutcome::ScreenChanged;
        }
        m_state.throwDistance = forward->distance;
        m_state.focusParameter = forward->focusParameter;
        for (const auto &pair : {forward->rings12, forward->rings34}) {
            if (!pair)
                m_dialogs.message(RingInvalidMessage, MessageIcon::None, RingInvalidTitle);
        }
        forward->applyRings(m_state.ringSettings);
        m_state.ringsSet = true;
        return series == Series::CR7100 ? CrtOutcome::ShowTips : CrtOutcome::Calculated;
    }
    case Series::CR7500: {
        const Crt7500Result r =
            CalculateCrt7500(width, typed, static_cast<int>(m_state.mountPosition));
        m_state.throwAngle = r.throwAngle;
        setNotes(r.notes, NoteColour::Black);
        m_state.throwDistance = r.distance;
        if (r.newWidth) {
            if (!(*r.newWidth > 0) || !std::isfinite(*r.newWidth)) {
                refuseScreen();
                return CrtOutcome::ScreenChanged;
            }
            takeWidth(*r.newWidth);
            return CrtOutcome::ScreenChanged;
        }
        return CrtOutcome::Calculated;
    }
    }
    return CrtOutcome::Calculated;
}

ThrowResult ThrowWindow::calculateThrow()
{
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
    return r;
}

int ThrowWindow::drawX(double distance) const
{
    const double x = roundHalfEven(ScreenPlaneX - m_state.drawingScale * distance);
    if (std::isnan(x))
        return 0;
    return static_cast<int>(std::clamp(x, -1e9, 1e9));
}

void ThrowWindow::fitDrawing(double distance, bool mayGrow)
{
    // Scale the drawing so that the projector stands inside it: smaller while it falls off
    // the left edge, larger while it huddles against the screen. The scale never goes below
    // one twip per inch; a projector that still does not fit is drawn at the edge.
    const int minimumX = m_state.selection.isCrt() ? pictureOf(m_state.selection).width
                                                   : pictureMinimumX(m_state.selection.model);
    for (;;) {
        const double x = roundHalfEven(ScreenPlaneX - m_state.drawingScale * distance);
        m_state.projectorDrawX = drawX(distance);
        if (x < minimumX) {
            const std::int16_t smaller = nearestScale(m_state.drawingScale / 1.5);
            if (smaller >= m_state.drawingScale)
                return;
            m_state.drawingScale = std::max<std::int16_t>(smaller, 1);
        } else if (mayGrow && x >= 4620 && m_state.drawingScale < 40) {
            m_state.drawingScale = nearestScale(m_state.drawingScale * 1.5);
        } else {
            return;
        }
    }
}

void ThrowWindow::drawScreen(const VerticalPlacement &v)
{
    Drawing &d = m_drawing;
    const int scale = m_state.drawingScale;
    const int top = static_cast<int>(roundHalfEven(std::clamp(v.screenTop, -1e9, 1e9)));
    const int bottom = static_cast<int>(roundHalfEven(std::clamp(v.screenBottom, -1e9, 1e9)));
    d.screen_pic.y1 = top;
    d.screen_pic.y2 = bottom;
    d.line_Vsize.y1 = top;
    d.line_Vsize.y2 = bottom;
    centreOn(d.lblVsize, d.line_Vsize);
    d.lblVsize.caption = formatLength(m_state.screen.height, m_state.screen.displayUnits);

    m_screenCentreY = static_cast<int>(roundHalfEven((top + bottom) / 2.0));
    d.line_Hcent.y1 = m_screenCentreY;
    d.line_Hcent.y2 = Drawing::FloorY;
    d.lblHcent.caption = formatLength(double(Drawing::FloorY - m_screenCentreY) / scale,
                                      m_state.screen.displayUnits);
    centreOn(d.lblHcent, d.line_Hcent);
    d.line_TD.y2 = m_screenCentreY;
}

void ThrowWindow::centreOn(DrawLabel &label, const DrawLine &line)
{
    label.left = line.x1 - label.width / 2;
    label.top = (line.y1 + line.y2) / 2 - label.height / 2;
}

void ThrowWindow::placeHeightLabel(DrawLabel &label, const DrawLine &line)
{
    // Beside its line, never below the floor line, whatever the line's length.
    centreOn(label, line);
    if (label.top + label.height > Drawing::FloorY)
        label.top = Drawing::FloorY - label.height;
    label.caption =
        formatLength(double(line.y2 - line.y1) / m_state.drawingScale, m_state.screen.displayUnits);
}

// The arrow head at the screen end of the distance line.
static void placeArrow(Drawing &d)
{
    d.imgArrow = {ArrowPicture.family,
                  0,
                  Drawing::ScreenPlaneX - ArrowPicture.width,
                  d.lineNear.y1 - ArrowPicture.height / 2,
                  ArrowPicture.width,
                  ArrowPicture.height,
                  false,
                  false,
                  true};
}

void ThrowWindow::drawCrtProjector(const VerticalPlacement &v, const PictureGeometry &picture)
{
    Drawing &d = m_drawing;
    const int mount = static_cast<int>(m_state.mountPosition);
    const int x = m_state.projectorDrawX;
    const int lensAxis = static_cast<int>(roundHalfEven(v.lensAxis));
    const int top = static_cast<int>(roundHalfEven(v.pictureTop));
    const int entry = m_state.selection.series == Series::CR7500 ? 0 : std::clamp(mount, 0, 2);
    d.nearPicture = {
        picture.family, entry, x - picture.width, top, picture.width, picture.height, v.inverted,
        false,          true};
    d.farPicture.visible = false;

    // The height lines are tied to the picture: to its top (the ceiling side) and to its
    // underside, standing just left of it.
    d.line_flr_proj = {x - picture.width - 190,
                       top + picture.height,
                       x - picture.width - 190,
                       Drawing::FloorY,
                       DrawColour::Grey,
                       LineStyle::Dot,
                       true};
    d.line_flr_ceiling = {
        d.line_flr_proj.x1 - 400, top, d.line_flr_proj.x1 - 400, Drawing::FloorY, DrawColour::Grey,
        LineStyle::Dot,           true};
    placeHeightLabel(d.lblflr_proj, d.line_flr_proj);
    placeHeightLabel(d.lblflr_ceiling, d.line_flr_ceiling);
    d.lineHoriz_flr_proj = {d.line_flr_proj.x1 - 35,
                            d.line_flr_proj.y1,
                            d.line_flr_proj.x1 - 35 + 450,
                            d.line_flr_proj.y1,
                            DrawColour::Grey,
                            LineStyle::Dot,
                            true};
    d.lineHoriz_flr_ceiling = {d.line_flr_ceiling.x1 - 35,
                               top,
                               d.line_flr_ceiling.x1 - 35 + 600,
                               top,
                               DrawColour::Grey,
                               LineStyle::Dot,
                               true};

    d.hdimbox.left = Drawing::ScreenPlaneX - (Drawing::ScreenPlaneX - x) / 2 - 308;
    d.lineNear.x1 = x;
    d.Line4[20].x1 = d.Line4[20].x2 = x;
    d.lineFlr_HTD = {
        x, d.lineHoriz_flr_proj.y1, x, d.Line4[20].y1 - 30, DrawColour::Grey, LineStyle::Dot, true};
    d.line_back_proj.visible = false;
    d.line_TD = {x,
                 lensAxis,
                 Drawing::ScreenPlaneX,
                 m_screenCentreY,
                 DrawColour::DarkGrey,
                 LineStyle::DashDot,
                 true};
    d.lineCeiling = {0, top, 9000, top, DrawColour::Grey, LineStyle::Dash, true};

    // Which heights the mounting position calls for.
    const bool ceiling = mount == 0;
    const bool floor = mount == 2;
    d.line_flr_proj.visible = d.lblflr_proj.visible = d.lineHoriz_flr_proj.visible = !floor;
    d.lineFlr_HTD.visible = !floor;
    d.lineCeiling.visible = ceiling;
    if (top > d.screen_pic.y1) {
        d.lineCeiling.visible = false;
        d.line_Hcent.visible = false;
        d.lblHcent.visible = false;
    }
    d.lineFar.visible = false;
    d.Line4[24].visible = false;
    d.Label1[14].visible = d.Label1[15].visible = false;
    d.txtHTDFar.visible = false;
    m_farText.clear();
    placeArrow(d);
}

void ThrowWindow::drawDataProjector(const VerticalPlacement &v, const PictureGeometry &picture,
                                    double holeOffset)
{
    Drawing &d = m_drawing;
    const Selection &s = m_state.selection;
    const bool zoom = lensEntry(s).kind == LensKind::Zoom;
    const int mount = static_cast<int>(m_state.mountPosition);
    const int lensAxis = static_cast<int>(roundHalfEven(v.lensAxis));
    const int pictureTop = static_cast<int>(roundHalfEven(v.pictureTop));

    // Lens-front positions; with the installation hole chosen the dimension lines start at
    // the hole, the model's own offset behind the lens front.
    const double nearFront = zoom ? m_state.throwNear : m_state.throwDistance - holeOffset;
    const double farFront = zoom ? m_state.throwFar - holeOffset : nearFront;
    const int nearX = drawX(nearFront);
    const int nearStart = drawX(nearFront + holeOffset);
    const int farX = drawX(farFront);
    const int farStart = drawX(farFront + holeOffset);

    // Pictures: the near (or only) position, and a ghost at the farthest position.
    int nearEntry = 0;
    const std::string_view family = picture.family;
    if (family == "imgLX460" || family == "imgLX510" || family == "imgLX550")
        nearEntry = mount == 1 ? 1 : 0;
    else if (family == "imgLX540")
        nearEntry = mount == 0 ? 0 : 1;
    else if (family == "Image2")
        nearEntry = (!zoom && mount != 0) ? 1 : 0;
    else if (family == "imgLX450")
        nearEntry = s.lens == 2 ? 1 : 0;
    d.nearPicture = {family,     nearEntry,     nearX - picture.width,
                     pictureTop, picture.width, picture.height,
                     v.inverted, false,         true};
    d.farPicture = {family,        holeOffset > 0 ? 3 : 2, farX - picture.width, pictureTop,
                    picture.width, picture.height,         v.inverted,           true,
                    zoom};

    // Common dimension pass.
    d.line_TD = {nearX,
                 lensAxis,
                 Drawing::ScreenPlaneX,
                 m_screenCentreY,
                 DrawColour::DarkGrey,
                 LineStyle::DashDot,
                 true};
    d.lineNear.x1 = nearStart;
    d.Line4[20].x1 = d.Line4[20].x2 = nearStart;
    d.hdimbox.left = Drawing::ScreenPlaneX - (Drawing::ScreenPlaneX - nearStart) / 2 - 308;

    // Height dimensions stand beside the projector, on the side with room.
    const int side =
        nearX + 700 > d.screen_pic.x1 - 250 ? nearX - picture.width - 700 : nearX + 700;
    d.line_flr_proj = {side,           pictureTop, side, Drawing::FloorY, DrawColour::Grey,
                       LineStyle::Dot, true};
    placeHeightLabel(d.lblflr_proj, d.line_flr_proj);
    d.lineFlr_HTD = {std::min(side, nearX - picture.width),
                     pictureTop,
                     std::max(side, nearX),
                     pictureTop,
                     DrawColour::Grey,
                     LineStyle::Dot,
                     true};
    d.lineHoriz_flr_proj.visible = false;
    d.line_flr_ceiling.visible = false;
    d.lblflr_ceiling.visible = false;
    d.lineCeiling = {0,          pictureTop,       Drawing::ScreenPlaneX,
                     pictureTop, DrawColour::Grey, LineStyle::Dash,
                     v.inverted};

    // Extension line from the near picture down to its dimension line.
    d.lineHoriz_flr_ceiling = {nearStart,
                               pictureTop + picture.height + 40,
                               nearStart,
                               d.lineNear.y1 - 40,
                               DrawColour::Grey,
                               LineStyle::Dot,
                               true};

    // The farthest position of a zoom lens.
    d.lineFar.visible = zoom;
    d.lineFar.x1 = farStart;
    d.Line4[24] = {farStart, 4800, farStart, 5130, DrawColour::Black, LineStyle::Solid, zoom};
    d.Label1[14].left = nearStart + 40;
    d.Label1[15].left = farStart + 40;
    d.Label1[14].visible = d.Label1[15].visible = zoom;
    m_farText = zoom ? formatLength(m_state.throwFar, m_state.screen.displayUnits) : std::string{};
    d.txtHTDFar.caption = m_farText;
    d.txtHTDFar.visible = zoom;
    d.txtHTDFar.left = farStart + (nearStart - farStart) / 2 - d.txtHTDFar.width / 2;
    d.txtHTDFar.top = d.lineFar.y1 - d.txtHTDFar.height - 20;
    d.line_back_proj = {farStart,          pictureTop + picture.height + 40,
                        farStart,          d.lineFar.y1 - 40,
                        DrawColour::Grey,  LineStyle::Dot,
                        zoom && mount == 0};

    placeArrow(d);

    if (zoom) {
        setNotes("Projector can be positioned anywhere along the line indicated.",
                 NoteColour::Blue);
    }
}

void ThrowWindow::drawRulers()
{
    // The ticks never move; their numbers follow the scale and the units.
    const double across = 60.0 * 20 / m_state.drawingScale;
    const double up = 30.0 * 20 / m_state.drawingScale;
    for (int k = 1; k <= 13; ++k) {
        if (k == 7)
            continue;
        const double inches = k < 7 ? k * across : (k - 7) * up;
        std::string caption;
        switch (m_state.screen.displayUnits) {
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
        m_drawing.Label1[static_cast<std::size_t>(k)].caption = caption;
    }
}

double ThrowWindow::applyThrowPoint()
{
    if (!m_state.throwPointPending) {
        m_checkedThrowPoint = 0; // every other recalculation measures from the lens front
        return 0;
    }
    m_state.throwPointPending = false;
    if (m_checkedThrowPoint != 1)
        return 0;
    const Selection &s = m_state.selection;
    const double offset =
        s.isCrt() ? seriesEntry(s.series).holeOffset : modelEntry(s.model).holeOffset;
    m_state.throwDistance += offset;
    if (!s.isCrt() && lensEntry(s).kind == LensKind::Zoom)
        m_state.throwFar = static_cast<float>(m_state.throwFar + offset);
    return offset;
}

} // namespace lumidex

namespace lumidex {

void ThrowWindow::storePage()
{
    PageRecord &page = m_project.page(m_currentPage);
    for (PageText t : {PageText::Author, PageText::Date, PageText::Title, PageText::ApprovedBy,
                       PageText::Approval2, PageText::Notes, PageText::Revision})
        page.text(t) = titleText(t);
    page.text(PageText::WidthText) = m_sizeTexts[index(Dimension::Width)];
    page.text(PageText::HeightText) = m_sizeTexts[index(Dimension::Height)];
    const ScreenState &s = m_state.screen;
    page.screenWidth = s.width;
    page.aspectRatio = s.aspect;
    page.projectorCode = projectorCodeOf(m_state.selection);
    page.screenPosition = m_state.customAngleActive ? CustomAnglePosition
                                                    : static_cast<std::int16_t>(m_checkedPosition);
    page.placementAngle = static_cast<float>(m_state.throwAngle);
    page.widthUnit = static_cast<std::int16_t>(unitIndex(s.widthUnit));
    page.heightUnit = static_cast<std::int16_t>(unitIndex(s.heightUnit));
    page.diagonalUnit = static_cast<std::int16_t>(unitIndex(s.diagonalUnit));
    page.measureUnits = static_cast<std::int16_t>(unitIndex(s.displayUnits));
    page.inputSignal = m_state.inputSignal;
    page.throwPoint = static_cast<std::int16_t>(m_checkedThrowPoint);
    page.sxgaAspectMode = m_state.sxgaAspectMode;
}

void ThrowWindow::loadPage(int number)
{
    const PageRecord &page = m_project.page(number);
    for (PageText t : {PageText::Author, PageText::Date, PageText::Title, PageText::ApprovedBy,
                       PageText::Approval2, PageText::Notes, PageText::Revision})
        m_titleTexts[static_cast<std::size_t>(t)] = page.texts[static_cast<std::size_t>(t)];
    m_notesColour = NoteColour::Black;
    m_sizeTexts[index(Dimension::Width)] = page.texts[std::size_t(PageText::WidthText)];
    m_sizeTexts[index(Dimension::Height)] = page.texts[std::size_t(PageText::HeightText)];

    ScreenState &s = m_state.screen;
    // A width that is no number is reset by the screen calculator's range check.
    s.width = std::isfinite(page.screenWidth) ? page.screenWidth : 0.0f;
    // A stored ratio the program would not take (zero, no number, far too narrow or wide) can
    // only come from a damaged file: 4:3 stands in.
    s.aspect = isAcceptedAspectRatio(page.aspectRatio) ? page.aspectRatio : 4.0f / 3.0f;
    s.widthUnit = unitFromIndex(page.widthUnit);
    s.heightUnit = unitFromIndex(page.heightUnit);
    s.diagonalUnit = unitFromIndex(page.diagonalUnit);
    s.displayUnits = unitFromIndex(page.measureUnits);
    m_state.inputSignal = page.inputSignal;
    // A damaged file may name a signal the model's list does not have: take the first.
    if (const auto code = selectionFromProjectorCode(page.projectorCode); code && !code->isCrt()) {
        const auto count = static_cast<int>(modelEntry(code->model).inputSignals.size());
        if (count > 0 && (page.inputSignal < 1 || page.inputSignal > count))
            m_state.inputSignal = 1;
    }
    m_state.sxgaAspectMode = page.sxgaAspectMode;

    // The stored selection is chosen again as from the menu, re-applying the stored mounting
    // position (a custom angle included) without asking anything.
    m_state.restoringSelection = true;
    if (page.screenPosition == CustomAnglePosition) {
        // A damaged file may hold no number here; the angle prompt's default stands in.
        m_state.throwAngle = std::isfinite(page.placementAngle) ? page.placementAngle : 14.0;
        m_restorePosition = CustomAnglePosition;
    } else {
        m_state.mountPosition =
            static_cast<MountPosition>(std::clamp<int>(page.screenPosition, 0, 3));
    }
    if (const auto selection = selectionFromProjectorCode(page.projectorCode)) {
        if (selection->isCrt())
            selectSeries(selection->series);
        else
            selectLens(selection->model, selection->lens);
    }
    m_restorePosition.reset();
    m_state.restoringSelection = false;

    m_checkedThrowPoint = page.throwPoint == 1 ? 1 : 0;
    m_state.throwPointPending = m_checkedThrowPoint == 1;
    m_host.adoptAspect();
    requestScreenUpdate(ScreenUpdate::FromWidth);
}

void ThrowWindow::addPage()
{
    // A new page starts as a copy of the page left, with its own note.
    m_project.setPageCount(m_project.pageCount() + 1);
    m_currentPage = m_project.pageCount();
    setNotes(std::string(NewPageNotes), NoteColour::Black);
    storePage();
}

void ThrowWindow::pageButton(int index)
{
    storePage();
    const int next = m_currentPage + (index == 1 ? 1 : -1);
    if (next < 1 || next > MaxPages) {
        notify();
        return;
    }
    if (next > m_project.pageCount()) {
        addPage();
    } else {
        m_currentPage = next;
        loadPage(next);
    }
    notify();
}

void ThrowWindow::pageScroll(int value)
{
    // Every value 1 to 99 is an ordinary page number; the scroll bar always shows the page
    // the window holds.
    if (value < 1 || value > MaxPages || value == m_currentPage)
        return;
    storePage();
    if (value <= m_project.pageCount()) {
        m_currentPage = value;
        loadPage(value);
    } else {
        addPage();
    }
    notify();
}

void ThrowWindow::newProject()
{
    m_caption = "Installation dimensions";
    m_projectFileName.clear();
    m_state.customAngleActive = false;
    m_state.enteredThrowDistance = 0.0f;
    m_titleTexts[std::size_t(PageText::Date)] = todayText();
    m_titleTexts[std::size_t(PageText::Title)] = NewProjectTitle;
    m_titleTexts[std::size_t(PageText::Author)] = NewProjectAuthor;
    for (PageText t : {PageText::ApprovedBy, PageText::Approval2, PageText::Notes})
        m_titleTexts[static_cast<std::size_t>(t)].clear();
    m_notesColour = NoteColour::Black;
    selectSeries(Series::CR7300);
    m_state.expertMode = false;

    std::string trailer = m_project.trailerText; // kept: nothing in the program edits it
    m_project = lumidex::newProject(todayText());
    m_project.trailerText = std::move(trailer);
    m_currentPage = 1;

    ScreenState &s = m_state.screen;
    s.height = 60.0f;
    s.width = 80.0f;
    s.diagonal = 120.0f;
    s.aspect = 4.0f / 3.0f;
    s.displayUnits = Unit::Inches;
    m_host.applyFirstAspectPreset();
    recalc();
    storePage();
}

void ThrowWindow::openProject()
{
    const std::optional<std::string> path = m_dialogs.openFileName();
    if (!path) {
        m_projectFileName.clear();
        return;
    }
    if (*path == "*.lmx" || *path == "*.LMX")
        return;
    openProjectFile(*path);
}

bool ThrowWindow::openProjectFile(const std::string &path)
{
    std::string error;
    std::optional<Project> opened = lumidex::openProjectFile(path, &error);
    if (!opened) {
        // Nothing of the project in memory changes.
        m_dialogs.message(error, MessageIcon::Exclamation, {});
        return false;
    }
    m_project = std::move(*opened);
    m_projectFileName = path;
    m_caption = std::filesystem::path(path).filename().string();
    m_currentPage = 1;
    loadPage(1);
    notify();
    return true;
}

bool ThrowWindow::saveTo(const std::string &path)
{
    std::string error;
    if (!saveProjectFile(path, m_project, &error)) {
        m_dialogs.message(error, MessageIcon::Exclamation, {});
        return false;
    }
    m_projectFileName = path;
    m_caption = std::filesystem::path(path).filename().string();
    notify();
    return true;
}

void ThrowWindow::saveProject()
{
    storePage();
    const auto first = m_projectFileName.find_first_not_of(' ');
    if (first != std::string::npos) {
        saveTo(m_projectFileName);
        return;
    }
    saveProjectAs();
}

void ThrowWindow::saveProjectAs()
{
    storePage();
    const std::optional<std::string> path = m_dialogs.saveFileName();
    if (!path) {
        m_projectFileName.clear();
        return;
    }
    if (*path == "*.lmx" || *path == "*.LMX")
        return;
    saveTo(*path);
}

void ThrowWindow::closeWindow()
{
    m_state.expertMode = false;
}

} // namespace lumidex
