#include "3-catalogue/catalogue.h"
#include "3-catalogue/limits.h"
#include "5-drawing/placement.h"
#include "6-installation/positions.h"

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

// A made-up model added as rows alone is offered, limited, positioned and placed by the
// layers that read the catalogue.
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
    models.push_back(row);
    const Catalogue extended{crtSeries(), models};
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
}
