#pragma once

#include <QByteArray>
#include <QString>

namespace velmora {

/// Windows-1252, the code page of the texts in data, project, desktop and configuration files.
/// Characters the code page lacks become "?".
QByteArray toCp1252(const QString& text);
QString fromCp1252(QByteArrayView bytes);

} // namespace velmora
