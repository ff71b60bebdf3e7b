#pragma once

// Where the installation window's pictures land on the printed sheet. Each picture (projector
// outline, arrow, screen outline) is played onto the printer page into a rectangle taken from the
// picture element's place in the window, scaled from the page's logical size to the printer's
// printable pixels and moved in by the sheet's margin. Arrows are stretched to fill their
// rectangle; every other picture keeps its proportions. Most pictures are drawn 5 % larger than
// their element because their outlines were drawn with a blank border; which ones are not differs
// between the two picture kinds.
//
// Earlier versions did this arithmetic in 16-bit integers and could not print on a printer wider
// or taller than 32767 pixels. Here it is done in double and 64-bit integers, so any printer
// resolution works.

#include <cstdint>
#include <optional>
#include <string_view>

namespace lumidex {

enum class PictureKind
{
    Metafile, // the older vector pictures
    Enhanced, // the enhanced vector pictures
};

// A picture element of the installation window, in window units (twips).
struct PictureElement
{
    std::string_view name; // "imgArrow", "imgArrow_V", "Image3", "imgLX510", ...
    int index = 0;         // the item of an element array (imgLX510 has items 0..3)
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// The printer page: its logical size as set up for the sheet (the window's inner size x 1.1) and
// its printable area in device pixels.
struct PrinterPage
{
    double scaleWidth = 0;  // sw
    double scaleHeight = 0; // sh
    double hres = 0;        // printable width, pixels
    double vres = 0;        // printable height, pixels
};

struct PixelRect
{
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;
};

// The mapping a picture is played with, all in printer pixels: the picture's own extent (w, h)
// is mapped onto the viewport at (x, y) of extent (viewportWidth, viewportHeight).
struct PicturePlacement
{
    bool isotropic = true; // false only for the arrows, which fill their rectangle exactly
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::int64_t w = 0;
    std::int64_t h = 0;
    std::int64_t viewportWidth = 0;
    std::int64_t viewportHeight = 0;
    bool enlarged = false;
    // Enhanced pictures only: the bounding rectangle they are played into.
    std::optional<PixelRect> playbackBounds;
};

// The placement of element on page for a picture of the given kind. Every value is rounded to a
// whole pixel, halves to even. Empty when the page has no positive size or a value cannot be held
// in 64 bits; the print command then ends with its print error.
std::optional<PicturePlacement> placePicture(PictureKind kind, const PictureElement &element,
                                             const PrinterPage &page);

} // namespace lumidex
