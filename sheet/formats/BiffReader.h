#pragma once

#include "sheet/model/Workbook.h"

#include <QByteArrayView>

namespace velmora::sheet {

/// Reads a BIFF workbook stream: BIFF5 and BIFF8 workbooks as they stand in a compound file, and
/// BIFF2 to BIFF4 worksheets and workbooks, which are plain files. Cell values become the texts a
/// spreadsheet shows (numbers with the decimals, dates and times of their format, formulas as their
/// last result); BIFF5 and BIFF8 also give fonts, alignment, fill, borders, column widths, row heights,
/// hidden lines and merges. Returns the file-type code (4 for BIFF5 and older, 11 for BIFF8); throws
/// SheetError for a damaged stream or one beyond the component's limits.
Workbook readBiffStream(QByteArrayView stream, int& code);

/// Whether the bytes begin with the first record of a BIFF stream.
bool startsLikeBiffStream(QByteArrayView bytes);

} // namespace velmora::sheet
