#include "2-screen/screenwindow.h"

#include "1-state/numbertext.h"
#include "1-state/translation.h"

#include <cmath>

namespace lumidex {
namespace {

constexpr std::array<std::string_view, 3> plainLabels{
    LUMIDEX_TRANSLATE_NOOP("ScreenWindow", "&Height"),
    LUMIDEX_TRANSLATE_NOOP("ScreenWindow", "&Width"),
    LUMIDEX_TRANSLATE_NOOP("ScreenWindow", "&Diagonal")};
constexpr std::array<std::string_view, 3> defaultTexts{"60", "80", "100"};
constexpr std::array<std::string_view, 3> unitSuffixes{
    LUMIDEX_TRANSLATE_NOOP("ScreenWindow", ": Inch"),
    LUMIDEX_TRANSLATE_NOOP("ScreenWindow", ": Ft"), LUMIDEX_TRANSLATE_NOOP("ScreenWindow", ": mm")};

constexpr std::array<TwipsRect, 6> presetOutlines{{
    {2020, 825, 1785, 1335},
    {1798, 825, 2220, 1335},
    {1725, 825, 2370, 1335},
    {1725, 855, 2370, 1275},
    {1725, 900, 2370, 1185},
    {1725, 945, 2370, 1095},
}};

// A custom ratio typed as 1.33 means 4:3 exactly.
constexpr float TypedFourByThree = 1.33f;
// Ratios under 4:3 as typed get the note on basing the throw distance on a 4:3 width.
constexpr float MinAspectNoteBelow = 1.33f;

constexpr std::string_view ValueErrorTitle =
    LUMIDEX_TRANSLATE_NOOP("ScreenWindow", "Input Value Error");
constexpr std::string_view AspectRatioError =
    LUMIDEX_TRANSLATE_NOOP("ScreenWindow", "The aspect ratio must be a positive number.");
constexpr std::string_view AspectRatioRangeError =
    LUMIDEX_TRANSLATE_NOOP("ScreenWindow", "The aspect ratio must lie between 0.01 and 100.");

// The refusal of a ratio outside what a screen may have: a ratio that is no positive number is
// told so, a positive one the range.
std::string_view ratioRefusal(float ratio)
{
    return ratio > 0.0f && std::isfinite(ratio) ? AspectRatioRangeError : AspectRatioError;
}

constexpr std::string_view MinAspectNote = LUMIDEX_TRANSLATE_NOOP(
    "ScreenWindow",
    "For aspect ratios less than 4:3, please base the throw distance on the width determined "
    "by the height desired with a 4:3 aspect ratio.\r"
    "For example, if a 100\" H x 100\" W screen is used (1:1 aspect ratio), please determine "
    "the width by entering 100\" into the height field at a 4:3 aspect ratio.  (In this "
    "example, this would give a screen width of 133\".)  Then use this width to calculate the "
    "throw distance.");

std::string tr(std::string_view sourceText)
{
    return translate("ScreenWindow", sourceText);
}

} // namespace

std::string_view calcCaption(CalcMode mode)
{
    switch (mode) {
    case CalcMode::ReCalculate:
        return LUMIDEX_TRANSLATE_NOOP("ScreenWindow", "&ReCalculate");
    case CalcMode::Cancel:
        return LUMIDEX_TRANSLATE_NOOP("ScreenWindow", "&Cancel");
    case CalcMode::Calculate:
        return LUMIDEX_TRANSLATE_NOOP("ScreenWindow", "&Calculate");
    case CalcMode::Layout:
        break;
    }
    return LUMIDEX_TRANSLATE_NOOP("ScreenWindow", "&Layout");
}

ScreenWindow::ScreenWindow(InstallationState &state, Dialogs &dialogs, ScreenWindowHost &host,
                           ScreenSizesLookup screenSizesOf)
    : m_state(state), m_dialogs(dialogs), m_host(host), m_screenSizesOf(screenSizesOf)
{
    setAllLabelsPlain();
    m_fields[index(Dimension::Height)].text = "60";
    m_fields[index(Dimension::Width)].text = "80";
    m_fields[index(Dimension::Diagonal)].text = "100";
}

void ScreenWindow::load(const StartOptions &options)
{
    m_state.expertMode = false;

    ScreenState &s = m_state.screen;
    s.setSizes(StartScreen);
    s.aspect = FourByThree;
    for (Dimension d : AllDimensions)
        m_fields[index(d)].text = formatWhole(s.value(d));

    selectUnits(options.units);
    selectPreset(0);

    m_tooltipsChecked = !options.tipsOff;
    m_state.tipsEnabled = m_tooltipsChecked;
    if (options.expertMode)
        m_state.expertMode = true;
    m_state.inputs.selection = Selection::crt(Series::CR7300);
    notify();
}

void ScreenWindow::notify()
{
    if (m_changed)
        m_changed();
}

void ScreenWindow::setAllLabelsPlain()
{
    for (Dimension d : AllDimensions)
        m_fields[index(d)].label = tr(plainLabels[index(d)]);
}

std::string ScreenWindow::unitsCaption() const
{
    switch (m_state.screen.displayUnits) {
    case Unit::Feet:
        return translate("ScreenWindow", "Units:  Feet");
    case Unit::Millimetres:
        return translate("ScreenWindow", "Units:  Millimeters");
    case Unit::Inches:
        break;
    }
    return translate("ScreenWindow", "Units:  Inches");
}

void ScreenWindow::redisplay(const RangeResult &result)
{
    if (result.reset)
        ++m_resetCount;
    for (Dimension d : AllDimensions) {
        ScreenField &f = m_fields[index(d)];
        f.text = formatDimension(m_state.screen.value(d), m_state.screen.unit(d));
        if (const auto colour = result.colours[index(d)])
            f.colour = *colour;
    }
}

bool ScreenWindow::keyPress(Dimension d, char key)
{
    if (key == KeyBackspace)
        return true;
    if (key == KeyEnter) {
        if (determineMode()) {
            calc();
            m_calcFocusRequest = true;
        } else {
            applyFieldEntry(d);
        }
        notify();
        return false;
    }
    if (!isSizeFieldKey(key))
        return false;
    noteEdit(d);
    notify();
    return true;
}

void ScreenWindow::setFieldText(Dimension d, std::string text)
{
    std::string &shown = m_fields[index(d)].text;
    if (shown == text)
        return;
    shown = std::move(text);
    // Delete, Backspace, cut and paste change the value as much as a typed digit does, so they
    // start an entry the same way: otherwise the emptied field would sit beside a "Layout" that
    // hands over the screen it no longer shows.
    noteEdit(d);
    notify();
}

void ScreenWindow::noteEdit(Dimension d)
{
    if (determineMode()) {
        m_entered[index(d)] = true;
        for (Dimension other : AllDimensions) {
            if (other == d || !m_entered[index(other)])
                continue;
            for (Dimension third : AllDimensions) {
                if (third != d && third != other)
                    m_fields[index(third)].enabled = false;
            }
            m_calcMode = CalcMode::Calculate;
        }
    } else {
        m_calcMode = CalcMode::ReCalculate;
        for (Dimension other : AllDimensions) {
            if (other != d)
                m_fields[index(other)].enabled = false;
        }
    }
}

void ScreenWindow::cancelEntry()
{
    if (m_calcMode != CalcMode::ReCalculate)
        return;
    for (Dimension d : AllDimensions) {
        ScreenField &f = m_fields[index(d)];
        f.text = formatDimension(m_state.screen.value(d), m_state.screen.unit(d));
        f.enabled = true;
    }
    m_calcMode = CalcMode::Layout;
    notify();
}

void ScreenWindow::showScreenInForce()
{
    for (Dimension d : AllDimensions) {
        ScreenField &f = m_fields[index(d)];
        const float v = m_state.screen.value(d);
        const Unit unit = m_state.screen.unit(d);
        // A field Shift+clicked to inches shows the stored value in full, which is the same
        // screen.
        if (f.text != formatDimension(v, unit) &&
            !(unit == Unit::Inches && f.text == formatSingle(v)))
            f.text = formatDimension(v, unit);
    }
}

void ScreenWindow::applyFieldEntry(Dimension d)
{
    ScreenField &f = m_fields[index(d)];
    if (f.text.empty())
        f.text = defaultTexts[index(d)];

    const double typed = leadingNumber(f.text);
    ScreenState &s = m_state.screen;
    const Unit unit = s.unit(d);
    // Inches are taken as a single-precision number as typed; feet and millimetres are
    // converted in double precision first.
    s.value(d) = unit == Unit::Inches ? static_cast<float>(typed)
                                      : static_cast<float>(unitsToInches(typed, unit));

    for (Dimension other : AllDimensions)
        m_fields[index(other)].enabled = true;
    redisplay(recomputeFrom(s, d, screenSizes()));
    m_calcMode = CalcMode::Layout;
    m_calcFocusRequest = true;
}

void ScreenWindow::spinUp(Dimension d)
{
    redisplay(stepDimension(m_state.screen, d, +1, screenSizes()));
    notify();
}

void ScreenWindow::spinDown(Dimension d)
{
    redisplay(stepDimension(m_state.screen, d, -1, screenSizes()));
    notify();
}

void ScreenWindow::shiftClick(Dimension d)
{
    ScreenState &s = m_state.screen;
    Unit &unit = s.unit(d);
    unit = nextUnit(unit);
    ScreenField &f = m_fields[index(d)];
    f.label = tr(plainLabels[index(d)]) + tr(unitSuffixes[unitIndex(unit)]);
    const float v = s.value(d);
    switch (unit) {
    case Unit::Inches:
        f.text = formatSingle(v);
        break;
    case Unit::Feet:
        f.text = formatNumber(v / InchesPerFoot, "0.0");
        break;
    case Unit::Millimetres:
        f.text = formatNumber(v * MillimetresPerInch, "0");
        break;
    }
    notify();
}

void ScreenWindow::selectUnits(Unit unit)
{
    ScreenState &s = m_state.screen;
    s.displayUnits = unit;
    for (Dimension d : AllDimensions)
        s.unit(d) = unit;
    setAllLabelsPlain();
    redisplay(recomputeFromHeight(s, screenSizes()));
    notify();
}

void ScreenWindow::cycleUnits()
{
    selectUnits(nextUnit(m_state.screen.displayUnits));
}

void ScreenWindow::selectPreset(int i)
{
    if (i < 0 || i >= PresetCount)
        return;
    applyPreset(i);
    notify();
}

void ScreenWindow::applyPreset(int i)
{
    if (i == CustomPreset) {
        applyCustomRatio();
        return;
    }
    const AspectPreset &preset = aspectPresets()[static_cast<std::size_t>(i)];
    m_checkedPreset = i;
    m_state.screen.aspect = preset.ratio;
    m_aspectCaption = m_film ? preset.filmCaption : preset.videoCaption;
    redisplay(recomputeKeepingWide(m_state.screen, screenSizes()));
}

void ScreenWindow::applyCustomRatio()
{
    if (!determineMode()) {
        const std::optional<std::string> answer =
            m_dialogs.input(translate("ScreenWindow", "Please enter aspect ratio:"),
                            translate("ScreenWindow", "Custom aspect ratio"), "1.33");
        if (!answer || answer->empty()) {
            if (m_state.customViaButton) {
                m_state.customViaButton = false;
                m_checkedPreset = CustomPreset;
                m_customOutline = outline(CustomPreset);
                redisplay(recomputeKeepingWide(m_state.screen, screenSizes()));
            }
            // Otherwise the preset checked before stays checked and nothing changes.
            return;
        }
        const float ratio = static_cast<float>(leadingNumber(*answer));
        if (!isAcceptedAspectRatio(ratio)) {
            // A ratio of zero or less would divide by zero in every recomputation, one far
            // outside 1:100 to 100:1 breaks the screen's arithmetic.
            m_state.customViaButton = false;
            m_dialogs.message(tr(ratioRefusal(ratio)), MessageIcon::Critical, tr(ValueErrorTitle));
            return;
        }
        m_state.screen.aspect = ratio;
        checkMinAspectRatio();
    }
    finishCustomRatio();
}

void ScreenWindow::finishCustomRatio()
{
    float &ratio = m_state.screen.aspect;
    if (!(ratio > KeepWidthAbove) && ratio == TypedFourByThree)
        ratio = FourByThree;
    m_aspectCaption = customAspectCaption(ratio);
    m_checkedPreset = CustomPreset;
    m_customOutline = outline(CustomPreset);
    redisplay(recomputeKeepingWide(m_state.screen, screenSizes()));
}

void ScreenWindow::checkMinAspectRatio()
{
    if (m_state.screen.aspect < MinAspectNoteBelow && m_state.tipsEnabled)
        m_dialogs.message(tr(MinAspectNote), MessageIcon::None, {});
}

void ScreenWindow::nextPreset()
{
    m_state.customViaButton = true;
    if (m_checkedPreset == CustomPreset)
        applyPreset(0);
    else if (m_checkedPreset >= 0)
        applyPreset(m_checkedPreset + 1);
    notify();
}

void ScreenWindow::selectMeasurement(bool film)
{
    m_film = film;
    if (m_checkedPreset >= 0)
        applyPreset(m_checkedPreset);
    notify();
}

void ScreenWindow::enterDetermineMode()
{
    m_entered = {};
    m_calcMode = CalcMode::Cancel;
    for (ScreenField &f : m_fields) {
        f.spinnerVisible = false;
        f.colour = TextColour::Black;
        f.enabled = true;
        f.text = "???";
    }
    notify();
}

void ScreenWindow::determineError(std::string_view text)
{
    m_dialogs.message(text, MessageIcon::Critical, tr(ValueErrorTitle));
    enterDetermineMode();
}

bool ScreenWindow::determineAspectRatio()
{
    const bool w = m_entered[index(Dimension::Width)];
    const bool h = m_entered[index(Dimension::Height)];
    const std::string &wText = m_fields[index(Dimension::Width)].text;
    const std::string &hText = m_fields[index(Dimension::Height)].text;
    const std::string &dText = m_fields[index(Dimension::Diagonal)].text;
    const ScreenState &s = m_state.screen;

    double width = 0;
    double height = 0;
    if (w && h) {
        width = toInches(wText, s.widthUnit);
        height = toInches(hText, s.heightUnit);
    } else {
        // The diagonal and one side: the side must be shorter than the diagonal, both as
        // typed and once converted (the fields may show different units).
        const Dimension side = h ? Dimension::Height : Dimension::Width;
        const std::string_view sideText = h ? hText : wText;
        const double sideTyped = leadingNumber(sideText);
        const double sideInches = toInches(sideText, s.unit(side));
        const double diagonalInches = toInches(dText, s.diagonalUnit);
        if (!(sideTyped > 0.0)) {
            determineError(h ? translate("ScreenWindow", "Height must be greater than zero.")
                             : translate("ScreenWindow", "Width must be greater than zero."));
            return false;
        }
        if (!(leadingNumber(dText) > sideTyped) || !(diagonalInches > sideInches)) {
            determineError(h ? translate("ScreenWindow", "Height must be smaller than diagonal.")
                             : translate("ScreenWindow", "Width must be smaller than diagonal."));
            return false;
        }
        const double other = std::sqrt(diagonalInches * diagonalInches - sideInches * sideInches);
        (h ? height : width) = sideInches;
        (h ? width : height) = other;
    }
    if (!(width > 0.0)) {
        determineError(translate("ScreenWindow", "Width must be greater than zero."));
        return false;
    }
    if (!(height > 0.0)) {
        determineError(translate("ScreenWindow", "Height must be greater than zero."));
        return false;
    }
    const float storedWidth = static_cast<float>(width);
    const float storedHeight = static_cast<float>(height);
    const float ratio = storedWidth / storedHeight;
    if (!std::isfinite(storedWidth) || !std::isfinite(storedHeight) || !std::isfinite(ratio) ||
        !(ratio > 0.0f)) {
        determineError(translate("ScreenWindow", "The dimensions entered are too large."));
        return false;
    }
    // Refused like a typed custom ratio outside the same range.
    if (!isAcceptedAspectRatio(ratio)) {
        determineError(tr(ratioRefusal(ratio)));
        return false;
    }
    m_state.screen.width = storedWidth;
    m_state.screen.height = storedHeight;
    return true;
}

void ScreenWindow::finishDetermineMode()
{
    ScreenState &s = m_state.screen;
    s.aspect = s.width / s.height;
    checkMinAspectRatio();
    finishCustomRatio();
    for (ScreenField &f : m_fields) {
        f.enabled = true;
        f.spinnerVisible = !f.spinnerVisible;
    }
    m_calcMode = CalcMode::Layout;
    m_aspectVisible = true;
}

void ScreenWindow::calc()
{
    switch (m_calcMode) {
    case CalcMode::Cancel:
        // Nothing determined: the start screen's width and height, at their ratio.
        m_state.screen.width = StartScreen.width;
        m_state.screen.height = StartScreen.height;
        finishDetermineMode();
        break;
    case CalcMode::Calculate: {
        int entered = 0;
        for (bool e : m_entered)
            entered += e;
        if (entered < 2)
            return;
        if (!determineAspectRatio()) {
            notify();
            return;
        }
        finishDetermineMode();
        break;
    }
    case CalcMode::ReCalculate:
        for (Dimension d : AllDimensions) {
            if (m_fields[index(d)].enabled) {
                applyFieldEntry(d);
                break;
            }
        }
        break;
    case CalcMode::Layout:
        handOff();
        break;
    }
    notify();
}

void ScreenWindow::handOff()
{
    // What the installation window is given is what the fields show.
    showScreenInForce();
    if (!m_state.layoutTipShown) {
        if (!m_state.expertMode) {
            m_dialogs.message(translate("ScreenWindow", "     Projector throw distance should be \n"
                                                        "determined with the WIDEST screen used."),
                              MessageIcon::Information,
                              translate("ScreenWindow", "Installer's Tip"));
        }
        m_state.layoutTipShown = true;
    }
    m_host.showInstallationWindow();
}

void ScreenWindow::toggleExpertMode()
{
    if (!m_state.expertMode) {
        m_dialogs.message(
            translate("ScreenWindow", "           Expert Mode \nInstaller's tips will not appear."),
            MessageIcon::Information, translate("ScreenWindow", "Installer's Tip"));
        m_state.expertMode = true;
    } else {
        m_dialogs.message(
            translate("ScreenWindow", "       Normal Mode \nInstaller's tips will appear."),
            MessageIcon::Information, translate("ScreenWindow", "Installer's Tip"));
        m_state.expertMode = false;
    }
    notify();
}

void ScreenWindow::toggleAlwaysOnTop()
{
    m_alwaysOnTop = !m_alwaysOnTop;
    notify();
}

void ScreenWindow::toggleTooltips()
{
    m_tooltipsChecked = !m_tooltipsChecked;
    m_state.tipsEnabled = m_tooltipsChecked;
    notify();
}

void ScreenWindow::activate()
{
    if (m_tooltipsChecked != m_state.tipsEnabled) {
        m_tooltipsChecked = m_state.tipsEnabled;
        notify();
    }
}

bool ScreenWindow::applyCorrection(ScreenUpdate how)
{
    ScreenState &s = m_state.screen;
    switch (how) {
    case ScreenUpdate::FromHeight:
        redisplay(recomputeFromHeight(s, screenSizes()));
        break;
    case ScreenUpdate::FromWidth:
        redisplay(recomputeFromWidth(s, screenSizes()));
        break;
    case ScreenUpdate::FromDiagonal:
        redisplay(recomputeFromDiagonal(s, screenSizes()));
        break;
    case ScreenUpdate::ReapplyUnits:
        selectUnits(s.displayUnits);
        break;
    case ScreenUpdate::SnapAspect:
        if (snapsToFourByThree(s.aspect))
            applyPreset(0);
        else if (snapsToSixteenByNine(s.aspect))
            applyPreset(2);
        break;
    }
    // Calc hands over only when it shows "Layout"; in Determine mode it cancels or determines
    // and with a value typed it enters that value. Whatever it did, the installation window
    // asked and recalculates from the screen then in force.
    if (m_calcMode != CalcMode::Layout) {
        calc();
        return false;
    }
    // What the installation window is given is what the fields show; Calc ends once it has
    // taken the screen.
    showScreenInForce();
    return true;
}

void ScreenWindow::adoptAspect()
{
    const float ratio = m_state.screen.aspect;
    const auto presets = aspectPresets();
    for (std::size_t i = 0; i < presets.size(); ++i) {
        if (presets[i].ratio == ratio) {
            m_checkedPreset = static_cast<int>(i);
            m_aspectCaption = m_film ? presets[i].filmCaption : presets[i].videoCaption;
            notify();
            return;
        }
    }
    m_checkedPreset = CustomPreset;
    m_aspectCaption = customAspectCaption(ratio);
    m_customOutline = outline(CustomPreset);
    notify();
}

int ScreenWindow::nextIconFrame()
{
    const int frame = m_iconFrame;
    m_iconFrame = (m_iconFrame + 1) % 3;
    return frame;
}

TwipsRect ScreenWindow::previewFrame()
{
    return {1725, 825, 2370, 1335};
}

TwipsRect ScreenWindow::outline(int preset) const
{
    if (preset >= 0 && preset < CustomPreset)
        return presetOutlines[static_cast<std::size_t>(preset)];
    const double r = m_state.screen.aspect;
    TwipsRect rect;
    if (r > KeepWidthAbove) {
        rect.left = 1725;
        rect.width = 2370;
        rect.height = 2370 / r;
        rect.top = 1488 - rect.height / 2;
    } else {
        rect.top = 825;
        rect.height = 1335;
        rect.width = r * 1335;
        rect.left = 2915 - rect.width / 2;
    }
    return rect;
}

std::optional<TwipsRect> ScreenWindow::visibleOutline() const
{
    if (m_checkedPreset < 0)
        return std::nullopt;
    return m_checkedPreset == CustomPreset ? m_customOutline : outline(m_checkedPreset);
}

bool ScreenWindow::takeCalcFocusRequest()
{
    const bool request = m_calcFocusRequest;
    m_calcFocusRequest = false;
    return request;
}

} // namespace lumidex
