#include "3-catalogue/catalogue.h"
#include "3-catalogue/limits.h"
#include "3-catalogue/throwformulas.h"
#include "5-drawing/drawingelements.h"
#include "5-drawing/placement.h"
#include "6-installation/lensfinder.h"
#include "6-installation/positions.h"
#include "6-installation/recalculation.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace lumidex;

namespace {

std::vector<Selection> everySelection()
{
    std::vector<Selection> all;
    for (const SeriesEntry &s : crtSeries())
        all.push_back(Selection::crt(s.series));
    for (const ModelEntry &m : dataProjectors()) {
        for (std::size_t k = 0; k < m.lenses.size(); ++k)
            all.push_back(Selection::dataProjector(m.model, static_cast<int>(k)));
    }
    return all;
}

TEST(Catalogue, ProjectorCodesAreUniqueAndReadBack)
{
    std::set<int> codes;
    for (const Selection &s : everySelection()) {
        const int code = projectorCodeOf(s);
        EXPECT_TRUE(codes.insert(code).second) << code;
        const auto back = selectionFromProjectorCode(code);
        ASSERT_TRUE(back) << code;
        EXPECT_TRUE(*back == s) << code;
    }
    EXPECT_EQ(codes.size(), 5u + 58u); // codes 0-4 and 10-67
    for (int unassigned : {-1, 5, 9, 68, 32767})
        EXPECT_FALSE(selectionFromProjectorCode(unassigned)) << unassigned;
}

TEST(Catalogue, MenuShortcutsAreUnique)
{
    std::set<std::string_view> keys;
    for (const SeriesEntry &s : crtSeries())
        EXPECT_TRUE(keys.insert(s.shortcut).second) << s.shortcut;
    for (const ModelEntry &m : dataProjectors()) {
        if (!m.shortcut.empty()) {
            EXPECT_TRUE(keys.insert(m.shortcut).second) << m.shortcut;
        }
    }
    EXPECT_FALSE(keys.count("F10"));
}

} // namespace

// A made-up model added as rows alone is offered, limited, positioned, thrown, drawn and
// found by the layers that read the catalogue.
TEST(Catalogue, AMadeUpModelNeedsOnlyRows)
{
    static constexpr std::array<LensEntry, 2> lenses{{
        {"Standard Zoom Lens", LensKind::Zoom, WidthRange{50, 150}, std::nullopt,
         PositionFlags{true, false, true, false}},
        {"Optional Short Throw Lens (LN-199)", LensKind::Fixed, std::nullopt, std::nullopt,
         PositionFlags{false, true, false, false}},
    }};
    std::vector<ModelEntry> models(dataProjectors().begin(), dataProjectors().end());
    const auto madeUp = static_cast<Model>(models.size());
    ModelEntry row = models.front();
    row.model = madeUp;
    row.caption = "LX-999";
    row.shortcut = "";
    row.lenses = lenses;
    row.projectorCodeBase = 90;
    row.aspects = AspectRule::FourThreeOnly;
    row.lensOffset = [](const LensOffsetTerms &t) { return t.diagonal / 10; };
    row.divisor = [](const ThrowInputs &) { return 1.25; };
    row.signalFactor = std::nullopt;
    models.push_back(row);
    std::vector<ThrowRow> formulas(throwRows().begin(), throwRows().end());
    // 2540 mm and 1270 mm from a 100 inch diagonal: 100 and 50 inches before the margin.
    formulas.push_back({madeUp, 0, ThrowCondition::Always, ThrowMargin::ZoomNoMargin,
                        [](const ThrowTerms &t) { return t.D * 25.4 * 1.25 / t.q; },
                        [](const ThrowTerms &t) { return t.D * 12.7; }});
    formulas.push_back({madeUp, 1, ThrowCondition::Always, ThrowMargin::Fixed,
                        [](const ThrowTerms &t) { return t.D * 5.08; }, nullptr});
    const Catalogue extended{crtSeries(), models, formulas};
    const ScopedCatalogue inForce(extended);

    EXPECT_EQ(dataProjectors().back().caption, "LX-999");
    const Selection zoom = Selection::dataProjector(madeUp, 0);
    const Selection fixed = Selection::dataProjector(madeUp, 1);
    EXPECT_EQ(selectionFromProjectorCode(91), fixed);
    EXPECT_EQ(lensLabelOf(fixed), "LN-199");

    const FocusDiagonalRanges focus;
    EXPECT_EQ(checkCapabilities(zoom, 100, 4.0f / 3, 0, focus).outcome, LimitOutcome::Accepted);
    EXPECT_EQ(checkCapabilities(zoom, 160, 4.0f / 3, 0, focus).outcome, LimitOutcome::OutOfRange);
    EXPECT_EQ(checkCapabilities(fixed, 400, 4.0f / 3, 0, focus).outcome, LimitOutcome::Accepted);
    const LimitCheck wide = checkCapabilities(zoom, 100, 1.78f, 0, focus);
    EXPECT_EQ(wide.text, "LX-999 projectors support\nthe 1.33 aspect ratio only");

    EXPECT_EQ(positionsOffered(zoom), (PositionFlags{true, false, true, false}));
    EXPECT_EQ(positionFor(fixed, MountPosition::Top), MountPosition::Center);
    EXPECT_EQ(lensOffsetInches(zoom, 125, 4.0f / 3, 1), 12);

    const ThrowResult thrown = computeThrow(zoom, {100, 80, 4.0f / 3, 1, 0});
    EXPECT_FLOAT_EQ(thrown.throwFar, 100);
    EXPECT_FLOAT_EQ(thrown.throwNear, 50);

    InstallationState state;
    state.screen.diagonal = 100;
    recomputeFromDiagonal(state.screen, screenSizesOf(zoom));
    state.inputs.selection = fixed;
    state.inputs.position = MountPosition::Center;
    const FocusTables tables = BuildFocusTables();
    const Recalculation r = recalculate(state, tables);
    EXPECT_EQ(r.correction, ScreenCorrection::None);
    EXPECT_EQ(r.view.frameTitle, " LX-999");
    EXPECT_EQ(r.view.distanceText, "20");
    EXPECT_TRUE(std::ranges::any_of(visibleElements(r.view.drawing), [](const DrawingElement &e) {
        return e.kind == ElementKind::Picture &&
               e.name.starts_with(modelEntry(Model::LX410).pictureFamily);
    }));

    const std::vector<LensMatch> found = findLenses(state.screen, MountPosition::Top, 75, tables);
    EXPECT_TRUE(std::ranges::any_of(
        found, [](const LensMatch &m) { return m.caption == "LX-999 Standard Zoom Lens"; }));
}
