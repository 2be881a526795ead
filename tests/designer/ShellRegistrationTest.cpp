#include "designer/ShellRegistration.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace tabrix;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

TEST(ShellRegistration, EachStartMakesTheDesktopOpenWorkbooksWithThisCopy) {
    QTemporaryDir dataHome;
    const QString entry = dataHome.filePath(QStringLiteral("applications/tabrix.desktop"));
    ASSERT_TRUE(registerDocumentType(dataHome.path(), QStringLiteral("/opt/Tabrix/tabrix")));
    EXPECT_EQ(contentOf(entry), QByteArray("[Desktop Entry]\n"
                                           "Type=Application\n"
                                           "Name=Tabrix\n"
                                           "Comment=Create and edit workbooks\n"
                                           "Comment[de]=Arbeitsmappen erstellen und bearbeiten\n"
                                           "Exec=\"/opt/Tabrix/tabrix\" %f\n"
                                           "Icon=tabrix\n"
                                           "Terminal=false\n"
                                           "Categories=Office;Spreadsheet;\n"
                                           "MimeType=application/x-tabrix-document;\n"));
    const QByteArray package = contentOf(dataHome.filePath(QStringLiteral("mime/packages/tabrix.xml")));
    EXPECT_TRUE(package.contains("<mime-type type=\"application/x-tabrix-document\">"));
    EXPECT_TRUE(package.contains("<comment>Quillmark Tabrix Workbook</comment>"));
    EXPECT_TRUE(package.contains("<glob pattern=\"*.vts\"/>"));
    if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty()) {
        EXPECT_TRUE(contentOf(dataHome.filePath(QStringLiteral("mime/globs2")))
                        .contains("application/x-tabrix-document:*.vts"));
    }

    // The program moved: the next start points the desktop to the new place.
    ASSERT_TRUE(registerDocumentType(dataHome.path(), QStringLiteral("/usr/lib/velmora/tabrix")));
    EXPECT_TRUE(contentOf(entry).contains("Exec=\"/usr/lib/velmora/tabrix\" %f\n"));
}
