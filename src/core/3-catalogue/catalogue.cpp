#include "3-catalogue/catalogue.h"

#include <array>
#include <cassert>

namespace lumidex {
namespace {

constexpr LensKind Z = LensKind::Zoom;
constexpr LensKind F = LensKind::Fixed;

constexpr std::array<LensEntry, 4> lensesLX410{{
    {"Standard Zoom Lens", Z},
    {"Optional Zoom Lens (LN-101)", Z},
    {"Optional Short Throw Lens (LN-102)", F},
    {"Optional Long Throw Lens (LN-103)", F},
}};
constexpr std::array<LensEntry, 3> lensesLX430{{
    {"Standard Zoom Lens", Z},
    {"Optional Zoom Lens (LN-101)", Z},
    {"Optional Short Throw Lens (LN-102)", F},
}};
constexpr std::array<LensEntry, 4> lensesLX460{{
    {"Standard Zoom Lens", Z},
    {"Optional Zoom Lens (LN-101)", Z},
    {"Optional Short Throw Lens (LN-105)", F},
    {"Optional Short Throw Lens (LN-102)", F},
}};
constexpr std::array<LensEntry, 5> lensesLX440{{
    {"Standard Zoom Lens", Z},
    {"Optional Zoom Lens (LN-104)", Z},
    {"Optional Short Throw Lens (LN-105)", F},
    {"Optional Short Throw Lens (LN-102)", F},
    {"Optional Long Throw Lens (LN-103)", F},
}};
constexpr std::array<LensEntry, 4> lensesLX450{{
    {"Optional Zoom Lens (LN-106)", Z},
    {"Optional Zoom Lens (LN-104)", Z},
    {"Optional Short Throw Lens (LN-105)", F},
    {"Optional Short Throw Lens (LN-102)", F},
}};
constexpr std::array<LensEntry, 4> lensesLX480{{
    {"Standard Zoom Lens", Z},
    {"Optional 2x Zoom Lens (LN-101)", Z},
    {"Optional Short Throw Lens (LN-105)", F},
    {"Optional Short Throw Lens (LN-102)", F},
}};
constexpr std::array<LensEntry, 6> lensesLX510{{
    {"Optional 1.3x Zoom Lens (LN-110)", Z},
    {"Optional 1.6x Zoom Lens (LN-111)", Z},
    {"Optional 1.5x Zoom Lens (LN-112)", Z},
    {"Optional Long Throw Lens (LN-113)", F},
    {"Optional Short Throw Lens (LN-114)", F},
    {"Optional Short Throw Lens (LN-115)", F},
}};
constexpr std::array<LensEntry, 3> lensesDX520{{
    {"Optional Zoom Lens (LN-107) ", Z},
    {"Optional Zoom Lens (LN-108)", Z},
    {"Optional Short Throw Lens (LN-109)", F},
}};
constexpr std::array<LensEntry, 8> lensesLX530{{
    {"Optional 1.3x Zoom Lens (LN-110)", Z},
    {"Optional 1.6x Zoom Lens (LN-111)", Z},
    {"Optional 1.5x Zoom Lens (LN-112)", Z},
    {"Optional 1.3x Zoom Lens (LN-119)", Z},
    {"Optional Long Throw Lens (LN-113)", F},
    {"Optional Long Throw Lens (LN-120)", F},
    {"Optional Short Throw Lens (LN-114)", F},
    {"Optional Short Throw Lens (LN-115)", F},
}};
// LX-540 is offered as a single menu entry; its one lens is a zoom lens.
constexpr std::array<LensEntry, 1> lensesLX540{{{"LX-540", Z}}};
constexpr std::array<LensEntry, 4> lensesLX550{{
    {"Standard Zoom Lens", Z},
    {"Optional Short Zoom Lens (LN-116)", Z},
    {"Optional Zoom Lens (LN-117)", Z},
    {"Optional Short Throw Lens (LN-118)", F},
}};

constexpr std::array<std::string_view, 2> signalsLX430{"Standard Installation", "SVGA or Video"};
constexpr std::array<std::string_view, 3> signalsLX470{"Standard Installation", "XGA or SXGA",
                                                       "Mac 16\" or HDTV"};
constexpr std::array<std::string_view, 2> signalsLX450{"Standard Installation", "SVGA"};
constexpr std::span<const std::string_view> noSignals{};

constexpr SizeBasis D = SizeBasis::Diagonal;
constexpr SizeBasis W = SizeBasis::Width54;

// Help topics 502, 509 and 518 are our own choice for the pictures that had none.
const std::array<SeriesEntry, SeriesCount> seriesTable{{
    {Series::CR7100, "CR-7100", "F2", "imgCR7100", 505, 10.7, 0},
    {Series::CR7300, "CR-7300", "F3", "imgCR7300", 506, 8.67, 1},
    {Series::CR7400, "CR-7400/CR-7400H", "F4", "imgCR7400", 513, 5.18, 2},
    {Series::CR7500, "CR-75xx Series/CR-7600/7620J-M", "F5", "imgCR7500", 512, 10, 3},
    {Series::CR7200, "CR-7200", "F6", "imgCR7200", 502, 12.15, 4},
}};

const std::array<ModelEntry, ModelCount> modelTable{{
    {Model::LX410, "LX-410", "F7", "Image2", D, noSignals, 11.3, 501, lensesLX410, true, 10},
    {Model::LX420, "LX-420", "F8", "Image2", D, noSignals, 11.3, 507, lensesLX410, true, 14},
    {Model::LX430, "LX-430", "F9", "Image2", D, signalsLX430, 12.3, 508, lensesLX430, true, 18},
    {Model::LX460, "LX-460", "F11", "imgLX460", W, noSignals, 6.7, 510, lensesLX460, true, 33},
    {Model::LX470, "LX-470", "F12", "imgLX460", W, signalsLX470, 6.7, 511, lensesLX460, true, 37},
    {Model::LX440, "LX-440", "Ctrl+F1", "imgLX450", D, noSignals, 11.9, 516, lensesLX440, true, 21},
    {Model::LX450, "LX-450", "Ctrl+F2", "imgLX450", D, signalsLX450, 11.9, 517, lensesLX450, true,
     26},
    {Model::LX480, "LX-480", "Ctrl+F3", "imgLX460", W, noSignals, 6.7, 515, lensesLX480, true, 51},
    {Model::LX490, "LX-490", "Ctrl+F4", "imgLX460", W, noSignals, 6.7, 514, lensesLX480, true, 47},
    {Model::LX510, "LX-510/LX-515", "Ctrl+F5", "imgLX510", W, noSignals, 9.73, 503, lensesLX510,
     true, 41},
    {Model::DX520, "DX-520", "Ctrl+F6", "imgDX520", W, noSignals, 14.9, 504, lensesDX520, true, 30},
    {Model::LX530, "LX-530", "Ctrl+F7", "imgLX510", W, noSignals, 11.3, 503, lensesLX530, true, 56},
    {Model::LX540, "LX-540", "", "imgLX540", D, noSignals, 8.2, 509, lensesLX540, false, 55},
    {Model::LX550, "LX-550/LX-560", "", "imgLX550", W, noSignals, 6.6, 518, lensesLX550, true, 64},
}};

} // namespace

std::span<const SeriesEntry> crtSeries()
{
    return seriesTable;
}

std::span<const ModelEntry> dataProjectors()
{
    return modelTable;
}

const SeriesEntry &seriesEntry(Series series)
{
    return seriesTable[static_cast<std::size_t>(series)];
}

const ModelEntry &modelEntry(Model model)
{
    return modelTable[static_cast<std::size_t>(model)];
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
        return "Standard Zoom Lens";
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
    for (const SeriesEntry &s : seriesTable) {
        if (s.projectorCode == code)
            return Selection::crt(s.series);
    }
    for (const ModelEntry &m : modelTable) {
        const int k = code - m.projectorCodeBase;
        if (k >= 0 && static_cast<std::size_t>(k) < m.lenses.size())
            return Selection::dataProjector(m.model, k);
    }
    return std::nullopt;
}

} // namespace lumidex
