// A build tool: the files an installation gives the desktop, made from the program's own table of file
// types, so that they cannot drift from what Velmora registers at its first start.
//   velmora-desktop-files OUTDIR DOCUMENT-ICON
#include "app/FileTypes.h"
#include "common/SafeFile.h"
#include "designer/ShellRegistration.h"

#include <cstdio>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: velmora-desktop-files OUTDIR DOCUMENT-ICON\n", stderr);
        return 2;
    }
    using namespace velmora;
    const QDir out(arguments[1]);
    QFile icon(arguments[2]);
    if (!out.mkpath(QStringLiteral("mimetypes")) || !icon.open(QIODevice::ReadOnly)) {
        std::fputs("velmora-desktop-files: cannot read the icon or make the folder\n", stderr);
        return 1;
    }
    const QByteArray document = icon.readAll();
    // Installed programs are on the PATH, so the entries name them without a folder.
    bool written = tryWriteFileSafely(out.filePath(QStringLiteral("velmora.xml")), mimePackage()) &&
                   tryWriteFileSafely(out.filePath(QStringLiteral("velmora.desktop")),
                                      desktopEntry(QStringLiteral("velmora"))) &&
                   tryWriteFileSafely(out.filePath(QStringLiteral("tabrix.desktop")),
                                      tabrix::desktopEntry(QStringLiteral("tabrix")));
    // Each MIME type's icon is looked up by its name with "-" for "/".
    for (const FileType& type : fileTypes())
        written = written && tryWriteFileSafely(out.filePath(QStringLiteral("mimetypes/") +
                                                             mimeType(type).replace(u'/', u'-') +
                                                             QStringLiteral(".svg")),
                                                document);
    if (!written) {
        std::fputs("velmora-desktop-files: a file could not be written\n", stderr);
        return 1;
    }
    return 0;
}
