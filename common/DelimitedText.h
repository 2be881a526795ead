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

/// splitDelimited() for a text that arrives in pieces, such as the lines of a file too large to hold:
/// each record is handed on as soon as it ends. A piece must not end between the CR and LF of a line end
/// or between two quotes that stand for one (lines as QIODevice::readLine() gives them never do).
class DelimitedSplitter {
public:
    explicit DelimitedSplitter(QChar separator, const DelimitedLimits& limits = {});

    /// Splits `piece`, appending the records that end in it to `records`.
    void feed(QStringView piece, std::vector<QStringList>& records);
    /// The end of the text: appends a last record that has no line end.
    void finish(std::vector<QStringList>& records);

private:
    void endField();
    void endRecord(std::vector<QStringList>& records);

    QChar separator;
    DelimitedLimits limits;
    QStringList record;
    QString field;
    std::size_t recordCount = 0;
    std::size_t filledFields = 0;
    bool quoted = false;
};

/// A field as splitDelimited() reads it back: quoted when it holds the separator, a quote or a line end.
QString quoteDelimited(const QString& field, QChar separator);

} // namespace velmora
