#include "drawingexport.h"

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
