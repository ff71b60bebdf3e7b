#include "sheetrenderer.h"

#include "5-drawing/sheetlayout.h"
#include "8-print/picturerect.h"
#include "8-print/textfit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QSvgRenderer>

using lumidex::SheetElement;
using lumidex::SheetElementKind;
using lumidex::TextAlignment;

namespace {

// The window's area is printed at 1/1.1 of the page, 400 twips in from the left and 200 down.
constexpr double PageLeft = -400;
constexpr double PageTop = -200;
constexpr double PageScale = 1.1;
constexpr double PageWidth = lumidex::SheetWidth * PageScale;
constexpr double PageHeight = lumidex::SheetHeight * PageScale;

// Pen widths are given in dots of a 300 dpi printer, so that a sheet looks the same on a
// finer printer or in a PDF.
constexpr double PenDotsPerInch = 300;

QColor toQt(std::uint32_t rgb)
{
    return QColor::fromRgb(QRgb(rgb));
}

// Projector outlines of the data projectors are the enhanced pictures; the arrows and the CRT
// projectors the older kind.
lumidex::PictureKind kindOf(const std::string &family)
{
    if (family.starts_with("imgCR") || family.starts_with("imgArrow"))
        return lumidex::PictureKind::Metafile;
    return lumidex::PictureKind::Enhanced;
}

class PageMapping
{
public:
    explicit PageMapping(const QPaintDevice &device)
        : m_width(device.width()), m_height(device.height()),
          m_penScale(std::max(1.0, device.logicalDpiX() / PenDotsPerInch))
    {}

    QPointF point(double x, double y) const
    {
        return {(x - PageLeft) * m_width / PageWidth, (y - PageTop) * m_height / PageHeight};
    }
    QRectF rect(const lumidex::SheetRectF &r) const
    {
        return {point(r.left, r.top), point(r.left + r.width, r.top + r.height)};
    }
    double pen(int width) const { return width * m_penScale; }

