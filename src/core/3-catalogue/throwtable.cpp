#include "3-catalogue/throwtable.h"

#include <array>

namespace lumidex {
namespace {

// The maker's formulas are written here exactly as published, constants and order of
// operations alike, so that each row can be read against the maker's sheet.
#define MM(expr)                                                                                   \
    [](const ThrowTerms &t) -> double {                                                            \
        [[maybe_unused]] const double D = t.D, S = t.S, q = t.q, k = t.k;                          \
        return expr;                                                                               \
    }

using R = ThrowRow;
constexpr ThrowMargin Z = ThrowMargin::Zoom;
constexpr ThrowMargin ZN = ThrowMargin::ZoomNoMargin;
constexpr ThrowMargin Fx = ThrowMargin::Fixed;
constexpr ThrowCondition Narrow = ThrowCondition::NarrowScreen;
constexpr ThrowCondition Wide = ThrowCondition::WideScreen;
constexpr ThrowCondition All = ThrowCondition::Always;
constexpr ThrowCondition Img43 = ThrowCondition::FourThreeImage;
constexpr ThrowCondition Img54 = ThrowCondition::FiveFourImage;

// clang-format off
constexpr std::array rows{
    // LX-440
    R{Model::LX440, 0, All, ZN, MM((D - 1.84) * 60.26), MM((D - 2.59) * 39.82)},
    R{Model::LX440, 1, All, Z, MM(S * 140.374 / 1.31 - 20), MM(S * 72.29 / 1.31 - 155)},
    R{Model::LX440, 2, All, Fx, MM(S * 24.275 / 1.31 - 64), nullptr},
    R{Model::LX440, 3, All, Fx, MM(S / 1.31 * 37.313 - 60), nullptr},
    R{Model::LX440, 4, All, Fx, MM(S / (100.4 / 9900)), nullptr},
    // LX-450
    R{Model::LX450, 0, All, Z, MM(S * 76.096 / 1.31 - 82), MM(S * 49.958 / 1.31 - 86)},
    R{Model::LX450, 1, All, Z, MM(S * 140.374 / 1.31 - 20), MM(S * 72.29 / 1.31 - 155)},
    R{Model::LX450, 2, All, Fx, MM(S * 24.275 / 1.31 - 64), nullptr},
    R{Model::LX450, 3, All, Fx, MM(S / 1.31 * 37.313 - 60), nullptr},
    // LX-420
    R{Model::LX420, 0, All, ZN, MM((D - 1.84) * 60.26), MM((D - 2.59) * 39.82)},
    R{Model::LX420, 1, All, Z, MM(S * 140.374 / 1.31 - 20), MM(S * 72.29 / 1.31 - 155)},
    R{Model::LX420, 2, All, Fx, MM(S / 1.31 * 37.313 - 60), nullptr},
    R{Model::LX420, 3, All, Fx, MM(S / (100.4 / 9900)), nullptr},
    // LX-430
    R{Model::LX430, 0, All, Z, MM(S * 76.096 / 1.31 - 82), MM(S * 49.958 / 1.31 - 86)},
    R{Model::LX430, 1, All, Z, MM(S * 140.374 / 1.31 - 20), MM(S * 72.29 / 1.31 - 155)},
    R{Model::LX430, 2, All, Fx, MM(S / 1.31 * 37.313 - 60), nullptr},
    // LX-410
    R{Model::LX410, 0, Narrow, Z, MM((D - 1.5484) / 13.609 * 1000),
        MM((D - 2.1755) / 21.653 * 1000)},
    R{Model::LX410, 0, Wide, Z, MM((D - 1.898) / 16.656 * 1000),
        MM((D - 2.6584) / 26.501 * 1000)},
    R{Model::LX410, 1, All, Z, MM(D * 140.374 / q - 20), MM(D * 72.29 / q - 155)},
    R{Model::LX410, 2, All, Fx, MM(D / q * 37.313 - 60), nullptr},
    R{Model::LX410, 3, All, Fx, MM(D / ((q / 1.31) * (100.4 / 9900))), nullptr},
    // LX-540
    R{Model::LX540, 0, Narrow, Z, MM(D * 53.597384 / q - 70.27214),
        MM(D * 44.22 / q - 70.76208)},
    R{Model::LX540, 0, Wide, Z, MM(D * 53.599173 / q - 70.17171),
        MM(D * 44.22 / q - 70.76208)},
    // DX-520
    R{Model::DX520, 0, All, ZN, MM(k * 52.5 - 37.1), MM(k * 35 - 61.2)},
    R{Model::DX520, 1, All, ZN, MM(k * 105 - 176.5), MM(k * 52.5 - 103.9)},
    R{Model::DX520, 2, All, Fx, MM(k * 17.5 - 35.5), nullptr},
    // LX-460
    R{Model::LX460, 0, All, Z, MM(S * 66.195 / 1.31 - 87), MM(S * 50.249 / 1.31 - 84)},
    R{Model::LX460, 1, All, Z, MM(S * 140.374 / 1.31 - 20), MM(S * 72.29 / 1.31 - 155)},
    R{Model::LX460, 2, All, Fx, MM(S * 24.275 / 1.31 - 64), nullptr},
    R{Model::LX460, 3, All, Fx, MM(S * 37.313 / 1.31 - 60), nullptr},
    // LX-490
    R{Model::LX490, 0, All, Z, MM(S * 69.637 / 1.3102 - 96.167), MM(S * 52.83 / 1.3102 - 95.032)},
    R{Model::LX490, 1, All, Z, MM(S * 140.374 / 1.31 - 20), MM(S * 72.29 / 1.31 - 155)},
    R{Model::LX490, 2, All, Fx, MM(S * 24.275 / 1.31 - 64), nullptr},
    R{Model::LX490, 3, All, Fx, MM(S * 37.313 / 1.31 - 60), nullptr},
    // LX-470
    R{Model::LX470, 0, All, Z, MM(S * 66.195 / q - 87), MM(S * 50.249 / q - 84)},
    R{Model::LX470, 1, All, Z, MM(S * 140.374 / q - 20), MM(S * 72.29 / q - 155)},
    R{Model::LX470, 2, All, Fx, MM(S * 24.275 / q - 64), nullptr},
    R{Model::LX470, 3, All, Fx, MM(S * 37.313 / q - 60), nullptr},
    // LX-480
    R{Model::LX480, 0, All, Z, MM(S * 69.637 / q - 96.17), MM(S * 52.83 / q - 95.03)},
    R{Model::LX480, 1, All, Z, MM(S * 140.374 / q - 20), MM(S * 72.29 / q - 155)},
    R{Model::LX480, 2, All, Fx, MM(S * 24.275 / q - 64), nullptr},
    R{Model::LX480, 3, All, Fx, MM(S * 37.313 / q - 60), nullptr},
    // LX-510/LX-515
    R{Model::LX510, 0, All, Z, MM(S * 92.644 / q - 104), MM(S * 70.383 / q - 102)},
    R{Model::LX510, 1, All, Z, MM(S * 147.324 / q - 175), MM(S * 92.078 / q - 176)},
    R{Model::LX510, 2, All, Z, MM(S * 216.549 / q - 163), MM(S * 144.388 / q - 163)},
    R{Model::LX510, 3, All, Fx, MM(S * 269.1 / q + 163), nullptr},
    R{Model::LX510, 4, All, Fx, MM(S * 52.244 / q - 123), nullptr},
    R{Model::LX510, 5, All, Fx, MM(S * 35.079 / q - 134), nullptr},
    // LX-530, 4:3 image
    R{Model::LX530, 0, Img43, Z, MM(S * 92.644 / q - 104), MM(S * 70.383 / q - 120)},
    R{Model::LX530, 1, Img43, Z, MM(S * 147.324 / q - 175), MM(S * 92.078 / q - 176)},
    R{Model::LX530, 2, Img43, Z, MM(S * 216.549 / q - 163), MM(S * 144.368 / q - 163)},
    R{Model::LX530, 3, Img43, Z, MM(S * 97.301 / q - 120), MM(S * 73.837 / q - 120)},
    R{Model::LX530, 4, Img43, Fx, MM(S * 269.11 / q + 163), nullptr},
    R{Model::LX530, 5, Img43, Fx, MM(S * 180.196 / q + 29), nullptr},
    R{Model::LX530, 6, Img43, Fx, MM(S * 52.244 / q - 123), nullptr},
    R{Model::LX530, 7, Img43, Fx, MM(S * 35.079 / q - 134), nullptr},
    // LX-530, 5:4 image on a 4:3 screen
    R{Model::LX530, 0, Img54, Z, MM(S * 88.938 / q - 104), MM(S * 67.568 / q - 102)},
    R{Model::LX530, 1, Img54, Z, MM(S * 141.432 / q - 175), MM(S * 88.395 / q - 176)},
    R{Model::LX530, 2, Img54, Z, MM(S * 207.887 / q - 163), MM(S * 138.593 / q - 163)},
    R{Model::LX530, 3, Img54, Z, MM(S * 93.409 / q - 120), MM(S * 70.884 / q - 120)},
    R{Model::LX530, 4, Img54, Fx, MM(S * 258.336 / q + 163), nullptr},
    R{Model::LX530, 5, Img54, Fx, MM(S * 172.988 / q + 29), nullptr},
    R{Model::LX530, 6, Img54, Fx, MM(S * 50.154 / q - 123), nullptr},
    R{Model::LX530, 7, Img54, Fx, MM(S * 33.6769 / q - 134), nullptr},
    // LX-550/LX-560
    R{Model::LX550, 0, All, Z, MM(S * 64.519 / q - 107.898), MM(S * 50.18 / q - 75.101)},
    R{Model::LX550, 1, All, Z, MM(S * 45.821033 / q - 112.9154), MM(S * 41.75 / q - 116.2604)},
    R{Model::LX550, 2, All, Z, MM(S * 137.56012 / q - 211.5915), MM(S * 89.82 / q - 209.2626)},
    R{Model::LX550, 3, All, Fx, MM(S * 24.71 / q - 81.86279), nullptr},
};
// clang-format on

#undef MM

} // namespace

std::span<const ThrowRow> builtInThrowRows()
{
    return rows;
}

} // namespace lumidex
