#pragma once

#include "sheet/model/Workbook.h"

#include <QByteArray>

namespace velmora::sheet {

/// Code 3: the cell texts of the first sheet, tab-separated, one line per row, UTF-8. Texts that hold a
/// tab, a quote or a line end are quoted as spreadsheet programs expect.
QByteArray writeText(const Workbook& workbook);
/// A workbook of one sheet from such a text (UTF-8, or code page 1252 where it is no valid UTF-8).
Workbook readText(const QByteArray& content);

} // namespace velmora::sheet
