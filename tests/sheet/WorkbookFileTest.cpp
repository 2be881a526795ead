#include "sheet/formats/WorkbookFile.h"

#include "FailingFileSystem.h"
#include "SampleWorkbooks.h"
#include "sheet/formats/FileCode.h"
#include "sheet/model/SheetError.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>

using namespace velmora::sheet;

namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(WorkbookFile, RecognisesEachReadableFormat) {
    QTemporaryDir dir;
    const Workbook book = test::germanTexts();
    const std::pair<const char*, int> files[] = {
        {"a.vts", NativeCode}, {"b.xls", Excel97Code}, {"c.xls", Excel5Code}, {"d.txt", TextCode}};
    for (const auto& [name, code] : files) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        writeWorkbookFile(book, path, code);
        int readCode = 0;
        const Workbook read = readWorkbookFile(path, readCode);
        EXPECT_EQ(readCode, code) << name;
        EXPECT_EQ(read.sheet(0).text({2, 2}), QStringLiteral("12.500")) << name;
    }
    // Contents decide before the extension.
    QFile::copy(dir.filePath(QStringLiteral("a.vts")), dir.filePath(QStringLiteral("vorlage.dat")));
    int code = 0;
    readWorkbookFile(dir.filePath(QStringLiteral("vorlage.dat")), code);
    EXPECT_EQ(code, NativeCode);
}

TEST(WorkbookFile, MissingDamagedAndForeignFilesRaiseTheError) {
    QTemporaryDir dir;
    int code = 0;
    EXPECT_THROW(readWorkbookFile(dir.filePath(QStringLiteral("fehlt.vts")), code), SheetError);
    EXPECT_THROW(readWorkbookFile(dir.path(), code), SheetError);
    const std::pair<const char*, QByteArray> files[] = {
        {"leer.vts", QByteArray()},
        {"leer.xls", QByteArray()},
        {"bild.vts", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
        {"html.vts", QByteArray("<html><body>x</body></html>")},
        {"fremd.bin", QByteArray("irgendwas")},
        {"kaputt.xls", QByteArray::fromHex("d0cf11e0a1b11ae1") + QByteArray(600, '\x11')},
    };
    for (const auto& [name, bytes] : files) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        writeBytes(path, bytes);
        EXPECT_THROW(readWorkbookFile(path, code), SheetError) << name;
    }
}

TEST(WorkbookFile, AFailedWriteLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bleibt.vts"));
    writeWorkbookFile(test::germanTexts(), path, NativeCode);
    const QByteArray before = [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    EXPECT_THROW(writeWorkbookFile(test::everyFeature(), path, 7), SheetError);
    EXPECT_THROW(
        writeWorkbookFile(test::everyFeature(), dir.filePath(QStringLiteral("fehlt/x.vts")), NativeCode),
        SheetError);
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
}

TEST(WorkbookFile, AWriteThatFailsLeavesTheOldFileInEveryFormat) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bericht"));
    writeBytes(path, "der alte Bericht");
    for (const int code : {NativeCode, Excel97Code, Excel5Code, HtmlCode, TextCode}) {
        for (long bytes : {0L, 100L}) {
            velmora::test::FailingFileSystem full(bytes);
            EXPECT_THROW(writeWorkbookFile(test::germanTexts(), path, code), SheetError) << code;
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll(), QByteArray("der alte Bericht")) << code << " " << bytes;
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("bericht")});
}

// Limits are checked while reading, so a large hostile file costs no more than the limits allow.
TEST(WorkbookFile, ReadersStopAtTheirLimits) {
    QTemporaryDir dir;
    const auto refusal = [&dir](const char* name, const QByteArray& content) -> std::string {
        const QString path = dir.filePath(QString::fromLatin1(name));
        writeBytes(path, content);
        int code = 0;
        try {
            readWorkbookFile(path, code);
        } catch (const SheetError& error) {
            return error.message().toStdString();
        }
        return "gelesen";
    };
    EXPECT_EQ(refusal("zeilen.txt", QByteArray(8 * 1024 * 1024, '\n')),
              std::string("Die Textdatei hat mehr als 65536 Zeilen."));
    EXPECT_EQ(refusal("spalten.txt", QByteArray(8 * 1024 * 1024, '\t')),
              std::string("Eine Zeile der Textdatei hat mehr als 256 Spalten."));
    QByteArray line;
    for (int column = 0; column < 250; ++column)
        line += "x\t";
    line += '\n';
    EXPECT_EQ(refusal("zellen.txt", line.repeated(4001)),
              std::string("Die Textdatei hat mehr als 1000000 gefüllte Zellen."));

    const QByteArray head =
        "<?xml version=\"1.0\"?>\n<workbook xmlns=\"urn:velmora:workbook\" version=\"1\">\n"
        "<styles><style id=\"s0\" font=\"Arial\" size=\"10\"/></styles>\n";
    QByteArray merges = head + "<sheet name=\"a\" style=\"s0\">";
    for (int i = 0; i < 20000; ++i)
        merges += "<merge ref=\"A" + QByteArray::number(i + 1) + ":B" + QByteArray::number(i + 1) + "\"/>";
    merges += "</sheet></workbook>";
    EXPECT_EQ(
        refusal("merges.vts", merges),
        std::string("Die Arbeitsmappe ist beschädigt (Zeile 4): Die Tabelle hat mehr als 10000 verbundene "
                    "Bereiche."));
    const QByteArray sheets =
        head + QByteArray("<sheet name=\"a\" style=\"s0\"/>").repeated(1025) + "</workbook>";
    EXPECT_EQ(refusal("tabellen.vts", sheets),
              std::string("Die Arbeitsmappe ist beschädigt (Zeile 4): Die Arbeitsmappe hat mehr als 1024 "
                          "Tabellen."));

    const QString huge = dir.filePath(QStringLiteral("riesig.xls"));
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(64 * 1024 * 1024 + 1)); // sparse: no disk space is taken
    }
    int code = 0;
    try {
        readWorkbookFile(huge, code);
        ADD_FAILURE() << "a file beyond the size limit was read";
    } catch (const SheetError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("Die Datei „%1“ ist zu groß für eine Arbeitsmappe.").arg(huge));
    }

    const QString fifo = dir.filePath(QStringLiteral("rohr.vts"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_THROW(readWorkbookFile(fifo, code), SheetError);
}

TEST(WorkbookFile, ManyDistinctStylesWriteInLinearTime) {
    QTemporaryDir dir;
    Workbook book;
    for (int row = 1; row <= 20000; ++row) {
        CellStyle style;
        style.fontSize = 6.0 + row / 1000.0;
        book.sheet(0).setText({row, 1}, QStringLiteral("x"));
        book.sheet(0).setStyle({row, 1}, style);
    }
    const QString path = dir.filePath(QStringLiteral("stile.vts"));
    writeWorkbookFile(book, path, NativeCode);
    int code = 0;
    const Workbook read = readWorkbookFile(path, code);
    EXPECT_EQ(read.sheet(0).style({20000, 1}).fontSize, 26.0);
}

// The hostile workbooks that the program's own readers read are refused with the component's error.
TEST(WorkbookFile, HostileWorkbooksOfTheOwnFormatsAreRefused) {
    int code = 0;
    try {
        readWorkbookFile(QStringLiteral(VELMORA_HOSTILE_DIR "/laughs.vts"), code);
        ADD_FAILURE() << "nested entities were expanded";
    } catch (const SheetError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("Die Arbeitsmappe ist beschädigt (Zeile 13): Der Inhalt ist kein "
                                 "gültiges XML."));
    }
}
