#include "app/ManualBuilder.h"
#include "PdfPages.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

using namespace velmora;

namespace {

using velmora::test::pdfPageCount;

const QString help = QStringLiteral(VELMORA_SOURCE_DIR "/Hilfe");

} // namespace

TEST(Manual, EveryHelpPageIsAChapterOnceInReadingOrder) {
    const QList<ManualChapter> chapters = manualChapters(help);
    const QStringList pages = QDir(help).entryList({QStringLiteral("*.htm")}, QDir::Files);
    ASSERT_EQ(chapters.size(), pages.size());
    QSet<QString> files;
    for (const ManualChapter& chapter : chapters) {
        files.insert(chapter.file);
        EXPECT_FALSE(chapter.title.isEmpty()) << chapter.file.toStdString();
        EXPECT_FALSE(chapter.title.contains(u'<')) << chapter.title.toStdString();
    }
    EXPECT_EQ(files, QSet<QString>(pages.begin(), pages.end()));
    EXPECT_EQ(chapters.front().file, QStringLiteral("index.htm"));
    EXPECT_EQ(chapters.front().title, QStringLiteral("Velmora – Hilfe"));
    // The input dialog is the start page's first link, so it comes right after it.
    EXPECT_EQ(chapters[1].file, QStringLiteral("eingabe.htm"));
}

TEST(Manual, ThePdfHasATitleContentsAndEveryChapterFromANewPage) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("Dokumentation.pdf"));
    const std::optional<ManualLayout> layout = writeManual(help, pdf);
    ASSERT_TRUE(layout);
    const qsizetype chapters = manualChapters(help).size();
    ASSERT_EQ(layout->chapterStarts.size(), chapters);
    EXPECT_GE(layout->chapterStarts.front(), 3); // after the title page and the contents
    for (qsizetype i = 1; i < chapters; ++i)
        EXPECT_GT(layout->chapterStarts[i], layout->chapterStarts[i - 1]);
    EXPECT_GE(layout->pageCount, layout->chapterStarts.back());
    EXPECT_EQ(pdfPageCount(pdf), layout->pageCount);

    // A folder that cannot take the file: nothing written, and said so.
    EXPECT_FALSE(writeManual(help, dir.filePath(QStringLiteral("fehlt/Dokumentation.pdf"))));
}
