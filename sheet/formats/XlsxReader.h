#pragma once

#include "sheet/model/Workbook.h"

#include <QByteArrayView>

namespace velmora::sheet {

/// Reads an ".xlsx" workbook (Office Open XML): what the import library reports, and from the parts
/// themselves the wrap and centre-across-selection of the cell formats, the sheets' default row heights
/// and the error values formulas show. Throws SheetError for a damaged file or one beyond the limits.
Workbook readXlsx(QByteArrayView file);

} // namespace velmora::sheet
