#include "SampleWorkbooks.h"
#include "sheet/formats/FileCode.h"
#include "sheet/formats/WorkbookFile.h"
#include "sheet/formats/XlsReader.h"
#include "sheet/formats/XlsWriter.h"
#include "sheet/model/SheetError.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

using namespace velmora::sheet;

namespace {

struct Generation {
    int code;
    BiffVersion version;
};

class XlsGenerations : public ::testing::TestWithParam<Generation> {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    Workbook roundTrip(const Workbook& book) {
        const QString file = path(QStringLiteral("round.xls"));
        writeWorkbookFile(book, file, GetParam().code);
        int code = 0;
        Workbook read = readWorkbookFile(file, code);
        EXPECT_EQ(code, GetParam().code);
        return read;
    }

    QTemporaryDir m_dir;
};

void expectSameTexts(const Workbook& expected, const Workbook& actual) {
    ASSERT_EQ(actual.sheetCount(), expected.sheetCount());
    for (int i = 0; i < expected.sheetCount(); ++i) {
        const Sheet& a = expected.sheet(i);
        const Sheet& b = actual.sheet(i);
        EXPECT_EQ(b.name(), a.name());
        const CellRange used = a.usedRange();
        for (int row = 1; row <= used.bottom + 1; ++row)
            for (int column = 1; column <= used.right + 1; ++column)
                EXPECT_EQ(b.text({row, column}), a.text({row, column}))
                    << a.name().toStdString() << " " << cellReference({row, column}).toStdString();
    }
}

} // namespace

TEST_P(XlsGenerations, CellTextsRoundTripThroughFreeXl) {
    expectSameTexts(test::germanTexts(), roundTrip(test::germanTexts()));
}

TEST_P(XlsGenerations, StyledWorkbooksKeepTheirTexts) {
    Workbook book = test::everyFeature();
    // Tabs and line breaks survive; BIFF5 carries only code page 1252 and at most 255 characters.
    book.sheet(0).setText({8, 1}, QStringLiteral("Zeile 1\nZeile 2\tmit Tab"));
    if (GetParam().version == BiffVersion::Biff8)
        book.sheet(0).setText({12, 1}, QString(3000, u'€') + QStringLiteral("Ende"));
    expectSameTexts(book, roundTrip(book));
}

TEST_P(XlsGenerations, ManyDistinctTextsSpanContinueRecords) {
    Workbook book;
    for (int row = 1; row <= 700; ++row)
        for (int column = 1; column <= 3; ++column)
            book.sheet(0).setText({row, column},
                                  QStringLiteral("Zelle %1 in Spalte %2 – ü").arg(row).arg(column));
    expectSameTexts(book, roundTrip(book));
}

TEST_P(XlsGenerations, TruncatedAndFlippedFilesFailCleanly) {
    const QByteArray good = writeXls(test::germanTexts(), GetParam().version);
    const QString file = path(QStringLiteral("damaged.xls"));
    const auto tryRead = [&file](const QByteArray& bytes) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
        out.close();
        int code = 0;
        try {
            readWorkbookFile(file, code);
        } catch (const SheetError&) {
        }
    };
    for (qsizetype length = 0; length < good.size(); length += 97)
        tryRead(good.left(length));
    for (qsizetype at = 0; at < good.size(); at += 61) {
        QByteArray flipped = good;
        flipped[at] = char(flipped[at] ^ 0xFF);
        tryRead(flipped);
    }
}

INSTANTIATE_TEST_SUITE_P(Generations, XlsGenerations,
                         ::testing::Values(Generation{Excel97Code, BiffVersion::Biff8},
                                           Generation{Excel5Code, BiffVersion::Biff5}),
                         [](const auto& info) {
                             return info.param.code == Excel97Code ? "Excel97" : "Excel5";
                         });

TEST(XlsWriter, WritesPlainNumbersAsNumbers) {
    Workbook book;
    book.sheet(0).setText({1, 1}, QStringLiteral("7.500"));
    book.sheet(0).setText({1, 2}, QStringLiteral("7,500"));
    const QByteArray stream = writeBiffStream(book, BiffVersion::Biff8);
    // NUMBER record (0x0203) with the double 7.5, and the decimal format "0.000".
    EXPECT_TRUE(stream.contains(QByteArray::fromHex("0302") + QByteArray::fromHex("0e00")));
    EXPECT_TRUE(stream.contains(QByteArray::fromHex("0000000000001e40")));
    EXPECT_TRUE(stream.contains(QByteArray("0\0.\0"
                                           "0\0"
                                           "0\0"
                                           "0\0",
                                           10)));
}
