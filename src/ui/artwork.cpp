#include "artwork.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <cstdint>
#include <cstring>

namespace {

// A raw image that lumidex-rasterise wrote and the resources hold uncompressed: its width and
// height as two 32-bit numbers, then premultiplied ARGB pixels. The image shares the program's
// own copy of the pixels where they are aligned for it; anything malformed gives a null image.
QImage embeddedImage(const QString &path)
{
    const QResource resource(path);
    constexpr qint64 HeaderBytes = 2 * sizeof(quint32);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() < HeaderBytes)
        return {};
    quint32 size[2];
    std::memcpy(size, resource.data(), sizeof size);
    const qint64 width = size[0], height = size[1];
    if (width < 1 || height < 1 || width > 4096 || height > 4096 ||
        resource.size() != HeaderBytes + width * height * 4)
        return {};
    const uchar *pixels = resource.data() + HeaderBytes;
    const QImage shared(pixels, int(width), int(height), int(width * 4),
                        QImage::Format_ARGB32_Premultiplied);
    return reinterpret_cast<std::uintptr_t>(pixels) % alignof(quint32) == 0 ? shared
                                                                            : shared.copy();
}

} // namespace

QIcon programIcon()
{
    // Every size the build drew (src/ui/CMakeLists.txt names them).
    QIcon icon;
    // A name filter would compile a pattern at start; the names are simple enough to test.
    const QDir drawn(QStringLiteral(":/lumidex/firstwindow"));
    for (const QString &name : drawn.entryList(QDir::Files)) {
        if (name.startsWith(QStringLiteral("icon-")))
            icon.addPixmap(QPixmap::fromImage(embeddedImage(drawn.filePath(name))));
    }
    return icon;
}

QPixmap startupArtwork(qreal devicePixelRatio)
{
    if (devicePixelRatio == 1.0)
        return QPixmap::fromImage(
            embeddedImage(QStringLiteral(":/lumidex/firstwindow/splash.argb")));
    QPixmap artwork(StartupArtworkSize * devicePixelRatio);
    artwork.setDevicePixelRatio(devicePixelRatio);
    artwork.fill(Qt::transparent);
    QPainter painter(&artwork);
    QSvgRenderer(QStringLiteral(":/lumidex/splash.svg"))
        .render(&painter, QRectF(QPointF(), StartupArtworkSize));
    return artwork;
}
