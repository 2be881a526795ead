#include "app/FileTypes.h"

#include <QDir>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <QXmlStreamWriter>

namespace velmora {

const std::array<FileType, 13> fileTypes{{
    {u".was", u"VelmoraGleichgewicht", u"Velmora Wasserdatei", false, u"Wasserfenster",
     u"Wasserdateien (*.was)", u"Velmora Wasser"},
    {u".wam", u"VelmoraMischwasser", u"Velmora Mischwasserdatei", false, u"Mischwasserfenster",
     u"Mischwasserdateien (*.wam)", u"Velmora Mischwasser"},
    {u".wat", u"VelmoraTemperaturabhaengigkeit", u"Velmora Temperaturdatei", false, u"Temperaturfenster",
     u"Temperaturdateien (*.wat)", u"Velmora Temperaturabhängigkeit"},
    {u".wse", u"VelmoraSchnellentcarbonisierung", u"Velmora Schnellentcarbonisierungsdatei", false,
     u"Schnellentcarbonisierungsfenster", u"Schnellentcarbonisierungsdateien (*.wse)",
     u"Velmora Schnellentcarbonisierung"},
    {u".whe", u"VelmoraH-Entcarbonisierung", u"Velmora H-Entcarbonisierungsdatei", false,
     u"H-Entcarbonisierungsfenster", u"H-Entcarbonisierungsdateien (*.whe)", u"Velmora H-Entcarbonisierung"},
    {u".weh", u"VelmoraEnthaertung", u"Velmora Enthärtungsdatei", false, u"Enthärtungsfenster",
     u"Enthärtungsdateien (*.weh)", u"Velmora Enthärtung"},
    {u".wak", u"VelmoraKorrosion", u"Velmora Korrosionsdatei", false, u"Korrosionsfenster",
     u"Korrosionsdateien (*.wak)", u"Velmora Korrosion"},
    {u".waf", u"VelmoraAktivkohlefilter", u"Velmora Aktivkohle-Filterdatei", false, u"Aktivkohlefenster",
     u"Aktivkohle-Filterdateien (*.waf)", u"Velmora Aktivkohle-Filter"},
    {u".wff", u"VelmoraEnteisenungsfilter", u"Velmora Enteisenungsfilterdatei", false, u"Enteisenungsfenster",
     u"Enteisenungsfilterdateien (*.wff)", u"Velmora Enteisenung"},
    {u".wsf", u"VelmoraSandfilter", u"Velmora Sandfilterdatei", false, u"Sandfilter-Fenster",
     u"Sandfilterdateien (*.wsf)", u"Velmora Sandfilter"},
    {u".wdt", u"VelmoraDesktopzustand", u"Velmora Desktopzustand", false},
    {u".wpr", u"WasserProjekt", u"Velmora Projektdatei", false},
    {u".vts", u"Tabrix.Document", u"Velmora Vorlage", true},
}};

namespace {

bool writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}

QByteArray mimePackage() {
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDefaultNamespace(QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
    writer.writeStartElement(QStringLiteral("mime-info"));
    for (const FileType& type : fileTypes) {
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

QByteArray desktopEntry(const QString& name, const QString& comment, const QString& executable,
                        bool designer) {
    QStringList types;
    for (const FileType& type : fileTypes)
        if (type.openedByDesigner == designer)
            types << mimeType(type);
    // Exec takes the path quoted, so that a program directory with blanks works.
    return QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nComment=%2\nExec=\"%3\" %f\n"
                          "Terminal=false\nCategories=Science;Chemistry;\nMimeType=%4;\n")
        .arg(name, comment, executable, types.join(u';'))
        .toUtf8();
}

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

const FileType* fileTypeOfKind(const QString& kindName) {
    for (const FileType& type : fileTypes)
        if (type.kindName && kindName == type.kindName)
            return &type;
    return nullptr;
}

QString openDialogFilters() {
    QStringList patterns;
    QStringList filters;
    for (const FileType& type : fileTypes) {
        if (!type.openFilter)
            continue;
        const QString pattern = u'*' + QString::fromUtf16(type.extension);
        patterns << pattern;
        filters << QStringLiteral("%1 (%2)").arg(QString::fromUtf16(type.openFilter), pattern);
    }
    filters.prepend(QStringLiteral("Velmora (alle Typen) (%1)").arg(patterns.join(u' ')));
    return filters.join(QStringLiteral(";;"));
}

QStringList saveDialogFilters(const QString& kindName) {
    QStringList filters{QStringLiteral("Excel 5 und 7/95 (*.xls)"),
                        QStringLiteral("Excel 97/Excel 8 (*.xls)"), QStringLiteral("HTML Dateien (*.htm)"),
                        QStringLiteral("Text mit Tabulator (*.txt)")};
    if (const FileType* type = fileTypeOfKind(kindName))
        filters.prepend(QString::fromUtf16(type->saveFilter));
    return filters;
}

QString mimeType(const FileType& type) {
    return QStringLiteral("application/x-") + QString::fromUtf16(type.typeName).toLower().replace(u'.', u'-');
}

bool registerFileTypes(const QString& dataHome, const QString& programDirectory) {
    const QString mimeDirectory = dataHome + QStringLiteral("/mime");
    const QString applications = dataHome + QStringLiteral("/applications");
    const bool written =
        writeFile(mimeDirectory + QStringLiteral("/packages/velmora.xml"), mimePackage()) &&
        writeFile(applications + QStringLiteral("/velmora.desktop"),
                  desktopEntry(QStringLiteral("Velmora"),
                               QStringLiteral("Kalk-Kohlensäure-Gleichgewicht von Wässern"),
                               programDirectory + QStringLiteral("velmora"), false)) &&
        writeFile(applications + QStringLiteral("/tabrix.desktop"),
                  desktopEntry(QStringLiteral("Tabrix"), QStringLiteral("Vorlagen für Velmora bearbeiten"),
                               programDirectory + QStringLiteral("tabrix"), true));
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
