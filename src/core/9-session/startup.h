#pragma once

// The start-up window's logic: its version label and what "&Ok" does.

#include <string>

namespace lumidex {

struct Point
{
    int x = 0;
    int y = 0;
};

// Where a window goes to sit in the middle of the screen.
Point centeredOrigin(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

class StartupWindow
{
public:
    StartupWindow();

    const std::string &versionText() const { return m_version; }

    // "&Ok": true when the main window is to be shown now (only the first time); the start-up
    // window hides in either case.
    bool ok();

private:
    std::string m_version;
    bool m_splashShown = false;
};

} // namespace lumidex
