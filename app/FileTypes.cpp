#include "app/FileTypes.h"

#include "common/DesktopDatabase.h"
#include "designer/ShellRegistration.h"
#include "windows/WindowType.h"

#include <QStringList>

namespace velmora {

QList<FileType> fileTypes() {
    QList<FileType> types;
    for (const WindowType& type : windowTypes)
        types.append({type.extension, type.typeName, type.description, false});
    types.append({u".wdt", u"VelmoraDesktopzustand", u"Velmora Desktopzustand", false});
    types.append({u".wpr", u"WasserProjekt", u"Velmora Projektdatei", false});
    types.append({u".vts", u"Tabrix.Document", u"Velmora Vorlage", true});
    return types;
}

QByteArray mimePackage() {
    QList<MimeTypeEntry> types;
    for (const FileType& type : fileTypes())
        types.append({mimeType(type), QString::fromUtf16(type.description),
                      u'*' + QString::fromUtf16(type.extension)});
    return velmora::mimePackage(types);
}

QByteArray desktopEntry(const QString& executable) {
    QStringList types;
    for (const FileType& type : fileTypes())
        if (!type.openedByDesigner)
            types << mimeType(type);
    return applicationEntry(
        {QStringLiteral("Velmora"), QStringLiteral("Kalk-Kohlensäure-Gleichgewicht von Wässern"), QString(),
         executable, QStringLiteral("velmora"), QStringLiteral("Science;Chemistry;"), types});
}

QString openDialogFilters() {
    QStringList patterns;
    QStringList filters;
    for (const WindowType& type : windowTypes) {
        const QString pattern = u'*' + QString::fromUtf16(type.extension);
        patterns << pattern;
        filters << QStringLiteral("%1 (%2)").arg(QString::fromUtf16(type.openFilter), pattern);
    }
    filters.prepend(QStringLiteral("Velmora (alle Typen) (%1)").arg(patterns.join(u' ')));
    return filters.join(QStringLiteral(";;"));
}

QStringList saveDialogFilters(const WindowType& type) {
    return {QString::fromUtf16(type.saveFilter),          QStringLiteral("Excel 5 und 7/95 (*.xls)"),
            QStringLiteral("Excel 97/Excel 8 (*.xls)"),   QStringLiteral("HTML Dateien (*.htm)"),
            QStringLiteral("Text mit Tabulator (*.txt)"), QStringLiteral("Excel 2007-365 Dateien (*.xlsx)")};
}

QString saveFilterExtension(const WindowType& type, int filterIndex) {
    switch (filterIndex) {
    case 1:
        return type.fileExtension();
    case 2:
    case 3:
        return QStringLiteral(".xls");
    case 4:
        return QStringLiteral(".htm");
    case 6:
        return QStringLiteral(".xlsx");
    default:
        return QStringLiteral(".txt");
    }
}

QString mimeType(const FileType& type) {
    return QStringLiteral("application/x-") + QString::fromUtf16(type.typeName).toLower().replace(u'.', u'-');
}

bool registerFileTypes(const QString& dataHome, const QString& programDirectory) {
    return updateDesktopFiles(dataHome,
                              {{QStringLiteral("mime/packages/velmora.xml"), mimePackage()},
                               {QStringLiteral("applications/velmora.desktop"),
                                desktopEntry(programDirectory + QStringLiteral("velmora"))},
                               {QStringLiteral("applications/tabrix.desktop"),
                                tabrix::desktopEntry(programDirectory + QStringLiteral("tabrix"))}});
}

bool ensureFileTypesRegistered(const IniFile& profile, const QString& dataHome,
                               const QString& programDirectory) {
    const QString section = QStringLiteral("Registrierung");
    if (profile.read(section, QStringLiteral("Wert")) == u"1")
        return true;
    if (!registerFileTypes(dataHome, programDirectory))
        return false;
    profile.write(section, QStringLiteral("Wert"), QStringLiteral("1"));
    return true;
}

} // namespace velmora
