#pragma once

#include <limits>
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

namespace velmora {

/// How much of a delimited text its reader takes.
struct DelimitedLimits {
    std::size_t records = std::numeric_limits<std::size_t>::max();
    qsizetype fieldsPerRecord = std::numeric_limits<qsizetype>::max();
    std::size_t filledFields = std::numeric_limits<std::size_t>::max(); ///< fields that are not empty
};

/// A delimited text beyond one of its reader's limits.
class DelimitedLimitError : public std::runtime_error {
public:
    enum class Limit { Records, FieldsPerRecord, FilledFields };
    explicit DelimitedLimitError(Limit exceeded)
        : std::runtime_error("delimited text too large"), limit(exceeded) {}
    const Limit limit;
};

/// Records of a delimited text (CSV, tab-separated): fields are split at `separator` and records at line
/// ends (LF, CR LF or CR); a quoted field may hold separators, line ends and doubled quotes. Splitting
/// stops with DelimitedLimitError as soon as a limit is passed, so a huge file costs no more than its
/// limits.
std::vector<QStringList> splitDelimited(const QString& text, QChar separator,
                                        const DelimitedLimits& limits = {});

/// A field as splitDelimited() reads it back: quoted when it holds the separator, a quote or a line end.
QString quoteDelimited(const QString& field, QChar separator);

} // namespace velmora
