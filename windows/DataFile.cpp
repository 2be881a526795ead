#include "windows/DataFile.h"

#include "common/FixedRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace velmora {

QByteArray readDataFile(const QString& path, qsizetype size) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(path));
    const QByteArray records = file.read(size);
    if (records.size() < size)
        throw FileError(QStringLiteral("Die Datei %1 ist zu kurz.").arg(path));
    return records;
}

QString proposedFileName(const QString& caption, const QString& kindName) {
    // Control characters go too: a name with a NUL in it would be cut there by the file system.
    static const QRegularExpression forbidden(QStringLiteral("[\\\\/:*?\"<>|\\x{0}-\\x{1f}\\x{7f}]"));
    QString name = caption;
    name.remove(forbidden);
    return name.isEmpty() ? kindName : name;
}

QString nativeFileName(const QString& name, const QString& extension) {
    const QFileInfo info(name);
    const QString base = info.suffix().isEmpty() ? info.fileName() : info.completeBaseName();
    return info.dir().filePath(base + extension);
}

bool isSameFile(const QString& a, const QString& b) {
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}

} // namespace velmora
