#pragma once

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QUrl>

namespace velmora::test {

/// Whether LibreOffice is installed; it is no dependency of the project, and the tests that compare
/// with it skip themselves without it.
inline bool hasLibreOffice() {
    return !QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty();
}

/// Converts `file` with LibreOffice ("ods", or "csv:…" with filter options) into `directory`, with a
/// profile of its own there; the path of the converted file, empty when the conversion failed.
inline QString convertWithLibreOffice(const QString& file, const QString& target, const QString& extension,
                                      const QString& directory) {
    QProcess soffice;
    soffice.setProcessChannelMode(QProcess::MergedChannels);
    // Numbers shown with a decimal point, whatever the machine's language.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    soffice.setProcessEnvironment(environment);
    soffice.start(QStandardPaths::findExecutable(QStringLiteral("soffice")),
                  {QStringLiteral("-env:UserInstallation=") +
                       QUrl::fromLocalFile(QDir(directory).filePath(QStringLiteral("profil"))).toString(),
                   QStringLiteral("--headless"), QStringLiteral("--convert-to"), target,
                   QStringLiteral("--outdir"), directory, file});
    if (!soffice.waitForFinished(180000) || soffice.exitCode() != 0)
        return {};
    const QString converted = QDir(directory).filePath(QFileInfo(file).completeBaseName() + u'.' + extension);
    return QFileInfo::exists(converted) ? converted : QString();
}

} // namespace velmora::test
