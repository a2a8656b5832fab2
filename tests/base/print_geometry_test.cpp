#include "base/print_geometry.h"

#include <gtest/gtest.h>

#include "base/page_layout.h"

namespace klv {
namespace {

TEST(PrintGeometry, PageFontHeightFromTenthsOfAPoint) {
    struct Case {
        int size, dpi, page;
    };
    // The height rounds before its division by ten.
    for (const Case& c :
         {Case{140, 600, -116}, Case{90, 300, -37}, Case{200, 96, -26}, Case{100, 300, -41}})
        EXPECT_EQ(PagePrinterFontHeight(c.size, c.dpi), c.page) << c.size << " at " << c.dpi;
    EXPECT_EQ(MulDiv(-5, 3, 2), -8);
    EXPECT_EQ(MulDiv(5, 3, -2), -8);
    EXPECT_EQ(MulDiv(7, 1, 0), -1);
}

TEST(PrintGeometry, PrintableRectangleFromMarginsPaperAndOffsets) {
    const PageDevice a4{600, 600, 2100, 2970, false, 100, 120};
    const PageMargins inch{1000, 500, 1000, 750};
    const PrintRect portrait = GetPrintableRect(a4, inch);
    EXPECT_EQ(portrait.left, 500);
    EXPECT_EQ(portrait.top, 180);
    EXPECT_EQ(portrait.right, 4960 - 600 - 100);
    EXPECT_EQ(portrait.bottom, 7015 - 450 - 120);

    PageDevice landscape = a4;
    landscape.landscape = true;
    const PrintRect wide = GetPrintableRect(landscape, inch);
    EXPECT_EQ(wide.right, 7015 - 600 - 100);
    EXPECT_EQ(wide.bottom, 4960 - 450 - 120);

    PageDevice fine = landscape;
    fine.dpiX = fine.dpiY = 4800;
    EXPECT_EQ(GetPrintableRect(fine, inch).right, 32767);
    EXPECT_EQ(GetPrintableRect(fine, inch).bottom, 32767);
}

TEST(PrintGeometry, TitleRightTextHoldsStartTimeAndPage) {
    const LocalTime start{2026, 3, 4, 9, 5, 0, 0, 0};
    EXPECT_EQ(MakeTitleRightText(start, 2, true, true), "  2026/ 3/ 4 09:05  P 2");
    EXPECT_EQ(MakeTitleRightText(start, 12, false, true), "  P 12");
    EXPECT_EQ(MakeTitleRightText(start, 2, true, false), "  2026/ 3/ 4 09:05");
    EXPECT_EQ(MakeTitleRightText(start, 2, false, false), "");
}

TEST(PageLayout, TitleLineEndsAtTheRightEdgeAndAdvancesOneAndAHalfLines) {
    const TitleLinePlacement p = PlaceTitleLine({10, 100, 500, 800}, 80, 21);
    EXPECT_EQ(p.leftX, 10);
    EXPECT_EQ(p.rightX, 420);
    EXPECT_EQ(p.y, 100);
    EXPECT_EQ(p.nextY, 131);
}

TEST(PageLayout, LabelValueCellsFlowAndWrap) {
    LabelValueLayout layout{20, 100, 5, 2, 4};
    const std::vector<LabelValueEntry> entries = {
        {"Mean", "12.345", 0, 0},  // 60 wide: the value is longer
        {"Number", "7", 0, 1},     // 60 wide, both right-aligned
        {"Maximum", "9.5", 0, 2},  // 70 wide, value under the label's end
        {"R", "1", 120, 0},        // fixed 120: would end at 340, so a new row
    };
    const auto cells = PlaceLabelValueTable(layout, entries, 10, 20, 330);
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[0].labelX, 20);
    EXPECT_EQ(cells[0].valueX, 20);
    EXPECT_EQ(cells[0].valueY, 122);
    EXPECT_EQ(cells[1].labelX, 85 + 60 - 60);
    EXPECT_EQ(cells[1].valueX, 85 + 60 - 10);
    EXPECT_EQ(cells[2].labelX, 150);
    EXPECT_EQ(cells[2].valueX, 150 + 70 - 30);
    EXPECT_EQ(cells[3].labelX, 20);
    EXPECT_EQ(cells[3].labelY, 100 + 42 + 4);
    EXPECT_EQ(layout.y, 146 + 42);

    LabelValueLayout empty{0, 50, 0, 0, 0};
    EXPECT_TRUE(PlaceLabelValueTable(empty, {}, 10, 20, 100).empty());
    EXPECT_EQ(empty.y, 50);
}

TEST(PageLayout, AFirstCellWiderThanTheRowStaysOnItsRow) {
    LabelValueLayout layout{0, 0, 0, 0, 0};
    const auto cells = PlaceLabelValueTable(layout, {{"Very long label", "", 0, 0}}, 10, 20, 100);
    EXPECT_EQ(cells[0].labelY, 0);
    EXPECT_EQ(layout.y, 40);
}

}  // namespace
}  // namespace klv
