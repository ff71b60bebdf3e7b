#include "6-installation/throwwindow.h"

#include "1-state/numbertext.h"
#include "2-screen/screenmodel.h"
#include "4-crt/tipswindow.h"
#include "5-drawing/drawingelements.h"
#include "5-drawing/labelplacer.h"

#include <algorithm>
#include <chrono>

namespace lumidex {
namespace {

constexpr std::array<std::string_view, 3> sizeDefaults{"60", "80", "100"};
constexpr std::string_view DistanceDefault = "109";
// Where the drawing's notes start: its top left corner, above everything the drawing places.
constexpr int NoticeLeft = -40;
constexpr int NoticeTop = 410;
// A corrected screen is recalculated afresh and may call for a further correction (a reset
// screen that is refused too); after this many in one action the window stops rather than hand
// the same screen back and forth for ever.
constexpr int MaxCorrections = 4;

bool typedKey(char key)
{
    return key == KeyBackspace || isSizeFieldKey(key);
}

} // namespace

std::string todayText()
{
    const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    return projectDateText(std::chrono::year_month_day{today});
}

ThrowWindow::ThrowWindow(InstallationState &state, Dialogs &dialogs, ScreenWindow &screen,
                         const FocusTables &focus)
    : m_state(state), m_dialogs(dialogs), m_screen(screen), m_focus(focus),
      m_viewScreen(state.screen)
{
    m_state.results.throwAngle = m_focus.record(1).defaultAngle;
    m_view.positionEnabled = positionsOffered(m_state.inputs.selection);
    m_view.distanceEnabled = m_state.inputs.selection.isCrt();
}

// --- telling the window ------------------------------------------------------------------------

void ThrowWindow::notify()
{
    if (m_batchDepth > 0) {
        m_changePending = true;
        return;
    }
    if (m_changed)
        m_changed();
}

void ThrowWindow::notifyPending()
{
    if (!m_changePending)
        return;
    m_changePending = false;
    if (m_changed)
        m_changed();
}

ThrowWindow::ChangeBatch::~ChangeBatch()
{
    if (--m_window.m_batchDepth == 0)
        m_window.notifyPending();
}

// --- the recalculation and its corrections ---------------------------------------------------

void ThrowWindow::recalculateAfter(std::optional<ScreenUpdate> first)
{
    bool correcting = first.has_value();
    ScreenUpdate correction = first.value_or(ScreenUpdate::FromDiagonal);
    int corrections = 0;
    bool reset = false; // a refused screen was reset in this action
    int handedOver = 0; // screens Calc handed over, each taken by the recalculation after it
    for (;;) {
        if (correcting) {
            // Out of corrections: the screen stays as corrected so far, the view as it was.
            if (corrections == MaxCorrections)
                break;
            ++corrections;
            if (m_screen.applyCorrection(correction))
                ++handedOver;
        }
        Recalculation r = lumidex::recalculate(m_state, m_focus);
        for (const MessageText &m : r.messages)
            showMessage(m);
        correcting = r.correction != ScreenCorrection::None;
        switch (r.correction) {
        case ScreenCorrection::None:
            show(std::move(r));
            break;
        case ScreenCorrection::OutOfRange:
            // Refused again after a reset, or with no correction left to hand the reset screen
            // back with, the screen takes 4:3.
            resetScreen(r.fourByThree || reset || corrections == MaxCorrections);
            reset = true;
            correction = ScreenUpdate::FromDiagonal;
            break;
        case ScreenCorrection::AspectNotice:
            // The screen calculator shows the 4:3 preset and keeps the height.
            if (r.fourByThree)
                m_state.screen.aspect = FourByThree;
            correction = ScreenUpdate::SnapAspect;
            break;
        case ScreenCorrection::TypedDistance:
            // The width that fills the typed distance; the screen calculator completes the
            // screen.
            m_state.screen.width = r.width;
            inputs().enteredThrowDistance = 0.0f;
            correction = ScreenUpdate::FromWidth;
            break;
        case ScreenCorrection::FocusAngle:
            m_state.screen.diagonal =
                static_cast<float>(toInches("100", m_state.screen.displayUnits));
            correction = ScreenUpdate::FromDiagonal;
            break;
        }
        if (!correcting)
            break;
    }
    // Calc's hand-over ends once this window has taken the screen, after every correction.
    for (; handedOver > 0; --handedOver)
        m_screen.handOverTaken();
}

void ThrowWindow::show(Recalculation &&r)
{
    m_state.results = r.results;
    inputs().throwPoint = r.view.checkedThrowPoint;
    inputs().throwPointPending = false;
    m_view = std::move(r.view);
    m_viewScreen = m_state.screen;
    // The note belongs to the installation, unless the installer wrote one of his own.
    std::string &notes = m_titleTexts[static_cast<std::size_t>(PageText::Notes)];
    if (isAutomaticNote(notes))
        notes = m_view.notices.empty() ? std::string() : m_view.notices.front().text;
    showNotices();
    endEditing();
    ++m_recalculations;
    notify();
    if (r.showTips)
        showTips();
}

void ThrowWindow::showNotices()
{
    // Every note in force is on the sheet: the one the Notes field holds there, the others
    // (all of them once the installer writes his own) in the drawing's top left corner.
    Drawing &d = m_view.drawing;
    DrawLabel hidden;
    hidden.visible = false;
    d.lblNotice.fill(hidden);
    LabelPlacer placer(d);
    // A Notes field holding no words of the installer's takes the first note.
    const bool fieldTakesFirst = isAutomaticNote(notes());
    std::size_t next = 0;
    for (std::size_t i = 0; i < m_view.notices.size(); ++i) {
        const Notice &notice = m_view.notices[i];
        if ((i == 0 && fieldTakesFirst) || notice.text == notes() || next >= d.lblNotice.size())
            continue;
        DrawLabel &label = d.lblNotice[next++];
        label.caption = notice.text;
        label.colour = notice.colour == NoteColour::Red    ? DrawColour::Red
                       : notice.colour == NoteColour::Blue ? DrawColour::Blue
                                                           : DrawColour::Black;
        label.width = paintedTextWidth(label.caption);
        label.visible = true;
        std::vector<LabelSpot> rows;
        for (int top = NoticeTop; top + LabelHeight <= Drawing::FloorY; top += LabelHeight + 5)
            rows.push_back({NoticeLeft, top, LabelHeight});
        placer.place(label, rows, nullptr);
    }
}

void ThrowWindow::showMessage(const MessageText &m)
{
    notifyPending();
    m_dialogs.message(m.text, m.icon, m.title);
}

void ThrowWindow::showTips()
{
    if (m_state.expertMode || !m_state.inputs.selection.isCrt())
        return;
    notifyPending();
    TipsWindow tips(m_state.inputs.selection.series, m_state.screen.width,
                    m_state.results.ringSettings);
    m_dialogs.showTips(tips);
}

void ThrowWindow::resetScreen(bool fourByThree)
{
    // A refused screen becomes a 100 inch diagonal at the ratio in force. When that screen is
    // refused too (a ratio just under 4:3 on an LX-550 lens whose least width is 80 inches), or
    // no correction is left to complete it with, the reset takes 4:3: 100/80/60 inches, which
    // every projector and lens fills, and which stays consistent even if it is not completed.
    ScreenState &s = m_state.screen;
    if (fourByThree && s.aspect != FourByThree) {
        s.aspect = FourByThree;
        m_screen.adoptAspect(); // the screen calculator shows the 4:3 preset
    }
    s.setSizes(ResetScreen);
    inputs().enteredThrowDistance = 0.0f;
}

void ThrowWindow::recalc()
{
    const ChangeBatch batch(*this);
    recalculate();
}

// --- the projector and its position ----------------------------------------------------------

bool ThrowWindow::askCustomAngle()
{
    const AngleAnswer answer = readAngleAnswer(
        m_dialogs.input(translate("Positions", AnglePrompt),
                        translate("Positions", AnglePromptTitle), AnglePromptDefault));
    if (answer.refusal)
        showMessage(*answer.refusal);
    if (!answer.angle)
        return false;
    // The angle is worked with as precisely as a page keeps it, so that a reopened project
    // gives the same numbers.
    const double angle = toSingle(*answer.angle);
    const Series series = inputs().selection.series;
    const AngleDecision decision = decideCustomAngle(series, angle);
    if (!decision.position) {
        showMessage(decision.refusal);
        return false;
    }
    if (decision.withTips)
        showTips();
    inputs().position = MountPosition::Special;
    inputs().customAngle = angle;
    return true;
}

void ThrowWindow::selectSeries(Series series)
{
    const ChangeBatch batch(*this);
    const MountPosition before = mountedAt(inputs());
    inputs().selection = Selection::crt(series);
    inputs().customAngle.reset();
    const MountPosition position = positionFor(inputs().selection, before);
    // Coming from a data projector at "Special", the series asks for its angle; without one
    // it stands at the top of the screen.
    if (position != MountPosition::Special || !askCustomAngle())
        inputs().position = position == MountPosition::Special ? MountPosition::Top : position;
    recalculate();
}

void ThrowWindow::selectLens(Model model, int lens)
{
    const ChangeBatch batch(*this);
    const ModelEntry &entry = modelEntry(model);
    if (lens < 0 || static_cast<std::size_t>(lens) >= entry.lenses.size())
        return;
    if (entry.asksImageAspect) {
        const int mode = m_dialogs.sxgaChoice();
        if (mode == -1) {
            notify(); // cancelled: the previous projector stays as it was
            return;
        }
        inputs().sxgaAspectMode = static_cast<std::int16_t>(mode);
    }
    const MountPosition before = mountedAt(inputs());
    inputs().selection = Selection::dataProjector(model, lens);
    inputs().customAngle.reset();
    inputs().position = positionFor(inputs().selection, before);
    if (!entry.inputSignals.empty())
        inputs().inputSignal = 1;
    recalculate();
}

void ThrowWindow::selectPosition(int index)
{
    const ChangeBatch batch(*this);
    const PositionFlags offered = positionsOffered(inputs().selection);
    if (index < 0 || index >= PositionCount || !offered[static_cast<std::size_t>(index)])
        return;
    const auto position = static_cast<MountPosition>(index);
    if (position == MountPosition::Special && inputs().selection.isCrt()) {
        // A cancelled or refused angle leaves the position in force as it was.
        if (!askCustomAngle()) {
            notify();
            return;
        }
    } else {
        inputs().position = position;
        inputs().customAngle.reset();
    }
    recalculate();
}

void ThrowWindow::selectThrowPoint(int index)
{
    const ChangeBatch batch(*this);
    if (index < 0 || index > 1 || index == static_cast<int>(inputs().throwPoint))
        return;
    inputs().throwPoint = static_cast<ThrowPoint>(index);
    inputs().throwPointPending = true;
    recalculate();
}

void ThrowWindow::selectUnits(Unit unit)
{
    const ChangeBatch batch(*this);
    m_state.screen.displayUnits = unit;
    recalculateAfter(ScreenUpdate::ReapplyUnits);
}

void ThrowWindow::cycleUnits()
{
    selectUnits(nextUnit(m_viewScreen.displayUnits));
}

void ThrowWindow::chooseInputSignal(int listIndex)
{
    const ChangeBatch batch(*this);
    const Selection &s = inputs().selection;
    if (s.isCrt() || listIndex < 0 ||
        static_cast<std::size_t>(listIndex) >= modelEntry(s.model).inputSignals.size())
        return;
    inputs().inputSignal = static_cast<std::int16_t>(listIndex + 1);
    recalculate();
}

void ThrowWindow::aspectDoubleClick()
{
    const ChangeBatch batch(*this);
    m_state.customViaButton = true;
    const Selection &s = inputs().selection;
    if (!s.isCrt() && modelEntry(s.model).aspects == AspectRule::FourThreeOnly) {
        m_dialogs.message(fourThreeOnlyMessage(modelEntry(s.model).caption), MessageIcon::Critical,
                          translate("Limits", "Notice:"));
        return;
    }
    const bool stepsPresets =
        s.isCrt() ? s.series != Series::CR7500 : modelEntry(s.model).stepsAspectPresets;
    if (stepsPresets) {
        // The screen calculator's own aspect button, which hands nothing over: recalculate so
        // that the installation never shows distances for the previous ratio.
        m_screen.nextPreset();
        recalculate();
        return;
    }
    float &aspect = m_state.screen.aspect;
    aspect = snapsToFourByThree(aspect) ? 16.0f / 9.0f : FourByThree;
    recalculateAfter(ScreenUpdate::SnapAspect);
}

void ThrowWindow::throwAngleClick()
{
    selectPosition(static_cast<int>(MountPosition::Special));
}

void ThrowWindow::toggleTooltips()
{
    m_state.tipsEnabled = !m_state.tipsEnabled;
    notify();
}

void ThrowWindow::closeWindow()
{
    m_state.expertMode = false;
}

// --- the fields --------------------------------------------------------------------------------

const std::string &ThrowWindow::sizeText(Dimension d) const
{
    const auto &typed = m_typedSize[index(d)];
    return typed ? *typed : m_view.sizeTexts[index(d)];
}

bool ThrowWindow::sizeEnabled(Dimension d) const
{
    return !m_distanceEditing && (!m_sizeEditing || *m_sizeEditing == d);
}

const std::string &ThrowWindow::distanceText() const
{
    return m_typedDistance ? *m_typedDistance : m_view.distanceText;
}

void ThrowWindow::endEditing()
{
    m_sizeEditing.reset();
    m_distanceEditing = false;
    m_typedSize = {};
    m_typedDistance.reset();
}

bool ThrowWindow::sizeKeyPress(Dimension d, char key)
{
    const ChangeBatch batch(*this);
    if (!sizeEnabled(d) || (key != KeyEnter && !typedKey(key)))
        return false;
    if (key != KeyEnter) {
        m_sizeEditing = d; // the other two wait until this one is entered
        notify();
        return true;
    }
    std::string text = sizeText(d);
    if (text.empty())
        text = sizeDefaults[index(d)];
    const ScreenUpdate completion = d == Dimension::Height  ? ScreenUpdate::FromHeight
                                    : d == Dimension::Width ? ScreenUpdate::FromWidth
                                                            : ScreenUpdate::FromDiagonal;
    m_state.screen.value(d) = static_cast<float>(toInches(text, m_state.screen.displayUnits));
    endEditing();
    recalculateAfter(completion);
    notify();
    return false;
}

void ThrowWindow::setSizeText(Dimension d, std::string text)
{
    m_typedSize[index(d)] = std::move(text);
}

bool ThrowWindow::distanceKeyPress(char key)
{
    const ChangeBatch batch(*this);
    // Only a CRT series takes a typed distance; for a data projector the box only shows.
    if (!distanceEnabled() || (key != KeyEnter && !typedKey(key)))
        return false;
    if (key != KeyEnter) {
        m_distanceEditing = true; // the size fields wait until the distance is entered
        notify();
        return true;
    }
    std::string text = distanceText();
    if (text.empty())
        text = DistanceDefault;
    inputs().enteredThrowDistance = static_cast<float>(toInches(text, m_state.screen.displayUnits));
    // The distance is worked out for the position in force, a custom angle included.
    endEditing();
    recalculate();
    notify();
    return false;
}

void ThrowWindow::setDistanceText(std::string text)
{
    m_typedDistance = std::move(text);
}

void ThrowWindow::setTitleText(PageText field, std::string text)
{
    m_titleTexts[static_cast<std::size_t>(field)] = std::move(text);
    if (field == PageText::Notes)
        showNotices();
}

// --- pages and projects ------------------------------------------------------------------------

void ThrowWindow::takeStoredInputs(const InstallationInputs &stored)
{
    InstallationInputs in = stored;
    in.enteredThrowDistance = 0.0f;
    const Selection &s = in.selection;
    // A damaged file may name a signal the model's list does not have: take the first.
    if (!s.isCrt()) {
        const auto count = static_cast<int>(modelEntry(s.model).inputSignals.size());
        if (count > 0 && (in.inputSignal < 1 || in.inputSignal > count))
            in.inputSignal = 1;
    }
    if (in.customAngle && s.isCrt()) {
        // An angle the series would not take (a damaged or an old file) is refused as the
        // prompt would refuse it; the projector stands at the top of the screen.
        const AngleDecision decision = decideCustomAngle(s.series, *in.customAngle);
        if (!decision.position) {
            showMessage(decision.refusal);
            in.customAngle.reset();
            in.position = MountPosition::Top;
        } else {
            in.position = MountPosition::Special;
        }
    } else {
        in.customAngle.reset();
        // "Special" without an angle is no position for a CRT series.
        const MountPosition p = positionFor(s, in.position);
        in.position = s.isCrt() && p == MountPosition::Special ? MountPosition::Top : p;
    }
    // The hole counts in the recalculation that shows the page.
    in.throwPointPending = in.throwPoint == ThrowPoint::InstallationHole;
    m_state.inputs = in;
}

void ThrowWindow::restore(const InstallationInputs &stored)
{
    const ChangeBatch batch(*this);
    takeStoredInputs(stored);
    endEditing();
    m_screen.adoptAspect();
    recalculateAfter(ScreenUpdate::FromWidth);
}

void ThrowWindow::setTitleTexts(const PageTexts &texts)
{
    for (PageText t : TitleBlockTexts)
        m_titleTexts[static_cast<std::size_t>(t)] = texts[static_cast<std::size_t>(t)];
    showNotices();
}

void ThrowWindow::startNewProject()
{
    const ChangeBatch batch(*this);
    inputs().customAngle.reset();
    inputs().enteredThrowDistance = 0.0f;
    setTitleText(PageText::Date, todayText());
    setTitleText(PageText::Title, std::string(NewProjectTitle));
    setTitleText(PageText::Author, std::string(NewProjectAuthor));
    for (PageText t : {PageText::ApprovedBy, PageText::Approval2, PageText::Notes})
        setTitleText(t, {});

    // The screen first, so that the CR-7300 is never refused a screen of the old project;
    // and no angle is asked for: a new project starts at a position the series offers.
    ScreenState &s = m_state.screen;
    s.setSizes(StartScreen);
    s.aspect = FourByThree;
    s.displayUnits = Unit::Inches;
    const MountPosition before = mountedAt(inputs());
    inputs().selection = Selection::crt(Series::CR7300);
    const MountPosition position = positionFor(inputs().selection, before);
    inputs().position = position == MountPosition::Special ? MountPosition::Top : position;
    m_state.expertMode = false;
    m_screen.selectPreset(0);
    endEditing();
    recalculate();
}

} // namespace lumidex
