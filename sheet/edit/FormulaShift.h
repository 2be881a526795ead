#pragma once

#include "sheet/edit/LineShift.h"
#include "sheet/model/Workbook.h"

#include <vector>

namespace velmora::sheet {

/// One formula as it was and as it is to be.
struct FormulaRewrite {
    int sheet = 0;
    CellPos pos;
    QString before;
    QString after;
};

/// Lines of one sheet moved: `band` gives the lines of the other axis that move (all of them for whole rows
/// or columns).
struct SheetShift {
    int sheet = 0;
    LineShift shift;
    std::pair<int, int> band;
};

/// The formulas of the workbook, as the moved cells stand now, with their references to the moved cells
/// following them; references to deleted cells become "#REF!". Only the formulas that change are given.
std::vector<FormulaRewrite> shiftedFormulas(const Workbook& workbook, const SheetShift& shift);

/// The defined names with their ranges moved the same way; a name whose range is deleted is left out.
std::map<QString, QString> shiftedNames(const Workbook& workbook, const SheetShift& shift);

/// Sets each formula to its `after` (or, with `backwards`, its `before`), keeping the shown texts.
void applyRewrites(Workbook& workbook, const std::vector<FormulaRewrite>& rewrites, bool backwards);

} // namespace velmora::sheet
