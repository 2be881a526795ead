#include "sheet/edit/Sorting.h"

#include "sheet/formula/FormulaValue.h"
#include "sheet/model/SheetError.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace velmora::sheet {

int compareCellTexts(const QString& a, const QString& b) {
    const std::optional<double> x = cellNumber(a);
    const std::optional<double> y = cellNumber(b);
    if (x && y)
        return *x < *y ? -1 : *x > *y ? 1 : 0;
    if (x || y)
        return x ? -1 : 1;
    return QString::compare(a, b, Qt::CaseInsensitive);
}

void sortRange(Sheet& sheet, const CellRange& range, const SortOrder& order) {
    if (order.keys.empty() || order.keys.size() > 3)
        throw SheetError(QStringLiteral("Es können ein bis drei Sortierschlüssel angegeben werden."));
    const int first = order.byRows ? range.top : range.left;
    const int count = order.byRows ? range.rowCount() : range.columnCount();
    for (const SortKey& key : order.keys)
        if (key.line < (order.byRows ? range.left : range.top) ||
            key.line > (order.byRows ? range.right : range.bottom))
            throw SheetError(QStringLiteral("Der Sortierschlüssel liegt außerhalb des Bereichs."));
    const auto cellAt = [&](int line, int keyLine) {
        return order.byRows ? CellPos{line, keyLine} : CellPos{keyLine, line};
    };
    std::vector<int> sequence(static_cast<std::size_t>(count)); // the lines in their new order
    std::iota(sequence.begin(), sequence.end(), first);
    std::stable_sort(sequence.begin(), sequence.end(), [&](int a, int b) {
        for (const SortKey& key : order.keys) {
            const QString x = sheet.text(cellAt(a, key.line));
            const QString y = sheet.text(cellAt(b, key.line));
            if (x.isEmpty() != y.isEmpty())
                return y.isEmpty();
            const int result = compareCellTexts(x, y);
            if (result != 0)
                return key.ascending ? result < 0 : result > 0;
        }
        return false;
    });
    const CellList before = sheet.cellsIn(range);
    sheet.removeCells(range);
    std::vector<int> target(static_cast<std::size_t>(count)); // old line -> new line
    for (int i = 0; i < count; ++i)
        target[std::size_t(sequence[std::size_t(i)] - first)] = first + i;
    CellList after;
    for (const auto& [pos, cell] : before) {
        const int line = order.byRows ? pos.row : pos.column;
        const int moved = target[std::size_t(line - first)];
        after.emplace_back(order.byRows ? CellPos{moved, pos.column} : CellPos{pos.row, moved}, cell);
    }
    sheet.putCells(after);
}

} // namespace velmora::sheet
