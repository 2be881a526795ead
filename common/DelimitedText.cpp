#include "common/DelimitedText.h"

namespace velmora {

std::vector<QStringList> splitDelimited(const QString& text, QChar separator, const DelimitedLimits& limits) {
    using Limit = DelimitedLimitError::Limit;
    std::vector<QStringList> records;
    QStringList record;
    QString field;
    std::size_t filledFields = 0;
    bool quoted = false;
    const auto endField = [&] {
        if (record.size() >= limits.fieldsPerRecord)
            throw DelimitedLimitError(Limit::FieldsPerRecord);
        if (!field.isEmpty() && ++filledFields > limits.filledFields)
            throw DelimitedLimitError(Limit::FilledFields);
        record.append(field);
        field.clear();
    };
    const auto endRecord = [&] {
        if (records.size() >= limits.records)
            throw DelimitedLimitError(Limit::Records);
        records.push_back(record);
        record.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
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
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            endField();
            endRecord();
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !record.isEmpty()) {
        endField();
        endRecord();
    }
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
