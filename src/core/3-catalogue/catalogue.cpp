#include "3-catalogue/catalogue.h"

#include "1-state/translation.h"

#include <array>
#include <cassert>

namespace lumidex {
namespace {

constexpr LensKind Z = LensKind::Zoom;
constexpr LensKind F = LensKind::Fixed;

constexpr PositionFlags TB{true, false, true, false};
constexpr PositionFlags TCB{true, true, true, false};
constexpr PositionFlags C{false, true, false, false};
constexpr PositionFlags SP{false, false, false, true};

constexpr std::optional<WidthRange> Any{};
constexpr std::optional<WidthRange> W(float min, float max)
{
    return WidthRange{min, max};
}

constexpr std::array<LensEntry, 4> lensesLX410{{
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Standard Zoom Lens"), Z, W(27, 196), W(26, 261), TB},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Zoom Lens (LN-101)"), Z, W(64, 200), W(57, 261),
     TB},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Short Throw Lens (LN-102)"), F, W(32, 240),
     W(26, 261), TB},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Long Throw Lens (LN-103)"), F, W(32, 240),
     W(26, 261), TB},
}};
constexpr std::array<LensEntry, 4> lensesLX420{{
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Standard Zoom Lens"), Z, W(32, 240), Any, TB},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Zoom Lens (LN-101)"), Z, W(64, 240), Any, TB},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Short Throw Lens (LN-102)"), F, W(32, 232), Any,
     TB},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Long Throw Lens (LN-103)"), F, W(32, 240), Any,
     TB},
}};
constexpr std::array<LensEntry, 3> lensesLX430{{
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Standard Zoom Lens"), Z, W(32, 240), Any, TB},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Zoom Lens (LN-101)"), Z, W(64, 240), Any, TB},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Short Throw Lens (LN-102)"), F, W(32, 240), Any,
     TB},
}};
constexpr std::array<LensEntry, 4> lensesLX460{{
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Standard Zoom Lens"), Z, W(32, 240), Any, TCB},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Zoom Lens (LN-101)"), Z, W(32, 240), Any, TCB},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Short Throw Lens (LN-105)"), F, W(32, 240), Any,
     C},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Short Throw Lens (LN-102)"), F, W(32, 240), Any,
     TCB},
}};
constexpr std::array<LensEntry, 5> lensesLX440{{
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Standard Zoom Lens"), Z, W(32, 240), Any, SP},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Zoom Lens (LN-104)"), Z, W(64, 240), Any, SP},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Short Throw Lens (LN-105)"), F, W(40, 160), Any,
     C},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Short Throw Lens (LN-102)"), F, W(32, 232), Any,
     SP},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Long Throw Lens (LN-103)"), F, W(32, 240), Any,
     SP},
}};
constexpr std::array<LensEntry, 4> lensesLX450{{
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Zoom Lens (LN-106)"), Z, W(32, 240), Any, SP},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Zoom Lens (LN-104)"), Z, W(64, 240), Any, SP},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Short Throw Lens (LN-105)"), F, W(40, 160), Any,
     C},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Short Throw Lens (LN-102)"), F, W(32, 232), Any,
     SP},
}};
constexpr std::array<LensEntry, 4> lensesLX480{{
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Standard Zoom Lens"), Z, W(32, 240), Any, TCB},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional 2x Zoom Lens (LN-101)"), Z, W(32, 240), Any,
     TCB},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Short Throw Lens (LN-105)"), F, W(32, 240), Any,
     C},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Short Throw Lens (LN-102)"), F, W(32, 240), Any,
     TCB},
}};
constexpr RangeGroup B = RangeGroup::B;
constexpr std::array<LensEntry, 6> lensesLX510{{
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional 1.3x Zoom Lens (LN-110)"), Z, W(40, 400), Any,
     SP, B},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional 1.6x Zoom Lens (LN-111)"), Z, W(64, 400), Any,
     SP, RangeGroup::C},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional 1.5x Zoom Lens (LN-112)"), Z, W(64, 400), Any,
     SP, RangeGroup::C},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Long Throw Lens (LN-113)"), F, W(64, 400), Any,
     SP, RangeGroup::C},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Short Throw Lens (LN-114)"), F, W(40, 400), Any,
     SP, B},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Short Throw Lens (LN-115)"), F, W(40, 400), Any,
     C, B},
}};
constexpr std::array<LensEntry, 3> lensesDX520{{
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Zoom Lens (LN-107) "), Z, Any, Any, SP,
     RangeGroup::A},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Zoom Lens (LN-108)"), Z, Any, Any, SP,
     RangeGroup::A},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Short Throw Lens (LN-109)"), F, Any, Any, SP,
     RangeGroup::A},
}};
constexpr std::array<LensEntry, 8> lensesLX530{{
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional 1.3x Zoom Lens (LN-110)"), Z, Any, Any, SP},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional 1.6x Zoom Lens (LN-111)"), Z, Any, Any, SP},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional 1.5x Zoom Lens (LN-112)"), Z, Any, Any, SP},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional 1.3x Zoom Lens (LN-119)"), Z, Any, Any, SP},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Long Throw Lens (LN-113)"), F, Any, Any, SP},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Long Throw Lens (LN-120)"), F, Any, Any, SP},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Short Throw Lens (LN-114)"), F, Any, Any, SP},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Short Throw Lens (LN-115)"), F, Any, Any, C},
}};
// LX-540 is offered as a single menu entry; its one lens is a zoom lens.
constexpr std::array<LensEntry, 1> lensesLX540{{{"LX-540", Z, W(32, 240), W(26, 192), TB}}};
constexpr std::array<LensEntry, 4> lensesLX550{{
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Standard Zoom Lens"), Z, W(80, 480), Any, TB},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Short Zoom Lens (LN-116)"), Z, W(80, 480), Any,
     TCB},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Zoom Lens (LN-117)"), Z, W(80, 480), Any, TCB},
    {LUMIDEX_TRANSLATE_NOOP("Catalogue", "Optional Short Throw Lens (LN-118)"), F, W(32, 240), Any,
     C},
}};

