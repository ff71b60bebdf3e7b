#pragma once

// The shape of the data projectors' throw formula table. The catalogue holds the table; each
// row is one of the maker's published formulas for one model and lens, and a model's own
// columns (its divisor, its signal factor) say what the formulas read besides the screen.

#include "1-state/selection.h"

#include <cstdint>
#include <optional>
#include <span>

namespace lumidex {

// The screen and the projector settings the formulas read, as the shared state holds them.
struct ThrowInputs
{
    float diagonal;              // inches
    float width;                 // inches
    float aspect;                // width / height
    std::int16_t inputSignal;    // 1-based entry of the model's input-signal list
    std::int16_t sxgaAspectMode; // 0 = 4:3 image on a 4:3 screen, else 5:4 image
};

// The screen sizes and divisor one formula may read. D is the diagonal, S the model's size
// basis (D, or 1.25 x width for the models whose maker quotes the 4:3 diagonal as wide as the
// screen), q the model's divisor and k the lens term of the models quoted per 17 mm, all in
// inches.
struct ThrowTerms
{
    double D;
    double S;
    double q;
    double k;
};

// One of the maker's formulas, yielding millimetres.
using ThrowFormula = double (*)(const ThrowTerms &);

enum class ThrowMargin
{
    Zoom,         // far end shortened and near end lengthened by 2.5 %
    ZoomNoMargin, // the maker's distances are taken as they are
    Fixed         // one distance, no margin
};

// Which screen or projector setting a row is for, where a lens has more than one formula.
enum class ThrowCondition
{
    Always,
    NarrowScreen,   // aspect below 1.4
    WideScreen,     // aspect 1.4 or more
    FourThreeImage, // the model is set up for a 4:3 image
    FiveFourImage   // the model is set up for a 5:4 image on a 4:3 screen
};

struct ThrowRow
{
    Model model;
    int lens;
    ThrowCondition when;
    ThrowMargin kind;
    ThrowFormula far; // the one distance for a fixed lens
    ThrowFormula near;
};

// The divisor q a model's formulas are written with, from the screen and its settings.
using DivisorFormula = double (*)(const ThrowInputs &);

// A model that throws its picture farther with one of its input signals.
struct SignalFactor
{
    std::int16_t inputSignal; // 1-based
    double factor;
};

// The aspect is compared with 1.4 in single precision, as the screen state holds it: a ratio
// of 1.4 typed by the installer is stored as 1.4f and must count as a wide screen.
inline bool isNarrowScreen(float aspect)
{
    return aspect < 1.4f;
}

// The maker's formulas for every built-in data projector and lens.
std::span<const ThrowRow> builtInThrowRows();

} // namespace lumidex
