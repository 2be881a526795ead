#include "sheet/model/CellRange.h"

#include "sheet/model/Sheet.h"

#include <gtest/gtest.h>

using namespace velmora::sheet;

TEST(CellRange, NamesColumnsAndParsesReferences) {
    EXPECT_EQ(columnName(1), QStringLiteral("A"));
    EXPECT_EQ(columnName(26), QStringLiteral("Z"));
    EXPECT_EQ(columnName(27), QStringLiteral("AA"));
    EXPECT_EQ(columnName(256), QStringLiteral("IV"));
    EXPECT_EQ(rangeReference({2, 3, 2, 3}), QStringLiteral("C2"));
    EXPECT_EQ(rangeReference({1, 1, 120, 20}), QStringLiteral("A1:T120"));

    CellRange range;
    ASSERT_TRUE(parseRangeReference(u"$b$7:d9", range));
    EXPECT_EQ(range, (CellRange{7, 2, 9, 4}));
    ASSERT_TRUE(parseRangeReference(u"D9:B7", range));
    EXPECT_EQ(range, (CellRange{7, 2, 9, 4}));
    for (const char16_t* bad :
         {u"", u"7B", u"B", u"B0", u"B7:", u"B7:C", u"ZZZZZZZ1", u"A99999999999", u"A1 "})
        EXPECT_FALSE(parseRangeReference(bad, range)) << QString::fromUtf16(bad).toStdString();
}

TEST(Sheet, KeepsOnlyCellsWithTextOrStyle) {
    Sheet sheet;
    sheet.setText({3, 4}, QStringLiteral("x"));
    EXPECT_EQ(sheet.usedRange(), (CellRange{1, 1, 3, 4}));
    sheet.setText({3, 4}, QString());
    EXPECT_TRUE(sheet.cells().empty());
    CellStyle bold;
    bold.bold = true;
    sheet.setStyle({5, 2}, bold);
    EXPECT_EQ(sheet.text({5, 2}), QString());
    EXPECT_TRUE(sheet.style({5, 2}).bold);
    EXPECT_FALSE(sheet.style({5, 3}).bold);
    EXPECT_EQ(sheet.usedRange(), (CellRange{1, 1, 5, 2}));
}

TEST(Sheet, MergesDoNotOverlap) {
    Sheet sheet;
    sheet.merge({1, 1, 2, 3});
    sheet.merge({2, 3, 4, 4}); // overlaps the first: replaces it
    ASSERT_EQ(sheet.merges().size(), 1u);
    EXPECT_EQ(sheet.merges()[0], (CellRange{2, 3, 4, 4}));
    ASSERT_NE(sheet.mergeAt({3, 4}), nullptr);
    EXPECT_EQ(sheet.mergeAt({1, 1}), nullptr);
    sheet.merge({7, 7, 7, 7}); // a single cell is no merge
    EXPECT_EQ(sheet.merges().size(), 1u);
}
