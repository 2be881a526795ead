#pragma once

#include <QByteArray>
#include <QString>

namespace velmora {

/// Windows-1252, the code page of the texts in data, project, desktop and configuration files.
/// Characters the code page lacks become "?".
QByteArray toCp1252(const QString& text);
QString fromCp1252(QByteArrayView bytes);

/// A text file written by a user's program: UTF-8 (a byte-order mark is dropped) or, where the bytes are
/// no valid UTF-8, code page 1252 as older Windows programs write it.
QString decodeTextFile(const QByteArray& content);

/// Whether decodeTextFile() reads `bytes` as UTF-8. A file read line by line is UTF-8 where every line is.
bool isUtf8(QByteArrayView bytes);

} // namespace velmora
