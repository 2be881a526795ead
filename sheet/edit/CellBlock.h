#pragma once

#include "sheet/model/Sheet.h"

#include <QByteArray>
#include <vector>

namespace velmora::sheet {

/// A rectangle of cells taken out of a sheet, as the clipboard carries it.
struct CellBlock {
    int rows = 0;
    int columns = 0;
    std::vector<Cell> cells; ///< row by row; empty cells hold the sheet's default style
    CellPos origin;          ///< where it was copied from: formulas move by the distance to where it goes

    const Cell& at(int row, int column) const { return cells[std::size_t(row * columns + column)]; }
    bool operator==(const CellBlock&) const = default;
};

enum class PasteKind { All, Values, Formats, Formulas };

/// The component's own clipboard format; other programs get text and HTML beside it.
inline constexpr char cellBlockMimeType[] = "application/x-velmora-cells";

CellBlock copyBlock(const Sheet& sheet, const CellRange& range);
/// Tab-separated text, fields quoted where they hold a tab, quote or line break.
QString blockText(const CellBlock& block);
/// A table as other programs paste it.
QString blockHtml(const CellBlock& block);
/// The block as a one-sheet workbook in the component's format.
QByteArray encodeBlock(const CellBlock& block);

/// Blocks from the clipboard: the component's format, tab-separated text and HTML tables. Anything
/// damaged or beyond the sheet's size gives an empty block.
CellBlock decodeBlock(const QByteArray& data);
CellBlock blockFromText(const QString& text, const CellStyle& style);
CellBlock blockFromHtml(const QString& html, const CellStyle& style);

/// The range the block covers when pasted at `at` (rows and columns swapped by `transpose`).
CellRange pasteRange(const CellBlock& block, CellPos at, bool transpose);
/// Pastes texts, styles or both: all of a cell, its shown text, its style or its formula (moved) or text;
/// cells beyond the sheet's end are left out.
void pasteBlock(Sheet& sheet, CellPos at, const CellBlock& block, PasteKind kind, bool transpose);

} // namespace velmora::sheet
