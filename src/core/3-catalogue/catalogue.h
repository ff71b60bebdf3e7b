#pragma once

// The projector catalogue: every CRT series, every data projector and its lenses, in the
// order the installation window's Projector menu offers them. It is the one place where a
// model is named; menus, formulas, limits, drawing, help and project files all read it.

#include "1-state/selection.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lumidex {

// Which screen size the model's throw formulas take: the diagonal, or the diagonal of a
// 4:3 picture as wide as the screen (1.25 x width).
enum class SizeBasis
{
    Diagonal,
    Width54
};

enum class LensKind
{
    Zoom,
    Fixed
};

struct LensEntry
{
    std::string_view caption;
    LensKind kind;
};

struct SeriesEntry
{
    Series series;
    std::string_view caption;
    std::string_view shortcut;
    std::string_view pictureFamily;
    int helpId;
    double holeOffset; // lens front to standard installation hole, inches
    std::int16_t projectorCode;
};

struct ModelEntry
{
    Model model;
    std::string_view caption;  // submenu caption
    std::string_view shortcut; // key of lens entry 0; empty when none
    std::string_view pictureFamily;
    SizeBasis sizeBasis;
    std::span<const std::string_view> inputSignals; // empty when the model has no list
    double holeOffset;
    int helpId;
    std::span<const LensEntry> lenses; // a single entry for a model without a lens submenu
    bool hasLensSubmenu;
    std::int16_t projectorCodeBase; // code of lens 0 in project files
};

std::span<const SeriesEntry> crtSeries();
std::span<const ModelEntry> dataProjectors();
const SeriesEntry &seriesEntry(Series series);
const ModelEntry &modelEntry(Model model);

const LensEntry &lensEntry(const Selection &selection);
// The drawing frame's title: the series name, or the model name after a blank.
std::string frameTitleOf(const Selection &selection);
// The lens label: "Standard Zoom Lens", or the optional lens's own name ("LN-101").
std::string lensLabelOf(const Selection &selection);
int helpIdOf(const Selection &selection);
std::int16_t projectorCodeOf(const Selection &selection);
std::optional<Selection> selectionFromProjectorCode(int code);

} // namespace lumidex
