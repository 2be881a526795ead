#include "app/FileTypes.h"

#include "common/SafeFile.h"
#include "windows/WindowType.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QXmlStreamWriter>

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

namespace {

bool writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return tryWriteFileSafely(path, content);
}

} // namespace

QByteArray mimePackage() {
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDefaultNamespace(QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
    writer.writeStartElement(QStringLiteral("mime-info"));
    for (const FileType& type : fileTypes()) {
        writer.writeStartElement(QStringLiteral("mime-type"));
        writer.writeAttribute(QStringLiteral("type"), mimeType(type));
        writer.writeTextElement(QStringLiteral("comment"), QString::fromUtf16(type.description));
        writer.writeEmptyElement(QStringLiteral("glob"));
        writer.writeAttribute(QStringLiteral("pattern"), u'*' + QString::fromUtf16(type.extension));
        writer.writeEndElement();
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}

QByteArray desktopEntry(bool designer, const QString& executable) {
    QStringList types;
    for (const FileType& type : fileTypes())
        if (type.openedByDesigner == designer)
            types << mimeType(type);
    const QString name = designer ? QStringLiteral("Tabrix") : QStringLiteral("Velmora");
    const QString comment = designer ? QStringLiteral("Vorlagen für Velmora bearbeiten")
                                     : QStringLiteral("Kalk-Kohlensäure-Gleichgewicht von Wässern");
    // Exec takes the path quoted, so that a program directory with blanks works.
    return QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nComment=%2\nExec=\"%3\" %f\n"
                          "Icon=%4\nTerminal=false\nCategories=Science;Chemistry;\nMimeType=%5;\n")
        .arg(name, comment, executable, name.toLower(), types.join(u';'))
        .toUtf8();
}

namespace {

void refreshDatabase(const QString& tool, const QString& directory) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return;
    // The tools print advice about search paths that is of no use to the user.
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, {directory});
    process.waitForFinished(30000);
}

} // namespace

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
    const QString mimeDirectory = dataHome + QStringLiteral("/mime");
    const QString applications = dataHome + QStringLiteral("/applications");
    const bool written = writeFile(mimeDirectory + QStringLiteral("/packages/velmora.xml"), mimePackage()) &&
                         writeFile(applications + QStringLiteral("/velmora.desktop"),
                                   desktopEntry(false, programDirectory + QStringLiteral("velmora"))) &&
                         writeFile(applications + QStringLiteral("/tabrix.desktop"),
                                   desktopEntry(true, programDirectory + QStringLiteral("tabrix")));
    if (!written)
        return false;
    refreshDatabase(QStringLiteral("update-mime-database"), mimeDirectory);
    refreshDatabase(QStringLiteral("update-desktop-database"), applications);
    return true;
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
