#pragma once

// The project the installation window works on: its pages, the page shown, the file it is
// bound to and the window caption that names it. Moving between pages stores the installation
// shown into its page and restores the next page's installation into the window; the file
// commands read and write the whole page table. The project knows whether it holds changes
// that are not saved, and nothing closes or replaces such a project without asking.

#include "1-state/dialogs.h"
#include "1-state/installationstate.h"
#include "6-installation/throwwindow.h"
#include "7-project/filereplace.h"
#include "7-project/projectfile.h"

#include <string>

namespace lumidex {

class ProjectDocument
{
public:
    ProjectDocument(InstallationState &state, ThrowWindow &window, Dialogs &dialogs);

    // Pages of the project: "<" (0) and ">" (1), the page scroll bar.
    void pageButton(int index);
    void pageScroll(int value);
    void storePage();
    // The page shown leaves the project, after the installer confirmed it; the next page (the
    // previous one after the last) is shown. A project keeps at least one page.
    void deletePage();
    bool canDeletePage() const { return pageCount() > 1; }
    // File commands. Open and Save As ask for a file name; failures are reported once. New
    // and Open first settle the changes of the project they replace.
    // True when the new project took the place of the old one.
    bool newProject();
    void openProject();
    bool openProjectFile(const std::string &path);
    bool saveProject();
    bool saveProjectAs();

    // Changes not saved since the project was opened, started or last saved.
    bool modified() const;
    // Before the project is closed or replaced: true when it may go (nothing to save, saved,
    // or discarded), false when the installer cancelled or the save did not happen.
    bool settleChanges();
    // The project file's name, or "Untitled".
    std::string projectName() const;
    // The whole project as saving it now would write it.
    Project contentToSave() const;
    // A copy kept while the program ran with unsaved changes comes back as those changes:
    // bound to the file it belonged to (none for an untitled project) and not saved yet.
    void restoreRecovered(Project project, const std::string &originalPath);
    // The state after start-up counts as saved.
    void markClean();
    // Where a save that rewrites a file in place keeps the file's old bytes meanwhile (the
    // program's own data folder); none: nowhere.
    void setOldCopyFolder(std::string folder) { m_oldCopyFolder = std::move(folder); }

    int currentPage() const { return m_currentPage; }
    int pageCount() const { return m_project.pageCount(); }
    const Project &project() const { return m_project; }
    const std::string &caption() const { return m_caption; }
    const std::string &projectFileName() const { return m_projectFileName; }
    ThrowWindow &window() { return m_window; }
    const ThrowWindow &window() const { return m_window; }

    // The page shown as storing it would keep it.
    PageRecord shownPage() const;

private:
    // What the installer can change on the page shown; a page is stored again only when it
    // differs, so that looking at a page never rewrites it.
    struct PageKey
    {
        InstallationInputs inputs;
        PageTexts texts;
        ScreenState screen;
        bool operator==(const PageKey &) const = default;
    };
    PageKey shownKey() const;
    void storeShown();
    void notify();
    void loadPage(int number);
    void addPage();
    void bindTo(const std::string &path);
    bool saveTo(const std::string &path);
    bool acceptUnsavableCharacters();
    bool changedBehindOurBack() const;

    InstallationState &m_state;
    ThrowWindow &m_window;
    Dialogs &m_dialogs;
    Project m_project;
    int m_currentPage = 1;
    std::string m_projectFileName;
    std::string m_caption = "Installation Dimensions";
    Project m_saved;         // the pages as they were when the project was last clean
    PageKey m_shownKey;      // the page shown as it was loaded or last stored
    bool m_restored = false; // holds changes recovered from a copy, never saved
    // The file as it was opened or last saved; nothing when that is not known.
    std::optional<FileStamp> m_fileStamp;
    std::string m_oldCopyFolder;
};

// The installation a page keeps, as the window takes it back.
InstallationInputs inputsOf(const PageRecord &page);

} // namespace lumidex
