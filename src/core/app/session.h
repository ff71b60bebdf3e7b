#pragma once

// One run of the program without its windows' pixels: the shared installation state and
// the window logic of every window, wired together. The desktop program shows it, the
// command-line tool and the tests drive it directly.

#include "app/commandline.h"
#include "app/dialogs.h"
#include "app/installationstate.h"
#include "geometry/screenwindow.h"

#include <functional>

namespace lumidex {

class Session : public ScreenWindowHost
{
public:
    Session(Dialogs &dialogs, const StartOptions &options);

    InstallationState &state() { return m_state; }
    ScreenWindow &screenWindow() { return m_screen; }

    // The hand-off from the screen calculator: the installation window recalculates from
    // the shared state, then the program shows it.
    void showInstallationWindow() override;
    void setShowInstallationWindow(std::function<void()> show) { m_show = std::move(show); }

private:
    InstallationState m_state;
    ScreenWindow m_screen;
    std::function<void()> m_show;
};

} // namespace lumidex
