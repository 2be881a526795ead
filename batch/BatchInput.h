#pragma once

#include "batch/BatchAnalysis.h"
#include "common/DelimitedText.h"
#include "windows/AnalysisForm.h"

#include <QByteArray>
#include <QChar>
#include <QIODevice>
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

/// A laboratory CSV file read analysis by analysis, so that a file of any length takes the memory of a
/// few rows: a first pass checks that it is text and finds its code page (UTF-8 where every line is, else
/// 1252), separators and number of rows, the second hands out the analyses as readCsvAnalyses() reads
/// them. `device` must be open, seekable and stay so while the reader lives.
class CsvAnalysisReader {
public:
    /// Throws BatchInputError for a file that is no text or has no header line.
    explicit CsvAnalysisReader(QIODevice& device);

    QChar separator() const { return fieldSeparator; }
    QChar decimalSeparator() const { return decimals; } ///< the one most numbers of the file use
    const QStringList& unknownFields() const { return unknown; }
    std::size_t analysisCount() const { return rows; }

    /// The next analysis of the file; false after the last.
    bool next(BatchAnalysis& analysis);

private:
    void rewind();
    bool nextRecord(QStringList& record);

    QIODevice& device;
    bool utf8 = true;
    QChar fieldSeparator = u';';
    QChar decimals = u'.';
    QStringList header;
    QStringList unknown;
    std::size_t rows = 0;
    const AnalysisHeader defaults = defaultAnalysisHeader();
    DelimitedSplitter splitter{fieldSeparator};
    std::vector<QStringList> pending; ///< records split from the last line read
    std::size_t nextPending = 0;
    bool atStart = true;
};

/// CSV with a header line of field names (the input dialog's object names); the separator is ";", ","
/// or tab, whichever the header line holds most. Each row is checked as the analysis dialog checks its
/// edits: every number the row's method reads must be there and valid; absent header texts and method take
/// the dialog's defaults. Throws BatchInputError for a file that is no text or has no header line.
BatchInput readCsvAnalyses(const QByteArray& content);

/// A JSON object or an array of objects keyed by the same names; numbers may be JSON numbers or texts.
BatchInput readJsonAnalyses(const QByteArray& content);

} // namespace velmora
