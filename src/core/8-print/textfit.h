#pragma once

// How a field's text fits the box it is printed in. Nothing typed may be lost on paper: a
// text wider than its box is printed smaller, down to SmallestFieldPoints, and below that it
// is wrapped onto as many lines as the box holds, shrinking further where it must.

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

// A field's text shrinks to this size on one line before it is wrapped.
inline constexpr double SmallestFieldPoints = 7;
// Wrapped text shrinks on to this size; what does not fit even then is cut at the box.
inline constexpr double SmallestWrappedPoints = 4;

struct FittedText
{
    double points = 12;
    std::vector<std::string> lines;
    bool operator==(const FittedText &) const = default;
};

// The size and lines of `text` (UTF-8) in a box of width x height, starting from `points`.
// Lines break at spaces (the spaces at a break are dropped), a word wider than the box between
// characters.
FittedText fitTextInBox(std::string_view text, double points, double width, double height,
                        const TextMeasure &measure);

} // namespace lumidex
