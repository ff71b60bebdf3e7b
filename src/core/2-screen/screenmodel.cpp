#include "2-screen/screenmodel.h"

#include "1-state/numbertext.h"
#include "1-state/translation.h"

#include <cmath>

namespace lumidex {
namespace {

constexpr std::array<GroupRanges, 4> groupTable{{
    {{60, 360}, {80, 480}, {100, 600}}, // A: DX-520
    {{24, 300}, {32, 400}, {40, 500}},  // B: LX-510 LN-110, LN-114, LN-115
    {{48, 300}, {64, 400}, {80, 500}},  // C: LX-510 LN-111, LN-112, LN-113
    {{20, 181}, {27, 241}, {34, 301}},  // D: everything else
}};

constexpr std::array<AspectPreset, 6> presetTable{{
    {LUMIDEX_TRANSLATE_NOOP("ScreenModel", "1.33 - Television (acadamy)"), 4.0f / 3.0f, "1.33:1",
     "4:3"},
    {LUMIDEX_TRANSLATE_NOOP("ScreenModel", "1.66 - European Widescreen"), 5.0f / 3.0f, "1.66:1",
     "5:3"},
    {LUMIDEX_TRANSLATE_NOOP("ScreenModel", "1.78 - High Definition"), 16.0f / 9.0f, "1.78:1",
     "16:9"},
    {LUMIDEX_TRANSLATE_NOOP("ScreenModel", "1.85 - American Widescreen"), 1.85f, "1.85:1", "37:20"},
    {LUMIDEX_TRANSLATE_NOOP("ScreenModel", "2.00 - Anamorphic Mode 1"), 2.0f, "2.00:1", "2:1"},
    {LUMIDEX_TRANSLATE_NOOP("ScreenModel", "2.35 - Anamorphic Mode 2"), 2.35f, "2.35:1", "7:3"},
}};

// Hard-limit reset: a 100 inch diagonal at the kept ratio (100/80/60 at 4:3).
void resetScreen(ScreenState &s)
{
    s.diagonal = ResetScreen.diagonal;
    const double theta = std::atan(std::pow(static_cast<double>(s.aspect), -1.0));
    s.height = static_cast<float>(std::sin(theta) * s.diagonal);
    s.width = static_cast<float>(std::cos(theta) * s.diagonal);
}

float hypot2(float a, float b)
{
    const double x = a;
    const double y = b;
    return static_cast<float>(std::sqrt(x * x + y * y));
}

} // namespace

const GroupRanges &recommendedRanges(RangeGroup group)
{
    return groupTable[static_cast<std::size_t>(group)];
}

RangeResult checkRecommendedRange(ScreenState &screen, RangeGroup group)
{
    const GroupRanges &ranges = recommendedRanges(group);
    const std::array<std::pair<Dimension, SizeRange>, 3> order{{
        {Dimension::Height, ranges.height},
        {Dimension::Width, ranges.width},
        {Dimension::Diagonal, ranges.diagonal},
    }};
    RangeResult result;
    for (const auto &[dim, range] : order) {
        const float v = screen.value(dim);
        if (range.contains(v)) {
            result.colours[static_cast<std::size_t>(dim)] = TextColour::Black;
        } else if (HardLimits.contains(v)) {
            result.colours[static_cast<std::size_t>(dim)] = TextColour::Red;
        } else {
            resetScreen(screen);
            result.reset = true;
            break;
        }
    }
    if (result.reset) {
        // The screen the installer now has is the reset one: each field takes its colour, so
        // that a field red for the refused size does not stay red for an in-range one.
        for (const auto &[dim, range] : order) {
            result.colours[static_cast<std::size_t>(dim)] =
                range.contains(screen.value(dim)) ? TextColour::Black : TextColour::Red;
        }
    }
    return result;
}

RangeResult recomputeFromHeight(ScreenState &s, RangeGroup group)
{
    s.width = static_cast<float>(static_cast<double>(s.height) * s.aspect);
    s.diagonal = hypot2(s.height, s.width);
    return checkRecommendedRange(s, group);
}

RangeResult recomputeFromWidth(ScreenState &s, RangeGroup group)
{
    s.height = static_cast<float>(static_cast<double>(s.width) / s.aspect);
    s.diagonal = hypot2(s.height, s.width);
    return checkRecommendedRange(s, group);
}

RangeResult recomputeFromDiagonal(ScreenState &s, RangeGroup group)
{
    const double theta = std::atan(std::pow(static_cast<double>(s.aspect), -1.0));
    s.height = static_cast<float>(std::sin(theta) * s.diagonal);
    s.width = static_cast<float>(std::cos(theta) * s.diagonal);
    return checkRecommendedRange(s, group);
}

RangeResult recomputeFrom(ScreenState &s, Dimension typed, RangeGroup group)
{
    switch (typed) {
    case Dimension::Width:
        return recomputeFromWidth(s, group);
    case Dimension::Diagonal:
        return recomputeFromDiagonal(s, group);
    case Dimension::Height:
        break;
    }
    return recomputeFromHeight(s, group);
}

RangeResult stepDimension(ScreenState &s, Dimension d, int direction, RangeGroup group)
{
    float &v = s.value(d);
    v = static_cast<float>(static_cast<double>(v) + direction * 1.0);
    return recomputeFrom(s, d, group);
}

RangeResult recomputeKeepingWide(ScreenState &s, RangeGroup group)
{
    return s.aspect > KeepWidthAbove ? recomputeFromWidth(s, group) : recomputeFromHeight(s, group);
}

double toInches(std::string_view text, Unit unit)
{
    return unitsToInches(leadingNumber(text), unit);
}

std::span<const AspectPreset> aspectPresets()
{
    return presetTable;
}

std::string customAspectCaption(float ratio)
{
    return formatNumber(ratio, "0.00") + ":1";
}

} // namespace lumidex
