#include "SampleWorkbooks.h"
#include "sheet/formats/FileCode.h"
#include "sheet/formats/WorkbookFile.h"
#include "sheet/formats/XlsxWriter.h"
#include "sheet/formats/ZipArchive.h"
#include "sheet/model/SheetError.h"
#include "WorkbookExpectations.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace velmora::sheet;
using velmora::sheet::test::expectSameTexts;

namespace {

class XlsxFormat : public ::testing::Test {
protected:
    Workbook roundTrip(const Workbook& book) {
        const QString file = m_dir.filePath(QStringLiteral("round.xlsx"));
        writeWorkbookFile(book, file, XlsxCode);
        int code = 0;
        Workbook read = readWorkbookFile(file, code);
        EXPECT_EQ(code, XlsxCode);
        return read;
    }

    QTemporaryDir m_dir;
};

QString part(const Workbook& book, const char* name) {
    return QString::fromUtf8(readZipArchive(writeXlsx(book)).at(QString::fromLatin1(name)));
}

} // namespace

// What BIFF cannot hold comes back too: long texts, all of Unicode, characters XML cannot carry.
TEST_F(XlsxFormat, CellTextsRoundTrip) {
    Workbook book = test::germanTexts();
    book.sheet(0).setText({12, 1}, QString(3000, u'€') + QStringLiteral("Ende"));
    book.sheet(0).setText({13, 1}, QStringLiteral("Ω ≤ 𝛼 💧 日本"));
    book.sheet(0).setText({14, 1}, QStringLiteral("Zeile 1\r\nZeile 2\tmit Tab \x01 und _x0041_ \"<&>\""));
    expectSameTexts(book, roundTrip(book));
}

TEST_F(XlsxFormat, StylesLayoutNamesAndTitleRoundTrip) {
    const Workbook book = test::everyFeature();
    const Workbook readBook = roundTrip(book);
    const Sheet& written = book.sheet(0);
    const Sheet& read = readBook.sheet(0);
    test::expectSameStyles(written, read);
    EXPECT_EQ(read.merges(), written.merges());
    EXPECT_EQ(read.hiddenRows(), written.hiddenRows());
    EXPECT_EQ(read.hiddenColumns(), written.hiddenColumns());
    // Widths go through whole pixels; a sheet's default width comes back as each column's.
    for (int column = 1; column <= maxColumns; ++column)
        EXPECT_NEAR(read.columnWidth(column), written.columnWidth(column), 0.6) << column;
    for (int row = 1; row <= 20; ++row)
        EXPECT_DOUBLE_EQ(read.rowHeight(row), written.rowHeight(row)) << row;
    EXPECT_DOUBLE_EQ(read.defaultRowHeight(), 18.0);
    EXPECT_EQ(read.frozenRows(), 2);
    EXPECT_EQ(read.frozenColumns(), 1);
    EXPECT_TRUE(read.isProtected());
    EXPECT_FALSE(readBook.sheet(1).isProtected());
    EXPECT_EQ(readBook.definedNames(), book.definedNames());
    EXPECT_EQ(readBook.title(), book.title());
}

// Plain-number texts are numbers with a format that shows the same decimals; others stay texts.
TEST_F(XlsxFormat, PlainNumbersAreWrittenAsNumbers) {
    Workbook book;
    book.sheet(0).setText({1, 1}, QStringLiteral("7.500"));
    book.sheet(0).setText({1, 2}, QStringLiteral("-3"));
    book.sheet(0).setText({1, 3}, QStringLiteral("007"));
    book.sheet(0).setText({1, 4}, QStringLiteral("7,500"));
    const QString sheet = part(book, "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"A1\" s=\"\\d+\"><v>7.5</v></c>"))));
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"B1\" s=\"\\d+\"><v>-3</v></c>"))));
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"C1\" s=\"\\d+\" t=\"s\">"))));
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"D1\" s=\"\\d+\" t=\"s\">"))));
    EXPECT_TRUE(part(book, "xl/styles.xml").contains(QStringLiteral("formatCode=\"0.000\"")));
}

