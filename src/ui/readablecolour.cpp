#include "readablecolour.h"

#include <QApplication>
#include <QPalette>
#include <cmath>

namespace {

double luminance(const QColor &c)
{
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

QColor readableColour(const QColor &wanted, const QColor &background)
{
    // On light paper the program's colours are its own, exactly; only a dark background
    // lightens them.
    if (luminance(background) >= 0.18)
        return wanted;
    const QColor toward(Qt::white);
    QColor c = wanted;
    for (int step = 1; step <= 20 && contrast(c, background) < 4.5; ++step) {
        const double t = step / 20.0;
        c = QColor::fromRgbF(float(wanted.redF() + (toward.redF() - wanted.redF()) * t),
                             float(wanted.greenF() + (toward.greenF() - wanted.greenF()) * t),
                             float(wanted.blueF() + (toward.blueF() - wanted.blueF()) * t));
    }
    return c;
}

QColor fieldTextColour(const QWidget *field, const QColor &wanted)
{
    const QPalette palette = QApplication::palette(field);
    if (wanted == QColor(Qt::black))
        return palette.color(QPalette::Text);
    return readableColour(wanted, palette.color(QPalette::Base));
}
