#include "picturecache.h"

#include <QSvgRenderer>

PictureCache::PictureCache() = default;
PictureCache::~PictureCache() = default;

QSvgRenderer *PictureCache::picture(std::string_view family)
{
    const QString name = QString::fromUtf8(family.data(), qsizetype(family.size()));
    auto it = m_pictures.find(name);
    if (it == m_pictures.end()) {
        it = m_pictures.insert(name, std::make_shared<QSvgRenderer>(
                                         QStringLiteral(":/lumidex/pictures/%1.svg").arg(name)));
    }
    return it.value()->isValid() ? it.value().get() : nullptr;
}

Qt::PenStyle penStyleOf(lumidex::LineStyle style)
{
    switch (style) {
    case lumidex::LineStyle::Dash:
        return Qt::DashLine;
    case lumidex::LineStyle::Dot:
        return Qt::DotLine;
    case lumidex::LineStyle::DashDot:
        return Qt::DashDotLine;
    case lumidex::LineStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}
