#pragma once

// Which projector is chosen: one CRT series, or one data projector with one of its lenses. The
// catalogue describes each; the installation state holds the one in force.

#include <cstdint>

namespace lumidex {

enum class ProjectorKind : std::int16_t
{
    DataProjector = 1,
    CrtSeries = 2
};

// Data projector models in menu order.
enum class Model
{
    LX410,
    LX420,
    LX430,
    LX460,
    LX470,
    LX440,
    LX450,
    LX480,
    LX490,
    LX510,
    DX520,
    LX530,
    LX540,
    LX550,
};
inline constexpr int ModelCount = 14;

// CRT series in menu order (the `series` list).
enum class Series
{
    CR7100,
    CR7300,
    CR7400,
    CR7500,
    CR7200
};
inline constexpr int SeriesCount = 5;

// The current selection: exactly one CRT series or one data projector lens is checked.
struct Selection
{
    ProjectorKind kind = ProjectorKind::CrtSeries;
    Series series = Series::CR7300;
    Model model = Model::LX410;
    int lens = 0;

    static Selection crt(Series s) { return {ProjectorKind::CrtSeries, s, Model::LX410, 0}; }
    static Selection dataProjector(Model m, int lens)
    {
        return {ProjectorKind::DataProjector, Series::CR7300, m, lens};
    }
    bool isCrt() const { return kind == ProjectorKind::CrtSeries; }
    bool isModel(Model m) const { return !isCrt() && model == m; }
    bool operator==(const Selection &other) const
    {
        if (kind != other.kind)
            return false;
        return isCrt() ? series == other.series : (model == other.model && lens == other.lens);
    }
};

} // namespace lumidex
