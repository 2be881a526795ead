#pragma once

#include "sheet/model/Sheet.h"

#include <vector>

namespace velmora::sheet {

/// What is selected in a sheet: one or more ranges of cells (whole rows reach every column, whole columns
/// every row), or drawing objects, or text inside a cell being edited.
struct Selection {
    std::vector<CellRange> ranges{CellRange{}}; ///< the last one is the active range
    CellPos active;                             ///< the active cell
    std::vector<int> objects;                   ///< indices of the selected drawing objects
    bool editingCell = false;

    static bool isWholeRows(const CellRange& range) { return range.left == 1 && range.right == maxColumns; }
    static bool isWholeColumns(const CellRange& range) { return range.top == 1 && range.bottom == maxRows; }

    /// The kind code the designer's commands are enabled by: 1 a range of cells, 3 whole rows, 5 whole
    /// columns, 7 the whole sheet, each one more (2, 4, 6, 8) for several ranges; 9 one drawing object,
    /// 10 several; 11 text inside a cell being edited. Ranges of different kinds count as several cells.
    int kind() const;
};

} // namespace velmora::sheet
