#pragma once

// The installation window laid out as an engineering sheet: the drawing frame above, the title
// block below. One table of rectangles in twips, read by the window's widgets and by the
// printed sheet, so that both show the same sheet.

#include <span>
#include <string>
#include <string_view>

namespace lumidex {

enum class SheetKind
{
    Panel,       // a framed panel with an optional caption
    Drawing,     // the side elevation
    TextField,   // a field the installer types into
    ValueLabel,  // a boxed value the program writes
    StaticLabel, // a caption
    List,        // the input-signal list
    Button,
    ScrollBar,
};

struct SheetItem
{
    std::string_view name; // the element's name, e.g. "Text1(13)", "lblTA", "fraThrow(0)"
    int panel;             // index of the panel (fraThrow item) it sits in; -1 for panels
    int left;              // relative to its panel
    int top;
    int width;
    int height;
    SheetKind kind;
    std::string_view caption; // fixed caption of panels, labels and buttons
};

inline constexpr int SheetWidth = 9600;
inline constexpr int SheetHeight = 7560;

// Every element of the sheet, panels first, each panel's contents in printing order.
std::span<const SheetItem> sheetLayout();
const SheetItem *sheetItem(std::string_view name);

struct SheetRect
{
    int left;
    int top;
    int width;
    int height;
};

// The element's rectangle on the sheet (its panel's position added).
SheetRect sheetRect(const SheetItem &item);
// The item's fixed caption as the user reads it.
std::string sheetCaption(const SheetItem &item);

} // namespace lumidex
