#include "LibreOffice.h"
#include "SampleWorkbooks.h"
#include "sheet/formats/FileCode.h"
#include "sheet/formats/WorkbookFile.h"
#include "sheet/formats/XlsxWriter.h"
#include "sheet/formats/ZipArchive.h"
#include "sheet/model/SheetError.h"
#include "WorkbookExpectations.h"

#include <gsf/gsf-outfile-zip.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>
#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

using namespace velmora::sheet;
using velmora::sheet::test::expectSameTexts;

namespace {

QString dataFile(const char* name) {
    return QStringLiteral(VELMORA_TEST_DATA_DIR "/modern/") + QString::fromLatin1(name);
}

Workbook readFile(const QString& path, int expectedCode) {
    int code = 0;
    Workbook book = readWorkbookFile(path, code);
    EXPECT_EQ(code, expectedCode) << path.toStdString();
    return book;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// The OpenDocument file LibreOffice makes of our ".xlsx" of the table: made here where LibreOffice is
// installed, otherwise the one it made when the test was written.
QString styledTableOds(const QTemporaryDir& dir) {
    if (!velmora::test::hasLibreOffice())
        return dataFile("styled-table.ods");
    const QString xlsx = dir.filePath(QStringLiteral("styled-table.xlsx"));
    writeWorkbookFile(test::styledTable(), xlsx, XlsxCode);
    return velmora::test::convertWithLibreOffice(xlsx, QStringLiteral("ods"), QStringLiteral("ods"),
                                                 dir.path());
}

// An archive whose one entry unpacks to `size` bytes of spaces.
QByteArray zipBomb(qint64 size) {
    gsf_init();
    GsfOutput* memory = gsf_output_memory_new();
    GsfOutfile* zip = gsf_outfile_zip_new(memory, nullptr);
    GsfOutput* entry =
        gsf_outfile_new_child_full(zip, "content.xml", FALSE, "compression-level", GSF_ZIP_DEFLATED, nullptr);
    const QByteArray piece(1 << 20, ' ');
    for (qint64 written = 0; written < size; written += piece.size())
        gsf_output_write(entry, std::size_t(piece.size()),
                         reinterpret_cast<const guint8*>(piece.constData()));
    gsf_output_close(entry);
    g_object_unref(entry);
    gsf_output_close(GSF_OUTPUT(zip));
    g_object_unref(zip);
    const QByteArray bytes(
        reinterpret_cast<const char*>(gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(memory))),
        qsizetype(gsf_output_size(memory)));
    g_object_unref(memory);
    return bytes;
}

} // namespace

// Files of another spreadsheet program read with the texts it shows, as the ".xls" it made of the same
// workbook (but for a text formula, whose result its ".xls" gives as 0).
TEST(ModernFormats, FilesOfAnotherProgramReadWithTheirTexts) {
    const Workbook golden = readFile(dataFile("libreoffice.vts"), NativeCode);
    expectSameTexts(golden, readFile(dataFile("libreoffice.xlsx"), XlsxCode));
    const Workbook ods = readFile(dataFile("libreoffice.ods"), OdsCode);
    expectSameTexts(golden, ods);
    // The cell after a merge stands where the file puts it.
    EXPECT_EQ(ods.sheet(0).merges(), (std::vector<CellRange>{{1, 1, 1, 3}}));
}

TEST(ModernFormats, OdsKeepsTextsLooksMergesAndHiddenLines) {
    QTemporaryDir dir;
    const QString ods = styledTableOds(dir);
    ASSERT_FALSE(ods.isEmpty()) << "LibreOffice made no file";
    const Workbook written = test::styledTable();
    const Workbook read = readFile(ods, OdsCode);
    expectSameTexts(written, read);
    test::expectSameStyles(written.sheet(0), read.sheet(0));
    EXPECT_EQ(read.sheet(0).merges(), written.sheet(0).merges());
    EXPECT_EQ(read.sheet(0).hiddenRows(), written.sheet(0).hiddenRows());
    EXPECT_EQ(read.sheet(0).hiddenColumns(), written.sheet(0).hiddenColumns());
    EXPECT_NEAR(read.sheet(0).rowHeight(1), 30.0, 0.1);
    EXPECT_NEAR(read.sheet(0).rowHeight(5), 40.0, 0.1);
}

