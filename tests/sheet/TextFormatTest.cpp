#include "sheet/formats/TextFormat.h"

#include "SampleWorkbooks.h"

#include <gtest/gtest.h>

using namespace velmora::sheet;

TEST(TextFormat, WritesTheFirstSheetTabSeparated) {
    const QString text = QString::fromUtf8(writeText(test::germanTexts()));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[0], QStringLiteral("Wasseranalyse Brunnen Süd"));
    EXPECT_EQ(lines[1], QStringLiteral("Temperatur\t12.500\t°C"));
    EXPECT_EQ(lines[3], QString());
    EXPECT_EQ(lines[4], QStringLiteral("Maß, Größe, Straße\t\t\t\t25"));
    EXPECT_FALSE(text.contains(QStringLiteral("Ende")));
}

TEST(TextFormat, TextsRoundTripWithTabsQuotesAndLineBreaks) {
    Workbook book = test::germanTexts();
    book.sheet(0).setText({8, 1}, QStringLiteral("Zeile 1\r\nZeile 2\tmit \"Tab\""));
    book.sheet(0).setText({8, 3}, QStringLiteral("\"zitiert\""));
    const Workbook read = readText(writeText(book));
    const Sheet& a = book.sheet(0);
    const Sheet& b = read.sheet(0);
    for (const auto& [pos, cell] : a.cells())
        EXPECT_EQ(b.text(pos), cell.text) << cellReference(pos).toStdString();
    EXPECT_EQ(b.usedRange(), a.usedRange());
}

TEST(TextFormat, ReadsCodePage1252) {
    const Workbook read = readText("Ma\xdf\t5 \xb5S\r\n");
    EXPECT_EQ(read.sheet(0).text({1, 1}), QStringLiteral("Maß"));
    EXPECT_EQ(read.sheet(0).text({1, 2}), QStringLiteral("5 µS"));
}
