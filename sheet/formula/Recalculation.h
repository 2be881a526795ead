#pragma once

#include "sheet/formula/FormulaParser.h"
#include "sheet/model/Workbook.h"

#include <memory>
#include <unordered_map>

namespace velmora::sheet {

/// Now as a spreadsheet counts time: days since 30 December 1899, the local time of day as the fraction.
double currentSerialTime();

/// Cells of one sheet that an edit changed: their texts, formulas or styles.
struct ChangedCells {
    int sheet = 0;
    CellRange range;
};

/// Computes the formula cells of a workbook, each after the cells it reads, and puts each result into its
/// cell's text. A formula that reads itself, directly or through others, shows "#REF!", one that is not
/// well formed "#NAME?". Parsed formulas and who reads what are kept for the next run.
class FormulaEngine {
public:
    FormulaEngine();
    ~FormulaEngine();
    FormulaEngine(const FormulaEngine&) = delete;
    FormulaEngine& operator=(const FormulaEngine&) = delete;

    /// Computes every formula afresh. Returns the number of formula cells.
    int recalculate(Workbook& workbook, double now = currentSerialTime());
    /// After an edit of `changed` (and nothing else) since the last run on the same workbook: computes the
    /// formulas inside those cells, the formulas that read them, directly or through others, and NOW() and
    /// TODAY(). Every formula when the edit added, removed or changed one, which changes who reads what.
    int recalculateChanged(Workbook& workbook, const std::vector<ChangedCells>& changed,
                           double now = currentSerialTime());

private:
    struct Graph;

    const std::optional<FormulaNode>& parsed(const QString& formula);
    /// Reads the formula cells of the workbook and what each one reads.
    std::unique_ptr<Graph> buildGraph(const Workbook& workbook, double now);

    /// Node-based, so that the trees stay where they are while more are added.
    std::unordered_map<QString, std::optional<FormulaNode>> m_parsed;
    std::unique_ptr<Graph> m_graph;
};

/// Recalculates with an engine of its own, as a workbook just read needs: results a file holds are not
/// trusted.
void recalculateWorkbook(Workbook& workbook);

} // namespace velmora::sheet
