#include "7-project/projectdocument.h"

#include "1-state/translation.h"
#include "2-screen/screenmodel.h"
#include "3-catalogue/catalogue.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace lumidex {
namespace {

// Moving between pages shows stored installations, not new ones: the installer's tips
// window, which belongs to working one out, stays closed meanwhile.
class ExpertModeHold
{
public:
    explicit ExpertModeHold(InstallationState &state) : m_state(state), m_was(state.expertMode)
    {
        m_state.expertMode = true;
    }
    ~ExpertModeHold() { m_state.expertMode = m_was; }
    ExpertModeHold(const ExpertModeHold &) = delete;
    ExpertModeHold &operator=(const ExpertModeHold &) = delete;

private:
    InstallationState &m_state;
    bool m_was;
};

bool isUnchangedPattern(const std::string &path)
{
    return path == "*.lmx" || path == "*.LMX";
}

// A name typed with no extension at all becomes a project file the Open dialog and the file
// manager know; any other name ("site.txt", ".site") is kept as typed.
std::string withProjectExtension(const std::string &path)
{
    const std::string name = std::filesystem::path(path).filename().string();
    if (name.empty() || name.find('.') != std::string::npos)
        return path;
    return path + ".lmx";
}

} // namespace

InstallationInputs inputsOf(const PageRecord &page)
{
    InstallationInputs in;
    if (const auto selection = selectionFromProjectorCode(page.projectorCode))
        in.selection = *selection;
    if (page.screenPosition == CustomAnglePosition) {
        in.position = MountPosition::Special;
        // A damaged file may hold no number here; the angle prompt's default stands in.
        in.customAngle = std::isfinite(page.placementAngle) ? page.placementAngle : 14.0;
    } else {
        in.position = static_cast<MountPosition>(std::clamp<int>(page.screenPosition, 0, 3));
    }
    in.throwPoint = page.throwPoint == 1 ? ThrowPoint::InstallationHole : ThrowPoint::LensFront;
    in.inputSignal = page.inputSignal;
    in.sxgaAspectMode = page.sxgaAspectMode;
    return in;
}

ProjectDocument::ProjectDocument(InstallationState &state, ThrowWindow &window, Dialogs &dialogs)
    : m_state(state), m_window(window), m_dialogs(dialogs),
      m_project(lumidex::newProject(todayText()))
{
    markClean();
}

ProjectDocument::PageKey ProjectDocument::shownKey() const
{
    PageKey key{m_state.inputs, m_window.titleTexts(), m_state.screen};
    key.inputs.enteredThrowDistance = 0.0f;
    key.inputs.throwPointPending = false;
    return key;
}

void ProjectDocument::markClean()
{
    m_saved = m_project;
    m_shownKey = shownKey();
    m_restored = false;
}

bool ProjectDocument::modified() const
{
    return m_restored || !(m_project == m_saved) || !(shownKey() == m_shownKey);
}

std::string ProjectDocument::projectName() const
{
    if (m_projectFileName.find_first_not_of(' ') == std::string::npos)
        return translate("ProjectDocument", "Untitled");
    return std::filesystem::path(m_projectFileName).filename().string();
}

Project ProjectDocument::contentToSave() const
{
    Project project = m_project;
    if (!(shownKey() == m_shownKey))
        project.page(m_currentPage) = shownPage();
    return project;
}

