#pragma once

#include "batch/BatchAnalysis.h"

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

/// Analyses read from a file, with the separators of a CSV file and the columns that were not understood.
struct BatchInput {
    std::vector<BatchAnalysis> analyses;
    QChar separator = u';';
    QChar decimalSeparator = u'.'; ///< the one most numbers of the file use
    QStringList unknownFields;
};

/// CSV with a header line of field names (the input dialog's object names); the separator is ";", ","
/// or tab, whichever the header line holds most. Each row is checked as the analysis dialog checks its
/// edits: every number the row's method reads must be there and valid; absent header texts and method take
/// the dialog's defaults. Throws BatchInputError for a file that is no text or has no header line.
BatchInput readCsvAnalyses(const QByteArray& content);

/// A JSON object or an array of objects keyed by the same names; numbers may be JSON numbers or texts.
BatchInput readJsonAnalyses(const QByteArray& content);

} // namespace velmora