// Input signals are chosen by their place in the list; their names are only shown.
constexpr std::array<std::string_view, 2> signalsLX430{
    LUMIDEX_TRANSLATE_NOOP("Catalogue", "Standard Installation"),
    LUMIDEX_TRANSLATE_NOOP("Catalogue", "SVGA or Video")};
constexpr std::array<std::string_view, 3> signalsLX470{
    LUMIDEX_TRANSLATE_NOOP("Catalogue", "Standard Installation"),
    LUMIDEX_TRANSLATE_NOOP("Catalogue", "XGA or SXGA"),
    LUMIDEX_TRANSLATE_NOOP("Catalogue", "Mac 16\" or HDTV")};
constexpr std::array<std::string_view, 2> signalsLX450{
    LUMIDEX_TRANSLATE_NOOP("Catalogue", "Standard Installation"),
    LUMIDEX_TRANSLATE_NOOP("Catalogue", "SVGA")};
constexpr std::span<const std::string_view> noSignals{};

// Lens offsets, as the maker gives them: some in inches, most in millimetres.
constexpr double mm(double millimetres)
{
    return millimetres / 25.4;
}
double offsetLX410(const LensOffsetTerms &t)
{
    const double D = t.diagonal;
    if (t.lens == 0)
        return t.aspect > 1.4f ? D / 28.045 * 11 + 4.37 : D / 34.323 * 11 + 4.37;
    return mm(D / 1.31 * 11 + 111);
}
double offsetLX420(const LensOffsetTerms &t)
{
    return mm(t.diagonal / 1.31 * 11 + 111);
}
double offsetLX440(const LensOffsetTerms &)
{
    return 5.35;
}
double offsetDX520(const LensOffsetTerms &)
{
    return 6.9;
}
double offsetLX510(const LensOffsetTerms &)
{
    return 6.1;
}
double offsetLX460(const LensOffsetTerms &t)
{
    return mm(t.diagonal / 1.31 * 9.5 + 83.3);
}
double offsetLX480(const LensOffsetTerms &t)
{
    return mm(t.diagonal / 1.29 * 9.5 + 83.3);
}
// The LX-470's divisor follows its input signal: "XGA or SXGA", "Mac 16\" or HDTV", or the
// standard installation.
double divisorLX470(std::int16_t inputSignal)
{
    return inputSignal == 2 ? 1.29 : inputSignal == 3 ? 1.31 : 1.26;
}
double offsetLX470(const LensOffsetTerms &t)
{
    return mm(t.diagonal / divisorLX470(t.inputSignal) * 9.5 + 83.3);
}
double offsetLX550(const LensOffsetTerms &t)
{
    return mm(t.diagonal / 1.3102 * 9.984 + 89);
}
double offsetLX540(const LensOffsetTerms &t)
{
    const double D = t.diagonal;
    return mm(isNarrowScreen(t.aspect) ? D / 1.1087 * 8.45 + 99.5 : D / 1.3573 * 8.45 + 99.5);
}

