#pragma once

#include "sheet/model/Workbook.h"

#include <QByteArray>

namespace velmora::sheet {

/// The ".xlsx" file of a workbook: what the ".xls" writer writes (texts, plain numbers as numbers with
/// the decimals they show, fonts, alignment, wrap, fill, borders, widths, heights, hidden lines, merges)
/// and what BIFF cannot hold: texts up to 32 767 characters, all of Unicode, defined names, frozen
/// panes, sheet protection, the title and the print settings (orientation, margins, area, title rows
/// and columns, page breaks). Sheet names Excel does not accept are made acceptable. Throws SheetError.
QByteArray writeXlsx(const Workbook& workbook);

} // namespace velmora::sheet
