#pragma once

#include <QByteArray>
#include <QString>

namespace tabrix {

/// The MIME type of the designer's own workbooks (".vts").
QString documentMimeType();

/// The designer's application entry, which the desktop starts as `executable` with the file to open.
QByteArray desktopEntry(const QString& executable);

/// Makes the desktop open ".vts" files with `executable`: the package and the entry below `dataHome`
/// ($XDG_DATA_HOME), written only where they differ, so that every start may call it. False when a file
/// could not be written.
bool registerDocumentType(const QString& dataHome, const QString& executable);

} // namespace tabrix