// The divisors the throw formulas of some models are written with.
double divisorLX410(const ThrowInputs &in)
{
    return isNarrowScreen(in.aspect) ? 1.1 : 1.35;
}
double divisorLX540(const ThrowInputs &in)
{
    return isNarrowScreen(in.aspect) ? 1.1087 : 1.3573;
}
double divisorLX470(const ThrowInputs &in)
{
    return divisorLX470(in.inputSignal);
}
double divisorLX480(const ThrowInputs &)
{
    return 1.2992;
}
double divisorLX510(const ThrowInputs &)
{
    return 1.814;
}
double divisorLX530(const ThrowInputs &in)
{
    return in.sxgaAspectMode == 0 ? 1.764 : 1.807;
}
double divisorLX550(const ThrowInputs &)
{
    return 1.3102;
}

// LX-430 and LX-450 throw a picture 4 % farther with their second input signal ("SVGA or
// Video", "SVGA").
constexpr std::optional<SignalFactor> SecondSignalFarther = SignalFactor{2, 1.04};
constexpr std::optional<SignalFactor> NoFactor{};

constexpr SizeBasis D = SizeBasis::Diagonal;
constexpr SizeBasis W54 = SizeBasis::Width54;
constexpr AspectRule Only43 = AspectRule::FourThreeOnly;
constexpr AspectRule Or178 = AspectRule::FourThreeOrWide;
constexpr AspectRule AnyRatio = AspectRule::Any;
constexpr AspectRule FocusRatios = AspectRule::FocusTableRatios;
using NP = NearPicture;

// Help topics 502, 509 and 518 are our own choice for the pictures that had none.
// Columns after the project-file code: widths, typed distances, ratios, focus table.
// clang-format off
const std::array<SeriesEntry, SeriesCount> seriesTable{{
    {Series::CR7100, "CR-7100", "F2", "imgCR7100", 505, 10.7, 0,
     CrtWidths{55, 240, true}, CrtDistances{79, 327}, AnyRatio, FocusTable::None},
    {Series::CR7300, "CR-7300", "F3", "imgCR7300", 506, 8.67, 1,
     CrtWidths{48, 240}, CrtDistances{66, 309}, FocusRatios, FocusTable::CR7300},
    {Series::CR7400, "CR-7400/CR-7400H", "F4", "imgCR7400", 513, 5.18, 2,
     CrtWidths{48, 200}, CrtDistances{75, 286}, FocusRatios, FocusTable::CR7400},
    {Series::CR7500, "CR-75xx Series/CR-7600/7620J-M", "F5", "imgCR7500", 512, 10, 3,
     CrtWidths{48, 200}, CrtDistances{82, 320, true}, Or178, FocusTable::None},
    {Series::CR7200, "CR-7200", "F6", "imgCR7200", 502, 12.15, 4,
     CrtWidths{72, 240}, CrtDistances{99, 327}, AnyRatio, FocusTable::None},
}};
// clang-format on

