#pragma once

// The program's own tips: short help texts in a small tip window just below the pointer when
// it moves over certain fields and labels. One tip window serves both main windows; the tips
// are switched on and off together in both (`tipsEnabled`).

#include <string>
#include <string_view>

namespace lumidex {

enum class TipControl
{
    ThrowDistance,     // hdimbox
    WidthField,        // Text1 13
    DiagonalField,     // Text1 14
    HeightField,       // Text1 16
    RevisionField,     // Text1 21
    OtherTitleField,   // the other Text1 items: no tip
    InstallationRatio, // txtAspect
    MeasurementLabel,  // lblMeasurement
    CalculatorRatio,   // Aspct
    CalculatorUnits,   // unitz
};

std::string_view tipText(TipControl control);

struct TipRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Where the tip window goes (pixels): below and just left of the pointer, sized to its label,
// moved inward so that it ends exactly at the screen's right or bottom edge.
TipRect placeTip(int pointerX, int pointerY, int labelWidth, int labelHeight, int screenWidth,
                 int screenHeight);

class Tooltips
{
public:
    enum class Action
    {
        None,
        Show,
        Hide
    };

    // The pointer moved over a control that has a tip.
    Action hover(TipControl control, bool tipsEnabled);
    // The pointer crossed a place that hides the tip (a window's background, the calculator's
    // preview), or a dimension caption was clicked.
    Action hide();

    bool visible() const { return m_visible; }
    const std::string &text() const { return m_text; }

private:
    bool m_visible = false;
    std::string m_text;
};

} // namespace lumidex
