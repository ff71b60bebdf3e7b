#include "4-crt/tipswindow.h"

#include "1-state/numbertext.h"
#include "1-state/translation.h"

#include <cstdlib>

namespace lumidex {
namespace {

constexpr std::string_view Heading = LUMIDEX_TRANSLATE_NOOP(
    "TipsWindow",
    "Adjustment of the Modular Lens Coupling lens focus rings is needed to obtain optimum focus.");
constexpr std::string_view SmallScreenWarning = LUMIDEX_TRANSLATE_NOOP(
    "TipsWindow",
    "The screen size is too small      for the standard lenses.                                  "
    "         Please contact your authorized Varnel dealer to obtain the LN-121 lenses.");
constexpr std::string_view SmallScreenNote = LUMIDEX_TRANSLATE_NOOP(
    "TipsWindow", "(The following ring information is for the above lenses)");
constexpr std::string_view AngleWarning = LUMIDEX_TRANSLATE_NOOP(
    "TipsWindow",
    "The ANGLE is too large.  Minor electrical modification may be necessary.  Please contact "
    "your local Varnel regional office to obtain further information.");
constexpr std::string_view AngleNote = LUMIDEX_TRANSLATE_NOOP(
    "TipsWindow", "(Varnel Regional Office information is located under the ABOUT menu)");
constexpr std::array<std::string_view, 3> Steps{
    LUMIDEX_TRANSLATE_NOOP("TipsWindow",
                           "STEP 1\r\rLoosen the four ring lockdown screws around each CRT"),
    LUMIDEX_TRANSLATE_NOOP(
        "TipsWindow",
        "STEP 2\r\rDial the ring spacers to adjust the rings to the numbers shown below:"),
    LUMIDEX_TRANSLATE_NOOP("TipsWindow",
                           "STEP 3\r\rRe-Tighten the four ring lockdown screws around each CRT")};

std::string tr(std::string_view sourceText)
{
    return translate("TipsWindow", sourceText);
}

std::string ringText(int ring)
{
    return formatNumber(ring / 10.0, "###.#");
}

} // namespace

TipsWindow::TipsWindow(Series series, float screenWidth, const std::array<int, 4> &ringSettings)
    : m_ringSettings(ringSettings)
{
    if (series == Series::CR7100) {
        m_text = tr(Heading);
        m_step = 0;
        if (screenWidth < 72.0f) {
            m_warning = tr(SmallScreenWarning);
            m_warningNote = tr(SmallScreenNote);
            m_warningVisible = true;
            m_step = -1;
        }
    } else {
        m_warning = tr(AngleWarning);
        m_warningNote = tr(AngleNote);
        m_warningVisible = true;
        m_step = 5;
    }
}

void TipsWindow::advance()
{
    switch (m_step) {
    case -1:
        m_warningVisible = false;
        m_step = 0;
        break;
    case 0:
        showStep(1);
        m_step = 1;
        break;
    case 1:
        showStep(2);
        m_step = 2;
        break;
    case 2:
        showStep(3);
        m_step = 5;
        break;
    case 3:
        m_warningVisible = false;
        m_step = 4;
        break;
    case 4:
        m_step = 5;
        break;
    default:
        m_closed = true;
        break;
    }
}

void TipsWindow::showStep(int step)
{
    m_text = tr(Steps[static_cast<std::size_t>(step - 1)]);
    switch (step) {
    case 1:
        m_wide = true;
        m_screws = true;
        break;
    case 2: {
        const auto [r1, r2, r3, r4] = m_ringSettings;
        const bool firstLarger = std::abs(r1) >= std::abs(r2);
        const int a = firstLarger ? r2 : r1;
        const int b = firstLarger ? r1 : r2;
        m_ringLabels = {ringText(a),  ringText(b),  ringText(r3),
                        ringText(r4), ringText(-a), ringText(-b)};
        m_rings = true;
        m_screws = false;
        break;
    }
    default:
        m_screws = true;
        m_rings = false;
        break;
    }
}

} // namespace lumidex
