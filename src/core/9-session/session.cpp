#include "9-session/session.h"

namespace lumidex {

Session::Session(Dialogs &dialogs, const StartOptions &options)
    : m_focus(BuildFocusTables()), m_screen(m_state, dialogs, *this, screenSizesOf),
      m_throw(m_state, dialogs, *this, m_focus), m_document(m_state, m_throw, dialogs)
{
    m_state.tipsEnabled = true;
    m_screen.load(options);
    m_document.markClean(); // the program's start is no change of the installer's
}

void Session::recalculateInstallation()
{
    m_throw.recalc();
}

void Session::showInstallationWindow()
{
    m_throw.recalc();
    if (m_show)
        m_show();
}

void Session::pressUpdateScreen()
{
    m_screen.updateScreen();
}

void Session::pressAspectChange()
{
    m_screen.nextPreset();
    // The screen calculator's own button does not hand back; recalculate here so that the
    // installation never shows distances for the previous ratio.
    m_throw.recalc();
}

} // namespace lumidex

namespace lumidex {

void Session::applyFirstAspectPreset()
{
    m_screen.selectPreset(0);
}

} // namespace lumidex
