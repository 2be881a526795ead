#pragma once

#include <map>
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace velmora::sheet {

/// The files of a zip archive by their path inside it ("xl/workbook.xml").
using ZipEntries = std::map<QString, QByteArray>;

/// Limits of what an archive may unpack to: a workbook of the component's size limits fits easily, a
/// zip bomb does not.
inline constexpr qint64 maxUnpackedSize = 256 * 1024 * 1024;
inline constexpr std::size_t maxZipEntries = 4096;

/// Whether the bytes begin like a zip archive.
bool looksLikeZip(QByteArrayView bytes);

/// Unpacks every file of an archive, each read only up to what the limits leave. Throws SheetError for
/// a damaged archive or one beyond the limits.
ZipEntries readZipArchive(QByteArrayView archive);

/// The text of the first element of this local name in a part of the archive ("title" in
/// "docProps/core.xml"); empty where there is none.
QString firstElementText(const ZipEntries& entries, const QString& part, QStringView element);

/// An archive of the entries, stored without compression. Throws SheetError.
QByteArray writeZipArchive(const ZipEntries& entries);

} // namespace velmora::sheet