    lumidex::PrinterPage printerPage() const
    {
        return {PageWidth, PageHeight, double(m_width), double(m_height)};
    }

private:
    double m_width;
    double m_height;
    double m_penScale;
};

void drawBox(QPainter &painter, const PageMapping &map, const SheetElement &e)
{
    painter.setPen(
        QPen(toQt(e.outline), map.pen(e.width), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(e.filled ? QBrush(toQt(e.fill)) : QBrush(Qt::NoBrush));
    painter.drawRect(map.rect(e.rect));
}

void drawLine(QPainter &painter, const PageMapping &map, const SheetElement &e)
{
    painter.setPen(QPen(toQt(e.colour), map.pen(e.width), penStyleOf(e.style), Qt::FlatCap));
    painter.drawLine(map.point(e.x1, e.y1), map.point(e.x2, e.y2));
}

QFont sheetFont(const SheetElement &e, double points)
{
    QFont font(QString::fromStdString(e.fontFamily));
    font.setPointSizeF(points);
    font.setBold(e.bold);
    return font;
}

// Text as this device draws it, in its pixels.
class DeviceTextMeasure : public lumidex::TextMeasure
{
public:
    DeviceTextMeasure(const SheetElement &e, QPaintDevice *device) : m_element(e), m_device(device)
    {}

    double width(std::string_view utf8, double points) const override
    {
        return metrics(points).horizontalAdvance(
            QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
    }
    double lineHeight(double points) const override { return metrics(points).height(); }

private:
    QFontMetricsF metrics(double points) const
    {
        return QFontMetricsF(sheetFont(m_element, points), m_device);
    }

    const SheetElement &m_element;
    QPaintDevice *m_device;
};

void drawLines(QPainter &painter, const SheetElement &e, const std::vector<QString> &lines,
               const std::vector<QPointF> &topLefts, const QFontMetricsF &metrics,
               const QRectF &clip)
{
    painter.setPen(toQt(e.colour));
    if (!clip.isNull()) {
        painter.save();
        painter.setClipRect(clip);
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QRectF box(topLefts[i],
                         QSizeF(metrics.horizontalAdvance(lines[i]), metrics.height()));
        if (e.opaque)
            painter.fillRect(box, Qt::white);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, lines[i]);
    }
    if (!clip.isNull())
        painter.restore();
}

// A field's value: centred in its box, smaller or on more lines when it is wider than the box,
// so that all of it reaches the paper; what the box cannot hold is given back for the notes
// sheet.
std::string drawFieldText(QPainter &painter, const PageMapping &map, const SheetElement &e)
{
    const QRectF r = map.rect(e.rect);
    // Clear of the box's outline on either side.
    const double inset = 2 * map.pen(lumidex::PanelPenWidth);
    const lumidex::FittedText fitted =
        lumidex::fitTextInBox(e.text, e.points, r.width() - 2 * inset, r.height(),
                              DeviceTextMeasure(e, painter.device()));
    const QFont font = sheetFont(e, fitted.points);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());

    std::vector<QString> lines;
    std::vector<QPointF> topLefts;
    double top = r.center().y() - metrics.height() * double(fitted.lines.size()) / 2;
    for (const std::string &line : fitted.lines) {
        lines.push_back(QString::fromStdString(line));
        topLefts.emplace_back(r.center().x() - metrics.horizontalAdvance(lines.back()) / 2, top);
        top += metrics.height();
    }
    drawLines(painter, e, lines, topLefts, metrics, QRectF());
    return fitted.continued;
}

// Draws e; a field's text its box cannot hold is given back.
std::string drawText(QPainter &painter, const PageMapping &map, const SheetElement &e)
{
    if (e.alignment == TextAlignment::CentredInRect)
        return drawFieldText(painter, map, e);
    const QFont font = sheetFont(e, e.points);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QString text = QString::fromStdString(e.text);
    const QSizeF size(metrics.horizontalAdvance(text), metrics.height());

    QPointF topLeft;
    switch (e.alignment) {
    case TextAlignment::TopLeft:
        topLeft = map.point(e.rect.left, e.rect.top);
        break;
    case TextAlignment::PanelCaption: {
        // Just inside the top edge: at a true 12 points on paper a caption half a line
        // further down runs into the panel's first row of fields.
        const QRectF r = map.rect(e.rect);
        topLeft =
            QPointF(r.center().x() - size.width() / 2, r.top() + map.pen(lumidex::PanelPenWidth));
        break;
    }
    case TextAlignment::CentredOnPoint:
        topLeft = map.point(e.rect.left, e.rect.top) - QPointF(size.width() / 2, size.height() / 2);
        break;
    case TextAlignment::CentredInRect:
        break;
    }
    drawLines(painter, e, {text}, {topLeft}, metrics, {});
    return {};
}

} // namespace

SheetRenderer::SheetRenderer() = default;
SheetRenderer::~SheetRenderer() = default;

bool SheetRenderer::drawPicture(QPainter &painter, const lumidex::PrinterPage &page,
                                const SheetElement &e)
{
    const lumidex::PictureKind kind = kindOf(e.family);
    const lumidex::PictureElement element{e.family,   e.entry,      e.rect.left,
                                          e.rect.top, e.rect.width, e.rect.height};
    const std::optional<lumidex::PicturePlacement> placed =
        lumidex::placePicture(kind, element, page);
    if (!placed)
        return false;
    const lumidex::PicturePlacement &p = *placed;
    QSvgRenderer *svg = m_pictures.picture(e.family);
    if (!svg || p.w <= 0 || p.h <= 0)
        return true; // nothing to play

    // The picture's extent (w, h) is mapped onto the viewport; an isotropic mapping takes the
    // smaller of the two scales.
    double sx = double(p.viewportWidth) / double(p.w);
    double sy = double(p.viewportHeight) / double(p.h);
    if (p.isotropic)
        sx = sy = std::min(sx, sy);
    QRectF target;
    if (p.playbackBounds) {
        // An enhanced picture is stretched over its bounding rectangle.
        const lumidex::PixelRect &b = *p.playbackBounds;
        target = QRectF(double(p.x) + double(b.left) * sx, double(p.y) + double(b.top) * sy,
                        double(b.right - b.left) * sx, double(b.bottom - b.top) * sy);
    } else {
        target = QRectF(double(p.x), double(p.y), double(p.w) * sx, double(p.h) * sy);
        if (p.isotropic) {
            // The older pictures keep their own proportions, from the top-left corner.
            const QSizeF own = svg->viewBoxF().size();
            if (own.width() > 0 && own.height() > 0)
                target.setSize(own.scaled(target.size(), Qt::KeepAspectRatio));
        }
    }

    painter.save();
    painter.setOpacity(e.ghost ? 0.35 : 1.0);
    if (e.inverted) {
        // Hung from the ceiling: the same projector upside down.
        painter.translate(0, target.top() + target.bottom());
        painter.scale(1, -1);
    }
    svg->render(&painter, target);
    painter.restore();
    return true;
}

bool SheetRenderer::render(QPainter &painter, const std::vector<SheetElement> &sheet,
                           std::vector<lumidex::ContinuedText> *continued)
{
    const QPaintDevice *device = painter.device();
    if (!device || device->width() <= 0 || device->height() <= 0)
        return false;
    const PageMapping map(*device);

    painter.save();
    painter.resetTransform();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    bool placedAll = true;
    for (const SheetElement &e : sheet) {
        switch (e.kind) {
        case SheetElementKind::Box:
            drawBox(painter, map, e);
            break;
        case SheetElementKind::Line:
            drawLine(painter, map, e);
            break;
        case SheetElementKind::Text:
            if (std::string rest = drawText(painter, map, e); !rest.empty() && continued)
                continued->push_back({e.name, std::move(rest)});
            break;
        case SheetElementKind::Picture:
            placedAll = drawPicture(painter, map.printerPage(), e) && placedAll;
            break;
        }
    }
    painter.restore();
    return placedAll;
}
