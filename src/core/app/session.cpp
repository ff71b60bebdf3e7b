#include "app/session.h"

namespace lumidex {

Session::Session(Dialogs &dialogs, const StartOptions &options) : m_screen(m_state, dialogs, *this)
{
    m_state.tipsEnabled = true;
    m_state.inputSignal = -1;
    m_screen.load(options);
}

void Session::showInstallationWindow()
{
    if (m_show)
        m_show();
}

} // namespace lumidex
