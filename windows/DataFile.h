#pragma once

#include <QByteArray>
#include <QString>

namespace velmora {

/// The first `size` bytes of a data file (more are ignored); throws FileError for a file that is missing,
/// unreadable or shorter.
QByteArray readDataFile(const QString& path, qsizetype size);

/// Whether two names name one file: the same file on disk (links resolved), or, where one is gone, the same
/// absolute path. Letter case counts, as it does for the file system.
bool isSameFile(const QString& a, const QString& b);

/// The name "Speichern unter" proposes for a window: its caption without the characters a file name may
/// not hold (\ / : * ? " < > | and control characters), or the window's kind name when nothing is left.
QString proposedFileName(const QString& caption, const QString& kindName);

/// Where a native save of `name` goes: its folder and base name with the type's extension
/// ("/daten/Analyse 1.xyz" becomes "/daten/Analyse 1.was").
QString nativeFileName(const QString& name, const QString& extension);

} // namespace velmora
