#include "3-catalogue/limits.h"

#include <array>
#include <optional>

namespace lumidex {

const std::string_view OutOfRangeMessage = "This dimension is outside the \n"
                                           "  capabilities of this projector\n\n"
                                           "Screen will be reset to 100 inch diag.";

namespace {

constexpr std::string_view NoticeTitle = "Notice:";

struct WidthRange
{
    float min;
    float max;
};

// One row per model and lens group: the range below aspect 1.4 and, where it differs, the
// range from 1.4 up.
struct WidthRow
{
    Model model;
    int firstLens;
    int lastLens;
    WidthRange narrow;
    std::optional<WidthRange> wide;
};

const std::array<WidthRow, 24> widthTable{{
    {Model::LX410, 0, 0, {27, 196}, WidthRange{26, 261}},
    {Model::LX410, 1, 1, {64, 200}, WidthRange{57, 261}},
    {Model::LX410, 2, 3, {32, 240}, WidthRange{26, 261}},
    {Model::LX420, 0, 0, {32, 240}, {}},
    {Model::LX420, 3, 3, {32, 240}, {}},
    {Model::LX420, 1, 1, {64, 240}, {}},
    {Model::LX420, 2, 2, {32, 232}, {}},
    {Model::LX430, 0, 0, {32, 240}, {}},
    {Model::LX430, 2, 2, {32, 240}, {}},
    {Model::LX430, 1, 1, {64, 240}, {}},
    {Model::LX440, 0, 0, {32, 240}, {}},
    {Model::LX440, 4, 4, {32, 240}, {}},
    {Model::LX440, 1, 1, {64, 240}, {}},
    {Model::LX440, 2, 2, {40, 160}, {}},
    {Model::LX440, 3, 3, {32, 232}, {}},
    {Model::LX450, 0, 0, {32, 240}, {}},
    {Model::LX450, 1, 1, {64, 240}, {}},
    {Model::LX450, 2, 2, {40, 160}, {}},
    {Model::LX450, 3, 3, {32, 232}, {}},
    {Model::LX510, 0, 0, {40, 400}, {}},
    {Model::LX510, 4, 5, {40, 400}, {}},
    {Model::LX510, 1, 3, {64, 400}, {}},
    {Model::LX550, 0, 2, {80, 480}, {}},
    {Model::LX550, 3, 3, {32, 240}, {}},
}};

std::optional<WidthRange> dataProjectorWidthRange(const Selection &s, float aspect)
{
    const bool wide = !(aspect < 1.4f);
    switch (s.model) {
    case Model::LX460:
    case Model::LX470:
    case Model::LX480:
    case Model::LX490:
        return WidthRange{32, 240};
    case Model::LX540:
        return wide ? WidthRange{26, 192} : WidthRange{32, 240};
    case Model::DX520:
    case Model::LX530:
        return std::nullopt; // every width is accepted
    default:
        break;
    }
    for (const WidthRow &row : widthTable) {
        if (row.model == s.model && s.lens >= row.firstLens && s.lens <= row.lastLens)
            return (wide && row.wide) ? *row.wide : row.narrow;
    }
    return std::nullopt;
}

bool outside(float w, float min, float max)
{
    return !(w >= min && w <= max);
}

LimitCheck outOfRange()
{
    return {
        LimitOutcome::OutOfRange, std::string(OutOfRangeMessage), {}, MessageIcon::Critical, false};
}

LimitCheck aspectNotice(std::string text)
{
    return {LimitOutcome::AspectNotice, std::move(text), std::string(NoticeTitle),
            MessageIcon::Critical, true};
}

// A typed distance V is refused below `low` (V > 0 only) or at/above `high`.
bool distanceRefused(float v, float low, float high, bool highInclusive = true)
{
    if (v == 0.0f)
        return false;
    return (v > 0.0f && v < low) || (highInclusive ? v >= high : v > high);
}

} // namespace

LimitCheck checkCapabilities(const Selection &s, float w, float a, float v,
                             const FocusDiagonalRanges &focus)
{
    // NaN and infinity never pass a range.
    if (s.isCrt()) {
        switch (s.series) {
        case Series::CR7300:
            if (outside(w, 48, 240) || distanceRefused(v, 66, 309))
                return outOfRange();
            break;
        case Series::CR7400:
            if (outside(w, 48, 200) || distanceRefused(v, 75, 286))
                return outOfRange();
            break;
        case Series::CR7500:
            if (outside(w, 48, 200) || distanceRefused(v, 82, 320, false))
                return outOfRange();
            break;
        case Series::CR7100:
        case Series::CR7200:
            break;
        }
    } else if (const auto range = dataProjectorWidthRange(s, a);
               range && outside(w, range->min, range->max)) {
        return outOfRange();
    }

    // Aspect rules.
    if (!s.isCrt()) {
        switch (s.model) {
        case Model::LX420:
        case Model::LX430:
        case Model::LX440:
        case Model::LX450:
            if (!(a >= 1.3f && a <= 1.34f)) {
                return aspectNotice(std::string(modelEntry(s.model).caption) +
                                    " projectors support\nthe 1.33 aspect ratio only");
            }
            break;
        case Model::DX520:
        case Model::LX530:
            break;
        default:
            if (!((a > 1.3f && a < 1.4f) || (a > 1.77f && a < 1.79f)))
                return aspectNotice(
                    "This type of projector supports\n1.33 and 1.78 aspect ratios only");
            break;
        }
    } else if (s.series == Series::CR7500) {
        if (!((a > 1.3f && a < 1.4f) || (a > 1.77f && a < 1.79f)))
            return aspectNotice(
                "This type of projector supports\n1.33 and 1.78 aspect ratios only");
    } else if (s.series == Series::CR7300 || s.series == Series::CR7400) {
        if (!(a >= 1.0f && a <= 2.5f)) {
            LimitCheck check = outOfRange();
            check.aspectToFourByThree = true;
            return check;
        }
    }

    // Series checks.
    if (s.isCrt()) {
        switch (s.series) {
        case Series::CR7100:
            if (!(w > 55 && w <= 240) || distanceRefused(v, 79, 327))
                return outOfRange();
            break;
        case Series::CR7200:
            if (outside(w, 72, 240) || distanceRefused(v, 99, 327))
                return outOfRange();
            break;
        case Series::CR7300:
            if (outside(w, 0.8f * focus.cr7300Min, 0.8f * focus.cr7300Max))
                return outOfRange();
            break;
        case Series::CR7400:
            if (outside(w, 0.8f * focus.cr7400Min, 0.8f * focus.cr7400Max) ||
                distanceRefused(v, 75, 286))
                return outOfRange();
            break;
        case Series::CR7500:
            break;
        }
    }
    return {};
}

} // namespace lumidex
