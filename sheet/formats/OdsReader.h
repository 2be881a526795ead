#pragma once

#include "sheet/model/Workbook.h"

#include <QByteArrayView>

namespace velmora::sheet {

/// Reads an ".ods" workbook (OpenDocument spreadsheet): what the import library reports, and from the
/// content itself merged ranges, hidden rows and columns, wrap, and the texts of formulas whose results
/// the library leaves out. Throws SheetError for a damaged file or one beyond the limits.
Workbook readOds(QByteArrayView file);

/// Whether a zip archive begins with the entry naming the OpenDocument spreadsheet type.
bool looksLikeOds(QByteArrayView bytes);

} // namespace velmora::sheet
