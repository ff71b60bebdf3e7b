#include "3-catalogue/catalogue.h"

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
