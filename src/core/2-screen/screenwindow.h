#pragma once

// The screen calculator window (the main window) as plain state: what each field, label,
// button, menu item and the preview show, and how they react to the user's actions. The Qt
// window only displays this state and forwards actions; the command-line tool and the tests
// drive it directly.

#include "1-state/dialogs.h"
#include "1-state/installationstate.h"
#include "1-state/keys.h"
#include "1-state/startoptions.h"
#include "1-state/translation.h"
#include "2-screen/screenmodel.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace lumidex {

// What the screen calculator needs from the program around it.
class ScreenWindowHost
{
public:
    virtual ~ScreenWindowHost() = default;
    // Create the installation window if needed, make it recalculate from the shared state and
    // show it (modeless).
    virtual void showInstallationWindow() = 0;
};

// How the installation window asks for the screen it changed to be completed: recomputed from
// one dimension, shown in the units chosen there, or snapped to the 4:3 or 16:9 preset.
enum class ScreenUpdate
{
    FromHeight,
    FromWidth,
    FromDiagonal,
    ReapplyUnits,
    SnapAspect,
};

// What Calc does, which its caption says: hand the screen over to the installation window,
// enter the value typed, or in Determine mode leave it (no two values typed yet) or work the
// ratio out from the two values typed.
enum class CalcMode
{
    Layout,
    ReCalculate,
    Cancel,
    Calculate,
};
std::string_view calcCaption(CalcMode mode);

struct TwipsRect
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

struct ScreenField
{
    std::string text;
    std::string label;
    bool enabled = true;
    TextColour colour = TextColour::Black;
    bool spinnerVisible = true;
};

// Which recommended size ranges the chosen projector and lens have: the catalogue knows, and
// it sits above the screen calculator.
using ScreenSizesLookup = RangeGroup (*)(const Selection &);

class ScreenWindow
{
public:
    static constexpr char KeyBackspace = lumidex::KeyBackspace;
    static constexpr char KeyEnter = lumidex::KeyEnter;
    static constexpr int PresetCount = 7;

    ScreenWindow(InstallationState &state, Dialogs &dialogs, ScreenWindowHost &host,
                 ScreenSizesLookup screenSizesOf);

    // Loading the window at start-up: the start screen, the start units and the first preset.
    void load(const StartOptions &options);

    // --- user actions ---
    // A character typed into a field. Returns true when the character goes into the field's
    // text (digits, ".", "/" and Backspace); every other key is discarded.
    bool keyPress(Dimension field, char key);
    // The field's text after the user edited it (the window keeps the editing itself). An edit
    // by any key, cut or paste starts an entry as a typed character does.
    void setFieldText(Dimension field, std::string text);
    // Escape: an entry in progress is dropped; the fields show the screen in force again.
    void cancelEntry();
    void spinUp(Dimension field);
    void spinDown(Dimension field);
    void shiftClick(Dimension field);
    void selectUnits(Unit unit);
    void cycleUnits();
    void selectPreset(int index);
    void nextPreset();
    void selectMeasurement(bool film);
    void enterDetermineMode();
    void calc();
    void toggleExpertMode();
    void toggleAlwaysOnTop();
    void toggleTooltips();
    void activate();
    // The installation window's correction of the screen it changed: recompute as asked, show
    // it and press Calc. True when Calc handed the screen over (it showed "Layout"): the
    // installation window takes it by recalculating and then calls handOverTaken(). Otherwise
    // Calc did what its caption says (entered a typed value, left Determine mode) and the
    // installation window recalculates from the screen then in force all the same.
    [[nodiscard]] bool applyCorrection(ScreenUpdate how);
    // The installation window has taken the screen Calc handed over: Calc ends.
    void handOverTaken() { notify(); }
    // A stored page brings its own ratio: check the preset that has it, or Custom with its
    // caption, without asking anything and without recomputing.
    void adoptAspect();
    // Minimised icon animation: the next of the three pictures, 0, 1, 2, 0, ...
    int nextIconFrame();

    // --- what the window shows ---
    const ScreenField &field(Dimension d) const { return m_fields[index(d)]; }
    CalcMode calcMode() const { return m_calcMode; }
    // The caption as shown: translated where a translation is in force.
    std::string calcCaption() const
    {
        return translate("ScreenWindow", lumidex::calcCaption(m_calcMode));
    }
    std::string unitsCaption() const;
    const std::string &aspectCaption() const { return m_aspectCaption; }
    bool aspectVisible() const { return m_aspectVisible; }
    bool determinePanelVisible() const { return determineMode(); }
    bool determineMode() const
    {
        return m_calcMode == CalcMode::Cancel || m_calcMode == CalcMode::Calculate;
    }
    int checkedPreset() const { return m_checkedPreset; } // -1 when none
    bool filmChecked() const { return m_film; }
    Unit checkedUnit() const { return m_state.screen.displayUnits; }
    bool alwaysOnTop() const { return m_alwaysOnTop; }
    bool tooltipsChecked() const { return m_tooltipsChecked; }
    // Preview: the frame and the outline of the checked preset (none when no preset is checked).
    static TwipsRect previewFrame();
    std::optional<TwipsRect> visibleOutline() const;
    TwipsRect outline(int preset) const;
    // How often a recomputation found the screen outside the hard limits and reset it to
    // 100/80/60 inches. The window does so without a word; the command-line tool tells a script.
    int resetCount() const { return m_resetCount; }
    // After Enter the keyboard focus moves to the Calc button; the window asks once.
    bool takeCalcFocusRequest();

    // Called after every action that changed what the window shows.
    void setChangedCallback(std::function<void()> callback) { m_changed = std::move(callback); }

    const InstallationState &state() const { return m_state; }

private:
    static std::size_t index(Dimension d) { return static_cast<std::size_t>(d); }
    void redisplay(const RangeResult &result);
    void noteEdit(Dimension d);
    void showScreenInForce();
    void applyFieldEntry(Dimension d);
    void handOff();
    RangeGroup screenSizes() const { return m_screenSizesOf(m_state.inputs.selection); }
    void applyPreset(int index);
    void applyCustomRatio();
    void finishCustomRatio();
    void checkMinAspectRatio();
    bool determineAspectRatio();
    void finishDetermineMode();
    void determineError(std::string_view text);
    void setAllLabelsPlain();
    void notify();

    InstallationState &m_state;
    Dialogs &m_dialogs;
    ScreenWindowHost &m_host;
    ScreenSizesLookup m_screenSizesOf;
    std::function<void()> m_changed;

    std::array<ScreenField, 3> m_fields;
    std::array<bool, 3> m_entered{};
    CalcMode m_calcMode = CalcMode::Layout;
    std::string m_aspectCaption{"1.33:1"};
    bool m_aspectVisible = true;
    int m_checkedPreset = 0;
    bool m_film = true;
    bool m_alwaysOnTop = false;
    bool m_tooltipsChecked = true;
    bool m_calcFocusRequest = false;
    TwipsRect m_customOutline{2020, 825, 1785, 1335};
    int m_iconFrame = 0;
    int m_resetCount = 0;
};

} // namespace lumidex
