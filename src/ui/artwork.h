#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon and its start-up artwork. What the start-up window needs was drawn from
// the SVGs at build time and is embedded as raw pixels, so that the window appears without
// decoding an image or loading the SVG renderer and its icon plugin first.

// The program's icon, in the sizes a window manager asks for.
QIcon programIcon();

// The start-up artwork, 420 by 200, for a screen of the given pixel ratio: as drawn at build
// time at a ratio of 1, drawn now from its SVG at any other, so that it stays sharp.
constexpr QSize StartupArtworkSize(420, 200);
QPixmap startupArtwork(qreal devicePixelRatio);
