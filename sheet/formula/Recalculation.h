#pragma once

#include "sheet/formula/FormulaParser.h"
#include "sheet/model/Workbook.h"

#include <unordered_map>

namespace velmora::sheet {

/// Now as a spreadsheet counts time: days since 30 December 1899, the local time of day as the fraction.
double currentSerialTime();

/// Computes the formula cells of a workbook, each after the cells it reads, and puts each result into its
/// cell's text. A formula that reads itself, directly or through others, shows "#REF!", one that is not
/// well formed "#NAME?". Parsed formulas are kept for the next run.
class FormulaEngine {
public:
    /// Returns the number of formula cells.
    int recalculate(Workbook& workbook, double now = currentSerialTime());

private:
    const std::optional<FormulaNode>& parsed(const QString& formula);

    /// Node-based, so that the trees stay where they are while more are added.
    std::unordered_map<QString, std::optional<FormulaNode>> m_parsed;
};

/// Recalculates with an engine of its own, as a workbook just read needs: results a file holds are not
/// trusted.
void recalculateWorkbook(Workbook& workbook);

} // namespace velmora::sheet
