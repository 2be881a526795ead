#include "common/SafeFile.h"

#include "FailingFileSystem.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <sys/mount.h>

using namespace velmora;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

class SafeFileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(SafeFileTest, WritesANewFileAndReplacesAnOldOneKeepingItsPermissions) {
    writeFileSafely(path(QStringLiteral("neu.was")), "Wasser");
    EXPECT_EQ(contentOf(path(QStringLiteral("neu.was"))), QByteArray("Wasser"));

    writeFile(path(QStringLiteral("alt.ini")), "alt");
    QFile::setPermissions(path(QStringLiteral("alt.ini")), QFile::ReadOwner | QFile::WriteOwner);
    writeFileSafely(path(QStringLiteral("alt.ini")), "neu");
    EXPECT_EQ(contentOf(path(QStringLiteral("alt.ini"))), QByteArray("neu"));
    EXPECT_EQ(QFile::permissions(path(QStringLiteral("alt.ini"))),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    EXPECT_EQ(files(), (QStringList{QStringLiteral("alt.ini"), QStringLiteral("neu.was")}));
}

TEST_F(SafeFileTest, ALinkKeepsPointingToTheReplacedFile) {
    writeFile(path(QStringLiteral("echt.ini")), "alt");
    ASSERT_TRUE(QFile::link(path(QStringLiteral("echt.ini")), path(QStringLiteral("verweis.ini"))));
    writeFileSafely(path(QStringLiteral("verweis.ini")), "neu");
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("verweis.ini"))).isSymLink());
    EXPECT_EQ(contentOf(path(QStringLiteral("echt.ini"))), QByteArray("neu"));
}

TEST_F(SafeFileTest, AWriteThatFailsAtAnyByteLeavesTheOldFile) {
    const QString target = path(QStringLiteral("daten.was"));
    const QByteArray old = "der alte Inhalt";
    const QByteArray replacement = "ein neuer, längerer Inhalt der Datei";
    writeFile(target, old);
    for (long n = 0; n < long(replacement.size()); ++n) {
        test::FailingFileSystem full(n);
        try {
            writeFileSafely(target, replacement);
            ADD_FAILURE() << "a write failing after " << n << " bytes was reported as written";
        } catch (const WriteError& error) {
            EXPECT_EQ(error.message(),
                      QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden: Auf dem "
                                     "Datenträger ist kein Platz mehr.")
                          .arg(target));
        }
        EXPECT_EQ(contentOf(target), old) << n;
        EXPECT_EQ(files(), QStringList{QStringLiteral("daten.was")}) << n;
    }
}

TEST_F(SafeFileTest, AFailedFlushOrRenameLeavesTheOldFile) {
    const QString target = path(QStringLiteral("velmora.ini"));
    writeFile(target, "alt");
    test::FailingFileSystem failing(1000);
    failing.syncFails = true;
    EXPECT_THROW(writeFileSafely(target, "neu"), WriteError);
    failing.syncFails = false;
    failing.renameFails = true;
    EXPECT_THROW(writeFileSafely(target, "neu"), WriteError);
    EXPECT_EQ(contentOf(target), QByteArray("alt"));
    EXPECT_EQ(files(), QStringList{QStringLiteral("velmora.ini")});
}

TEST_F(SafeFileTest, NoFileIsWrittenOverADirectoryOrIntoAMissingOne) {
    QDir(dir.path()).mkdir(QStringLiteral("ordner"));
    EXPECT_THROW(writeFileSafely(path(QStringLiteral("ordner")), "x"), WriteError);
    try {
        writeFileSafely(path(QStringLiteral("fehlt/datei.was")), "x");
        ADD_FAILURE() << "written into a missing folder";
    } catch (const WriteError& error) {
        EXPECT_TRUE(error.message().endsWith(QStringLiteral("Das Verzeichnis gibt es nicht.")))
            << error.what();
    }
}

TEST_F(SafeFileTest, MovingReplacesTheTargetOnlyWithTheWholeFile) {
    writeFile(path(QStringLiteral("a.wpr")), "Projekt A");
    writeFile(path(QStringLiteral("b.wpr")), "Projekt B");
    QDir(dir.path()).mkdir(QStringLiteral("neu"));
    moveFileSafely(path(QStringLiteral("a.wpr")), path(QStringLiteral("neu/b.wpr")));
    EXPECT_EQ(contentOf(path(QStringLiteral("neu/b.wpr"))), QByteArray("Projekt A"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("a.wpr"))));
    test::FailingFileSystem failing(1000);
    failing.renameFails = true;
    EXPECT_THROW(moveFileSafely(path(QStringLiteral("b.wpr")), path(QStringLiteral("neu/b.wpr"))),
                 WriteError);
    EXPECT_EQ(contentOf(path(QStringLiteral("b.wpr"))), QByteArray("Projekt B"));
    EXPECT_EQ(contentOf(path(QStringLiteral("neu/b.wpr"))), QByteArray("Projekt A"));
}

// A real full disk: a small memory file system, where this machine lets the tests mount one.
TEST_F(SafeFileTest, OnAFullDiskTheOldFileStays) {
    const QString mountPoint = path(QStringLiteral("klein"));
    QDir(dir.path()).mkdir(QStringLiteral("klein"));
    if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no small file system can be mounted here (" << std::strerror(errno) << ")";
    const QString target = mountPoint + QStringLiteral("/daten.was");
    writeFileSafely(target, QByteArray(1584, 'a'));
    EXPECT_THROW(writeFileSafely(target, QByteArray(200 * 1024, 'b')), WriteError);
    EXPECT_EQ(contentOf(target), QByteArray(1584, 'a'));
    EXPECT_EQ(QDir(mountPoint).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("daten.was")});

    // A move across file systems copies safely before the source goes.
    writeFile(path(QStringLiteral("gross.wpr")), QByteArray(200 * 1024, 'c'));
    EXPECT_THROW(moveFileSafely(path(QStringLiteral("gross.wpr")), target), WriteError);
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("gross.wpr"))));
    writeFile(path(QStringLiteral("klein.wpr")), "Projekt");
    moveFileSafely(path(QStringLiteral("klein.wpr")), target);
    EXPECT_EQ(contentOf(target), QByteArray("Projekt"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("klein.wpr"))));
    ::umount(QFile::encodeName(mountPoint).constData());
}
