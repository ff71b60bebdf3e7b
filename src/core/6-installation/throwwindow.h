#pragma once

// The installation window ("Throw") as plain state. The installer's actions change the
// inputs of the installation (the selection, position, custom angle, throw distance point,
// typed distance, input signal); every change ends in one recalculation, which works out the
// whole view afresh from the inputs and the screen. The window keeps that view, the title
// block texts and the edit in progress of a field, nothing else. The Qt window shows this
// state; the command-line tool and the tests drive it directly.

#include "1-state/dialogs.h"
#include "1-state/installationstate.h"
#include "1-state/keys.h"
#include "2-screen/screenwindow.h"
#include "4-crt/focustables.h"
#include "6-installation/positions.h"
#include "6-installation/recalculation.h"
#include "6-installation/titleblock.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lumidex {

// Today's date as the title block writes it: month-day-year, "12-08-2026".
std::string todayText();

class ThrowWindow
{
public:
    static constexpr char KeyBackspace = lumidex::KeyBackspace;
    static constexpr char KeyEnter = lumidex::KeyEnter;
    static constexpr int PositionCount = lumidex::PositionCount;

    // The screen calculator completes every screen this window changes.
    ThrowWindow(InstallationState &state, Dialogs &dialogs, ScreenWindow &screen,
                const FocusTables &focus);

    // --- user actions ---
    void selectSeries(Series series);
    void selectLens(Model model, int lens);
    void selectPosition(int index);
    void selectThrowPoint(int index);
    void selectUnits(Unit unit);
    void cycleUnits();
    void chooseInputSignal(int listIndex);
    // A key typed into a size field (height, width, diagonal) or the throw distance box.
    // Returns true when the key goes into the field's text.
    bool sizeKeyPress(Dimension field, char key);
    void setSizeText(Dimension field, std::string text);
    bool distanceKeyPress(char key);
    void setDistanceText(std::string text);
    void aspectDoubleClick();
    void throwAngleClick();
    void toggleTooltips();
    // The installer edits a title block field.
    void setTitleText(PageText field, std::string text);
    // The title bar's close: the window hides and installer's tips appear again.
    void closeWindow();
    // The hidden recalc button: recalculate from the shared state.
    void recalc();

    // --- pages and projects ---
    // A stored installation, chosen again as it was without asking anything; an input its
    // selection does not offer falls back as a new choice of that projector would. The screen
    // (already in the shared state) is completed by the screen calculator, then recalculated.
    void restore(const InstallationInputs &inputs);
    // The same without the hand-over: the inputs are in force for the next recalculation.
    void takeStoredInputs(const InstallationInputs &inputs);
    void setTitleTexts(const PageTexts &texts);
    const PageTexts &titleTexts() const { return m_titleTexts; }
    // New Project: the title block's defaults and a CR-7300 on the 80 x 60 inch screen.
    void startNewProject();

    // --- what the window shows ---
    const InstallationView &view() const { return m_view; }
    // The screen the view was worked out for (the screen calculator may have moved on).
    const ScreenState &viewScreen() const { return m_viewScreen; }
    const std::string &sizeText(Dimension d) const;
    bool sizeEnabled(Dimension d) const;
    const std::string &distanceText() const;
    bool distanceEnabled() const { return m_view.distanceEnabled; }
    const std::string &aspectText() const { return m_view.aspectText; }
    const std::string &unitsCaption() const { return m_view.unitsCaption; }
    bool positionEnabled(int i) const { return m_view.positionEnabled[std::size_t(i)]; }
    int checkedPosition() const { return static_cast<int>(m_view.checkedPosition); }
    int checkedThrowPoint() const { return static_cast<int>(m_view.checkedThrowPoint); }
    Unit checkedUnit() const { return m_viewScreen.displayUnits; }
    bool inputSignalVisible() const { return !m_view.inputSignals.empty(); }
    const std::vector<std::string> &inputSignals() const { return m_view.inputSignals; }
    int inputSignalIndex() const { return m_view.inputSignalIndex; }
    const std::string &notes() const { return titleText(PageText::Notes); }
    const std::string &titleText(PageText field) const
    {
        return m_titleTexts[static_cast<std::size_t>(field)];
    }
    NoteColour notesColour() const { return noteColourOf(notes()); }
    const std::string &farDistanceText() const { return m_view.farText; }
    // The throw angle caption (CRT series); empty when no angle is shown.
    const std::string &throwAngleText() const { return m_view.throwAngleText; }
    const Drawing &drawing() const { return m_view.drawing; }
    const std::string &frameTitle() const { return m_view.frameTitle; }
    const std::string &lensLabel() const { return m_view.lensLabel; }
    // LX-530 only: how its screen is set up; empty otherwise.
    const std::string &aspectModeCaption() const { return m_view.aspectModeCaption; }
    // Completed recalculations so far: an edit made after the last one is still the
    // installer's own, not yet part of a worked-out view.
    std::uint64_t recalculations() const { return m_recalculations; }

    const InstallationState &state() const { return m_state; }

    // Called once for each action that changed what the window shows.
    void setChangedCallback(std::function<void()> callback) { m_changed = std::move(callback); }
    void notify();

    // One action of the installer, however many recalculations and screen corrections it goes
    // through, tells the window once, when the outermost action ends.
    class ChangeBatch
    {
    public:
        explicit ChangeBatch(ThrowWindow &window) : m_window(window) { ++m_window.m_batchDepth; }
        ~ChangeBatch();
        ChangeBatch(const ChangeBatch &) = delete;
        ChangeBatch &operator=(const ChangeBatch &) = delete;

    private:
        ThrowWindow &m_window;
    };

private:
    static std::size_t index(Dimension d) { return static_cast<std::size_t>(d); }
    InstallationInputs &inputs() { return m_state.inputs; }
    void recalculate() { recalculateAfter(std::nullopt); }
    // The screen corrected first when asked, then the recalculation with the corrections it
    // calls for in turn.
    void recalculateAfter(std::optional<ScreenUpdate> first);
    void show(Recalculation &&r);
    bool askCustomAngle();
    void showMessage(const MessageText &m);
    void showNotices();
    void showTips();
    void resetScreen(bool fourByThree);
    void endEditing();
    // What the installer sees before a message or the tips window is the state so far.
    void notifyPending();

    InstallationState &m_state;
    Dialogs &m_dialogs;
    ScreenWindow &m_screen;
    const FocusTables &m_focus;

    InstallationView m_view;
    ScreenState m_viewScreen;
    PageTexts m_titleTexts{std::string(NewProjectAuthor), todayText(),
                           std::string(NewProjectTitle)};
    // An edit in progress: the field being typed into disables the others until Enter, and
    // a text typed but not yet entered is shown instead of the worked-out one.
    std::optional<Dimension> m_sizeEditing;
    bool m_distanceEditing = false;
    std::array<std::optional<std::string>, 3> m_typedSize;
    std::optional<std::string> m_typedDistance;
    std::uint64_t m_recalculations = 0;
    std::function<void()> m_changed;
    int m_batchDepth = 0;
    bool m_changePending = false;
};

} // namespace lumidex
