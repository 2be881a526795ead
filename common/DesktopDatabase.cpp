#include "common/DesktopDatabase.h"

#include "common/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamWriter>

namespace velmora {

namespace {

bool holds(const QString& path, const QByteArray& content) {
    QFile file(path);
    // Sizes first, so that a huge file put there is never read whole.
    return file.open(QIODevice::ReadOnly) && file.size() == content.size() && file.readAll() == content;
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

// A program path as the first word of Exec: quoted, so that a folder with blanks works, with the
// characters the quoting reserves escaped, "%" doubled, and then every backslash doubled once more, as
// the entry's string values require (which also write control characters as escapes, so that none
// can end the line).
QString execArgument(const QString& path) {
    QString quoted;
    for (const QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        else if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    quoted.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'\n', QStringLiteral("\\n"))
        .replace(u'\r', QStringLiteral("\\r"))
        .replace(u'\t', QStringLiteral("\\t"));
    return u'"' + quoted + u'"';
}

} // namespace

QByteArray mimePackage(const QList<MimeTypeEntry>& types) {
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDefaultNamespace(QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
    writer.writeStartElement(QStringLiteral("mime-info"));
    for (const MimeTypeEntry& type : types) {
        writer.writeStartElement(QStringLiteral("mime-type"));
        writer.writeAttribute(QStringLiteral("type"), type.type);
        writer.writeTextElement(QStringLiteral("comment"), type.comment);
        writer.writeEmptyElement(QStringLiteral("glob"));
        writer.writeAttribute(QStringLiteral("pattern"), type.pattern);
        writer.writeEndElement();
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}

QByteArray applicationEntry(const ApplicationEntry& entry) {
    QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nComment=%2\n")
                       .arg(entry.name, entry.comment);
    if (!entry.germanComment.isEmpty())
        text += QStringLiteral("Comment[de]=%1\n").arg(entry.germanComment);
    text +=
        QStringLiteral("Exec=%1 %f\nIcon=%2\nTerminal=false\nCategories=%3\nMimeType=%4;\n")
            .arg(execArgument(entry.executable), entry.icon, entry.categories, entry.mimeTypes.join(u';'));
    return text.toUtf8();
}

bool updateDesktopFiles(const QString& dataHome, const QList<DesktopFile>& files) {
    bool changed = false;
    for (const DesktopFile& file : files) {
        const QString path = dataHome + u'/' + file.path;
        if (holds(path, file.content))
            continue;
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!tryWriteFileSafely(path, file.content))
            return false;
        changed = true;
    }
    if (changed) {
        refreshDatabase(QStringLiteral("update-mime-database"), dataHome + QStringLiteral("/mime"));
        refreshDatabase(QStringLiteral("update-desktop-database"),
                        dataHome + QStringLiteral("/applications"));
    }
    return true;
}

} // namespace velmora
