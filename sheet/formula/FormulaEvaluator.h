#pragma once

#include "sheet/formula/FormulaParser.h"
#include "sheet/formula/FormulaValue.h"

#include <functional>

namespace velmora::sheet {

/// What an evaluation reads of the workbook.
class FormulaContext {
public:
    virtual ~FormulaContext() = default;
    /// The index of the sheet of that name (any case); empty for none.
    virtual std::optional<int> sheetIndex(const QString& name) const = 0;
    /// The value of a cell: a formula cell's result, or a plain cell's text read as a number where it is one.
    virtual FormulaValue cellValue(int sheet, CellPos pos) const = 0;
    /// Calls `visit` with the value of every cell of the range that is not empty.
    virtual void forEachValue(int sheet, const CellRange& range,
                              const std::function<void(const FormulaValue&)>& visit) const = 0;
    /// The sheet and range a defined name stands for; empty for an unknown name.
    virtual std::optional<std::pair<int, CellRange>> namedRange(const QString& name) const = 0;
    /// Now as a serial date: days since 30 December 1899, the time of day as the fraction.
    virtual double now() const = 0;
};

/// Evaluates an expression of a formula on sheet `sheet`. The result is never a range: a single cell is
/// read, a larger range is "#VALUE!".
FormulaValue evaluateFormula(const FormulaNode& node, int sheet, const FormulaContext& context);

/// The sheet and range a reference of a formula on `sheet` names; empty for an unknown sheet.
std::optional<std::pair<int, CellRange>> resolveReference(const FormulaReference& reference, int sheet,
                                                          const FormulaContext& context);

/// Whether a formula of another program's file is taken over: well formed, every function known, and not
/// a truth value (files store those as 1 and 0, which is what the other readers show). The others keep the
/// result the file holds, as a text.
bool isComputableFormula(const QString& formula);

/// The text a cell shows for a result: numbers in the cell's number format with "." as the decimal point
/// (or as NOW() and TODAY() ask when it has none), truth values as "TRUE" and "FALSE", an empty result as
/// "0".
QString shownText(const FormulaValue& value, const QString& numberFormat, const FormulaNode& node);

} // namespace velmora::sheet
