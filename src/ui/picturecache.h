#pragma once

#include "5-drawing/drawing.h"

#include <QHash>
#include <QString>
#include <Qt>
#include <memory>
#include <string_view>

class QSvgRenderer;

// The drawing's pictures (projector outlines, arrows), each read from the resources once.
class PictureCache
{
public:
    PictureCache();
    ~PictureCache();

    // The picture of a family such as "imgLX460"; null when there is none.
    QSvgRenderer *picture(std::string_view family);

private:
    QHash<QString, std::shared_ptr<QSvgRenderer>> m_pictures;
};

// The pen style a drawing line is drawn with, on screen and on paper.
Qt::PenStyle penStyleOf(lumidex::LineStyle style);
