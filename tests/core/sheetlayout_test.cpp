#include "5-drawing/sheetlayout.h"

#include <gtest/gtest.h>

using namespace lumidex;

namespace {

// Every element lies inside its panel and every panel inside the sheet, so nothing of the
// window (or the printed sheet) is cut off.
TEST(SheetLayout, ElementsStayInsideTheirPanelsAndTheSheet)
{
    for (const SheetItem &item : sheetLayout()) {
        const SheetRect r = sheetRect(item);
        EXPECT_GE(r.left, 0) << item.name;
        EXPECT_GE(r.top, 0) << item.name;
        EXPECT_LE(r.left + r.width, SheetWidth) << item.name;
        EXPECT_LE(r.top + r.height, SheetHeight) << item.name;
        if (item.panel >= 0) {
            const SheetItem *panel = sheetItem("fraThrow(" + std::to_string(item.panel) + ")");
            ASSERT_NE(panel, nullptr) << item.name;
            EXPECT_GE(item.left, 0) << item.name;
            EXPECT_GE(item.top, 0) << item.name;
            EXPECT_LE(item.left + item.width, panel->width) << item.name;
            EXPECT_LE(item.top + item.height, panel->height) << item.name;
        }
    }
}

TEST(SheetLayout, PanelsDoNotOverlap)
{
    std::vector<SheetRect> panels;
    for (const SheetItem &item : sheetLayout()) {
        if (item.kind == SheetKind::Panel)
            panels.push_back(sheetRect(item));
    }
    ASSERT_EQ(panels.size(), 6u);
    for (std::size_t i = 0; i < panels.size(); ++i) {
        for (std::size_t j = i + 1; j < panels.size(); ++j) {
            const SheetRect &a = panels[i];
            const SheetRect &b = panels[j];
            const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                               a.top + a.height <= b.top || b.top + b.height <= a.top;
            EXPECT_TRUE(apart) << i << " " << j;
        }
    }
}

} // namespace
