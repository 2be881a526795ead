#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace velmora {

/// Records of a delimited text (CSV, tab-separated): fields are split at `separator` and records at line
/// ends (LF, CR LF or CR); a quoted field may hold separators, line ends and doubled quotes.
std::vector<QStringList> splitDelimited(const QString& text, QChar separator);

/// A field as splitDelimited() reads it back: quoted when it holds the separator, a quote or a line end.
QString quoteDelimited(const QString& field, QChar separator);

} // namespace velmora
