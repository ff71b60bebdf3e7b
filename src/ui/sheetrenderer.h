#pragma once

#include "8-print/sheet.h"
#include "picturecache.h"

#include <vector>

namespace lumidex {
struct PrinterPage;
}

class QPainter;

// Paints one installation sheet onto a printer page, a PDF page, a preview or an image. The
// page's logical coordinates are the window's twips, moved in by 400 and 200 and stretched so
// that 1.1 times the window's area fills the printable area; lines, boxes and text anchors go
// through that mapping, while text keeps its true point size and pictures are placed the way
// printed sheets always placed them.
class SheetRenderer
{
public:
    SheetRenderer();
    ~SheetRenderer();

    // Paints sheet over the painter's whole device (its printable area). False when a
    // picture could not be placed on this device. What a field's box cannot hold at the
    // smallest size goes into `continued`, for a notes sheet (when given).
    bool render(QPainter &painter, const std::vector<lumidex::SheetElement> &sheet,
                std::vector<lumidex::ContinuedText> *continued = nullptr);

private:
    bool drawPicture(QPainter &painter, const lumidex::PrinterPage &page,
                     const lumidex::SheetElement &e);
    PictureCache m_pictures;
};
