#include "3-catalogue/limits.h"

#include "1-state/translation.h"

#include <array>
#include <optional>

namespace lumidex {

const std::string_view OutOfRangeMessage =
    LUMIDEX_TRANSLATE_NOOP("Limits", "This dimension is outside the \n"
                                     "  capabilities of this projector\n\n"
                                     "Screen will be reset to 100 inch diag.");

namespace {

constexpr std::string_view NoticeTitle = LUMIDEX_TRANSLATE_NOOP("Limits", "Notice:");

// The lens's range: below aspect 1.4, or from 1.4 up where the lens has a second one.
std::optional<WidthRange> dataProjectorWidthRange(const Selection &s, float aspect)
{
    const LensEntry &lens = lensEntry(s);
    const bool wide = !isNarrowScreen(aspect);
    return (wide && lens.wideWidths) ? lens.wideWidths : lens.widths;
}

constexpr const char *TwoRatiosOnly = LUMIDEX_TRANSLATE_NOOP(
    "Limits", "This type of projector supports\n1.33 and 1.78 aspect ratios only");

// The ratios a projector that takes only 4:3 accepts: those shown as 1.30 to 1.34.
bool acceptedAsFourByThree(float a)
{
    return a >= 1.3f && a <= 1.34f;
}

// The ratios a projector that takes 4:3 and 16:9 accepts: the aspect button's 4:3 band, and
// 1.77 to 1.79 around 16:9.
bool acceptedAsFourByThreeOrWide(float a)
{
    return snapsToFourByThree(a) || (a > 1.77f && a < 1.79f);
}

// The ratios the CR-7300 and CR-7400 focus tables were measured for.
bool withinFocusTableRatios(float a)
{
    return a >= 1.0f && a <= 2.5f;
}

bool outside(float w, float min, float max)
{
    return !(w >= min && w <= max);
}

LimitCheck outOfRange()
{
    return {LimitOutcome::OutOfRange,
            translate("Limits", OutOfRangeMessage),
            {},
            MessageIcon::Critical,
            false};
}

LimitCheck aspectNotice(std::string text)
{
    return {LimitOutcome::AspectNotice, std::move(text), translate("Limits", NoticeTitle),
            MessageIcon::Critical, true};
}

bool refused(const std::optional<CrtWidths> &range, float w)
{
    if (!range)
        return false;
    const bool aboveMin = range->minExcluded ? w > range->min : w >= range->min;
    return !(aboveMin && w <= range->max);
}

// A distance of 0, none typed, is never refused.
bool refused(const std::optional<CrtDistances> &range, float v)
{
    if (!range || v == 0.0f)
        return false;
    return (v > 0.0f && v < range->low) ||
           (range->highAllowed ? v > range->high : v >= range->high);
}

// The widths a focus table covers: 0.8 times its smallest and largest diagonal, those of a
// 4:3 screen.
bool outsideFocusTable(FocusTable table, const FocusDiagonalRanges &focus, float w)
{
    switch (table) {
    case FocusTable::None:
        return false;
    case FocusTable::CR7300:
        return outside(w, 0.8f * focus.cr7300Min, 0.8f * focus.cr7300Max);
    case FocusTable::CR7400:
        return outside(w, 0.8f * focus.cr7400Min, 0.8f * focus.cr7400Max);
    }
    return false;
}

} // namespace

LimitCheck checkCapabilities(const Selection &s, float w, float a, float v,
                             const FocusDiagonalRanges &focus)
{
    // NaN and infinity never pass a range.
    const SeriesEntry *series = s.isCrt() ? &seriesEntry(s.series) : nullptr;
    if (series) {
        if (refused(series->widths, w) || refused(series->distances, v))
            return outOfRange();
    } else if (const auto range = dataProjectorWidthRange(s, a);
               range && outside(w, range->min, range->max)) {
        return outOfRange();
    }

    switch (series ? series->aspects : modelEntry(s.model).aspects) {
    case AspectRule::FourThreeOnly:
        if (!acceptedAsFourByThree(a))
            return aspectNotice(
                fourThreeOnlyMessage(series ? series->caption : modelEntry(s.model).caption));
        break;
    case AspectRule::Any:
        break;
    case AspectRule::FourThreeOrWide:
        if (!acceptedAsFourByThreeOrWide(a))
            return aspectNotice(translate("Limits", TwoRatiosOnly));
        break;
    case AspectRule::FocusTableRatios:
        if (!withinFocusTableRatios(a)) {
            LimitCheck check = outOfRange();
            check.aspectToFourByThree = true;
            return check;
        }
        break;
    }

    if (series && outsideFocusTable(series->focusWidths, focus, w))
        return outOfRange();
    return {};
}

} // namespace lumidex
