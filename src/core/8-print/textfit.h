#pragma once

// How a field's text fits the box it is printed in. Nothing typed may be lost on paper: a
// text wider than its box is printed smaller, down to SmallestFieldPoints, and then wrapped
// onto as many lines as the box holds at that size. What the box cannot hold even then is never
// printed smaller nor cut off: the box says that it continues, and the rest goes onto a notes
// sheet printed after the page's sheet.

#include "1-state/translation.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

// Measures text as the printer will draw it, in the units of the box.
class TextMeasure
{
public:
    virtual ~TextMeasure() = default;
    virtual double width(std::string_view utf8, double points) const = 0;
    virtual double lineHeight(double points) const = 0;
};

// No field text is printed smaller than this: it shrinks to it on one line, then wraps.
inline constexpr double SmallestFieldPoints = 7;

// The last line of a box whose text goes on on the notes sheet.
inline constexpr std::string_view ContinuedMark =
    LUMIDEX_TRANSLATE_NOOP("TextFit", "(continued on the notes sheet)");

struct FittedText
{
    double points = 12;
    std::vector<std::string> lines;
    std::string continued; // what goes onto the notes sheet; empty when the box holds it all
    bool operator==(const FittedText &) const = default;
};

// The size and lines of `text` (UTF-8) in a box of width x height, starting from `points`.
// Lines break at spaces (the spaces at a break are dropped), a word wider than the box between
// characters.
FittedText fitTextInBox(std::string_view text, double points, double width, double height,
                        const TextMeasure &measure);

} // namespace lumidex
