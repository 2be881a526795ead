#pragma once

#include <limits>
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

namespace velmora {

/// A delimited text with more records or fields than its reader takes.
class DelimitedLimitError : public std::runtime_error {
public:
    DelimitedLimitError(bool records)
        : std::runtime_error("delimited text too large"), tooManyRecords(records) {}
    const bool tooManyRecords; ///< else a record has too many fields
};

/// Records of a delimited text (CSV, tab-separated): fields are split at `separator` and records at line
/// ends (LF, CR LF or CR); a quoted field may hold separators, line ends and doubled quotes. Splitting
/// stops with DelimitedLimitError as soon as there are more than `maxRecords` records or a record has
/// more than `maxFields` fields, so a huge file costs no more than its limits.
std::vector<QStringList> splitDelimited(const QString& text, QChar separator,
                                        std::size_t maxRecords = std::numeric_limits<std::size_t>::max(),
                                        qsizetype maxFields = std::numeric_limits<qsizetype>::max());

/// A field as splitDelimited() reads it back: quoted when it holds the separator, a quote or a line end.
QString quoteDelimited(const QString& field, QChar separator);

} // namespace velmora
