#include "app/FileTypes.h"

#include "app/IniFile.h"
#include "designer/ShellRegistration.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace velmora;

namespace {

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(FileTypes, TheDesktopKnowsEveryTypeAfterTheFirstStart) {
    QTemporaryDir dataHome;
    QTemporaryDir config;
    const IniFile profile(config.filePath(QStringLiteral("velmora.ini")));
    ASSERT_TRUE(ensureFileTypesRegistered(profile, dataHome.path(), QStringLiteral("/opt/Velmora/")));
    EXPECT_EQ(profile.read(QStringLiteral("Registrierung"), QStringLiteral("Wert")), QStringLiteral("1"));

    const QString package = fileText(dataHome.filePath(QStringLiteral("mime/packages/velmora.xml")));
    const QString velmora = fileText(dataHome.filePath(QStringLiteral("applications/velmora.desktop")));
    const QString tabrix = fileText(dataHome.filePath(QStringLiteral("applications/tabrix.desktop")));
    for (const FileType& type : fileTypes()) {
        EXPECT_TRUE(
            package.contains(QStringLiteral("pattern=\"*%1\"").arg(QString::fromUtf16(type.extension))));
        EXPECT_TRUE(package.contains(QString::fromUtf16(type.description)));
        EXPECT_EQ((type.openedByDesigner ? tabrix : velmora).contains(mimeType(type) + u';'), true)
            << mimeType(type).toStdString();
    }
    EXPECT_TRUE(velmora.contains(QStringLiteral("Exec=\"/opt/Velmora/velmora\" %f")));
    EXPECT_EQ(velmora.count(QStringLiteral("application/x-")), 12);

    if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty()) {
        const QString globs = fileText(dataHome.filePath(QStringLiteral("mime/globs2")));
        EXPECT_TRUE(globs.contains(QStringLiteral("application/x-velmoragleichgewicht:*.was")));
        EXPECT_TRUE(globs.contains(QStringLiteral("application/x-tabrix-document:*.vts")));
    }
}

TEST(FileTypes, VelmoraAndTheDesignerRegisterWorkbooksAlike) {
    QTemporaryDir dataHome;
    QTemporaryDir config;
    ASSERT_TRUE(ensureFileTypesRegistered(IniFile(config.filePath(QStringLiteral("velmora.ini"))),
                                          dataHome.path(), QStringLiteral("/opt/Velmora/")));
    const QString entry = dataHome.filePath(QStringLiteral("applications/tabrix.desktop"));
    const QString written = fileText(entry);
    ASSERT_TRUE(tabrix::registerDocumentType(dataHome.path(), QStringLiteral("/opt/Velmora/tabrix")));
    EXPECT_EQ(fileText(entry), written);
    for (const FileType& type : fileTypes()) {
        if (type.openedByDesigner) {
            EXPECT_EQ(mimeType(type), tabrix::documentMimeType());
        }
    }
}

TEST(FileTypes, AFlagOtherThan1RegistersAgain) {
    QTemporaryDir dataHome;
    QTemporaryDir config;
    const IniFile profile(config.filePath(QStringLiteral("velmora.ini")));
    profile.write(QStringLiteral("Registrierung"), QStringLiteral("Wert"), QStringLiteral("1"));
    ensureFileTypesRegistered(profile, dataHome.path(), QStringLiteral("/p/"));
    EXPECT_FALSE(QFile::exists(dataHome.filePath(QStringLiteral("applications/velmora.desktop"))));
    profile.write(QStringLiteral("Registrierung"), QStringLiteral("Wert"), QStringLiteral("0"));
    ensureFileTypesRegistered(profile, dataHome.path(), QStringLiteral("/p/"));
    EXPECT_TRUE(QFile::exists(dataHome.filePath(QStringLiteral("applications/velmora.desktop"))));
    EXPECT_EQ(profile.read(QStringLiteral("Registrierung"), QStringLiteral("Wert")), QStringLiteral("1"));
}
