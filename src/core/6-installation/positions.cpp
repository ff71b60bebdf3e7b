#include "6-installation/positions.h"

#include "1-state/numbertext.h"
#include "4-crt/crtmodel.h"

namespace lumidex {
namespace {

using P = MountPosition;

struct AngleRange
{
    Series series;
    double low;
    bool lowIncluded;
    double high;
    bool highIncluded;
    MountPosition position;
    bool withTips; // steep enough for the installer's angle warning
};

// The custom angles each series can throw at, and the mounting position each range means.
constexpr std::array<AngleRange, 18> angleRanges{{
    {Series::CR7100, -22, true, -2, false, P::Top, false},
    {Series::CR7100, -2, true, 11, false, P::Center, false},
    {Series::CR7100, 11, true, 22, true, P::Bottom, false},
    {Series::CR7300, -30, true, -15.2, false, P::Top, true},
    {Series::CR7300, -15.2, true, -2, false, P::Top, false},
    {Series::CR7300, -2, true, 11, false, P::Center, false},
    {Series::CR7300, 11, true, 15.2, true, P::Bottom, false},
    {Series::CR7300, 15.2, false, 30, true, P::Bottom, true},
    {Series::CR7400, -24, true, -17, false, P::Top, true},
    {Series::CR7400, -17, true, -2, true, P::Top, false},
    {Series::CR7400, -2, false, 11, false, P::Center, false},
    {Series::CR7400, 11, true, 17, true, P::Bottom, false},
    {Series::CR7400, 17, false, 24, true, P::Bottom, true},
    {Series::CR7200, -30, true, -22, false, P::Top, true},
    {Series::CR7200, -22, true, -2, false, P::Top, false},
    {Series::CR7200, -2, true, 11, false, P::Center, false},
    {Series::CR7200, 11, true, 22, true, P::Bottom, false},
    {Series::CR7200, 22, false, 30, true, P::Bottom, true},
}};

constexpr PositionFlags Only(P p)
{
    PositionFlags f{};
    f[static_cast<std::size_t>(p)] = true;
    return f;
}
constexpr PositionFlags TopBottom{true, false, true, false};
constexpr PositionFlags TopCenterBottom{true, true, true, false};

} // namespace

PositionFlags positionsOffered(const Selection &s)
{
    if (s.isCrt())
        return {true, true, true, s.series != Series::CR7500};
    return lensEntry(s).positions;
}

MountPosition positionFor(const Selection &s, MountPosition before)
{
    const PositionFlags offered = positionsOffered(s);
    const auto index = static_cast<std::size_t>(before);
    if (index < offered.size() && offered[index])
        return before;
    for (P p : {P::Top, P::Center, P::Special}) {
        if (offered[static_cast<std::size_t>(p)])
            return p;
    }
    return P::Top;
}

AngleDecision decideCustomAngle(Series series, double angle)
{
    // Compared as a page keeps the angle, a 32-bit float, so that a reopened project decides
    // as the prompt did: -15.2 typed and -15.2 read back are the same angle.
    const float a = toSingle(angle);
    AngleDecision d;
    for (const AngleRange &r : angleRanges) {
        const float low = toSingle(r.low);
        const float high = toSingle(r.high);
        const bool aboveLow = r.lowIncluded ? a >= low : a > low;
        const bool belowHigh = r.highIncluded ? a <= high : a < high;
        if (r.series == series && aboveLow && belowHigh) {
            d.position = r.position;
            d.withTips = r.withTips;
            break;
        }
    }
    if (!d.position) {
        // The CR-75xx series has no custom angle at all.
        if (series == Series::CR7100)
            d.refusal = {translate("Positions", "This angle is too large for this projector"),
                         MessageIcon::Critical, translate("Positions", "Input Error")};
        else
            d.refusal = {translate("Positions", "This angle is too large for this projector."),
                         MessageIcon::None,
                         {}};
        return d;
    }
    // Within its ranges, the CR-7100 lens still cannot focus beyond its own limit: the angle is
    // refused here, before it is taken, so no recalculation ever meets it.
    if (series == Series::CR7100 || series == Series::CR7200) {
        const Crt7100Angle lens = crt7100Angle(series, *d.position, true, a);
        if (lens.refused) {
            d.position.reset();
            d.withTips = false;
            d.refusal = {translate("Positions", lens.message), MessageIcon::None, {}};
        }
    }
    return d;
}

MountPosition mountedAt(const InstallationInputs &in)
{
    if (in.selection.isCrt() && in.customAngle) {
        if (const auto p = decideCustomAngle(in.selection.series, *in.customAngle).position)
            return *p;
    }
    return in.position;
}

AngleAnswer readAngleAnswer(const std::optional<std::string> &answer)
{
    if (!answer || answer->empty())
        return {};
    if (!isNumeric(*answer))
        return {{},
                MessageText{translate("Positions", "Angle must be a valid NUMBER"),
                            MessageIcon::Critical, translate("Positions", "Input Error")}};
    return {leadingNumber(*answer), {}};
}

} // namespace lumidex
