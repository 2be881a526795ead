#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace velmora {

/// One MIME type of a shared-mime-info package.
struct MimeTypeEntry {
    QString type;    ///< e.g. "application/x-velmoragleichgewicht"
    QString comment; ///< shown by file managers
    QString pattern; ///< e.g. "*.was"
};

/// The package (for "mime/packages/") that defines `types`.
QByteArray mimePackage(const QList<MimeTypeEntry>& types);

/// What the application entry of a program says.
struct ApplicationEntry {
    QString name;
    QString comment;
    QString germanComment; ///< for German desktops where `comment` is not German; may be empty
    QString executable;    ///< started with the file to open
    QString icon;
    QString categories; ///< e.g. "Science;Chemistry;"
    QStringList mimeTypes;
};

/// The ".desktop" file (for "applications/") of `entry`.
QByteArray applicationEntry(const ApplicationEntry& entry);

/// A file the desktop reads from the user's data folder ($XDG_DATA_HOME), e.g. "applications/x.desktop".
struct DesktopFile {
    QString path; ///< below the data folder
    QByteArray content;
};

/// Writes each file below `dataHome` whose content differs from what is there and, when one was written,
/// refreshes the desktop's MIME and application databases where their tools exist, so that a program may
/// do this at every start at the price of reading a few small files. False when a file could not be
/// written (an existing one is then as it was).
bool updateDesktopFiles(const QString& dataHome, const QList<DesktopFile>& files);

} // namespace velmora
