#pragma once

#include "batch/BatchAnalysis.h"
#include "batch/BatchCommand.h"

#include <optional>
#include <QSet>
#include <QString>
#include <vector>

class QTextStream;

namespace velmora {

/// Writes one ".was" per evaluated analysis into a directory, named as "Speichern unter" would propose it;
/// a name taken earlier in the same run gets " (2)", " (3)", ...
class WaterFileSaver {
public:
    explicit WaterFileSaver(const QString& directory);

    /// False, told on `err`, when the directory is not there.
    bool directoryExists(QTextStream& err) const;
    /// The files of `results`; false if one could not be written (told on `err`).
    bool save(const std::vector<BatchResult>& results, QTextStream& err);

private:
    QString directory;
    QSet<QString> taken; ///< the names of the run, lower-cased
};

/// Reads `dataFile` as its window type's record, fills the type's template from it as the window does and
/// writes the sheet in the format of `outFile`'s extension (".xls" as Excel 97, or `excelCode` 4 for
/// Excel 5/95; ".htm", ".txt", ".vts"). Returns the exit code: batchOk, batchRowFailed for a data file
/// or template that cannot be used or a report that cannot be written, batchUnusable for an output
/// format or a file type the program does not have; the reason goes to `err`. For a file of a known type
/// one JSON line goes to `out`: the window's kind and title, the file written and the messages.
int exportDataFile(const QString& dataFile, const QString& outFile, std::optional<int> excelCode,
                   QTextStream& out, QTextStream& err);

/// Draws the pH (or SI) chart of a mixing or temperature file as the chart window shows it and writes it
/// as PNG, SVG or, for a name ending in ".pdf", PDF. Returns the exit code as exportDataFile does.
int writeChart(const QString& dataFile, bool pH, const QString& outFile, QTextStream& err);

} // namespace velmora
