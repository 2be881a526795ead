#include "SampleWorkbooks.h"
#include "sheet/formats/FileCode.h"
#include "sheet/formats/WorkbookFile.h"
#include "sheet/formats/XlsWriter.h"
#include "sheet/model/SheetError.h"
#include "WorkbookExpectations.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

using namespace velmora::sheet;
using velmora::sheet::test::expectSameTexts;

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

} // namespace

TEST_P(XlsGenerations, CellTextsRoundTrip) {
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

// Look and layout come back as written; a number format is replaced by the decimals of the text, and
// colours lose their transparency.
TEST_P(XlsGenerations, StylesWidthsHeightsAndMergesRoundTrip) {
    const Workbook book = test::everyFeature();
    const Sheet& written = book.sheet(0);
    const Workbook readBook = roundTrip(book);
    const Sheet& read = readBook.sheet(0);
    test::expectSameStyles(written, read);
    EXPECT_EQ(read.merges(), written.merges());
    EXPECT_EQ(read.hiddenRows(), written.hiddenRows());
    EXPECT_EQ(read.hiddenColumns(), written.hiddenColumns());
    EXPECT_DOUBLE_EQ(read.rowHeight(1), 30.0);
    EXPECT_NEAR(read.columnWidth(1), 180.5, 0.05);
    EXPECT_NEAR(read.columnWidth(3), 40.0, 0.05);
    EXPECT_DOUBLE_EQ(read.defaultRowHeight(), 18.0);
    EXPECT_DOUBLE_EQ(read.defaultColumnWidth(), 72.0); // whole characters, rounded up to 8 pixels
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
    test::readTruncatedAndFlipped(good, path(QStringLiteral("damaged.xls")), 97, 61);
}

INSTANTIATE_TEST_SUITE_P(Generations, XlsGenerations,
                         ::testing::Values(Generation{Excel97Code, BiffVersion::Biff8},
                                           Generation{Excel5Code, BiffVersion::Biff5}),
                         [](const auto& info) {
                             return info.param.code == Excel97Code ? "Excel97" : "Excel5";
                         });

// Files of another spreadsheet program and of our writer read with the texts the previous reader gave
// them (the formula results are new: it gave none), against the same workbooks in our own format.
TEST(XlsReader, GoldenFilesReadWithTheirTexts) {
    const std::pair<const char*, int> files[] = {{"libreoffice-excel97", Excel97Code},
                                                 {"velmora-excel97", Excel97Code},
                                                 {"velmora-excel5", Excel5Code}};
    for (const auto& [name, expectedCode] : files) {
        const QString base = QStringLiteral(VELMORA_TEST_DATA_DIR "/xls/") + QString::fromLatin1(name);
        int code = 0;
        const Workbook golden = readWorkbookFile(base + QStringLiteral(".vts"), code);
        const Workbook read = readWorkbookFile(base + QStringLiteral(".xls"), code);
        EXPECT_EQ(code, expectedCode) << name;
        expectSameTexts(golden, read);
    }
}

// Each is answered at once, with the reader's message or, where the file is sound, with its cells.
TEST(XlsReader, HostileFilesAreAnsweredWithoutHarm) {
    const std::pair<const char*, const char*> files[] = {
        {"segv-destroy_cell.xls",
         "Die Excel-Arbeitsmappe ist beschädigt: Datensatz bei Byte 8275 reicht über das Ende hinaus."},
        {"segv-parse_SST.xls",
         "Die Excel-Arbeitsmappe ist beschädigt: Datensatz 0x00fc bei Byte 1483 ist zu kurz."},
        {"label-overread.xls",
         "Die Excel-Arbeitsmappe ist beschädigt: Datensatz 0x0204 bei Byte 2269 ist zu kurz."},
        {"label-overread.biff",
         "Die Excel-Arbeitsmappe ist beschädigt: Datensatz 0x0204 bei Byte 2269 ist zu kurz."},
        {"sheets-65537.xls", "Die Arbeitsmappe hat mehr als 1024 Tabellen."},
        {"sheets-8000.xls", "Die Arbeitsmappe hat mehr als 1024 Tabellen."},
        {"dir-name-size-overread.xls", nullptr},
        {"one-cell-at-IV65536.xls", nullptr},
        {"dims-65536x256.xls", nullptr},
    };
    for (const auto& [name, message] : files) {
        int code = 0;
        try {
            const Workbook book =
                readWorkbookFile(QStringLiteral(VELMORA_HOSTILE_DIR "/") + QString::fromLatin1(name), code);
            EXPECT_EQ(message, nullptr) << name << " was read";
            std::size_t cells = 0;
            for (const Sheet& sheet : book.sheets())
                cells += sheet.cells().size();
            EXPECT_LE(cells, 10u) << name;
        } catch (const SheetError& error) {
            EXPECT_EQ(error.message().toStdString(), message ? message : "") << name;
        }
    }
}

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
