#pragma once

#include "sheet/model/Sheet.h"

#include <vector>

namespace velmora::sheet {

/// One key of a sort: the row or column number (of the sheet) whose cells decide, and the direction.
struct SortKey {
    int line = 1;
    bool ascending = true;
};

/// Up to three keys, the first deciding first. `byRows` sorts the rows of the range (keys are columns);
/// otherwise its columns (keys are rows).
struct SortOrder {
    std::vector<SortKey> keys;
    bool byRows = true;
};

/// Orders two cell texts: numbers (as formulas read them) before texts, texts without regard to case,
/// empty cells last in both directions.
int compareCellTexts(const QString& a, const QString& b);

/// Sorts the lines of `range`; every cell of a line moves with it, text and style. Throws SheetError for
/// no key, more than three or a key outside the range.
void sortRange(Sheet& sheet, const CellRange& range, const SortOrder& order);

} // namespace velmora::sheet