// Formulas go out as formulas with their results and come back computed afresh.
TEST_F(XlsxFormat, FormulasRoundTripAsFormulas) {
    Workbook book;
    Sheet& sheet = book.sheet(0);
    sheet.setText({1, 1}, QStringLiteral("2"));
    sheet.setFormula({1, 2}, QStringLiteral("=SUM(A1;A1)*2"), QStringLiteral("8"));
    sheet.setFormula({1, 3}, QStringLiteral("=CONCATENATE(\"n=\";B1)"), QStringLiteral("n=8"));
    const QString xml = part(book, "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(xml.contains(QStringLiteral("<f>SUM(A1,A1)*2</f><v>8</v>"))) << xml.toStdString();
    EXPECT_TRUE(xml.contains(QStringLiteral("<f>CONCATENATE(\"n=\",B1)</f><v>n=8</v>"))) << xml.toStdString();

    sheet.setFormula({1, 2}, QStringLiteral("=SUM(A1;A1)*2"), QStringLiteral("alt")); // a stale result
    const Workbook read = roundTrip(book);
    EXPECT_EQ(read.sheet(0).formula({1, 2}), QStringLiteral("=SUM(A1,A1)*2"));
    EXPECT_EQ(read.sheet(0).text({1, 2}), QStringLiteral("8"));
    EXPECT_EQ(read.sheet(0).text({1, 3}), QStringLiteral("n=8"));
}

TEST_F(XlsxFormat, CellProtectionIsWritten) {
    const QString styles = part(test::everyFeature(), "xl/styles.xml");
    EXPECT_TRUE(styles.contains(QStringLiteral("<protection locked=\"0\" hidden=\"1\"/>")))
        << styles.toStdString();
}

TEST_F(XlsxFormat, PrintSettingsAreWritten) {
    const Workbook book = test::everyFeature();
    const QString workbook = part(book, "xl/workbook.xml");
    EXPECT_TRUE(workbook.contains(QStringLiteral(
        "<definedName name=\"_xlnm.Print_Area\" localSheetId=\"0\">Bericht!$A$1:$T$120</definedName>")));
    EXPECT_TRUE(workbook.contains(QStringLiteral(
        "<definedName name=\"_xlnm.Print_Titles\" localSheetId=\"0\">Bericht!$1:$2</definedName>")));
    EXPECT_TRUE(
        workbook.contains(QStringLiteral("<definedName name=\"Ergebnis\">Bericht!$B$2:$B$3</definedName>")));
    const QString sheet = part(book, "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(sheet.contains(QStringLiteral("orientation=\"landscape\""))) << sheet.toStdString();
    // 15, 12.5, 10 and 20 mm in inches
    EXPECT_TRUE(sheet.contains(QStringLiteral(
        "<pageMargins left=\"0.5905511811023623\" right=\"0.4921259842519685\" top=\"0.3937007874015748\" "
        "bottom=\"0.7874015748031497\"")));
    EXPECT_TRUE(
        sheet.contains(QStringLiteral("<rowBreaks count=\"2\" manualBreakCount=\"2\"><brk id=\"39\"")));
    EXPECT_TRUE(
        sheet.contains(QStringLiteral("<colBreaks count=\"1\" manualBreakCount=\"1\"><brk id=\"9\"")));
    EXPECT_TRUE(sheet.contains(QStringLiteral("<pageSetUpPr fitToPage=\"1\"/>")));
    EXPECT_TRUE(sheet.contains(
        QStringLiteral("<printOptions horizontalCentered=\"1\" headings=\"1\" gridLines=\"1\"/>")));
    EXPECT_TRUE(sheet.contains(QStringLiteral(
        "<pageSetup paperSize=\"1\" fitToWidth=\"2\" fitToHeight=\"3\" orientation=\"landscape\"/>")));
    EXPECT_TRUE(
        sheet.contains(QStringLiteral("<headerFooter><oddHeader>&amp;L&lt;Velmora &amp; Co&gt;&amp;R&amp;D"
                                      "</oddHeader><oddFooter></oddFooter></headerFooter>")));
}

// Excel refuses some characters, names over 31 characters and names alike but for case.
TEST_F(XlsxFormat, SheetNamesExcelRefusesAreMadeAcceptable) {
    Workbook book;
    book.sheet(0).setName(QStringLiteral("Bericht: 1/2"));
    book.addSheet(QStringLiteral("bericht_ 1_2"));
    book.addSheet(QStringLiteral("'Probe'"));
    book.addSheet(QString(40, u'x'));
    book.addSheet(QString(40, u'X'));
    book.definedNames()[QStringLiteral("Wert")] = QStringLiteral("'bericht_ 1_2'!A1");
    const Workbook read = roundTrip(book);
    ASSERT_EQ(read.sheetCount(), 5);
    EXPECT_EQ(read.sheet(0).name(), QStringLiteral("Bericht_ 1_2"));
    EXPECT_EQ(read.sheet(1).name(), QStringLiteral("bericht_ 1_2 (2)"));
    EXPECT_EQ(read.sheet(2).name(), QStringLiteral("Probe"));
    EXPECT_EQ(read.sheet(3).name(), QString(31, u'x'));
    EXPECT_EQ(read.sheet(4).name(), QString(27, u'X') + QStringLiteral(" (2)"));
    EXPECT_EQ(read.definedNames().at(QStringLiteral("Wert")), QStringLiteral("bericht_ 1_2 (2)!A1"));
}

TEST_F(XlsxFormat, EveryTemplateExportsAndReadsBack) {
    const QDir templates(QStringLiteral(VELMORA_SOURCE_DIR "/Vorlagen"));
    const QStringList files = templates.entryList({QStringLiteral("*.vts")});
    ASSERT_EQ(files.size(), 10);
    for (const QString& file : files) {
        int code = 0;
        const Workbook book = readWorkbookFile(templates.filePath(file), code);
        const Workbook read = roundTrip(book);
        SCOPED_TRACE(file.toStdString());
        expectSameTexts(book, read);
        test::expectSameStyles(book.sheet(0), read.sheet(0));
        EXPECT_EQ(read.sheet(0).merges(), book.sheet(0).merges());
    }
}

TEST(SpreadsheetFiles, OdsIsReadOnly) {
    QTemporaryDir dir;
    try {
        writeWorkbookFile(Workbook(), dir.filePath(QStringLiteral("a.ods")), OdsCode);
        FAIL() << "written";
    } catch (const SheetError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("OpenDocument-Tabellen (.ods) werden nur gelesen, nicht geschrieben."));
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("a.ods"))));
    EXPECT_EQ(extensionOf(XlsxCode), QStringLiteral(".xlsx"));
    EXPECT_EQ(extensionOf(OdsCode), QStringLiteral(".ods"));
    const std::pair<const char*, int> extensions[] = {
        {"XLSX", XlsxCode}, {"xls", Excel97Code}, {"vts", NativeCode}, {"html", HtmlCode},
        {"txt", TextCode},  {"ods", 0},           {"pdf", 0}};
    for (const auto& [extension, code] : extensions)
        EXPECT_EQ(writableCodeOf(QString::fromLatin1(extension)), code) << extension;
}
