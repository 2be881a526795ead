#include "sheet/view/SheetGeometry.h"
#include "sheet/view/SheetPrinter.h"

#include <gtest/gtest.h>

using namespace velmora::sheet;

TEST(SheetGeometry, HiddenLinesTakeNoRoom) {
    Sheet sheet;
    sheet.setRowHeight(2, 30);
    sheet.setRowHidden(3, true);
    sheet.setColumnWidth(1, 100);
    const SheetGeometry geometry(sheet, 10, 5);
    EXPECT_EQ(geometry.rowTop(3), 17.0 + 30.0);
    EXPECT_EQ(geometry.rowTop(4), 47.0);
    EXPECT_EQ(geometry.rowAt(47.0), 4);
    EXPECT_EQ(geometry.rowAt(46.9), 2);
    EXPECT_EQ(geometry.columnAt(99.0), 1);
    EXPECT_EQ(geometry.columnAt(100.0), 2);
    EXPECT_EQ(geometry.rowAt(1e9), 10);
    EXPECT_EQ(geometry.rangeRect({2, 1, 3, 2}), QRectF(0, 17, 164, 30));
}

TEST(Paginate, FillsPagesDownThenAcrossAndKeepsBreaks) {
    Sheet sheet;
    sheet.setText({100, 12}, QStringLiteral("x")); // 100 rows of 17 px, 12 columns of 64 px
    sheet.print().rowBreaks = {30};
    const std::vector<CellRange> pages = paginate(sheet, 64 * 6 + 10, 17 * 40 + 5);
    // Rows: 1-29 (break), 30-69, 70-100; columns: 1-6, 7-12.
    ASSERT_EQ(pages.size(), 6u);
    EXPECT_EQ(pages[0], (CellRange{1, 1, 29, 6}));
    EXPECT_EQ(pages[1], (CellRange{30, 1, 69, 6}));
    EXPECT_EQ(pages[2], (CellRange{70, 1, 100, 6}));
    EXPECT_EQ(pages[3], (CellRange{1, 7, 29, 12}));

    sheet.print().area = CellRange{5, 2, 10, 3};
    const std::vector<CellRange> area = paginate(sheet, 1000, 1000);
    ASSERT_EQ(area.size(), 1u);
    EXPECT_EQ(area[0], (CellRange{5, 2, 10, 3}));
}

TEST(Paginate, TitleRowsLeaveRoomOnEveryPage) {
    Sheet sheet;
    sheet.setText({60, 1}, QStringLiteral("x"));
    sheet.print().titleRows = CellRange{1, 1, 2, 1};
    const std::vector<CellRange> pages = paginate(sheet, 500, 17 * 22);
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(pages[0].bottom, 20); // 22 rows of room, 2 taken by the titles
}
