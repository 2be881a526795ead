#pragma once

#include "sheet/model/Workbook.h"

#include <QByteArray>
#include <vector>

namespace velmora::sheet {

/// What a cell format says that the import library does not report, by the format's index in the file.
struct CellFormatExtras {
    bool wrap = false;
    bool centreAcrossSelection = false;
    bool underline = false;
    bool locked = true;
    bool formulaHidden = false;
};

/// Reads an ".xlsx" archive with the import library: sheets, cell texts as shown (numbers with the
/// decimals, dates and times of their format, formulas as their last result), fonts, fill, borders,
/// alignment, column widths, row heights, hidden lines, merges, frozen panes and defined names. The
/// archive must be one the caller has checked and repacked: the library trusts the sizes it names.
/// Throws SheetError for a damaged file or one beyond the component's limits.
Workbook importXlsx(const QByteArray& archive, const std::vector<CellFormatExtras>& extras);

} // namespace velmora::sheet
