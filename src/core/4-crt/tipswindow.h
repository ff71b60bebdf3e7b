#pragma once

// The installer's tips window ("Installer's Tip") as plain state: it walks a CR-7100 installer
// through the lens ring adjustment in three steps with the four ring values, and carries the
// small-screen and angle warnings. The Qt window shows it; every click advances it.

#include "3-catalogue/catalogue.h"

#include <array>
#include <string>

namespace lumidex {

class TipsWindow
{
public:
    // Loading: the heading or the warning for the selected series and screen width.
    TipsWindow(Series series, float screenWidth, const std::array<int, 4> &ringSettings);

    // OK, or a click on any picture, panel or text of the window.
    void advance();

    bool closed() const { return m_closed; }
    int step() const { return m_step; }
    const std::string &text() const { return m_text; } // Label1: heading or step text
    bool warningVisible() const { return m_warningVisible; }
    const std::string &warning() const { return m_warning; }
    const std::string &warningNote() const { return m_warningNote; }
    // Which lens picture is shown: the loosen/tighten screws (steps 1 and 3) or the dial with
    // the ring values (step 2).
    bool screwsPictureVisible() const { return m_screws; }
    bool ringsVisible() const { return m_rings; }
    const std::array<std::string, 6> &ringLabels() const { return m_ringLabels; }
    bool wide() const { return m_wide; } // widened for the steps

private:
    void showStep(int step);

    std::array<int, 4> m_ringSettings;
    int m_step = 0;
    bool m_closed = false;
    std::string m_text;
    bool m_warningVisible = false;
    std::string m_warning;
    std::string m_warningNote;
    bool m_screws = false;
    bool m_rings = false;
    bool m_wide = false;
    std::array<std::string, 6> m_ringLabels;
};

} // namespace lumidex
