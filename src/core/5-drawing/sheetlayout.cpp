#include "5-drawing/sheetlayout.h"

#include "1-state/translation.h"

#include <array>

namespace lumidex {
namespace {

using K = SheetKind;

// Panels: 0 "Screen Details", 1 the drawing frame (titled with the projector), 2 "File
// Information", 3 approvals and notes, 4 measure and revision, 5 "Page".
constexpr std::array<SheetItem, 41> items{{
    {"fraThrow(1)", -1, 60, 60, 9480, 5640, K::Panel, ""},
    {"fraThrow(2)", -1, 60, 5760, 3000, 1740, K::Panel,
     LUMIDEX_TRANSLATE_NOOP("SheetLayout", "File Information")},
    {"fraThrow(0)", -1, 3120, 5760, 2160, 1740, K::Panel,
     LUMIDEX_TRANSLATE_NOOP("SheetLayout", "Screen Details")},
    {"fraThrow(3)", -1, 5340, 5760, 2760, 1740, K::Panel, ""},
    {"fraThrow(4)", -1, 8160, 5760, 1380, 1000, K::Panel, ""},
    {"fraThrow(5)", -1, 8160, 6820, 1380, 680, K::Panel,
     LUMIDEX_TRANSLATE_NOOP("SheetLayout", "Page")},

    {"drawing", 1, 60, 300, 9360, 4920, K::Drawing, ""},
    {"Label2(2)", 1, 120, 5290, 520, 285, K::StaticLabel,
     LUMIDEX_TRANSLATE_NOOP("SheetLayout", "Lens:")},
    {"lblLens", 1, 660, 5260, 2280, 300, K::ValueLabel, ""},
    {"Label2(0)", 1, 3060, 5290, 600, 285, K::StaticLabel,
     LUMIDEX_TRANSLATE_NOOP("SheetLayout", "Input:")},
    {"cmbInputSignal", 1, 3660, 5250, 2220, 320, K::List, ""},
    {"Label2(1)", 1, 6000, 5290, 1080, 285, K::StaticLabel,
     LUMIDEX_TRANSLATE_NOOP("SheetLayout", "Throw Angle:")},
    {"lblTA", 1, 7080, 5260, 660, 300, K::ValueLabel, ""},
    {"lblAspectRatio", 1, 7860, 5260, 1500, 300, K::ValueLabel, ""},

    {"Text1(10)", 2, 120, 300, 2760, 320, K::TextField, ""},
    {"Text1(9)", 2, 120, 760, 2760, 320, K::TextField, ""},
    {"Label3", 2, 120, 1250, 420, 285, K::StaticLabel,
     LUMIDEX_TRANSLATE_NOOP("SheetLayout", "By:")},
    {"Text1(8)", 2, 540, 1220, 2340, 320, K::TextField, ""},

    {"Label2(14)", 0, 120, 330, 900, 285, K::StaticLabel,
     LUMIDEX_TRANSLATE_NOOP("SheetLayout", "Height:")},
    {"Text1(16)", 0, 1080, 300, 960, 320, K::TextField, ""},
    {"Label2(15)", 0, 120, 690, 900, 285, K::StaticLabel,
     LUMIDEX_TRANSLATE_NOOP("SheetLayout", "Width:")},
    {"Text1(13)", 0, 1080, 660, 960, 320, K::TextField, ""},
    {"Label2(16)", 0, 120, 1050, 900, 285, K::StaticLabel,
     LUMIDEX_TRANSLATE_NOOP("SheetLayout", "Diagonal:")},
    {"Text1(14)", 0, 1080, 1020, 960, 320, K::TextField, ""},
    {"Label2(17)", 0, 120, 1410, 900, 285, K::StaticLabel,
     LUMIDEX_TRANSLATE_NOOP("SheetLayout", "Aspect:")},
    {"txtAspect", 0, 1080, 1380, 960, 300, K::ValueLabel, ""},

    {"Label2(12)", 3, 120, 330, 1300, 285, K::StaticLabel,
     LUMIDEX_TRANSLATE_NOOP("SheetLayout", "Approved by:")},
    {"Text1(17)", 3, 120, 640, 1230, 320, K::TextField, ""},
    {"Text1(18)", 3, 1410, 640, 1230, 320, K::TextField, ""},
    {"Label2(13)", 3, 120, 1050, 1300, 285, K::StaticLabel,
     LUMIDEX_TRANSLATE_NOOP("SheetLayout", "Notes:")},
    {"Text1(19)", 3, 120, 1340, 2520, 320, K::TextField, ""},

    {"Label2(3)", 4, 90, 90, 1200, 285, K::StaticLabel,
     LUMIDEX_TRANSLATE_NOOP("SheetLayout", "Measure:")},
    {"lblMeasurement", 4, 90, 360, 1200, 300, K::ValueLabel, ""},
    {"Label2(4)", 4, 90, 690, 700, 285, K::StaticLabel,
     LUMIDEX_TRANSLATE_NOOP("SheetLayout", "Revision:")},
    {"Text1(21)", 4, 800, 660, 490, 300, K::TextField, ""},

    {"txtPageNum(0)", 5, 90, 250, 300, 270, K::TextField, ""},
    {"Label2(7)", 5, 420, 270, 240, 255, K::StaticLabel,
     LUMIDEX_TRANSLATE_NOOP("SheetLayout", "of")},
    {"txtPageNum(1)", 5, 660, 250, 300, 270, K::TextField, ""},
    {"cmdPage(0)", 5, 990, 250, 180, 270, K::Button, "<"},
    {"cmdPage(1)", 5, 1170, 250, 180, 270, K::Button, ">"},
    {"HScroll1", 5, 90, 540, 1260, 120, K::ScrollBar, ""},
}};

} // namespace

std::span<const SheetItem> sheetLayout()
{
    return items;
}

const SheetItem *sheetItem(std::string_view name)
{
    for (const SheetItem &item : items) {
        if (item.name == name)
            return &item;
    }
    return nullptr;
}

SheetRect sheetRect(const SheetItem &item)
{
    static constexpr std::array<std::string_view, 6> panels{
        "fraThrow(0)", "fraThrow(1)", "fraThrow(2)",
        "fraThrow(3)", "fraThrow(4)", LUMIDEX_TRANSLATE_NOOP("SheetLayout", "fraThrow(5)")};
    SheetRect r{item.left, item.top, item.width, item.height};
    if (item.panel >= 0 && item.panel < static_cast<int>(panels.size())) {
        if (const SheetItem *panel = sheetItem(panels[static_cast<std::size_t>(item.panel)])) {
            r.left += panel->left;
            r.top += panel->top;
        }
    }
    return r;
}

std::string sheetCaption(const SheetItem &item)
{
    return translate("SheetLayout", item.caption);
}

} // namespace lumidex
