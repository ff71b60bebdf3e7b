#include "9-session/startup.h"

#include "9-session/version.h"

namespace lumidex {

Point centeredOrigin(int screenWidth, int screenHeight, int windowWidth, int windowHeight)
{
    return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
}

StartupWindow::StartupWindow() : m_version(versionLabel()) {}

bool StartupWindow::ok()
{
    if (m_splashShown)
        return false;
    m_splashShown = true;
    return true;
}

} // namespace lumidex
