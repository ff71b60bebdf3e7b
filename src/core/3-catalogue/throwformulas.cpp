#include "3-catalogue/throwformulas.h"

#include <array>
#include <cassert>
#include <limits>

namespace lumidex {
namespace {

// The screen sizes and divisor one formula may read. D is the diagonal, S the model's size
// basis (D, or 1.25 x width for the models whose maker quotes the 4:3 diagonal as wide as the
// screen), q the model's divisor and k the DX-520's lens term, all in inches.
struct Terms
{
    double D;
    double S;
    double q;
    double k;
};

// One of the maker's formulas, yielding millimetres.
using Formula = double (*)(const Terms &);

// The maker's formulas are written here exactly as published, constants and order of
// operations alike, so that each row can be read against the maker's sheet.
#define MM(expr)                                                                                   \
    [](const Terms &t) -> double {                                                                 \
        [[maybe_unused]] const double D = t.D, S = t.S, q = t.q, k = t.k;                          \
        return expr;                                                                               \
    }

enum class RowKind
{
    Zoom,         // far end shortened and near end lengthened by 2.5 %
    ZoomNoMargin, // the maker's distances are taken as they are
    Fixed         // one distance, no margin
};

// Which screen or projector setting a row is for, where a lens has more than one formula.
enum class When
{
    Always,
    NarrowScreen,   // aspect below 1.4 (LX-410 standard zoom, LX-540)
    WideScreen,     // aspect 1.4 or more
    FourThreeImage, // LX-530 set up for a 4:3 image
    FiveFourImage   // LX-530 set up for a 5:4 image on a 4:3 screen
};

struct Row
{
    Model model;
    int lens;
    When when;
    RowKind kind;
    Formula far; // the one distance for a fixed lens
    Formula near;
};

constexpr RowKind Z = RowKind::Zoom;
constexpr RowKind ZN = RowKind::ZoomNoMargin;
constexpr RowKind Fx = RowKind::Fixed;
constexpr When All = When::Always;
constexpr When Img43 = When::FourThreeImage;
constexpr When Img54 = When::FiveFourImage;

// clang-format off
constexpr std::array rows{
    // LX-440
    Row{Model::LX440, 0, All, ZN, MM((D - 1.84) * 60.26), MM((D - 2.59) * 39.82)},
    Row{Model::LX440, 1, All, Z, MM(S * 140.374 / 1.31 - 20), MM(S * 72.29 / 1.31 - 155)},
    Row{Model::LX440, 2, All, Fx, MM(S * 24.275 / 1.31 - 64), nullptr},
    Row{Model::LX440, 3, All, Fx, MM(S / 1.31 * 37.313 - 60), nullptr},
    Row{Model::LX440, 4, All, Fx, MM(S / (100.4 / 9900)), nullptr},
    // LX-450
    Row{Model::LX450, 0, All, Z, MM(S * 76.096 / 1.31 - 82), MM(S * 49.958 / 1.31 - 86)},
    Row{Model::LX450, 1, All, Z, MM(S * 140.374 / 1.31 - 20), MM(S * 72.29 / 1.31 - 155)},
    Row{Model::LX450, 2, All, Fx, MM(S * 24.275 / 1.31 - 64), nullptr},
    Row{Model::LX450, 3, All, Fx, MM(S / 1.31 * 37.313 - 60), nullptr},
    // LX-420
    Row{Model::LX420, 0, All, ZN, MM((D - 1.84) * 60.26), MM((D - 2.59) * 39.82)},
    Row{Model::LX420, 1, All, Z, MM(S * 140.374 / 1.31 - 20), MM(S * 72.29 / 1.31 - 155)},
    Row{Model::LX420, 2, All, Fx, MM(S / 1.31 * 37.313 - 60), nullptr},
    Row{Model::LX420, 3, All, Fx, MM(S / (100.4 / 9900)), nullptr},
    // LX-430
    Row{Model::LX430, 0, All, Z, MM(S * 76.096 / 1.31 - 82), MM(S * 49.958 / 1.31 - 86)},
    Row{Model::LX430, 1, All, Z, MM(S * 140.374 / 1.31 - 20), MM(S * 72.29 / 1.31 - 155)},
    Row{Model::LX430, 2, All, Fx, MM(S / 1.31 * 37.313 - 60), nullptr},
    // LX-410
    Row{Model::LX410, 0, When::NarrowScreen, Z, MM((D - 1.5484) / 13.609 * 1000),
        MM((D - 2.1755) / 21.653 * 1000)},
    Row{Model::LX410, 0, When::WideScreen, Z, MM((D - 1.898) / 16.656 * 1000),
        MM((D - 2.6584) / 26.501 * 1000)},
    Row{Model::LX410, 1, All, Z, MM(D * 140.374 / q - 20), MM(D * 72.29 / q - 155)},
    Row{Model::LX410, 2, All, Fx, MM(D / q * 37.313 - 60), nullptr},
    Row{Model::LX410, 3, All, Fx, MM(D / ((q / 1.31) * (100.4 / 9900))), nullptr},
    // LX-540
    Row{Model::LX540, 0, When::NarrowScreen, Z, MM(D * 53.597384 / q - 70.27214),
        MM(D * 44.22 / q - 70.76208)},
    Row{Model::LX540, 0, When::WideScreen, Z, MM(D * 53.599173 / q - 70.17171),
        MM(D * 44.22 / q - 70.76208)},
    // DX-520
    Row{Model::DX520, 0, All, ZN, MM(k * 52.5 - 37.1), MM(k * 35 - 61.2)},
    Row{Model::DX520, 1, All, ZN, MM(k * 105 - 176.5), MM(k * 52.5 - 103.9)},
    Row{Model::DX520, 2, All, Fx, MM(k * 17.5 - 35.5), nullptr},
    // LX-460
    Row{Model::LX460, 0, All, Z, MM(S * 66.195 / 1.31 - 87), MM(S * 50.249 / 1.31 - 84)},
    Row{Model::LX460, 1, All, Z, MM(S * 140.374 / 1.31 - 20), MM(S * 72.29 / 1.31 - 155)},
    Row{Model::LX460, 2, All, Fx, MM(S * 24.275 / 1.31 - 64), nullptr},
    Row{Model::LX460, 3, All, Fx, MM(S * 37.313 / 1.31 - 60), nullptr},
    // LX-490
    Row{Model::LX490, 0, All, Z, MM(S * 69.637 / 1.3102 - 96.167), MM(S * 52.83 / 1.3102 - 95.032)},
    Row{Model::LX490, 1, All, Z, MM(S * 140.374 / 1.31 - 20), MM(S * 72.29 / 1.31 - 155)},
    Row{Model::LX490, 2, All, Fx, MM(S * 24.275 / 1.31 - 64), nullptr},
    Row{Model::LX490, 3, All, Fx, MM(S * 37.313 / 1.31 - 60), nullptr},
    // LX-470
    Row{Model::LX470, 0, All, Z, MM(S * 66.195 / q - 87), MM(S * 50.249 / q - 84)},
    Row{Model::LX470, 1, All, Z, MM(S * 140.374 / q - 20), MM(S * 72.29 / q - 155)},
    Row{Model::LX470, 2, All, Fx, MM(S * 24.275 / q - 64), nullptr},
    Row{Model::LX470, 3, All, Fx, MM(S * 37.313 / q - 60), nullptr},
    // LX-480
    Row{Model::LX480, 0, All, Z, MM(S * 69.637 / q - 96.17), MM(S * 52.83 / q - 95.03)},
    Row{Model::LX480, 1, All, Z, MM(S * 140.374 / q - 20), MM(S * 72.29 / q - 155)},
    Row{Model::LX480, 2, All, Fx, MM(S * 24.275 / q - 64), nullptr},
    Row{Model::LX480, 3, All, Fx, MM(S * 37.313 / q - 60), nullptr},
    // LX-510/LX-515
    Row{Model::LX510, 0, All, Z, MM(S * 92.644 / q - 104), MM(S * 70.383 / q - 102)},
    Row{Model::LX510, 1, All, Z, MM(S * 147.324 / q - 175), MM(S * 92.078 / q - 176)},
    Row{Model::LX510, 2, All, Z, MM(S * 216.549 / q - 163), MM(S * 144.388 / q - 163)},
    Row{Model::LX510, 3, All, Fx, MM(S * 269.1 / q + 163), nullptr},
    Row{Model::LX510, 4, All, Fx, MM(S * 52.244 / q - 123), nullptr},
    Row{Model::LX510, 5, All, Fx, MM(S * 35.079 / q - 134), nullptr},
    // LX-530, 4:3 image
    Row{Model::LX530, 0, Img43, Z, MM(S * 92.644 / q - 104), MM(S * 70.383 / q - 120)},
    Row{Model::LX530, 1, Img43, Z, MM(S * 147.324 / q - 175), MM(S * 92.078 / q - 176)},
    Row{Model::LX530, 2, Img43, Z, MM(S * 216.549 / q - 163), MM(S * 144.368 / q - 163)},
    Row{Model::LX530, 3, Img43, Z, MM(S * 97.301 / q - 120), MM(S * 73.837 / q - 120)},
    Row{Model::LX530, 4, Img43, Fx, MM(S * 269.11 / q + 163), nullptr},
    Row{Model::LX530, 5, Img43, Fx, MM(S * 180.196 / q + 29), nullptr},
    Row{Model::LX530, 6, Img43, Fx, MM(S * 52.244 / q - 123), nullptr},
    Row{Model::LX530, 7, Img43, Fx, MM(S * 35.079 / q - 134), nullptr},
    // LX-530, 5:4 image on a 4:3 screen
    Row{Model::LX530, 0, Img54, Z, MM(S * 88.938 / q - 104), MM(S * 67.568 / q - 102)},
    Row{Model::LX530, 1, Img54, Z, MM(S * 141.432 / q - 175), MM(S * 88.395 / q - 176)},
    Row{Model::LX530, 2, Img54, Z, MM(S * 207.887 / q - 163), MM(S * 138.593 / q - 163)},
    Row{Model::LX530, 3, Img54, Z, MM(S * 93.409 / q - 120), MM(S * 70.884 / q - 120)},
    Row{Model::LX530, 4, Img54, Fx, MM(S * 258.336 / q + 163), nullptr},
    Row{Model::LX530, 5, Img54, Fx, MM(S * 172.988 / q + 29), nullptr},
    Row{Model::LX530, 6, Img54, Fx, MM(S * 50.154 / q - 123), nullptr},
    Row{Model::LX530, 7, Img54, Fx, MM(S * 33.6769 / q - 134), nullptr},
    // LX-550/LX-560
    Row{Model::LX550, 0, All, Z, MM(S * 64.519 / q - 107.898), MM(S * 50.18 / q - 75.101)},
    Row{Model::LX550, 1, All, Z, MM(S * 45.821033 / q - 112.9154), MM(S * 41.75 / q - 116.2604)},
    Row{Model::LX550, 2, All, Z, MM(S * 137.56012 / q - 211.5915), MM(S * 89.82 / q - 209.2626)},
    Row{Model::LX550, 3, All, Fx, MM(S * 24.71 / q - 81.86279), nullptr},
};
// clang-format on

#undef MM

// The aspect is compared with 1.4 in single precision, as the screen state holds it: a ratio
// of 1.4 typed by the installer is stored as 1.4f and must count as a wide screen.
bool isNarrowScreen(const ThrowInputs &in)
{
    return in.aspect < 1.4f;
}

// The divisor q of the models whose formulas are written with one. The other models' formulas
// carry their divisor as a constant; NaN makes a row that reads q by mistake show at once.
double divisorOf(Model model, const ThrowInputs &in)
{
    switch (model) {
    case Model::LX410:
        return isNarrowScreen(in) ? 1.1 : 1.35;
    case Model::LX540:
        return isNarrowScreen(in) ? 1.1087 : 1.3573;
    case Model::LX470:
        switch (in.inputSignal) {
        case 2: // XGA or SXGA
            return 1.29;
        case 3: // Mac 16" or HDTV
            return 1.31;
        default: // Standard Installation
            return 1.26;
        }
    case Model::LX480:
        return 1.2992;
    case Model::LX510:
        return 1.814;
    case Model::LX530:
        return in.sxgaAspectMode == 0 ? 1.764 : 1.807;
    case Model::LX550:
        return 1.3102;
    default:
        return std::numeric_limits<double>::quiet_NaN();
    }
}

bool applies(When when, const ThrowInputs &in)
{
    switch (when) {
    case When::NarrowScreen:
        return isNarrowScreen(in);
    case When::WideScreen:
        return !isNarrowScreen(in);
    case When::FourThreeImage:
        return in.sxgaAspectMode == 0;
    case When::FiveFourImage:
        return in.sxgaAspectMode != 0;
    case When::Always:
        break;
    }
    return true;
}

const Row &rowFor(const Selection &s, const ThrowInputs &in)
{
    for (const Row &row : rows) {
        if (row.model == s.model && row.lens == s.lens && applies(row.when, in))
            return row;
    }
    // Every lens of the catalogue has its row; a missing one is a programming error.
    assert(false && "no throw formula for this lens");
    return rows.front();
}

// LX-430 and LX-450 throw a picture 4 % farther with their second input signal ("SVGA or
// Video", "SVGA").
bool hasSignalFactor(const Selection &s, const ThrowInputs &in)
{
    return (s.model == Model::LX430 || s.model == Model::LX450) && in.inputSignal == 2;
}

} // namespace

ThrowResult computeThrow(const Selection &s, const ThrowInputs &in)
{
    assert(!s.isCrt());

    Terms t{};
    t.D = in.diagonal;
    t.S = modelEntry(s.model).sizeBasis == SizeBasis::Width54 ? in.width * 5.0 * 0.25 : t.D;
    t.q = divisorOf(s.model, in);
    t.k = t.S * 25.4 / 17 + 1;

    const Row &row = rowFor(s, in);
    ThrowResult r{};
    switch (row.kind) {
    case RowKind::Zoom:
        r.zoom = true;
        r.throwFar = static_cast<float>(row.far(t) * 0.975 / 25.4);
        r.throwNear = static_cast<float>(row.near(t) * 1.025 / 25.4);
        r.throwDistance = r.throwNear;
        break;
    case RowKind::ZoomNoMargin:
        r.zoom = true;
        r.throwFar = static_cast<float>(row.far(t) / 25.4);
        r.throwNear = static_cast<float>(row.near(t) / 25.4);
        r.throwDistance = r.throwNear;
        break;
    case RowKind::Fixed:
        r.zoom = false;
        r.throwDistance = row.far(t) / 25.4;
        break;
    }

    if (hasSignalFactor(s, in)) {
        if (r.zoom) {
            r.throwFar = static_cast<float>(r.throwFar * 1.04);
            r.throwNear = static_cast<float>(r.throwNear * 1.04);
        }
        r.throwDistance = r.throwDistance * 1.04;
    }
    return r;
}

std::string formatLength(double inches, Unit units)
{
    // Distances are shown exactly as the screen calculator shows a screen dimension.
    return formatDimension(inches, units);
}

} // namespace lumidex
