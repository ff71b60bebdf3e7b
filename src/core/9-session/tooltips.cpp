#include "9-session/tooltips.h"

#include "1-state/translation.h"

namespace lumidex {

std::string_view tipText(TipControl control)
{
    switch (control) {
    case TipControl::ThrowDistance:
        return LUMIDEX_TRANSLATE_NOOP("Tooltips", "Enter new throw distance");
    case TipControl::WidthField:
        return LUMIDEX_TRANSLATE_NOOP("Tooltips", "Enter new horizontal screen size");
    case TipControl::DiagonalField:
        return LUMIDEX_TRANSLATE_NOOP("Tooltips", "Enter new diagonal screen size.");
    case TipControl::HeightField:
        return LUMIDEX_TRANSLATE_NOOP("Tooltips", "Enter new vertical screen size");
    case TipControl::RevisionField:
        return LUMIDEX_TRANSLATE_NOOP("Tooltips", "Enter new revision number.");
    case TipControl::InstallationRatio:
        return LUMIDEX_TRANSLATE_NOOP("Tooltips", "Double click to cycle through aspect ratios.");
    case TipControl::MeasurementLabel:
        return LUMIDEX_TRANSLATE_NOOP("Tooltips",
                                      "Double click to cycle through measurement units.");
    case TipControl::CalculatorRatio:
        return LUMIDEX_TRANSLATE_NOOP("Tooltips", "Double click to cycle through aspect ratios");
    case TipControl::CalculatorUnits:
        return LUMIDEX_TRANSLATE_NOOP("Tooltips", "Double click to cycle through units");
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
    m_text = translate("Tooltips", text);
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
