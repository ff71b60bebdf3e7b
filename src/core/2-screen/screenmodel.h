#pragma once

// The projection screen that both windows share: width, height, diagonal (inches, stored as
// 32-bit floats, never rounded) and the aspect ratio, with the operations that keep them
// consistent and the check against the size range recommended for the chosen lens.

#include "1-state/screenstate.h"
#include "1-state/selection.h"
#include "1-state/translation.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lumidex {

enum class TextColour
{
    Black,
    Red
};

// Size range groups: which lens is chosen decides how large a screen is recommended (the
// catalogue gives each lens its group).
enum class RangeGroup
{
    A,
    B,
    C,
    D
};

struct SizeRange
{
    float min;
    float max;
    bool contains(float v) const { return v >= min && v <= max; }
};

struct GroupRanges
{
    SizeRange height;
    SizeRange width;
    SizeRange diagonal;
};

inline constexpr SizeRange HardLimits{1.0f, 32000.0f};

const GroupRanges &recommendedRanges(RangeGroup group);

// What the range check decided: the colour of each field it reached, and whether the screen
// was outside the hard limits and reset (then every field has the colour of the reset screen).
struct RangeResult
{
    std::array<std::optional<TextColour>, 3> colours{}; // indexed by Dimension
    bool reset = false;
};

RangeResult checkRecommendedRange(ScreenState &screen, RangeGroup group);
RangeResult recomputeFromHeight(ScreenState &screen, RangeGroup group);
RangeResult recomputeFromWidth(ScreenState &screen, RangeGroup group);
RangeResult recomputeFromDiagonal(ScreenState &screen, RangeGroup group);
RangeResult recomputeFrom(ScreenState &screen, Dimension typed, RangeGroup group);
// One inch up or down, whatever unit is shown, then the matching recomputation.
RangeResult stepDimension(ScreenState &screen, Dimension d, int direction, RangeGroup group);
// After a new ratio: ratios wider than 1.78 keep the width, the others keep the height.
RangeResult recomputeKeepingWide(ScreenState &screen, RangeGroup group);

// Text typed into a field, read as its leading number and converted from that field's unit.
double toInches(std::string_view text, Unit unit);

inline constexpr float KeepWidthAbove = 1.78f;

// The ratios the installation window's aspect button takes for 4:3, and its snap to the 4:3 and
// the 16:9 preset.
inline bool snapsToFourByThree(float ratio)
{
    return ratio > 1.3f && ratio < 1.4f;
}
inline bool snapsToSixteenByNine(float ratio)
{
    return ratio > 1.7f && ratio < 1.8f;
}

// The narrowest and widest ratios a screen may have, however the ratio comes in (typed as a
// custom ratio, determined from two dimensions, read from a page). The presets run from 1.33
// to 2.35; 1:100 and 100:1 are strips no installation uses, and still far from where the
// single-precision screen breaks down: from about 1e-12 on, the 100 inch diagonal a refused
// screen is reset to no longer gives width = height x ratio.
inline constexpr float MinAspectRatio = 0.01f;
inline constexpr float MaxAspectRatio = 100.0f;
// False as well for no number and for infinity.
inline bool isAcceptedAspectRatio(float ratio)
{
    return ratio >= MinAspectRatio && ratio <= MaxAspectRatio;
}

struct AspectPreset
{
    std::string_view menuCaption;
    float ratio;
    std::string_view filmCaption;
    std::string_view videoCaption;
};

inline constexpr int CustomPreset = 6;
std::span<const AspectPreset> aspectPresets(); // the six fixed ratios; Custom is index 6
inline constexpr std::string_view CustomMenuCaption =
    LUMIDEX_TRANSLATE_NOOP("ScreenModel", "Custom...");
// The caption of a typed ratio in both forms: two decimals followed by ":1".
std::string customAspectCaption(float ratio);

} // namespace lumidex
