#pragma once

// One run of the program without its windows' pixels: the shared installation state and
// the window logic of every window, wired together. The desktop program shows it, the
// command-line tool and the tests drive it directly.

#include "1-state/dialogs.h"
#include "1-state/installationstate.h"
#include "2-screen/screenwindow.h"
#include "4-crt/focustables.h"
#include "6-installation/throwwindow.h"
#include "7-project/projectdocument.h"
#include "9-session/commandline.h"
#include "9-session/tooltips.h"

#include <functional>

namespace lumidex {

class Session : public ScreenWindowHost
{
public:
    Session(Dialogs &dialogs, const StartOptions &options);

    InstallationState &state() { return m_state; }
    ScreenWindow &screenWindow() { return m_screen; }
    ThrowWindow &throwWindow() { return m_throw; }
    ProjectDocument &document() { return m_document; }
    const FocusTables &focusTables() const { return m_focus; }
    Tooltips &tooltips() { return m_tooltips; }

    // The hand-off from the screen calculator: the installation window recalculates from
    // the shared state, then the program shows it.
    void showInstallationWindow() override;
    void setShowInstallationWindow(std::function<void()> show) { m_show = std::move(show); }

private:
    InstallationState m_state;
    FocusTables m_focus;
    Tooltips m_tooltips;
    ScreenWindow m_screen;
    ThrowWindow m_throw;
    ProjectDocument m_document;
    std::function<void()> m_show;
};

} // namespace lumidex
