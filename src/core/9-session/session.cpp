#include "9-session/session.h"

namespace lumidex {

Session::Session(Dialogs &dialogs, const StartOptions &options)
    : m_focus(BuildFocusTables()), m_screen(m_state, dialogs, *this, screenSizesOf),
      m_throw(m_state, dialogs, m_screen, m_focus), m_document(m_state, m_throw, dialogs)
{
    m_state.tipsEnabled = true;
    m_screen.load(options);
    m_document.markClean(); // the program's start is no change of the installer's
}

void Session::showInstallationWindow()
{
    m_throw.recalc();
    if (m_show)
        m_show();
}

} // namespace lumidex
