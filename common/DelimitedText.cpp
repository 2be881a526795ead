#include "common/DelimitedText.h"

namespace velmora {

using Limit = DelimitedLimitError::Limit;

DelimitedSplitter::DelimitedSplitter(QChar separator, const DelimitedLimits& limits)
    : separator(separator), limits(limits) {}

void DelimitedSplitter::endField() {
    if (record.size() >= limits.fieldsPerRecord)
        throw DelimitedLimitError(Limit::FieldsPerRecord);
    if (!field.isEmpty() && ++filledFields > limits.filledFields)
        throw DelimitedLimitError(Limit::FilledFields);
    record.append(field);
    field.clear();
}

void DelimitedSplitter::endRecord(std::vector<QStringList>& records) {
    if (recordCount++ >= limits.records)
        throw DelimitedLimitError(Limit::Records);
    records.push_back(record);
    record.clear();
}

void DelimitedSplitter::feed(QStringView piece, std::vector<QStringList>& records) {
    for (qsizetype i = 0; i < piece.size(); ++i) {
        const QChar c = piece[i];
        if (quoted) {
            if (c == u'"' && i + 1 < piece.size() && piece[i + 1] == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else if (c == separator) {
            endField();
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < piece.size() && piece[i + 1] == u'\n')
                ++i;
            endField();
            endRecord(records);
        } else {
            field += c;
        }
    }
}

void DelimitedSplitter::finish(std::vector<QStringList>& records) {
    if (!field.isEmpty() || !record.isEmpty()) {
        endField();
        endRecord(records);
    }
}

std::vector<QStringList> splitDelimited(const QString& text, QChar separator, const DelimitedLimits& limits) {
    std::vector<QStringList> records;
    DelimitedSplitter splitter(separator, limits);
    splitter.feed(text, records);
    splitter.finish(records);
    return records;
}

QString quoteDelimited(const QString& field, QChar separator) {
    const bool needsQuotes =
        field.contains(separator) || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r');
    if (!needsQuotes)
        return field;
    QString quoted = field;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace velmora
