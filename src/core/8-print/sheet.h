#pragma once

// One installation sheet as a list of things to draw, in drawing order: the window's panels
// with their fields and labels, the side elevation, and the frame around the window's area.
// Every coordinate is in the installation window's twips, so the printer (or the PDF writer)
// only has to map the sheet onto its page. The sheet is what the window shows for its current
// page: whatever the window hides is left out, except the few parts of the drawing the sheet
// always carries (the rulers' base lines, the floor, the screen, the near distance line).

#include "5-drawing/drawing.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

class ProjectDocument;

enum class SheetElementKind
{
    Box,     // a filled, outlined rectangle: a panel or the box of a field
    Text,    // one line of text
    Line,    // a straight line
    Picture, // a projector, arrow or other picture played into a rectangle
};

enum class TextAlignment
{
    TopLeft,        // the text's top-left corner at the rectangle's top-left corner
    CentredInRect,  // the text centred in the rectangle, both ways
    CentredOnPoint, // the text's centre on the rectangle's top-left corner (it has no size)
    PanelCaption    // centred across the rectangle, just inside its top edge
};

struct SheetRectF
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

inline constexpr std::uint32_t SheetBlack = 0x000000;
inline constexpr std::uint32_t SheetWhite = 0xFFFFFF;
inline constexpr std::uint32_t PanelGrey = 0xE0E0E0;
inline constexpr std::uint32_t FrameGrey = 0x808080;

// The pen of the panels' outlines, in printer dots.
inline constexpr int PanelPenWidth = 5;

// One thing to draw. Only the members of its kind mean anything.
struct SheetElement
{
    SheetElementKind kind = SheetElementKind::Box;
    std::string name; // the window element it shows, e.g. "lblTA", "lineNear", "frame"

    // Box, Text and Picture: where it goes.
    SheetRectF rect;

    // Box.
    std::uint32_t fill = SheetWhite;
    bool filled = true;
    std::uint32_t outline = SheetBlack;

    // Box outline and Line: the pen width in printer pixels (1, 5, 10 or 20).
    int width = 1;

    // Text.
    std::string text;
    std::string fontFamily = "Arial";
    double points = 12;
    bool bold = false;
    TextAlignment alignment = TextAlignment::TopLeft;
    bool opaque = false; // a white background behind the text hides the lines under it

    // Text and Line.
    std::uint32_t colour = SheetBlack;

    // Line.
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    LineStyle style = LineStyle::Solid;

    // Picture.
    std::string family;
    int entry = 0;
    bool inverted = false;
    bool ghost = false;
};

// The outline of the window's area on a sheet.
SheetElement sheetFrame();

// The part of a field's text that its box on a sheet could not hold (see fitTextInBox).
struct ContinuedText
{
    std::string field; // the name of the field's element, e.g. "Text1(19)"
    std::string text;
    bool operator==(const ContinuedText &) const = default;
};

// The notes sheet printed after a sheet whose fields could not hold all their text: the
// sheet's title block and frame, and each field's rest under the field's caption. Its own
// boxes are named "notes:" and the field's name, so that what even they cannot hold goes on
// to a further notes sheet, and nothing else does.
std::vector<SheetElement> composeNotesSheet(const std::vector<SheetElement> &sheet,
                                            const std::vector<ContinuedText> &continued);
inline constexpr std::string_view NotesSheetFieldPrefix = "notes:";

// The sheet for the page the window shows now.
std::vector<SheetElement> composeSheet(const ProjectDocument &document);

namespace detail {
// The window's panels with another drawing in the frame: lets the tests hide parts of the
// drawing that the window itself never hides.
std::vector<SheetElement> composeSheet(const ProjectDocument &document, const Drawing &drawing);
} // namespace detail

} // namespace lumidex
