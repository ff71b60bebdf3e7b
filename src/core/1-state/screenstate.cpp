#include "1-state/screenstate.h"

namespace lumidex {

float &ScreenState::value(Dimension d)
{
    switch (d) {
    case Dimension::Width:
        return width;
    case Dimension::Diagonal:
        return diagonal;
    case Dimension::Height:
        break;
    }
    return height;
}

float ScreenState::value(Dimension d) const
{
    return const_cast<ScreenState *>(this)->value(d);
}

Unit &ScreenState::unit(Dimension d)
{
    switch (d) {
    case Dimension::Width:
        return widthUnit;
    case Dimension::Diagonal:
        return diagonalUnit;
    case Dimension::Height:
        break;
    }
    return heightUnit;
}

Unit ScreenState::unit(Dimension d) const
{
    return const_cast<ScreenState *>(this)->unit(d);
}

} // namespace lumidex
