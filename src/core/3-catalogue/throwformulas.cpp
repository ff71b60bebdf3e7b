#include "3-catalogue/throwformulas.h"

#include <cassert>
#include <limits>

namespace lumidex {
namespace {

// The divisor q of the models whose formulas are written with one. The other models' formulas
// carry their divisor as a constant; NaN makes a row that reads q by mistake show at once.
double divisorOf(const ModelEntry &model, const ThrowInputs &in)
{
    return model.divisor ? model.divisor(in) : std::numeric_limits<double>::quiet_NaN();
}

bool applies(ThrowCondition when, const ThrowInputs &in)
{
    switch (when) {
    case ThrowCondition::NarrowScreen:
        return isNarrowScreen(in.aspect);
    case ThrowCondition::WideScreen:
        return !isNarrowScreen(in.aspect);
    case ThrowCondition::FourThreeImage:
        return in.sxgaAspectMode == 0;
    case ThrowCondition::FiveFourImage:
        return in.sxgaAspectMode != 0;
    case ThrowCondition::Always:
        break;
    }
    return true;
}

const ThrowRow &rowFor(const Selection &s, const ThrowInputs &in)
{
    const std::span<const ThrowRow> rows = throwRows();
    for (const ThrowRow &row : rows) {
        if (row.model == s.model && row.lens == s.lens && applies(row.when, in))
            return row;
    }
    // Every lens of the catalogue has its row; a missing one is a programming error.
    assert(false && "no throw formula for this lens");
    return rows.front();
}

} // namespace

ThrowResult computeThrow(const Selection &s, const ThrowInputs &in)
{
    assert(!s.isCrt());

    const ModelEntry &model = modelEntry(s.model);
    ThrowTerms t{};
    t.D = in.diagonal;
    t.S = model.sizeBasis == SizeBasis::Width54 ? in.width * 5.0 * 0.25 : t.D;
    t.q = divisorOf(model, in);
    t.k = t.S * 25.4 / 17 + 1;

    const ThrowRow &row = rowFor(s, in);
    ThrowResult r{};
    switch (row.kind) {
    case ThrowMargin::Zoom:
        r.zoom = true;
        r.throwFar = static_cast<float>(row.far(t) * 0.975 / 25.4);
        r.throwNear = static_cast<float>(row.near(t) * 1.025 / 25.4);
        r.throwDistance = r.throwNear;
        break;
    case ThrowMargin::ZoomNoMargin:
        r.zoom = true;
        r.throwFar = static_cast<float>(row.far(t) / 25.4);
        r.throwNear = static_cast<float>(row.near(t) / 25.4);
        r.throwDistance = r.throwNear;
        break;
    case ThrowMargin::Fixed:
        r.zoom = false;
        r.throwDistance = row.far(t) / 25.4;
        break;
    }

    if (const auto &signal = model.signalFactor; signal && in.inputSignal == signal->inputSignal) {
        if (r.zoom) {
            r.throwFar = static_cast<float>(r.throwFar * signal->factor);
            r.throwNear = static_cast<float>(r.throwNear * signal->factor);
        }
        r.throwDistance = r.throwDistance * signal->factor;
    }
    return r;
}

std::string formatLength(double inches, Unit units)
{
    // Distances are shown exactly as the screen calculator shows a screen dimension.
    return formatDimension(inches, units);
}

} // namespace lumidex
