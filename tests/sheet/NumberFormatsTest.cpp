#include "sheet/formats/NumberFormats.h"

#include "QtPrinters.h"
#include "sheet/formula/Recalculation.h"

#include <gtest/gtest.h>

using namespace velmora::sheet;

// The lists show their samples as a German user reads them.
TEST(NumberFormats, EveryCategoryShowsItsSampleInTheLocale) {
    const QLocale german(QLocale::German, QLocale::Germany);
    const double now = 46366.0 + 14.5 / 24.0; // Thursday, 10 December 2026, 14:30
    const struct {
        NumberCategory category;
        QStringList shown;
    } table[] = {
        {NumberCategory::FixedAndGeneral,
         {QStringLiteral("1234.5678"), QStringLiteral("1235"), QStringLiteral("1234,57"),
          QStringLiteral("1234,568"), QStringLiteral("1.235"), QStringLiteral("1.234,57"),
          QStringLiteral("1234,568")}},
        {NumberCategory::Currency,
         {QStringLiteral("-1.235 €"), QStringLiteral("-1.234,50 €"), QStringLiteral("€ -1.234,50"),
          QStringLiteral("-1.234,50 EUR")}},
        {NumberCategory::Percent, {QStringLiteral("12%"), QStringLiteral("12,3%"), QStringLiteral("12,34%")}},
        {NumberCategory::Fraction, {QStringLiteral("1 1/3"), QStringLiteral("1 5/16")}},
        {NumberCategory::DateAndTime,
         {QStringLiteral("10.12.2026"), QStringLiteral("10.12.26"), QStringLiteral("10. Dezember 2026"),
          QStringLiteral("Donnerstag, 10. Dezember 2026"), QStringLiteral("Dezember 2026"),
          QStringLiteral("14:30"), QStringLiteral("14:30:00"), QStringLiteral("10.12.2026 14:30")}},
    };
    for (const auto& row : table) {
        QStringList shown;
        for (const QString& code : numberFormatsOf(row.category))
            shown << formatWithCode(sampleValueOf(row.category, now), code, german);
        EXPECT_EQ(shown, row.shown);
    }
    EXPECT_EQ(formatWithCode(-0.001, QStringLiteral("0.00"), german), QStringLiteral("0,00"));
    EXPECT_EQ(formatWithCode(2.0, QStringLiteral("[Red]0"), german), QStringLiteral("2")); // unknown: general
}

// A formula's result shows in its cell's format, with "." as the sheets' decimal point.
TEST(NumberFormats, FormulaResultsFollowTheirCellsFormat) {
    Workbook book;
    Sheet& sheet = book.sheet(0);
    const QStringList codes{QStringLiteral("0.0%"), QStringLiteral("#,##0.00"), QStringLiteral("DD.MM.YYYY")};
    for (int i = 0; i < codes.size(); ++i) {
        CellStyle style;
        style.numberFormat = codes[i];
        sheet.setStyle({i + 1, 1}, style);
        sheet.setFormula({i + 1, 1}, QStringLiteral("=1234.5678"), {});
    }
    sheet.setFormula({4, 1}, QStringLiteral("=TEXT(0.25, \"0%\")"), {});
    FormulaEngine().recalculate(book, 0.0);
    EXPECT_EQ(sheet.text({1, 1}), QStringLiteral("123456.8%"));
    EXPECT_EQ(sheet.text({2, 1}), QStringLiteral("1,234.57"));
    EXPECT_EQ(sheet.text({3, 1}), QStringLiteral("18.05.1903"));
    EXPECT_EQ(sheet.text({4, 1}), QStringLiteral("25%"));
}
