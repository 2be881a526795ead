// Formulas as a user or a file writes them: any text tokenizes, parses, computes, moves and shifts
// without crashing, and a formula moved there and back is the formula again.
#include "sheet/edit/FormulaShift.h"
#include "sheet/formula/FormulaTokens.h"
#include "sheet/formula/Recalculation.h"

#include <cstdlib>

using namespace velmora::sheet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString formula = u'=' + QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    Workbook book;
    book.addSheet(QStringLiteral("Zweite Tabelle"));
    book.definedNames()[QStringLiteral("Wert")] = QStringLiteral("Tabelle1!A1:B3");
    // The same formula in cells that it may read, so that circles and chains arise.
    for (int row = 1; row <= 3; ++row)
        book.sheet(0).setFormula({row, 1}, formula, {});
    book.sheet(0).setText({1, 2}, QStringLiteral("2.5"));
    book.sheet(1).setFormula({1, 1}, movedFormula(formula, 1, 1), {});
    FormulaEngine().recalculate(book, 46366.5);

    // Moved by one row and back, a formula whose references all stay inside the sheet is as it was
    // (written the way moving writes references).
    const QString moved = movedFormula(formula, 1, 0);
    if (!moved.contains(QStringLiteral("#REF!")) && movedFormula(moved, -1, 0) != movedFormula(formula, 0, 0))
        std::abort();
    shiftedFormulas(book, {0, {Axis::Rows, 2, -1}, {1, maxColumns}});
    return 0;
}
