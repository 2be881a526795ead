#include "sheet/edit/FormulaShift.h"

#include "sheet/formula/FormulaTokens.h"

namespace velmora::sheet {

namespace {

// The range moved as the shift moves its lines; empty when all of it is deleted. A range only partly in
// the band of a shift of cells stays where it is.
std::optional<CellRange> shiftedRange(CellRange range, const SheetShift& shift) {
    const bool rows = shift.shift.axis == Axis::Rows;
    const int crossFirst = rows ? range.left : range.top;
    const int crossLast = rows ? range.right : range.bottom;
    if (crossFirst < shift.band.first || crossLast > shift.band.second)
        return range;
    if (!shift.shift.map(range))
        return std::nullopt;
    return range;
}

std::optional<FormulaReference> shiftedReference(FormulaReference reference, const SheetShift& shift) {
    const std::optional<CellRange> moved = shiftedRange(reference.range(), shift);
    if (!moved)
        return std::nullopt;
    // The corners keep their "$" marks; the first is the top-left one again.
    CellReferencePart& first = reference.first;
    CellReferencePart& last = reference.last;
    if (first.row > last.row)
        std::swap(first.row, last.row), std::swap(first.fixedRow, last.fixedRow);
    if (first.column > last.column)
        std::swap(first.column, last.column), std::swap(first.fixedColumn, last.fixedColumn);
    first.row = moved->top;
    first.column = moved->left;
    last.row = moved->bottom;
    last.column = moved->right;
    return reference;
}

} // namespace

std::vector<FormulaRewrite> shiftedFormulas(const Workbook& workbook, const SheetShift& shift) {
    const QString& shiftedName = workbook.sheet(shift.sheet).name();
    std::vector<FormulaRewrite> rewrites;
    for (int sheet = 0; sheet < workbook.sheetCount(); ++sheet)
        for (const auto& [pos, cell] : workbook.sheet(sheet).cells()) {
            if (cell.formula.isEmpty())
                continue;
            const QString after = rewriteReferences(
                cell.formula, [&](const FormulaReference& reference) -> std::optional<FormulaReference> {
                    const bool here = reference.sheet.isEmpty()
                                          ? sheet == shift.sheet
                                          : reference.sheet.compare(shiftedName, Qt::CaseInsensitive) == 0;
                    return here ? shiftedReference(reference, shift) : reference;
                });
            if (after != cell.formula)
                rewrites.push_back({sheet, pos, cell.formula, after});
        }
    return rewrites;
}

std::map<QString, QString> shiftedNames(const Workbook& workbook, const SheetShift& shift) {
    const QString& shiftedName = workbook.sheet(shift.sheet).name();
    std::map<QString, QString> names;
    for (const auto& [name, reference] : workbook.definedNames()) {
        const auto target = splitSheetRange(reference);
        if (!target || target->first.compare(shiftedName, Qt::CaseInsensitive) != 0) {
            names.emplace(name, reference);
            continue;
        }
        if (const std::optional<CellRange> moved = shiftedRange(target->second, shift))
            names.emplace(name, target->first + u'!' + rangeReference(*moved));
    }
    return names;
}

void applyRewrites(Workbook& workbook, const std::vector<FormulaRewrite>& rewrites, bool backwards) {
    for (const FormulaRewrite& rewrite : rewrites) {
        Sheet& sheet = workbook.sheet(rewrite.sheet);
        sheet.setFormula(rewrite.pos, backwards ? rewrite.before : rewrite.after, sheet.text(rewrite.pos));
    }
}

} // namespace velmora::sheet
