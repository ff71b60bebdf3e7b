#include "drawingrenderer.h"

#include "5-drawing/drawingarea.h"

#include <QFont>
#include <QPainter>
#include <QSvgRenderer>

using lumidex::DrawColour;
using lumidex::Drawing;
using lumidex::LineStyle;

namespace {

QColor toQt(DrawColour colour)
{
    return QColor::fromRgb(QRgb(lumidex::drawColourRgb(colour)));
}

void paintLine(QPainter &painter, const lumidex::DrawLine &l, double twipsPerPixel)
{
    if (!l.visible)
        return;
    QPen pen(toQt(l.colour), l.thick ? 4 * twipsPerPixel : 0, penStyleOf(l.style));
    pen.setCosmetic(!l.thick);
    painter.setPen(pen);
    painter.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
}

QFont labelFont(const QPainter &painter)
{
    QFont font = painter.font();
    font.setPixelSize(150); // twips: about 7.5 points at 20 twips per point
    return font;
}

// A note reads from the drawing's left edge; a value is centred on its place.
void paintLabel(QPainter &painter, const lumidex::DrawLabel &l, const QFont &font,
                bool leftAligned = false)
{
    if (!l.visible || l.caption.empty())
        return;
    const QRectF box(l.left, l.top, l.width, l.height);
    if (l.field) {
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::white);
        painter.drawRect(box);
    } else if (!leftAligned) {
        // Value labels sit on their dimension line and interrupt it.
        const QFontMetricsF fm(font);
        const double w = fm.horizontalAdvance(QString::fromStdString(l.caption)) + 40;
        painter.fillRect(QRectF(box.center().x() - w / 2, box.top(), w, box.height()), Qt::white);
    }
    painter.setPen(toQt(l.colour));
    painter.drawText(box, leftAligned ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter,
                     QString::fromStdString(l.caption));
}

} // namespace

DrawingRenderer::DrawingRenderer() = default;
DrawingRenderer::~DrawingRenderer() = default;

QRectF DrawingRenderer::drawingArea()
{
    const lumidex::DrawingArea &a = lumidex::ShownDrawingArea;
    return {a.left, a.top, a.width, a.height};
}

QTransform DrawingRenderer::twipsToTarget(const QRectF &target)
{
    // The same mapping the printed sheet uses.
    const lumidex::DrawingTransform t =
        lumidex::drawingTransform(target.left(), target.top(), target.width(), target.height());
    return QTransform(t.scale, 0, 0, t.scale, t.dx, t.dy);
}

void DrawingRenderer::render(QPainter &painter, const Drawing &drawing, const QRectF &target)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(twipsToTarget(target), true);
    const double twipsPerPixel = 1.0 / painter.transform().m11();

    drawing.forEachLine([&](std::string_view, const lumidex::DrawLine &l) {
        paintLine(painter, l, twipsPerPixel);
    });

    drawing.forEachPicture([&](std::string_view, const lumidex::DrawPicture &p) {
        if (!p.visible || p.family.empty())
            return;
        QSvgRenderer *svg = m_pictures.picture(p.family);
        if (!svg)
            return;
        painter.save();
        painter.setOpacity(p.ghost ? 0.35 : 1.0);
        QRectF box(p.left, p.top, p.width, p.height);
        if (p.inverted) {
            // Hung from the ceiling: the same projector upside down.
            painter.translate(0, box.top() + box.bottom());
            painter.scale(1, -1);
        }
        svg->render(&painter, box);
        painter.restore();
    });

    const QFont font = labelFont(painter);
    painter.setFont(font);
    drawing.forEachLabel([&](std::string_view name, const lumidex::DrawLabel &l) {
        lumidex::DrawLabel shown = l;
        shown.caption = lumidex::shownCaption(name, l);
        paintLabel(painter, shown, font, name.starts_with("lblNotice"));
    });
    painter.restore();
}

void DrawingRenderer::render(QPainter &painter, const lumidex::Figure &figure, const QRectF &target)
{
    if (figure.width <= 0 || figure.height <= 0)
        return;
    const double scale = std::min(target.width() / figure.width, target.height() / figure.height);
    if (!(scale > 0))
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.left() + (target.width() - figure.width * scale) / 2,
                      target.top() + (target.height() - figure.height * scale) / 2);
    painter.scale(scale, scale);
    const double twipsPerPixel = 1.0 / painter.transform().m11();
    for (const lumidex::DrawLine &l : figure.lines)
        paintLine(painter, l, twipsPerPixel);
    const QFont font = labelFont(painter);
    painter.setFont(font);
    for (const lumidex::DrawLabel &l : figure.labels)
        paintLabel(painter, l, font);
    painter.restore();
}
