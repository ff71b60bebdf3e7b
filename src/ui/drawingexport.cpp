#include "drawingexport.h"

#include "7-project/projectdocument.h"
#include "8-print/elevationdxf.h"
#include "8-print/trueelevation.h"
#include "drawingrenderer.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

namespace {

// The window shows the drawing at 15 twips a pixel on a 96 dpi screen.
constexpr double TwipsPerPixel = 15.0;

} // namespace

QByteArray drawingSvg(const lumidex::Drawing &drawing, const QString &title)
{
    const QRectF area = DrawingRenderer::drawingArea();
    const QRectF target(0, 0, area.width() / TwipsPerPixel, area.height() / TwipsPerPixel);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(target.size().toSize());
    svg.setViewBox(target);
    svg.setResolution(96);
    svg.setTitle(title);
    svg.setDescription(QStringLiteral("Installation drawing made by Lumidex"));
    QPainter painter(&svg);
    painter.fillRect(target, Qt::white);
    DrawingRenderer renderer;
    renderer.render(painter, drawing, target);
    painter.end();
    return bytes;
}

std::optional<DrawingFileType> drawingFileTypeOf(const QString &path)
{
    if (path.endsWith(QStringLiteral(".dxf"), Qt::CaseInsensitive))
        return DrawingFileType::Dxf;
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        return DrawingFileType::Svg;
    return std::nullopt;
}

std::optional<QByteArray> pageDrawingFile(lumidex::ProjectDocument &document,
                                          const lumidex::FocusTables &focus, int page,
                                          DrawingFileType type)
{
    if (!lumidex::showPageAsStored(document, page))
        return std::nullopt;
    if (type == DrawingFileType::Svg) {
        return drawingSvg(document.window().drawing(),
                          QString::fromStdString(document.projectName()));
    }
    const std::optional<lumidex::TrueElevation> elevation =
        lumidex::trueElevation(document.window(), focus);
    if (!elevation)
        return std::nullopt;
    return QByteArray::fromStdString(lumidex::elevationDxf(*elevation));
}
