#pragma once

#include "5-drawing/drawing.h"

#include <QByteArray>
#include <QString>

// The installation drawing as an SVG picture, painted by the window's own renderer at the
// window's size (15 twips a pixel): its texts stay texts and its lines stay lines, for
// documents and web pages.
QByteArray drawingSvg(const lumidex::Drawing &drawing, const QString &title);
