#pragma once

#include "5-drawing/drawing.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace lumidex {
class ProjectDocument;
struct FocusTables;
} // namespace lumidex

// The installation drawing as an SVG picture, painted by the window's own renderer at the
// window's size (15 twips a pixel): its texts stay texts and its lines stay lines, for
// documents and web pages.
QByteArray drawingSvg(const lumidex::Drawing &drawing, const QString &title);

enum class DrawingFileType
{
    Dxf, // the true-scale elevation for CAD programs
    Svg, // the window's picture
};

// The file's type by its name's ending (.dxf or .svg, any case); nothing for another name.
std::optional<DrawingFileType> drawingFileTypeOf(const QString &path);

// Shows the page in the window and gives its drawing as the file's contents; nothing when
// the page cannot be drawn as it is stored (its screen is refused).
std::optional<QByteArray> pageDrawingFile(lumidex::ProjectDocument &document,
                                          const lumidex::FocusTables &focus, int page,
                                          DrawingFileType type);
