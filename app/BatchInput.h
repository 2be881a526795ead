#pragma once

#include "app/BatchAnalysis.h"

#include <QByteArray>
#include <QChar>
#include <QStringList>
#include <stdexcept>
#include <vector>

namespace velmora {

/// A laboratory file that cannot be used at all (as opposed to one unreadable analysis in it).
class BatchInputError : public std::runtime_error {
public:
    explicit BatchInputError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

/// Analyses read from a file, with the separator of a CSV file and the columns that were not understood.
struct BatchInput {
    std::vector<BatchAnalysis> analyses;
    QChar separator = u';';
    QStringList unknownFields;
};

/// CSV with a header line of field names (the input dialog's object names); the separator is ";", ","
/// or tab, whichever the header line holds most. Absent fields take the dialog's default texts.
BatchInput readCsvAnalyses(const QByteArray& content);

/// A JSON object or an array of objects keyed by the same names; numbers may be JSON numbers or texts.
BatchInput readJsonAnalyses(const QByteArray& content);

} // namespace velmora
