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
        const ModelEntry &model = modelEntry(s.model);
        switch (model.aspects) {
        case AspectRule::FourThreeOnly:
            if (!acceptedAsFourByThree(a))
                return aspectNotice(fourThreeOnlyMessage(model));
            break;
        case AspectRule::Any:
            break;
        case AspectRule::FourThreeOrWide:
            if (!acceptedAsFourByThreeOrWide(a))
                return aspectNotice(translate("Limits", TwoRatiosOnly));
            break;
        }
    } else if (s.series == Series::CR7500) {
        if (!acceptedAsFourByThreeOrWide(a))
            return aspectNotice(translate("Limits", TwoRatiosOnly));
    } else if (s.series == Series::CR7300 || s.series == Series::CR7400) {
        if (!withinFocusTableRatios(a)) {
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