// The component's error for every prefix and for bytes flipped all through, in both formats.
TEST(ModernFormats, TruncatedAndFlippedFilesFailCleanly) {
    QTemporaryDir dir;
    const std::pair<QByteArray, QString> files[] = {
        {writeXlsx(test::everyFeature()), dir.filePath(QStringLiteral("damaged.xlsx"))},
        {fileBytes(dataFile("libreoffice.ods")), dir.filePath(QStringLiteral("damaged.ods"))}};
    for (const auto& [good, path] : files)
        test::readTruncatedAndFlipped(good, path, 89, 53);
}

TEST(ModernFormats, ArchivesThatUnpackTooFarAreRefused) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bombe.ods"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(zipBomb(maxUnpackedSize + (1 << 20)));
    file.close();
    EXPECT_LT(file.size(), 2 << 20);
    int code = 0;
    try {
        readWorkbookFile(path, code);
        FAIL() << "read";
    } catch (const SheetError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("Die Datei entpackt sich zu mehr als 256 MB und wird nicht gelesen."));
    }
}

TEST(ModernFormats, ArchivesWithoutWorkbookAreRefused) {
    QTemporaryDir dir;
    const auto message = [&dir](const ZipEntries& entries, const char* name) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(writeZipArchive(entries));
        file.close();
        int code = 0;
        try {
            readWorkbookFile(path, code);
        } catch (const SheetError& error) {
            return error.message();
        }
        return QString();
    };
    EXPECT_EQ(message({{QStringLiteral("a.txt"), "Hallo"}}, "leer.xlsx"),
              QStringLiteral("Die Arbeitsmappe enthält keine Tabelle."));
    EXPECT_EQ(
        message({{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet"}}, "leer.ods"),
        QStringLiteral("Die OpenDocument-Tabelle ist beschädigt (der Inhalt fehlt)."));
    const QByteArray office = "<office:document-content "
                              "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                              "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
                              "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\">";
    EXPECT_EQ(message({{QStringLiteral("content.xml"), office + "</office:document-content>"}}, "ohne.ods"),
              QStringLiteral("Die Arbeitsmappe enthält keine Tabelle."));
    // A text repeated over every cell of the largest sheet stops at the component's limit.
    const QByteArray everywhere =
        office + "<table:table table:name=\"A\"><table:table-row table:number-rows-repeated=\"1048576\">"
                 "<table:table-cell table:number-columns-repeated=\"16384\"><text:p>x</text:p>"
                 "</table:table-cell></table:table-row></table:table></office:document-content>";
    EXPECT_EQ(message({{QStringLiteral("content.xml"), everywhere}}, "voll.ods"),
              QStringLiteral("Die Arbeitsmappe hat mehr als 1000000 Zellen."));
    EXPECT_EQ(message({{QStringLiteral("content.xml"), office + "<table:table>"}}, "kaputt.ods"),
              QStringLiteral("Die OpenDocument-Tabelle ist beschädigt (Premature end of document.)."));
}

// Parts the import library would read must be well-formed XML, without document types.
TEST(ModernFormats, MalformedXlsxPartsAreRefusedBeforeTheyAreParsed) {
    QTemporaryDir dir;
    const ZipEntries sound = readZipArchive(writeXlsx(test::germanTexts()));
    const std::pair<QByteArray, const char*> parts[] = {
        {"<styleSheet><fonts", "Premature end of document."},
        {"<?xml version=\"1.0\"?><!DOCTYPE a [<!ENTITY b \"c\">]><a>&b;</a>", "Dokumenttypdeklaration"},
        {QByteArray("<a>\0</a>", 8), "kein UTF-8"}};
    for (const auto& [bytes, reason] : parts) {
        ZipEntries entries = sound;
        entries[QStringLiteral("xl/styles.xml")] = bytes;
        const QString path = dir.filePath(QStringLiteral("teil.xlsx"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(writeZipArchive(entries));
        file.close();
        int code = 0;
        try {
            readWorkbookFile(path, code);
            ADD_FAILURE() << reason;
        } catch (const SheetError& error) {
            EXPECT_EQ(error.message(),
                      QStringLiteral("Die Excel-Arbeitsmappe ist beschädigt (Teil „xl/styles.xml“: %1).")
                          .arg(QString::fromUtf8(reason)));
        }
    }
}
