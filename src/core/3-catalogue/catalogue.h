#pragma once

// The projector catalogue: every CRT series, every data projector and its lenses, in the
// order the installation window's Projector menu offers them. It is the one place where a
// model is named; menus, formulas, limits, positions, drawing, help and project files all
// read its columns. A data projector's throw formulas are rows of their own table, keyed by
// the model and lens (throwtable.cpp).

#include "1-state/selection.h"
#include "2-screen/screenmodel.h"
#include "3-catalogue/throwtable.h"

#include <array>
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

// The Position entries (Top, Center, Bottom, Special, as MountPosition numbers them) a
// projector and lens offer.
inline constexpr int PositionCount = 4;
using PositionFlags = std::array<bool, PositionCount>;

// Screen widths a lens can fill, in inches, both ends included.
struct WidthRange
{
    float min;
    float max;
};

struct LensEntry
{
    std::string_view caption;
    LensKind kind;
    std::optional<WidthRange> widths;     // empty: every width is accepted
    std::optional<WidthRange> wideWidths; // from aspect 1.4 up, where it differs
    PositionFlags positions;
    RangeGroup screenSizes = RangeGroup::D; // the recommended sizes most lenses share
};

// The screen aspect ratios a model accepts; another is replaced by 4:3 after a notice.
enum class AspectRule
{
    FourThreeOnly,   // about 1.33
    FourThreeOrWide, // about 1.33 or 1.78
    Any,
    // 1.0 to 2.5, the ratios a CR series' focus table was measured for; another is refused
    // as out of range, and the screen goes back to 4:3.
    FocusTableRatios
};

// A CR series' limits on the screen width and on a typed throw distance, in inches. A width
// passes from `min` (just above it, where `minExcluded`) to `max`; a typed distance is
// refused below `low` and from `high` up (above `high` only, where `highAllowed`).
struct CrtWidths
{
    float min;
    float max;
    bool minExcluded = false;
};
struct CrtDistances
{
    float low;
    float high;
    bool highAllowed = false;
};

// The focus table whose smallest and largest diagonals also bound a series' widths.
enum class FocusTable
{
    None,
    CR7300,
    CR7400
};

// Which entry of the model's picture family shows the projector at its near (or only)
// position: the families draw a projector hung from the ceiling, standing on a table or
// fitted with a short throw lens as separate entries.
enum class NearPicture
{
    First,
    SecondAtCentre,          // the centre mounting is entry 1
    SecondBelowCeiling,      // every mounting but the ceiling is entry 1
    SecondFixedBelowCeiling, // a fixed lens below the ceiling is entry 1
    SecondForLens2           // the third lens (short throw) is entry 1
};

// What the lens-offset formula of a model reads.
struct LensOffsetTerms
{
    double diagonal; // inches
    float aspect;
    int lens;
    std::int16_t inputSignal; // 1-based
};

// How far the lens axis lies from the screen's centre, in inches, before rounding.
using LensOffsetFormula = double (*)(const LensOffsetTerms &);

struct SeriesEntry
{
    Series series;
    std::string_view caption;
    std::string_view shortcut;
    std::string_view pictureFamily;
    int helpId;
    double holeOffset; // lens front to standard installation hole, inches
    std::int16_t projectorCode;
    // Checked in this order: the width and a typed distance, the ratio, the focus table.
    std::optional<CrtWidths> widths;       // empty: every width is accepted
    std::optional<CrtDistances> distances; // empty: every typed distance is accepted
    AspectRule aspects;
    FocusTable focusWidths;
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
    AspectRule aspects;
    bool stepsAspectPresets; // a double click on the ratio steps the screen's presets
    bool asksImageAspect;    // 4:3 or 5:4 image on a 4:3 screen, asked when chosen
    bool spacerAtCentre;     // a centre mounting needs the spacer note
    bool zoomRangeTwoLines;  // the zoom range is marked by a line at each end
    NearPicture nearPicture;
    LensOffsetFormula lensOffset;
    DivisorFormula divisor; // null for a model whose formulas carry their divisor
    std::optional<SignalFactor> signalFactor;
};

// The tables every layer reads. The built-in one is in force; a test may put an extended
// copy in force with ScopedCatalogue to show that a model needs nothing but rows.
struct Catalogue
{
    std::span<const SeriesEntry> series;
    std::span<const ModelEntry> models; // in Model order: models[m] describes Model m
    std::span<const ThrowRow> throwRows;
};

const Catalogue &builtInCatalogue();

class ScopedCatalogue
{
public:
    explicit ScopedCatalogue(const Catalogue &catalogue);
    ~ScopedCatalogue();
    ScopedCatalogue(const ScopedCatalogue &) = delete;
    ScopedCatalogue &operator=(const ScopedCatalogue &) = delete;

private:
    const Catalogue *m_previous;
};

std::span<const SeriesEntry> crtSeries();
std::span<const ModelEntry> dataProjectors();
const SeriesEntry &seriesEntry(Series series);
const ModelEntry &modelEntry(Model model);
std::span<const ThrowRow> throwRows();
// The recommended screen sizes of the chosen lens; a CRT series has those of most lenses.
RangeGroup screenSizesOf(const Selection &selection);

const LensEntry &lensEntry(const Selection &selection);
// The drawing frame's title: the series name, or the model name after a blank.
std::string frameTitleOf(const Selection &selection);
// The lens label: "Standard Zoom Lens", or the optional lens's own name ("LN-101").
std::string lensLabelOf(const Selection &selection);
int helpIdOf(const Selection &selection);
std::int16_t projectorCodeOf(const Selection &selection);
std::optional<Selection> selectionFromProjectorCode(int code);

// The notice shown when a model that takes only 4:3 is given another ratio.
std::string fourThreeOnlyMessage(std::string_view caption);

} // namespace lumidex