// Columns after the project-file code: ratios, steps presets, asks the image aspect, spacer
// note at centre, two-line zoom range, near picture, lens offset, the throw formulas' divisor
// and signal factor.
// clang-format off
const std::array<ModelEntry, ModelCount> modelTable{{
    {Model::LX410, "LX-410", "F7", "Image2", D, noSignals, 11.3, 501, lensesLX410, true, 10,
     Or178, false, false, false, true, NP::SecondFixedBelowCeiling, offsetLX410,
     divisorLX410, NoFactor},
    {Model::LX420, "LX-420", "F8", "Image2", D, noSignals, 11.3, 507, lensesLX420, true, 14,
     Only43, false, false, false, true, NP::SecondFixedBelowCeiling, offsetLX420,
     nullptr, NoFactor},
    {Model::LX430, "LX-430", "F9", "Image2", D, signalsLX430, 12.3, 508, lensesLX430, true, 18,
     Only43, false, false, false, true, NP::SecondFixedBelowCeiling, offsetLX420,
     nullptr, SecondSignalFarther},
    {Model::LX460, "LX-460", "F11", "imgLX460", W54, noSignals, 6.7, 510, lensesLX460, true, 33,
     Or178, false, false, false, false, NP::SecondAtCentre, offsetLX460,
     nullptr, NoFactor},
    {Model::LX470, "LX-470", "F12", "imgLX460", W54, signalsLX470, 6.7, 511, lensesLX460, true, 37,
     Or178, false, false, true, false, NP::SecondAtCentre, offsetLX470,
     divisorLX470, NoFactor},
    {Model::LX440, "LX-440", "Ctrl+F1", "imgLX450", D, noSignals, 11.9, 516, lensesLX440, true, 21,
     Only43, false, false, false, false, NP::SecondForLens2, offsetLX440,
     nullptr, NoFactor},
    {Model::LX450, "LX-450", "Ctrl+F2", "imgLX450", D, signalsLX450, 11.9, 517, lensesLX450, true,
     26, Only43, false, false, false, false, NP::SecondForLens2, offsetLX440,
     nullptr, SecondSignalFarther},
    {Model::LX480, "LX-480", "Ctrl+F3", "imgLX460", W54, noSignals, 6.7, 515, lensesLX480, true, 51,
     Or178, false, false, false, false, NP::SecondAtCentre, offsetLX480,
     divisorLX480, NoFactor},
    {Model::LX490, "LX-490", "Ctrl+F4", "imgLX460", W54, noSignals, 6.7, 514, lensesLX480, true, 47,
     Or178, false, false, false, false, NP::SecondAtCentre, offsetLX460,
     nullptr, NoFactor},
    {Model::LX510, "LX-510/LX-515", "Ctrl+F5", "imgLX510", W54, noSignals, 9.73, 503, lensesLX510,
     true, 41, Or178, false, false, false, true, NP::SecondAtCentre, offsetLX510,
     divisorLX510, NoFactor},
    {Model::DX520, "DX-520", "Ctrl+F6", "imgDX520", W54, noSignals, 14.9, 504, lensesDX520, true, 30,
     AnyRatio, false, false, false, true, NP::First, offsetDX520,
     nullptr, NoFactor},
    {Model::LX530, "LX-530", "Ctrl+F7", "imgLX510", W54, noSignals, 11.3, 503, lensesLX530, true, 56,
     AnyRatio, true, true, false, true, NP::SecondAtCentre, offsetLX510,
     divisorLX530, NoFactor},
    {Model::LX540, "LX-540", "", "imgLX540", D, noSignals, 8.2, 509, lensesLX540, false, 55,
     Or178, false, false, false, false, NP::SecondBelowCeiling, offsetLX540,
     divisorLX540, NoFactor},
    {Model::LX550, "LX-550/LX-560", "", "imgLX550", W54, noSignals, 6.6, 518, lensesLX550, true, 64,
     Or178, false, false, false, false, NP::SecondAtCentre, offsetLX550,
     divisorLX550, NoFactor},
}};
// clang-format on

