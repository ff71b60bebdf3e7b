#pragma once

// Where the screen and the projector stand in the drawing's height: the lens axis relative
// to the screen edge (the model's vertical lens offset) and the mounting position decide it.

#include "1-state/installationstate.h"
#include "5-drawing/pictures.h"

namespace lumidex {

// How far the lens axis lies from the screen's centre, in whole inches (halves to even).
int lensOffsetInches(const Selection &selection, float diagonal, float aspect,
                     std::int16_t inputSignal);

struct VerticalPlacement
{
    double screenTop = 0;
    double screenBottom = 0;
    double lensAxis = 0;
    double pictureTop = 0; // the real projector's top edge
    double drawnTop = 0;   // the picture's top edge as drawn
    bool inverted = false; // hung from the ceiling above the screen
    bool fits = true;      // screen, projector and ceiling stay inside the drawing

    bool operator==(const VerticalPlacement &) const = default;
};

// The screen stands on the floor line. Ceiling mount: the projector hangs upside down with
// its lens the lens offset above the screen's centre. Centre: the lens is level with the
// screen's centre. Floor mount (and "Special"): the lens is the lens offset below the
// centre; a projector that would stand below the floor line stands on it and the screen is
// raised with it. The real projector decides the heights; a picture drawn larger than the
// projector keeps its lens on the lens axis and stays above the floor line.
VerticalPlacement placeVertically(MountPosition position, const PictureBox &real,
                                  const PictureBox &drawn, double screenHeight, int scale,
                                  int lensOffset);

} // namespace lumidex
