#pragma once

#include "batch/BatchAnalysis.h"

#include <optional>
#include <QString>
#include <vector>

class QTextStream;

namespace velmora {

/// Writes one ".was" per evaluated analysis into `directory`, named as "Speichern unter" would propose it;
/// a name taken earlier in the same run gets " (2)", " (3)", ... Returns false if a file could not be
/// written (told on `err`).
bool saveWaterFiles(const std::vector<BatchResult>& results, const QString& directory, QTextStream& err);

/// Reads `dataFile` as its window type's record, fills the type's template from it as the window does and
/// writes the sheet in the format of `outFile`'s extension (".xls" as Excel 97, or `excelCode` 4 for
/// Excel 5/95; ".htm", ".txt", ".vts"). Returns false with the reason on `err`.
bool exportDataFile(const QString& dataFile, const QString& outFile, std::optional<int> excelCode,
                    QTextStream& err);

} // namespace velmora
