#include "designer/ShellRegistration.h"

#include "common/DesktopDatabase.h"

namespace tabrix {

QString documentMimeType() {
    return QStringLiteral("application/x-tabrix-document");
}

QByteArray desktopEntry(const QString& executable) {
    return velmora::applicationEntry({QStringLiteral("Tabrix"),
                                      QStringLiteral("Create and edit workbooks"),
                                      QStringLiteral("Arbeitsmappen erstellen und bearbeiten"),
                                      executable,
                                      QStringLiteral("tabrix"),
                                      QStringLiteral("Office;Spreadsheet;"),
                                      {documentMimeType()}});
}

bool registerDocumentType(const QString& dataHome, const QString& executable) {
    const QByteArray package = velmora::mimePackage(
        {{documentMimeType(), QStringLiteral("Quillmark Tabrix Workbook"), QStringLiteral("*.vts")}});
    return velmora::updateDesktopFiles(
        dataHome, {{QStringLiteral("mime/packages/tabrix.xml"), package},
                   {QStringLiteral("applications/tabrix.desktop"), desktopEntry(executable)}});
}

} // namespace tabrix
