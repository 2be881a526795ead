#include "sheet/view/SheetGeometry.h"
#include "sheet/view/SheetPrinter.h"

#include <gtest/gtest.h>
#include <set>

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

TEST(PageMarginText, CodesFillTheThreeParts) {
    const PageFacts facts{QStringLiteral("Mischwasser"), QStringLiteral("Bericht"), 2, 5,
                          QStringLiteral("10.12.26"),    QStringLiteral("14:30")};
    const struct {
        const char16_t* codes;
        const char16_t* left;
        const char16_t* centre;
        const char16_t* right;
    } cases[] = {
        {u"&F", u"", u"Mischwasser", u""},
        {u"Seite &P von &N", u"", u"Seite 2 von 5", u""},
        {u"&L&A&C&F&R&D &T", u"Bericht", u"Mischwasser", u"10.12.26 14:30"},
        {u"&rrechts&lli&Cmitte&p", u"li", u"mitte2", u"rechts"},
        {u"A && B &X &", u"", u"A & B &X &", u""},
        {u"", u"", u"", u""},
    };
    for (const auto& c : cases) {
        const PageMarginText text = pageMarginText(QString::fromUtf16(c.codes), facts);
        EXPECT_EQ(text.left, QString::fromUtf16(c.left)) << QString::fromUtf16(c.codes).toStdString();
        EXPECT_EQ(text.centre, QString::fromUtf16(c.centre)) << QString::fromUtf16(c.codes).toStdString();
        EXPECT_EQ(text.right, QString::fromUtf16(c.right)) << QString::fromUtf16(c.codes).toStdString();
    }
}

namespace {

std::pair<std::size_t, std::size_t> acrossAndDown(const std::vector<CellRange>& pages) {
    std::set<int> lefts, tops;
    for (const CellRange& page : pages) {
        lefts.insert(page.left);
        tops.insert(page.top);
    }
    return {lefts.size(), tops.size()};
}

} // namespace

// 300 rows × 30 columns on A4 portrait with 20 mm margins: 642 × 921 px of room
// for cells at 100 % (the header and footer taken off): 10 columns of 64 px and 54 rows of 17 px.
TEST(SheetOnPaper, PaperScaleFittingAndHeadingsDecideThePages) {
    Sheet sheet;
    sheet.setText({300, 30}, QStringLiteral("x"));
    const SheetOnPaper plain = sheetOnPaper(sheet);
    EXPECT_EQ(plain.zoom, 1.0);
    EXPECT_EQ(plain.layout.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(acrossAndDown(plain.pages), std::pair(std::size_t(3), std::size_t(6)));

    sheet.print().scale = 50;
    const SheetOnPaper half = sheetOnPaper(sheet);
    EXPECT_EQ(half.zoom, 0.5);
    EXPECT_EQ(acrossAndDown(half.pages), std::pair(std::size_t(2), std::size_t(3)));

    sheet.print().fitToPages = true; // the scale no longer counts
    sheet.print().pagesWide = 1;
    sheet.print().pagesTall = 2;
    const SheetOnPaper fitted = sheetOnPaper(sheet);
    EXPECT_LT(fitted.zoom, 0.5);
    EXPECT_GT(fitted.zoom, 0.3); // a few per cent short of the width: 642 / (30 × 64)
    EXPECT_EQ(acrossAndDown(fitted.pages), std::pair(std::size_t(1), std::size_t(2)));

    // Fitting never enlarges; breaks that forbid fitting end at the smallest scale.
    Sheet small;
    small.setText({3, 3}, QStringLiteral("x"));
    small.print().fitToPages = true;
    EXPECT_EQ(sheetOnPaper(small).zoom, 1.0);
    small.print().rowBreaks = {2, 3};
    EXPECT_EQ(sheetOnPaper(small).zoom, 0.1);
    EXPECT_EQ(sheetOnPaper(small).pages.size(), 3u);

    sheet.print() = {};
    sheet.print().paper = QPageSize::A5;
    sheet.print().orientation = PrintSettings::Orientation::Landscape;
    const SheetOnPaper a5 = sheetOnPaper(sheet);
    EXPECT_EQ(a5.layout.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(acrossAndDown(a5.pages), std::pair(std::size_t(3), std::size_t(15)));

    sheet.print() = {};
    sheet.print().headings = true;
    EXPECT_EQ(sheetOnPaper(sheet).pages.front(), (CellRange{1, 1, 53, 9}));
    sheet.print().headings = false;
    EXPECT_EQ(sheetOnPaper(sheet).pages.front(), (CellRange{1, 1, 54, 10}));
}
