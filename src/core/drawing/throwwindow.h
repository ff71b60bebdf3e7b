#pragma once

// The installation window ("Throw") as plain state: the projector selection menus, the
// position and throw distance point menus, the size, distance and aspect fields, and the
// recalculation that turns the shared screen and selection into distances. The Qt window
// shows this state; the command-line tool and the tests drive it directly.

#include "app/dialogs.h"
#include "app/installationstate.h"
#include "catalogue/limits.h"
#include "catalogue/throwformulas.h"
#include "crt/focustables.h"
#include "drawing/drawing.h"
#include "drawing/pictures.h"
#include "drawing/placement.h"
#include "project/projectfile.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lumidex {

// What the installation window needs from the screen calculator.
class ThrowWindowHost
{
public:
    virtual ~ThrowWindowHost() = default;
    // The screen calculator's hidden update button: it recomputes by the shared update code
    // and hands back, which recalculates this window.
    virtual void pressUpdateScreen() = 0;
    // The screen calculator's aspect button: its next aspect preset.
    virtual void pressAspectChange() = 0;
    // The screen calculator's first aspect preset, as its own menu command applies it.
    virtual void applyFirstAspectPreset() = 0;
    // The screen calculator shows the ratio a stored page brought.
    virtual void adoptAspect() = 0;
};

enum class NoteColour
{
    Black,
    Red,
    Blue
};

// Today's date as the title block writes it: month-day-year, "12-08-2026".
std::string todayText();

class ThrowWindow
{
public:
    static constexpr char KeyBackspace = 8;
    static constexpr char KeyEnter = 13;
    static constexpr int PositionCount = 4;

    ThrowWindow(InstallationState &state, Dialogs &dialogs, ThrowWindowHost &host,
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

    // Pages of the project: "<" (0) and ">" (1), the page scroll bar.
    void pageButton(int index);
    void pageScroll(int value);
    void storePage();
    // File commands. Open and Save As ask for a file name; failures are reported once.
    void newProject();
    void openProject();
    bool openProjectFile(const std::string &path);
    void saveProject();
    void saveProjectAs();
    // The title bar's close: the window hides and installer's tips appear again.
    void closeWindow();
    // The hidden recalc button: recalculate and rewrite the fields from the shared state.
    void recalc();

    // --- what the window shows ---
    const std::string &sizeText(Dimension d) const { return m_sizeTexts[index(d)]; }
    bool sizeEnabled(Dimension d) const { return m_sizeEnabled[index(d)]; }
    const std::string &distanceText() const { return m_distanceText; }
    bool distanceEnabled() const { return m_distanceEnabled; }
    const std::string &aspectText() const { return m_aspectText; }
    const std::string &unitsCaption() const { return m_unitsCaption; }
    bool positionEnabled(int i) const { return m_positionEnabled[static_cast<std::size_t>(i)]; }
    int checkedPosition() const { return m_checkedPosition; }
    int checkedThrowPoint() const { return m_checkedThrowPoint; }
    Unit checkedUnit() const { return m_state.screen.displayUnits; }
    bool inputSignalVisible() const { return !m_signals.empty(); }
    const std::vector<std::string> &inputSignals() const { return m_signals; }
    int inputSignalIndex() const { return m_state.inputSignal - 1; }
    const std::string &notes() const { return m_titleTexts[std::size_t(PageText::Notes)]; }
    const std::string &titleText(PageText field) const
    {
        return m_titleTexts[static_cast<std::size_t>(field)];
    }
    // The installer edits a title block field; the Notes field turns black again.
    void setTitleText(PageText field, std::string text);
    NoteColour notesColour() const { return m_notesColour; }
    const std::string &farDistanceText() const { return m_farText; }
    int currentPage() const { return m_currentPage; }
    int pageCount() const { return m_project.pageCount(); }
    const Project &project() const { return m_project; }
    const std::string &caption() const { return m_caption; }
    const std::string &projectFileName() const { return m_projectFileName; }
    // The throw angle caption (CRT series); empty when no angle is shown.
    std::string throwAngleText() const;
    const Drawing &drawing() const { return m_drawing; }
    const std::string &frameTitle() const { return m_frameTitle; }
    const std::string &lensLabel() const { return m_lensLabel; }
    // LX-530 only: how its screen is set up; empty otherwise.
    const std::string &aspectModeCaption() const { return m_aspectModeCaption; }

    const InstallationState &state() const { return m_state; }

    // Called after every recalculation and every change of what the window shows.
    void setChangedCallback(std::function<void()> callback) { m_changed = std::move(callback); }

private:
    void notify()
    {
        if (m_changed)
            m_changed();
    }
    static std::size_t index(Dimension d) { return static_cast<std::size_t>(d); }
    void recalculate();
    bool checkCapabilities();
    ThrowResult calculateThrow();
    void fitDrawing(double distance, bool mayGrow);
    double applyThrowPoint();
    int drawX(double distance) const;
    void drawScreen(const VerticalPlacement &v);
    void drawDataProjector(const VerticalPlacement &v, const PictureGeometry &picture,
                           double holeOffset);
    void drawCrtProjector(const VerticalPlacement &v, const PictureGeometry &picture);
    enum class CrtOutcome
    {
        Calculated,
        ShowTips,
        ScreenChanged,
        Unchanged
    };
    CrtOutcome calculateCrt();
    void refuseScreen();
    void resetScreen(bool fourByThree = false);
    void takeWidth(float width);
    void loadPage(int page);
    void addPage();
    bool saveTo(const std::string &path);
    void drawRulers();
    static void centreOn(DrawLabel &label, const DrawLine &line);
    void placeHeightLabel(DrawLabel &label, const DrawLine &line);
    void rewriteFields();
    void setNotes(std::string text, NoteColour colour);
    void enablePositions(std::initializer_list<int> entries);
    void requestScreenUpdate(ScreenUpdate code);

    InstallationState &m_state;
    Dialogs &m_dialogs;
    ThrowWindowHost &m_host;
    const FocusTables &m_focus;

    std::array<std::string, 3> m_sizeTexts{"60", "80", "100"};
    std::array<bool, 3> m_sizeEnabled{true, true, true};
    std::string m_distanceText;
    bool m_distanceEnabled = true;
    std::string m_aspectText = "1.33";
    std::string m_unitsCaption = "Unit = in.";
    std::array<bool, PositionCount> m_positionEnabled{true, true, true, true};
    int m_checkedPosition = 0;
    int m_checkedThrowPoint = 0;
    std::vector<std::string> m_signals;
    // Indexed like a page's texts: author, date, title, (width), (height), approved by,
    // second approval, notes, revision.
    std::array<std::string, 9> m_titleTexts{" Author", todayText(),
                                            "                   Enter title here"};
    NoteColour m_notesColour = NoteColour::Black;
    std::string m_farText;
    Drawing m_drawing = Drawing::layout();
    int m_screenCentreY = 0;
    std::string m_frameTitle;
    std::string m_lensLabel;
    std::string m_aspectModeCaption;
    std::function<void()> m_changed;
    Project m_project;
    int m_currentPage = 1;
    std::string m_projectFileName;
    std::string m_caption = "Installation Dimensions";
    std::optional<int> m_restorePosition; // a page restoring its custom placement angle
    std::optional<int> m_focusRounded;    // CR-7300/CR-7400: the distance as the box shows it
    static constexpr int MaxCorrections = 4;
    int m_corrections = 0;    // screen corrections under way, one inside the other
    bool m_resetting = false; // a refused screen's reset is under way
};

} // namespace lumidex