bool ProjectDocument::settleChanges()
{
    if (!modified())
        return true;
    switch (m_dialogs.askToSave(projectName())) {
    case SaveChoice::Save:
        return saveProject();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

void ProjectDocument::notify()
{
    // The installation window shows the pages, the caption and the file name too: one notice
    // serves them all.
    m_window.notify();
}

PageRecord ProjectDocument::shownPage() const
{
    PageRecord page = m_project.page(m_currentPage);
    for (PageText t : TitleBlockTexts)
        page.text(t) = m_window.titleText(t);
    page.text(PageText::WidthText) = m_window.sizeText(Dimension::Width);
    page.text(PageText::HeightText) = m_window.sizeText(Dimension::Height);
    const ScreenState &s = m_state.screen;
    page.screenWidth = s.width;
    page.aspectRatio = s.aspect;
    const InstallationInputs &in = m_state.inputs;
    page.projectorCode = projectorCodeOf(in.selection);
    page.screenPosition =
        in.customAngle ? CustomAnglePosition : static_cast<std::int16_t>(in.position);
    page.placementAngle = static_cast<float>(in.customAngle.value_or(m_state.results.throwAngle));
    page.widthUnit = static_cast<std::int16_t>(unitIndex(s.widthUnit));
    page.heightUnit = static_cast<std::int16_t>(unitIndex(s.heightUnit));
    page.diagonalUnit = static_cast<std::int16_t>(unitIndex(s.diagonalUnit));
    page.measureUnits = static_cast<std::int16_t>(unitIndex(s.displayUnits));
    page.inputSignal = in.inputSignal;
    page.throwPoint = static_cast<std::int16_t>(in.throwPoint);
    page.sxgaAspectMode = in.sxgaAspectMode;
    return page;
}

void ProjectDocument::storeShown()
{
    m_project.page(m_currentPage) = shownPage();
    m_shownKey = shownKey();
}

void ProjectDocument::storePage()
{
    if (!(shownKey() == m_shownKey))
        storeShown();
}

void ProjectDocument::loadPage(int number)
{
    const PageRecord &page = m_project.page(number);
    m_window.setTitleTexts(page.texts);
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
    m_window.restore(inputsOf(page));
    m_shownKey = shownKey();
}

void ProjectDocument::addPage()
{
    // A new page starts as a copy of the page left, with its own note.
    m_project.setPageCount(m_project.pageCount() + 1);
    m_currentPage = m_project.pageCount();
    m_window.setTitleText(PageText::Notes, std::string(NewPageNotes));
    storeShown();
    m_window.notify();
}

void ProjectDocument::pageButton(int index)
{
    const ThrowWindow::ChangeBatch batch(m_window);
    const ExpertModeHold hold(m_state);
    storePage();
    const int next = m_currentPage + (index == 1 ? 1 : -1);
    if (next >= 1 && next <= MaxPages) {
        if (next > m_project.pageCount()) {
            addPage();
        } else {
            m_currentPage = next;
            loadPage(next);
        }
    }
    notify();
}

void ProjectDocument::pageScroll(int value)
{
    const ThrowWindow::ChangeBatch batch(m_window);
    // Every value 1 to 99 is an ordinary page number; the scroll bar always shows the page
    // the window holds.
    if (value < 1 || value > MaxPages || value == m_currentPage)
        return;
    const ExpertModeHold hold(m_state);
    storePage();
    if (value <= m_project.pageCount()) {
        m_currentPage = value;
        loadPage(value);
    } else {
        addPage();
    }
    notify();
}

bool ProjectDocument::newProject()
{
    if (!settleChanges())
        return false;
    const ThrowWindow::ChangeBatch batch(m_window);
    m_caption = translate("ProjectDocument", "Installation dimensions");
    m_projectFileName.clear();
    m_fileStamp.reset();
    m_window.startNewProject();
    std::string trailer = m_project.trailerText; // kept: nothing in the program edits it
    m_project = lumidex::newProject(todayText());
    m_project.trailerText = std::move(trailer);
    m_currentPage = 1;
    storeShown();
    markClean();
    notify();
    return true;
}

void ProjectDocument::openProject()
{
    if (!settleChanges())
        return;
    // A cancelled dialog changes nothing: the project stays bound to its file.
    const std::optional<std::string> path = m_dialogs.openFileName();
    if (path && !isUnchangedPattern(*path))
        openProjectFile(*path);
}

bool ProjectDocument::openProjectFile(const std::string &path)
{
    std::string error;
    std::optional<Project> opened = lumidex::openProjectFile(path, &error);
    if (!opened) {
        // Nothing of the project in memory changes.
        m_dialogs.message(error, MessageIcon::Exclamation, {});
        return false;
    }
    const ThrowWindow::ChangeBatch batch(m_window);
    m_project = std::move(*opened);
    bindTo(path);
    m_fileStamp = fileStampOf(path);
    m_currentPage = 1;
    {
        const ExpertModeHold hold(m_state);
        loadPage(1);
    }
    markClean();
    notify();
    return true;
}

void ProjectDocument::restoreRecovered(Project project, const std::string &originalPath)
{
    const ThrowWindow::ChangeBatch batch(m_window);
    m_project = std::move(project);
    if (originalPath.empty()) {
        m_projectFileName.clear();
        m_caption = translate("ProjectDocument", "Installation dimensions");
    } else {
        bindTo(originalPath);
    }
    m_fileStamp.reset(); // what the file held when the changes began is not known
    m_currentPage = 1;
    {
        const ExpertModeHold hold(m_state);
        loadPage(1);
    }
    markClean();
    m_restored = true;
    notify();
}

void ProjectDocument::bindTo(const std::string &path)
{
    m_projectFileName = path;
    m_caption = std::filesystem::path(path).filename().string();
}

void ProjectDocument::deletePage()
{
    if (!canDeletePage())
        return;
    const std::string question =
        fillIn(translate("ProjectDocument", "Delete page %1 of %2 of the project?"),
               std::to_string(m_currentPage), std::to_string(pageCount()));
    if (!m_dialogs.confirm(question, translate("ProjectDocument", "Delete Page"),
                           translate("ProjectDocument", "&Delete"), ConfirmDefault::Cancel))
        return;
    const ThrowWindow::ChangeBatch batch(m_window);
    const ExpertModeHold hold(m_state);
    m_project.pages.erase(m_project.pages.begin() + m_currentPage);
    m_currentPage = std::min(m_currentPage, pageCount());
    loadPage(m_currentPage);
    notify();
}

// A character a project file cannot hold is saved as "?": the installer hears of it once,
// with the pages it is on, and may go back and edit them first.
bool ProjectDocument::acceptUnsavableCharacters()
{
    std::string pages;
    int count = 0;
    for (int n = 1; n <= pageCount(); ++n) {
        for (const std::string &text : m_project.page(n).texts) {
            if (windows1252ToUtf8(utf8ToWindows1252(text)) != text) {
                pages += (pages.empty() ? "" : ", ") + std::to_string(n);
                ++count;
                break;
            }
        }
    }
    if (count == 0)
        return true;
    const std::string text = fillIn(
        count == 1 ? translate("ProjectDocument", "Page %1 holds characters that a project file "
                                                  "cannot keep. They will be saved as \"?\".")
                   : translate("ProjectDocument", "Pages %1 hold characters that a project file "
                                                  "cannot keep. They will be saved as \"?\"."),
        pages);
    return m_dialogs.confirm(text, translate("ProjectDocument", "Save Project"),
                             translate("ProjectDocument", "Save &Anyway"), ConfirmDefault::Cancel);
}

bool ProjectDocument::saveTo(const std::string &path)
{
    if (!acceptUnsavableCharacters())
        return false;
    std::string error;
    if (!saveProjectFile(path, m_project, &error, m_oldCopyFolder)) {
        m_dialogs.message(error, MessageIcon::Exclamation, {});
        return false;
    }
    const ThrowWindow::ChangeBatch batch(m_window);
    bindTo(path);
    m_fileStamp = fileStampOf(path);
    // Characters the file could not keep are "?" there: from now on the window and every sheet
    // show what the file holds, and the project counts as saved only as that.
    Project held = m_project;
    for (PageRecord &page : held.pages) {
        for (std::string &text : page.texts)
            text = windows1252ToUtf8(utf8ToWindows1252(text));
    }
    held.trailerText = windows1252ToUtf8(utf8ToWindows1252(held.trailerText));
    if (!(held == m_project)) {
        m_project = std::move(held);
        const ExpertModeHold hold(m_state);
        loadPage(m_currentPage);
    }
    markClean();
    notify();
    return true;
}

// Another program (or another copy of the project on another machine) saved over the file
// since it was opened or last saved here.
bool ProjectDocument::changedBehindOurBack() const
{
    if (!m_fileStamp)
        return false;
    const std::optional<FileStamp> now = fileStampOf(m_projectFileName);
    return now && !(*now == *m_fileStamp);
}

bool ProjectDocument::saveProject()
{
    storePage();
    if (m_projectFileName.find_first_not_of(' ') == std::string::npos)
        return saveProjectAs();
    if (changedBehindOurBack()) {
        switch (m_dialogs.askChangedFile(projectName())) {
        case ChangedFileChoice::Overwrite:
            break;
        case ChangedFileChoice::SaveAs:
            return saveProjectAs();
        case ChangedFileChoice::Cancel:
            return false;
        }
    }
    return saveTo(m_projectFileName);
}

bool ProjectDocument::saveProjectAs()
{
    storePage();
    // A cancelled dialog changes nothing: the project stays bound to its file.
    const std::optional<std::string> chosen = m_dialogs.saveFileName();
    if (!chosen || isUnchangedPattern(*chosen))
        return false;
    const std::string path = withProjectExtension(*chosen);
    // The dialog asked about the name as typed; the name with ".lmx" may be another file.
    std::error_code ec;
    if (path != *chosen && std::filesystem::exists(path, ec)) {
        const std::string question =
            fillIn(translate("ProjectDocument", "%1 already exists.\rDo you want to replace it?"),
                   std::filesystem::path(path).filename().string());
        if (!m_dialogs.confirm(question, translate("ProjectDocument", "Save Project"),
                               translate("ProjectDocument", "&Replace"), ConfirmDefault::Cancel))
            return false;
    }
    return saveTo(path);
}

} // namespace lumidex
