#pragma once

#include "5-drawing/drawing.h"
#include "5-drawing/figure.h"
#include "picturecache.h"

#include <QRectF>
#include <QTransform>

class QPainter;

// Paints the installation drawing: one paint path for the window, and later the printed
// sheet. The drawing's twips are mapped onto `target` with the painter's window and
// viewport, keeping the drawing's proportions; lines stay thin at any size.
class DrawingRenderer
{
public:
    DrawingRenderer();
    ~DrawingRenderer();

    void render(QPainter &painter, const lumidex::Drawing &drawing, const QRectF &target);
    // A smaller picture in the same style, fitted into target with its proportions kept.
    void render(QPainter &painter, const lumidex::Figure &figure, const QRectF &target);

    // The drawing area (twips) shown inside a target of the given size, and the mapping of a
    // twips point into it, for placing child widgets and finding clicked pictures.
    static QRectF drawingArea();
    static QTransform twipsToTarget(const QRectF &target);

private:
    PictureCache m_pictures;
};
