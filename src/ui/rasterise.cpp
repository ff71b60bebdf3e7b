// Draws SVG artwork as images at build time, for the package (the icon as PNG in the sizes of
// the desktop's icon theme) and for the program's first window:
//
//   lumidex-rasterise PICTURE.svg WIDTHxHEIGHT=OUT...
//
// writes the picture stretched to each size given, making OUT's folder where it is missing. An
// OUT ending in .png is a PNG image; any other is a raw image as artwork.cpp reads it: the
// width and the height as two 32-bit numbers, then the rows of premultiplied 32-bit ARGB
// pixels, all in the byte order of the machine. A raw image embedded in the program is shown
// without decoding it, where a PNG costs the start-up window more than drawing the SVG.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <cstdio>

namespace {

bool save(const QImage &image, const QString &file)
{
    if (file.endsWith(QStringLiteral(".png")))
        return image.save(file, "PNG");
    QFile raw(file);
    const quint32 size[2] = {quint32(image.width()), quint32(image.height())};
    return raw.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           raw.write(reinterpret_cast<const char *>(size), sizeof size) == qint64(sizeof size) &&
           raw.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()) ==
               image.sizeInBytes() &&
           raw.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing into an image needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: lumidex-rasterise PICTURE.svg WIDTHxHEIGHT=OUT.png...\n");
        return 2;
    }
    QSvgRenderer picture(QString::fromLocal8Bit(argv[1]));
    if (!picture.isValid()) {
        std::fprintf(stderr, "lumidex-rasterise: %s is not a readable SVG\n", argv[1]);
        return 1;
    }
    static const QRegularExpression output(QStringLiteral("^(\\d{1,4})x(\\d{1,4})=(.+)$"));
    for (int i = 2; i < argc; ++i) {
        const QRegularExpressionMatch match = output.match(QString::fromLocal8Bit(argv[i]));
        const int width = match.captured(1).toInt();
        const int height = match.captured(2).toInt();
        if (!match.hasMatch() || width < 1 || height < 1) {
            std::fprintf(stderr, "lumidex-rasterise: %s is not WIDTHxHEIGHT=OUT.png\n", argv[i]);
            return 2;
        }
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        picture.render(&painter);
        painter.end();
        const QString file = match.captured(3);
        if (!QDir().mkpath(QFileInfo(file).path()) || !save(image, file)) {
            std::fprintf(stderr, "lumidex-rasterise: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
