#pragma once

#include "sheet/model/Workbook.h"

#include <QPageLayout>
#include <QString>
#include <vector>

class QPrinter;

namespace velmora::sheet {

/// Splits the printed area of a sheet (its print area, else its used range) into pages of
/// `pageWidth` × `pageHeight` pixels at 100 %, down first and then across, honouring manual breaks and
/// leaving room for repeated title rows and columns.
std::vector<CellRange> paginate(const Sheet& sheet, double pageWidth, double pageHeight);

/// How one sheet goes onto its paper: the page layout of its settings, the scale of its cells there and
/// the cells of each page.
struct SheetOnPaper {
    QPageLayout layout;
    double zoom = 1.0; ///< the settings' scale, or the one that fits the cells onto the pages asked for
    std::vector<CellRange> pages;
};

SheetOnPaper sheetOnPaper(const Sheet& sheet, const QPageLayout& layout);
/// The paper, orientation and margins of the settings.
QPageLayout pageLayout(const PrintSettings& print);
/// On the sheet's own paper.
inline SheetOnPaper sheetOnPaper(const Sheet& sheet) {
    return sheetOnPaper(sheet, pageLayout(sheet.print()));
}

/// Prints every page of every sheet by its page setup: its paper, orientation, margins and scale, the
/// header and footer (where "&F" stands for `title`), gridlines, headings and centring as set.
/// Returns the pages printed.
int printWorkbook(const Workbook& workbook, const QString& title, QPrinter& printer);

} // namespace velmora::sheet
