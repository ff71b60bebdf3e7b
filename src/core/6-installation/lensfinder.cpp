#include "6-installation/lensfinder.h"

#include "1-state/translation.h"
#include "3-catalogue/limits.h"
#include "3-catalogue/throwformulas.h"
#include "4-crt/crtmodel.h"
#include "4-crt/focusthrow.h"

#include <algorithm>
#include <cmath>

namespace lumidex {
namespace {

std::optional<double> crtDistance(Series series, const ScreenState &screen, MountPosition position,
                                  const FocusTables &focus)
{
    switch (series) {
    case Series::CR7300:
    case Series::CR7400: {
        const FocusRecord &record = focus.record(series == Series::CR7300 ? 1 : 2);
        const FocusThrowResult r = FocusThrowDistance(
            record, screen.width, {false, 0.0, position == MountPosition::Center});
        if (r.focusAngleOutOfRange || r.dataOutOfRangeCount > 0)
            return std::nullopt;
        return r.distanceInches;
    }
    case Series::CR7100:
    case Series::CR7200: {
        const Crt7100Angle a = crt7100Angle(series, position, false, 0.0);
        const auto forward = crt7100Forward(screen.width, a.A, false);
        if (!forward)
            return std::nullopt;
        return forward->distance;
    }
    case Series::CR7500:
        return CalculateCrt7500(screen.width, 0.0f, position).distance;
    }
    return std::nullopt;
}

bool withinLimits(const Selection &s, const ScreenState &screen, const FocusTables &focus)
{
    FocusDiagonalRanges ranges;
    ranges.cr7300Min = focus.record(1).minDiagonal;
    ranges.cr7300Max = focus.record(1).maxDiagonal;
    ranges.cr7400Min = focus.record(2).minDiagonal;
    ranges.cr7400Max = focus.record(2).maxDiagonal;
    return checkCapabilities(s, screen.width, screen.aspect, 0.0f, ranges).outcome ==
           LimitOutcome::Accepted;
}

void addFixed(std::vector<LensMatch> &matches, LensMatch match, double lensDistance,
              double distance)
{
    if (!(lensDistance > 0) || !std::isfinite(lensDistance))
        return;
    const double off = std::abs(distance - lensDistance) / lensDistance / FixedLensTolerance;
    if (off > 1.0)
        return;
    match.throwDistance = lensDistance;
    match.offCentre = off;
    matches.push_back(std::move(match));
}

} // namespace

std::vector<LensMatch> findLenses(const ScreenState &screen, MountPosition position,
                                  double distance, const FocusTables &focus)
{
    std::vector<LensMatch> matches;
    if (!(distance > 0) || !std::isfinite(distance))
        return matches;

    for (const SeriesEntry &series : crtSeries()) {
        const Selection s = Selection::crt(series.series);
        if (!withinLimits(s, screen, focus))
            continue;
        if (const auto d = crtDistance(series.series, screen, position, focus))
            addFixed(matches, {s, std::string(series.caption)}, *d, distance);
    }
    for (const ModelEntry &model : dataProjectors()) {
        for (std::size_t k = 0; k < model.lenses.size(); ++k) {
            const Selection s = Selection::dataProjector(model.model, static_cast<int>(k));
            if (!withinLimits(s, screen, focus))
                continue;
            // The standard set-up: first input signal, 4:3 images for the LX-530.
            const ThrowResult r =
                computeThrow(s, {screen.diagonal, screen.width, screen.aspect, 1, 0});
            LensMatch match{s, std::string(model.caption)};
            if (model.hasLensSubmenu)
                match.caption += " " + std::string(model.lenses[k].caption);
            if (!r.zoom) {
                addFixed(matches, std::move(match), r.throwDistance, distance);
                continue;
            }
            const double nearest = r.throwNear;
            const double farthest = r.throwFar;
            if (!(distance >= nearest && distance <= farthest) || !(farthest > nearest))
                continue;
            match.zoom = true;
            match.throwNear = nearest;
            match.throwFar = farthest;
            const double middle = (nearest + farthest) / 2;
            match.offCentre = std::abs(distance - middle) / ((farthest - nearest) / 2);
            matches.push_back(std::move(match));
        }
    }
    std::stable_sort(matches.begin(), matches.end(), [](const LensMatch &a, const LensMatch &b) {
        return a.offCentre < b.offCentre;
    });
    return matches;
}

std::string lensSearchSummary(double distance, std::size_t matches, Unit units)
{
    if (!(distance > 0) || !std::isfinite(distance))
        return translate("LensFinder", "Type the distance the room offers, then press Enter.");
    if (matches == 0) {
        const std::string_view text =
            units == Unit::Feet
                ? LUMIDEX_TRANSLATE_NOOP("LensFinder",
                                         "No projector and lens fills this screen from %1 feet.")
            : units == Unit::Millimetres
                ? LUMIDEX_TRANSLATE_NOOP(
                      "LensFinder", "No projector and lens fills this screen from %1 millimetres.")
                : LUMIDEX_TRANSLATE_NOOP("LensFinder",
                                         "No projector and lens fills this screen from %1 inches.");
        return fillIn(translate("LensFinder", text), formatLength(distance, units));
    }
    if (matches == 1)
        return translate("LensFinder", "1 projector and lens fits: choose one with Select or a "
                                       "double-click.");
    return fillIn(translate("LensFinder", "%1 projectors and lenses fit: choose one with Select "
                                          "or a double-click."),
                  std::to_string(matches));
}

} // namespace lumidex
