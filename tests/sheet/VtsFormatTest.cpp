#include "sheet/formats/VtsFormat.h"

#include "SampleWorkbooks.h"
#include "sheet/model/SheetError.h"

#include <gtest/gtest.h>

using namespace velmora::sheet;

TEST(VtsFormat, EveryFeatureSurvivesWriteAndRead) {
    const Workbook original = test::everyFeature();
    const Workbook read = readVts(writeVts(original));
    EXPECT_EQ(read.title(), original.title());
    EXPECT_EQ(read.definedNames(), original.definedNames());
    ASSERT_EQ(read.sheetCount(), original.sheetCount());
    for (int i = 0; i < original.sheetCount(); ++i) {
        const Sheet& a = original.sheet(i);
        const Sheet& b = read.sheet(i);
        EXPECT_EQ(b.cells(), a.cells()) << "sheet " << i;
        EXPECT_EQ(b.merges(), a.merges());
        EXPECT_EQ(b.print(), a.print());
        EXPECT_EQ(b.drawings(), a.drawings());
        EXPECT_EQ(b, a) << "sheet " << i;
    }
    EXPECT_EQ(read, original);
}

TEST(VtsFormat, IsReadableTextWithStylesByReference) {
    const QString document = QString::fromUtf8(writeVts(test::everyFeature()));
    EXPECT_TRUE(document.contains(QStringLiteral("<c r=\"A1\" s=\"s")));
    EXPECT_TRUE(document.contains(QStringLiteral("<c r=\"C2\">°C</c>")));
    EXPECT_TRUE(document.contains(QStringLiteral("encoding=\"utf16le-base64\"")));
    EXPECT_EQ(document.count(QStringLiteral("<style ")), 3); // plain, heading, right-aligned
}

TEST(VtsFormat, RejectsOtherVersionsAndForeignDocuments) {
    QByteArray document = writeVts(test::germanTexts());
    document.replace("version=\"1\"", "version=\"3\"");
    try {
        readVts(document);
        FAIL() << "version 3 was read";
    } catch (const SheetError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("Die Arbeitsmappe ist beschädigt (Zeile 2): Die Arbeitsmappe hat die "
                                 "Formatversion 3; gelesen wird Version 2."));
        EXPECT_FALSE(error.isCancelled());
    }
    EXPECT_THROW(readVts("<?xml version=\"1.0\"?><html/>"), SheetError);
    EXPECT_THROW(readVts("<workbook xmlns=\"urn:velmora:workbook\" version=\"1\"/>"), SheetError);
    EXPECT_THROW(readVts(""), SheetError);
    EXPECT_THROW(readVts("\x89PNG\r\n\x1a\n"), SheetError);
}

TEST(VtsFormat, RejectsDamagedContent) {
    const QByteArray good = writeVts(test::germanTexts());
    const std::pair<const char*, const char*> damages[] = {
        {"r=\"A1\"", "r=\"A0\""},
        {"r=\"A1\"", "r=\"A1:B2\""},
        {"r=\"B2\"", "r=\"IW2\""},
        {"style=\"s0\"", "style=\"s9\""},
        {"<c r=\"A1\">", "<x r=\"A1\">"},
        {"size=\"10\"", "size=\"zehn\""},
        {"column-width=\"64\"", "column-width=\"-1\""},
    };
    for (const auto& [from, to] : damages) {
        QByteArray damaged = good;
        damaged.replace(from, to);
        EXPECT_THROW(readVts(damaged), SheetError) << from << " -> " << to;
    }
}

TEST(VtsFormat, PageSetupKeepsWhatItsAttributesCanCarry) {
    Workbook book;
    PrintSettings& print = book.sheet(0).print();
    print.header = QStringLiteral("Kopf\x01 \u00e4\U0001F4A7\xd800");
    print.scale = 250;
    const QByteArray document = writeVts(book);
    EXPECT_TRUE(document.contains("header=\"Kopf \xc3\xa4\xf0\x9f\x92\xa7\"")) << document.toStdString();
    const PrintSettings read = readVts(document).sheet(0).print();
    EXPECT_EQ(read.header, QStringLiteral("Kopf \u00e4\U0001F4A7"));
    EXPECT_EQ(read.scale, 250);
    EXPECT_EQ(read.footer, PrintSettings{}.footer);

    const std::pair<const char*, const char*> damages[] = {
        {"scale=\"250\"", "scale=\"5\""},
        {"scale=\"250\"", "scale=\"250\" paper=\"A99\""},
        {"scale=\"250\"", "fit-wide=\"2\""},
        {"scale=\"250\"", "fit-wide=\"0\" fit-tall=\"1\""},
    };
    for (const auto& [from, to] : damages) {
        QByteArray damaged = document;
        damaged.replace(from, to);
        EXPECT_THROW(readVts(damaged), SheetError) << to;
    }
}

TEST(VtsFormat, EveryTruncatedPrefixAndFlippedByteFailsCleanly) {
    const QByteArray good = writeVts(test::everyFeature());
    int failures = 0;
    for (qsizetype length = 0; length < good.size(); ++length) {
        try {
            readVts(good.left(length));
        } catch (const SheetError&) {
            ++failures;
        }
    }
    // Only the final line end may go missing: every shorter prefix is an unfinished document.
    EXPECT_EQ(failures, good.lastIndexOf("</workbook>") + qsizetype(sizeof("</workbook>") - 1));
    for (qsizetype at = 0; at < good.size(); at += 7) {
        QByteArray flipped = good;
        flipped[at] = char(flipped[at] ^ 0x5A);
        try {
            readVts(flipped);
        } catch (const SheetError&) {
        }
    }
}

TEST(VtsFormat, FormulasRaiseTheVersionOnlyWhereTheyAre) {
    Workbook book = test::germanTexts();
    EXPECT_TRUE(writeVts(book).contains("version=\"1\""));
    book.sheet(0).setFormula({12, 2}, QStringLiteral("=B2*2&\"<\""), QStringLiteral("25<"));
    const QByteArray document = writeVts(book);
    EXPECT_TRUE(document.contains("version=\"2\""));
    EXPECT_TRUE(document.contains("<c r=\"B12\" f=\"=B2*2&amp;&quot;&lt;&quot;\">25&lt;</c>"))
        << document.toStdString();
    EXPECT_EQ(readVts(document), book);

    // A formula in a workbook of the version before formulas is damage.
    QByteArray older = document;
    older.replace("version=\"2\"", "version=\"1\"");
    try {
        readVts(older);
        FAIL() << "read";
    } catch (const SheetError& error) {
        EXPECT_TRUE(error.message().contains(
            QStringLiteral("Zelle B12 hat eine Formel, die ihre Formatversion nicht kennt")))
            << error.what();
    }
}