// Null while the built-in catalogue is in force.
const Catalogue *extended = nullptr;

const Catalogue &inForce()
{
    return extended ? *extended : builtInCatalogue();
}

} // namespace

const Catalogue &builtInCatalogue()
{
    // Built on first use: the formula rows live in a table of their own.
    static const Catalogue builtIn{seriesTable, modelTable, builtInThrowRows()};
    return builtIn;
}

ScopedCatalogue::ScopedCatalogue(const Catalogue &catalogue) : m_previous(extended)
{
    extended = &catalogue;
}

ScopedCatalogue::~ScopedCatalogue()
{
    extended = m_previous;
}

std::span<const SeriesEntry> crtSeries()
{
    return inForce().series;
}

std::span<const ModelEntry> dataProjectors()
{
    return inForce().models;
}

const SeriesEntry &seriesEntry(Series series)
{
    return inForce().series[static_cast<std::size_t>(series)];
}

const ModelEntry &modelEntry(Model model)
{
    return inForce().models[static_cast<std::size_t>(model)];
}

std::span<const ThrowRow> throwRows()
{
    return inForce().throwRows;
}

RangeGroup screenSizesOf(const Selection &selection)
{
    return selection.isCrt() ? RangeGroup::D : lensEntry(selection).screenSizes;
}

const LensEntry &lensEntry(const Selection &selection)
{
    const auto lenses = modelEntry(selection.model).lenses;
    assert(selection.lens >= 0 && static_cast<std::size_t>(selection.lens) < lenses.size());
    return lenses[static_cast<std::size_t>(selection.lens)];
}

std::string frameTitleOf(const Selection &s)
{
    if (s.isCrt()) {
        return s.series == Series::CR7500 ? "CR-75xx/CR-7600/7620M/J"
                                          : std::string(seriesEntry(s.series).caption);
    }
    // Pair names are shortened on the drawing: "LX-550/LX-560" reads " LX-550/560".
    std::string caption(modelEntry(s.model).caption);
    if (const auto slash = caption.find("/LX-"); slash != std::string::npos)
        caption.erase(slash + 1, 3);
    return " " + caption;
}

std::string lensLabelOf(const Selection &s)
{
    if (s.isCrt())
        return {};
    const std::string_view caption = lensEntry(s).caption;
    const auto open = caption.find("(LN-");
    if (open == std::string_view::npos)
        return translate("Catalogue", "Standard Zoom Lens");
    const auto close = caption.find(')', open);
    return std::string(caption.substr(open + 1, close - open - 1));
}

int helpIdOf(const Selection &selection)
{
    return selection.isCrt() ? seriesEntry(selection.series).helpId
                             : modelEntry(selection.model).helpId;
}

std::int16_t projectorCodeOf(const Selection &selection)
{
    if (selection.isCrt())
        return seriesEntry(selection.series).projectorCode;
    return static_cast<std::int16_t>(modelEntry(selection.model).projectorCodeBase +
                                     selection.lens);
}

std::optional<Selection> selectionFromProjectorCode(int code)
{
    for (const SeriesEntry &s : crtSeries()) {
        if (s.projectorCode == code)
            return Selection::crt(s.series);
    }
    for (const ModelEntry &m : dataProjectors()) {
        const int k = code - m.projectorCodeBase;
        if (k >= 0 && static_cast<std::size_t>(k) < m.lenses.size())
            return Selection::dataProjector(m.model, k);
    }
    return std::nullopt;
}

std::string fourThreeOnlyMessage(std::string_view caption)
{
    return fillIn(translate("Catalogue", "%1 projectors support\nthe 1.33 aspect ratio only"),
                  caption);
}

} // namespace lumidex
