#pragma once

// The project the installation window works on: its pages, the page shown, the file it is
// bound to and the window caption that names it. Moving between pages stores the installation
// shown into its page and restores the next page's installation into the window; the file
// commands read and write the whole page table.

#include "1-state/dialogs.h"
#include "1-state/installationstate.h"
#include "6-installation/throwwindow.h"
#include "7-project/projectfile.h"

#include <functional>
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
    // File commands. Open and Save As ask for a file name; failures are reported once.
    void newProject();
    void openProject();
    bool openProjectFile(const std::string &path);
    void saveProject();
    void saveProjectAs();

    int currentPage() const { return m_currentPage; }
    int pageCount() const { return m_project.pageCount(); }
    const Project &project() const { return m_project; }
    const std::string &caption() const { return m_caption; }
    const std::string &projectFileName() const { return m_projectFileName; }
    ThrowWindow &window() { return m_window; }
    const ThrowWindow &window() const { return m_window; }

    // The page shown as storing it would keep it.
    PageRecord shownPage() const;

    // Called after every change of the pages, the caption or the file name.
    void setChangedCallback(std::function<void()> callback) { m_changed = std::move(callback); }

private:
    void notify();
    void loadPage(int number);
    void addPage();
    bool saveTo(const std::string &path);

    InstallationState &m_state;
    ThrowWindow &m_window;
    Dialogs &m_dialogs;
    Project m_project;
    int m_currentPage = 1;
    std::string m_projectFileName;
    std::string m_caption = "Installation Dimensions";
    std::function<void()> m_changed;
};

// The installation a page keeps, as the window takes it back.
InstallationInputs inputsOf(const PageRecord &page);

} // namespace lumidex
