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
    const QString lines = dir.filePath(QStringLiteral("zeilen.txt"));
    writeBytes(lines, QByteArray(8 * 1024 * 1024, '\n'));
    int code = 0;
    try {
        readWorkbookFile(lines, code);
        ADD_FAILURE() << "8 million rows were read";
    } catch (const SheetError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Die Textdatei hat mehr als 65536 Zeilen."));
    }
    const QString tabs = dir.filePath(QStringLiteral("spalten.txt"));
    writeBytes(tabs, QByteArray(8 * 1024 * 1024, '\t'));
    try {
        readWorkbookFile(tabs, code);
        ADD_FAILURE() << "8 million columns were read";
    } catch (const SheetError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Eine Zeile der Textdatei hat mehr als 256 Spalten."));
    }

    QByteArray merges = "<?xml version=\"1.0\"?><workbook version=\"1\"><sheet name=\"a\">";
    for (int i = 0; i < 20000; ++i)
        merges += "<merge ref=\"A" + QByteArray::number(i + 1) + ":B" + QByteArray::number(i + 1) + "\"/>";
    merges += "</sheet></workbook>";
    writeBytes(dir.filePath(QStringLiteral("merges.vts")), merges);
    EXPECT_THROW(readWorkbookFile(dir.filePath(QStringLiteral("merges.vts")), code), SheetError);

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
