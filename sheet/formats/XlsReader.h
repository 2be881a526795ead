#pragma once

#include "sheet/model/Workbook.h"

namespace velmora::sheet {

/// Reads an ".xls" workbook (BIFF2 to BIFF8): every sheet's cell values as texts. Numbers are written
/// with the decimals of their cell's number format where it fixes them. Returns the file-type code
/// (4 for BIFF5 and older, 11 for BIFF8); throws SheetError for a file FreeXL cannot read.
Workbook readXls(const QString& path, int& code);

} // namespace velmora::sheet
