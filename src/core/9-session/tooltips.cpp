#include "9-session/tooltips.h"

namespace lumidex {

std::string_view tipText(TipControl control)
{
    switch (control) {
    case TipControl::ThrowDistance:
        return "Enter new throw distance";
    case TipControl::WidthField:
        return "Enter new horizontal screen size";
    case TipControl::DiagonalField:
        return "Enter new diagonal screen size.";
    case TipControl::HeightField:
        return "Enter new vertical screen size";
    case TipControl::RevisionField:
        return "Enter new revision number.";
    case TipControl::InstallationRatio:
        return "Double click to cycle through aspect ratios.";
    case TipControl::MeasurementLabel:
        return "Double click to cycle through measurement units.";
    case TipControl::CalculatorRatio:
        return "Double click to cycle through aspect ratios";
    case TipControl::CalculatorUnits:
        return "Double click to cycle through units";
    case TipControl::OtherTitleField:
        break;
    }
    return {};
}

TipRect placeTip(int x, int y, int labelWidth, int labelHeight, int screenWidth, int screenHeight)
{
    TipRect r{x - 2, y + 18, labelWidth + 4, labelHeight + 2};
    if (r.left + r.width > screenWidth)
        r.left = screenWidth - r.width;
    if (r.top + r.height > screenHeight)
        r.top = screenHeight - r.height;
    return r;
}

Tooltips::Action Tooltips::hover(TipControl control, bool tipsEnabled)
{
    const std::string_view text = tipText(control);
    const bool hasTip = text.find_first_not_of(' ') != std::string_view::npos;
    if (!tipsEnabled || !hasTip)
        return hide();
    if (m_visible)
        return Action::None; // the tip that is showing stays
    m_text = text;
    m_visible = true;
    return Action::Show;
}

Tooltips::Action Tooltips::hide()
{
    if (!m_visible)
        return Action::None;
    m_visible = false;
    return Action::Hide;
}

} // namespace lumidex
