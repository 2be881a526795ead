#pragma once

#include "sheet/model/Sheet.h"

namespace velmora::sheet {

enum class Axis { Rows, Columns };

/// Lines inserted (count > 0) before line `at`, or deleted (count < 0: the lines at to at - count - 1).
struct LineShift {
    Axis axis = Axis::Rows;
    int at = 1;
    int count = 0;

    int deletedCount() const { return count < 0 ? -count : 0; }
    /// The number a line has afterwards; 0 for a deleted line.
    int map(int line) const;
    /// The span of lines [first, last] afterwards; false when every line of it is deleted. A span the
    /// insertion falls inside grows.
    bool map(int& first, int& last) const;
    /// The same range afterwards, its lines along the axis mapped; false when it is deleted.
    bool map(CellRange& range) const;
};

/// Moves everything the layout keeps per line (sizes, hidden lines, merges, page breaks, print ranges and
/// drawing objects) with the lines. Used for whole rows and columns.
void shiftLayout(SheetLayout& layout, const LineShift& shift);

/// Moves the merges that lie inside the lines `crossFirst` to `crossLast` of the other axis, as an insertion
/// or deletion of cells in that band does. Throws SheetError when a merge lies partly in the band.
void shiftMergesInBand(std::vector<CellRange>& merges, const LineShift& shift, int crossFirst, int crossLast);

} // namespace velmora::sheet
