#pragma once

#include "sheet/model/Workbook.h"

#include <QByteArray>
#include <vector>

namespace velmora::sheet {

enum class SpreadsheetKind { Xlsx, Ods };

/// What a cell format says that the import library does not report, by the format's index in the file.
struct CellFormatExtras {
    bool wrap = false;
    bool centreAcrossSelection = false;
    bool underline = false;
};

/// Reads an ".xlsx" or ".ods" archive with the import library: sheets, cell texts as shown (numbers
/// with the decimals, dates and times of their format, formulas as their last result), fonts, fill,
/// borders, alignment, column widths, row heights, hidden lines, merges (".xlsx"), frozen panes and
/// defined names. The archive must be one the caller has checked and repacked: the library trusts the
/// sizes it names. Throws SheetError for a damaged file or one beyond the component's limits.
Workbook importSpreadsheet(const QByteArray& archive, SpreadsheetKind kind,
                           const std::vector<CellFormatExtras>& extras = {});

} // namespace velmora::sheet
