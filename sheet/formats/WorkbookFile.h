#pragma once

#include "sheet/model/Workbook.h"

#include <QString>

namespace velmora::sheet {

/// Reads a workbook file of any readable format (".vts", ".xls", ".xlsx", ".ods", ".txt"), recognised by
/// its contents and extension; returns the file-type code. Its formulas are computed afresh. Throws
/// SheetError for a missing, unreadable, damaged or unknown file.
Workbook readWorkbookFile(const QString& path, int& code);

/// Writes the workbook in the format of `code` (12, 13, 11, 4, 9 or 3). The file is replaced only when the
/// whole new content is written; throws SheetError otherwise.
void writeWorkbookFile(const Workbook& workbook, const QString& path, int code);

/// The extension the format of `code` uses, with its dot; empty for an unknown code.
QString extensionOf(int code);

/// The code a file named with this extension (without dot, any case) is written in: ".xls" as Excel 97,
/// ".html" as ".htm"; 0 for an extension of no format that can be written.
int writableCodeOf(const QString& extension);

} // namespace velmora::sheet
