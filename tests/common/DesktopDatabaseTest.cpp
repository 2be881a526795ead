#include "common/DesktopDatabase.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/stat.h>

using namespace velmora;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// A safe write replaces a file by a new one, so an unchanged inode means the file was left alone.
ino_t inodeOf(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

} // namespace

TEST(DesktopDatabase, AnEntryStartsItsProgramWhateverItsPathHolds) {
    const QByteArray entry = applicationEntry({QStringLiteral("Tabrix"),
                                               QStringLiteral("Edit"),
                                               QStringLiteral("Bearbeiten"),
                                               QStringLiteral("/opt/A B/50% \"x\"/$y\\z`\nExec=evil"),
                                               QStringLiteral("tabrix"),
                                               QStringLiteral("Office;"),
                                               {QStringLiteral("a/b"), QStringLiteral("c/d")}});
    EXPECT_EQ(entry, QByteArray("[Desktop Entry]\n"
                                "Type=Application\n"
                                "Name=Tabrix\n"
                                "Comment=Edit\n"
                                "Comment[de]=Bearbeiten\n"
                                "Exec=\"/opt/A B/50%% \\\\\"x\\\\\"/\\\\$y\\\\\\\\z\\\\`\\nExec=evil\" %f\n"
                                "Icon=tabrix\n"
                                "Terminal=false\n"
                                "Categories=Office;\n"
                                "MimeType=a/b;c/d;\n"));
}

TEST(DesktopDatabase, AFileIsWrittenOnlyWhenItsContentChanged) {
    QTemporaryDir dataHome;
    const QString entry = dataHome.filePath(QStringLiteral("applications/x.desktop"));
    const QString package = dataHome.filePath(QStringLiteral("mime/packages/x.xml"));
    ASSERT_TRUE(updateDesktopFiles(dataHome.path(), {{QStringLiteral("applications/x.desktop"), "one"},
                                                     {QStringLiteral("mime/packages/x.xml"), "two"}}));
    EXPECT_EQ(contentOf(entry), "one");
    EXPECT_EQ(contentOf(package), "two");
    const ino_t entryInode = inodeOf(entry);
    const ino_t packageInode = inodeOf(package);

    ASSERT_TRUE(updateDesktopFiles(dataHome.path(), {{QStringLiteral("applications/x.desktop"), "one"},
                                                     {QStringLiteral("mime/packages/x.xml"), "twice"}}));
    EXPECT_EQ(inodeOf(entry), entryInode);
    EXPECT_NE(inodeOf(package), packageInode);
    EXPECT_EQ(contentOf(package), "twice");
}

TEST(DesktopDatabase, AFileThatCannotBeWrittenIsReported) {
    QTemporaryDir dataHome;
    QFile blocker(dataHome.filePath(QStringLiteral("applications")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("not a folder");
    blocker.close();
    EXPECT_FALSE(updateDesktopFiles(dataHome.path(), {{QStringLiteral("applications/x.desktop"), "one"}}));
    EXPECT_EQ(contentOf(blocker.fileName()), "not a folder");
}
