#pragma once

#include "sheet/model/Workbook.h"

#include <QString>
#include <vector>

class QPrinter;

namespace velmora::sheet {

/// Splits the printed area of a sheet (its print area, else its used range) into pages of
/// `pageWidth` × `pageHeight` pixels at 100 %, down first and then across, honouring manual breaks and
/// leaving room for repeated title rows and columns.
std::vector<CellRange> paginate(const Sheet& sheet, double pageWidth, double pageHeight);

/// Prints every page of every sheet as the sheet looks at 100 %, in the sheet's orientation and margins,
/// with `title` in each page header and the page number in its footer. Returns the pages printed.
int printWorkbook(const Workbook& workbook, const QString& title, QPrinter& printer);

} // namespace velmora::sheet
