#pragma once

// The program's signal colours (a red dimension, a blue note) were chosen for black on white.
// On a dark desktop the same red and blue on a dark field are barely legible; there they are
// lightened just enough to read, keeping their hue, and "black" means the palette's own text.

#include <QColor>

class QWidget;

// `wanted` on `background`: on a dark background lightened until the two contrast at least
// 4.5 : 1 (WCAG's level for normal text); on a light one unchanged.
QColor readableColour(const QColor &wanted, const QColor &background);

// The text colour of a field in one of the program's colours: red and blue made readable on
// the field's base, black as the palette's text.
// The field's own palette may hold the previous colour; the desktop's palette for the field
// decides.
QColor fieldTextColour(const QWidget *field, const QColor &wanted);
